#include <algorithm>
#include <functional>

#include "core/health.h"
#include "core/bannertexts.h"
#include "core/menudefaults.h"
#include "core/teamtexts.h"
#include "core/playoffs.h"
#include "core/utf8text.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

// Each kind of problem the check reports, and the same value at its limit reporting
// none: a damage of team 3 (or of the whole image), and the words of the problem it
// gives (with its area and team), or `none` set when those words must not appear.
TEST(Health, EachKindOfProblemIsReportedFromItsLimitOnAndASoundImageHasNone)
{
    const int t = 3;
    const Cartridge sound = test::loadedSample();
    ASSERT_TRUE(healthcheck(sound).empty());
    const int n = sound.playercount(t), g = sound.goaliecount[t], d = sound.defensecount[t];
    const std::string team = "team 3 (" + sound.teamabbrev[t] + "): ";
    const std::size_t terminator = teamtextoffset[t] - 2 - static_cast<std::size_t>(sound.rosterbytesleft[t]);
    const std::size_t last = terminator - sound.playername[n][t].size() - 10;  // player n's record
    const auto textroom = static_cast<std::size_t>(textblockfree(t, static_cast<std::int64_t>(sound.teamname[t].size() + sound.teamabbrev[t].size() +
                                                                               sound.teamnick[t].size() + sound.teamarena[t].size())));
    const auto counts = [](int gs, int fs, int ds) { return [=](Cartridge& c) { c.goaliecount[3] = gs, c.forwardcount[3] = fs, c.defensecount[3] = ds; }; };
    const auto byte = [](std::size_t at, std::uint8_t value) { return [=](Cartridge& c) { c.RomImage[at] = value; }; };
    const auto lineup = [](int slot) { return [=](Cartridge& c) { c.lineup[3][7][8] = static_cast<std::uint8_t>(slot); }; };
    const std::size_t lastslot = kPlayoffSlots + kPlayoffPages * kPlayoffPageSlots - 1;
    const auto menunames = [](std::size_t first, std::size_t second) {
        return [=](Cartridge& c) {
            Edit edit;
            edit.putrecord(edit.putrecord(kMenuNamesOffset, std::string(first, 'A')), std::string(second, 'B'));
            ASSERT_TRUE(applyedit(c.RomImage, edit));
        };
    };
    const auto bannerstarts = bannerpointerstarts(sound.RomImage);
    ASSERT_TRUE(bannerstarts && sound.bannertextlen[1] >= 3 && sound.bannertextlen[kTeams] >= 3);
    const auto inbanner = [&](int k) { return static_cast<std::size_t>((*bannerstarts)[k] + 1); };  // inside text k
    struct Case { std::function<void(Cartridge&)> damage; std::string area; int team; std::string text; bool none = false; };
    const std::string roster = "is not a possible roster", below = "has a length byte below 2";
    std::vector<Case> cases = {
        {counts(0, 5, 5), "rosters", t, "0 goalies, 5 forwards and 5 defencemen " + roster},
        {counts(2, 0, 5), "rosters", t, "2 goalies, 0 forwards and 5 defencemen " + roster},
        {counts(2, 5, 0), "rosters", t, "2 goalies, 5 forwards and 0 defencemen " + roster},
        {counts(1, 1, 1), "rosters", t, roster, true}, {counts(g, 25 - g - d, d), "rosters", t, roster, true},
        {counts(g, 26 - g - d, d), "rosters", t, roster},
        {[](Cartridge& c) { c.rosterbytesleft[3] = -1; }, "rosters", t, team + "the roster runs 1 byte past its area"},
        {byte(terminator, 0x03), "rosters", t, team + "the roster is not closed by the bytes 02 00"},
        {byte(terminator + 1, 0x01), "rosters", t, team + "the roster is not closed by the bytes 02 00"},
        {byte(last, 1), "rosters", t, team + "the record of player " + std::to_string(n) + " " + below},
        {byte(last, 0), "rosters", t, below}, {byte(last, 2), "rosters", t, below, true},
        {[&](Cartridge& c) { c.teamname[3] += std::string(textroom, 'x'); }, "team texts", t, "too long", true},
        {[&](Cartridge& c) { c.teamname[3] += std::string(textroom + 1, 'x'); }, "team texts", t,
         team + "the texts are 1 byte too long for their block"},
        {byte(teamtextoffset[t], 1), "team texts", t, team + "text record 1 " + below},
        {byte(teamtextoffset[t], 2), "team texts", t, below, true}, {menunames(11, 11), "menu names", 0, "longer than", true},
        {menunames(12, 11), "menu names", 0, "the menu display names are longer than the 22 characters they share"},
        {byte(kMenuNamesOffset, 0), "menu names", 0, "menu name record 1 " + below},
        {[](Cartridge& c) { c.RomImage[kBannerPointerTable] ^= 0x10; }, "banner texts", 0, "the banner text pointer table does not describe"},
        {byte(inbanner(1), 0), "banner texts", 0, "the banner text pointer table does not describe"},
        {byte(inbanner(kTeams), 0), "banner texts", 0, "the banner text pointer table does not describe"},
        {lineup(n), "line-ups", t, "past the roster", true},
        {lineup(n + 1), "line-ups", t, team + "1 line-up slot names a player past the roster of " + std::to_string(n) + " players"},
        {[](Cartridge& c) { c.teamabbrev[3] = "", c.lineup[3][1][1] = 30; }, "line-ups", t, "team 3: 1 line-up slot"},
        {[](Cartridge& c) { c.teamabbrev[3] = "B\x7F\x81", c.lineup[3][1][1] = 30, c.lineup[3][2][2] = 31; }, "line-ups", t,
         "team 3 (B\\x7F\\x81): 2 line-up slots name players"},
        {byte(lastslot, kNoTeam), "playoffs", 0, "playoff slot", true},
        {byte(lastslot, kNoTeam + 1), "playoffs", 0, "1 playoff slot holds a byte above 28"},
        {byte(kPlayoffCount, 28), "playoffs", 0, "playoff team count", true},
        {byte(kPlayoffCount, 29), "playoffs", 0, "the playoff team count holds 29, past its 29 listed values"},
        {byte(kSelectableTeams, 28), "menu defaults", 0, "selectable team count", true},
        {byte(kSelectableTeams, 29), "menu defaults", 0, "the selectable team count holds 29, past its 29 listed values"},
    };
    for (int f = 1; f <= kMenuFields; ++f) {
        const std::string field = "menu default " + std::to_string(f) + " holds ";
        cases.push_back({byte(kMenuDefaults + 2 * (f - 1), menufieldsize(f) - 1), "menu defaults", 0, field, true});
        cases.push_back({byte(kMenuDefaults + 2 * (f - 1), menufieldsize(f)), "menu defaults", 0, field + std::to_string(menufieldsize(f)) + ", past its"});
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE("case " + std::to_string(i) + ": " + c.text);
        Cartridge cart = sound;
        c.damage(cart);
        const std::vector<HealthProblem> problems = healthcheck(cart);
        const auto found = std::find_if(problems.begin(), problems.end(),
                                        [&](const HealthProblem& p) { return p.text.find(c.text) != std::string::npos; });
        if (c.none) {
            EXPECT_EQ(found, problems.end()) << found->text;
            continue;
        }
        ASSERT_NE(found, problems.end()) << (problems.empty() ? "no problem" : problems.front().text);
        EXPECT_EQ(std::tie(found->area, found->team), std::tie(c.area, c.team));
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
