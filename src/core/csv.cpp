#include "core/csv.h"

#include <algorithm>

namespace icevale {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text)
    {
        if (text_.starts_with(kByteOrderMark))
            pos_ = linestart_ = kByteOrderMark.size();
    }

    Result<std::vector<CsvRow>> run()
    {
        std::vector<CsvRow> rows;
        while (pos_ < text_.size() && error_.empty()) {
            CsvRow row{line_, {}};
            readrow(row);
            rows.push_back(std::move(row));
        }
        if (!error_.empty())
            return icevale::fail(error_);
        return rows;
    }

private:
    bool at(char c) const { return pos_ < text_.size() && text_[pos_] == c; }

    void advance()
    {
        if (text_[pos_++] == '\n') {
            ++line_;
            linestart_ = pos_;
        }
    }

    // Columns count characters, so continuation bytes (10xxxxxx) are skipped.
    void fail(std::string message, std::size_t line, std::size_t linestart, std::size_t pos)
    {
        const auto lead = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; };
        const std::string_view before = text_.substr(linestart, pos - linestart);
        const auto column = 1 + static_cast<std::size_t>(std::count_if(before.begin(), before.end(), lead));
        error_ = "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + message;
    }

    void fail(std::string message) { fail(std::move(message), line_, linestart_, pos_); }

    void readrow(CsvRow& row)
    {
        for (;;) {
            row.fields.push_back(at('"') ? readquoted() : readplain());
            if (!error_.empty() || pos_ == text_.size())
                return;
            if (at(',')) {
                advance();
                continue;
            }
            if (at('\r') && (pos_ + 1 == text_.size() || text_[pos_ + 1] != '\n'))
                return fail("carriage return without a line feed");
            if (at('\r'))
                advance();
            advance();
            return;
        }
    }

    std::string readplain()
    {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !at(',') && !at('\r') && !at('\n')) {
            if (at('"')) {
                fail("quote inside an unquoted field");
                return {};
            }
            advance();
        }
        return std::string(text_.substr(start, pos_ - start));
    }

    std::string readquoted()
    {
        const std::size_t openline = line_, openlinestart = linestart_, open = pos_;
        std::string field;
        advance();
        for (;;) {
            if (pos_ == text_.size()) {
                fail("quote is never closed", openline, openlinestart, open);
                return {};
            }
            if (at('"')) {
                advance();
                if (!at('"'))
                    break;
            }
            field += text_[pos_];
            advance();
        }
        if (pos_ < text_.size() && !at(',') && !at('\r') && !at('\n'))
            fail("unexpected character after a closing quote");
        return field;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
    std::size_t linestart_ = 0;
    std::string error_;
};

bool needsquotes(const std::string& field, bool alone, bool first)
{
    return field.find_first_of(",\"\r\n") != std::string::npos ||
           (!field.empty() && (field.front() == ' ' || field.back() == ' ')) ||
           (alone && field.empty()) || (first && field.starts_with(kByteOrderMark));
}

void writefield(std::string& out, const std::string& field, bool alone, bool first)
{
    if (!needsquotes(field, alone, first)) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace

Result<std::vector<CsvRow>> readcsv(std::string_view text)
{
    return Reader(text).run();
}

std::string writecsv(const std::vector<std::vector<std::string>>& rows)
{
    std::string out;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto& fields = rows[r];
        for (std::size_t f = 0; f < fields.size(); ++f) {
            if (f > 0)
                out += ',';
            writefield(out, fields[f], fields.size() == 1, r == 0 && f == 0);
        }
        out += '\n';
    }
    return out;
}

}  // namespace icevale
