#pragma once
// Menu defaults: seven one-byte fields at the even offsets 0xE9EC2 .. 0xE9ECE (field f
// at 0xE9EC2 + 2(f - 1)); the odd bytes between them belong to the game and are never
// touched. The selectable team count is read at 0xEAED5 and written to both 0xEAED5
// and 0xEAED3.
#include <cstdint>

#include "core/cartridge.h"

namespace icevale {

inline constexpr int kMenuFields = 7;

// Field f = 1..7; any other f reads 0 and writes nothing.
std::uint8_t readmenufield(const Cartridge& cart, int f);
void writemenufield(Cartridge& cart, int f, std::uint8_t value);

std::uint8_t readselectableteams(const Cartridge& cart);
void writeselectableteams(Cartridge& cart, std::uint8_t count);

}  // namespace icevale
