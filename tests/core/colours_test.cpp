#include <bitset>
#include <set>

#include "core/colours.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

using namespace test;

// The split as the digit-text recipe spells it out, to check the bit arithmetic against.
Rgb splitByDigits(std::uint8_t low, std::uint8_t high)
{
    const std::string l = std::bitset<8>(low).to_string(), h = std::bitset<8>(high).to_string();
    const auto value = [](const std::string& digits) { return std::stoi(digits, nullptr, 2); };
    return {value(l.substr(3, 5)), value(h.substr(6, 2) + l.substr(0, 3)), value(h.substr(1, 5))};
}

// Split is checked against the recipe; join then by the round trip, which reaches every
// colour: the splits of the 32768 words without bit 15 are all distinct.
TEST(ColourWord, EveryWordSplitsAsTheDigitRecipeDoesAndJoinsBackWithoutBit15)
{
    for (int word = 0; word < 0x10000; ++word) {
        const auto low = static_cast<std::uint8_t>(word & 0xFF);
        const auto high = static_cast<std::uint8_t>(word >> 8);
        const Rgb c = splitcolorword(low, high);
        ASSERT_EQ(c, splitByDigits(low, high)) << word;
        ASSERT_EQ(joincolorword(c), (ColourBytes{low, static_cast<std::uint8_t>(high & 0x7F)})) << word;
    }
    EXPECT_EQ(joincolorword({33, 40, 63}), joincolorword({1, 8, 31}));  // low five bits kept
    for (int c = 0; c <= 31; ++c) {  // each component paints its own intensity in its own place
        const std::uint32_t v = c == 0 ? 0 : 8 * c - 1;
        EXPECT_EQ((std::array{colortoscreen({c, 0, 0}), colortoscreen({0, c, 0}), colortoscreen({0, 0, c})}),
                  (std::array{v, v << 8, v << 16}));
    }
}

TEST(Uniforms, EntriesTileTheAreaAndReadsStopAtTheImageEnd)
{
    std::set<std::size_t> covered;
    for (int t = 1; t <= kTeams; ++t) {
        for (const std::size_t entry : {awayuniformoffset[t], homeuniformoffset[t]}) {
            for (std::size_t i = 0; i < 32; ++i)
                EXPECT_TRUE(covered.insert(entry + i).second);
        }
    }
    EXPECT_EQ(std::tuple(covered.size(), *covered.begin(), *covered.rbegin()),
              std::tuple(56u * 32, 0xB4BD0u, 0xB52CFu));
    const Bytes cut = slice(sampleImage().bytes, 0, homeuniformoffset[28] + 4 + 21);
    EXPECT_TRUE(readuniform(cut, 28, 0));
    EXPECT_FALSE(readuniform(cut, 28, 1) || flipuniformsedit(cut, 28));
}

TEST(Uniforms, ACellWritesItsWordAndAFlipExchangesTheElevenWordsAsTheyStand)
{
    const Bytes& rom = sampleImage().bytes;
    const std::tuple<int, int, int, std::size_t> cells[] = {
        {1, 0, 0, 0xB4BD4}, {28, 1, 10, 0xB52C8}, {5, 1, 3, 0xB4FDA}};  // team, home, cell, word
    for (const auto& [t, home, cell, at] : cells) {
        EXPECT_EQ(edited(rom, uniformcelledit(rom, t, home, cell, {31, 31, 31})), overlaid(rom, at, {0xFF, 0x7F}));
        EXPECT_EQ(edited(rom, uniformcelledit(rom, t, home, cell, {1, 8, 16})), overlaid(rom, at, {0x01, 0x41}));
        EXPECT_EQ(edited(rom, uniformcelledit(rom, t, home, cell, (*readuniform(rom, t, home))[cell])), rom);
    }
    const Bytes marked = overlaid(rom, 0xB4C57, {0x80});  // bit 15 of team 5's away cell 1
    const Bytes flipped = edited(marked, *flipuniformsedit(marked, 5));
    Bytes expected = marked;
    std::swap_ranges(expected.begin() + 0xB4C54, expected.begin() + 0xB4C6A, expected.begin() + 0xB4FD4);
    EXPECT_EQ(flipped, expected);
    EXPECT_EQ(flipped[0xB4FD7], 0x80);
    EXPECT_EQ(edited(flipped, *flipuniformsedit(flipped, 5)), marked);
}

TEST(BannerColours, FourteenWordsPerTeamKeepingBit15OfUnchangedWords)
{
    const Bytes& rom = sampleImage().bytes;
    for (const auto& [t, at] : {std::pair<int, std::size_t>{2, 0xD7160}, {28, 0xD7720}}) {
        BannerColours rows{};
        rows[0] = {31, 31, 31};  // never read or stored
        ASSERT_TRUE(readbannercolours(rom, t, rows));
        EXPECT_EQ(std::tuple(rows[0], rows[1], rows[14]),
                  std::tuple(Rgb{31, 31, 31}, splitcolorword(rom[at], rom[at + 1]), splitcolorword(rom[at + 26], rom[at + 27])));
        // A word stored with its colour unchanged keeps bit 15; a changed colour clears it.
        const Bytes marked = overlaid(rom, at + 27, {static_cast<std::uint8_t>(rom[at + 27] | 0x80)});
        EXPECT_EQ(edited(marked, bannercoloursedit(marked, t, rows)), marked);
        rows[14] = {1, 2, 3};
        EXPECT_EQ(edited(marked, bannercoloursedit(marked, t, rows)), overlaid(rom, at + 26, {0x41, 0x0C}));
    }
    BannerColours rows{};
    EXPECT_FALSE(readbannercolours(slice(rom, 0, banneroffset[5] + 27), 5, rows));

    rows[0] = {4, 4, 4};
    rows[1] = {28, 5, 31};
    rows[7] = {3, 0, 6};
    rows[14] = {9, 9, 9};
    autocolor(rows);
    const BannerColours expected = {{{4, 4, 4}, {28, 5, 31}, {29, 6, 31}, {30, 7, 31}, {31, 8, 31}, {31, 9, 31},
                                     {31, 10, 31}, {3, 0, 6}, {2, 0, 5}, {1, 0, 4}, {0, 0, 3}, {0, 0, 2}, {0, 0, 1},
                                     {0, 0, 0}, {9, 9, 9}}};
    EXPECT_EQ(rows, expected);
    blackout(rows);
    EXPECT_EQ(rows, (BannerColours{{{4, 4, 4}}}));
}

}  // namespace
}  // namespace icevale
