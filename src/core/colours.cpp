#include "core/colours.h"

#include <algorithm>

namespace icevale {
namespace {

Rgb shifted(const Rgb& source, int by)
{
    return {std::clamp(source.red + by, 0, 31), std::clamp(source.green + by, 0, 31),
            std::clamp(source.blue + by, 0, 31)};
}

// A word whose stored colour is already `colour` keeps its bytes, so that showing a
// colour and storing it unchanged never clears a bit 15 the image holds.
void putword(Edit& edit, const Bytes& rom, std::size_t pos, const Rgb& colour)
{
    ColourBytes bytes = joincolorword(colour);
    if (const auto stored = readspan(rom, pos, 2); stored && splitcolorword((*stored)[0], (*stored)[1]) == colour)
        bytes = {(*stored)[0], (*stored)[1]};
    edit.put(pos, bytes.low);
    edit.put(pos + 1, bytes.high);
}

constexpr std::size_t kUniformWords = 2 * kUniformCells;

}  // namespace

Rgb splitcolorword(std::uint8_t low, std::uint8_t high)
{
    return {low & 31, (low >> 5) | ((high & 3) << 3), (high >> 2) & 31};
}

ColourBytes joincolorword(const Rgb& colour)
{
    const int red = colour.red & 31;
    const int green = colour.green & 31;
    const int blue = colour.blue & 31;
    return {static_cast<std::uint8_t>(((green & 7) << 5) | red), static_cast<std::uint8_t>((blue << 2) | (green >> 3))};
}

int screenintensity(int component)
{
    const int c = std::clamp(component, 0, 31);
    return c == 0 ? 0 : 8 * c - 1;
}

std::uint32_t colortoscreen(const Rgb& colour)
{
    return static_cast<std::uint32_t>(screenintensity(colour.blue)) << 16 |
           static_cast<std::uint32_t>(screenintensity(colour.green)) << 8 |
           static_cast<std::uint32_t>(screenintensity(colour.red));
}

std::size_t uniformcelloffset(int t, int homeflag, int cell)
{
    const std::size_t entry = homeflag == 0 ? awayuniformoffset[t] : homeuniformoffset[t];
    return entry + 4 + 2 * static_cast<std::size_t>(cell);
}

std::optional<UniformColours> readuniform(const Bytes& rom, int t, int homeflag)
{
    const auto words = readspan(rom, uniformcelloffset(t, homeflag, 0), kUniformWords);
    if (!words)
        return std::nullopt;
    UniformColours cells{};
    for (std::size_t k = 0; k < kUniformCells; ++k)
        cells[k] = splitcolorword((*words)[2 * k], (*words)[2 * k + 1]);
    return cells;
}

Edit uniformcelledit(const Bytes& rom, int t, int homeflag, int cell, const Rgb& colour)
{
    Edit edit;
    putword(edit, rom, uniformcelloffset(t, homeflag, cell), colour);
    return edit;
}

std::optional<Edit> flipuniformsedit(const Bytes& rom, int t)
{
    const std::size_t away = uniformcelloffset(t, 0, 0);
    const std::size_t home = uniformcelloffset(t, 1, 0);
    const auto awaywords = readspan(rom, away, kUniformWords);
    const auto homewords = readspan(rom, home, kUniformWords);
    if (!awaywords || !homewords)
        return std::nullopt;
    const Bytes awaycopy(awaywords->begin(), awaywords->end());
    Edit edit;
    edit.put(away, *homewords);
    edit.put(home, std::span<const std::uint8_t>(awaycopy));
    return edit;
}

bool readbannercolours(const Bytes& rom, int t, BannerColours& rows)
{
    const auto words = readspan(rom, banneroffset[t], 2 * kBannerCells);
    if (!words)
        return false;
    for (std::size_t k = 0; k < kBannerCells; ++k)
        rows[k + 1] = splitcolorword((*words)[2 * k], (*words)[2 * k + 1]);
    return true;
}

Edit bannercoloursedit(const Bytes& rom, int t, const BannerColours& rows)
{
    Edit edit;
    for (int i = 1; i <= kBannerCells; ++i)
        putword(edit, rom, banneroffset[t] + 2 * static_cast<std::size_t>(i - 1), rows[i]);
    return edit;
}

void blackout(BannerColours& rows) { std::fill(rows.begin() + 1, rows.end(), Rgb{}); }

void autocolor(BannerColours& rows)
{
    for (int i = 2; i <= 6; ++i)
        rows[i] = shifted(rows[1], i - 1);
    for (int i = 8; i <= 13; ++i)
        rows[i] = shifted(rows[7], -(i - 7));
}

}  // namespace icevale
