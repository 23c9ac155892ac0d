#include "core/rosterdraft.h"

#include <algorithm>

#include "core/rosters.h"

namespace icevale {

bool RosterDraft::pending(const Bytes& rom, int t) const
{
    if (t >= 1 && t <= kTeams && editchanges(rom, rostercountedit(tables_, t)))
        return true;
    return editchanges(rom, allrostersedit(tables_).edit);
}

bool RosterDraft::sameteam(const Tables& other, int t) const
{
    const Tables& a = tables_;
    if (a.goaliecount[t] != other.goaliecount[t] || a.forwardcount[t] != other.forwardcount[t] ||
        a.defensecount[t] != other.defensecount[t])
        return false;
    for (int p = 1; p <= std::min(a.playercount(t), kMaxPlayers); ++p) {
        if (a.playername[p][t] != other.playername[p][t] || a.playernum[p][t] != other.playernum[p][t])
            return false;
        for (std::size_t q = 1; q < a.playerattr.size(); ++q) {
            if (a.playerattr[q][p][t] != other.playerattr[q][p][t])
                return false;
        }
    }
    return true;
}

}  // namespace icevale
