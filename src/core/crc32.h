#pragma once
// CRC-32 as IEEE 802.3, zlib and PNG define it: reflected polynomial 0xEDB88320, initial
// value and final XOR 0xFFFFFFFF. "123456789" gives 0xCBF43926.
#include <cstddef>
#include <cstdint>
#include <span>

namespace icevale {

// CRC-32 of data. Pass the CRC of the bytes before to continue over several pieces:
// crc32(b, crc32(a)) equals the CRC of a followed by b.
std::uint32_t crc32(std::span<const std::uint8_t> data, std::uint32_t previous = 0);

}  // namespace icevale
