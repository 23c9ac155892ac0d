#pragma once
// Moving the whole image between disk and the Cartridge: one read, one write, the
// file written in place and never truncated.
#include <string>

#include "shell/cartridge.h"

namespace icevale {

struct IoResult {
    bool ok = false;
    std::string message;  // names the file and the reason when !ok
};

// Reads the file whole, checks it and decodes the tables; on any failure the
// cartridge is left exactly as it was.
IoResult loadrom(Cartridge& cart, const std::string& filename);

// Writes all of RomImage from the start of the file; a longer file keeps its tail.
IoResult saverom(const Cartridge& cart, const std::string& filename);

}  // namespace icevale
