#include "core/lineup.h"

#include <algorithm>

#include "core/imagebytes.h"

namespace icevale {
namespace {

std::string hexdigits(std::uint8_t value)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    if (value >= 16)
        text.push_back(kDigits[value >> 4]);
    text.push_back(kDigits[value & 15]);
    return text;
}

}  // namespace

std::size_t lineslotoffset(int t, int l, int s)
{
    return teamoffset[t] + 3 + 8 * static_cast<std::size_t>(l - 1) + static_cast<std::size_t>(s - 1);
}

LineSlots lineslots(const Cartridge& cart, int t, int l)
{
    LineSlots line{};
    for (int s = 1; s <= kSlots; ++s)
        line[s] = cart.lineup[t][s][l];
    return line;
}

void storeline(Cartridge& cart, int t, int l, const LineSlots& line)
{
    for (int s = 1; s <= kSlots; ++s) {
        cart.lineup[t][s][l] = line[s];
        putbyte(cart.RomImage, lineslotoffset(t, l, s), line[s]);
    }
}

std::vector<std::string> slotentries(const Cartridge& cart, int t)
{
    const int n = std::min(cart.playercount(t), kMaxPlayers);
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(n) + 1);
    entries.emplace_back(" ");
    for (int k = 1; k <= n; ++k)
        entries.push_back(cart.playername[k][t] + " #" + hexdigits(cart.playernum[k][t]));
    return entries;
}

std::string offrosterentry(std::uint8_t slot)
{
    return "(player " + std::to_string(slot) + ": not on roster)";
}

std::uint8_t slotbyte(int position, int players, std::uint8_t stored)
{
    return position >= 0 && position <= players ? static_cast<std::uint8_t>(position) : stored;
}

}  // namespace icevale
