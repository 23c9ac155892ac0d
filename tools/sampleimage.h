#pragma once
// Deterministic synthetic cartridge images with consistent data in every area the
// editor knows, and the values each was built from, so tests can compare what the
// editor decodes with what was put in. Invented names only; no data from any real game.
//
// The default seed gives one fixed, readable image. Any other seed gives a random image
// that is valid by the format's rules but ranges over everything it may hold: role counts
// of 1..4 goalies and 1..15 forwards and defencemen (at most 25 players), names from
// empty to a roster area filled to its last byte, team texts filling their blocks or
// empty, menu names sharing up to 22 characters, banner texts filling their area or
// leaving zeros at its end, texts of bytes 0x20..0xFF, and stored values the windows
// cannot show: rating nibbles 7..15, hand nibbles above 1, jersey digits A..F, line-up
// slots past the roster, playoff slots above 28, counts of 0 or above 28, menu defaults
// past their lists and colour words with bit 15 set.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/cartridge.h"

namespace icevale::sample {

inline constexpr std::size_t kImageSize = 0x100000 + 0x200;  // 1 MiB ROM + copier header
inline constexpr std::uint32_t kDefaultSeed = 0x1CEBA11;

struct Player {
    std::string name;
    std::uint8_t number = 0;         // jersey byte: two BCD digits, or a digit A..F
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
    std::uint32_t seed = kDefaultSeed;
    Bytes bytes;
    std::array<Team, kTeams + 1> teams;  // [t], index 0 unused
    std::string menuname1, menuname2;
    std::array<std::uint8_t, 512> playoffslots{};
    std::uint8_t playoffcount = 0;
    std::array<std::uint8_t, 7> menudefaults{};
    std::uint8_t selectableteams = 0;
};

SampleImage makeSampleImage(std::uint32_t seed);
SampleImage makeSampleImage();  // the default seed

}  // namespace icevale::sample
