#pragma once
// Playoffs: 512 team slots at 0xE6F59, four pages of 128 (slot i of page g at
// 0xE6F59 + 128g + i; a byte v of 0..27 is team v + 1, 28 is no team), and the playoff
// team count, read at 0xEAB13 and written to both 0xEAB13 and 0xE9AFE.
#include <array>
#include <cstdint>
#include <optional>

#include "core/cartridge.h"

namespace icevale {

inline constexpr std::uint32_t kPlayoffSlots = 0xE6F59;
inline constexpr int kPlayoffPages = 4;
inline constexpr int kPlayoffPageSlots = 128;
inline constexpr std::uint32_t kPlayoffCount = 0xEAB13;
inline constexpr std::uint32_t kPlayoffCountCopy = 0xE9AFE;
inline constexpr std::uint8_t kNoTeam = 28;

using PlayoffPage = std::array<std::uint8_t, kPlayoffPageSlots>;

// Page g (0..3); nothing for another page or one past the image's end.
std::optional<PlayoffPage> readplayoffpage(const Bytes& rom, int g);
// Nothing is written for a page outside 0..3.
Edit playoffpageedit(int g, const PlayoffPage& page);

std::optional<std::uint8_t> readplayoffcount(const Bytes& rom);
Edit playoffcountedit(std::uint8_t count);

}  // namespace icevale
