#include <algorithm>
#include <functional>

#include "core/health.h"
#include "core/playoffs.h"
#include "core/utf8text.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

// Each damage gives a problem worded for people: a team without an abbreviation by its
// number alone, counts of one in the singular, control bytes escaped.
TEST(Health, ProblemsNameTheTeamAndCountInPlainWords)
{
    struct Case { std::function<void(Cartridge&)> damage; std::string says; };
    const std::vector<Case> cases = {
        {[](Cartridge& c) { c.teamabbrev[4] = "", c.lineup[4][2][1] = 30; },
         "team 4: 1 line-up slot names a player past the roster of "},
        {[](Cartridge& c) { c.teamabbrev[5] = "B\x7F\x81", c.lineup[5][1][1] = 30, c.lineup[5][2][2] = 31; },
         "team 5 (B\\x7F\\x81): 2 line-up slots name players past the roster of "},
        {[](Cartridge& c) { c.goaliecount[6] = 1, c.forwardcount[6] = 0, c.defensecount[6] = 1; },
         "1 goalie, 0 forwards and 1 defenceman is not a possible roster"},
        {[](Cartridge& c) { c.rosterbytesleft[7] = -1; }, "the roster runs 1 byte past its area"},
        {[](Cartridge& c) { c.RomImage[kPlayoffSlots + 3] = 200; }, "1 playoff slot holds a byte above 28"},
        {[](Cartridge& c) { c.RomImage[kPlayoffSlots + 3] = 200, c.RomImage[kPlayoffSlots + 9] = 29; },
         "2 playoff slots hold bytes above 28"},
    };
    ASSERT_TRUE(healthcheck(test::loadedSample()).empty());
    for (const Case& c : cases) {
        Cartridge cart = test::loadedSample();
        c.damage(cart);
        const std::vector<HealthProblem> problems = healthcheck(cart);
        const auto says = [&](const HealthProblem& p) { return p.text.find(c.says) != std::string::npos; };
        EXPECT_TRUE(std::any_of(problems.begin(), problems.end(), says))
            << c.says << "\n" << (problems.empty() ? "" : problems[0].text);
    }
}

TEST(Health, ControlCharactersArePrintedAsEscapes)
{
    const std::pair<std::string, std::string> bytes[] = {
        {"A\x01" "B\x7F", "A\\x01B\\x7F"}, {"\x81\x8D\x8F\x90\x9D", "\\x81\\x8D\\x8F\\x90\\x9D"},
        {"\x80\x9F\xE9 \\x", "\x80\x9F\xE9 \\x"}, {std::string("\0\n", 2), "\\x00\\x0A"}};
    for (const auto& [in, out] : bytes) {
        EXPECT_EQ(printablebytes(in), out);
        EXPECT_EQ(printablebytes(printablebytes(in)), out);
        // The same text as UTF-8 comes out as the same characters.
        EXPECT_EQ(printableutf8(bytestoutf8(in)), bytestoutf8(out));
    }
    EXPECT_EQ(printableutf8("\xC2\x85 \xC2\xA0 \xE2\x82\xAC \xC3\x89\t"), "\\x85 \xC2\xA0 \xE2\x82\xAC \xC3\x89\\x09");
}

}  // namespace
}  // namespace icevale
