#include <gtest/gtest.h>

#include "lines/lineup.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

using test::differences;

TEST(Lineup, SlotOffsets)
{
    EXPECT_EQ(lineslotoffset(1, 1, 1), teamoffset[1] + 3);
    EXPECT_EQ(lineslotoffset(1, 1, 4), teamoffset[1] + 3 + 3);
    EXPECT_EQ(lineslotoffset(17, 2, 1), teamoffset[17] + 11);
    EXPECT_EQ(lineslotoffset(28, 8, 7), teamoffset[28] + 65);
}

TEST(Lineup, StoringEveryLineUneditedChangesNothing)
{
    Cartridge cart = test::loadedSample();
    const Bytes original = cart.RomImage;
    for (int t = 1; t <= kTeams; ++t) {
        for (int l = 1; l <= kLines; ++l) {
            const LineSlots line = lineslots(cart, t, l);
            for (int s = 1; s <= kSlots; ++s)
                ASSERT_EQ(line[s], test::sampleImage().teams[t].lines[l][s]);
            storeline(cart, t, l, line);
        }
    }
    EXPECT_TRUE(differences(cart.RomImage, original).empty());
    EXPECT_EQ(lineslots(cart, 3, 0), LineSlots{});
}

TEST(Lineup, StoringALineWritesItsSevenSlotsOnly)
{
    Cartridge cart = test::loadedSample();
    const Bytes original = cart.RomImage;
    LineSlots line{};
    for (int s = 1; s <= kSlots; ++s)
        line[s] = static_cast<std::uint8_t>(0xF0 + s);  // differs from every sample slot byte
    storeline(cart, 5, 8, line);
    std::vector<std::size_t> expected;
    for (int s = 1; s <= kSlots; ++s)
        expected.push_back(teamoffset[5] + 3 + 56 + static_cast<std::size_t>(s - 1));
    EXPECT_EQ(differences(cart.RomImage, original), expected);  // the eighth byte, + 66, untouched
    EXPECT_EQ(cart.RomImage[teamoffset[5] + 66], original[teamoffset[5] + 66]);
    EXPECT_EQ(cart.lineup[5][7][8], 0xF7);
    EXPECT_EQ(cart.lineup[5][7][7], test::sampleImage().teams[5].lines[7][7]);
}

TEST(Lineup, EntryTextsAndSlotBytes)
{
    Cartridge cart = test::loadedSample();
    cart.goaliecount[2] = 1;
    cart.forwardcount[2] = 2;
    cart.defensecount[2] = 1;
    const std::uint8_t numbers[] = {0, 0x05, 0x88, 0xAB, 0x00};
    for (int k = 1; k <= 4; ++k)
        cart.playernum[k][2] = numbers[k];
    cart.playername[3][2] = "\xC5ke";
    const std::vector<std::string> entries = slotentries(cart, 2);
    ASSERT_EQ(entries.size(), 5U);
    EXPECT_EQ(entries[0], " ");
    EXPECT_EQ(entries[1], cart.playername[1][2] + " #5");
    EXPECT_EQ(entries[2], cart.playername[2][2] + " #88");
    EXPECT_EQ(entries[3], "\xC5ke #AB");
    EXPECT_EQ(entries[4], cart.playername[4][2] + " #0");

    // 2 goalies, 9 forwards, 6 defencemen: the empty entry and 17 players.
    cart.goaliecount[2] = 2;
    cart.forwardcount[2] = 9;
    cart.defensecount[2] = 6;
    EXPECT_EQ(slotentries(cart, 2).size(), 18U);

    EXPECT_EQ(offrosterentry(23), "(player 23: not on roster)");
    EXPECT_EQ(slotbyte(0, 17, 40), 0);
    EXPECT_EQ(slotbyte(17, 17, 40), 17);
    EXPECT_EQ(slotbyte(18, 17, 40), 40);  // the off-roster entry keeps the stored byte
    EXPECT_EQ(slotbyte(-1, 17, 40), 40);  // nothing selected
}

}  // namespace
}  // namespace icevale
