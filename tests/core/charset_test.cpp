#include <gtest/gtest.h>

#include <set>

#include "core/charset.h"

namespace icevale {
namespace {

TEST(Charset, EveryByteHasItsOwnWindows1252CharacterAndComesBack)
{
    std::set<char16_t> seen;
    for (int b = 0; b < 256; ++b) {
        const char16_t c = bytetochar(static_cast<std::uint8_t>(b));
        EXPECT_TRUE(seen.insert(c).second) << "byte " << b << " shares its character";
        EXPECT_EQ(chartobyte(c), b) << "byte " << b;
    }
    const std::pair<std::uint8_t, char16_t> mapped[] = {{0x80, u'\u20AC'}, {0x9F, u'\u0178'}, {0xE9, u'\u00E9'},
                                                        {0x81, u'\u0081'}, {0x8D, u'\u008D'}, {0x8F, u'\u008F'},
                                                        {0x90, u'\u0090'}, {0x9D, u'\u009D'}, {0x41, u'A'}};
    for (const auto& [b, c] : mapped)
        EXPECT_EQ(bytetochar(b), c) << int{b};
    for (const char16_t c : {u'\u0100', u'\u0080', u'\u4E2D', u'\u2603', u'\uFFFD'})
        EXPECT_FALSE(chartobyte(c).has_value()) << static_cast<int>(c);
}

}  // namespace
}  // namespace icevale
