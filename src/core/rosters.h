#pragma once
// Rosters. Team t's roster block:
//   teamoffset(t) - 1        roster count byte: forwards in the high nibble, defencemen
//                            in the low nibble
//   teamoffset(t) + 1, + 2   goalie marks: four nibbles, each non-zero one a goalie;
//                            written mark by mark with 1s for a count of 1..4
//   rosteroffset(t)          player records 1..n back to back, goalies, then forwards,
//                            then defencemen (a player's role is its position alone)
//   after record n           the terminator 0x02 0x00, then free bytes up to
//                            teamtextoffset(t), left as they are
// A player record is namelen + 10 bytes: the length-prefixed name (L = namelen + 2, a
// second length byte written 0), the jersey byte, seven attribute bytes.
#include <optional>
#include <string>
#include <vector>

#include "core/cartridge.h"
#include "core/result.h"

namespace icevale {

inline constexpr int kMaxNameLength = 253;  // L = length + 2 is one byte

// Number of non-zero nibbles among the four goalie marks.
int countgoaliemarks(std::uint8_t first, std::uint8_t second);

// Fills the counts, players 1..n and rosterbytesleft of every team; slots past n are
// left as they are. Returns an empty text, or why the image cannot be held (a team of
// more than 25 players, a roster running past the image's end).
std::string readrosters(Tables& tables, const Bytes& rom);
// The same for team t alone.
Status readrosterof(Tables& tables, const Bytes& rom, int t);

// The first of players 1..n of team t whose record's length byte is below 2, or 0.
int shortplayerrecord(const Tables& tables, const Bytes& rom, int t);

// Free bytes of team t's roster area with the names and counts now in the tables.
std::int32_t rosterfreebytes(const Tables& tables, int t);

// The roster count byte of team t from the counts in the tables.
Edit rostercountedit(const Tables& tables, int t);

// The goalie marks for the goalie count in the tables; nothing for a count outside 1..4.
Edit goaliemarksedit(const Tables& tables, int t);

// The records and terminator of team t's roster from the tables, or nothing when they
// would reach teamtextoffset(t) or hold a name too long to encode.
std::optional<Edit> rosterrecordsedit(const Tables& tables, int t);

struct RosterWrite {
    Edit edit;
    std::vector<int> unwritten;  // teams whose roster would not fit and is left as it is
    std::string message;         // empty when every roster is written
    std::vector<int> changed;    // teams whose records differ from `rom`, when given
};

// The records of all 28 rosters; with `rom`, also which of them would change it.
RosterWrite allrostersedit(const Tables& tables, const Bytes* rom = nullptr);

}  // namespace icevale
