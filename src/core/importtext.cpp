#include "core/importtext.h"

#include "core/exchange.h"
#include "core/importer.h"
#include "core/rostercsv.h"

namespace icevale {
namespace {

std::string_view content(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string counted(std::size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string neither(std::string_view text)
{
    if (content(text).empty())
        return "the file is empty; an import is a JSON export or a roster CSV";
    if (semicolonheader(content(text)))
        return "a CSV separated by semicolons: a roster CSV separates its fields by commas (team,role,name)";
    return "neither a JSON export (an object, starting with '{') nor a roster CSV (a header row naming its columns, "
           "such as team,role,name)";
}

}  // namespace

ImportKind importkind(std::string_view text)
{
    const std::string_view start = content(text);
    if (start.starts_with('{'))
        return ImportKind::Json;
    return hasrosterheader(text) ? ImportKind::RosterCsv : ImportKind::Neither;
}

std::string ImportReport::changes() const { return counted(static_cast<std::size_t>(steps), "change", "changes"); }

std::vector<std::string> refusallines(const std::string& file, const std::vector<ImportProblem>& problems)
{
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < problems.size() && i < kShownProblems; ++i) {
        const ImportProblem& p = problems[i];
        lines.push_back(file + ": " + (p.place.empty() ? "" : p.place + ": ") + p.text);
    }
    if (problems.size() > kShownProblems)
        lines.push_back(file + ": ... and " + counted(problems.size() - kShownProblems, "more problem", "more problems") +
                        " not shown");
    if (!problems.empty())
        lines.push_back(file + ": refused with " + counted(problems.size(), "problem", "problems") + "; nothing written");
    return lines;
}

ImportReport importtext(Document& doc, std::string_view text, const std::string& file, bool write)
{
    ImportReport report;
    ImportData data;
    switch (importkind(text)) {
    case ImportKind::Json:
        data = readexportjson(text, doc.cart(), report.problems);
        break;
    case ImportKind::RosterCsv:
        data = readrostercsv(text, doc.cart(), report.problems);
        break;
    case ImportKind::Neither:
        report.problems.push_back({"", neither(text)});
        break;
    }
    if (report.problems.empty()) {
        const ImportOutcome outcome = importinto(doc, data, write);
        report.problems = outcome.problems;
        report.steps = outcome.steps;
    }
    report.lines = refusallines(file, report.problems);
    return report;
}

}  // namespace icevale
