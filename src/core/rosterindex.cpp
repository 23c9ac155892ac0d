#include "core/rosterindex.h"

#include "core/imagebytes.h"

namespace icevale {

int countgoaliemarks(std::uint8_t first, std::uint8_t second)
{
    int count = 0;
    for (const int nibble : {first >> 4, first & 15, second >> 4, second & 15})
        count += nibble != 0 ? 1 : 0;
    return count;
}

std::string readrosters(Cartridge& cart)
{
    const Bytes& rom = cart.RomImage;
    for (int t = 1; t <= kTeams; ++t) {
        const std::uint8_t counts = byteat(rom, teamoffset[t] - 1);
        cart.forwardcount[t] = counts >> 4;
        cart.defensecount[t] = counts & 15;
        cart.goaliecount[t] = countgoaliemarks(byteat(rom, teamoffset[t] + 1), byteat(rom, teamoffset[t] + 2));
        const int n = cart.playercount(t);
        if (n > kMaxPlayers) {
            return "team " + std::to_string(t) + " has " + std::to_string(cart.goaliecount[t]) + " goalies, " +
                   std::to_string(cart.forwardcount[t]) + " forwards and " + std::to_string(cart.defensecount[t]) +
                   " defencemen: " + std::to_string(n) + " players, more than the 25 a roster can hold";
        }
        std::size_t pos = rosteroffset[t];
        for (int p = 1; p <= n; ++p) {
            cart.playername[p][t] = readlengthtext(rom, pos);
            cart.playernum[p][t] = byteat(rom, pos++);
            for (int q = 1; q <= 7; ++q)
                cart.playerattr[q][p][t] = byteat(rom, pos++);
        }
        cart.rosterbytesleft[t] = static_cast<std::int32_t>(static_cast<std::int64_t>(teamtextoffset[t]) -
                                                            static_cast<std::int64_t>(pos) - 2);
    }
    return {};
}

void readlines(Cartridge& cart)
{
    for (int t = 1; t <= kTeams; ++t) {
        for (int l = 1; l <= kLines; ++l) {
            for (int s = 1; s <= kSlots; ++s)
                cart.lineup[t][s][l] = byteat(cart.RomImage, teamoffset[t] + 3 + 8 * (l - 1) + (s - 1));
        }
    }
}

}  // namespace icevale
