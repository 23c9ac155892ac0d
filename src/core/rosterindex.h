#pragma once
// The roster and line-up tables decoded from each team's region. The roster count byte
// at teamoffset(t) - 1 holds forwards (high nibble) and defencemen (low nibble); the
// goalie marks are the four nibbles at teamoffset(t) + 1 and + 2; player records
// (L, 0, name, jersey byte, seven attribute bytes) start at rosteroffset(t). Line l's
// seven slots lie at teamoffset(t) + 3 + 8(l - 1); the eighth byte of a line is skipped.
#include <string>

#include "core/cartridge.h"

namespace icevale {

// Number of non-zero nibbles among the four goalie marks.
int countgoaliemarks(std::uint8_t first, std::uint8_t second);

// Fills the counts, players 1..n and rosterbytesleft of every team. Returns an empty
// text, or, when a team's counts give more than 25 players, why the image cannot be
// held (the tables are then partly filled and must be discarded).
std::string readrosters(Cartridge& cart);

void readlines(Cartridge& cart);

}  // namespace icevale
