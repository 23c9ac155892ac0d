// Random valid images: every value is drawn from the whole range the format allows, with
// the edges of each range (full areas, empty texts, extreme counts) and the stored values
// that no window can show turning up often enough that a few hundred seeds meet them all.
#include <algorithm>

#include "tools/samplebuild.h"

namespace icevale::sample::detail {
namespace {

constexpr int kBannerTextChars = static_cast<int>(kBannerTextSize) - kTeams;  // one separator each

std::uint8_t byte(int v) { return static_cast<std::uint8_t>(v); }

// lo or hi a third of the time, so that the ends of a range are met.
int edgy(Rng& rng, int lo, int hi)
{
    switch (rng.below(6)) {
    case 0: return lo;
    case 1: return hi;
    default: return rng.between(lo, hi);
    }
}

// Any byte a text box can hold and the character set can show: never 0.
std::string randomtext(Rng& rng, int length)
{
    std::string text;
    for (int i = 0; i < length; ++i)
        text.push_back(static_cast<char>(rng.between(0x20, 0xFF)));
    return text;
}

// `parts` lengths of at most `cap` each that add up to exactly `total` (<= parts * cap);
// now and then one part takes all it can, so single long texts occur too.
std::vector<int> splitexactly(Rng& rng, int total, int parts, int cap)
{
    std::vector<int> lengths(static_cast<std::size_t>(parts), 0);
    int left = total;
    if (rng.chance(25)) {
        int& one = lengths[static_cast<std::size_t>(rng.below(parts))];
        one = std::min(cap, left);
        left -= one;
    }
    while (left > 0) {
        int& part = lengths[static_cast<std::size_t>(rng.below(parts))];
        const int add = std::min({left, cap - part, rng.between(1, 8)});
        part += add;
        left -= add;
    }
    return lengths;
}

// Counts any sequence of the role buttons can reach: 1..4 goalies, 1..15 forwards and
// defencemen, at most 25 players, a full roster or a nearly empty one often.
void choosecounts(Rng& rng, Team& team)
{
    const int kind = rng.below(5);
    const int n = kind == 0 ? kMaxPlayers : kind == 1 ? rng.between(3, 5) : rng.between(3, kMaxPlayers);
    team.goalies = edgy(rng, 1, std::min(4, n - 2));
    team.forwards = edgy(rng, std::max(1, n - team.goalies - 15), std::min(15, n - team.goalies - 1));
    team.defence = n - team.goalies - team.forwards;
}

// Name lengths using the whole roster area, very little of it, or anything between.
std::vector<int> namelengths(Rng& rng, int t, int n)
{
    const int budget = static_cast<int>(teamtextoffset[t] - rosteroffset[t]) - 2 - 10 * n;
    const int kind = rng.below(3);
    if (kind == 0 && budget <= n * kMaxTextLength)
        return splitexactly(rng, budget, n, kMaxTextLength);
    if (kind == 1) {
        std::vector<int> lengths;
        for (int p = 0; p < n; ++p)
            lengths.push_back(rng.below(4));
        return lengths;
    }
    return splitexactly(rng, rng.below(std::min(budget, n * kMaxTextLength) + 1), n, kMaxTextLength);
}

std::uint8_t jerseybyte(Rng& rng)
{
    if (!rng.chance(12)) {
        const int tens = rng.below(10);  // drawn first: the order of operands is the compiler's
        return byte(16 * tens + rng.below(10));
    }
    int b = 0;
    do
        b = rng.below(256);
    while (b / 16 < 10 && b % 16 < 10);
    return byte(b);
}

// Column 1 (weight) shows all 16 nibbles; column 8 (hand) holds 0 or 1, which is all the
// editor writes there; every other column shows 0..6 only.
int attributenibble(Rng& rng, int column)
{
    if (column == 1)
        return rng.below(16);
    if (column == 8)
        return rng.below(2);
    return rng.chance(6) ? rng.between(7, 15) : rng.below(7);
}

void chooseroster(Rng& rng, Team& team, int t)
{
    choosecounts(rng, team);
    const int n = team.goalies + team.forwards + team.defence;
    for (const int length : namelengths(rng, t, n)) {
        Player p;
        p.name = randomtext(rng, length);
        p.number = jerseybyte(rng);
        for (int q = 1; q <= 7; ++q) {
            const int high = attributenibble(rng, 2 * q - 1);
            p.attr[q] = byte(16 * high + attributenibble(rng, 2 * q));
        }
        team.players.push_back(p);
    }
    for (int l = 1; l <= kLines; ++l) {
        for (int s = 1; s <= kSlots; ++s)
            team.lines[l][s] = byte(rng.chance(6) ? rng.between(n + 1, 255) : rng.below(n + 1));
    }
}

void chooseteamtexts(Rng& rng, Team& team, int t)
{
    const int room = teamtextsize[t] - 8;
    const int kind = rng.below(6);
    const int total = kind < 2 ? room : kind == 2 ? 0 : rng.below(room + 1);
    const std::vector<int> lengths = splitexactly(rng, total, 4, kMaxTextLength);
    team.name = randomtext(rng, lengths[0]);
    team.abbrev = randomtext(rng, lengths[1]);
    team.nick = randomtext(rng, lengths[2]);
    team.arena = randomtext(rng, lengths[3]);
}

std::uint16_t colourword(Rng& rng)
{
    const std::uint32_t unused = rng.chance(8) ? 0x8000u : 0u;
    return static_cast<std::uint16_t>((rng.next() & 0x7FFFu) | unused);
}

// A count byte of 0 (none set), 1..28, or one no list holds.
std::uint8_t countbyte(Rng& rng)
{
    const int kind = rng.below(6);
    return byte(kind == 0 ? 0 : kind == 1 ? rng.between(29, 255) : rng.between(1, 28));
}

void chooseseason(SampleImage& img, Rng& rng)
{
    for (auto& slot : img.playoffslots)
        slot = byte(rng.chance(8) ? rng.between(29, 255) : rng.below(29));
    img.playoffcount = countbyte(rng);
    img.selectableteams = countbyte(rng);
    for (std::size_t i = 0; i < img.menudefaults.size(); ++i) {
        const int size = menufieldsize(static_cast<int>(i) + 1);
        img.menudefaults[i] = byte(rng.chance(25) ? rng.between(size, 255) : rng.below(size));
    }
    const int total = rng.chance(35) ? 22 : rng.below(23);
    const int first = edgy(rng, 0, total);
    img.menuname1 = randomtext(rng, first);
    img.menuname2 = randomtext(rng, total - first);
}

}  // namespace

void choosevaried(SampleImage& img, Rng& rng)
{
    for (int t = 1; t <= kTeams; ++t) {
        Team& team = img.teams[t];
        team.overall = byte(rng.below(256));
        chooseroster(rng, team, t);
        chooseteamtexts(rng, team, t);
        for (auto& w : team.away)
            w = colourword(rng);
        for (auto& w : team.home)
            w = colourword(rng);
        for (auto& w : team.bannercolours)
            w = colourword(rng);
    }
    const int used = rng.chance(50) ? kBannerTextChars : rng.below(kBannerTextChars);
    const std::vector<int> lengths = splitexactly(rng, used, kTeams, kBannerTextChars);
    for (int t = 1; t <= kTeams; ++t)
        img.teams[t].banner = randomtext(rng, lengths[static_cast<std::size_t>(t - 1)]);
    chooseseason(img, rng);
}

}  // namespace icevale::sample::detail
