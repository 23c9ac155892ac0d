#pragma once
// Banner texts: 28 texts in team order in the 261-byte area at 0xE1881, each followed
// by one separator byte (0 when written here), located by a table of 28 two-byte
// pointers at 0xE1849. A pointer is the game's address of the text: low byte = low byte
// of the file offset F, high byte 0x96 below 0xE1900 and 0x97 from there on; one past
// the area is 0x9786. bannertextlen(k) is the difference of successive pointers less
// the separator; the last text runs to the end of the area.
#include <cstdint>
#include <optional>
#include <string>

#include "core/cartridge.h"

namespace icevale {

inline constexpr std::uint32_t kBannerPointerTable = 0xE1849;
inline constexpr std::uint32_t kBannerTextArea = 0xE1881;
inline constexpr std::uint32_t kBannerTextSize = 261;

// Fills bannertextlen(1..28) from the pointer table. Returns whether the table is
// usable: every length 0 or more and all texts with their separators within the area.
// A table past the image's end gives lengths of 0 and is not usable.
bool readbannerlengths(Tables& tables, const Bytes& rom);

// The pointer table for texts of bannertextlen's lengths packed from 0xE1881.
Edit bannerpointersedit(const Tables& tables);

// File offset of team t's text: 0xE1881 + the sum of (bannertextlen(u) + 1), u < t.
std::int64_t bannertextstart(const Tables& tables, int t);

// The file offsets the 28 pointers give, when every one lies inside the area and each
// lies past the one before; nothing otherwise.
std::optional<TeamTable<std::int64_t>> bannerpointerstarts(const Bytes& rom);

// Whether the table and the texts are what writing them packed gives back unchanged:
// the table usable, the first text at the area's start, every text followed by a zero
// separator inside the image, and no text holding a zero byte (which a text box cannot
// show) before its end.
bool bannertablesound(const Bytes& rom);

// The bytes of team t's text as far as they lie inside the area, from where its pointer
// points when the pointers ascend inside the area, otherwise from bannertextstart. A
// negative length or a start outside the area gives an empty text. Nothing outside the
// area is read.
std::string readbannertext(const Tables& tables, const Bytes& rom, int t);

// Team t's text as a text box shows it: readbannertext without its zero bytes.
std::string bannerboxtext(const Tables& tables, const Bytes& rom, int t);

// Bytes the texts take with one separator each.
std::int64_t bannerbytesused(const TeamTable<std::string>& texts);

// The lengths of texts(1..28), as bannertextlen holds them after the texts are written.
TeamTable<std::int32_t> bannerlengths(const TeamTable<std::string>& texts);

// The whole area with texts(1..28) packed from 0xE1881, each followed by a 0, the rest
// zero, and the pointer table rebuilt; nothing when the texts do not fit the area.
std::optional<Edit> bannertextsedit(const TeamTable<std::string>& texts);

}  // namespace icevale
