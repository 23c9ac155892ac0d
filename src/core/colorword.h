#pragma once
// SNES colour words: two bytes, low byte first; bits 0-4 red, 5-9 green, 10-14 blue,
// bit 15 ignored when read and written as 0. Components run 0..31 and are painted with
// the intensity 0 for 0 and 8 * c - 1 otherwise (31 paints as 0xF7, not 0xFF).
#include <cstdint>
#include <string>

namespace icevale {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct ColourBytes {
    std::uint8_t low = 0;
    std::uint8_t high = 0;
    friend bool operator==(const ColourBytes&, const ColourBytes&) = default;
};

// The binary digits of DeciValue, most significant first, zero-padded to NoOfBits
// digits; NoOfBits grows by 8 until the value fits and the grown width is handed back.
std::string DecToBin(std::int32_t DeciValue, std::int16_t& NoOfBits);

// The value of a text of binary digits, most significant first; a character that is
// not a decimal digit counts as 0, and a value past the 32-bit range saturates.
std::int32_t BinaryToDecimal(const std::string& Binary);

Rgb splitcolorword(std::uint8_t low, std::uint8_t high);

// Keeps the low five bits of each component; bit 15 of the word is 0.
ColourBytes joincolorword(const Rgb& colour);

// The 8-bit screen value of a component 0..31.
int screenintensity(int component);

// The display colour value 0x00BBGGRR of three components.
std::uint32_t colortoscreen(const Rgb& colour);

}  // namespace icevale
