#pragma once
// The fourteen four-bit attribute columns of a player record. Attribute byte k
// (k = 1..7) holds column 2k - 1 in its high nibble and column 2k in its low nibble.
// Column 1 is the weight (140 + 8v pounds), column 8 the hand (even: left, odd:
// right), every other column a rating on the seven-step scale 25 .. 100 (no 75).
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/cartridge.h"

namespace icevale {

inline constexpr int kColumns = 14;
inline constexpr int kWeightColumn = 1;
inline constexpr int kHandColumn = 8;

enum class Scale { Weight, Hand, Rating };

Scale columnscale(int column);
const char* columncaption(int column);
// What a column's short caption stands for, for its tool tip.
const char* columntip(int column);

// The entries of a column's drop-down list, in stored-value order.
const std::vector<std::string>& scaleentries(Scale scale);

// The number shown for rating entry `position` (0..6): 25, 35, 45, 55, 65, 85, 100.
int ratingvalue(int position);

// ratinggrid(i, J): players 1..25 by columns 1..14; index 0 of both is unused.
using RatingGrid = std::array<std::array<int, kColumns + 1>, kMaxPlayers + 1>;

// The nibble of column J in attribute bytes playerattr(1..7, p, t).
int attrnibble(const Tables& tables, int p, int t, int column);

// Grid from (loadgrid) and into (storegrid) playerattr of all 25 slots of team t.
void loadgrid(const Tables& tables, int t, RatingGrid& grid);
void storegrid(Tables& tables, int t, const RatingGrid& grid);

// The list entry that shows stored value v in column J, or -1 for a rating of 7..15,
// which has no entry. A hand shows by its lowest bit, so 2 shows (and is kept) as left.
int entryposition(int column, int v);

// The grid value after a commit: the entry picked, or the stored value when the list
// shows no entry, so that a value without an entry survives until the user picks one.
int committedvalue(int selected, int stored);

// Sets the twelve rating columns of all 25 rows to rating entry v; false (and no
// change) when v is no rating entry.
bool juicegrid(RatingGrid& grid, int v);

// Mean of the numbers shown in the rating columns of players 1..n. Ratings without an
// entry have no number and do not count; no value when nothing counts (n = 0).
std::optional<double> teamaverage(const RatingGrid& grid, int n);

}  // namespace icevale
