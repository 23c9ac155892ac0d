#include "core/rosterchange.h"

#include <algorithm>

#include "core/roster.h"

namespace icevale {
namespace {

bool shift(Cartridge& cart, int t, bool condition, int goalies, int forwards, int defence)
{
    if (!condition)
        return false;
    cart.goaliecount[t] += goalies;
    cart.forwardcount[t] += forwards;
    cart.defensecount[t] += defence;
    cart.rosterbytesleft[t] = countnamebytes(cart, t);
    return true;
}

}  // namespace

bool goalieplus(Cartridge& cart, int t)
{
    return shift(cart, t, cart.goaliecount[t] < 4 && cart.forwardcount[t] > 1, 1, -1, 0);
}

bool goalieminus(Cartridge& cart, int t)
{
    return shift(cart, t, cart.goaliecount[t] > 1 && cart.forwardcount[t] < 15, -1, 1, 0);
}

bool defenceplus(Cartridge& cart, int t)
{
    return shift(cart, t, cart.forwardcount[t] > 1 && cart.defensecount[t] < 15, 0, -1, 1);
}

bool defenceminus(Cartridge& cart, int t)
{
    return shift(cart, t, cart.defensecount[t] > 1 && cart.forwardcount[t] < 15, 0, 1, -1);
}

bool addplayer(Cartridge& cart, int t)
{
    const int n = cart.playercount(t);
    if (!(cart.rosterbytesleft[t] > 16 && n < kMaxPlayers && cart.defensecount[t] < 15))
        return false;
    // Within one image a slot past the roster never holds a name; after another
    // image was opened it may hold that image's, which must not come back.
    cart.playername[n + 1][t].clear();
    return shift(cart, t, true, 0, 0, 1);
}

bool removeplayer(Cartridge& cart, int t)
{
    if (cart.defensecount[t] <= 6)
        return false;
    const int n = cart.playercount(t);
    if (n >= 1 && n <= kMaxPlayers)
        cart.playername[n][t].clear();
    return shift(cart, t, true, 0, 0, -1);
}

int namelimit(std::size_t namelength, std::int32_t bytesleft)
{
    const std::int64_t fits = static_cast<std::int64_t>(namelength) + bytesleft;
    return static_cast<int>(std::min<std::int64_t>(fits, kMaxNameLength));
}

std::string roleletter(const Cartridge& cart, int t, int r)
{
    const int goalies = cart.goaliecount[t];
    const int forwards = cart.forwardcount[t];
    if (r < goalies)
        return "G";
    if (r < goalies + forwards)
        return "F";
    return r < cart.playercount(t) ? "D" : "";
}

}  // namespace icevale
