#include "tools/sampleimage.h"

#include "core/bannertexts.h"
#include "core/menudefaults.h"
#include "core/playoffs.h"
#include "core/teamtexts.h"

#include <stdexcept>

namespace icevale::sample {
namespace {

// xorshift32: a fixed sequence, the same on every machine.
struct Rng {
    std::uint32_t s = 0x1CEBA11u;
    std::uint32_t next()
    {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }
};

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

void put(Bytes& b, std::size_t pos, std::uint8_t v) { b.at(pos) = v; }

void putword(Bytes& b, std::size_t pos, std::uint16_t w)
{
    put(b, pos, static_cast<std::uint8_t>(w & 0xFF));
    put(b, pos + 1, static_cast<std::uint8_t>(w >> 8));
}

std::size_t putrecord(Bytes& b, std::size_t pos, const std::string& text)
{
    put(b, pos, static_cast<std::uint8_t>(text.size() + 2));
    put(b, pos + 1, 0);
    for (std::size_t i = 0; i < text.size(); ++i)
        put(b, pos + 2 + i, static_cast<std::uint8_t>(text[i]));
    return pos + 2 + text.size();
}

std::uint8_t bcd(int n) { return static_cast<std::uint8_t>((n / 10) * 16 + n % 10); }

std::uint16_t colourword(Rng& rng) { return static_cast<std::uint16_t>(rng.next() & 0x7FFF); }

Player makeplayer(Rng& rng, int number, bool goalie)
{
    Player p;
    p.name = std::string(kInitials[rng.below(16)]) + ". " + kFirstPart[rng.below(16)] + kLastPart[rng.below(8)];
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
    if (used > area || n < 20 || n > 25)
        throw std::logic_error("sample roster does not fit for team " + std::to_string(t));
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

void writeteam(Bytes& b, const Team& team, int t)
{
    static constexpr std::uint8_t marks[5][2] = {{0, 0}, {0x10, 0x00}, {0x11, 0x00}, {0x11, 0x10}, {0x11, 0x11}};
    put(b, teamoffset[t] - 1, static_cast<std::uint8_t>(16 * team.forwards + team.defence));
    put(b, teamoffset[t], team.overall);
    put(b, teamoffset[t] + 1, marks[team.goalies][0]);
    put(b, teamoffset[t] + 2, marks[team.goalies][1]);
    for (int l = 1; l <= kLines; ++l) {
        for (int s = 1; s <= kSlots; ++s)
            put(b, teamoffset[t] + 3 + 8 * (l - 1) + (s - 1), team.lines[l][s]);
    }
    std::size_t pos = rosteroffset[t];
    for (const Player& p : team.players) {
        pos = putrecord(b, pos, p.name);
        put(b, pos++, p.number);
        for (int q = 1; q <= 7; ++q)
            put(b, pos++, p.attr[q]);
    }
    put(b, pos, 0x02);
    put(b, pos + 1, 0x00);

    pos = teamtextoffset[t];
    for (const std::string* text : {&team.name, &team.abbrev, &team.nick, &team.arena})
        pos = putrecord(b, pos, *text);
    if (pos > teamtextoffset[t] + teamtextsize[t])
        throw std::logic_error("sample texts do not fit for team " + std::to_string(t));

    for (int k = 0; k < 11; ++k) {
        putword(b, awayuniformoffset[t] + 4 + 2 * k, team.away[k]);
        putword(b, homeuniformoffset[t] + 4 + 2 * k, team.home[k]);
    }
    for (int k = 0; k < 14; ++k)
        putword(b, banneroffset[t] + 2 * k, team.bannercolours[k]);
}

void writebanners(Bytes& b, const SampleImage& img)
{
    std::size_t f = kBannerTextArea;
    for (int t = 1; t <= kTeams; ++t) {
        const std::size_t entry = kBannerPointerTable + 2 * (t - 1);
        put(b, entry, static_cast<std::uint8_t>(f & 0xFF));
        put(b, entry + 1, f < 0xE1900 ? 0x96 : 0x97);
        for (const char c : img.teams[t].banner)
            put(b, f++, static_cast<std::uint8_t>(c));
        put(b, f++, 0);
    }
    if (f > kBannerTextArea + kBannerTextSize)
        throw std::logic_error("sample banner texts do not fit");
    for (; f < kBannerTextArea + kBannerTextSize; ++f)
        put(b, f, 0);
}

void writeseason(Bytes& b, SampleImage& img, Rng& rng)
{
    for (std::size_t i = 0; i < img.playoffslots.size(); ++i) {
        img.playoffslots[i] = static_cast<std::uint8_t>(i % 64 < 16 ? rng.below(28) : 28);
        put(b, kPlayoffSlots + i, img.playoffslots[i]);
    }
    img.playoffcount = 16;
    put(b, kPlayoffCount, img.playoffcount);
    put(b, kPlayoffCountCopy, img.playoffcount);
    img.menudefaults = {0, 4, 17, 1, 1, 2, 0};
    for (std::size_t i = 0; i < img.menudefaults.size(); ++i)
        put(b, kMenuDefaults + 2 * i, img.menudefaults[i]);
    img.selectableteams = 28;
    put(b, kSelectableTeams, img.selectableteams);
    put(b, kSelectableTeamsCopy, img.selectableteams);

    img.menuname1 = "ICEVALE";
    img.menuname2 = "LEAGUE";
    putrecord(b, putrecord(b, kMenuNamesOffset, img.menuname1), img.menuname2);
}

}  // namespace

SampleImage makeSampleImage()
{
    SampleImage img;
    Rng rng;
    // Filler everywhere first, so that a write to a place the editor must not touch
    // shows up as a changed byte.
    img.bytes.resize(kImageSize);
    for (auto& byte : img.bytes)
        byte = static_cast<std::uint8_t>(rng.next() >> 24);
    for (std::size_t i = 0; i < 0x200; ++i)
        img.bytes[i] = 0;
    img.bytes[0] = 0x80;  // copier header: ROM size in 8 KiB units

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
        writeteam(img.bytes, team, t);
    }
    writebanners(img.bytes, img);
    writeseason(img.bytes, img, rng);
    return img;
}

}  // namespace icevale::sample
