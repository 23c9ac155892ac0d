#pragma once
// Banner colours: fourteen colour words per team, back to back from banneroffset(t);
// cell k (0..13) has its low byte at banneroffset(t) + 2k. Cells 0-5 form the top row,
// 6-12 the second, 13 is the outline colour.
#include <array>

#include "core/colorword.h"
#include "core/cartridge.h"

namespace icevale {

inline constexpr int kBannerCells = 14;

// Rows 1..14 hold cells 0..13; row 0 takes bar changes made while no cell is selected
// and is never stored or shown.
using BannerColours = std::array<Rgb, kBannerCells + 1>;

// Fills rows 1..14 from team t's words; row 0 is left as it is.
void readbannercolours(const Bytes& rom, int t, BannerColours& rows);

// Writes rows 1..14 as team t's fourteen words (28 bytes, bit 15 of each 0).
void storebannercolours(Bytes& rom, int t, const BannerColours& rows);

// Rows 1..14 black.
void blackout(BannerColours& rows);

// Rows 2..6 brighten row 1 by one per row (capped at 31), rows 8..13 darken row 7 by
// one per row (floored at 0); rows 1, 7 and 14 stay.
void autocolor(BannerColours& rows);

}  // namespace icevale
