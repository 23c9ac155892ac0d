#pragma once
// BPS patches. A patch is "BPS1", the source size, target size and metadata size as
// numbers, the metadata, the actions, and a footer of three little-endian CRC-32s: source,
// target, and the patch up to that last CRC. A number takes 7 bits per byte, low bits
// first, the high bit marking its last byte, and each byte after the first adds one
// unit of its place so that every value has one encoding. An action is a number holding
// (length - 1) << 2 | kind: SourceRead copies the source at the write position,
// TargetRead takes bytes from the patch, SourceCopy and TargetCopy copy from a read
// position in the source or the target written so far, moved first by a signed number
// (magnitude << 1 | sign). Images are limited to 16 MiB here.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/result.h"

namespace icevale {

inline constexpr std::size_t kBpsMaxImage = 0x1000000;

// The patch number that starts at bytes[at], read no further than end; at moves past it.
// None when it runs past end or past the longest number an image of this size needs.
std::optional<std::uint64_t> readbpsnumber(const std::vector<std::uint8_t>& bytes, std::size_t& at, std::size_t end);

// Appends value as a patch number (the 7-bit coding above).
void putbpsnumber(std::vector<std::uint8_t>& out, std::uint64_t value);

// A patch that turns source into target without metadata, written in one pass: bytes that
// match the source at the same position are read from it, the others are carried in the
// patch, and runs of one byte are copied from the target itself.
Result<std::vector<std::uint8_t>> createbpspatch(const std::vector<std::uint8_t>& source,
                         const std::vector<std::uint8_t>& target);

// The target the patch builds from source. Refuses a damaged patch (its CRC-32), a source
// of the wrong size or CRC-32, an action that reads or writes out of bounds, and a result
// whose CRC-32 is not the one the patch records.
Result<std::vector<std::uint8_t>> applybpspatch(const std::vector<std::uint8_t>& source,
                        const std::vector<std::uint8_t>& patch);

}  // namespace icevale
