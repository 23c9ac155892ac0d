#pragma once
// Moving the whole image between disk and the Cartridge: one read, one write, the
// file written in place and never truncated.
#include <string>

#include "core/cartridge.h"

namespace icevale {

struct IoResult {
    bool ok = false;
    std::string message;  // names the file and the reason when !ok
};

// Decodes the team texts, rosters and line-ups of cart.RomImage into the tables, in
// that order. Returns an empty text, or why the image cannot be held (the tables are
// then partly filled and must be discarded).
std::string decodeimage(Cartridge& cart);

// Reads the file whole, checks it and decodes the tables; on any failure the
// cartridge is left exactly as it was.
IoResult loadrom(Cartridge& cart, const std::string& filename);

// Writes all of RomImage from the start of the file; a longer file keeps its tail.
IoResult saverom(const Cartridge& cart, const std::string& filename);

}  // namespace icevale
