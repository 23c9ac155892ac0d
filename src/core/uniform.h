#pragma once
// Uniform colours: every team has an away entry (awayuniformoffset) and a home entry
// (homeuniformoffset) of 32 bytes. Cells 0..10 are the colour words 2..12 of an entry:
// cell k has its low byte at entry + 4 + 2k and its high byte at entry + 5 + 2k. Bytes
// 0-3 and 26-31 of an entry are never read or written.
#include <array>
#include <cstddef>

#include "core/colorword.h"
#include "core/cartridge.h"

namespace icevale {

inline constexpr int kUniformCells = 11;

// homeflag 0 is the away uniform, 1 the home uniform.
std::size_t uniformentry(int t, int homeflag);
std::size_t uniformcelloffset(int t, int homeflag, int cell);

// The components of cells 0..10 of team t's uniform.
std::array<Rgb, kUniformCells> readuniform(const Bytes& rom, int t, int homeflag);

// Writes one cell's word; nothing else of the entry is touched.
void storeuniformcell(Bytes& rom, int t, int homeflag, int cell, const Rgb& colour);

// Exchanges the eleven edited words of team t's away and home entries, bytes as they
// stand (bit 15 included).
void flipuniforms(Bytes& rom, int t);

}  // namespace icevale
