#pragma once
// The image and the tables decoded from it. RomImage is the whole file, index = file
// offset. Tables keep the editor's indexing: teams 1..28, players 1..25, lines 1..8,
// slots 1..7; index 0 is never used.
#include <array>
#include <cstdint>
#include <string>

#include "core/imagebytes.h"
#include "core/locations.h"

namespace icevale {

inline constexpr int kMaxPlayers = 25;
inline constexpr int kLines = 8;
inline constexpr int kSlots = 7;

template <class T>
using PlayerTable = std::array<TeamTable<T>, kMaxPlayers + 1>;  // [p][t]

// lineup[t][s][l]
using LineupTable = std::array<std::array<std::array<std::uint8_t, kLines + 1>, kSlots + 1>, kTeams + 1>;

// What the editors share besides the image: decoded at every load, and the roster
// tables also the player editor's working copy until it writes them back.
struct Tables {
    // Team texts as raw bytes of the single-byte character set.
    TeamTable<std::string> teamname, teamabbrev, teamnick, teamarena;

    TeamTable<int> goaliecount{}, forwardcount{}, defensecount{};
    TeamTable<std::int32_t> rosterbytesleft{};
    PlayerTable<std::string> playername;
    PlayerTable<std::uint8_t> playernum{};
    std::array<PlayerTable<std::uint8_t>, 8> playerattr{};  // [q][p][t], q = 1..7

    LineupTable lineup{};

    TeamTable<std::int32_t> bannertextlen{};

    int playercount(int t) const { return goaliecount[t] + forwardcount[t] + defensecount[t]; }

    bool operator==(const Tables&) const = default;
};

struct Cartridge : Tables {
    Bytes RomImage;

    bool loaded() const { return !RomImage.empty(); }
};

}  // namespace icevale
