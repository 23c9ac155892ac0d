#pragma once
// Menu defaults: seven one-byte fields at the even offsets 0xE9EC2 .. 0xE9ECE (field f
// at 0xE9EC2 + 2(f - 1)); the odd bytes between them belong to the game and are never
// touched. The selectable team count is read at 0xEAED5 and written to both 0xEAED5
// and 0xEAED3.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/cartridge.h"

namespace icevale {

inline constexpr std::uint32_t kMenuDefaults = 0xE9EC2;
inline constexpr std::uint32_t kSelectableTeams = 0xEAED5;
inline constexpr std::uint32_t kSelectableTeamsCopy = 0xEAED3;
inline constexpr int kMenuFields = 7;

// The entries of field f's list, in stored-value order; the two team fields (2 and 3)
// list the 28 teams' location names instead and give no entries here.
const std::vector<std::string>& menufieldentries(int f);

// How many entries field f's list has (28 for the team fields).
int menufieldsize(int f);

using MenuFields = std::array<std::uint8_t, kMenuFields + 1>;  // [f], f = 1..7

std::optional<MenuFields> readmenufields(const Bytes& rom);
Edit menufieldsedit(const MenuFields& fields);

std::optional<std::uint8_t> readselectableteams(const Bytes& rom);
Edit selectableteamsedit(std::uint8_t count);

}  // namespace icevale
