#include "core/rosters.h"

#include <algorithm>

namespace icevale {
namespace {

constexpr std::size_t kRecordTail = 8;  // the jersey byte and seven attribute bytes

bool rosterfits(const Tables& tables, int t)
{
    const int n = tables.playercount(t);
    for (int p = 1; p <= n && p <= kMaxPlayers; ++p) {
        if (tables.playername[p][t].size() > static_cast<std::size_t>(kMaxNameLength))
            return false;
    }
    return n <= kMaxPlayers && rosterfreebytes(tables, t) >= 0;
}

std::string toomany(const Tables& tables, int t)
{
    const auto counted = [](int n, const char* one, const char* many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    return "team " + std::to_string(t) + " has " + counted(tables.goaliecount[t], "goalie", "goalies") + ", " +
           counted(tables.forwardcount[t], "forward", "forwards") + " and " +
           counted(tables.defensecount[t], "defenceman", "defencemen") + ": " + std::to_string(tables.playercount(t)) +
           " players, more than the 25 a roster can hold";
}

// Players 1..n of team t; false when a record runs past the image's end.
bool readplayers(Tables& tables, const Bytes& rom, int t, std::size_t& pos)
{
    for (int p = 1; p <= tables.playercount(t); ++p) {
        // A failed read leaves tables that are discarded whole.
        const auto next = readrecordinto(rom, pos, tables.playername[p][t]);
        const auto rest = next ? readspan(rom, *next, kRecordTail) : std::nullopt;
        if (!rest)
            return false;
        tables.playernum[p][t] = (*rest)[0];
        for (int q = 1; q <= 7; ++q)
            tables.playerattr[q][p][t] = (*rest)[static_cast<std::size_t>(q)];
        pos = *next + kRecordTail;
    }
    return true;
}

}  // namespace

int countgoaliemarks(std::uint8_t first, std::uint8_t second)
{
    int count = 0;
    for (const int nibble : {first >> 4, first & 15, second >> 4, second & 15})
        count += nibble != 0 ? 1 : 0;
    return count;
}

std::string readrosters(Tables& tables, const Bytes& rom)
{
    for (int t = 1; t <= kTeams; ++t) {
        if (const Status read = readrosterof(tables, rom, t); !read)
            return read.message();
    }
    return {};
}

Status readrosterof(Tables& tables, const Bytes& rom, int t)
{
    const auto head = readspan(rom, teamoffset[t] - 1, 4);
    if (!head)
        return fail("the roster of team " + std::to_string(t) + " lies past the end of the image");
    tables.forwardcount[t] = (*head)[0] >> 4;
    tables.defensecount[t] = (*head)[0] & 15;
    tables.goaliecount[t] = countgoaliemarks((*head)[2], (*head)[3]);
    if (tables.playercount(t) > kMaxPlayers)
        return fail(toomany(tables, t));
    std::size_t pos = rosteroffset[t];
    if (!readplayers(tables, rom, t, pos))
        return fail("the roster of team " + std::to_string(t) + " runs past the end of the image");
    tables.rosterbytesleft[t] = static_cast<std::int32_t>(static_cast<std::int64_t>(teamtextoffset[t]) -
                                                          static_cast<std::int64_t>(pos) - 2);
    return {};
}

int shortplayerrecord(const Tables& tables, const Bytes& rom, int t)
{
    return firstshortrecord(rom, rosteroffset[t], std::min(tables.playercount(t), kMaxPlayers), kRecordTail);
}

std::int32_t rosterfreebytes(const Tables& tables, int t)
{
    std::int64_t left = static_cast<std::int64_t>(teamtextoffset[t]) - rosteroffset[t] - 2;
    for (int p = 1; p <= tables.playercount(t) && p <= kMaxPlayers; ++p)
        left -= static_cast<std::int64_t>(tables.playername[p][t].size()) + 10;
    return static_cast<std::int32_t>(left);
}

Edit rostercountedit(const Tables& tables, int t)
{
    Edit edit;
    edit.put(teamoffset[t] - 1,
             static_cast<std::uint8_t>(16 * (tables.forwardcount[t] & 15) + (tables.defensecount[t] & 15)));
    return edit;
}

Edit goaliemarksedit(const Tables& tables, int t)
{
    static constexpr std::uint8_t marks[5][2] = {{0, 0}, {0x10, 0x00}, {0x11, 0x00}, {0x11, 0x10}, {0x11, 0x11}};
    Edit edit;
    const int count = tables.goaliecount[t];
    if (count >= 1 && count <= 4) {
        edit.put(teamoffset[t] + 1, marks[count][0]);
        edit.put(teamoffset[t] + 2, marks[count][1]);
    }
    return edit;
}

std::optional<Edit> rosterrecordsedit(const Tables& tables, int t)
{
    if (!rosterfits(tables, t))
        return std::nullopt;
    Edit edit;
    std::size_t pos = rosteroffset[t];
    for (int p = 1; p <= tables.playercount(t); ++p) {
        pos = edit.putrecord(pos, tables.playername[p][t]);
        edit.put(pos++, tables.playernum[p][t]);
        for (int q = 1; q <= 7; ++q)
            edit.put(pos++, tables.playerattr[q][p][t]);
    }
    edit.put(pos, std::uint8_t{0x02});
    edit.put(pos + 1, std::uint8_t{0x00});
    return edit;
}

RosterWrite allrostersedit(const Tables& tables, const Bytes* rom)
{
    RosterWrite result;
    for (int t = 1; t <= kTeams; ++t) {
        if (const auto edit = rosterrecordsedit(tables, t)) {
            result.edit.append(*edit);
            if (rom && editchanges(*rom, *edit))
                result.changed.push_back(t);
        } else {
            result.unwritten.push_back(t);
        }
    }
    if (!result.unwritten.empty()) {
        result.message = "Rosters that do not fit their area were left unwritten: team";
        for (const int t : result.unwritten) {
            result.message += ' ';
            result.message += std::to_string(t);
        }
    }
    return result;
}

}  // namespace icevale
