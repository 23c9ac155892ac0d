#include "core/rosterchanges.h"

#include <algorithm>

#include "core/rosters.h"

namespace icevale {
namespace {

bool shift(Tables& tables, int t, bool condition, int goalies, int forwards, int defence)
{
    if (!condition)
        return false;
    tables.goaliecount[t] += goalies;
    tables.forwardcount[t] += forwards;
    tables.defensecount[t] += defence;
    tables.rosterbytesleft[t] = rosterfreebytes(tables, t);
    return true;
}

}  // namespace

bool goalieplus(Tables& tables, int t)
{
    return shift(tables, t, tables.goaliecount[t] < 4 && tables.forwardcount[t] > 1, 1, -1, 0);
}

bool goalieminus(Tables& tables, int t)
{
    return shift(tables, t, tables.goaliecount[t] > 1 && tables.forwardcount[t] < 15, -1, 1, 0);
}

bool defenceplus(Tables& tables, int t)
{
    return shift(tables, t, tables.forwardcount[t] > 1 && tables.defensecount[t] < 15, 0, -1, 1);
}

bool defenceminus(Tables& tables, int t)
{
    return shift(tables, t, tables.defensecount[t] > 1 && tables.forwardcount[t] < 15, 0, 1, -1);
}

bool addplayer(Tables& tables, int t)
{
    const int n = tables.playercount(t);
    if (!(tables.rosterbytesleft[t] > 16 && n < kMaxPlayers && tables.defensecount[t] < 15))
        return false;
    // Within one image a slot past the roster never holds a name; after another
    // image was opened it may hold that image's, which must not come back.
    tables.playername[n + 1][t].clear();
    return shift(tables, t, true, 0, 0, 1);
}

bool removeplayer(Tables& tables, int t)
{
    if (tables.defensecount[t] <= 6)
        return false;
    const int n = tables.playercount(t);
    if (n >= 1 && n <= kMaxPlayers)
        tables.playername[n][t].clear();
    return shift(tables, t, true, 0, 0, -1);
}

int namelimit(std::size_t namelength, std::int32_t bytesleft)
{
    const std::int64_t fits = static_cast<std::int64_t>(namelength) + bytesleft;
    return static_cast<int>(std::min<std::int64_t>(fits, kMaxNameLength));
}

std::string roleletter(const Tables& tables, int t, int r)
{
    const int goalies = tables.goaliecount[t];
    const int forwards = tables.forwardcount[t];
    if (r < goalies)
        return "G";
    if (r < goalies + forwards)
        return "F";
    return r < tables.playercount(t) ? "D" : "";
}

}  // namespace icevale
