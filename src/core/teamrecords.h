#pragma once
// Writing a team's text block and overall number. The block at teamtextoffset(t) holds
// four length-prefixed records back to back (location name, abbreviation, nickname,
// arena): L = characters + 2, then 0, then the characters. With the four 2-byte headers
// they must fit teamtextsize(t) bytes; the bytes after the fourth record are never
// written. The overall number is the unsigned byte at teamoffset(t).
#include <cstdint>
#include <optional>
#include <string>

#include "core/cartridge.h"

namespace icevale {

struct TeamTexts {
    std::string name, abbrev, nick, arena;  // bytes of the single-byte character set

    bool operator==(const TeamTexts&) const = default;
};

// The four texts of team t as the shared tables hold them.
TeamTexts teamtexts(const Cartridge& cart, int t);

// Bytes of team t's block left free with texts of `characters` characters in all;
// negative when they do not fit.
std::int32_t teambytesleft(int t, std::int64_t characters);

// The typing limit of one box of a shared budget: its own length plus what is left,
// or only its own length when nothing is left.
int sharedlimit(std::int64_t left, std::int64_t ownlength);

// Writes the four records of team t into the image when they fit its block; returns
// whether it did (nothing is written otherwise).
bool writeteamtext(Bytes& rom, int t, const TeamTexts& texts);

// Replaces team t's texts in the shared tables and writes its records; a block the
// texts do not fit is left as it is, tables included. Returns whether it wrote.
bool saveteamtext(Cartridge& cart, int t, const TeamTexts& texts);

// The overall number a box text holds: a decimal number, a fraction rounded half to
// even (2.5 gives 2, 3.5 gives 4), from 0 to 255; nothing for any other text.
std::optional<std::uint8_t> parseoverall(const std::string& text);

void writeoverall(Bytes& rom, int t, std::uint8_t value);

}  // namespace icevale
