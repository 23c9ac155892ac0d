#include <algorithm>
#include <cstdio>

#include "core/colours.h"
#include "core/exchangevalues.h"
#include "core/imagediffer.h"
#include "core/lineups.h"
#include "core/playerattributes.h"
#include "core/rosterchanges.h"
#include "core/teamtexts.h"

namespace icevale::detail {
namespace {

// One past the last of `records` text records from pos, or `fallback` when they run out.
std::size_t recordsend(const Bytes& rom, std::size_t pos, int records, std::size_t fallback)
{
    for (int i = 0; i < records; ++i) {
        const auto record = readrecord(rom, pos);
        if (!record)
            return fallback;
        pos = record->next;
    }
    return pos;
}

std::string counts(const Tables& tables, int t)
{
    return std::to_string(tables.goaliecount[t]) + " G, " + std::to_string(tables.forwardcount[t]) + " F, " +
           std::to_string(tables.defensecount[t]) + " D";
}

std::string playertext(const Tables& tables, int t, int p)
{
    return quoted(tables.playername[p][t]) + " #" + numbertext(tables.playernum[p][t]);
}

std::string slot(const Tables& tables, int t, std::uint8_t byte)
{
    const int n = tables.playercount(t);
    const std::string text = slottext(byte, n);
    return byte >= 1 && byte <= n ? text + " " + quoted(tables.playername[byte][t]) : byte == 0 ? "empty" : text;
}

std::string word(const Bytes& rom, std::size_t pos)
{
    const Rgb c = splitcolorword(rom[pos], rom[pos + 1]);
    return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue) +
           (rom[pos + 1] & 0x80 ? " with bit 15 set" : "");
}

}  // namespace

std::string named(const Tables& tables, int t)
{
    const std::string ref = teamref(tables, t);
    return ref[0] == '#' ? "team " + std::to_string(t) : ref;
}

void Differ::team(int t)
{
    texts(t);
    roster(t);
    lines(t);
    colours(t);
}

void Differ::texts(int t)
{
    const std::string ref = named(a, t);
    const TeamTexts x = teamtexts(a, t), y = teamtexts(b, t);
    const std::pair<const char*, std::string TeamTexts::*> fields[] = {
        {"location", &TeamTexts::name}, {"abbreviation", &TeamTexts::abbrev}, {"nickname", &TeamTexts::nick},
        {"arena", &TeamTexts::arena}};
    bool any = false;
    for (const auto& [name, member] : fields)
        any = compare("team texts", t, ref + " " + name, quoted(x.*member), quoted(y.*member)) || any;
    const std::size_t block = teamtextoffset[t], fallback = block + teamtextsize[t];
    if (any)
        cover(block, std::max(recordsend(a.RomImage, block, 4, fallback), recordsend(b.RomImage, block, 4, fallback)));
    const auto overall = [&](const Cartridge& c) { return std::to_string(readoverall(c.RomImage, t).value_or(0)); };
    compare("teams", t, ref + " overall", overall(a), overall(b), teamoffset[t], teamoffset[t] + 1);
}

void Differ::roster(int t)
{
    const std::string ref = named(a, t);
    const std::size_t before = diff_.differences.size();
    compare("rosters", t, ref + " roster", counts(a, t), counts(b, t));
    players(t, ref);
    if (diff_.differences.size() == before)
        return;
    cover(teamoffset[t] - 1, teamoffset[t]);
    if (a.goaliecount[t] != b.goaliecount[t])
        cover(teamoffset[t] + 1, teamoffset[t] + 3);
    const auto end = [&](const Cartridge& c) {
        return static_cast<std::size_t>(std::clamp<std::int64_t>(std::int64_t{teamtextoffset[t]} - c.rosterbytesleft[t],
                                                                 rosteroffset[t], teamtextoffset[t]));
    };
    cover(rosteroffset[t], std::max(end(a), end(b)));
}

void Differ::players(int t, const std::string& ref)
{
    const int na = std::min(a.playercount(t), kMaxPlayers), nb = std::min(b.playercount(t), kMaxPlayers);
    for (int p = 1; p <= std::max(na, nb); ++p) {
        const std::string who = ref + " player " + std::to_string(p);
        if (p > na || p > nb) {
            compare("rosters", t, who, p > na ? "none" : playertext(a, t, p), p > nb ? "none" : playertext(b, t, p));
            continue;
        }
        compare("rosters", t, who + " role", roleletter(a, t, p - 1), roleletter(b, t, p - 1));
        compare("rosters", t, who + " name", quoted(a.playername[p][t]), quoted(b.playername[p][t]));
        compare("rosters", t, who + " number", numbertext(a.playernum[p][t]), numbertext(b.playernum[p][t]));
        for (int j = 1; j <= kColumns; ++j)
            compare("rosters", t, who + " " + columnkey(j), columntext(j, attrnibble(a, p, t, j)),
                    columntext(j, attrnibble(b, p, t, j)));
    }
}

void Differ::lines(int t)
{
    for (int l = 1; l <= kLines; ++l) {
        for (int s = 1; s <= kSlots; ++s) {
            comparebyte("line-ups", t, named(a, t) + " line " + kLineNames[l - 1] + " slot " + std::to_string(s),
                        lineslotoffset(t, l, s), slot(a, t, a.lineup[t][s][l]), slot(b, t, b.lineup[t][s][l]));
        }
    }
}

void Differ::colours(int t)
{
    const std::string ref = named(a, t);
    for (int h = 0; h <= 1; ++h) {
        for (int k = 0; k < kUniformCells; ++k) {
            const std::size_t at = uniformcelloffset(t, h, k);
            compare("uniforms", t, ref + (h == 0 ? " away" : " home") + " uniform " + uniformcellname(k),
                    word(a.RomImage, at), word(b.RomImage, at), at, at + 2);
        }
    }
    for (int k = 0; k < kBannerCells; ++k) {
        const std::size_t at = banneroffset[t] + 2 * static_cast<std::size_t>(k);
        compare("banner colours", t, ref + " banner colour " + std::to_string(k + 1), word(a.RomImage, at),
                word(b.RomImage, at), at, at + 2);
    }
}

}  // namespace icevale::detail
