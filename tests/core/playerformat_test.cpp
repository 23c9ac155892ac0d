#include <gtest/gtest.h>

#include "core/attributes.h"
#include "core/playerlabels.h"

namespace icevale {
namespace {

TEST(Attributes, ColumnsMapToNibblesAndBack)
{
    Cartridge cart;
    const std::uint8_t bytes[8] = {0, 0xF0, 0x12, 0x34, 0x52, 0x6A, 0x0B, 0xC1};
    for (int q = 1; q <= 7; ++q)
        cart.playerattr[q][3][5] = bytes[q];
    RatingGrid grid{};
    loadgrid(cart, 5, grid);
    EXPECT_EQ(grid[3], (std::array<int, kColumns + 1>{0, 15, 0, 1, 2, 3, 4, 5, 2, 6, 10, 0, 11, 12, 1}));
    Cartridge out;
    storegrid(out, 5, grid);
    EXPECT_EQ(out.playerattr, cart.playerattr);
    EXPECT_EQ(scaleentries(Scale::Rating), (std::vector<std::string>{"25", "35", "45", "55", "65", "85", "100"}));
}

TEST(Labels, TeamAverageCountsOnlyRatingsWithANumber)
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
    EXPECT_EQ(generalnumber(-4), "-4");  // a negative number takes no blank
    EXPECT_EQ(bytesleftlabel(-3, true), "-3 bytes left for player names");
}

}  // namespace
}  // namespace icevale
