#include <gtest/gtest.h>

#include <set>

#include "colours/bannercolours.h"
#include "colours/uniform.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

using test::differences;
using test::sampleImage;

Rgb rgbOf(std::uint16_t word)
{
    return splitcolorword(static_cast<std::uint8_t>(word & 0xFF), static_cast<std::uint8_t>(word >> 8));
}

// Offsets in [first, last] (inclusive).
std::vector<std::size_t> span(std::size_t first, std::size_t last)
{
    std::vector<std::size_t> v;
    for (std::size_t i = first; i <= last; ++i)
        v.push_back(i);
    return v;
}

TEST(UniformData, EntriesTileTheUniformAreaAndReadTheSampleWords)
{
    EXPECT_EQ(uniformentry(1, 0), 0xB4BD0u);
    EXPECT_EQ(uniformentry(28, 1), 0xB52B0u);
    std::set<std::size_t> covered;
    for (int t = 1; t <= kTeams; ++t)
        for (int mode : {0, 1})
            for (std::size_t i = 0; i < 32; ++i)
                EXPECT_TRUE(covered.insert(uniformentry(t, mode) + i).second);
    EXPECT_EQ(covered.size(), 56u * 32);
    EXPECT_EQ(*covered.begin(), 0xB4BD0u);
    EXPECT_EQ(*covered.rbegin(), 0xB52CFu);

    const Bytes& rom = sampleImage().bytes;
    for (int t : {1, 14, 28}) {
        const auto away = readuniform(rom, t, 0);
        const auto home = readuniform(rom, t, 1);
        for (int k = 0; k < kUniformCells; ++k) {
            EXPECT_EQ(away[k], rgbOf(sampleImage().teams[t].away[k]));
            EXPECT_EQ(home[k], rgbOf(sampleImage().teams[t].home[k]));
        }
    }
}

TEST(UniformData, StoringACellWritesOnlyItsWord)
{
    Bytes rom = sampleImage().bytes;
    storeuniformcell(rom, 1, 0, 0, {31, 31, 31});
    EXPECT_EQ(differences(rom, sampleImage().bytes), span(0xB4BD4, 0xB4BD5));
    EXPECT_EQ(rom[0xB4BD4], 0xFF);
    EXPECT_EQ(rom[0xB4BD5], 0x7F);

    rom = sampleImage().bytes;
    rom[0xB52C9] |= 0x80;
    const Rgb kept = readuniform(rom, 28, 1)[10];
    storeuniformcell(rom, 28, 1, 10, kept);  // same colour: only bit 15 is cleared
    EXPECT_TRUE(differences(rom, sampleImage().bytes).empty());

    storeuniformcell(rom, 28, 1, 11, {1, 1, 1});  // no such cell
    storeuniformcell(rom, 0, 0, 0, {1, 1, 1});    // no such team
    EXPECT_TRUE(differences(rom, sampleImage().bytes).empty());
}

TEST(UniformData, FlipExchangesOnlyTheElevenWordsAndTwiceRestores)
{
    Bytes rom = sampleImage().bytes;
    rom[0xB4C57] |= 0x80;  // bit 15 moves with the word
    const Bytes before = rom;
    flipuniforms(rom, 5);
    std::vector<std::size_t> expected = span(0xB4C54, 0xB4C69);
    const auto home = span(0xB4FD4, 0xB4FE9);
    expected.insert(expected.end(), home.begin(), home.end());
    for (std::size_t offset : differences(rom, before))
        EXPECT_TRUE(std::find(expected.begin(), expected.end(), offset) != expected.end()) << std::hex << offset;
    for (std::size_t i = 0; i < 22; ++i) {
        EXPECT_EQ(rom[0xB4C54 + i], before[0xB4FD4 + i]);
        EXPECT_EQ(rom[0xB4FD4 + i], before[0xB4C54 + i]);
    }
    flipuniforms(rom, 5);
    EXPECT_EQ(rom, before);
}

TEST(BannerData, ReadsAndStoresTheTeamsTwentyEightBytes)
{
    Bytes rom = sampleImage().bytes;
    for (int t : {2, 28}) {
        BannerColours rows{};
        readbannercolours(rom, t, rows);
        for (int k = 0; k < kBannerCells; ++k)
            EXPECT_EQ(rows[k + 1], rgbOf(sampleImage().teams[t].bannercolours[k]));
        storebannercolours(rom, t, rows);
        EXPECT_EQ(rom, sampleImage().bytes);  // unedited is byte-identical

        rows[0] = {9, 9, 9};  // row 0 is never stored
        blackout(rows);
        EXPECT_EQ(rows[0], (Rgb{9, 9, 9}));
        storebannercolours(rom, t, rows);
        const std::size_t from = t == 2 ? 0xD7160 : 0xD7720;
        for (std::size_t offset : differences(rom, sampleImage().bytes))
            EXPECT_TRUE(offset >= from && offset < from + 28) << std::hex << offset;
        for (std::size_t i = 0; i < 28; ++i)
            EXPECT_EQ(rom[from + i], 0);
        rom = sampleImage().bytes;
    }
}

TEST(BannerData, AutoColourBrightensTheTopRowAndDarkensTheSecond)
{
    BannerColours rows{};
    rows[1] = {28, 5, 31};
    rows[7] = {3, 0, 6};
    rows[14] = {4, 5, 6};
    autocolor(rows);
    const std::vector<Rgb> top = {{28, 5, 31}, {29, 6, 31}, {30, 7, 31}, {31, 8, 31}, {31, 9, 31}, {31, 10, 31}};
    const std::vector<Rgb> second = {{3, 0, 6}, {2, 0, 5}, {1, 0, 4}, {0, 0, 3}, {0, 0, 2}, {0, 0, 1}, {0, 0, 0}};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(rows[1 + i], top[i]) << "row " << 1 + i;
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(rows[7 + i], second[i]) << "row " << 7 + i;
    EXPECT_EQ(rows[14], (Rgb{4, 5, 6}));
}

}  // namespace
}  // namespace icevale
