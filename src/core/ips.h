#pragma once
// IPS patches. A patch is "PATCH", then records, then "EOF", then optionally a 3-byte
// big-endian length to which the patched image is cut. A record is a 3-byte big-endian
// image offset and a 2-byte big-endian size followed by that many bytes; size 0 marks a
// run instead: a 2-byte big-endian count and the one byte to repeat. Offsets are 24 bits,
// so images are limited to 16 MiB, and no record may start at 0x454F46, whose offset
// bytes read as "EOF".
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/result.h"

namespace icevale {

inline constexpr std::size_t kIpsMaxImage = 0x1000000;

// A patch that turns original into modified: changed stretches as records (runs of one
// byte as run records when that is shorter), bytes past the original's end as records,
// and the cut length when modified is shorter. Identical images give "PATCHEOF".
Result<std::vector<std::uint8_t>> createipspatch(const std::vector<std::uint8_t>& original,
                         const std::vector<std::uint8_t>& modified);

// The image with the patch applied; the image grows when a record writes past its end.
// A malformed patch is refused with the byte offset in the patch where it goes wrong.
Result<std::vector<std::uint8_t>> applyipspatch(const std::vector<std::uint8_t>& image,
                        const std::vector<std::uint8_t>& patch);

// The bytes an IPS patch's records write: from the lowest offset `first` to one past the
// highest written byte `end`; records == 0 when it has none. A malformed patch is read
// up to where it goes wrong (applying it is refused there).
struct IpsReach {
    std::size_t records = 0, first = 0, end = 0;
};
IpsReach ipsreach(const std::vector<std::uint8_t>& patch);

}  // namespace icevale
