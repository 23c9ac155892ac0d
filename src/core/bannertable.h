#pragma once
// Banner texts: 28 texts in team order in the 261-byte area at 0xE1881, each followed
// by one separator byte, located by a table of 28 two-byte pointers at 0xE1849. A
// pointer is the game's address of the text: low byte = low byte of the file offset F,
// high byte 0x96 below 0xE1900 and 0x97 from there on; one past the area is 0x9786.
#include <array>
#include <string>

#include "core/cartridge.h"

namespace icevale {

// Fills bannertextlen(1..28) from the pointer table. Returns whether the table is
// usable: every length 0 or more and all texts with their separators within the area.
bool readbannerlengths(Cartridge& cart);

// Rewrites the pointer table from bannertextlen, texts packed from 0xE1881.
void writebannerpointers(Cartridge& cart);

// File offset of team t's text: 0xE1881 + the sum of (bannertextlen(u) + 1), u < t.
std::int64_t bannertextstart(const Cartridge& cart, int t);

// The bytes of team t's text as far as they lie inside the area; a negative length or
// a start outside the area gives an empty text. Nothing outside the area is read.
std::string readbannertext(const Cartridge& cart, int t);

// Team t's text as the banner text window shows it: readbannertext without its zero
// bytes, which a text box cannot hold.
std::string bannerboxtext(const Cartridge& cart, int t);

// Bytes the texts take with one separator each.
std::int64_t bannerbytesused(const TeamTable<std::string>& texts);

// Packs texts(1..28) from 0xE1881, each followed by a 0, zero-fills the rest of the
// area, sets bannertextlen to their lengths and rebuilds the pointer table. Texts that
// do not fit the area are refused: nothing is written and false is returned.
bool writebannertexts(Cartridge& cart, const TeamTable<std::string>& texts);

}  // namespace icevale
