#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "banners/bannertable.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

constexpr std::size_t kAreaEnd = kBannerTextArea + kBannerTextSize;  // one past
constexpr std::uint8_t kFiller = 0xEE;

// An image of filler with the text area holding 'a'.. and no table yet.
Cartridge blankImage()
{
    Cartridge cart;
    cart.RomImage.assign(kMinImageSize, kFiller);
    for (std::size_t pos = kBannerTextArea; pos < kAreaEnd; ++pos)
        cart.RomImage[pos] = static_cast<std::uint8_t>('a' + pos % 26);
    return cart;
}

void setPointer(Cartridge& cart, int k, std::uint16_t address)
{
    const std::size_t entry = kBannerPointerTable + 2 * static_cast<std::size_t>(k - 1);
    cart.RomImage[entry] = static_cast<std::uint8_t>(address & 0xFF);
    cart.RomImage[entry + 1] = static_cast<std::uint8_t>(address >> 8);
}

// Pointers for texts of these lengths, each followed by a separator, from 0xE1881.
void setPointersFor(Cartridge& cart, const TeamTable<std::int32_t>& lengths)
{
    std::uint16_t address = 0x9681;
    for (int k = 1; k <= kTeams; ++k) {
        setPointer(cart, k, address);
        address = static_cast<std::uint16_t>(address + lengths[k] + 1);
    }
}

TeamTable<std::int32_t> lengthsFilling(int spare)
{
    TeamTable<std::int32_t> lengths{};
    for (int k = 1; k < kTeams; ++k)
        lengths[k] = k % 9;
    const int used = std::accumulate(lengths.begin() + 1, lengths.end() - 1, 0) + (kTeams - 1);
    lengths[kTeams] = static_cast<std::int32_t>(kBannerTextSize) - used - 1 - spare;
    return lengths;
}

std::vector<std::uint8_t> tableBytes(const Cartridge& cart)
{
    return {cart.RomImage.begin() + kBannerPointerTable, cart.RomImage.begin() + kBannerTextArea};
}

TEST(BannerLengths, ATableThatFillsTheAreaGivesEachTextsLength)
{
    Cartridge cart = blankImage();
    const TeamTable<std::int32_t> lengths = lengthsFilling(0);
    setPointersFor(cart, lengths);
    EXPECT_TRUE(readbannerlengths(cart));
    EXPECT_EQ(cart.bannertextlen, lengths);
}

TEST(BannerLengths, SpareBytesAtTheEndCountIntoTheLastText)
{
    Cartridge cart = blankImage();
    const TeamTable<std::int32_t> lengths = lengthsFilling(5);
    setPointersFor(cart, lengths);
    EXPECT_TRUE(readbannerlengths(cart));
    for (int k = 1; k < kTeams; ++k)
        EXPECT_EQ(cart.bannertextlen[k], lengths[k]) << k;
    EXPECT_EQ(cart.bannertextlen[kTeams], lengths[kTeams] + 5);
}

TEST(BannerPointers, TwentyEightEmptyTextsGiveConsecutiveAddresses)
{
    Cartridge cart = blankImage();
    const Bytes before = cart.RomImage;
    writebannerpointers(cart);
    std::vector<std::uint8_t> expected;
    for (int k = 0; k < kTeams; ++k) {
        expected.push_back(static_cast<std::uint8_t>(0x81 + k));
        expected.push_back(0x96);
    }
    EXPECT_EQ(tableBytes(cart), expected);
    for (const std::size_t pos : test::differences(before, cart.RomImage))
        EXPECT_TRUE(pos >= kBannerPointerTable && pos < kBannerTextArea) << std::hex << pos;
}

