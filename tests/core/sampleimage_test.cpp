#include <gtest/gtest.h>

#include <set>
#include <string_view>
#include <tuple>

#include "core/bannertexts.h"
#include "core/menudefaults.h"
#include "core/playoffs.h"
#include "core/romfile.h"
#include "core/teamtexts.h"
#include "tools/sampleimage.h"

namespace icevale {
namespace {

using sample::SampleImage;

constexpr std::uint32_t kSeeds = 200;

std::uint32_t crc32(const Bytes& bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const std::uint8_t b : bytes) {
        crc ^= b;
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// Reads the image by the format's rules alone, checks each area against them and
// against the values the builder reports, and names every variation it meets.
class Survey {
public:
    Survey(const SampleImage& image, std::set<std::string>& found) : img(image), b(image.bytes), seen(found) {}

    void run()
    {
        ASSERT_EQ(b.size(), sample::kImageSize);
        for (int t = 1; t <= kTeams; ++t) {
            SCOPED_TRACE("team " + std::to_string(t));
            counts(t);
            roster(t);
            teamtexts(t);
            lines(t);
            colours(t);
        }
        banners();
        season();
        Cartridge cart;
        cart.RomImage = b;
        EXPECT_EQ(decodeimage(cart), "");
    }

private:
    void note(bool happened, std::string_view what)
    {
        if (happened)
            seen.emplace(what);
    }

    // A text of `length` bytes from `pos`, checked to hold only bytes 0x20..0xFF.
    std::string text(std::size_t pos, std::size_t length)
    {
        std::string s(b.begin() + static_cast<std::ptrdiff_t>(pos), b.begin() + static_cast<std::ptrdiff_t>(pos + length));
        for (const char c : s) {
            const auto v = static_cast<std::uint8_t>(c);
            EXPECT_GE(v, 0x20);
            note(v == 0x20, "text byte 0x20");
            note(v == 0xFF, "text byte 0xFF");
        }
        return s;
    }

    // A record L, 0, L - 2 characters at pos; returns its text and moves pos past it.
    std::string record(std::size_t& pos)
    {
        const std::size_t length = b[pos];
        EXPECT_GE(length, 2u);
        EXPECT_EQ(b[pos + 1], 0);
        const std::string s = text(pos + 2, length - 2);
        pos += length;
        return s;
    }

    // The count byte and goalie marks against the reported counts.
    void counts(int t)
    {
        const sample::Team& team = img.teams[t];
        const int f = b[teamoffset[t] - 1] >> 4, d = b[teamoffset[t] - 1] & 15;
        int g = 0;
        for (const std::uint8_t marks : {b[teamoffset[t] + 1], b[teamoffset[t] + 2]})
            g += (marks >> 4 != 0) + ((marks & 15) != 0);
        const int n = g + f + d;
        EXPECT_TRUE(g >= 1 && f >= 1 && d >= 1 && n <= kMaxPlayers) << g << " " << f << " " << d;
        EXPECT_EQ(std::vector<int>({g, f, d}), std::vector<int>({team.goalies, team.forwards, team.defence}));
        EXPECT_EQ(team.players.size(), static_cast<std::size_t>(n));
        note(g == 1, "1 goalie");
        note(g == 4, "4 goalies");
        note(f == 1, "1 forward");
        note(f == 15, "15 forwards");
        note(d == 1, "1 defenceman");
        note(d == 15, "15 defencemen");
        note(n == kMaxPlayers, "25 players");
        note(n <= 5, "at most 5 players");
    }

    // The records, each inside the roster area, then the terminator.
    void roster(int t)
    {
        std::size_t pos = rosteroffset[t];
        for (const sample::Player& player : img.teams[t].players) {
            ASSERT_LE(pos + b[pos] + 8, teamtextoffset[t]);
            EXPECT_EQ(record(pos), player.name);
            EXPECT_EQ(b[pos], player.number);
            note(b[pos] >> 4 > 9 || (b[pos] & 15) > 9, "jersey digit A-F");
            for (int q = 1; q <= 7; ++q) {
                const std::uint8_t a = b[pos + static_cast<std::size_t>(q)];
                EXPECT_EQ(a, player.attr[q]);
                note((q > 1 && a >> 4 > 6) || (q != 4 && (a & 15) > 6), "rating nibble 7-15");
            }
            note(player.name.empty(), "empty player name");
            note(player.name.size() == 253, "player name of 253 bytes");
            pos += 8;
        }
        ASSERT_LE(pos + 2, teamtextoffset[t]);
        EXPECT_EQ(b[pos], 0x02);
        EXPECT_EQ(b[pos + 1], 0x00);
        note(pos + 2 == teamtextoffset[t], "roster area full");
    }

    void teamtexts(int t)
    {
        const sample::Team& team = img.teams[t];
        std::size_t pos = teamtextoffset[t];
        for (const std::string* want : {&team.name, &team.abbrev, &team.nick, &team.arena})
            EXPECT_EQ(record(pos), *want);
        EXPECT_LE(pos, teamtextoffset[t] + teamtextsize[t]);
        note(pos == teamtextoffset[t] + teamtextsize[t], "team texts fill their block");
        note(pos == teamtextoffset[t] + 8, "four empty team texts");
    }

    void lines(int t)
    {
        const std::size_t n = img.teams[t].players.size();
        for (int l = 1; l <= kLines; ++l) {
            for (int s = 1; s <= kSlots; ++s) {
                const std::uint8_t slot = b[teamoffset[t] + 3 + 8 * static_cast<std::size_t>(l - 1) + static_cast<std::size_t>(s - 1)];
                EXPECT_EQ(slot, img.teams[t].lines[l][s]);
                note(slot > n, "line-up slot past the roster");
            }
        }
    }

    std::uint16_t word(std::size_t pos) { return static_cast<std::uint16_t>(b[pos] | b[pos + 1] << 8); }

    void colours(int t)
    {
        const sample::Team& team = img.teams[t];
        for (std::size_t k = 0; k < 11; ++k) {
            EXPECT_EQ(word(awayuniformoffset[t] + 4 + 2 * k), team.away[k]);
            EXPECT_EQ(word(homeuniformoffset[t] + 4 + 2 * k), team.home[k]);
            note((team.away[k] | team.home[k]) & 0x8000, "uniform colour with bit 15");
        }
        for (std::size_t k = 0; k < 14; ++k) {
            EXPECT_EQ(word(banneroffset[t] + 2 * k), team.bannercolours[k]);
            note(team.bannercolours[k] & 0x8000, "banner colour with bit 15");
        }
    }

    void banners()
    {
        const std::size_t end = kBannerTextArea + kBannerTextSize;
        std::size_t expected = kBannerTextArea;
        for (int t = 1; t <= kTeams; ++t) {
            const std::size_t entry = kBannerPointerTable + 2 * static_cast<std::size_t>(t - 1);
            const std::size_t f = (b[entry + 1] == 0x96 ? 0xE1800 : 0xE1900) + b[entry];
            ASSERT_TRUE(b[entry + 1] == 0x96 || b[entry + 1] == 0x97);
            ASSERT_EQ(f, expected) << "pointer of team " << t;  // ascending, packed from the area's start
            std::size_t stop = f;
            while (stop < end && b[stop] != 0)
                ++stop;
            ASSERT_LT(stop, end) << "separator of team " << t;
            EXPECT_EQ(text(f, stop - f), img.teams[t].banner);
            note(stop == f, "empty banner text");
            expected = stop + 1;
        }
        for (std::size_t f = expected; f < end; ++f)
            EXPECT_EQ(b[f], 0);
        note(expected == end, "banner area full");
        note(expected < end, "banner area with spare zeros");
    }

    void season()
    {
        static constexpr int listsizes[7] = {5, 28, 28, 3, 3, 3, 2};
        for (std::size_t i = 0; i < 512; ++i) {
            EXPECT_EQ(b[kPlayoffSlots + i], img.playoffslots[i]);
            note(b[kPlayoffSlots + i] > 28, "playoff slot above 28");
        }
        for (const auto& [at, copy, want, name] : {std::tuple{kPlayoffCount, kPlayoffCountCopy, img.playoffcount, "playoff count"},
                                                  std::tuple{kSelectableTeams, kSelectableTeamsCopy, img.selectableteams, "selectable teams"}}) {
            EXPECT_EQ(b[at], want);
            EXPECT_EQ(b[copy], want);
            note(b[at] == 0, std::string(name) + " 0");
            note(b[at] > 28, std::string(name) + " above 28");
        }
        for (std::size_t i = 0; i < 7; ++i) {
            EXPECT_EQ(b[kMenuDefaults + 2 * i], img.menudefaults[i]);
            note(b[kMenuDefaults + 2 * i] >= listsizes[i], "menu field " + std::to_string(i + 1) + " past its list");
        }
        std::size_t pos = kMenuNamesOffset;
        EXPECT_EQ(record(pos), img.menuname1);
        EXPECT_EQ(record(pos), img.menuname2);
        EXPECT_LE(pos, kMenuNamesOffset + 26);
        note(pos == kMenuNamesOffset + 26, "menu names share 22 characters");
        note(pos < kMenuNamesOffset + 26, "menu names share fewer than 22");
    }

    const SampleImage& img;
    const Bytes& b;
    std::set<std::string>& seen;
};

TEST(SampleImage, DefaultSeedKeepsTheFixedImageAndOtherSeedsRepeat)
{
    const SampleImage fixed = sample::makeSampleImage();
    EXPECT_EQ(crc32(fixed.bytes), 0x2578684Au);
    EXPECT_EQ(sample::makeSampleImage(sample::kDefaultSeed).bytes, fixed.bytes);
    EXPECT_EQ(sample::makeSampleImage(7).bytes, sample::makeSampleImage(7).bytes);
    EXPECT_NE(sample::makeSampleImage(7).bytes, sample::makeSampleImage(8).bytes);
}

TEST(SampleImage, EverySeedIsSoundAndTogetherTheyMeetEveryVariation)
{
    std::set<std::string> seen;
    for (const std::uint32_t seed : {sample::kDefaultSeed, 0u, 0xFFFFFFFFu})
        Survey(sample::makeSampleImage(seed), seen).run();
    seen.clear();
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Survey(sample::makeSampleImage(seed), seen).run();
        if (HasFatalFailure())
            return;
    }
    std::vector<std::string> wanted = {
        "1 goalie", "4 goalies", "1 forward", "15 forwards", "1 defenceman", "15 defencemen", "25 players",
        "at most 5 players", "roster area full", "empty player name", "player name of 253 bytes",
        "jersey digit A-F", "rating nibble 7-15", "line-up slot past the roster",
        "team texts fill their block", "four empty team texts", "text byte 0x20", "text byte 0xFF",
        "uniform colour with bit 15", "banner colour with bit 15", "empty banner text", "banner area full",
        "banner area with spare zeros", "playoff slot above 28", "playoff count 0", "playoff count above 28",
        "selectable teams 0", "selectable teams above 28", "menu names share 22 characters",
        "menu names share fewer than 22"};
    for (int field = 1; field <= 7; ++field)
        wanted.push_back("menu field " + std::to_string(field) + " past its list");
    for (const std::string& what : wanted)
        EXPECT_TRUE(seen.count(what)) << "no seed gave: " << what;
}

}  // namespace
}  // namespace icevale
