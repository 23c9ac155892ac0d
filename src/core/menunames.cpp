#include "core/menunames.h"

#include "core/imagebytes.h"
#include "core/locations.h"

namespace icevale {

MenuNames readmenunames(const Bytes& rom)
{
    std::size_t pos = kMenuNamesOffset;
    MenuNames names;
    names.first = readlengthtext(rom, pos);
    names.second = readlengthtext(rom, pos);
    return names;
}

bool writemenunames(Bytes& rom, const MenuNames& names)
{
    const std::size_t a = names.first.size();
    const std::size_t b = names.second.size();
    if (a + b > static_cast<std::size_t>(kMenuNamesBudget) || kMenuNamesOffset + a + b + 4 > rom.size())
        return false;
    std::size_t pos = kMenuNamesOffset;
    rom[pos] = static_cast<std::uint8_t>(a + 2);
    pos += 2;
    for (const char c : names.first)
        rom[pos++] = static_cast<std::uint8_t>(c);
    rom[pos++] = static_cast<std::uint8_t>(b + 2);
    rom[pos++] = 0;
    for (const char c : names.second)
        rom[pos++] = static_cast<std::uint8_t>(c);
    return true;
}

}  // namespace icevale
