#include "core/teamtext.h"

#include "core/imagebytes.h"

namespace icevale {

void readteamtext(Cartridge& cart)
{
    for (int t = 1; t <= kTeams; ++t) {
        std::size_t p = teamtextoffset[t];
        for (auto* table : {&cart.teamname, &cart.teamabbrev, &cart.teamnick, &cart.teamarena})
            (*table)[t] = readlengthtext(cart.RomImage, p);
    }
}

}  // namespace icevale
