#include "core/imageinfo.h"

#include <cstdio>

#include "core/jsonlayout.h"
#include "core/patching.h"
#include "core/utf8text.h"

namespace icevale {
namespace {

std::string line(const char* format, int a, int b, int c, int d, int e)
{
    char text[64];
    std::snprintf(text, sizeof text, format, a, b, c, d, e);
    return text;
}

// An image text as a line of the report shows it: UTF-8, control characters as \xNN.
std::string shown(const std::string& bytes) { return bytestoutf8(printablebytes(bytes)); }

std::string sizetext(const Cartridge& cart)
{
    return std::to_string(cart.RomImage.size()) + " bytes, " +
           (hascopierheader(cart.RomImage.size()) ? "with" : "without") + " a copier header";
}

}  // namespace

const std::vector<std::string>& healthareas()
{
    static const std::vector<std::string> areas = {"rosters",      "team texts", "menu names",   "banner texts",
                                                   "line-ups",     "playoffs",   "menu defaults"};
    return areas;
}

std::string infotext(const Cartridge& cart, const std::vector<HealthProblem>& problems, const std::string& filename)
{
    std::string out = printableutf8(filename) + ": " + sizetext(cart) + "\nteam  G  F  D  free  abbreviation, location, nickname\n";
    for (int t = 1; t <= kTeams; ++t)
        out += line("%4d %2d %2d %2d %5d  ", t, cart.goaliecount[t], cart.forwardcount[t], cart.defensecount[t],
                    cart.rosterbytesleft[t]) +
               shown(cart.teamabbrev[t]) + ", " + shown(cart.teamname[t]) + ", " + shown(cart.teamnick[t]) + "\n";
    out += "health:\n";
    for (const std::string& area : healthareas()) {
        std::string listed;
        for (const HealthProblem& p : problems)
            listed += p.area == area ? "    " + shown(p.text) + "\n" : "";
        out += "  " + area + ": " + (listed.empty() ? "ok\n" : "\n" + listed);
    }
    return out;
}

std::string infojson(const Cartridge& cart, const std::vector<HealthProblem>& problems, const std::string& filename)
{
    Json teams = Json::array();
    for (int t = 1; t <= kTeams; ++t)
        teams.push_back({{"index", t},
                         {"abbreviation", bytestoutf8(cart.teamabbrev[t])},
                         {"location", bytestoutf8(cart.teamname[t])},
                         {"nickname", bytestoutf8(cart.teamnick[t])},
                         {"goalies", cart.goaliecount[t]},
                         {"forwards", cart.forwardcount[t]},
                         {"defencemen", cart.defensecount[t]},
                         {"bytes_left", cart.rosterbytesleft[t]}});
    Json health = Json::object();
    for (const std::string& area : healthareas()) {
        Json listed = Json::array();
        for (const HealthProblem& p : problems) {
            if (p.area == area)
                listed.push_back({{"team", p.team == 0 ? Json(nullptr) : Json(p.team)}, {"problem", bytestoutf8(p.text)}});
        }
        health[area] = listed;
    }
    const Json root = {{"file", filename},
                       {"size", cart.RomImage.size()},
                       {"copier_header", hascopierheader(cart.RomImage.size())},
                       {"teams", teams},
                       {"health", health},
                       {"ok", problems.empty()}};
    return layoutjson(root);
}

}  // namespace icevale
