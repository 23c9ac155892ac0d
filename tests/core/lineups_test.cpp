#include <gtest/gtest.h>

#include "core/lineups.h"
#include "support/fixtures.h"
#include "support/imageedits.h"

namespace icevale {
namespace {

using namespace test;

// Where line l of team t starts: its seven slots, then the eighth byte.
std::size_t linestart(int t, int l) { return teamoffset[t] + 3 + 8 * static_cast<std::size_t>(l - 1); }

TEST(Lineups, SampleLinesDecodeAsBuiltAndTheEighthByteIsNeverRead)
{
    const Cartridge cart = loadedSample();
    for (int t = 1; t <= kTeams; ++t) {
        for (int l = 0; l <= kLines; ++l) {
            const LineSlots line = lineslots(cart, t, l);
            for (int s = 1; s <= kSlots; ++s)
                EXPECT_EQ(line[s], l ? sampleImage().teams[t].lines[l][s] : 0) << t << " " << l << " " << s;
        }
    }
    Bytes rom = overlaid(overlaid(cart.RomImage, linestart(7, 1), {11}), linestart(7, 8) + 6, {12});
    for (int l = 1; l <= kLines; ++l)
        rom[linestart(7, l) + 7] = 0xEE;  // no sample slot holds this
    Tables tables;
    ASSERT_TRUE(readlines(tables, rom));
    EXPECT_EQ((std::array{tables.lineup[7][1][1], tables.lineup[7][7][8]}), (std::array<std::uint8_t, 2>{11, 12}));
    for (int l = 1; l <= kLines; ++l) {
        for (int s = 1; s <= kSlots; ++s)
            EXPECT_NE(tables.lineup[7][s][l], 0xEE) << s << "," << l;
    }
    // Team 1 lies last in the image: its last line needs its seventh slot, not its eighth byte.
    EXPECT_TRUE(readlines(tables, slice(rom, 0, linestart(1, 8) + 7)));
    EXPECT_FALSE(readlines(tables, slice(rom, 0, linestart(1, 8) + 6)));
}

TEST(Lineups, ALineWritesItsSevenSlotsAndNothingElse)
{
    const Cartridge cart = loadedSample();
    const Bytes& rom = cart.RomImage;
    const std::tuple<int, int, std::size_t> cases[] = {{1, 1, 0xE6D64}, {28, 8, 0xE2B51}, {7, 4, 0xE3804}};
    for (const auto& [t, l, at] : cases) {
        EXPECT_EQ(lineslotoffset(t, l, 1), at);
        EXPECT_EQ(edited(rom, lineedit(t, l, {0, 24, 0, 3, 25, 1, 2, 17})),
                  overlaid(rom, at, {24, 0, 3, 25, 1, 2, 17}));
    }
    Bytes same = rom;
    for (int t = 1; t <= kTeams; ++t) {
        for (int l = 1; l <= kLines; ++l)
            same = edited(same, lineedit(t, l, lineslots(cart, t, l)));
    }
    EXPECT_EQ(same, rom);
}

TEST(Lineups, SlotEntriesNameTheRosterAndKeepBytesPastIt)
{
    Tables tables;
    tables.goaliecount[3] = 1;
    tables.defensecount[3] = 2;
    tables.playername[1][3] = "A. Barak";
    tables.playernum[1][3] = 0x88;
    tables.playernum[2][3] = 0x05;
    tables.playername[3][3] = "Wenic";
    tables.playernum[3][3] = 0x1A;
    tables.playername[4][3] = "not on the roster";
    EXPECT_EQ(slotentries(tables, 3), (std::vector<std::string>{" ", "A. Barak #88", " #5", "Wenic #1A"}));
    EXPECT_EQ(offrosterentry(30), "(player 30: not on roster)");
    const std::tuple<int, int, std::uint8_t, std::uint8_t> bytes[] = {
        {0, 17, 40, 0}, {17, 17, 40, 17}, {18, 17, 40, 40}, {-1, 17, 40, 40}, {5, 3, 9, 9}};
    for (const auto& [position, players, stored, byte] : bytes)
        EXPECT_EQ(slotbyte(position, players, stored), byte) << position << " " << players;
}

}  // namespace
}  // namespace icevale
