#include <gtest/gtest.h>

#include "core/imagebytes.h"
#include "core/teamtext.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

Cartridge withBlock(int t, const Bytes& block)
{
    Cartridge cart = test::loadedSample();
    std::copy(block.begin(), block.end(), cart.RomImage.begin() + teamtextoffset[t]);
    readteamtext(cart);
    return cart;
}

TEST(TeamText, SampleTextsDecodeAsBuilt)
{
    const Cartridge cart = test::loadedSample();
    for (int t = 1; t <= kTeams; ++t) {
        const auto& team = test::sampleImage().teams[t];
        EXPECT_EQ(cart.teamname[t], team.name);
        EXPECT_EQ(cart.teamabbrev[t], team.abbrev);
        EXPECT_EQ(cart.teamnick[t], team.nick);
        EXPECT_EQ(cart.teamarena[t], team.arena);
    }
}

TEST(TeamText, RecordLengthsZeroOneAndTwo)
{
    // 06 00 ABCD | 05 00 XYZ | 02 00 | 03 00 Q
    Cartridge cart = withBlock(5, {6, 0, 'A', 'B', 'C', 'D', 5, 0, 'X', 'Y', 'Z', 2, 0, 3, 0, 'Q'});
    EXPECT_EQ(cart.teamname[5], "ABCD");
    EXPECT_EQ(cart.teamabbrev[5], "XYZ");
    EXPECT_EQ(cart.teamnick[5], "");
    EXPECT_EQ(cart.teamarena[5], "Q");

    // L = 0 does not advance: all four records are read from that byte.
    cart = withBlock(5, {0, 6, 0, 'A'});
    EXPECT_EQ(cart.teamname[5] + cart.teamabbrev[5] + cart.teamnick[5] + cart.teamarena[5], "");

    // L = 1 advances by one; the second header byte is never read.
    cart = withBlock(5, {1, 6, 0x7F, 'A', 'B', 'C', 'D', 3, 0, 'Z', 2, 0});
    EXPECT_EQ(cart.teamname[5], "");
    EXPECT_EQ(cart.teamabbrev[5], "ABCD");
    EXPECT_EQ(cart.teamnick[5], "Z");
    EXPECT_EQ(cart.teamarena[5], "");
}

TEST(TeamText, HighBytesAreKeptAsTheyAre)
{
    const Cartridge cart = withBlock(1, {5, 0, 0xE9, 0x80, 0x9D, 2, 0, 2, 0, 2, 0});
    EXPECT_EQ(cart.teamname[1], "\xE9\x80\x9D");
}

TEST(TeamText, LengthTextNeverReadsPastTheImage)
{
    const Bytes rom = {4, 0, 'A'};  // claims two characters, holds one
    std::size_t pos = 0;
    EXPECT_EQ(readlengthtext(rom, pos), "A");
    EXPECT_EQ(pos, 4u);
    EXPECT_EQ(readlengthtext(rom, pos), "");  // starts past the end
}

}  // namespace
}  // namespace icevale
