#include "core/jersey.h"

namespace icevale {

std::string jerseytext(std::uint8_t stored)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    if (stored >= 16)
        text += kDigits[stored >> 4];
    text += kDigits[stored & 15];
    return text;
}

bool jerseydecimal(std::uint8_t stored) { return (stored >> 4) <= 9 && (stored & 15) <= 9; }

std::uint8_t jerseybyte(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        // A negative number is written with its sign first, where hexadecimal
        // reading stops at once; a plus sign is not written at all.
        if (text[i] == '-')
            return 0;
        ++i;
    }
    // The integer part's decimal digits, written without leading zeros, read as
    // hexadecimal: the same digits again. A fraction would follow a point, where
    // hexadecimal reading stops.
    unsigned value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = (value * 16 + static_cast<unsigned>(text[i] - '0')) & 0xFF;
    return static_cast<std::uint8_t>(value);
}

std::uint8_t keptjersey(std::string_view text, std::uint8_t stored)
{
    return text == jerseytext(stored) ? stored : jerseybyte(text);
}

}  // namespace icevale
