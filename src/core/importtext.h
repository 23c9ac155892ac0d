#pragma once
// An import from the whole text of a file, as every front end runs it: telling a JSON
// export from a roster CSV by the content, reading and checking it against the
// document's image, applying it when asked, and the messages to show. The front end
// only shows the lines and writes the result, so every front end words a refusal alike.
#include <string>
#include <string_view>
#include <vector>

#include "core/document.h"
#include "core/importdata.h"

namespace icevale {

enum class ImportKind { Json, RosterCsv, Neither };

// JSON when the first character past a byte order mark and blanks is '{'; a roster CSV
// when the first row names at least one of the roster's columns; otherwise neither.
ImportKind importkind(std::string_view text);

// A refusal shows at most this many problems, then how many more there are.
inline constexpr std::size_t kShownProblems = 50;

struct ImportReport {
    std::vector<ImportProblem> problems;  // every problem found; the import was applied only without any
    int steps = 0;                        // the edits that change the image
    std::vector<std::string> lines;       // the refusal to show, each line starting with the file's name
    bool ok() const { return problems.empty(); }
    std::string changes() const;          // "1 change", "12 changes"
};

// Reads `text` (the content of `file`) as its kind and checks it against the document's
// image; when nothing is wrong and `write` is set, applies it through the document.
ImportReport importtext(Document& doc, std::string_view text, const std::string& file, bool write);

// The lines of a refusal of `file`: the first kShownProblems problems, a line saying how
// many more there are, and the verdict; none when there is no problem.
std::vector<std::string> refusallines(const std::string& file, const std::vector<ImportProblem>& problems);

}  // namespace icevale
