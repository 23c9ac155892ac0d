#include <gtest/gtest.h>

#include <random>

#include "core/csv.h"

namespace icevale {
namespace {

using Table = std::vector<std::vector<std::string>>;

Table fields(const Result<std::vector<CsvRow>>& r)
{
    Table out;
    for (const CsvRow& row : r ? r.value() : std::vector<CsvRow>{})
        out.push_back(row.fields);
    return out;
}

TEST(Csv, ReadsQuotedFieldsLineEndsAndTheLineEachRowStartsOn)
{
    struct Case { std::string text; Table rows; std::vector<std::size_t> lines; };
    for (const Case& c : {Case{"", {}, {}}, Case{"a,b\r\nc,d\n", {{"a", "b"}, {"c", "d"}}, {1, 2}},
                          Case{"a,b\nc", {{"a", "b"}, {"c"}}, {1, 2}},
                          Case{"\"x,\"\"y\"\"\r\nz\",w\nv\n", {{"x,\"y\"\r\nz", "w"}, {"v"}}, {1, 3}},
                          Case{"\n\"\"\n a ,", {{""}, {""}, {" a ", ""}}, {1, 2, 3}},
                          Case{"\xEF\xBB\xBF\xC3\xA9,\"\r\"", {{"\xC3\xA9", "\r"}}, {1}}}) {
        const Result<std::vector<CsvRow>> r = readcsv(c.text);
        ASSERT_TRUE(r.ok()) << c.text << r.message();
        EXPECT_EQ(fields(r), c.rows) << c.text;
        for (std::size_t i = 0; i < std::min(r->size(), c.lines.size()); ++i)
            EXPECT_EQ(r.value()[i].line, c.lines[i]) << c.text;
    }
}

TEST(Csv, ErrorsNameTheLineAndCharacterColumn)
{
    struct Case { std::string text; std::size_t line, column; const char* what; };
    for (const Case& c : {Case{"a,b\nc,\"d\ne", 2, 3, "never closed"}, Case{"ab,c\"d", 1, 5, "quote inside"},
                          Case{"x\n\xC3\xA9\xC3\xA9,\"q\"r", 2, 7, "after a closing quote"},
                          Case{"\"a\nb\" c", 2, 3, "after a closing quote"},
                          Case{"a\rb", 1, 2, "carriage return"}}) {
        const Result<std::vector<CsvRow>> r = readcsv(c.text);
        ASSERT_FALSE(r.ok()) << c.text;
        EXPECT_NE(r.message().find(c.what), std::string::npos) << c.text << ": " << r.message();
        const std::string place = "line " + std::to_string(c.line) + ", column " + std::to_string(c.column) + ": ";
        EXPECT_TRUE(r.message().starts_with(place)) << c.text << ": " << r.message();
    }
}

TEST(Csv, WriterQuotesOnlyWhenNeededAndReadsBackIdentically)
{
    EXPECT_EQ(writecsv({{"a", "b c", "", "x,y"}, {"say \"hi\"", " lead", "trail ", "1\r\n2"}, {""}}),
              "a,b c,,\"x,y\"\n\"say \"\"hi\"\"\",\" lead\",\"trail \",\"1\r\n2\"\n\"\"\n");
    std::mt19937 rng(11);
    const std::vector<std::string> pieces = {"a", ",", "\"", "\r", "\n", " ", "\xC3\xA9", "\xEF\xBB\xBF"};
    for (int trial = 0; trial < 300; ++trial) {
        Table table(1 + rng() % 4);
        for (auto& row : table) {
            row.resize(1 + rng() % 4);
            for (auto& field : row)
                for (unsigned k = rng() % 5; k > 0; --k)
                    field += pieces[rng() % pieces.size()];
        }
        ASSERT_EQ(fields(readcsv(writecsv(table))), table) << writecsv(table);
    }
}

}  // namespace
}  // namespace icevale
