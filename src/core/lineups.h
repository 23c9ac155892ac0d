#pragma once
// Line-ups: inside team t's data block, line l (1..8: "Best", "SC1", "SC2", "CHK",
// "PP1", "PP2", "PK1", "PK2") holds slots 1..7 at teamoffset(t) + 3 + 8(l - 1), one
// byte each: 0 for an empty slot, k for player k of the roster order. The eighth byte
// of each line is never read or written.
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

// Fills lineup for teams 1..28; returns false when a line lies past the image's end.
bool readlines(Tables& tables, const Bytes& rom);
// The same for team t alone.
bool readlinesof(Tables& tables, const Bytes& rom, int t);

// The slots of line l of team t as the table holds them (all 0 for l = 0).
LineSlots lineslots(const Tables& tables, int t, int l);

// The seven slot bytes of line l of team t.
Edit lineedit(int t, int l, const LineSlots& line);

// The entry texts of a slot box for team t: the empty entry " ", then for each player k
// of the roster the name, " #" and the jersey number's digits. Position k is slot byte k.
std::vector<std::string> slotentries(const Tables& tables, int t);

// The extra entry that stands for a stored slot byte naming no player of the roster.
std::string offrosterentry(std::uint8_t slot);

// The slot byte of the entry at `position` of a box listing `players` players: the
// position itself, or the stored byte for the extra off-roster entry after them.
std::uint8_t slotbyte(int position, int players, std::uint8_t stored);

}  // namespace icevale
