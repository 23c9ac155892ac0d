#include <gtest/gtest.h>

#include "players/roster.h"
#include "shell/rosterindex.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

std::size_t rosterEnd(const Cartridge& cart, int t)
{
    std::size_t pos = rosteroffset[t];
    for (int p = 1; p <= cart.playercount(t); ++p)
        pos += cart.playername[p][t].size() + 10;
    return pos;
}

TEST(SavePlayers, UnchangedTablesRewriteEveryRosterIdentically)
{
    Cartridge cart = test::loadedSample();
    const SavePlayersResult r = saveplayers(cart);
    EXPECT_TRUE(r.unwritten.empty());
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(cart.RomImage, test::sampleImage().bytes);
}

TEST(SavePlayers, SecondLengthBytesBecomeZeroAndNothingElseMoves)
{
    Cartridge cart = test::loadedSample();
    const std::size_t second = rosteroffset[3] + 1;
    cart.RomImage[second] = 0x7E;
    const Bytes before = cart.RomImage;
    saveplayers(cart);
    EXPECT_EQ(test::differences(before, cart.RomImage), std::vector<std::size_t>{second});
    EXPECT_EQ(cart.RomImage[second], 0);
}

TEST(SavePlayers, EmptyNamesAndRemovedPlayers)
{
    Cartridge cart = test::loadedSample();
    const int t = 4;
    const std::size_t oldEnd = rosterEnd(cart, t);
    const Bytes before = cart.RomImage;
    cart.playername[1][t] = "";
    const std::size_t lastLength = cart.playername[cart.playercount(t)][t].size();
    cart.defensecount[t] -= 1;
    saveplayers(cart);

    const Bytes& rom = cart.RomImage;
    EXPECT_EQ(rom[rosteroffset[t]], 0x02);  // an empty name: 10 bytes starting 02 00
    EXPECT_EQ(rom[rosteroffset[t] + 1], 0x00);
    EXPECT_EQ(rom[rosteroffset[t] + 2], cart.playernum[1][t]);
    const std::size_t end = rosterEnd(cart, t);
    EXPECT_EQ(end, oldEnd - test::sampleImage().teams[t].players[0].name.size() - lastLength - 10);
    EXPECT_EQ(rom[end], 0x02);
    EXPECT_EQ(rom[end + 1], 0x00);
    for (std::size_t i = end + 2; i < teamtextoffset[t]; ++i)
        ASSERT_EQ(rom[i], before[i]) << "free byte " << i;
    EXPECT_EQ(countnamebytes(cart, t),
              static_cast<std::int32_t>(teamtextoffset[t]) - static_cast<std::int32_t>(end) - 2);

    // Read back, the shortened roster is what was written.
    Cartridge again = cart;
    ASSERT_EQ(readrosters(again), "");
    EXPECT_EQ(again.playercount(t), cart.playercount(t) + 1);  // the count byte is not saveplayers' job
}

TEST(SavePlayers, ARosterThatWouldNotFitIsLeftUnwrittenAndReported)
{
    Cartridge cart = test::loadedSample();
    const Bytes before = cart.RomImage;
    cart.playername[2][9] = std::string(200, 'W');  // more than team 9's free bytes
    cart.playername[1][14] = std::string(254, 'N');  // cannot be encoded in one length byte
    cart.defensecount[14] = 1;
    cart.forwardcount[14] = 0;
    cart.goaliecount[14] = 0;
    const SavePlayersResult r = saveplayers(cart);
    EXPECT_EQ(r.unwritten, (std::vector<int>{9, 14}));
    EXPECT_NE(r.message.find("9"), std::string::npos);
    for (const int t : {9, 14}) {
        for (std::size_t i = rosteroffset[t]; i < teamtextoffset[t]; ++i)
            ASSERT_EQ(cart.RomImage[i], before[i]) << "team " << t;
    }
}

TEST(SavePlayers, ARosterEndingExactlyAtTheTextBlockFits)
{
    Cartridge cart = test::loadedSample();
    const int t = 2;
    const std::int32_t left = countnamebytes(cart, t);
    ASSERT_GT(left, 0);
    cart.playername[1][t] += std::string(static_cast<std::size_t>(left), 'x');
    ASSERT_EQ(countnamebytes(cart, t), 0);
    const Bytes textBlock(cart.RomImage.begin() + teamtextoffset[t], cart.RomImage.begin() + teamtextoffset[t] + 8);
    EXPECT_TRUE(saveplayers(cart).unwritten.empty());
    EXPECT_EQ(cart.RomImage[teamtextoffset[t] - 2], 0x02);
    EXPECT_EQ(cart.RomImage[teamtextoffset[t] - 1], 0x00);
    EXPECT_TRUE(std::equal(textBlock.begin(), textBlock.end(), cart.RomImage.begin() + teamtextoffset[t]));
}

TEST(RosterBytes, GoalieMarksByCount)
{
    Cartridge cart = test::loadedSample();
    const int t = 6;
    const std::uint8_t expected[5][2] = {{0xAA, 0xBB}, {0x10, 0x00}, {0x11, 0x00}, {0x11, 0x10}, {0x11, 0x11}};
    for (int count = 0; count <= 5; ++count) {
        cart.RomImage[teamoffset[t] + 1] = 0xAA;
        cart.RomImage[teamoffset[t] + 2] = 0xBB;
        cart.goaliecount[t] = count;
        writegoaliemarks(cart, t);
        const auto& want = expected[count <= 4 ? count : 0];
        EXPECT_EQ(cart.RomImage[teamoffset[t] + 1], want[0]) << count;
        EXPECT_EQ(cart.RomImage[teamoffset[t] + 2], want[1]) << count;
    }

    cart.RomImage[teamoffset[t] + 1] = 0x12;  // two goalies in a foreign form
    cart.RomImage[teamoffset[t] + 2] = 0x00;
    ASSERT_EQ(readrosters(cart), "");
    writegoaliemarks(cart, t);
    EXPECT_EQ(cart.RomImage[teamoffset[t] + 1], 0x11);
}

TEST(RosterBytes, CountByteHoldsForwardsAndDefencemen)
{
    Cartridge cart = test::loadedSample();
    cart.forwardcount[3] = 9;
    cart.defensecount[3] = 6;
    writerostercount(cart, 3);
    EXPECT_EQ(cart.RomImage[teamoffset[3] - 1], 0x96);
    cart.forwardcount[3] = 15;
    cart.defensecount[3] = 15;
    writerostercount(cart, 3);
    EXPECT_EQ(cart.RomImage[teamoffset[3] - 1], 0xFF);
}

}  // namespace
}  // namespace icevale
