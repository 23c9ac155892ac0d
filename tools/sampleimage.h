#pragma once
// A deterministic synthetic cartridge image with consistent data in every area the
// editor knows, and the values it was built from, so tests can compare what the editor
// decodes with what was put in. Invented names only; no data from any real game.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/cartridge.h"

namespace icevale::sample {

inline constexpr std::size_t kImageSize = 0x100000 + 0x200;  // 1 MiB ROM + copier header

struct Player {
    std::string name;
    std::uint8_t number = 0;         // two BCD digits
    std::array<std::uint8_t, 8> attr{};  // [1..7]
};

struct Team {
    std::string name, abbrev, nick, arena, banner;
    std::uint8_t overall = 0;
    int goalies = 0, forwards = 0, defence = 0;
    std::vector<Player> players;  // roster order, players[0] is player 1
    std::array<std::array<std::uint8_t, kSlots + 1>, kLines + 1> lines{};  // [l][s]
    std::array<std::uint16_t, 11> away{}, home{};  // uniform colour words, cells 0..10
    std::array<std::uint16_t, 14> bannercolours{};
};

struct SampleImage {
    Bytes bytes;
    std::array<Team, kTeams + 1> teams;  // [t], index 0 unused
    std::string menuname1, menuname2;
    std::array<std::uint8_t, 512> playoffslots{};
    std::uint8_t playoffcount = 0;
    std::array<std::uint8_t, 7> menudefaults{};
    std::uint8_t selectableteams = 0;
};

SampleImage makeSampleImage();

}  // namespace icevale::sample
