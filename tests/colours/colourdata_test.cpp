#include <gtest/gtest.h>

#include <set>

#include "colours/uniform.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

using test::differences;
using test::sampleImage;

TEST(UniformData, EntriesTileTheUniformAreaAndReadTheSampleWords)
{
    std::set<std::size_t> covered;
    for (int t = 1; t <= kTeams; ++t)
        for (int mode : {0, 1})
            for (std::size_t i = 0; i < 32; ++i)
                EXPECT_TRUE(covered.insert(uniformentry(t, mode) + i).second);
    EXPECT_EQ(covered.size(), 56u * 32);
    EXPECT_EQ(*covered.begin(), 0xB4BD0u);
    EXPECT_EQ(*covered.rbegin(), 0xB52CFu);

    const auto& team = sampleImage().teams[28];
    for (int mode : {0, 1})
        for (int k = 0; k < kUniformCells; ++k) {
            const ColourBytes b = joincolorword(readuniform(sampleImage().bytes, 28, mode)[k]);
            EXPECT_EQ(b.low | b.high << 8, (mode ? team.home : team.away)[k] & 0x7FFF) << mode << " " << k;
        }
}

TEST(UniformData, StoresOnlyRealCellsAndFlipCarriesBit15)
{
    Bytes rom = sampleImage().bytes;
    storeuniformcell(rom, 1, 0, 0, {31, 31, 31});
    EXPECT_EQ(differences(rom, sampleImage().bytes), (std::vector<std::size_t>{0xB4BD4, 0xB4BD5}));
    EXPECT_EQ(rom[0xB4BD4] + 256 * rom[0xB4BD5], 0x7FFF);

    rom = sampleImage().bytes;
    storeuniformcell(rom, 28, 1, 11, {1, 1, 1});  // no such cell
    storeuniformcell(rom, 0, 0, 0, {1, 1, 1});    // no such team
    EXPECT_EQ(rom, sampleImage().bytes);

    rom[0xB4C57] |= 0x80;
    const Bytes before = rom;
    flipuniforms(rom, 5);
    EXPECT_EQ(rom[0xB4FD7], before[0xB4C57]);
    flipuniforms(rom, 5);
    EXPECT_EQ(rom, before);
}

}  // namespace
}  // namespace icevale
