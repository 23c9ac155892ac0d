// The CSV reader and writer the roster import and export stand on. The input is read
// twice: as a CSV text, and as rows to write, where a 0 byte ends a field and a 1 byte a
// row and every other byte belongs to a field (so fields hold commas, quotes, CR, LF,
// blanks and byte order marks).
// Properties: reading never crashes; a refusal holds no rows and names a 1-based line
// and column inside the text; rows start on ascending lines; any rows written and read
// back give the same fields (a row without fields comes back as one empty field, as
// documented), and so do the rows of any text that reads.
#include <algorithm>
#include <cstdio>
#include <string_view>

#include "core/csv.h"
#include "fuzzinput.h"

namespace icevale::fuzz {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows rowsof(std::string_view bytes)
{
    Rows rows(1);
    std::string field;
    for (const char c : bytes) {
        if (c == '\0') {
            rows.back().push_back(std::move(field));
            field.clear();
        } else if (c == '\1') {
            if (!field.empty())
                rows.back().push_back(std::move(field));
            field.clear();
            rows.emplace_back();
        } else {
            field += c;
        }
    }
    if (!field.empty())
        rows.back().push_back(std::move(field));
    return rows;
}

Rows fieldsof(const Result<std::vector<CsvRow>>& read)
{
    Rows rows;
    for (const CsvRow& row : read.value())
        rows.push_back(row.fields);
    return rows;
}

void checkread(std::string_view text, const Result<std::vector<CsvRow>>& read)
{
    if (!read.ok()) {
        const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
        std::size_t line = 0, column = 0;
        expect(std::sscanf(read.message().c_str(), "line %zu, column %zu: ", &line, &column) == 2 && line >= 1 &&
                   line <= lines && column >= 1,
               "a refusal names a line and column of the text");
        return;
    }
    const std::vector<CsvRow>& rows = read.value();
    for (std::size_t k = 0; k < rows.size(); ++k)
        expect(rows[k].line >= 1 && (k == 0 || rows[k].line > rows[k - 1].line),
               "rows start on ascending lines");
}

void checkroundtrip(Rows rows)
{
    const Result<std::vector<CsvRow>> back = readcsv(writecsv(rows));
    for (auto& row : rows) {
        if (row.empty())
            row.emplace_back();
    }
    expect(back.ok() && fieldsof(back) == rows, "written rows read back as they were");
}

}  // namespace
}  // namespace icevale::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace icevale::fuzz;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const icevale::Result<std::vector<icevale::CsvRow>> read = icevale::readcsv(text);
    checkread(text, read);
    if (read.ok())
        checkroundtrip(fieldsof(read));
    checkroundtrip(rowsof(text));
    return 0;
}
