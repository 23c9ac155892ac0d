#include "core/bannertexts.h"
#include "core/colours.h"
#include "core/exchange.h"
#include "core/jsonlayout.h"
#include "core/lineups.h"
#include "core/menudefaults.h"
#include "core/playoffs.h"
#include "core/rosterchanges.h"
#include "core/teamtexts.h"
#include "core/utf8text.h"

namespace icevale {
namespace {

// A value text as the export writes it: a number where the text is one, else the text.
Json shown(const std::string& text)
{
    if (!text.empty() && text.size() <= 4 && text.find_first_not_of("0123456789") == std::string::npos)
        return std::stoi(text);
    return text;
}

// A team as its abbreviation or, where that does not name it alone, its number.
Json team(const Tables& tables, int t)
{
    const std::string ref = teamref(tables, t);
    return ref[0] == '#' ? Json(t) : Json(ref);
}

Json count(std::uint8_t value) { return value == 0 ? Json(nullptr) : shown(counttext(value)); }

Json colour(const Rgb& c) { return Json::array({c.red, c.green, c.blue}); }

Json player(const Cartridge& cart, int t, int p)
{
    Json j = Json::object();
    j["role"] = roleletter(cart, t, p - 1);
    j["name"] = bytestoutf8(cart.playername[p][t]);
    j["number"] = shown(numbertext(cart.playernum[p][t]));
    for (int column = 1; column <= kColumns; ++column)
        j[columnkey(column)] = shown(columntext(column, attrnibble(cart, p, t, column)));
    return j;
}

Json lines(const Cartridge& cart, int t)
{
    const int n = cart.playercount(t);
    Json j = Json::object();
    for (int l = 1; l <= kLines; ++l) {
        Json line = Json::array();
        for (int s = 1; s <= kSlots; ++s) {
            const std::uint8_t slot = cart.lineup[t][s][l];
            Json entry = {{"player", shown(slottext(slot, n))}};
            if (slot >= 1 && slot <= n)
                entry["name"] = bytestoutf8(cart.playername[slot][t]);
            line.push_back(entry);
        }
        j[linekey(l)] = line;
    }
    return j;
}

Json uniforms(const Bytes& rom, int t)
{
    Json j = Json::object();
    for (int h = 0; h <= 1; ++h) {
        const UniformColours cells = readuniform(rom, t, h).value_or(UniformColours{});
        Json uniform = Json::object();
        for (int k = 0; k < kUniformCells; ++k)
            uniform[uniformcellkey(k)] = colour(cells[k]);
        j[h == 0 ? "away" : "home"] = uniform;
    }
    return j;
}

Json banner(const Cartridge& cart, int t)
{
    BannerColours rows{};
    readbannercolours(cart.RomImage, t, rows);
    Json colours = Json::array();
    for (int i = 1; i <= kBannerCells; ++i)
        colours.push_back(colour(rows[i]));
    return {{"text", bytestoutf8(bannerboxtext(cart, cart.RomImage, t))}, {"colours", colours}};
}

Json teamjson(const Cartridge& cart, int t)
{
    Json j = {{"index", t},
              {"abbreviation", bytestoutf8(cart.teamabbrev[t])},
              {"location", bytestoutf8(cart.teamname[t])},
              {"nickname", bytestoutf8(cart.teamnick[t])},
              {"arena", bytestoutf8(cart.teamarena[t])},
              {"overall", readoverall(cart.RomImage, t).value_or(0)}};
    Json players = Json::array();
    for (int p = 1; p <= cart.playercount(t) && p <= kMaxPlayers; ++p)
        players.push_back(player(cart, t, p));
    j["players"] = players;
    j["lines"] = lines(cart, t);
    j["uniforms"] = uniforms(cart.RomImage, t);
    j["banner"] = banner(cart, t);
    return j;
}

Json season(const Cartridge& cart)
{
    Json slots = Json::array();
    for (int g = 0; g < kPlayoffPages; ++g) {
        for (const std::uint8_t slot : readplayoffpage(cart.RomImage, g).value_or(PlayoffPage{})) {
            if (slot < kNoTeam)
                slots.push_back(team(cart, slot + 1));
            else
                slots.push_back(slot == kNoTeam ? Json(nullptr) : Json(playoffslottext(cart, slot)));
        }
    }
    const MenuFields fields = readmenufields(cart.RomImage).value_or(MenuFields{});
    Json menu = Json::array();
    for (int f = 1; f <= kMenuFields; ++f) {
        const bool isteam = (f == 2 || f == 3) && fields[f] < kTeams;
        menu.push_back(isteam ? team(cart, fields[f] + 1) : Json(menufieldtext(cart, f, fields[f])));
    }
    return {{"playoffs", {{"count", count(readplayoffcount(cart.RomImage).value_or(0))}, {"slots", slots}}},
            {"menu_defaults", menu},
            {"selectable_teams", count(readselectableteams(cart.RomImage).value_or(0))}};
}

}  // namespace

std::string exportjson(const Cartridge& cart)
{
    const MenuNames names = readmenunames(cart.RomImage).value_or(MenuNames{});
    Json teams = Json::array();
    for (int t = 1; t <= kTeams; ++t)
        teams.push_back(teamjson(cart, t));
    const Json root = {{"format", kExportFormat},
                       {"version", kExportVersion},
                       {"menu_names", {{"first", bytestoutf8(names.first)}, {"second", bytestoutf8(names.second)}}},
                       {"season", season(cart)},
                       {"teams", teams}};
    return layoutjson(root);
}

}  // namespace icevale
