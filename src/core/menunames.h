#pragma once
// The two menu display names: two length-prefixed records back to back from 0xDC7E7
// (L = characters + 2, a second header byte, the characters), the second starting
// right after the first name's last character. They share 22 characters, so the two
// records take at most the 26 bytes from 0xDC7E7 on.
#include <string>

#include "core/cartridge.h"

namespace icevale {

inline constexpr int kMenuNamesBudget = 22;

struct MenuNames {
    std::string first, second;  // bytes of the single-byte character set

    bool operator==(const MenuNames&) const = default;
};

// Both names as stored, whatever their lengths; nothing outside the image is read.
MenuNames readmenunames(const Bytes& rom);

// Writes both records when the names share no more than 22 characters; returns whether
// it did. The first record's second header byte and the bytes after the second record
// are left alone.
bool writemenunames(Bytes& rom, const MenuNames& names);

}  // namespace icevale
