#include "core/colorword.h"

#include <algorithm>
#include <limits>

namespace icevale {
namespace {

// Whether value <= 2^bits - 1; for a negative width the bound lies between -1 and 0.
bool fits(std::int64_t value, int bits)
{
    if (bits < 0)
        return value < 0;
    if (bits >= 62)
        return true;
    return value <= (std::int64_t{1} << bits) - 1;
}

}  // namespace

std::string DecToBin(std::int32_t DeciValue, std::int16_t& NoOfBits)
{
    while (!fits(DeciValue, NoOfBits))
        NoOfBits = static_cast<std::int16_t>(NoOfBits + 8);
    std::string text;
    text.reserve(NoOfBits > 0 ? static_cast<std::size_t>(NoOfBits) : 0);
    // Digits are taken from the least significant end; a negative value past bit 31
    // repeats its sign bit, as a wider signed integer would.
    for (int j = NoOfBits - 1; j >= 0; --j)
        text.push_back(((static_cast<std::int64_t>(DeciValue) >> std::min(j, 63)) & 1) ? '1' : '0');
    return text;
}

std::int32_t BinaryToDecimal(const std::string& Binary)
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    std::int64_t n = 0;
    const std::size_t length = Binary.size();
    for (std::size_t s = 1; s <= length; ++s) {
        const char c = Binary[length - s];
        const int digit = (c >= '0' && c <= '9') ? c - '0' : 0;
        if (digit == 0)
            continue;
        if (s > 32)
            return static_cast<std::int32_t>(kMax);
        n += digit * (std::int64_t{1} << (s - 1));
        if (n > kMax)
            return static_cast<std::int32_t>(kMax);
    }
    return static_cast<std::int32_t>(n);
}

Rgb splitcolorword(std::uint8_t low, std::uint8_t high)
{
    return {low & 31, (low >> 5) | ((high & 3) << 3), (high >> 2) & 31};
}

ColourBytes joincolorword(const Rgb& colour)
{
    const int red = colour.red & 31;
    const int green = colour.green & 31;
    const int blue = colour.blue & 31;
    return {static_cast<std::uint8_t>(((green & 7) << 5) | red), static_cast<std::uint8_t>((blue << 2) | (green >> 3))};
}

int screenintensity(int component)
{
    const int c = std::clamp(component, 0, 31);
    return c == 0 ? 0 : 8 * c - 1;
}

std::uint32_t colortoscreen(const Rgb& colour)
{
    return static_cast<std::uint32_t>(screenintensity(colour.blue)) << 16 |
           static_cast<std::uint32_t>(screenintensity(colour.green)) << 8 |
           static_cast<std::uint32_t>(screenintensity(colour.red));
}

}  // namespace icevale
