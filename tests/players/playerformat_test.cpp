#include <gtest/gtest.h>

#include "players/attributes.h"
#include "players/jersey.h"
#include "players/playerlabels.h"
#include "players/roster.h"
#include "players/rosterchange.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

TEST(Attributes, ColumnsMapToNibblesAndBack)
{
    Cartridge cart;
    const std::uint8_t bytes[8] = {0, 0xF0, 0x12, 0x34, 0x52, 0x6A, 0x0B, 0xC1};
    for (int q = 1; q <= 7; ++q)
        cart.playerattr[q][3][5] = bytes[q];
    const int expected[kColumns + 1] = {0, 15, 0, 1, 2, 3, 4, 5, 2, 6, 10, 0, 11, 12, 1};
    for (int j = 1; j <= kColumns; ++j)
        EXPECT_EQ(attrnibble(cart, 3, 5, j), expected[j]) << "column " << j;

    RatingGrid grid{};
    loadgrid(cart, 5, grid);
    EXPECT_EQ(grid[3][8], 2);
    Cartridge out;
    storegrid(out, 5, grid);
    for (int q = 1; q <= 7; ++q)
        EXPECT_EQ(out.playerattr[q][3][5], bytes[q]);
    EXPECT_EQ(out.playerattr[1][4][5], 0);  // other slots: zeros stay zeros
}

TEST(Attributes, ScalesAndEntries)
{
    EXPECT_EQ(scaleentries(Scale::Weight).front(), "140");
    EXPECT_EQ(scaleentries(Scale::Weight).back(), "260");
    EXPECT_EQ(scaleentries(Scale::Weight).size(), 16u);
    EXPECT_EQ(scaleentries(Scale::Hand), (std::vector<std::string>{"Left", "Right"}));
    EXPECT_EQ(scaleentries(Scale::Rating), (std::vector<std::string>{"25", "35", "45", "55", "65", "85", "100"}));
    EXPECT_EQ(columnscale(1), Scale::Weight);
    EXPECT_EQ(columnscale(8), Scale::Hand);
    EXPECT_EQ(columnscale(14), Scale::Rating);
    EXPECT_STREQ(columncaption(6), "ShotPower G:PuckCtrl");
    EXPECT_STREQ(columncaption(12), "Stick Left ????????");

    // Weight shows all 16 values; a hand by its lowest bit; a rating only 0..6.
    EXPECT_EQ(entryposition(1, 15), 15);
    EXPECT_EQ(entryposition(8, 2), 0);
    EXPECT_EQ(entryposition(8, 3), 1);
    EXPECT_EQ(entryposition(2, 6), 6);
    for (int v = 7; v <= 15; ++v)
        EXPECT_EQ(entryposition(10, v), -1) << v;

    EXPECT_EQ(committedvalue(3, 12), 3);
    EXPECT_EQ(committedvalue(-1, 12), 12);  // no entry shown: the stored value stays
}

TEST(Attributes, JuiceAndTeamAverage)
{
    RatingGrid grid{};
    for (int j = 1; j <= kColumns; ++j)
        grid[1][j] = 9;
    EXPECT_FALSE(juicegrid(grid, -1));
    EXPECT_FALSE(juicegrid(grid, 7));
    EXPECT_EQ(grid[1][2], 9);
    ASSERT_TRUE(juicegrid(grid, 6));
    EXPECT_EQ(grid[1][1], 9);   // weight untouched
    EXPECT_EQ(grid[1][8], 9);   // hand untouched
    EXPECT_EQ(grid[1][14], 6);
    EXPECT_EQ(grid[25][2], 6);  // hidden rows too

    // Two players at 65 and one at 55 in every rating column: 2220 / 12 / 3.
    RatingGrid mixed{};
    for (int j = 1; j <= kColumns; ++j) {
        mixed[1][j] = mixed[2][j] = 4;
        mixed[3][j] = 3;
        mixed[4][j] = 0;  // player 4 lies outside n = 3
    }
    mixed[1][8] = 15;     // hand never counts
    EXPECT_EQ(averagelabel(teamaverage(mixed, 3)), "Team Average: 61.6666666666667");
    EXPECT_EQ(averagelabel(teamaverage(mixed, 0)), "Team Average:");
    mixed[3][5] = 12;     // no entry: no number, not counted
    EXPECT_DOUBLE_EQ(*teamaverage(mixed, 3), (24 * 65 + 11 * 55) / 35.0);
}

TEST(Labels, GeneralNumberFormat)
{
    EXPECT_EQ(generalnumber(12), " 12");
    EXPECT_EQ(generalnumber(0), " 0");
    EXPECT_EQ(generalnumber(-4), "-4");
    EXPECT_EQ(generalnumber(55), " 55");
    EXPECT_EQ(generalnumber(12, false), "12");
    EXPECT_EQ(bytesleftlabel(37, false), "37 bytes left for player names");
    EXPECT_EQ(bytesleftlabel(37, true), " 37 bytes left for player names");
    EXPECT_EQ(bytesleftlabel(-3, true), "-3 bytes left for player names");
}

