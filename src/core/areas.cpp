#include "core/areas.h"

#include <algorithm>

#include "core/bannertexts.h"
#include "core/lineups.h"
#include "core/menudefaults.h"
#include "core/playoffs.h"
#include "core/rosters.h"
#include "core/teamtexts.h"

namespace icevale {
namespace {

constexpr std::size_t kUniformEntry = 32;
constexpr std::size_t kBannerWords = 2 * 14;
// Two records of at most 255 bytes each.
constexpr std::size_t kMenuNamesReach = 2 * 255;

// The spans sorted by their start, with the furthest end reached up to each of
// them, so that whether a place meets one of them is two searches.
class SortedSpans {
public:
    explicit SortedSpans(std::vector<Span> spans) : spans_(std::move(spans))
    {
        std::sort(spans_.begin(), spans_.end(), [](const Span& a, const Span& b) { return a.begin < b.begin; });
        std::size_t reach = 0;
        for (const Span& s : spans_)
            reach_.push_back(reach = std::max(reach, s.end));
    }

    bool meets(std::size_t begin, std::size_t end) const
    {
        if (begin >= end)
            return false;
        // The spans that start before `end`; one of them meets [begin, end) when
        // the furthest of their ends lies past `begin`.
        const auto starts = std::lower_bound(spans_.begin(), spans_.end(), end,
                                             [](const Span& s, std::size_t at) { return s.begin < at; });
        const auto count = static_cast<std::size_t>(starts - spans_.begin());
        return count > 0 && reach_[count - 1] > begin;
    }

private:
    std::vector<Span> spans_;
    std::vector<std::size_t> reach_;
};

}  // namespace

Scope wholeimage()
{
    Scope scope{kAllAreas, {}};
    scope.teams.set();
    scope.teams.reset(0);
    return scope;
}

AreaSpans areaspans(Area a, int t)
{
    switch (a) {
    case Area::TeamText:
        return {{teamtextoffset[t], teamtextoffset[t] + teamtextsize[t]}};
    case Area::Overall:
        return {{teamoffset[t], teamoffset[t] + 1}};
    case Area::Roster:
        return {{teamoffset[t] - 1, teamoffset[t]},
                {teamoffset[t] + 1, teamoffset[t] + 3},
                {rosteroffset[t], teamtextoffset[t]}};
    case Area::Lineup:
        return {{lineslotoffset(t, 1, 1), lineslotoffset(t, kLines, kSlots) + 1}};
    case Area::BannerText:
        return {{kBannerPointerTable, kBannerTextArea + kBannerTextSize}};
    case Area::BannerColour:
        return {{banneroffset[t], banneroffset[t] + kBannerWords}};
    case Area::Uniform:
        return {{awayuniformoffset[t], awayuniformoffset[t] + kUniformEntry},
                {homeuniformoffset[t], homeuniformoffset[t] + kUniformEntry}};
    case Area::Playoff:
        return {{kPlayoffSlots, kPlayoffSlots + kPlayoffPages * kPlayoffPageSlots},
                {kPlayoffCount, kPlayoffCount + 1},
                {kPlayoffCountCopy, kPlayoffCountCopy + 1}};
    case Area::MenuDefault:
        return {{kMenuDefaults, kMenuDefaults + 2 * (kMenuFields - 1) + 1},
                {kSelectableTeamsCopy, kSelectableTeams + 1}};
    case Area::MenuName:
        return {{kMenuNamesOffset, kMenuNamesOffset + kMenuNamesReach}};
    }
    return {};
}

std::size_t textsreadend(const Bytes& rom, int t)
{
    std::size_t pos = teamtextoffset[t], end = pos;
    for (int record = 0; record < 4; ++record) {
        if (pos >= rom.size())
            return rom.size();
        // A record reads its length byte at least, and as many bytes as it says.
        end = std::max({end, pos + 1, pos + rom[pos]});
        pos += rom[pos];
    }
    return std::min(end, rom.size());
}

std::size_t rosterreadend(const Bytes& rom, int t)
{
    const auto head = readspan(rom, teamoffset[t] - 1, 4);
    if (!head)
        return rom.size();
    const int count = ((*head)[0] >> 4) + ((*head)[0] & 15) + countgoaliemarks((*head)[2], (*head)[3]);
    std::size_t pos = rosteroffset[t], end = pos;
    for (int p = 1; p <= std::min(count, kMaxPlayers); ++p) {
        if (pos >= rom.size())
            return rom.size();
        const std::size_t next = pos + rom[pos];
        end = std::max({end, pos + 1, next + 8});  // the jersey byte and seven attribute bytes
        pos = next + 8;
    }
    return std::min(end, rom.size());
}

Scope touchedscope(const std::vector<Span>& spans, const ReadEnds& ends)
{
    const SortedSpans sorted(spans);
    Scope scope;
    for (const Area a : kEveryArea) {
        const int last = perteam(a) ? kTeams : 1;
        for (int t = 1; t <= last; ++t) {
            const AreaSpans places = areaspans(a, t);
            bool met =
                std::any_of(places.begin(), places.end(), [&](const Span& s) { return sorted.meets(s.begin, s.end); });
            if (a == Area::TeamText)
                met = met || sorted.meets(teamtextoffset[t], ends.texts[t]);
            else if (a == Area::Roster)
                met = met || sorted.meets(rosteroffset[t], ends.rosters[t]);
            if (!met)
                continue;
            scope.areas |= a;
            if (perteam(a))
                scope.teams.set(static_cast<std::size_t>(t));
        }
    }
    return scope;
}

}  // namespace icevale
