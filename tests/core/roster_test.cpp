#include <gtest/gtest.h>

#include "core/roster.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

Bytes slice(const Bytes& bytes, std::size_t from, std::size_t to) { return Bytes(bytes.begin() + from, bytes.begin() + to); }

TEST(SavePlayers, UnchangedTablesRewriteTheImageExceptSecondLengthBytes)
{
    Cartridge cart = test::loadedSample();
    cart.RomImage[rosteroffset[3] + 1] = 0x7E;  // always written as zero
    const SavePlayersResult r = saveplayers(cart);
    EXPECT_TRUE(r.unwritten.empty());
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(cart.RomImage, test::sampleImage().bytes);
}

TEST(SavePlayers, EmptyNameAndRemovedLastPlayer)
{
    Cartridge cart = test::loadedSample();
    const int t = 4;
    const Bytes before = cart.RomImage;
    const std::size_t first = rosteroffset[t], second = first + cart.playername[1][t].size() + 10;
    std::size_t last = first;  // the last player's record
    for (int p = 1; p < cart.playercount(t); ++p)
        last += cart.playername[p][t].size() + 10;
    cart.playername[1][t] = "";
    cart.defensecount[t] -= 1;
    saveplayers(cart);

    // 02 00 and the first record's number and attributes, the records between moved
    // up, the terminator, and the free bytes after it as they were.
    Bytes want = slice(before, 0, first);
    want.insert(want.end(), {0x02, 0x00});
    want.insert(want.end(), before.begin() + second - 8, before.begin() + last);
    want.insert(want.end(), {0x02, 0x00});
    const std::size_t end = want.size();
    want.insert(want.end(), before.begin() + end, before.end());
    EXPECT_EQ(cart.RomImage, want);
    EXPECT_EQ(countnamebytes(cart, t), static_cast<std::int32_t>(teamtextoffset[t] - end));
}

TEST(SavePlayers, ARosterEndingExactlyAtTheTextBlockFits)
{
    Cartridge cart = test::loadedSample();
    cart.playername[1][2] += std::string(static_cast<std::size_t>(countnamebytes(cart, 2)), 'x');
    ASSERT_EQ(countnamebytes(cart, 2), 0);
    Bytes tail = slice(cart.RomImage, teamtextoffset[2] - 2, cart.RomImage.size());
    tail[0] = 0x02;  // the terminator, and the text block after it unchanged
    tail[1] = 0x00;
    EXPECT_TRUE(saveplayers(cart).unwritten.empty());
    EXPECT_EQ(slice(cart.RomImage, teamtextoffset[2] - 2, cart.RomImage.size()), tail);
}

TEST(RosterBytes, GoalieMarksByCountOnlyForOneToFour)
{
    Cartridge cart = test::loadedSample();
    const std::size_t marks = teamoffset[6] + 1;
    const Bytes expected[6] = {{0xAA, 0xBB}, {0x10, 0x00}, {0x11, 0x00}, {0x11, 0x10}, {0x11, 0x11}, {0xAA, 0xBB}};
    for (int count = 0; count <= 5; ++count) {
        cart.RomImage[marks] = 0xAA;
        cart.RomImage[marks + 1] = 0xBB;
        cart.goaliecount[6] = count;
        writegoaliemarks(cart, 6);
        EXPECT_EQ(slice(cart.RomImage, marks, marks + 2), expected[count]) << count;
    }
}

}  // namespace
}  // namespace icevale
