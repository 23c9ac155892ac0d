#pragma once
// Whole-image expectations for writers: the image an edit gives, and the image a test
// expects, built from pieces of the original.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>

#include "core/imagebytes.h"

namespace icevale::test {

// `rom` with the edit applied; the test fails when the edit does not fit.
inline Bytes edited(Bytes rom, const Edit& edit)
{
    EXPECT_TRUE(applyedit(rom, edit)) << "the edit writes past the end of the image";
    return rom;
}

// `rom` with `bytes` laid over it from `at`.
inline Bytes overlaid(Bytes rom, std::size_t at, const Bytes& bytes)
{
    std::copy(bytes.begin(), bytes.end(), rom.begin() + static_cast<std::ptrdiff_t>(at));
    return rom;
}

// The bytes of a text, for writing image bytes as string literals ("\x04\0Ab"s).
inline Bytes bytesof(std::string_view text) { return Bytes(text.begin(), text.end()); }

inline Bytes slice(const Bytes& rom, std::size_t from, std::size_t to)
{
    return Bytes(rom.begin() + static_cast<std::ptrdiff_t>(from), rom.begin() + static_cast<std::ptrdiff_t>(to));
}

inline Bytes joined(std::initializer_list<Bytes> pieces)
{
    Bytes all;
    for (const Bytes& piece : pieces)
        all.insert(all.end(), piece.begin(), piece.end());
    return all;
}

}  // namespace icevale::test
