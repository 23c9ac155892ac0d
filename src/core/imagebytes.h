#pragma once
// Bounded access to RomImage: decoders read through these so that no length, count
// or pointer held in the image can take a read outside the array.
#include <cstdint>
#include <string>

#include "core/cartridge.h"

namespace icevale {

// The byte at pos, or 0 past the end of the image.
inline std::uint8_t byteat(const Bytes& rom, std::size_t pos) { return pos < rom.size() ? rom[pos] : 0; }

// Writes b at pos when pos lies inside the image; returns whether it did.
inline bool putbyte(Bytes& rom, std::size_t pos, std::uint8_t b)
{
    if (pos >= rom.size())
        return false;
    rom[pos] = b;
    return true;
}

// A length-prefixed record: L = characters + 2, a second header byte, the characters.
// Steps over exactly L bytes from pos (0 or 1 give an empty text), never reading past
// the image's end; pos ends L bytes further on.
std::string readlengthtext(const Bytes& rom, std::size_t& pos);

}  // namespace icevale
