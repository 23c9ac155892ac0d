#include "core/lineups.h"

#include <algorithm>

#include "core/jersey.h"

namespace icevale {

std::size_t lineslotoffset(int t, int l, int s)
{
    return teamoffset[t] + 3 + 8 * static_cast<std::size_t>(l - 1) + static_cast<std::size_t>(s - 1);
}

bool readlines(Tables& tables, const Bytes& rom)
{
    for (int t = 1; t <= kTeams; ++t) {
        if (!readlinesof(tables, rom, t))
            return false;
    }
    return true;
}

bool readlinesof(Tables& tables, const Bytes& rom, int t)
{
    for (int l = 1; l <= kLines; ++l) {
        const auto line = readspan(rom, lineslotoffset(t, l, 1), kSlots);
        if (!line)
            return false;
        for (int s = 1; s <= kSlots; ++s)
            tables.lineup[t][s][l] = (*line)[static_cast<std::size_t>(s - 1)];
    }
    return true;
}

LineSlots lineslots(const Tables& tables, int t, int l)
{
    LineSlots line{};
    for (int s = 1; s <= kSlots; ++s)
        line[s] = tables.lineup[t][s][l];
    return line;
}

Edit lineedit(int t, int l, const LineSlots& line)
{
    Edit edit;
    for (int s = 1; s <= kSlots; ++s)
        edit.put(lineslotoffset(t, l, s), line[s]);
    return edit;
}

std::vector<std::string> slotentries(const Tables& tables, int t)
{
    const int n = std::min(tables.playercount(t), kMaxPlayers);
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(n) + 1);
    entries.emplace_back(" ");
    for (int k = 1; k <= n; ++k)
        entries.push_back(tables.playername[k][t] + " #" + jerseytext(tables.playernum[k][t]));
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
