#include "core/roster.h"

namespace icevale {
namespace {

bool rosterfits(const Cartridge& cart, int t)
{
    for (int p = 1; p <= cart.playercount(t); ++p) {
        if (cart.playername[p][t].size() > static_cast<std::size_t>(kMaxNameLength))
            return false;
    }
    return cart.playercount(t) <= kMaxPlayers && countnamebytes(cart, t) >= 0;
}

}  // namespace

std::int32_t countnamebytes(const Cartridge& cart, int t)
{
    std::int64_t left = static_cast<std::int64_t>(teamtextoffset[t]) - rosteroffset[t] - 2;
    for (int p = 1; p <= cart.playercount(t) && p <= kMaxPlayers; ++p)
        left -= static_cast<std::int64_t>(cart.playername[p][t].size()) + 10;
    return static_cast<std::int32_t>(left);
}

void writerostercount(Cartridge& cart, int t)
{
    cart.RomImage.at(teamoffset[t] - 1) =
        static_cast<std::uint8_t>(16 * (cart.forwardcount[t] & 15) + (cart.defensecount[t] & 15));
}

void writegoaliemarks(Cartridge& cart, int t)
{
    static constexpr std::uint8_t marks[5][2] = {{0, 0}, {0x10, 0x00}, {0x11, 0x00}, {0x11, 0x10}, {0x11, 0x11}};
    const int count = cart.goaliecount[t];
    if (count < 1 || count > 4)
        return;
    cart.RomImage.at(teamoffset[t] + 1) = marks[count][0];
    cart.RomImage.at(teamoffset[t] + 2) = marks[count][1];
}

SavePlayersResult saveplayers(Cartridge& cart)
{
    SavePlayersResult result;
    Bytes& rom = cart.RomImage;
    for (int t = 1; t <= kTeams; ++t) {
        if (!rosterfits(cart, t)) {
            result.unwritten.push_back(t);
            continue;
        }
        std::size_t pos = rosteroffset[t];
        for (int p = 1; p <= cart.playercount(t); ++p) {
            const std::string& name = cart.playername[p][t];
            rom.at(pos++) = static_cast<std::uint8_t>(name.size() + 2);
            rom.at(pos++) = 0;
            for (const char c : name)
                rom.at(pos++) = static_cast<std::uint8_t>(c);
            rom.at(pos++) = cart.playernum[p][t];
            for (int q = 1; q <= 7; ++q)
                rom.at(pos++) = cart.playerattr[q][p][t];
        }
        rom.at(pos) = 0x02;
        rom.at(pos + 1) = 0x00;
    }
    if (!result.unwritten.empty()) {
        result.message = "Rosters that do not fit their area were left unwritten: team";
        for (const int t : result.unwritten)
            result.message += " " + std::to_string(t);
    }
    return result;
}

}  // namespace icevale
