#include "core/bannercolours.h"

#include <algorithm>

#include "core/imagebytes.h"

namespace icevale {
namespace {

Rgb shifted(const Rgb& source, int by)
{
    return {std::clamp(source.red + by, 0, 31), std::clamp(source.green + by, 0, 31),
            std::clamp(source.blue + by, 0, 31)};
}

}  // namespace

void readbannercolours(const Bytes& rom, int t, BannerColours& rows)
{
    if (t < 1 || t > kTeams)
        return;
    for (int k = 0; k < kBannerCells; ++k) {
        const std::size_t w = banneroffset[t] + 2 * static_cast<std::size_t>(k);
        rows[k + 1] = splitcolorword(byteat(rom, w), byteat(rom, w + 1));
    }
}

void storebannercolours(Bytes& rom, int t, const BannerColours& rows)
{
    if (t < 1 || t > kTeams)
        return;
    for (int i = 1; i <= kBannerCells; ++i) {
        const std::size_t w = banneroffset[t] + 2 * static_cast<std::size_t>(i - 1);
        const ColourBytes bytes = joincolorword(rows[i]);
        putbyte(rom, w, bytes.low);
        putbyte(rom, w + 1, bytes.high);
    }
}

void blackout(BannerColours& rows)
{
    std::fill(rows.begin() + 1, rows.end(), Rgb{});
}

void autocolor(BannerColours& rows)
{
    for (int i = 2; i <= 6; ++i)
        rows[i] = shifted(rows[1], i - 1);
    for (int i = 8; i <= 13; ++i)
        rows[i] = shifted(rows[7], -(i - 7));
}

}  // namespace icevale
