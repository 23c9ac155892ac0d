#pragma once
// The single-byte character set of the image texts: Windows-1252, with the five
// unassigned bytes mapped to the C1 controls of the same value so that every byte
// value has its own character and any byte read is written back unchanged.
#include <cstdint>
#include <optional>

namespace icevale {

char16_t bytetochar(std::uint8_t b);

// The byte of a character, or nothing when the character has no code in the set.
std::optional<std::uint8_t> chartobyte(char16_t c);

}  // namespace icevale
