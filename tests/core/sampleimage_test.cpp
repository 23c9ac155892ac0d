#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/bannertexts.h"
#include "core/colours.h"
#include "core/crc32.h"
#include "core/lineups.h"
#include "core/menudefaults.h"
#include "core/playoffs.h"
#include "core/rosters.h"
#include "core/teamtexts.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

using sample::SampleImage;
using sample::Team;

std::uint16_t word(const Bytes& b, std::size_t at) { return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8); }

// The tables a load decodes, and the words and season bytes, hold what the image was built from.
void expectDecodedAsBuilt(const SampleImage& img, const Cartridge& cart)
{
    for (int t = 1; t <= kTeams; ++t) {
        SCOPED_TRACE("team " + std::to_string(t));
        const Team& team = img.teams[t];
        ASSERT_EQ((std::array{cart.goaliecount[t], cart.forwardcount[t], cart.defensecount[t]}),
                  (std::array{team.goalies, team.forwards, team.defence}));
        ASSERT_EQ(team.players.size(), static_cast<std::size_t>(cart.playercount(t)));
        for (int p = 1; p <= cart.playercount(t); ++p) {
            const sample::Player& player = team.players[static_cast<std::size_t>(p - 1)];
            EXPECT_EQ(std::tuple(cart.playername[p][t], cart.playernum[p][t]), std::tuple(player.name, player.number));
            for (int q = 1; q <= 7; ++q)
                EXPECT_EQ(cart.playerattr[q][p][t], player.attr[q]) << p << " " << q;
        }
        EXPECT_EQ(cart.rosterbytesleft[t], rosterfreebytes(cart, t));
        EXPECT_EQ(teamtexts(cart, t), (TeamTexts{team.name, team.abbrev, team.nick, team.arena}));
        EXPECT_EQ(readoverall(cart.RomImage, t), team.overall);
        for (int l = 1; l <= kLines; ++l)
            EXPECT_EQ(lineslots(cart, t, l), team.lines[l]) << l;
        for (int k = 0; k < kUniformCells; ++k) {
            EXPECT_EQ(word(cart.RomImage, uniformcelloffset(t, 0, k)), team.away[k]) << k;
            EXPECT_EQ(word(cart.RomImage, uniformcelloffset(t, 1, k)), team.home[k]) << k;
        }
        for (std::size_t k = 0; k < kBannerCells; ++k)
            EXPECT_EQ(word(cart.RomImage, banneroffset[t] + 2 * k), team.bannercolours[k]) << k;
        EXPECT_EQ(bannerboxtext(cart, cart.RomImage, t), team.banner);
        std::string texts = team.name + team.abbrev + team.nick + team.arena + team.banner;
        for (const sample::Player& player : team.players)
            texts += player.name;
        EXPECT_TRUE(std::all_of(texts.begin(), texts.end(), [](char c) { return static_cast<std::uint8_t>(c) >= 0x20; }));
    }
    for (int g = 0; g < kPlayoffPages; ++g)
        EXPECT_TRUE(std::equal(img.playoffslots.begin() + 128 * g, img.playoffslots.begin() + 128 * (g + 1),
                               readplayoffpage(cart.RomImage, g).value().begin())) << g;
    const MenuFields fields = readmenufields(cart.RomImage).value();
    EXPECT_TRUE(std::equal(img.menudefaults.begin(), img.menudefaults.end(), fields.begin() + 1));
    const Bytes& rom = cart.RomImage;
    EXPECT_EQ(std::tuple(readplayoffcount(rom), readselectableteams(rom), readmenunames(rom)),
              std::tuple(img.playoffcount, img.selectableteams, MenuNames{img.menuname1, img.menuname2}));
}

// Every writer given the decoded values back writes the bytes already there: header
// bytes, terminators, pointers and spare zeros included.
void expectWritersRewriteItUnchanged(const Cartridge& cart)
{
    Bytes rom = cart.RomImage;
    const auto write = [&rom](const std::optional<Edit>& edit) { ASSERT_TRUE(edit && applyedit(rom, *edit)); };
    write(allrostersedit(cart).edit);
    TeamTable<std::string> banners;
    for (int t = 1; t <= kTeams; ++t) {
        write(rostercountedit(cart, t));
        write(goaliemarksedit(cart, t));
        write(teamtextedit(t, teamtexts(cart, t)));
        write(overalledit(t, readoverall(rom, t).value()));
        for (int l = 1; l <= kLines; ++l)
            write(lineedit(t, l, lineslots(cart, t, l)));
        for (const int home : {0, 1}) {
            for (int k = 0; k < kUniformCells; ++k)
                write(uniformcelledit(rom, t, home, k, readuniform(rom, t, home).value()[k]));
        }
        BannerColours rows{};
        ASSERT_TRUE(readbannercolours(rom, t, rows));
        write(bannercoloursedit(rom, t, rows));
        banners[t] = bannerboxtext(cart, rom, t);
    }
    write(bannertextsedit(banners));
    for (int g = 0; g < kPlayoffPages; ++g)
        write(playoffpageedit(g, readplayoffpage(rom, g).value()));
    write(playoffcountedit(readplayoffcount(rom).value()));
    write(menufieldsedit(readmenufields(rom).value()));
    write(selectableteamsedit(readselectableteams(rom).value()));
    write(menunamesedit(readmenunames(rom).value()));
    EXPECT_EQ(test::differences(rom, cart.RomImage), std::vector<std::size_t>{});
}