TEST(BannerPointers, HighByteChangesAt0xE1900)
{
    Cartridge cart = blankImage();
    cart.bannertextlen[1] = 125;  // text 2 begins at 0xE18FF, text 3 at 0xE1900
    writebannerpointers(cart);
    const auto table = tableBytes(cart);
    EXPECT_EQ(table[0], 0x81);
    EXPECT_EQ(table[1], 0x96);
    EXPECT_EQ(table[2], 0xFF);
    EXPECT_EQ(table[3], 0x96);
    EXPECT_EQ(table[4], 0x00);
    EXPECT_EQ(table[5], 0x97);
    EXPECT_EQ(table[54], 0x19);  // text 28 at 0xE1919
    EXPECT_EQ(table[55], 0x97);
}

TEST(BannerPointers, ReadingWhatWasWrittenGivesTheLengthsBack)
{
    for (const int spare : {0, 1, 40}) {
        Cartridge cart = blankImage();
        const TeamTable<std::int32_t> lengths = lengthsFilling(spare);
        cart.bannertextlen = lengths;
        writebannerpointers(cart);
        cart.bannertextlen = {};
        EXPECT_TRUE(readbannerlengths(cart));
        for (int k = 1; k < kTeams; ++k)
            EXPECT_EQ(cart.bannertextlen[k], lengths[k]) << k;
        EXPECT_EQ(cart.bannertextlen[kTeams], lengths[kTeams] + spare);
    }
}

// Damage done to a usable table; none of it may take a read outside the area.
struct DamagedTable {
    const char* what;
    int k;
    std::uint16_t address;
};

TEST(BannerLengths, DamagedTablesAreUnusableAndReadNothingOutsideTheArea)
{
    const std::vector<DamagedTable> cases = {
        {"descending", 5, 0x9681},
        {"equal neighbours", 9, 0x9681 + 9 * 5},
        {"first below the area", 1, 0x9600},
        {"first at zero", 1, 0x0000},
        {"last past the area", 28, 0x97F0},
        {"last at the top of memory", 28, 0xFFFF},
        {"one far beyond", 14, 0xFFFF},
    };
    for (const DamagedTable& c : cases) {
        SCOPED_TRACE(c.what);
        Cartridge cart = blankImage();
        TeamTable<std::int32_t> lengths{};
        lengths.fill(4);
        setPointersFor(cart, lengths);  // 28 texts of 4, then 121 spare bytes
        setPointer(cart, c.k, c.address);
        const Bytes before = cart.RomImage;
        EXPECT_FALSE(readbannerlengths(cart));
        for (int t = 1; t <= kTeams; ++t) {
            const std::string text = readbannertext(cart, t);
            EXPECT_LE(text.size(), kBannerTextSize) << t;
            EXPECT_EQ(text.find(static_cast<char>(kFiller)), std::string::npos) << t;
        }
        EXPECT_EQ(cart.RomImage, before);
    }
}

TEST(BannerLengths, OverlappingTextsShowWhatLiesInTheArea)
{
    Cartridge cart = blankImage();
    for (int k = 1; k <= kTeams; ++k)
        setPointer(cart, k, 0x9681);
    EXPECT_FALSE(readbannerlengths(cart));
    EXPECT_EQ(cart.bannertextlen[1], -1);
    EXPECT_EQ(cart.bannertextlen[kTeams], 260);
    EXPECT_EQ(readbannertext(cart, 1), "");
    EXPECT_EQ(bannertextstart(cart, kTeams), kBannerTextArea);
    EXPECT_EQ(readbannertext(cart, kTeams).size(), 260u);

    // Texts that together run past the area end where the area ends.
    setPointer(cart, 1, 0x9600);
    EXPECT_FALSE(readbannerlengths(cart));
    EXPECT_EQ(cart.bannertextlen[1], 0x80);
    EXPECT_EQ(bannertextstart(cart, kTeams), kBannerTextArea + 0x81);
    EXPECT_EQ(readbannertext(cart, kTeams).size(), kBannerTextSize - 0x81);
}

