#include <stdexcept>

#include "tools/samplebuild.h"

namespace icevale::sample::detail {
namespace {

void put(Bytes& b, std::size_t pos, std::uint8_t v) { b.at(pos) = v; }

void putword(Bytes& b, std::size_t pos, std::uint16_t w)
{
    put(b, pos, static_cast<std::uint8_t>(w & 0xFF));
    put(b, pos + 1, static_cast<std::uint8_t>(w >> 8));
}

void fail(const std::string& what) { throw std::logic_error("sample " + what + " does not fit the format"); }

std::string ofteam(const char* what, int t) { return std::string(what) + " of team " + std::to_string(t); }

// A text box cannot hold a 0, and a longer text has no length byte.
void checktext(const std::string& text, const std::string& what)
{
    if (text.size() > static_cast<std::size_t>(kMaxTextLength) || text.find('\0') != std::string::npos)
        fail(what);
}

std::size_t putrecord(Bytes& b, std::size_t pos, const std::string& text)
{
    put(b, pos, static_cast<std::uint8_t>(text.size() + 2));
    put(b, pos + 1, 0);
    for (std::size_t i = 0; i < text.size(); ++i)
        put(b, pos + 2 + i, static_cast<std::uint8_t>(text[i]));
    return pos + 2 + text.size();
}

void writecounts(Bytes& b, const Team& team, int t)
{
    static constexpr std::uint8_t marks[5][2] = {{0, 0}, {0x10, 0x00}, {0x11, 0x00}, {0x11, 0x10}, {0x11, 0x11}};
    if (team.goalies < 0 || team.goalies > 4 || team.forwards < 0 || team.forwards > 15 || team.defence < 0 ||
        team.defence > 15 || team.players.size() != static_cast<std::size_t>(team.goalies + team.forwards + team.defence) ||
        team.players.size() > static_cast<std::size_t>(kMaxPlayers))
        fail(ofteam("roster count", t));
    put(b, teamoffset[t] - 1, static_cast<std::uint8_t>(16 * team.forwards + team.defence));
    put(b, teamoffset[t] + 1, marks[team.goalies][0]);
    put(b, teamoffset[t] + 2, marks[team.goalies][1]);
}

void writeroster(Bytes& b, const Team& team, int t)
{
    std::size_t pos = rosteroffset[t];
    for (const Player& p : team.players) {
        checktext(p.name, ofteam("player name", t));
        if (pos + p.name.size() + 10 > teamtextoffset[t])
            fail(ofteam("roster", t));
        pos = putrecord(b, pos, p.name);
        put(b, pos++, p.number);
        for (int q = 1; q <= 7; ++q)
            put(b, pos++, p.attr[q]);
    }
    if (pos + 2 > teamtextoffset[t])
        fail(ofteam("roster", t));
    put(b, pos, 0x02);
    put(b, pos + 1, 0x00);
}

void writeteam(Bytes& b, const Team& team, int t)
{
    writecounts(b, team, t);
    put(b, teamoffset[t], team.overall);
    for (int l = 1; l <= kLines; ++l) {
        for (int s = 1; s <= kSlots; ++s)
            put(b, teamoffset[t] + 3 + 8 * (l - 1) + (s - 1), team.lines[l][s]);
    }
    writeroster(b, team, t);

    std::size_t pos = teamtextoffset[t];
    for (const std::string* text : {&team.name, &team.abbrev, &team.nick, &team.arena}) {
        checktext(*text, ofteam("text", t));
        pos = putrecord(b, pos, *text);
    }
    if (pos > teamtextoffset[t] + teamtextsize[t])
        fail(ofteam("texts", t));

    for (int k = 0; k < 11; ++k) {
        putword(b, awayuniformoffset[t] + 4 + 2 * k, team.away[k]);
        putword(b, homeuniformoffset[t] + 4 + 2 * k, team.home[k]);
    }
    for (int k = 0; k < 14; ++k)
        putword(b, banneroffset[t] + 2 * k, team.bannercolours[k]);
}

// Texts packed in team order, each followed by a 0 separator; the rest of the area is 0.
void writebanners(Bytes& b, const SampleImage& img)
{
    std::size_t f = kBannerTextArea;
    for (int t = 1; t <= kTeams; ++t) {
        checktext(img.teams[t].banner, ofteam("banner text", t));
        if (f + img.teams[t].banner.size() + 1 > kBannerTextArea + kBannerTextSize)
            fail(ofteam("banner text", t));
        const std::size_t entry = kBannerPointerTable + 2 * (t - 1);
        put(b, entry, static_cast<std::uint8_t>(f & 0xFF));
        put(b, entry + 1, f < 0xE1900 ? 0x96 : 0x97);
        for (const char c : img.teams[t].banner)
            put(b, f++, static_cast<std::uint8_t>(c));
        put(b, f++, 0);
    }
    for (; f < kBannerTextArea + kBannerTextSize; ++f)
        put(b, f, 0);
}

void writeseason(Bytes& b, const SampleImage& img)
{
    for (std::size_t i = 0; i < img.playoffslots.size(); ++i)
        put(b, kPlayoffSlots + i, img.playoffslots[i]);
    put(b, kPlayoffCount, img.playoffcount);
    put(b, kPlayoffCountCopy, img.playoffcount);
    for (std::size_t i = 0; i < img.menudefaults.size(); ++i)
        put(b, kMenuDefaults + 2 * i, img.menudefaults[i]);
    put(b, kSelectableTeams, img.selectableteams);
    put(b, kSelectableTeamsCopy, img.selectableteams);

    checktext(img.menuname1, "first menu name");
    checktext(img.menuname2, "second menu name");
    if (img.menuname1.size() + img.menuname2.size() > 22)
        fail("menu names");
    putrecord(b, putrecord(b, kMenuNamesOffset, img.menuname1), img.menuname2);
}

}  // namespace

void fillimage(Bytes& b, Rng& rng)
{
    b.resize(kImageSize);
    std::uint8_t* byte = b.data();  // not iterators: the unoptimised sanitizer build fills hundreds of images
    for (std::size_t i = 0; i < kImageSize; ++i)
        byte[i] = static_cast<std::uint8_t>(rng.next() >> 24);
    for (std::size_t i = 0; i < 0x200; ++i)
        b[i] = 0;
    b[0] = 0x80;  // copier header: ROM size in 8 KiB units
}

void writeimage(SampleImage& img)
{
    for (int t = 1; t <= kTeams; ++t)
        writeteam(img.bytes, img.teams[t], t);
    writebanners(img.bytes, img);
    writeseason(img.bytes, img);
}

}  // namespace icevale::sample::detail
