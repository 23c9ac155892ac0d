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

// Variations random seeds are built to reach, told from the image as decoded: every one
// is named in `all`, those this image meets also in `met`. Texts hold bytes 0x20..0xFF.
void noteVariations(const Cartridge& cart, std::set<std::string>& all, std::set<std::string>& met)
{
    const Bytes& rom = cart.RomImage;
    const auto note = [&](bool happened, const std::string& what) {
        all.insert(what);
        if (happened)
            met.insert(what);
    };
    const auto bit15 = [&rom](std::size_t at, std::size_t words) {
        for (std::size_t k = 0; k < words; ++k)
            if (rom[at + 2 * k + 1] & 0x80)
                return true;
        return false;
    };
    std::int64_t spare = kBannerTextSize;
    for (int t = 1; t <= kTeams; ++t) {
        const TeamTexts texts = teamtexts(cart, t);
        const std::string teamtext = texts.name + texts.abbrev + texts.nick + texts.arena;
        const std::string banner = bannerboxtext(cart, rom, t);
        std::string bytes = teamtext + banner;
        const int n = cart.playercount(t);
        for (int p = 1; p <= n; ++p) {
            const std::string& name = cart.playername[p][t];
            bytes += name;
            note(name.empty(), "empty player name");
            note(name.size() == 253, "player name of 253 bytes");
            note(cart.playernum[p][t] % 16 > 9 || cart.playernum[p][t] / 16 > 9, "jersey digit A-F");
            for (int q = 2; q <= 7; ++q)
                note(cart.playerattr[q][p][t] >> 4 > 6, "rating nibble 7-15");
        }
        EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<std::uint8_t>(c) >= 0x20; }));
        for (const auto& [count, most, role] : {std::tuple{cart.goaliecount[t], 4, "goalies"},
                                                std::tuple{cart.forwardcount[t], 15, "forwards"},
                                                std::tuple{cart.defensecount[t], 15, "defencemen"}}) {
            note(count == 1, std::string("1 of the ") + role);
            note(count == most, std::to_string(most) + " " + role);
        }
        note(n == kMaxPlayers, "25 players");
        note(n <= 5, "at most 5 players");
        note(cart.rosterbytesleft[t] == 0, "roster area full");
        for (int l = 1; l <= kLines; ++l) {
            for (int s = 1; s <= kSlots; ++s)
                note(cart.lineup[t][s][l] > n, "line-up slot past the roster");
        }
        note(textblockfree(t, static_cast<std::int64_t>(teamtext.size())) == 0, "team texts fill their block");
        note(teamtext.empty(), "four empty team texts");
        note(bytes.find(' ') != std::string::npos, "text byte 0x20");
        note(bytes.find('\xFF') != std::string::npos, "text byte 0xFF");
        note(bit15(uniformcelloffset(t, 0, 0), 11) || bit15(uniformcelloffset(t, 1, 0), 11), "uniform colour with bit 15");
        note(bit15(banneroffset[t], 14), "banner colour with bit 15");
        note(banner.empty(), "empty banner text");
        spare -= static_cast<std::int64_t>(banner.size()) + 1;
    }
    note(spare == 0, "banner area full");
    note(spare > 0, "banner area with spare zeros");
    for (int g = 0; g < kPlayoffPages; ++g) {
        const PlayoffPage page = readplayoffpage(rom, g).value();
        note(std::any_of(page.begin(), page.end(), [](std::uint8_t s) { return s > 28; }), "playoff slot above 28");
    }
    for (const auto& [count, name] : {std::pair{readplayoffcount(rom).value(), "playoff count"},
                                      std::pair{readselectableteams(rom).value(), "selectable teams"}}) {
        note(count == 0, std::string(name) + " 0");
        note(count > 28, std::string(name) + " above 28");
    }
    const MenuFields fields = readmenufields(rom).value();
    for (int f = 1; f <= 7; ++f)
        note(fields[static_cast<std::size_t>(f)] >= menufieldsize(f), "menu field " + std::to_string(f) + " past its list");
    const MenuNames names = readmenunames(rom).value();
    note(names.first.size() + names.second.size() == 22, "menu names share 22 characters");
    note(names.first.size() + names.second.size() < 22, "menu names share fewer than 22");
}

TEST(SampleImage, DefaultSeedKeepsTheFixedImageAndOtherSeedsRepeat)
{
    const SampleImage fixed = sample::makeSampleImage();
    EXPECT_EQ(crc32(fixed.bytes), 0x2578684Au);
    EXPECT_EQ(sample::makeSampleImage(sample::kDefaultSeed).bytes, fixed.bytes);
    EXPECT_EQ(sample::makeSampleImage(7).bytes, sample::makeSampleImage(7).bytes);
    EXPECT_NE(sample::makeSampleImage(7).bytes, sample::makeSampleImage(8).bytes);
}

// Each image decodes and every writer rewrites it unchanged; together they hold every variation.
TEST(SampleImage, EverySeedRewritesUnchangedAndTogetherTheyMeetEveryVariation)
{
    std::vector<std::uint32_t> seeds = {sample::kDefaultSeed, 0, 0xFFFFFFFFu};
    for (std::uint32_t seed = 1; seed <= 200; ++seed)
        seeds.push_back(seed);
    std::set<std::string> all, met;
    for (const std::uint32_t seed : seeds) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Bytes image = sample::makeSampleImage(seed).bytes;
        ASSERT_EQ(image.size(), sample::kImageSize);
        const Cartridge cart = test::decoded(image);
        expectWritersRewriteItUnchanged(cart);
        if (HasFatalFailure())
            return;
        noteVariations(cart, all, met);
    }
    for (const std::string& what : all)
        EXPECT_TRUE(met.count(what)) << "no seed gave: " << what;
}

}  // namespace
}  // namespace icevale
