#include <gtest/gtest.h>

#include "core/bannertexts.h"
#include "support/fixtures.h"
#include "support/imageedits.h"

namespace icevale {
namespace {

using namespace test;
constexpr std::size_t kAreaEnd = kBannerTextArea + kBannerTextSize;

void setPointer(Bytes& image, int k, int address)
{
    const std::size_t entry = kBannerPointerTable + 2 * static_cast<std::size_t>(k - 1);
    image[entry] = static_cast<std::uint8_t>(address);
    image[entry + 1] = static_cast<std::uint8_t>(address >> 8);
}

TEST(BannerTexts, SampleTextsDecodeAsBuiltAndTheSpareBytesCountIntoTheLast)
{
    const Cartridge cart = loadedSample();
    TeamTable<std::string> texts;
    for (int t = 1; t <= kTeams; ++t)
        texts[t] = sampleImage().teams[t].banner;
    const auto spare = static_cast<std::int32_t>(kBannerTextSize - bannerbytesused(texts));
    ASSERT_GT(spare, 0);
    for (int t = 1; t <= kTeams; ++t) {
        EXPECT_EQ(cart.bannertextlen[t], static_cast<std::int32_t>(texts[t].size()) + (t == kTeams ? spare : 0));
        EXPECT_EQ(bannerboxtext(cart, cart.RomImage, t), texts[t]);
    }
    const std::string zeros(static_cast<std::size_t>(spare), '\0');
    EXPECT_EQ(readbannertext(cart, cart.RomImage, kTeams), texts[kTeams] + zeros);
    EXPECT_EQ(edited(cart.RomImage, *bannertextsedit(texts)), cart.RomImage);
    EXPECT_EQ(edited(cart.RomImage, bannerpointersedit(cart)), cart.RomImage);
}

TEST(BannerTexts, PointersAreWrittenByteExactAndReadBack)
{
    Cartridge cart;
    cart.RomImage.assign(kMinImageSize, 0xEE);
    Bytes expected = cart.RomImage;
    for (int k = 1; k <= kTeams; ++k)
        setPointer(expected, k, 0x9680 + k);
    EXPECT_EQ(edited(cart.RomImage, bannerpointersedit(cart)), expected);  // 28 empty texts
    // Text 2 at the last offset below 0xE1900, then at 0xE1900.
    for (const auto& [first, second] : {std::pair{125, 0x96FF}, std::pair{126, 0x9700}}) {
        cart.bannertextlen[1] = first;
        setPointer(expected, 2, second);
        for (int k = 3; k <= kTeams; ++k)
            setPointer(expected, k, 0x9700 + (first - 126) + (k - 2));
        EXPECT_EQ(edited(cart.RomImage, bannerpointersedit(cart)), expected) << first;
    }
    for (int k = 1; k <= kTeams; ++k)  // texts that fill the area exactly
        cart.bannertextlen[k] = k < kTeams ? k % 9 : 125;
    const TeamTable<std::int32_t> lengths = cart.bannertextlen;
    cart.RomImage = edited(cart.RomImage, bannerpointersedit(cart));
    ASSERT_TRUE(readbannerlengths(cart, cart.RomImage));
    EXPECT_EQ(cart.bannertextlen, lengths);
}

TEST(BannerTexts, DamagedTablesAreUnusableAndReadOnlyInsideTheArea)
{
    // (entry, address): descending, equal neighbours, below the area, zero, past it.
    const std::pair<int, int> damage[] = {{5, 0x9681}, {9, 0x96AE}, {1, 0x9600}, {1, 0},
                                          {28, 0x97F0}, {28, 0xFFFF}, {14, 0xFFFF}};
    for (const auto& [k, address] : damage) {
        Cartridge cart;
        cart.RomImage.assign(kMinImageSize, 0xEE);
        std::fill_n(cart.RomImage.begin() + kBannerTextArea, kBannerTextSize, 'a');
        for (int j = 1; j <= kTeams; ++j)
            setPointer(cart.RomImage, j, 0x967C + 5 * j);  // texts of 4 bytes
        setPointer(cart.RomImage, k, address);
        EXPECT_FALSE(readbannerlengths(cart, cart.RomImage)) << k;
        for (int t = 1; t <= kTeams; ++t) {
            const std::string text = readbannertext(cart, cart.RomImage, t);
            EXPECT_EQ(text, std::string(text.size(), 'a')) << k << " " << t;
        }
    }
    Cartridge cart;
    cart.bannertextlen.fill(7);
    EXPECT_FALSE(readbannerlengths(cart, slice(sampleImage().bytes, 0, kBannerPointerTable + 55)));
    EXPECT_EQ(cart.bannertextlen, TeamTable<std::int32_t>{});
}

TEST(BannerTexts, TextsArePackedWithZerosAndTheTableIsRebuilt)
{
    const Cartridge sample = loadedSample();
    TeamTable<std::string> texts;
    for (int t = 1; t <= kTeams; ++t)
        texts[t] = bannerboxtext(sample, sample.RomImage, t);
    texts[3] = "G";  // "GULLS" gives four bytes to the end of the area
    texts[27] = "THORN\x81";
    Cartridge cart;
    cart.RomImage = edited(sample.RomImage, *bannertextsedit(texts));
    for (const std::size_t at : differences(sample.RomImage, cart.RomImage))  // the table, then the area
        EXPECT_TRUE(at >= kBannerPointerTable && at < kAreaEnd) << at;
    ASSERT_TRUE(readbannerlengths(cart, cart.RomImage));
    for (int t = 1; t <= kTeams; ++t)
        EXPECT_EQ(bannerboxtext(cart, cart.RomImage, t), texts[t]) << t;
    const auto end = static_cast<std::size_t>(bannertextstart(cart, kTeams)) + texts[kTeams].size();
    EXPECT_EQ(slice(cart.RomImage, end, kAreaEnd), Bytes(kAreaEnd - end, 0));

    texts = {};
    texts[1] = std::string(233, 'x');  // with 28 separators: the whole area
    EXPECT_TRUE(bannertextsedit(texts));
    texts[2] = "y";
    EXPECT_FALSE(bannertextsedit(texts));
}

}  // namespace
}  // namespace icevale
