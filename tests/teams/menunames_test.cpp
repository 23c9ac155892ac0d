#include <gtest/gtest.h>

#include "support/fixtures.h"
#include "teams/menunames.h"

namespace icevale {
namespace {

using test::differences;

constexpr std::size_t kAt = kMenuNamesOffset;

Bytes withNames(const Bytes& records)
{
    Bytes rom = test::sampleImage().bytes;
    std::copy(records.begin(), records.end(), rom.begin() + kAt);
    return rom;
}

TEST(MenuNames, ReadsBothRecordsWhateverTheirLengths)
{
    EXPECT_EQ(readmenunames(test::sampleImage().bytes), (MenuNames{"ICEVALE", "LEAGUE"}));
    // The second header bytes are never read.
    EXPECT_EQ(readmenunames(withNames({4, 0x55, 'A', 'B', 3, 0x66, 'C'})), (MenuNames{"AB", "C"}));
    // L1 = 0 reads the second record from the same byte; L1 = 1 from the next one.
    EXPECT_EQ(readmenunames(withNames({0, 4, 'A', 'B'})), (MenuNames{"", ""}));
    EXPECT_EQ(readmenunames(withNames({1, 4, 0, 'X', 'Y'})), (MenuNames{"", "XY"}));
    // Damaged lengths far past the 26 bytes are read as stored, within the image.
    const MenuNames longer = readmenunames(withNames({200}));
    EXPECT_EQ(longer.first.size(), 198U);
}

TEST(MenuNames, WritesTheTwoRecordsAndLeavesTheRestAlone)
{
    const Bytes original = test::sampleImage().bytes;  // 09 00 ICEVALE 08 00 LEAGUE
    Bytes rom = original;
    rom[kAt + 1] = 0x42;
    ASSERT_TRUE(writemenunames(rom, {"ICE", "LEAGUE"}));
    const Bytes expected = {5, 0x42, 'I', 'C', 'E', 8, 0, 'L', 'E', 'A', 'G', 'U', 'E'};
    EXPECT_EQ(Bytes(rom.begin() + kAt, rom.begin() + kAt + 13), expected);
    // The old tail of the second record stays as it was.
    for (const std::size_t d : differences(rom, original))
        EXPECT_TRUE(d == kAt + 1 || (d >= kAt && d < kAt + 13)) << d;
    EXPECT_EQ(rom[kAt + 13], 'A');

    rom = original;
    ASSERT_TRUE(writemenunames(rom, {"", ""}));
    EXPECT_EQ(rom[kAt], 2);
    EXPECT_EQ(rom[kAt + 1], original[kAt + 1]);
    EXPECT_EQ(rom[kAt + 2], 2);
    EXPECT_EQ(rom[kAt + 3], 0);
    EXPECT_EQ(differences(rom, original), (std::vector<std::size_t>{kAt, kAt + 2, kAt + 3}));

    rom = original;
    ASSERT_TRUE(writemenunames(rom, {"ICEVALE", "LEAGUE"}));
    EXPECT_TRUE(differences(rom, original).empty());
}

TEST(MenuNames, TwentyTwoCharactersAtMost)
{
    const Bytes original = test::sampleImage().bytes;
    Bytes rom = original;
    ASSERT_TRUE(writemenunames(rom, {std::string(12, 'a'), std::string(10, 'b')}));
    EXPECT_EQ(rom[kAt + 14], 12);
    EXPECT_EQ(rom[kAt + 25], 'b');  // the 26th byte is the last one written
    for (const std::size_t d : differences(rom, original))
        EXPECT_LT(d, kAt + 26);

    rom = original;
    EXPECT_FALSE(writemenunames(rom, {std::string(22, 'a'), "b"}));
    EXPECT_FALSE(writemenunames(rom, {std::string(200, 'a'), ""}));
    EXPECT_TRUE(differences(rom, original).empty());
}

}  // namespace
}  // namespace icevale
