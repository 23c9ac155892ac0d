#pragma once
// CSV as RFC 4180 has it, in UTF-8: fields separated by commas, records by CRLF or LF.
// A field in double quotes may hold commas, CR, LF and quotes written twice (""); the
// last record may end with a line break or not. Spaces belong to the field. A UTF-8 byte
// order mark at the start is skipped. The writer ends every line with "\n" alone, as
// text files on the systems the tool runs on do, and quotes only the fields that need it.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace icevale {

struct CsvRow {
    std::size_t line = 0;  // 1-based line on which the record starts
    std::vector<std::string> fields;
};

// Empty text has no rows; an empty line is a row with one empty field. Refused, with the
// place ("line 2, column 3: " before the reason; the column counts characters, not bytes): a quote that is never closed (the place of the opening quote), a quote inside an
// unquoted field, anything but a comma or line end after a closing quote, and a CR that
// is not followed by LF outside quotes.
Result<std::vector<CsvRow>> readcsv(std::string_view text);

// Fields are quoted when they hold a comma, quote, CR or LF, begin or end with a space,
// or when a line would otherwise be blank or begin with a byte order mark. A row without
// fields is written as an empty line, which reads back as one empty field.
std::string writecsv(const std::vector<std::vector<std::string>>& rows);

}  // namespace icevale
