#pragma once
// The health check of an opened image: whether every area the editor knows holds what
// the game and the editor expect. Rosters end inside their areas with their terminator
// and have possible counts (1-4 goalies, at least one forward and one defenceman, at
// most 25 players); team texts fit their blocks and the menu names their 22 shared
// characters; every player, team text and menu name record has a length byte of at
// least 2, so that writing it back unchanged gives the same bytes; the banner pointer
// table is sound; line-up slots name roster positions; playoff slots, the two team
// counts and the menu defaults are listed values.
#include <string>
#include <vector>

#include "core/cartridge.h"

namespace icevale {

struct HealthProblem {
    std::string area;  // "rosters", "team texts", "menu names", "banner texts", "line-ups",
                       // "playoffs", "menu defaults"
    int team = 0;      // 1..28 when the problem belongs to one team
    std::string text;  // what is wrong, naming the place
};

// Every problem of a decoded image, in area order; none for a sound image.
std::vector<HealthProblem> healthcheck(const Cartridge& cart);

}  // namespace icevale
