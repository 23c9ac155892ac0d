#include "core/menudefaults.h"

#include "core/imagebytes.h"

namespace icevale {
namespace {

bool validfield(int f) { return f >= 1 && f <= kMenuFields; }

std::size_t fieldoffset(int f) { return kMenuDefaults + 2 * static_cast<std::size_t>(f - 1); }

}  // namespace

std::uint8_t readmenufield(const Cartridge& cart, int f)
{
    return validfield(f) ? byteat(cart.RomImage, fieldoffset(f)) : 0;
}

void writemenufield(Cartridge& cart, int f, std::uint8_t value)
{
    if (validfield(f))
        putbyte(cart.RomImage, fieldoffset(f), value);
}

std::uint8_t readselectableteams(const Cartridge& cart) { return byteat(cart.RomImage, kSelectableTeams); }

void writeselectableteams(Cartridge& cart, std::uint8_t count)
{
    putbyte(cart.RomImage, kSelectableTeams, count);
    putbyte(cart.RomImage, kSelectableTeamsCopy, count);
}

}  // namespace icevale
