#pragma once
// What the benchmarks share: the sample image decoded as a load leaves it.
#include "shell/romfile.h"
#include "tools/sampleimage.h"

namespace icevale::bench {

inline Cartridge sampleCartridge()
{
    Cartridge cart;
    cart.RomImage = sample::makeSampleImage().bytes;
    decodeimage(cart);
    return cart;
}

}  // namespace icevale::bench
