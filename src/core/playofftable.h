#pragma once
// Playoff data: 512 team slots at 0xE6F59, four pages of 128 (slot i of page g at
// 0xE6F59 + 128g + i; a byte v of 0..27 is team v + 1, 28 is no team), and the playoff team
// count, read at 0xEAB13 and written to both 0xEAB13 and 0xE9AFE.
#include <array>
#include <cstdint>

#include "core/cartridge.h"

namespace icevale {

inline constexpr int kPlayoffPages = 4;
inline constexpr int kPlayoffPageSlots = 128;
inline constexpr std::uint8_t kNoTeam = 28;

using PlayoffPage = std::array<std::uint8_t, kPlayoffPageSlots>;

// Page g (0..3); a page outside the table reads as 0s and is never written.
PlayoffPage readplayoffpage(const Cartridge& cart, int g);
void writeplayoffpage(Cartridge& cart, int g, const PlayoffPage& page);

std::uint8_t readplayoffcount(const Cartridge& cart);
void writeplayoffcount(Cartridge& cart, std::uint8_t count);

}  // namespace icevale
