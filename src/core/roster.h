#pragma once
// Writing rosters back into the image. A team's records stand back to back from
// rosteroffset(t), each L, 0x00, name, jersey byte, seven attribute bytes (name
// length + 10 bytes), closed by the terminator 0x02 0x00; the free bytes after it
// are left as they are. Nothing may be written at or past teamtextoffset(t).
#include <string>
#include <vector>

#include "core/cartridge.h"

namespace icevale {

inline constexpr int kMaxNameLength = 253;  // L = length + 2 is one byte

// Free bytes of team t's roster area with the names and count now in the tables.
std::int32_t countnamebytes(const Cartridge& cart, int t);

// Roster count byte at teamoffset(t) - 1: forwards high nibble, defencemen low nibble.
void writerostercount(Cartridge& cart, int t);

// Goalie marks at teamoffset(t) + 1 and + 2, filled with 1s mark by mark for a count
// of 1..4; any other count leaves the two bytes alone.
void writegoaliemarks(Cartridge& cart, int t);

struct SavePlayersResult {
    std::vector<int> unwritten;  // teams whose roster would not fit and was left as it was
    std::string message;         // empty when every roster was written
};

// Writes the records and terminator of all 28 teams from the tables. A roster that
// would reach teamtextoffset(t), or holds a name too long to encode, is not written.
SavePlayersResult saveplayers(Cartridge& cart);

}  // namespace icevale