TEST(BannerTexts, ShortImagesAreNeitherReadNorWrittenPastTheirEnd)
{
    Cartridge cart;
    cart.RomImage.assign(kBannerPointerTable + 3, kFiller);
    EXPECT_FALSE(readbannerlengths(cart));
    for (int t = 1; t <= kTeams; ++t)
        EXPECT_TRUE(readbannertext(cart, t).empty());
    TeamTable<std::string> texts;
    texts[1] = "AB";
    EXPECT_TRUE(writebannertexts(cart, texts));
    EXPECT_EQ(cart.RomImage.size(), kBannerPointerTable + 3);
    EXPECT_EQ(cart.RomImage[kBannerPointerTable], 0x81);
    EXPECT_EQ(cart.RomImage[kBannerPointerTable + 2], 0x84);
}

TEST(BannerTexts, WritingPacksTheTextsZeroFillsAndRebuildsTheTable)
{
    Cartridge cart = blankImage();
    const Bytes before = cart.RomImage;
    TeamTable<std::string> texts;
    texts[1] = "OWLS";
    texts[2] = "";
    texts[3] = std::string("\xC9T\xC9", 3);
    texts[kTeams] = "END";
    ASSERT_TRUE(writebannertexts(cart, texts));

    Bytes area(cart.RomImage.begin() + kBannerTextArea, cart.RomImage.begin() + kAreaEnd);
    Bytes expected = {'O', 'W', 'L', 'S', 0, 0, 0xC9, 'T', 0xC9, 0};
    expected.resize(10 + 24, 0);  // texts 4..27 are empty: their separators
    for (const char c : std::string("END"))
        expected.push_back(static_cast<std::uint8_t>(c));
    expected.resize(kBannerTextSize, 0);
    EXPECT_EQ(area, expected);

    const auto table = tableBytes(cart);
    EXPECT_EQ(table[0], 0x81);
    EXPECT_EQ(table[2], 0x86);
    EXPECT_EQ(table[4], 0x87);
    EXPECT_EQ(table[6], 0x8B);
    EXPECT_EQ(table[54], 0xA3);
    EXPECT_EQ(cart.bannertextlen[1], 4);
    EXPECT_EQ(cart.bannertextlen[3], 3);
    EXPECT_EQ(cart.bannertextlen[kTeams], 3);
    for (const std::size_t pos : test::differences(before, cart.RomImage))
        EXPECT_TRUE(pos >= kBannerPointerTable && pos < kAreaEnd) << std::hex << pos;

    EXPECT_TRUE(readbannerlengths(cart));
    EXPECT_EQ(readbannertext(cart, 3), texts[3]);
    EXPECT_EQ(cart.bannertextlen[kTeams], static_cast<std::int32_t>(kBannerTextSize) - 34 - 1);
}

TEST(BannerTexts, TextsThatDoNotFitAreRefusedWithoutWriting)
{
    Cartridge cart = blankImage();
    const Bytes before = cart.RomImage;
    TeamTable<std::string> texts;
    texts[7] = std::string(kBannerTextSize - 28, 'x');  // exactly fills the area
    EXPECT_EQ(bannerbytesused(texts), kBannerTextSize);
    EXPECT_TRUE(writebannertexts(cart, texts));
    EXPECT_TRUE(readbannerlengths(cart));
    EXPECT_EQ(cart.bannertextlen[7], static_cast<std::int32_t>(kBannerTextSize) - 28);

    cart.RomImage = before;
    texts[8] = "y";
    EXPECT_FALSE(writebannertexts(cart, texts));
    EXPECT_EQ(cart.RomImage, before);
}

TEST(BannerTexts, BoxTextLeavesOutZeroBytes)
{
    Cartridge cart = blankImage();
    TeamTable<std::string> texts;
    texts[2] = std::string("HE\0ONS", 6);
    ASSERT_TRUE(writebannertexts(cart, texts));
    ASSERT_TRUE(readbannerlengths(cart));
    EXPECT_EQ(readbannertext(cart, 2).size(), 6u);
    EXPECT_EQ(bannerboxtext(cart, 2), "HEONS");
    EXPECT_EQ(bannerboxtext(cart, 1), "");
}

}  // namespace
}  // namespace icevale
