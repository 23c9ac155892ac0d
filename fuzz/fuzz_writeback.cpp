// Unchanged write-back of a fuzzed image (see fuzzimage.h for the input): once the image
// decodes, every area's edit is built from what was decoded, as an editor window that
// is closed without a change would build it.
// Properties:
// - every edit built from values that were read fits the image;
// - where the health check finds an area sound (no problem for that area, or that area
//   and team), and for the areas it has no rule for (overall numbers, line-ups, colours,
//   playoffs, menu defaults), the writer gives an edit, and that edit writes the image's
//   own bytes back except exactly the documented normalisations, compared byte by byte
//   over every byte the edit writes:
//     the second header byte of each record the writer writes is 0 (team texts, player
//       records, the second menu name; the first menu name's is not written);
//     goalie marks are the canonical form of the count (the first `count` nibbles 1);
//     the copies of the playoff and selectable team counts hold the value read;
//   colour words (bit 15 included, since an unchanged word is left as stored), the
//   banner texts and their pointer table are compared exactly;
// - stored values survive the window conversions: jersey bytes, attribute nibbles and
//   menu default bytes come back from their box or list position unchanged.
#include <algorithm>

#include "core/bannertexts.h"
#include "core/colours.h"
#include "core/health.h"
#include "core/jersey.h"
#include "core/lineups.h"
#include "core/menudefaults.h"
#include "core/playerattributes.h"
#include "core/playoffs.h"
#include "core/romfile.h"
#include "core/rosters.h"
#include "core/storedchoice.h"
#include "core/teamtexts.h"
#include "fuzzimage.h"

namespace icevale::fuzz {
namespace {

void overlay(Bytes& out, const Span& span, const Edit& edit)
{
    for (const Edit::Write& w : edit.writes()) {
        if (w.offset >= span.begin && w.offset < span.end)
            std::copy(w.bytes.begin(), w.bytes.end(), out.begin() + static_cast<std::ptrdiff_t>(w.offset - span.begin));
    }
}

// Whether the edit writes the image's own bytes except where `normal` writes, and
// exactly normal's bytes there; `normal` may write only where the edit does.
bool writesback(const Bytes& rom, const Edit& edit, const Edit& normal)
{
    const std::vector<Span> spans = touchedspans(edit);
    for (const Edit::Write& w : normal.writes()) {
        if (std::none_of(spans.begin(), spans.end(),
                         [&](const Span& s) { return w.offset >= s.begin && w.offset + w.bytes.size() <= s.end; }))
            return false;
    }
    for (const Span& s : spans) {
        const auto from = rom.begin() + static_cast<std::ptrdiff_t>(s.begin);
        Bytes written(from, from + static_cast<std::ptrdiff_t>(s.end - s.begin));
        Bytes expected = written;
        overlay(written, s, edit);
        overlay(expected, s, normal);
        if (written != expected)
            return false;
    }
    return true;
}

struct Checker {
    const Cartridge& cart;
    std::vector<HealthProblem> problems = healthcheck(cart);

    bool sound(const char* area, int team = 0) const
    {
        return std::none_of(problems.begin(), problems.end(),
                            [&](const HealthProblem& p) { return p.area == area && p.team == team; });
    }