TEST(Jersey, TextAndNumberBoxRule)
{
    EXPECT_EQ(jerseytext(0x88), "88");
    EXPECT_EQ(jerseytext(0x05), "5");
    EXPECT_EQ(jerseytext(0x00), "0");
    EXPECT_EQ(jerseytext(0x1A), "1A");
    EXPECT_EQ(jerseytext(0xF0), "F0");

    const std::pair<const char*, int> cases[] = {{"88", 0x88}, {"7", 0x07}, {"10", 0x10}, {"", 0x00},
                                                 {"4a", 0x04}, {" 9", 0x09}, {"07", 0x07}, {"-3", 0x00},
                                                 {"+5", 0x05}, {".5", 0x00}, {"x1", 0x00}, {"99", 0x99}};
    for (const auto& [text, byte] : cases)
        EXPECT_EQ(jerseybyte(text), byte) << '"' << text << '"';

    EXPECT_TRUE(jerseydecimal(0x99));
    EXPECT_FALSE(jerseydecimal(0x1A));
    EXPECT_FALSE(jerseydecimal(0xA0));
    EXPECT_EQ(keptjersey("1A", 0x1A), 0x1A);  // the stored byte's own text keeps it
    EXPECT_EQ(keptjersey("A", 0x0A), 0x0A);
    EXPECT_EQ(keptjersey("1", 0x1A), 0x01);   // any other text follows the rule
    EXPECT_EQ(keptjersey("1A", 0x01), 0x01);
    EXPECT_EQ(keptjersey("23", 0x05), 0x23);
}

// The sample image with team t given these counts (its free bytes recounted).
Cartridge teamWith(int t, int goalies, int forwards, int defence)
{
    Cartridge cart = test::loadedSample();
    cart.goaliecount[t] = goalies;
    cart.forwardcount[t] = forwards;
    cart.defensecount[t] = defence;
    cart.rosterbytesleft[t] = countnamebytes(cart, t);
    return cart;
}

TEST(RosterChange, RoleButtonsActOnlyInsideTheirRanges)
{
    struct Case {
        bool (*change)(Cartridge&, int);
        int g, f, d;
        bool acts;
        int g2, f2, d2;
    };
    const Case cases[] = {
        {goalieplus, 2, 14, 8, true, 3, 13, 8},   {goalieplus, 4, 10, 6, false, 4, 10, 6},
        {goalieplus, 2, 1, 6, false, 2, 1, 6},    {goalieplus, 0, 12, 6, true, 1, 11, 6},
        {goalieminus, 3, 12, 6, true, 2, 13, 6},  {goalieminus, 1, 12, 6, false, 1, 12, 6},
        {goalieminus, 2, 15, 6, false, 2, 15, 6}, {defenceplus, 2, 12, 6, true, 2, 11, 7},
        {defenceplus, 2, 5, 15, false, 2, 5, 15}, {defenceplus, 2, 1, 6, false, 2, 1, 6},
        {defenceminus, 2, 12, 7, true, 2, 13, 6}, {defenceminus, 2, 12, 1, false, 2, 12, 1},
        {defenceminus, 2, 15, 6, false, 2, 15, 6},
    };
    const int t = 7;
    for (const Case& c : cases) {
        Cartridge cart = teamWith(t, c.g, c.f, c.d);
        const std::int32_t left = cart.rosterbytesleft[t];
        EXPECT_EQ(c.change(cart, t), c.acts) << c.g << " " << c.f << " " << c.d;
        EXPECT_EQ(cart.goaliecount[t], c.g2);
        EXPECT_EQ(cart.forwardcount[t], c.f2);
        EXPECT_EQ(cart.defensecount[t], c.d2);
        EXPECT_EQ(cart.rosterbytesleft[t], left);  // the same players, the same space
    }
}

TEST(RosterChange, AddAndRemovePlayers)
{
    const int t = 11;
    Cartridge cart = teamWith(t, 2, 14, 8);  // 24 players; slot 25 as another image left it
    cart.playername[25][t] = "Stale";
    cart.playernum[25][t] = 0x42;
    ASSERT_TRUE(addplayer(cart, t));
    EXPECT_EQ(cart.defensecount[t], 9);
    EXPECT_EQ(cart.playername[25][t], "");
    EXPECT_EQ(cart.playernum[25][t], 0x42);
    EXPECT_EQ(cart.rosterbytesleft[t], countnamebytes(cart, t));
    EXPECT_FALSE(addplayer(cart, t));  // 25 players

    const std::uint8_t attr = cart.playerattr[3][24][t];
    ASSERT_TRUE(removeplayer(cart, t));
    ASSERT_TRUE(removeplayer(cart, t));
    EXPECT_EQ(cart.playername[24][t], "");
    EXPECT_EQ(cart.playerattr[3][24][t], attr);
    EXPECT_EQ(cart.rosterbytesleft[t], countnamebytes(cart, t));

    Cartridge tight = teamWith(t, 2, 12, 6);
    tight.playername[1][t] += std::string(static_cast<std::size_t>(tight.rosterbytesleft[t] - 16), 'x');
    tight.rosterbytesleft[t] = countnamebytes(tight, t);
    EXPECT_FALSE(addplayer(tight, t));  // exactly 16 bytes left
    Cartridge full = teamWith(t, 2, 5, 15);
    EXPECT_FALSE(addplayer(full, t));  // 15 defencemen
    Cartridge six = teamWith(t, 2, 12, 6);
    EXPECT_FALSE(removeplayer(six, t));
}

TEST(RosterChange, NameLimitsAndRoleLetters)
{
    EXPECT_EQ(namelimit(10, 7), 17);
    EXPECT_EQ(namelimit(10, 0), 10);
    EXPECT_EQ(namelimit(10, -12), -2);
    EXPECT_EQ(namelimit(0, 400), 253);
    EXPECT_EQ(namelimit(200, 100), 253);

    Cartridge cart = teamWith(3, 2, 14, 8);
    std::string letters;
    for (int r = 0; r < 25; ++r)
        letters += roleletter(cart, 3, r).empty() ? "." : roleletter(cart, 3, r);
    EXPECT_EQ(letters, "GGFFFFFFFFFFFFFFDDDDDDDD.");
}

}  // namespace
}  // namespace icevale
