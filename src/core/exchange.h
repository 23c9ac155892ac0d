#pragma once
// The JSON export of an image: every value the eight editor windows can edit, per team
// and for the season, in the units the windows show (exchangevalues.h), texts as UTF-8.
// The reader takes back any part of such a file (absent values stay as they are) as an
// import for importer.h, naming the JSON path of every value it refuses. The format is
// described in docs/export-format.md.
#include <string>
#include <string_view>
#include <vector>

#include "core/cartridge.h"
#include "core/importdata.h"

namespace icevale {

inline constexpr const char* kExportFormat = "icevale-export";
inline constexpr int kExportVersion = 1;

// The whole export of a decoded image, ending with a line break.
std::string exportjson(const Cartridge& cart);

// The import a JSON text asks for. Teams are named by their abbreviations as the import
// leaves them: those the file sets for numbered teams, otherwise those of `tables`.
// Every problem found is added to `problems`; the import is to be used only when none was.
ImportData readexportjson(std::string_view text, const Tables& tables, std::vector<ImportProblem>& problems);

}  // namespace icevale
