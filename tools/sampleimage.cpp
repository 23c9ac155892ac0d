// The fixed readable image (the default seed) and the choice between it and random ones.
#include "tools/sampleimage.h"

#include "tools/samplebuild.h"

namespace icevale::sample {
namespace detail {
namespace {

struct TeamText {
    const char *name, *abbrev, *nick, *arena, *banner;
};

// Invented teams; every row fits its team's text block and the banners fit 261 bytes.
constexpr std::array<TeamText, kTeams + 1> kTexts = {{
    {"", "", "", "", ""},
    {"Aldermoor", "ALD", "Herons", "Heron Hall", "HERONS"},
    {"Brisk", "BRK", "Owls", "Owl Rink", "OWLS"},
    {"Calder Bay", "CAL", "Gulls", "Bay Arena", "GULLS"},
    {"Dunmere", "DUN", "Foxes", "Fox Den", "FOXES"},
    {"Eskerfield", "ESK", "Elks", "Esker Ice", "ELKS"},
    {"Fenwick", "FEN", "Pikes", "Pike Pit", "PIKES"},
    {"Glenhollow", "GLN", "Lynx", "Lynx Yard", "LYNX"},
    {"Harrowgate", "HAR", "Rooks", "Rook Arena", "ROOKS"},
    {"Ironvale", "IRV", "Smelt", "Forge Rink", "SMELT"},
    {"Juniper", "JUN", "Jays", "Jay Pavilion", "JAYS"},
    {"Kestrel Pt", "KES", "Kites", "Kestrel Dome", "KITES"},
    {"Lowmarsh", "LOW", "Newts", "Marsh Rink", "NEWTS"},
    {"Millbrook", "MIL", "Otters", "Mill Ice", "OTTERS"},
    {"Northgale", "NOR", "Gales", "Gale Arena", "GALES"},
    {"Oakhurst", "OAK", "Acorns", "Oak Coliseum", "ACORNS"},
    {"Pellham", "PEL", "Puffins", "Puffin Hall", "PUFFINS"},
    {"Quarry Hill", "QUA", "Moles", "Pit", "MOLES"},
    {"Rushford", "RUS", "Reeds", "Reed Centre", "REEDS"},
    {"Stonebay", "STB", "Seals", "Seal Arena", "SEALS"},
    {"Thistle", "THI", "Burrs", "Burr Barn", "BURRS"},
    {"Umberton", "UMB", "Umbers", "Umber Ice", "UMBERS"},
    {"Velmont", "VEL", "Voles", "Vole Hole", "VOLES"},
    {"Westerly", "WES", "Winds", "Windward Arena", "WINDS"},
    {"Yarrow", "YAR", "Yaks", "Yak Shed", "YAKS"},
    {"Zephyr Isle", "ZEP", "Terns", "Tern Rink", "TERNS"},
    {"Ashcombe", "ASH", "Ashes", "Cinder Hall", "ASHES"},
    {"Bramblewood", "BRA", "Thorns", "Briar Rink", "THORNS"},
    {"Coldwater", "COL", "Chill", "Frost Arena", "CHILL"},
}};

constexpr std::array<const char*, 16> kInitials = {"A", "B", "C", "D", "E", "F", "G", "H",
                                                   "J", "K", "L", "M", "N", "P", "R", "S"};
constexpr std::array<const char*, 16> kFirstPart = {"Bar", "Cor", "Dal", "Fen", "Gor", "Hal", "Kel", "Lom",
                                                    "Mar", "Nor", "Pel", "Ros", "Sav", "Tor", "Vel", "Wen"};
constexpr std::array<const char*, 8> kLastPart = {"ak", "ney", "ov", "sen", "ley", "ic", "berg", "ton"};

std::uint8_t bcd(int n) { return static_cast<std::uint8_t>((n / 10) * 16 + n % 10); }

std::uint16_t colourword(Rng& rng) { return static_cast<std::uint16_t>(rng.next() & 0x7FFF); }

Player makeplayer(Rng& rng, int number, bool goalie)
{
    Player p;
    // One draw per statement, as the order of operands is the compiler's; this order
    // keeps the fixed image as it was first made.
    const char* last = kLastPart[rng.below(8)];
    const char* first = kFirstPart[rng.below(16)];
    const char* initial = kInitials[rng.below(16)];
    p.name = std::string(initial) + ". " + first + last;
    p.number = bcd(number);
    for (int q = 1; q <= 7; ++q) {
        const int high = q == 1 ? rng.below(16) : rng.below(7);
        const int low = q == 4 ? rng.below(2) : rng.below(7);
        p.attr[q] = static_cast<std::uint8_t>(16 * high + low);
    }
    if (goalie)
        p.attr[2] = static_cast<std::uint8_t>(p.attr[2] & 0xF0);  // goalies skate slowly
    return p;
}

void buildroster(Rng& rng, Team& team, int t)
{
    team.goalies = t % 5 == 0 ? 3 : 2;
    team.defence = 6 + t % 3;
    team.forwards = 12 + t % 4;
    const int n = team.goalies + team.forwards + team.defence;
    const int area = static_cast<int>(teamtextoffset[t] - rosteroffset[t]) - 2;
    int used = 0;
    int numbers[100] = {};
    for (int p = 1; p <= n; ++p) {
        int number = 1 + rng.below(98);
        while (numbers[number])
            number = number % 98 + 1;
        numbers[number] = 1;
        Player player = makeplayer(rng, number, p <= team.goalies);
        used += static_cast<int>(player.name.size()) + 10;
        team.players.push_back(player);
    }
    // Small roster areas get surnames only, leaving room for a few more players.
    for (Player& player : team.players) {
        if (used <= area - 40)
            break;
        used -= 3;
        player.name = player.name.substr(3);
    }
}

void buildlines(Rng& rng, Team& team)
{
    const int n = static_cast<int>(team.players.size());
    for (int l = 1; l <= kLines; ++l) {
        team.lines[l][1] = static_cast<std::uint8_t>(1 + rng.below(team.goalies));
        for (int s = 2; s <= 6; ++s)
            team.lines[l][s] = static_cast<std::uint8_t>(team.goalies + 1 + rng.below(n - team.goalies));
        team.lines[l][7] = l <= 2 ? static_cast<std::uint8_t>(team.goalies + 1 + rng.below(n - team.goalies)) : 0;
    }
}

}  // namespace

void chooseclassic(SampleImage& img, Rng& rng)
{
    for (int t = 1; t <= kTeams; ++t) {
        Team& team = img.teams[t];
        const TeamText& text = kTexts[t];
        team.name = text.name;
        team.abbrev = text.abbrev;
        team.nick = text.nick;
        team.arena = text.arena;
        team.banner = text.banner;
        team.overall = static_cast<std::uint8_t>(40 + rng.below(60));
        buildroster(rng, team, t);
        buildlines(rng, team);
        for (auto& w : team.away)
            w = colourword(rng);
        for (auto& w : team.home)
            w = colourword(rng);
        for (auto& w : team.bannercolours)
            w = colourword(rng);
    }
    for (std::size_t i = 0; i < img.playoffslots.size(); ++i)
        img.playoffslots[i] = static_cast<std::uint8_t>(i % 64 < 16 ? rng.below(28) : 28);
    img.playoffcount = 16;
    img.menudefaults = {0, 4, 17, 1, 1, 2, 0};
    img.selectableteams = 28;
    img.menuname1 = "ICEVALE";
    img.menuname2 = "LEAGUE";
}

}  // namespace detail

namespace {

// Spreads nearby seeds over the whole state space; xorshift must not start from 0.
std::uint32_t startstate(std::uint32_t seed)
{
    std::uint32_t x = seed;
    x ^= x >> 16;
    x *= 0x85EBCA6Bu;
    x ^= x >> 13;
    x *= 0xC2B2AE35u;
    x ^= x >> 16;
    return x != 0 ? x : 0x9E3779B9u;
}

}  // namespace

SampleImage makeSampleImage(std::uint32_t seed)
{
    SampleImage img;
    img.seed = seed;
    detail::Rng rng{seed == kDefaultSeed ? kDefaultSeed : startstate(seed)};
    detail::fillimage(img.bytes, rng);
    if (seed == kDefaultSeed)
        detail::chooseclassic(img, rng);
    else
        detail::choosevaried(img, rng);
    detail::writeimage(img);
    return img;
}

SampleImage makeSampleImage() { return makeSampleImage(kDefaultSeed); }

}  // namespace icevale::sample
