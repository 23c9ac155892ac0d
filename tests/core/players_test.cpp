#include <gtest/gtest.h>

#include "core/jersey.h"
#include "core/playerattributes.h"
#include "core/playerlabels.h"
#include "core/rosterchanges.h"
#include "core/rosters.h"

namespace icevale {
namespace {

constexpr int kT = 1;  // 392 bytes of roster area: 390 for records
using Counts = std::array<int, 3>;  // goalies, forwards, defencemen

Tables roster(const Counts& counts, std::size_t firstname)
{
    Tables tables;
    tables.goaliecount[kT] = counts[0];
    tables.forwardcount[kT] = counts[1];
    tables.defensecount[kT] = counts[2];
    tables.playername[1][kT] = std::string(firstname, 'n');
    tables.rosterbytesleft[kT] = rosterfreebytes(tables, kT);
    return tables;
}

Counts counts(const Tables& t) { return {t.goaliecount[kT], t.forwardcount[kT], t.defensecount[kT]}; }

TEST(RosterChanges, ButtonsActOnlyWithinTheirLimitsAndRecountTheFreeBytes)
{
    const std::tuple<bool (*)(Tables&, int), Counts, Counts> cases[] = {  // a first name of 134
        {goalieplus, {2, 14, 8}, {3, 13, 8}},     {goalieplus, {4, 14, 6}, {4, 14, 6}},
        {goalieplus, {2, 1, 6}, {2, 1, 6}},       {goalieminus, {3, 13, 8}, {2, 14, 8}},
        {goalieminus, {1, 14, 8}, {1, 14, 8}},    {goalieminus, {2, 15, 6}, {2, 15, 6}},
        {defenceplus, {2, 14, 8}, {2, 13, 9}},    {defenceplus, {2, 14, 15}, {2, 14, 15}},
        {defenceplus, {2, 1, 6}, {2, 1, 6}},      {defenceminus, {2, 14, 8}, {2, 15, 7}},
        {defenceminus, {2, 14, 1}, {2, 14, 1}},   {defenceminus, {2, 15, 6}, {2, 15, 6}},
        {addplayer, {2, 14, 7}, {2, 14, 8}},      {addplayer, {2, 14, 8}, {2, 14, 8}},  // 16 bytes left
        {addplayer, {1, 3, 15}, {1, 3, 15}},      {removeplayer, {2, 14, 7}, {2, 14, 6}},
        {removeplayer, {2, 14, 6}, {2, 14, 6}},
    };
    for (const auto& [button, before, after] : cases) {
        Tables tables = roster(before, 134);
        EXPECT_EQ(button(tables, kT), before != after);
        EXPECT_EQ(counts(tables), after);
        EXPECT_EQ(tables.rosterbytesleft[kT], rosterfreebytes(tables, kT));
    }
}

TEST(RosterChanges, AddedPlayersKeepTheSlotsNumberAndAttributesWithAnEmptyName)
{
    Tables tables = roster({2, 14, 8}, 133);  // 390 - 24 * 10 - 133 = 17 bytes left
    tables.playername[25][kT] = "from another image";
    tables.playernum[25][kT] = 0x42;
    ASSERT_TRUE(addplayer(tables, kT));
    EXPECT_EQ(std::tuple(tables.playername[25][kT], tables.playernum[25][kT], tables.rosterbytesleft[kT]),
              std::tuple("", 0x42, 7));
    EXPECT_FALSE(addplayer(tables, kT));  // 25 players
    tables.playername[25][kT] = "Vel";
    ASSERT_TRUE(removeplayer(tables, kT));
    EXPECT_EQ(std::tuple(tables.playername[25][kT], tables.rosterbytesleft[kT]), std::tuple("", 17));

    const std::tuple<std::size_t, std::int32_t, int> limits[] = {
        {0, 7, 7}, {10, -3, 7}, {0, 300, 253}, {5, 0, 5}, {250, 10, 253}};
    for (const auto& [length, left, limit] : limits)
        EXPECT_EQ(namelimit(length, left), limit) << length << " " << left;
    std::string letters;
    for (int r = 0; r < kMaxPlayers; ++r) {
        const std::string letter = roleletter(tables, kT, r);
        letters += letter.empty() ? "." : letter;
    }
    EXPECT_EQ(letters, "GG" + std::string(14, 'F') + std::string(8, 'D') + ".");
}

TEST(PlayerAttributes, ColumnsMapToNibblesListsShowStoredValuesAndJuiceSetsRatings)
{
    Tables tables, out;
    const std::uint8_t bytes[8] = {0, 0xF0, 0x12, 0x34, 0x52, 0x6A, 0x0B, 0xC1};
    for (int q = 1; q <= 7; ++q)
        tables.playerattr[q][3][5] = bytes[q];
    RatingGrid grid{};
    loadgrid(tables, 5, grid);
    EXPECT_EQ(grid[3], (std::array<int, kColumns + 1>{0, 15, 0, 1, 2, 3, 4, 5, 2, 6, 10, 0, 11, 12, 1}));
    storegrid(out, 5, grid);
    EXPECT_EQ(out.playerattr, tables.playerattr);

    const std::tuple<int, int, int> positions[] = {  // column, stored, entry
        {1, 15, 15}, {1, 0, 0}, {8, 2, 0}, {8, 3, 1}, {2, 6, 6}, {2, 7, -1}, {14, 15, -1}};
    for (const auto& [column, stored, position] : positions)
        EXPECT_EQ(entryposition(column, stored), position) << column << " " << stored;
    EXPECT_EQ(std::pair(committedvalue(-1, 9), committedvalue(3, 9)), std::pair(9, 3));

    RatingGrid juiced = grid;
    EXPECT_FALSE(juicegrid(juiced, 7));
    EXPECT_EQ(juiced, grid);
    ASSERT_TRUE(juicegrid(juiced, 6));
    for (int i = 1; i <= kMaxPlayers; ++i) {
        for (int j = 1; j <= kColumns; ++j)
            EXPECT_EQ(juiced[i][j], j == 1 || j == 8 ? grid[i][j] : 6) << i << " " << j;
    }
}

TEST(PlayerLabels, TeamAverageCountsOnlyRatingsWithANumber)
{
    RatingGrid grid{};
    for (int j = 1; j <= kColumns; ++j)
        grid[1][j] = grid[2][j] = 4;  // 65
    grid[1][8] = 15;                  // a hand never counts
    grid[2][5] = 12;                  // no entry, no number
    grid[3][2] = 6;                   // player 3 is not on a roster of 2
    EXPECT_DOUBLE_EQ(*teamaverage(grid, 2), 65);
    grid[2][6] = 6;
    EXPECT_DOUBLE_EQ(*teamaverage(grid, 2), (22 * 65 + 100) / 23.0);
    EXPECT_EQ(teamaverage(grid, 0), std::nullopt);
    for (int i = 1; i <= 20; ++i)
        grid[i].fill(3);  // 55
    EXPECT_EQ(averagelabel(teamaverage(grid, 20)), "Team Average: 55");
    EXPECT_EQ(std::tuple(generalnumber(-4), bytesleftlabel(37, false)), std::tuple("-4", "37 bytes left for player names"));
}

TEST(Jersey, NumberBoxTextsAndBytes)
{
    const std::pair<std::uint8_t, const char*> shown[] = {
        {0x88, "88"}, {0x05, "5"}, {0x1A, "1A"}, {0x10, "10"}, {0, "0"}};
    for (const auto& [byte, text] : shown)
        EXPECT_EQ(jerseytext(byte), text);
    const std::pair<const char*, std::uint8_t> typed[] = {
        {"88", 0x88}, {"7", 0x07},    {"", 0},  {"4a", 0x04},  {"-3", 0},
        {"10", 0x10}, {"  12", 0x12}, {"+5", 5}, {"123", 0x23}, {"1.9", 1}, {"99", 0x99}};
    for (const auto& [text, byte] : typed)
        EXPECT_EQ(jerseybyte(text), byte) << text;
    EXPECT_EQ((std::array{keptjersey("1A", 0x1A), keptjersey("1A", 0x11), keptjersey("12", 0x1A)}),
              (std::array<std::uint8_t, 3>{0x1A, 0x01, 0x12}));
    EXPECT_EQ((std::array{jerseydecimal(0x99), jerseydecimal(0x1A), jerseydecimal(0xA0)}),
              (std::array{true, false, false}));
}

}  // namespace
}  // namespace icevale
