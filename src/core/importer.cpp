#include "core/importer.h"

#include <algorithm>

#include "core/bannertexts.h"
#include "core/lineups.h"
#include "core/rosters.h"
#include "core/teamtexts.h"

namespace icevale {
namespace {

struct Step {
    Edit edit;
    std::string name;
};

class Importer {
public:
    explicit Importer(const Cartridge& cart) : cart_(cart), rom_(cart.RomImage), work_(cart) {}

    void team(const TeamInput& in);
    void bannertexts(const std::vector<TeamInput>& teams);
    void season(const SeasonInput& in);

    std::vector<ImportProblem> problems;
    std::vector<Step> steps;

private:
    void problem(const std::string& place, const std::string& text) { problems.push_back({place, text}); }
    void step(const Edit& edit, const std::string& name)
    {
        if (editchanges(rom_, edit))
            steps.push_back({edit, name});
    }
    std::string ref(int t) const { return teamref(cart_, t); }
    void texts(const TeamInput& in);
    void roster(const TeamInput& in);
    bool counts(const TeamInput& in, int g, int f, int d);
    void players(const TeamInput& in, const std::vector<const PlayerInput*>& order);
    bool rosterchanged(int t) const;
    void lines(const TeamInput& in);
    void colours(const TeamInput& in);
    void menunames(const SeasonInput& in);

