#pragma once
// Jersey numbers: the record's jersey byte holds two binary-coded decimal digits
// (number 88 is the byte 0x88). The number box shows the byte's hexadecimal digits.
#include <cstdint>
#include <string>
#include <string_view>

namespace icevale {

// The byte's hexadecimal digits without a leading zero: 0x88 "88", 0x05 "5", 0x1A "1A".
std::string jerseytext(std::uint8_t stored);

// Whether both digits of the byte are decimal, so that jerseybyte(jerseytext(b)) == b.
bool jerseydecimal(std::uint8_t stored);

// The number box rule: the text's leading decimal number (blanks before it skipped,
// none gives 0), written in decimal and read back as hexadecimal digits: "88" 0x88,
// "7" 0x07, "" 0x00, "4a" 0x04, "-3" 0x00. Beyond two digits the low byte is kept.
std::uint8_t jerseybyte(std::string_view text);

// The byte to store for the box's text: the stored byte while the text is exactly
// what that byte shows (so 0x1A, shown as "1A", is kept), otherwise jerseybyte(text).
std::uint8_t keptjersey(std::string_view text, std::uint8_t stored);

}  // namespace icevale
