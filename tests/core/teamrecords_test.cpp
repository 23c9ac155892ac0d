#include <gtest/gtest.h>

#include "support/fixtures.h"
#include "core/menunames.h"
#include "core/teamrecords.h"

namespace icevale {
namespace {

using namespace std::string_literals;
using test::differences;
using Offsets = std::vector<std::size_t>;

// `rom` with `bytes` laid over it from `at`.
Bytes overlaid(Bytes rom, std::size_t at, const std::string& bytes)
{
    std::copy(bytes.begin(), bytes.end(), rom.begin() + static_cast<std::ptrdiff_t>(at));
    return rom;
}

// The record bytes of a block, written only when they fit it and the image.
TEST(TeamRecords, WritesTheFourRecordsOnlyWhereTheyFit)
{
    Cartridge cart = test::loadedSample();
    const Bytes original = cart.RomImage;
    const std::size_t p = teamtextoffset[4];  // "Dunmere" "DUN" "Foxes" "Fox Den": 30 bytes
    cart.RomImage[p + 1] = 0x7F;              // a second header byte is written as 0
    ASSERT_TRUE(saveteamtext(cart, 4, {"Ab", "", "\xC9l", "Q"}));
    EXPECT_EQ(differences(cart.RomImage, overlaid(original, p, "\x04\0Ab\x02\0\x04\0\xC9l\x03\0Q"s)), Offsets{});
    EXPECT_EQ(teamtexts(cart, 4), (TeamTexts{"Ab", "", "\xC9l", "Q"}));

    cart.RomImage = original;  // 34 bytes: 26 characters fit
    EXPECT_FALSE(saveteamtext(cart, 6, {std::string(21, 'a'), "abc", "x", "yz"}));
    EXPECT_EQ(cart.teamname[6], "Fenwick");
    EXPECT_TRUE(cart.RomImage == original);
    Bytes shortimage(teamtextoffset[6] + 10, 0xEE);  // ends inside the block
    EXPECT_FALSE(writeteamtext(shortimage, 6, {"a", "b", "c", "d"}));
    EXPECT_EQ(shortimage, Bytes(teamtextoffset[6] + 10, 0xEE));
}

TEST(TeamRecords, OverallNumbers)
{
    const std::pair<const char*, int> valid[] = {{"007", 7},  {"255", 255}, {"2.5", 2}, {"3.5", 4},
                                                 {"2.51", 3}, {".5", 0},    {"9.", 9},  {"255.4", 255}};
    for (const auto& [text, value] : valid)
        EXPECT_EQ(parseoverall(text), std::optional<std::uint8_t>(value)) << text;
    for (const char* text : {"", "abc", "300", "-1", "256", "255.5", ".", "1.2.3", " 7", "1e2", "+5"})
        EXPECT_EQ(parseoverall(text), std::nullopt) << text;
}

TEST(MenuNames, ReadsAndWritesBothRecords)
{
    Bytes original = test::sampleImage().bytes;  // 09 00 ICEVALE 08 00 LEAGUE
    // L1 = 0 reads the second record from the same byte, L1 = 1 from the next one.
    EXPECT_EQ(readmenunames(overlaid(original, kMenuNamesOffset, "\0\x04" "AB"s)), (MenuNames{"", ""}));
    EXPECT_EQ(readmenunames(overlaid(original, kMenuNamesOffset, "\x01\x04\0XY"s)), (MenuNames{"", "XY"}));

    original[kMenuNamesOffset + 1] = 0x42;  // the first record's second header byte stays
    Bytes rom = original;
    ASSERT_TRUE(writemenunames(rom, {"ICE", "LEAGUE"}));
    EXPECT_EQ(differences(rom, overlaid(original, kMenuNamesOffset, "\x05\x42ICE\x08\0LEAGUE"s)), Offsets{});
    rom = original;
    EXPECT_FALSE(writemenunames(rom, {std::string(22, 'a'), "b"}));  // 22 characters at most
    EXPECT_TRUE(rom == original);
}

}  // namespace
}  // namespace icevale
