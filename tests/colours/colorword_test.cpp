#include <gtest/gtest.h>

#include "colours/colorword.h"

namespace icevale {
namespace {

std::string dectobin(std::int32_t value, std::int16_t width = 8)
{
    return DecToBin(value, width);
}

TEST(DecToBin, PadsToTheWidthAndGrowsItInStepsOfEight)
{
    EXPECT_EQ(dectobin(5), "00000101");
    EXPECT_EQ(dectobin(0), "00000000");
    EXPECT_EQ(dectobin(255), "11111111");

    std::int16_t width = 8;
    EXPECT_EQ(DecToBin(256, width), "0000000100000000");
    EXPECT_EQ(width, 16);
    width = 8;
    EXPECT_EQ(DecToBin(0x1000000, width).size(), 32u);
    EXPECT_EQ(width, 32);
    width = 3;  // grows from any width, not only multiples of eight
    EXPECT_EQ(DecToBin(9, width), "00000001001");
    EXPECT_EQ(width, 11);
    width = 0;
    EXPECT_EQ(DecToBin(0, width), "");
    EXPECT_EQ(width, 0);
}

TEST(BinaryToDecimal, ReadsDigitsFromTheRight)
{
    EXPECT_EQ(BinaryToDecimal(""), 0);
    EXPECT_EQ(BinaryToDecimal("00101"), 5);
    EXPECT_EQ(BinaryToDecimal("11111111"), 255);
    EXPECT_EQ(BinaryToDecimal("x1"), 1);  // a non-digit counts as 0
    EXPECT_EQ(BinaryToDecimal("20"), 4);  // other digits are weighted like ones
    EXPECT_EQ(BinaryToDecimal(std::string(31, '1')), 0x7FFFFFFF);
    EXPECT_EQ(BinaryToDecimal("1" + std::string(40, '0')), 0x7FFFFFFF);  // saturates
    for (std::int32_t v : {0, 1, 31, 200, 65535, 0x12345678}) {
        std::int16_t width = 8;
        EXPECT_EQ(BinaryToDecimal(DecToBin(v, width)), v);
    }
}

TEST(ColourWord, SplitsAndJoinsTheDesignsExamples)
{
    EXPECT_EQ(splitcolorword(0xFF, 0x7F), (Rgb{31, 31, 31}));
    EXPECT_EQ(joincolorword({31, 31, 31}), (ColourBytes{0xFF, 0x7F}));
    EXPECT_EQ(colortoscreen({31, 31, 31}), 0xF7F7F7u);
    EXPECT_EQ(splitcolorword(0x1F, 0x00), (Rgb{31, 0, 0}));
    EXPECT_EQ(splitcolorword(0xE0, 0x03), (Rgb{0, 31, 0}));
    EXPECT_EQ(splitcolorword(0x00, 0x7C), (Rgb{0, 0, 31}));
    EXPECT_EQ(splitcolorword(0x00, 0x80), (Rgb{0, 0, 0}));  // bit 15 ignored
    EXPECT_EQ(joincolorword({0, 0, 0}), (ColourBytes{0x00, 0x00}));
    EXPECT_EQ(joincolorword({33, 40, 63}), joincolorword({1, 8, 31}));  // low five bits kept
    EXPECT_EQ(colortoscreen({1, 0, 0}), 0x000007u);
    EXPECT_EQ(colortoscreen({0, 2, 0}), 0x000F00u);
    EXPECT_EQ(colortoscreen({0, 0, 3}), 0x170000u);
    EXPECT_EQ(colortoscreen({16, 0, 0}), 0x00007Fu);
}

// The split and join as the digit-text recipe spells them out, to check the bit
// arithmetic against.
Rgb splitByDigits(std::uint8_t low, std::uint8_t high)
{
    const std::string l = dectobin(low), h = dectobin(high);
    return {BinaryToDecimal(l.substr(3, 5)), BinaryToDecimal(h.substr(6, 2) + l.substr(0, 3)),
            BinaryToDecimal(h.substr(1, 5))};
}

ColourBytes joinByDigits(const Rgb& c)
{
    const std::string r = dectobin(c.red).substr(3), g = dectobin(c.green).substr(3), b = dectobin(c.blue).substr(3);
    return {static_cast<std::uint8_t>(BinaryToDecimal(g.substr(2, 3) + r)),
            static_cast<std::uint8_t>(BinaryToDecimal("0" + b + g.substr(0, 2)))};
}

TEST(ColourWord, EveryWordSplitsAndJoinsBackAsTheDigitRecipeDoes)
{
    for (int word = 0; word < 0x10000; ++word) {
        const auto low = static_cast<std::uint8_t>(word & 0xFF);
        const auto high = static_cast<std::uint8_t>(word >> 8);
        const Rgb c = splitcolorword(low, high);
        ASSERT_EQ(c, splitByDigits(low, high)) << word;
        const ColourBytes back = joincolorword(c);
        ASSERT_EQ(back, joinByDigits(c)) << word;
        ASSERT_EQ(back, (ColourBytes{low, static_cast<std::uint8_t>(high & 0x7F)})) << word;
    }
}

TEST(ColourWord, EveryComponentPaintsItsOwnIntensityInItsOwnPlace)
{
    for (int c = 0; c <= 31; ++c) {
        const std::uint32_t v = c == 0 ? 0 : 8 * c - 1;
        EXPECT_EQ(screenintensity(c), static_cast<int>(v));
        EXPECT_EQ(colortoscreen({c, 0, 0}), v);
        EXPECT_EQ(colortoscreen({0, c, 0}), v << 8);
        EXPECT_EQ(colortoscreen({0, 0, c}), v << 16);
    }
}

}  // namespace
}  // namespace icevale
