#include <gtest/gtest.h>

#include "lines/lineup.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

using test::differences;

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

}  // namespace
}  // namespace icevale