// Variations random seeds are built to reach, told from the values reported: every one
// is named in `all`, those this image meets also in `met`.
void noteVariations(const SampleImage& img, std::set<std::string>& all, std::set<std::string>& met)
{
    const auto note = [&](bool happened, const std::string& what) {
        all.insert(what);
        if (happened)
            met.insert(what);
    };
    const auto bit15 = [](const auto& words) {
        return std::any_of(words.begin(), words.end(), [](std::uint16_t w) { return w & 0x8000; });
    };
    std::int64_t spare = kBannerTextSize;
    for (int t = 1; t <= kTeams; ++t) {
        const Team& team = img.teams[t];
        const std::string texts = team.name + team.abbrev + team.nick + team.arena;
        const std::size_t n = team.players.size();
        std::size_t rosterbytes = 2;
        for (const sample::Player& p : team.players) {
            rosterbytes += p.name.size() + 10;
            note(p.name.empty(), "empty player name");
            note(p.name.size() == 253, "player name of 253 bytes");
            note(p.number % 16 > 9 || p.number / 16 > 9, "jersey digit A-F");
            note(std::any_of(p.attr.begin() + 2, p.attr.end(), [](std::uint8_t a) { return a >> 4 > 6; }),
                 "rating nibble 7-15");
        }
        for (const auto& [count, most, role] : {std::tuple{team.goalies, 4, "goalies"},
                                                std::tuple{team.forwards, 15, "forwards"},
                                                std::tuple{team.defence, 15, "defencemen"}}) {
            note(count == 1, std::string("1 of the ") + role);
            note(count == most, std::to_string(most) + " " + role);
        }
        note(n == kMaxPlayers, "25 players");
        note(n <= 5, "at most 5 players");
        note(rosterbytes == teamtextoffset[t] - rosteroffset[t], "roster area full");
        for (int l = 1; l <= kLines; ++l)
            note(std::any_of(team.lines[l].begin() + 1, team.lines[l].end(), [n](std::uint8_t s) { return s > n; }),
                 "line-up slot past the roster");
        note(textblockfree(t, static_cast<std::int64_t>(texts.size())) == 0, "team texts fill their block");
        note(texts.empty(), "four empty team texts");
        note((texts + team.banner).find(' ') != std::string::npos, "text byte 0x20");
        note((texts + team.banner).find('\xFF') != std::string::npos, "text byte 0xFF");
        note(bit15(team.away) || bit15(team.home), "uniform colour with bit 15");
        note(bit15(team.bannercolours), "banner colour with bit 15");
        note(team.banner.empty(), "empty banner text");
        spare -= static_cast<std::int64_t>(team.banner.size()) + 1;
    }
    note(spare == 0, "banner area full");
    note(spare > 0, "banner area with spare zeros");
    note(std::any_of(img.playoffslots.begin(), img.playoffslots.end(), [](std::uint8_t s) { return s > 28; }),
         "playoff slot above 28");
    for (const auto& [count, name] :
         {std::pair{img.playoffcount, "playoff count"}, std::pair{img.selectableteams, "selectable teams"}}) {
        note(count == 0, std::string(name) + " 0");
        note(count > 28, std::string(name) + " above 28");
    }
    for (int f = 1; f <= 7; ++f)
        note(img.menudefaults[static_cast<std::size_t>(f - 1)] >= menufieldsize(f),
             "menu field " + std::to_string(f) + " past its list");
    note(img.menuname1.size() + img.menuname2.size() == 22, "menu names share 22 characters");
    note(img.menuname1.size() + img.menuname2.size() < 22, "menu names share fewer than 22");
}

TEST(SampleImage, DefaultSeedKeepsTheFixedImageAndOtherSeedsRepeat)
{
    const SampleImage fixed = sample::makeSampleImage();
    EXPECT_EQ(crc32(fixed.bytes), 0x2578684Au);
    EXPECT_EQ(sample::makeSampleImage(sample::kDefaultSeed).bytes, fixed.bytes);
    EXPECT_EQ(sample::makeSampleImage(7).bytes, sample::makeSampleImage(7).bytes);
    EXPECT_NE(sample::makeSampleImage(7).bytes, sample::makeSampleImage(8).bytes);
}

TEST(SampleImage, EverySeedDecodesAsBuiltAndRewritesUnchangedAndTogetherTheyMeetEveryVariation)
{
    std::vector<std::uint32_t> seeds = {sample::kDefaultSeed, 0, 0xFFFFFFFFu};
    for (std::uint32_t seed = 1; seed <= 200; ++seed)
        seeds.push_back(seed);
    std::set<std::string> all, met;
    for (const std::uint32_t seed : seeds) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const SampleImage img = sample::makeSampleImage(seed);
        ASSERT_EQ(img.bytes.size(), sample::kImageSize);
        const Cartridge cart = test::decoded(img.bytes);
        expectDecodedAsBuilt(img, cart);
        expectWritersRewriteItUnchanged(cart);
        if (HasFatalFailure())
            return;
        noteVariations(img, all, met);
    }
    for (const std::string& what : all)
        EXPECT_TRUE(met.count(what)) << "no seed gave: " << what;
}

}  // namespace
}  // namespace icevale
