#pragma once
// Colours.
//
// Colour word: two bytes, low byte first; bits 0-4 red, 5-9 green, 10-14 blue, bit 15
// ignored when read and written 0 when a word's colour changes. Components run 0..31 and are painted with the
// intensity 0 for 0 and 8c - 1 otherwise (31 paints as 0xF7, not 0xFF).
//
// Uniforms: every team has an away entry at awayuniformoffset(t) and a home entry at
// homeuniformoffset(t), 32 bytes each. Cells 0..10 are the entry's words 2..12: cell k
// at entry + 4 + 2k. Bytes 0-3 and 26-31 of an entry are never read or written.
//
// Banner colours: fourteen words per team back to back from banneroffset(t); cells 0-5
// form the banner's top row, 6-12 the second, 13 is the outline colour.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/cartridge.h"

namespace icevale {

inline constexpr int kComponentMax = 31;  // each of red, green and blue runs 0..31

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

Rgb splitcolorword(std::uint8_t low, std::uint8_t high);

// Keeps the low five bits of each component; bit 15 of the word is 0.
ColourBytes joincolorword(const Rgb& colour);

// The 8-bit screen value of a component 0..31.
int screenintensity(int component);

// The display colour value 0x00BBGGRR of three components.
std::uint32_t colortoscreen(const Rgb& colour);

inline constexpr int kUniformCells = 11;
inline constexpr int kBannerCells = 14;

using UniformColours = std::array<Rgb, kUniformCells>;  // [cell]

// homeflag 0 is the away uniform, 1 the home uniform.
std::size_t uniformcelloffset(int t, int homeflag, int cell);

// The components of cells 0..10 of team t's uniform.
std::optional<UniformColours> readuniform(const Bytes& rom, int t, int homeflag);

// One cell's word; nothing else of the entry. A word that already holds these
// components is left as stored, bit 15 included.
Edit uniformcelledit(const Bytes& rom, int t, int homeflag, int cell, const Rgb& colour);

// The eleven edited words of team t's away and home entries exchanged, bytes as they
// stand (bit 15 included); nothing when an entry lies past the image.
std::optional<Edit> flipuniformsedit(const Bytes& rom, int t);

// Rows 1..14 hold cells 0..13; row 0 takes bar changes made while no cell is selected
// and is never stored or shown.
using BannerColours = std::array<Rgb, kBannerCells + 1>;

// Fills rows 1..14 from team t's words (row 0 is left as it is); false when they lie
// past the image.
bool readbannercolours(const Bytes& rom, int t, BannerColours& rows);

// Rows 1..14 as team t's fourteen words (28 bytes, bit 15 of each 0); a word that
// already holds its row's components is left as stored, bit 15 included.
Edit bannercoloursedit(const Bytes& rom, int t, const BannerColours& rows);

// Rows 1..14 black.
void blackout(BannerColours& rows);

// Rows 2..6 brighten row 1 by one per row (capped at 31), rows 8..13 darken row 7 by
// one per row (floored at 0); rows 1, 7 and 14 stay.
void autocolor(BannerColours& rows);

}  // namespace icevale
