#pragma once
// Changes to the size and make-up of a team's roster in the shared tables. Roles are
// boundaries in the roster order (goalies, forwards, defencemen), so a role change
// moves a count, never a record. Each change that acts recounts rosterbytesleft(t).
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/cartridge.h"

namespace icevale {

// The role buttons; each returns whether its condition held and it acted.
bool goalieplus(Tables& tables, int t);    // the first forward becomes the last goalie
bool goalieminus(Tables& tables, int t);   // the last goalie becomes the first forward
bool defenceplus(Tables& tables, int t);   // the last forward becomes the first defenceman
bool defenceminus(Tables& tables, int t);  // the first defenceman becomes the last forward

// Adds a last defenceman in slot n + 1 when more than 16 bytes are left, n < 25 and
// there are fewer than 15 defencemen. The slot keeps its number and attributes (a
// removed player's, or zeros); its name starts empty.
bool addplayer(Tables& tables, int t);

// Removes the last player (a defenceman) when there are more than 6 defencemen. Its
// name is emptied; its number and attributes stay in the slot.
bool removeplayer(Tables& tables, int t);

// The character limit of a name box: what fits the free bytes (the name's length plus
// bytesleft), never more than the 253 characters one length byte can count.
int namelimit(std::size_t namelength, std::int32_t bytesleft);

// The role letter of grid row r (0..24): "G", "F", "D", or empty below the roster.
std::string roleletter(const Tables& tables, int t, int r);

}  // namespace icevale
