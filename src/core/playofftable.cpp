#include "core/playofftable.h"

#include "core/imagebytes.h"

namespace icevale {
namespace {

bool validpage(int g) { return g >= 0 && g < kPlayoffPages; }

std::size_t slotoffset(int g, int i)
{
    return kPlayoffSlots + static_cast<std::size_t>(kPlayoffPageSlots * g + i);
}

}  // namespace

PlayoffPage readplayoffpage(const Cartridge& cart, int g)
{
    PlayoffPage page{};
    if (validpage(g)) {
        for (int i = 0; i < kPlayoffPageSlots; ++i)
            page[static_cast<std::size_t>(i)] = byteat(cart.RomImage, slotoffset(g, i));
    }
    return page;
}

void writeplayoffpage(Cartridge& cart, int g, const PlayoffPage& page)
{
    if (!validpage(g))
        return;
    for (int i = 0; i < kPlayoffPageSlots; ++i)
        putbyte(cart.RomImage, slotoffset(g, i), page[static_cast<std::size_t>(i)]);
}

std::uint8_t readplayoffcount(const Cartridge& cart) { return byteat(cart.RomImage, kPlayoffCount); }

void writeplayoffcount(Cartridge& cart, std::uint8_t count)
{
    putbyte(cart.RomImage, kPlayoffCount, count);
    putbyte(cart.RomImage, kPlayoffCountCopy, count);
}

}  // namespace icevale
