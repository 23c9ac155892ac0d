#include "core/uniform.h"

#include <utility>

#include "core/imagebytes.h"

namespace icevale {

std::size_t uniformentry(int t, int homeflag)
{
    return homeflag == 0 ? awayuniformoffset[t] : homeuniformoffset[t];
}

std::size_t uniformcelloffset(int t, int homeflag, int cell)
{
    return uniformentry(t, homeflag) + 4 + 2 * static_cast<std::size_t>(cell);
}

std::array<Rgb, kUniformCells> readuniform(const Bytes& rom, int t, int homeflag)
{
    std::array<Rgb, kUniformCells> cells{};
    if (t < 1 || t > kTeams)
        return cells;
    for (int k = 0; k < kUniformCells; ++k) {
        const std::size_t w = uniformcelloffset(t, homeflag, k);
        cells[k] = splitcolorword(byteat(rom, w), byteat(rom, w + 1));
    }
    return cells;
}

void storeuniformcell(Bytes& rom, int t, int homeflag, int cell, const Rgb& colour)
{
    if (t < 1 || t > kTeams || cell < 0 || cell >= kUniformCells)
        return;
    const std::size_t w = uniformcelloffset(t, homeflag, cell);
    const ColourBytes bytes = joincolorword(colour);
    putbyte(rom, w, bytes.low);
    putbyte(rom, w + 1, bytes.high);
}

void flipuniforms(Bytes& rom, int t)
{
    if (t < 1 || t > kTeams)
        return;
    const std::size_t away = uniformcelloffset(t, 0, 0);
    const std::size_t home = uniformcelloffset(t, 1, 0);
    for (std::size_t i = 0; i < 2 * kUniformCells; ++i) {
        if (away + i < rom.size() && home + i < rom.size())
            std::swap(rom[away + i], rom[home + i]);
    }
}

}  // namespace icevale
