#include "core/health.h"

#include "core/bannertexts.h"
#include "core/lineups.h"
#include "core/menudefaults.h"
#include "core/playoffs.h"
#include "core/rosters.h"
#include "core/teamtexts.h"
#include "core/utf8text.h"

namespace icevale {
namespace {

// "team 3 (BRK)", or "team 3" alone for a team without an abbreviation; control bytes of
// the abbreviation are written as \xNN.
std::string teamname(const Cartridge& cart, int t)
{
    const std::string& abbrev = cart.teamabbrev[t];
    return "team " + std::to_string(t) + (abbrev.empty() ? "" : " (" + printablebytes(abbrev) + ")");
}

std::string counted(int n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

void checkroster(const Cartridge& cart, int t, std::vector<HealthProblem>& out)
{
    const auto problem = [&](const std::string& text) { out.push_back({"rosters", t, teamname(cart, t) + ": " + text}); };
    const int g = cart.goaliecount[t], f = cart.forwardcount[t], d = cart.defensecount[t];
    if (g < 1 || f < 1 || d < 1 || cart.playercount(t) > kMaxPlayers)
        problem(counted(g, "goalie", "goalies") + ", " + counted(f, "forward", "forwards") + " and " +
                counted(d, "defenceman", "defencemen") + " is not a possible roster");
    if (cart.rosterbytesleft[t] < 0) {
        problem("the roster runs " + counted(-cart.rosterbytesleft[t], "byte", "bytes") + " past its area");
        return;
    }
    const std::size_t end = teamtextoffset[t] - 2 - static_cast<std::size_t>(cart.rosterbytesleft[t]);
    const auto terminator = readspan(cart.RomImage, end, 2);
    if (!terminator || (*terminator)[0] != 0x02 || (*terminator)[1] != 0x00)
        problem("the roster is not closed by the bytes 02 00");
    // Last: the records of a roster gone astray take their length bytes from anywhere.
    if (const int p = shortplayerrecord(cart, cart.RomImage, t); p > 0)
        problem("the record of player " + std::to_string(p) + " has a length byte below 2");
}

void checktexts(const Cartridge& cart, int t, std::vector<HealthProblem>& out)
{
    const TeamTexts texts = teamtexts(cart, t);
    const auto left = textblockfree(t, static_cast<std::int64_t>(texts.name.size() + texts.abbrev.size() +
                                                                 texts.nick.size() + texts.arena.size()));
    if (left < 0)
        out.push_back({"team texts", t,
                       teamname(cart, t) + ": the texts are " + counted(static_cast<int>(-left), "byte", "bytes") +
                           " too long for their block"});
    if (const int k = shorttextrecord(cart.RomImage, t); k > 0)
        out.push_back({"team texts", t,
                       teamname(cart, t) + ": text record " + std::to_string(k) + " has a length byte below 2"});
}

void checklines(const Cartridge& cart, int t, std::vector<HealthProblem>& out)
{
    int past = 0;
    for (int l = 1; l <= kLines; ++l) {
        for (int s = 1; s <= kSlots; ++s)
            past += cart.lineup[t][s][l] > cart.playercount(t) ? 1 : 0;
    }
    if (past > 0)
        out.push_back({"line-ups", t,
                       teamname(cart, t) + ": " + counted(past, "line-up slot names a player", "line-up slots name players") +
                           " past the roster of " + counted(cart.playercount(t), "player", "players")});
}

void checklisted(const std::string& area, const std::string& what, std::optional<std::uint8_t> value, int entries,
                 std::vector<HealthProblem>& out)
{
    if (!value || *value >= entries)
        out.push_back({area, 0, what + " holds " + (value ? std::to_string(*value) : std::string("nothing")) +
                                    ", past its " + counted(entries, "listed value", "listed values")});
}

void checkseason(const Cartridge& cart, std::vector<HealthProblem>& out)
{
    int unlisted = 0;
    for (int g = 0; g < kPlayoffPages; ++g) {
        for (const std::uint8_t slot : readplayoffpage(cart.RomImage, g).value_or(PlayoffPage{}))
            unlisted += slot > kNoTeam ? 1 : 0;
    }
    if (unlisted > 0)
        out.push_back({"playoffs", 0, counted(unlisted, "playoff slot holds a byte", "playoff slots hold bytes") + " above 28"});
    checklisted("playoffs", "the playoff team count", readplayoffcount(cart.RomImage), kTeams + 1, out);
    const auto fields = readmenufields(cart.RomImage).value_or(MenuFields{});
    for (int f = 1; f <= kMenuFields; ++f)
        checklisted("menu defaults", "menu default " + std::to_string(f), fields[static_cast<std::size_t>(f)],
                    menufieldsize(f), out);
    checklisted("menu defaults", "the selectable team count", readselectableteams(cart.RomImage), kTeams + 1, out);
}

}  // namespace

std::vector<HealthProblem> healthcheck(const Cartridge& cart)
{
    std::vector<HealthProblem> out;
    for (int t = 1; t <= kTeams; ++t)
        checkroster(cart, t, out);
    for (int t = 1; t <= kTeams; ++t)
        checktexts(cart, t, out);
    const auto names = readmenunames(cart.RomImage);
    if (!names || names->first.size() + names->second.size() > static_cast<std::size_t>(kMenuNamesBudget))
        out.push_back({"menu names", 0, "the menu display names are longer than the 22 characters they share"});
    if (const int k = shortmenunamerecord(cart.RomImage); k > 0)
        out.push_back({"menu names", 0, "menu name record " + std::to_string(k) + " has a length byte below 2"});
    if (!bannertablesound(cart.RomImage))
        out.push_back({"banner texts", 0, "the banner text pointer table does not describe the texts packed in their area"});
    for (int t = 1; t <= kTeams; ++t)
        checklines(cart, t, out);
    checkseason(cart, out);
    return out;
}

}  // namespace icevale
