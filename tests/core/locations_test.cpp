#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/locations.h"
#include "core/playoffs.h"

namespace icevale {
namespace {

TEST(Locations, RegionsTileTheTeamAreaInImageOrder)
{
    std::vector<int> order(kTeams);
    for (int t = 1; t <= kTeams; ++t)
        order[static_cast<std::size_t>(t - 1)] = t;
    std::sort(order.begin(), order.end(), [](int a, int b) { return teamoffset[a] < teamoffset[b]; });
    const std::vector<int> expected = {27, 28, 2,  3,  4,  5,  7,  8,  10, 11, 6,  12, 13, 14,
                                       15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 26, 25, 9,  1};
    EXPECT_EQ(order, expected);
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        const int a = order[i], b = order[i + 1];
        EXPECT_EQ(teamtextoffset[a] + teamtextsize[a] + 17, teamoffset[b] - 1) << a << " then " << b;
        EXPECT_LT(rosteroffset[a] + 2, teamtextoffset[a]);  // room for the terminator at least
    }
    EXPECT_EQ(teamtextoffset[1] + teamtextsize[1], kPlayoffSlots);
}

}  // namespace
}  // namespace icevale