    void check(const std::optional<Edit>& edit, bool sound, const Edit& normal, const char* what, int team = 0) const
    {
        const auto failure = [&](const char* why) {
            violated(std::string(what) + (team > 0 ? " of team " + std::to_string(team) : std::string()) + ": " + why);
        };
        if (sound && !edit)
            failure("a sound area gives no edit");
        if (!edit)
            return;
        if (!editfits(*edit, cart.RomImage.size()))
            failure("the edit does not fit the image it was read from");
        if (sound && !writesback(cart.RomImage, *edit, normal))
            failure("the unchanged write-back differs from the image");
    }
};

// The second header byte of each of `count` records from pos, `gap` bytes apart, as 0.
Edit recordheaders(const Bytes& rom, std::size_t pos, int count, std::size_t gap)
{
    Edit normal;
    for (int k = 0; k < count; ++k) {
        const auto record = readrecord(rom, pos);
        if (!record)
            break;
        normal.put(pos + 1, std::uint8_t{0});
        pos = record->next + gap;
    }
    return normal;
}

Edit goaliemarks(int t, int count)
{
    std::uint8_t marks[2] = {};
    for (int k = 0; k < count; ++k)
        marks[k / 2] |= static_cast<std::uint8_t>(k % 2 == 0 ? 0x10 : 0x01);
    Edit normal;
    normal.put(teamoffset[t] + 1, std::span<const std::uint8_t>(marks));
    return normal;
}

void checkroster(const Checker& c, int t)
{
    const Cartridge& cart = c.cart;
    const bool sound = c.sound("rosters", t);
    c.check(rostercountedit(cart, t), true, {}, "roster count byte", t);
    const int goalies = cart.goaliecount[t];
    c.check(goaliemarksedit(cart, t), true, goalies >= 1 ? goaliemarks(t, goalies) : Edit{}, "goalie marks", t);
    c.check(rosterrecordsedit(cart, t), sound, recordheaders(cart.RomImage, rosteroffset[t], cart.playercount(t), 8),
            "roster records", t);
    for (int p = 1; p <= cart.playercount(t); ++p)
        expect(keptjersey(jerseytext(cart.playernum[p][t]), cart.playernum[p][t]) == cart.playernum[p][t],
               "a jersey byte survives its number box");
}

void checkteam(const Checker& c, int t)
{
    const Cartridge& cart = c.cart;
    const Bytes& rom = cart.RomImage;
    checkroster(c, t);
    c.check(teamtextedit(t, teamtexts(cart, t)), c.sound("team texts", t), recordheaders(rom, teamtextoffset[t], 4, 0),
            "team texts", t);
    if (const auto overall = readoverall(rom, t))
        c.check(overalledit(t, *overall), true, {}, "overall number", t);
    for (int l = 1; l <= kLines; ++l)
        c.check(lineedit(t, l, lineslots(cart, t, l)), true, {}, "line-up", t);
    for (int home = 0; home <= 1; ++home) {
        const auto cells = readuniform(rom, t, home);
        for (int k = 0; cells && k < kUniformCells; ++k)
            c.check(uniformcelledit(rom, t, home, k, (*cells)[static_cast<std::size_t>(k)]), true, {}, "uniform colour", t);
    }
    BannerColours rows{};
    if (readbannercolours(rom, t, rows))
        c.check(bannercoloursedit(rom, t, rows), true, {}, "banner colours", t);
}

void checkbanners(const Checker& c)
{
    const Cartridge& cart = c.cart;
    const bool sound = c.sound("banner texts");
    TeamTable<std::string> read, shown;
    for (int t = 1; t <= kTeams; ++t) {
        read[t] = readbannertext(cart, cart.RomImage, t);
        shown[t] = bannerboxtext(cart, cart.RomImage, t);
    }
    c.check(bannertextsedit(read), sound, {}, "banner texts as read");
    c.check(bannertextsedit(shown), sound, {}, "banner texts as shown");
    c.check(bannerpointersedit(cart), sound, {}, "banner pointer table");
}

void checkseason(const Checker& c)
{
    const Bytes& rom = c.cart.RomImage;
    for (int g = 0; g < kPlayoffPages; ++g) {
        if (const auto page = readplayoffpage(rom, g))
            c.check(playoffpageedit(g, *page), true, {}, "playoff page");
    }
    const auto copied = [](std::size_t copy, std::uint8_t value) {
        Edit normal;
        normal.put(copy, value);
        return normal;
    };
    if (const auto count = readplayoffcount(rom))
        c.check(playoffcountedit(*count), true, copied(kPlayoffCountCopy, *count), "playoff count");
    if (const auto count = readselectableteams(rom)) {
        c.check(selectableteamsedit(*count), true, copied(kSelectableTeamsCopy, *count), "selectable teams");
        expect(choicebyte(choiceposition(*count, kTeams, 1), *count, kTeams, 1) == *count,
               "a team count survives its list");
    }
    if (const auto fields = readmenufields(rom)) {
        c.check(menufieldsedit(*fields), true, {}, "menu defaults");
        for (int f = 1; f <= kMenuFields; ++f) {
            const std::uint8_t v = (*fields)[static_cast<std::size_t>(f)];
            expect(choicebyte(choiceposition(v, menufieldsize(f)), v, menufieldsize(f)) == v,
                   "a menu default survives its list");
        }
    }
    if (const auto names = readmenunames(rom)) {
        const std::size_t second = readrecord(rom, kMenuNamesOffset)->next;
        c.check(menunamesedit(*names), c.sound("menu names"), recordheaders(rom, second, 1, 0), "menu names");
    }
}

void checkgrid(const Cartridge& cart, int t)
{
    static Tables stored;
    RatingGrid grid{};
    loadgrid(cart, t, grid);
    storegrid(stored, t, grid);
    for (int q = 1; q <= 7; ++q) {
        for (int p = 1; p <= kMaxPlayers; ++p)
            expect(stored.playerattr[q][p][t] == cart.playerattr[q][p][t], "attribute bytes survive the rating grid");
    }
}

// Whether this run can differ from a run on its base image alone in what team t's checks
// read: the team block and the roster as far as it runs, the text block and the records
// past it, the colour words. Runs on a base image alone check every team; the others only
// these, which keeps the rate up.
bool touched(const ImagePlan& plan, const Cartridge& cart, int t)
{
    if (plan.pieces.empty() || plan.length < plan.base->size())
        return true;
    std::size_t textend = teamtextoffset[t];
    for (int k = 0; k < 4; ++k)
        textend = readrecord(cart.RomImage, textend)->next;
    const Span read[] = {
        {teamoffset[t] - 1, static_cast<std::size_t>(std::int64_t{teamtextoffset[t]} - cart.rosterbytesleft[t])},
        {teamtextoffset[t], std::max<std::size_t>(textend, teamtextoffset[t] + teamtextsize[t])},
        {awayuniformoffset[t], awayuniformoffset[t] + 32},
        {homeuniformoffset[t], homeuniformoffset[t] + 32},
        {banneroffset[t], banneroffset[t] + 2 * kBannerCells},
    };
    return std::any_of(plan.pieces.begin(), plan.pieces.end(), [&](const ImagePlan::Piece& p) {
        return std::any_of(std::begin(read), std::end(read),
                           [&](const Span& s) { return p.pos < s.end && s.begin < p.pos + p.bytes.size(); });
    });
}

}  // namespace
}  // namespace icevale::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace icevale::fuzz;
    FuzzInput in(data, size);
    const ImagePlan plan = planimage(in);
    icevale::Cartridge cart;
    const LentImage lent(cart.RomImage, poisonedimage(plan));
    if (!icevale::decodeimage(cart).empty())
        return 0;
    const Checker checker{cart};
    for (int t = 1; t <= icevale::kTeams; ++t) {
        if (touched(plan, cart, t)) {
            checkteam(checker, t);
            checkgrid(cart, t);
        }
    }
    checkbanners(checker);
    checkseason(checker);
    return 0;
}
