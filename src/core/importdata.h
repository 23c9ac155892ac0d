#pragma once
// What an import brings, as the JSON and roster CSV readers hand it to the importer:
// for each team and the season, only the values the file gives (an absent value stays
// as the image holds it). Texts are already bytes of the image's character set and
// values already stored bytes or nibbles; `place` says where in the file each came from,
// for messages.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/colours.h"
#include "core/exchangevalues.h"
#include "core/menudefaults.h"
#include "core/playerattributes.h"
#include "core/playoffs.h"

namespace icevale {

struct ImportProblem {
    std::string place;  // "teams[2].players[4].name", "line 7, column 3 (name)", "team BRK"
    std::string text;
};

struct PlayerInput {
    std::string place;
    char role = 'D';
    std::optional<std::string> name;
    std::optional<std::uint8_t> number;
    std::array<std::optional<int>, kColumns + 1> columns{};  // nibbles, [1..14]
};

using LineInput = std::array<SlotValue, kSlots + 1>;  // [s], s = 1..7

struct TeamInput {
    int team = 0;       // 1..28
    std::string place;  // where the team was given
    std::optional<std::string> name, abbrev, nick, arena;
    std::optional<std::uint8_t> overall;
    std::optional<std::vector<PlayerInput>> players;  // the whole roster, in the file's order
    std::array<std::optional<LineInput>, kLines + 1> lines{};
    std::array<std::array<std::optional<Rgb>, kUniformCells>, 2> uniform{};  // [homeflag][cell]
    std::array<std::optional<Rgb>, kBannerCells + 1> bannercolours{};         // rows 1..14
    std::optional<std::string> bannertext;
};

struct SeasonInput {
    std::optional<std::string> menuname1, menuname2;
    std::array<std::optional<std::uint8_t>, kPlayoffPages * kPlayoffPageSlots> playoffslots{};
    std::optional<std::uint8_t> playoffcount;
    std::array<std::optional<std::uint8_t>, kMenuFields + 1> menufields{};  // [1..7]
    std::optional<std::uint8_t> selectableteams;
};

struct ImportData {
    std::vector<TeamInput> teams;
    SeasonInput season;
};

}  // namespace icevale
