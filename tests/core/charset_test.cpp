#include <gtest/gtest.h>

#include <set>

#include "core/charset.h"

namespace icevale {
namespace {

TEST(Charset, EveryByteHasItsOwnCharacterAndComesBack)
{
    std::set<char16_t> seen;
    for (int b = 0; b < 256; ++b) {
        const char16_t c = byteToChar(static_cast<std::uint8_t>(b));
        EXPECT_TRUE(seen.insert(c).second) << "byte " << b << " shares its character";
        ASSERT_TRUE(charToByte(c).has_value()) << "byte " << b;
        EXPECT_EQ(*charToByte(c), b);
    }
}

TEST(Charset, Windows1252AndCharactersWithoutACode)
{
    EXPECT_EQ(byteToChar(0x80), u'\u20AC');
    EXPECT_EQ(byteToChar(0x9F), u'\u0178');
    EXPECT_EQ(byteToChar(0xE9), u'\u00E9');
    for (const int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(byteToChar(static_cast<std::uint8_t>(b)), static_cast<char16_t>(b));
    for (const char16_t c : {u'\u0100', u'\u0080', u'\u4E2D', u'\u2603', u'\uFFFD'})
        EXPECT_FALSE(charToByte(c).has_value()) << static_cast<int>(c);
}

}  // namespace
}  // namespace icevale
