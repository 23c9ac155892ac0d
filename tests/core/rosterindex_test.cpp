#include <gtest/gtest.h>

#include "core/rosterindex.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

constexpr int kT = 7;  // the team the hand-made rosters below are written to

// Writes a roster for team kT: count byte, marks and records of the given name lengths.
void writeRoster(Cartridge& cart, std::uint8_t counts, std::uint8_t mark1, std::uint8_t mark2,
                 const std::vector<std::string>& names)
{
    Bytes& rom = cart.RomImage;
    rom[teamoffset[kT] - 1] = counts;
    rom[teamoffset[kT] + 1] = mark1;
    rom[teamoffset[kT] + 2] = mark2;
    std::size_t pos = rosteroffset[kT];
    std::uint8_t n = 1;
    for (const std::string& name : names) {
        rom[pos++] = static_cast<std::uint8_t>(name.size() + 2);
        rom[pos++] = 0x55;  // the second length byte is never read
        for (const char c : name)
            rom[pos++] = static_cast<std::uint8_t>(c);
        rom[pos++] = n;  // jersey byte
        for (int q = 1; q <= 7; ++q)
            rom[pos++] = static_cast<std::uint8_t>(16 * q + n);
        ++n;
    }
}

TEST(RosterIndex, SampleRostersDecodeAsBuilt)
{
    const Cartridge cart = test::loadedSample();
    for (int t = 1; t <= kTeams; ++t) {
        const auto& team = test::sampleImage().teams[t];
        ASSERT_EQ(cart.goaliecount[t], team.goalies) << "team " << t;
        ASSERT_EQ(cart.forwardcount[t], team.forwards);
        ASSERT_EQ(cart.defensecount[t], team.defence);
        std::int32_t used = 0;
        for (int p = 1; p <= cart.playercount(t); ++p) {
            const auto& player = team.players[static_cast<std::size_t>(p - 1)];
            EXPECT_EQ(cart.playername[p][t], player.name);
            EXPECT_EQ(cart.playernum[p][t], player.number);
            for (int q = 1; q <= 7; ++q)
                EXPECT_EQ(cart.playerattr[q][p][t], player.attr[q]);
            used += static_cast<std::int32_t>(player.name.size()) + 10;
        }
        EXPECT_EQ(cart.rosterbytesleft[t], static_cast<std::int32_t>(teamtextoffset[t] - rosteroffset[t]) - 2 - used);
        for (int l = 1; l <= kLines; ++l) {
            for (int s = 1; s <= kSlots; ++s)
                EXPECT_EQ(cart.lineup[t][s][l], team.lines[l][s]);
        }
    }
}

TEST(RosterIndex, GoalieMarksCountNonZeroNibbles)
{
    EXPECT_EQ(countgoaliemarks(0x11, 0x10), 3);
    EXPECT_EQ(countgoaliemarks(0x10, 0x00), 1);
    EXPECT_EQ(countgoaliemarks(0x00, 0x00), 0);
    EXPECT_EQ(countgoaliemarks(0x12, 0x30), 3);
    EXPECT_EQ(countgoaliemarks(0x05, 0x00), 1);
    EXPECT_EQ(countgoaliemarks(0xFF, 0xFF), 4);
}

TEST(RosterIndex, CountsRecordsAndFreeSpace)
{
    Cartridge cart = test::loadedSample();
    // 2 goalies, 9 forwards, 6 defencemen, every name 10 characters: 17 records of 20 bytes.
    writeRoster(cart, 0x96, 0x11, 0x00, std::vector<std::string>(17, "ABCDEFGHIJ"));
    ASSERT_EQ(readrosters(cart), "");
    EXPECT_EQ(cart.forwardcount[kT], 9);
    EXPECT_EQ(cart.defensecount[kT], 6);
    EXPECT_EQ(cart.goaliecount[kT], 2);
    EXPECT_EQ(cart.rosterbytesleft[kT], static_cast<std::int32_t>(teamtextoffset[kT] - rosteroffset[kT]) - 342);
    EXPECT_EQ(cart.playername[17][kT], "ABCDEFGHIJ");
    EXPECT_EQ(cart.playernum[17][kT], 17);
    EXPECT_EQ(cart.playerattr[7][17][kT], 16 * 7 + 17);
}

TEST(RosterIndex, EmptyNamesLengthZeroAndEmptyTeams)
{
    Cartridge cart = test::loadedSample();
    const std::int32_t area = static_cast<std::int32_t>(teamtextoffset[kT] - rosteroffset[kT]);
    writeRoster(cart, 0x01, 0x00, 0x00, {""});  // one defenceman with L = 2
    ASSERT_EQ(readrosters(cart), "");
    EXPECT_EQ(cart.playername[1][kT], "");
    EXPECT_EQ(cart.playernum[1][kT], 1);  // the byte after the two header bytes
    EXPECT_EQ(cart.rosterbytesleft[kT], area - 12);

    cart.RomImage[rosteroffset[kT]] = 0;  // L = 0: the jersey byte is that same 0
    cart.RomImage[rosteroffset[kT] + 1] = 0x42;
    ASSERT_EQ(readrosters(cart), "");
    EXPECT_EQ(cart.playernum[1][kT], 0);
    EXPECT_EQ(cart.playerattr[1][1][kT], 0x42);
    EXPECT_EQ(cart.rosterbytesleft[kT], area - 10);

    cart.playername[1][kT] = "kept";
    writeRoster(cart, 0x00, 0x00, 0x00, {});
    ASSERT_EQ(readrosters(cart), "");
    EXPECT_EQ(cart.playercount(kT), 0);
    EXPECT_EQ(cart.rosterbytesleft[kT], area - 2);
    EXPECT_EQ(cart.playername[1][kT], "kept");  // entries above n are left alone
}

TEST(RosterIndex, MoreThanTwentyFivePlayersIsRefusedByName)
{
    Cartridge cart = test::loadedSample();
    cart.RomImage[teamoffset[kT] - 1] = 0xFF;
    const std::string problem = readrosters(cart);
    EXPECT_NE(problem.find("team 7"), std::string::npos) << problem;
    EXPECT_NE(problem.find("15 forwards and 15 defencemen"), std::string::npos) << problem;
}

TEST(RosterIndex, ATruncatedImageIsNeverReadPastItsEnd)
{
    Cartridge cart = test::loadedSample();
    cart.RomImage.resize(rosteroffset[1] + 3);  // team 1's first record runs off the end
    EXPECT_EQ(readrosters(cart), "");
    readlines(cart);
}

TEST(RosterIndex, LineSlotsAndTheSkippedEighthByte)
{
    Cartridge cart = test::loadedSample();
    cart.RomImage[teamoffset[kT] + 3] = 11;
    cart.RomImage[teamoffset[kT] + 65] = 12;
    cart.RomImage[teamoffset[kT] + 66] = 0xEE;  // no sample slot holds this
    readlines(cart);
    EXPECT_EQ(cart.lineup[kT][1][1], 11);
    EXPECT_EQ(cart.lineup[kT][7][8], 12);
    for (int l = 1; l <= kLines; ++l) {
        for (int s = 1; s <= kSlots; ++s)
            EXPECT_NE(cart.lineup[kT][s][l], 0xEE) << s << "," << l;
    }
}

}  // namespace
}  // namespace icevale