    const Cartridge& cart_;
    const Bytes& rom_;
    Tables work_;
};

void Importer::team(const TeamInput& in)
{
    texts(in);
    if (in.overall)
        step(overalledit(in.team, *in.overall), "Overall number of " + ref(in.team));
    roster(in);
    lines(in);
    colours(in);
}

void Importer::texts(const TeamInput& in)
{
    const int t = in.team;
    const TeamTexts now = teamtexts(cart_, t);
    const TeamTexts next{in.name.value_or(now.name), in.abbrev.value_or(now.abbrev), in.nick.value_or(now.nick),
                         in.arena.value_or(now.arena)};
    if (next == now)
        return;
    const auto edit = teamtextedit(t, next);
    if (!edit) {
        const auto chars = next.name.size() + next.abbrev.size() + next.nick.size() + next.arena.size();
        problem(in.place, ref(t) + ": the four texts need " + std::to_string(-textblockfree(t, static_cast<std::int64_t>(chars))) +
                              " bytes more than the team's text block of " + std::to_string(teamtextsize[t]) + " bytes holds");
        return;
    }
    step(*edit, "Team texts of " + ref(t));
}

bool Importer::counts(const TeamInput& in, int g, int f, int d)
{
    const std::size_t before = problems.size();
    const auto check = [&](int count, int most, const char* role) {
        if (count < 1 || count > most)
            problem(in.place, ref(in.team) + ": " + std::to_string(count) + " " + role + "; the player editor allows 1 to " +
                                  std::to_string(most));
    };
    check(g, 4, "goalies");
    check(f, 15, "forwards");
    check(d, 15, "defencemen");
    if (g + f + d > kMaxPlayers)
        problem(in.place, ref(in.team) + ": " + std::to_string(g + f + d) + " players; a roster holds at most 25");
    return problems.size() == before;
}

void Importer::roster(const TeamInput& in)
{
    if (!in.players)
        return;
    std::vector<const PlayerInput*> order;
    for (const char role : {'G', 'F', 'D'}) {
        for (const PlayerInput& p : *in.players) {
            if (p.role == role)
                order.push_back(&p);
        }
    }
    const auto count = [&](char role) {
        return static_cast<int>(std::count_if(order.begin(), order.end(), [role](auto* p) { return p->role == role; }));
    };
    const int t = in.team;
    const bool possible = counts(in, count('G'), count('F'), count('D'));
    if (order.size() > static_cast<std::size_t>(kMaxPlayers))
        return;
    work_.goaliecount[t] = count('G'), work_.forwardcount[t] = count('F'), work_.defensecount[t] = count('D');
    players(in, order);
    if (const std::int32_t left = rosterfreebytes(work_, t); left < 0)
        problem(in.place, ref(t) + ": the roster needs " + std::to_string(-left) + " bytes more than its area holds");
    const auto records = rosterrecordsedit(work_, t);
    if (!possible || !records || !rosterchanged(t))
        return;
    Edit edit = *records;
    edit.append(rostercountedit(work_, t));
    if (work_.goaliecount[t] != cart_.goaliecount[t])
        edit.append(goaliemarksedit(work_, t));
    step(edit, "Roster of " + ref(t));
}

void Importer::players(const TeamInput& in, const std::vector<const PlayerInput*>& order)
{
    const int t = in.team;
    RatingGrid grid{};
    loadgrid(cart_, t, grid);
    for (int p = 1; p <= static_cast<int>(order.size()); ++p) {
        const PlayerInput& given = *order[static_cast<std::size_t>(p - 1)];
        // A slot past the old roster starts as "Add Player" starts it: an empty name.
        work_.playername[p][t] = given.name.value_or(p <= cart_.playercount(t) ? cart_.playername[p][t] : "");
        work_.playernum[p][t] = given.number.value_or(cart_.playernum[p][t]);
        for (int j = 1; j <= kColumns; ++j)
            grid[p][j] = given.columns[j].value_or(grid[p][j]);
        for (int k = 1; k <= 7; ++k)
            work_.playerattr[k][p][t] = static_cast<std::uint8_t>(16 * grid[p][2 * k - 1] + grid[p][2 * k]);
        if (work_.playername[p][t].size() > static_cast<std::size_t>(kMaxNameLength))
            problem(given.place, ref(t) + " player " + std::to_string(p) + ": a name of " +
                                     std::to_string(work_.playername[p][t].size()) +
                                     " characters; a name holds at most 253");
    }
}

bool Importer::rosterchanged(int t) const
{
    if (work_.goaliecount[t] != cart_.goaliecount[t] || work_.forwardcount[t] != cart_.forwardcount[t] ||
        work_.defensecount[t] != cart_.defensecount[t])
        return true;
    for (int p = 1; p <= work_.playercount(t); ++p) {
        bool same = work_.playername[p][t] == cart_.playername[p][t] && work_.playernum[p][t] == cart_.playernum[p][t];
        for (int q = 1; q <= 7; ++q)
            same = same && work_.playerattr[q][p][t] == cart_.playerattr[q][p][t];
        if (!same)
            return true;
    }
    return false;
}

void Importer::lines(const TeamInput& in)
{
    const int t = in.team, n = work_.playercount(t);
    for (int l = 1; l <= kLines; ++l) {
        if (!in.lines[l])
            continue;
        LineSlots line{};
        for (int s = 1; s <= kSlots; ++s) {
            const SlotValue& v = (*in.lines[l])[s];
            if (!v.raw && v.byte > n)
                problem(in.place + ".lines." + linekey(l) + "[" + std::to_string(s - 1) + "]",
                        ref(t) + " line " + kLineNames[l - 1] + " slot " + std::to_string(s) + ": player " +
                            std::to_string(v.byte) + " is past the roster of " + std::to_string(n));
            line[s] = v.byte;
        }
        for (int s = 1; s <= kSlots; ++s)
            work_.lineup[t][s][l] = line[s];
        step(lineedit(t, l, line), "Line " + std::string(kLineNames[l - 1]) + " of " + ref(t));
    }
}

void Importer::colours(const TeamInput& in)
{
    const int t = in.team;
    for (int h = 0; h <= 1; ++h) {
        const UniformColours now = readuniform(rom_, t, h).value_or(UniformColours{});
        for (int k = 0; k < kUniformCells; ++k) {
            if (const auto& c = in.uniform[h][k]; c && *c != now[k])
                step(uniformcelledit(rom_, t, h, k, *c), "Uniform colour of " + ref(t));
        }
    }
    BannerColours rows{};
    readbannercolours(rom_, t, rows);
    bool changed = false;
    for (int i = 1; i <= kBannerCells; ++i) {
        if (const auto& c = in.bannercolours[i]; c && *c != rows[i]) {
            rows[i] = *c;
            changed = true;
        }
    }
    if (changed)
        step(bannercoloursedit(rom_, t, rows), "Banner colours of " + ref(t));
}

void Importer::bannertexts(const std::vector<TeamInput>& teams)
{
    TeamTable<std::string> now, next;
    for (int t = 1; t <= kTeams; ++t)
        now[t] = next[t] = bannerboxtext(cart_, rom_, t);
    for (const TeamInput& in : teams) {
        if (!in.bannertext)
            continue;
        if (in.bannertext->find('\0') != std::string::npos)
            problem(in.place + ".banner.text", ref(in.team) + ": a banner text cannot hold the character U+0000");
        next[in.team] = *in.bannertext;
    }
    if (next == now)
        return;
    const auto edit = bannertextsedit(next);
    if (!edit) {
        problem("banner texts", "the 28 banner texts with their separators need " +
                                    std::to_string(bannerbytesused(next) - kBannerTextSize) +
                                    " bytes more than the 261-byte text area holds");
        return;
    }
    steps.push_back({*edit, "Banner texts"});
    work_.bannertextlen = bannerlengths(next);
}

void Importer::menunames(const SeasonInput& in)
{
    const MenuNames now = readmenunames(rom_).value_or(MenuNames{});
    const MenuNames next{in.menuname1.value_or(now.first), in.menuname2.value_or(now.second)};
    if (next == now)
        return;
    if (const auto edit = menunamesedit(next))
        step(*edit, "Menu display names");
    else
        problem("menu_names", "the two menu names share 22 characters; these have " +
                                  std::to_string(next.first.size() + next.second.size()));
}

void Importer::season(const SeasonInput& in)
{
    menunames(in);
    for (int g = 0; g < kPlayoffPages; ++g) {
        PlayoffPage page = readplayoffpage(rom_, g).value_or(PlayoffPage{});
        for (int i = 0; i < kPlayoffPageSlots; ++i)
            page[i] = in.playoffslots[static_cast<std::size_t>(g * kPlayoffPageSlots + i)].value_or(page[i]);
        step(playoffpageedit(g, page), "Playoff page " + std::to_string(g));
    }
    // The count is written with its copy, so a copy that disagrees with the count read is
    // left alone unless the count itself changes.
    if (in.playoffcount && in.playoffcount != readplayoffcount(rom_))
        step(playoffcountedit(*in.playoffcount), "Playoff team count");
    MenuFields fields = readmenufields(rom_).value_or(MenuFields{});
    for (int f = 1; f <= kMenuFields; ++f)
        fields[f] = in.menufields[f].value_or(fields[f]);
    step(menufieldsedit(fields), "Menu defaults");
    if (in.selectableteams && in.selectableteams != readselectableteams(rom_))
        step(selectableteamsedit(*in.selectableteams), "Selectable team count");
}

}  // namespace

ImportOutcome importinto(Document& doc, const ImportData& data, bool write)
{
    Importer importer(doc.cart());
    std::array<std::string, kTeams + 1> given;
    for (const TeamInput& in : data.teams) {
        if (!given[in.team].empty())
            importer.problems.push_back({in.place, teamref(doc.cart(), in.team) + " is given twice (also at " + given[in.team] + ")"});
        given[in.team] = in.place;
        importer.team(in);
    }
    importer.bannertexts(data.teams);
    importer.season(data.season);
    ImportOutcome outcome{importer.problems, static_cast<int>(importer.steps.size())};
    if (!outcome.problems.empty() || !write)
        return outcome;
    for (const Step& s : importer.steps) {
        if (const auto applied = doc.apply(s.edit, s.name); !applied)
            outcome.problems.push_back({"image", applied.message()});
    }
    // The document decoded what each step touched; the image must still read whole.
    if (!doc.decoded())
        outcome.problems.push_back({"image", doc.decoded().message()});
    return outcome;
}

}  // namespace icevale
