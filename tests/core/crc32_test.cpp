#include <gtest/gtest.h>

#include <string>

#include "core/crc32.h"
#include "support/patchpairs.h"

namespace icevale {
namespace {

// Byte-at-a-time continuation never reaches the 8-byte blocks, so it checks them.
TEST(Crc32, MatchesKnownValuesAndContinuesAcrossPiecesOfAnyLengthAndAlignment)
{
    struct Case { std::string text; std::uint32_t crc; };
    for (const Case& c : {Case{"", 0}, Case{"a", 0xE8B7BE43}, Case{"123456789", 0xCBF43926},
                          Case{"The quick brown fox jumps over the lazy dog", 0x414FA339}}) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(c.text.data());
        EXPECT_EQ(crc32({p, c.text.size()}), c.crc) << c.text;
    }
    const auto data = test::randomImage(300, 7);
    for (std::size_t start = 0; start < 9; ++start) {
        const std::uint8_t* p = data.data() + start;
        std::uint32_t bytewise = 0;
        for (std::size_t n = 0; start + n < data.size(); bytewise = crc32({p + n, 1}, bytewise), ++n) {
            ASSERT_EQ(crc32({p, n}), bytewise) << start << " " << n;
            const std::size_t cut = n * start / 8;
            ASSERT_EQ(crc32({p + cut, n - cut}, crc32({p, cut})), bytewise) << start << " " << n;
        }
    }
}

}  // namespace
}  // namespace icevale
