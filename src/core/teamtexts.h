#pragma once
// Team texts and team records.
//
// Team text block of team t, at teamtextoffset(t), teamtextsize(t) bytes: four
// length-prefixed records back to back (location name, abbreviation, nickname, arena):
// L = characters + 2, a second header byte (written 0, never read), the characters.
// With their four 2-byte headers the texts must fit the block; the bytes after the
// fourth record belong to no record and are never written.
//
// Overall number: the unsigned byte at teamoffset(t).
//
// Menu display names: two such records back to back from 0xDC7E7, the second right
// after the first name's last character, sharing 22 characters (so at most the 26
// bytes from 0xDC7E7). Writing leaves the first record's second header byte alone.
#include <cstdint>
#include <optional>
#include <string>

#include "core/cartridge.h"
#include "core/result.h"

namespace icevale {

inline constexpr std::uint32_t kMenuNamesOffset = 0xDC7E7;
inline constexpr int kMenuNamesBudget = 22;

struct TeamTexts {
    std::string name, abbrev, nick, arena;  // bytes of the single-byte character set

    bool operator==(const TeamTexts&) const = default;
};

struct MenuNames {
    std::string first, second;

    bool operator==(const MenuNames&) const = default;
};

// Fills teamname, teamabbrev, teamnick and teamarena of teams 1..28 from the image.
// Returns an empty text, or which team's records run past the image's end.
std::string readteamtext(Tables& tables, const Bytes& rom);
// The same for team t alone.
Status readteamtextof(Tables& tables, const Bytes& rom, int t);

// The four texts of team t as the tables hold them.
TeamTexts teamtexts(const Tables& tables, int t);

// Bytes of team t's block left free by texts of `characters` characters in all;
// negative when they do not fit.
std::int32_t textblockfree(int t, std::int64_t characters);

// The typing limit of one box of a shared budget: its own length plus what is left,
// or only its own length when nothing is left.
int sharedlimit(std::int64_t left, std::int64_t ownlength);

// The first of team t's four records (1..4) whose length byte is below 2, or 0.
int shorttextrecord(const Bytes& rom, int t);

// The four records of team t, or nothing when they do not fit its block.
std::optional<Edit> teamtextedit(int t, const TeamTexts& texts);

std::optional<std::uint8_t> readoverall(const Bytes& rom, int t);
Edit overalledit(int t, std::uint8_t value);

// The overall number a box text holds: a decimal number, a fraction rounded half to
// even (2.5 gives 2, 3.5 gives 4), from 0 to 255; nothing for any other text.
std::optional<std::uint8_t> parseoverall(const std::string& text);

// Both names as stored, whatever their lengths; nothing when they run past the image.
std::optional<MenuNames> readmenunames(const Bytes& rom);

// The first of the two records (1 or 2) whose length byte is below 2, or 0.
int shortmenunamerecord(const Bytes& rom);

// Both records, or nothing when the names share more than 22 characters.
std::optional<Edit> menunamesedit(const MenuNames& names);

}  // namespace icevale
