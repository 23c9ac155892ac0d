#include <gtest/gtest.h>

#include <set>

#include "core/colorword.h"
#include "core/uniform.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

using test::differences;
using test::sampleImage;

TEST(ColourDigits, DecToBinPadsAndGrowsTheWidthAndBinaryToDecimalReadsItBack)
{
    struct Case { std::int32_t value; std::int16_t width; const char* digits; std::int16_t grown; };
    for (const Case& c : {Case{5, 8, "00000101", 8}, Case{255, 8, "11111111", 8},
                          Case{256, 8, "0000000100000000", 16}, Case{9, 3, "00000001001", 11},
                          Case{0, 0, "", 0}}) {
        std::int16_t width = c.width;
        EXPECT_EQ(DecToBin(c.value, width), c.digits) << c.value;
        EXPECT_EQ(width, c.grown) << c.value;
    }
    for (std::int32_t v : {0, 31, 65535, 0x1000000, 0x12345678}) {
        std::int16_t width = 8;
        EXPECT_EQ(BinaryToDecimal(DecToBin(v, width)), v);
    }
    EXPECT_EQ(BinaryToDecimal(""), 0);
    EXPECT_EQ(BinaryToDecimal("x1"), 1);  // a non-digit counts as 0
    EXPECT_EQ(BinaryToDecimal("20"), 4);  // other digits are weighted like ones
    EXPECT_EQ(BinaryToDecimal(std::string(31, '1')), 0x7FFFFFFF);
    EXPECT_EQ(BinaryToDecimal("1" + std::string(40, '0')), 0x7FFFFFFF);  // saturates
}

// The split as the digit-text recipe spells it out, to check the bit arithmetic against.
Rgb splitByDigits(std::uint8_t low, std::uint8_t high)
{
    std::int16_t w = 8;
    const std::string l = DecToBin(low, w), h = DecToBin(high, w);
    return {BinaryToDecimal(l.substr(3, 5)), BinaryToDecimal(h.substr(6, 2) + l.substr(0, 3)),
            BinaryToDecimal(h.substr(1, 5))};
}

// Split is checked against the recipe; join is then checked by the round trip, which
// reaches every colour: the splits of the 32768 words without bit 15 are all distinct.
TEST(ColourWord, EveryWordSplitsAsTheDigitRecipeDoesAndJoinsBackWithoutBit15)
{
    for (int word = 0; word < 0x10000; ++word) {
        const auto low = static_cast<std::uint8_t>(word & 0xFF);
        const auto high = static_cast<std::uint8_t>(word >> 8);
        const Rgb c = splitcolorword(low, high);
        ASSERT_EQ(c, splitByDigits(low, high)) << word;
        ASSERT_EQ(joincolorword(c), (ColourBytes{low, static_cast<std::uint8_t>(high & 0x7F)})) << word;
    }
    EXPECT_EQ(splitcolorword(0xE0, 0x03), (Rgb{0, 31, 0}));
    EXPECT_EQ(joincolorword({33, 40, 63}), joincolorword({1, 8, 31}));  // low five bits kept
}

TEST(ColourWord, EveryComponentPaintsItsOwnIntensityInItsOwnPlace)
{
    for (int c = 0; c <= 31; ++c) {
        const std::uint32_t v = c == 0 ? 0 : 8 * c - 1;
        EXPECT_EQ(colortoscreen({c, 0, 0}), v);
        EXPECT_EQ(colortoscreen({0, c, 0}), v << 8);
        EXPECT_EQ(colortoscreen({0, 0, c}), v << 16);
    }
}

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
