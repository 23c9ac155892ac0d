#include <gtest/gtest.h>

#include <algorithm>

#include "core/menudefaults.h"
#include "core/playoffs.h"
#include "core/storedchoice.h"
#include "support/fixtures.h"
#include "support/imageedits.h"

namespace icevale {
namespace {

using namespace test;

// `rom` with `byte` at both places.
Bytes twice(const Bytes& rom, std::size_t at, std::size_t copy, std::uint8_t byte)
{
    return overlaid(overlaid(rom, at, {byte}), copy, {byte});
}

TEST(Playoffs, PagesAndTheCountReadAsBuiltAndWriteOnlyTheirBytes)
{
    const Bytes& rom = sampleImage().bytes;
    for (int g = 0; g < kPlayoffPages; ++g) {
        const auto page = readplayoffpage(rom, g);
        ASSERT_TRUE(page) << g;
        EXPECT_TRUE(std::equal(page->begin(), page->end(), sampleImage().playoffslots.begin() + 128 * g)) << g;
        EXPECT_EQ(edited(rom, playoffpageedit(g, *page)), rom);
    }
    EXPECT_FALSE(readplayoffpage(rom, 4) || readplayoffpage(rom, -1));
    EXPECT_EQ(readplayoffcount(rom), sampleImage().playoffcount);
    const Bytes cut = slice(rom, 0, 0xE6F59 + 3 * 128 + 127);
    EXPECT_TRUE(readplayoffpage(cut, 2));
    EXPECT_FALSE(readplayoffpage(cut, 3));

    PlayoffPage page;
    page.fill(kNoTeam);
    page[127] = 0xFF;
    const Bytes slots = joined({Bytes(127, kNoTeam), {0xFF}});
    for (const auto& [g, at] : {std::pair<int, std::size_t>{0, 0xE6F59}, {2, 0xE7059}, {3, 0xE70D9}})
        EXPECT_EQ(edited(rom, playoffpageedit(g, page)), overlaid(rom, at, slots)) << g;
    EXPECT_TRUE(playoffpageedit(4, page).empty() && playoffpageedit(-1, page).empty());
    for (const std::uint8_t count : {0, 12, 29})
        EXPECT_EQ(edited(rom, playoffcountedit(count)), twice(rom, 0xEAB13, 0xE9AFE, count));
}

TEST(MenuDefaults, SevenEvenBytesAndTheSelectableTeamsBothCopies)
{
    const Bytes& rom = sampleImage().bytes;
    const auto fields = readmenufields(rom);
    ASSERT_TRUE(fields);
    EXPECT_TRUE(std::equal(fields->begin() + 1, fields->end(), sampleImage().menudefaults.begin()));
    EXPECT_EQ(readselectableteams(rom), sampleImage().selectableteams);
    EXPECT_EQ(edited(rom, menufieldsedit(*fields)), rom);
    Bytes expected = rom;
    const MenuFields stored = {0, 0, 3, 27, 2, 1, 2, 1};
    for (std::size_t f = 1; f <= 7; ++f)
        expected[0xE9EC2 + 2 * (f - 1)] = stored[f];  // the odd bytes between stay
    EXPECT_EQ(edited(rom, menufieldsedit(stored)), expected);
    for (const std::uint8_t count : {0, 24})
        EXPECT_EQ(edited(rom, selectableteamsedit(count)), twice(rom, 0xEAED5, 0xEAED3, count));
    EXPECT_FALSE(readmenufields(slice(rom, 0, 0xE9EC2 + 12)));
    EXPECT_FALSE(readselectableteams(slice(rom, 0, kSelectableTeams)));
    const int sizes[] = {0, 5, 28, 28, 3, 3, 3, 2, 0};  // the team fields list the 28 teams
    for (int f = 0; f <= 8; ++f)
        EXPECT_EQ(menufieldsize(f), sizes[f]) << f;
}

TEST(StoredChoice, EveryStoredByteSurvivesAndPicksWriteTheirEntrysByte)
{
    // (entries, first): playoff slot, team field, two-entry field, count "1".."28"
    for (const auto& [entries, first] : {std::pair{29, 0}, {28, 0}, {2, 0}, {28, 1}}) {
        for (int b = 0; b <= 255; ++b) {
            const auto stored = static_cast<std::uint8_t>(b);
            const int position = choiceposition(stored, entries, first);
            EXPECT_EQ(choicebyte(position, stored, entries, first), stored) << entries << " " << b;
            EXPECT_EQ(choiceunlisted(stored, entries, first), b >= first + entries) << entries << " " << b;
            EXPECT_EQ(position, b < first ? -1 : std::min(b - first, entries)) << entries << " " << b;
        }
    }
    EXPECT_EQ(choicebyte(4, 99, 28, 1), 5);
    EXPECT_EQ(choicebyte(-1, 12, 28, 1), 0);  // a count with nothing selected is none set
    EXPECT_EQ(choicebyte(-1, 9, 5), 9);       // a field with nothing selected keeps its byte
}

}  // namespace
}  // namespace icevale
