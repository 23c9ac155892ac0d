#pragma once
// The areas of the image as the editors see them, and which bytes belong to
// each: the one place that says which area (and which team's) a changed byte
// range touched. The document re-decodes the decoded areas a change touched and
// names the touched areas to its listeners, so a window shows an area again
// only when its bytes changed.
#include <array>
#include <bitset>
#include <initializer_list>
#include <cstddef>
#include <vector>

#include "core/cartridge.h"

namespace icevale {

enum class Area : unsigned {
    TeamText = 1u << 0,      // per team: location name, abbreviation, nickname, arena
    Overall = 1u << 1,       // per team: the overall number
    Roster = 1u << 2,        // per team: count byte, goalie marks, player records
    Lineup = 1u << 3,        // per team: the eight lines' slots
    BannerText = 1u << 4,    // the pointer table and the text area
    BannerColour = 1u << 5,  // per team: the fourteen banner words
    Uniform = 1u << 6,       // per team: the away and home entries
    Playoff = 1u << 7,       // the slot pages and the team count
    MenuDefault = 1u << 8,   // the seven fields and the selectable team count
    MenuName = 1u << 9,      // the two menu display names
};

// A set of areas.
class Areas {
public:
    constexpr Areas() = default;
    constexpr Areas(Area a) : bits_(static_cast<unsigned>(a)) {}

    constexpr bool has(Area a) const { return (bits_ & static_cast<unsigned>(a)) != 0; }
    constexpr bool any(Areas other) const { return (bits_ & other.bits_) != 0; }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr Areas operator|(Areas other) const { return frombits(bits_ | other.bits_); }
    constexpr Areas& operator|=(Areas other) { return *this = *this | other; }
    constexpr bool operator==(const Areas&) const = default;

private:
    static constexpr Areas frombits(unsigned bits)
    {
        Areas a;
        a.bits_ = bits;
        return a;
    }
    unsigned bits_ = 0;
};

constexpr Areas operator|(Area a, Area b) { return Areas(a) | Areas(b); }

inline constexpr Area kEveryArea[] = {Area::TeamText,    Area::Overall,      Area::Roster,  Area::Lineup,
                                      Area::BannerText,  Area::BannerColour, Area::Uniform, Area::Playoff,
                                      Area::MenuDefault, Area::MenuName};
inline constexpr Areas kAllAreas = Area::TeamText | Area::Overall | Area::Roster | Area::Lineup | Area::BannerText |
                                   Area::BannerColour | Area::Uniform | Area::Playoff | Area::MenuDefault |
                                   Area::MenuName;

// Whether the area is held per team (teams 1..28) or once for the whole image.
constexpr bool perteam(Area a)
{
    return !(a == Area::BannerText || a == Area::Playoff || a == Area::MenuDefault || a == Area::MenuName);
}

using TeamSet = std::bitset<kTeams + 1>;  // [t], t = 1..28

// What a change touched: the areas, and the teams whose per-team areas it
// touched.
struct Scope {
    Areas areas;
    TeamSet teams;

    bool operator==(const Scope&) const = default;
};

// Every area of every team.
Scope wholeimage();

// The fixed places of one area: at most three spans, held without allocating, as the
// document looks them up for every area of every team at each change.
class AreaSpans {
public:
    AreaSpans(std::initializer_list<Span> spans)
    {
        for (const Span& s : spans)
            spans_[count_++] = s;
    }
    const Span* begin() const { return spans_.data(); }
    const Span* end() const { return spans_.data() + count_; }

private:
    std::array<Span, 3> spans_{};
    std::size_t count_ = 0;
};

// The fixed places of area `a` of team t (t is ignored for an area held once).
AreaSpans areaspans(Area a, int t);

// How far the records of each team's texts and roster were read: in a damaged
// image they may run past their blocks, and then bytes past the block also feed
// the tables. A place of 0 adds nothing to the fixed places.
struct ReadEnds {
    TeamTable<std::size_t> texts{}, rosters{};
};

// One past the last byte the decoding of team t's texts reads (the four
// records, as their length bytes say; as far as the image reaches when they run
// past it).
std::size_t textsreadend(const Bytes& rom, int t);
// The same for the player records of team t's roster, counted by its count
// bytes.
std::size_t rosterreadend(const Bytes& rom, int t);

// The areas and teams whose places (fixed, or read as `ends` says) meet one of
// the spans.
Scope touchedscope(const std::vector<Span>& spans, const ReadEnds& ends = {});

}  // namespace icevale
