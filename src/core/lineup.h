#pragma once
// The line-up block inside team t's data block: line l (1..8: "Best", "SC1", "SC2",
// "CHK", "PP1", "PP2", "PK1", "PK2") holds slots 1..7 at teamoffset(t) + 3 + 8(l - 1),
// one byte each: 0 for an empty slot, k for player k of the roster order. The eighth
// byte of each line is never written.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/cartridge.h"

namespace icevale {

inline constexpr std::array<const char*, kLines> kLineNames = {"Best", "SC1", "SC2", "CHK",
                                                                "PP1",  "PP2", "PK1", "PK2"};

using LineSlots = std::array<std::uint8_t, kSlots + 1>;  // [s], s = 1..7

std::size_t lineslotoffset(int t, int l, int s);

// The slots of line l of team t as the shared table holds them (all 0 for l = 0).
LineSlots lineslots(const Cartridge& cart, int t, int l);

// Stores the slots of line l of team t in the shared table and in the image.
void storeline(Cartridge& cart, int t, int l, const LineSlots& line);

// The entry texts of a slot box for team t: the empty entry " ", then for each player k
// of the roster the name, " #" and the jersey byte in upper-case hexadecimal digits
// without leading zeros. Position k is slot byte k.
std::vector<std::string> slotentries(const Cartridge& cart, int t);

// The extra entry that stands for a stored slot byte naming no player of the roster.
std::string offrosterentry(std::uint8_t slot);

// The slot byte of the entry at `position` of a box listing `players` players: the
// position itself, or the stored byte for the extra off-roster entry after them.
std::uint8_t slotbyte(int position, int players, std::uint8_t stored);

}  // namespace icevale
