#include "core/importtext.h"

#include <gtest/gtest.h>

namespace icevale {
namespace {

TEST(ImportText, KindIsToldByTheContent)
{
    struct Case { std::string_view text; ImportKind kind; };
    for (const Case& c : {Case{"{}", ImportKind::Json}, Case{"\xEF\xBB\xBF \r\n\t{\"a\": 1}", ImportKind::Json},
                          Case{"team,role\r\nALD,G\r\n", ImportKind::RosterCsv}, Case{"\"speed\"", ImportKind::RosterCsv},
                          Case{"nmae,team\n", ImportKind::RosterCsv}, Case{"", ImportKind::Neither},
                          Case{" \n", ImportKind::Neither}, Case{"null", ImportKind::Neither},
                          Case{"[{\"team\": 1}]", ImportKind::Neither}, Case{"team;role\n", ImportKind::Neither},
                          Case{"\"team\n", ImportKind::Neither}}) {
        EXPECT_EQ(importkind(c.text), c.kind) << c.text;
    }
}

// The first 50 problems, a line for the rest, and the verdict.
TEST(ImportText, RefusalShowsAtMostFiftyProblemsAndCountsTheRest)
{
    struct Case { std::size_t problems, lines; const char* more; };
    for (const Case& c : {Case{0, 0, nullptr}, Case{1, 2, nullptr}, Case{50, 51, nullptr},
                          Case{51, 52, "f: ... and 1 more problem not shown"}, Case{1000, 52, "f: ... and 950 more problems"}}) {
        std::vector<ImportProblem> problems;
        for (std::size_t i = 0; i < c.problems; ++i)
            problems.push_back({i % 2 ? "line " + std::to_string(i) : "", "bad " + std::to_string(i)});
        const std::vector<std::string> lines = refusallines("f", problems);
        ASSERT_EQ(lines.size(), c.lines) << c.problems;
        if (c.problems == 0)
            continue;
        EXPECT_EQ(lines[0], "f: bad 0");
        if (c.problems > 1) {
            EXPECT_EQ(lines[1], "f: line 1: bad 1");
        }
        EXPECT_EQ(lines.back(), "f: refused with " + std::to_string(c.problems) + (c.problems == 1 ? " problem" : " problems") +
                                    "; nothing written");
        if (c.more) {
            EXPECT_EQ(lines[kShownProblems].rfind(c.more, 0), 0u) << lines[kShownProblems];
        }
    }
}

}  // namespace
}  // namespace icevale
