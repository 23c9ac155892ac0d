#include <gtest/gtest.h>

#include "core/bannertable.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

void setPointer(Bytes& image, int k, int address)
{
    image[kBannerPointerTable + 2 * static_cast<std::size_t>(k) - 2] = static_cast<std::uint8_t>(address);
    image[kBannerPointerTable + 2 * static_cast<std::size_t>(k) - 1] = static_cast<std::uint8_t>(address >> 8);
}

TEST(BannerTable, PointersAreWrittenByteExactAndReadBack)
{
    Cartridge cart;
    cart.RomImage.assign(kMinImageSize, 0xEE);
    Bytes expected = cart.RomImage;
    for (int k = 1; k <= kTeams; ++k)
        setPointer(expected, k, 0x9680 + k);
    writebannerpointers(cart);  // 28 empty texts
    EXPECT_EQ(cart.RomImage, expected);
    ASSERT_TRUE(readbannerlengths(cart));
    EXPECT_EQ(cart.bannertextlen[kTeams], 233);  // the spare bytes count into the last text

    cart.bannertextlen[1] = 125;  // text 2 at 0xE18FF, text 3 at 0xE1900
    writebannerpointers(cart);
    setPointer(expected, 2, 0x96FF);
    for (int k = 3; k <= kTeams; ++k)
        setPointer(expected, k, 0x96FD + k);
    EXPECT_EQ(cart.RomImage, expected);

    for (int k = 1; k <= kTeams; ++k)  // texts that fill the area exactly
        cart.bannertextlen[k] = k < kTeams ? k % 9 : 125;
    const TeamTable<std::int32_t> lengths = cart.bannertextlen;
    writebannerpointers(cart);
    ASSERT_TRUE(readbannerlengths(cart));
    EXPECT_EQ(cart.bannertextlen, lengths);
}

TEST(BannerTable, DamagedTablesAreUnusableAndReadOnlyInsideTheArea)
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
        const Bytes before = cart.RomImage;
        EXPECT_FALSE(readbannerlengths(cart)) << k;
        for (int t = 1; t <= kTeams; ++t) {
            const std::string text = readbannertext(cart, t);
            EXPECT_EQ(text, std::string(text.size(), 'a')) << k << " " << t;
        }
        EXPECT_EQ(cart.RomImage, before);
    }
}

}  // namespace
}  // namespace icevale
