#include <gtest/gtest.h>

#include "season/menudefaults.h"
#include "season/playofftable.h"
#include "season/storedchoice.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

struct ListShape {
    const char* what;
    int entries;
    int first;
};

constexpr ListShape kShapes[] = {
    {"playoff slot", 29, 0}, {"team field", 28, 0}, {"two-entry field", 2, 0}, {"count", 28, 1}};

TEST(StoredChoice, EveryStoredByteSurvivesBeingShownAndWrittenBack)
{
    for (const ListShape& shape : kShapes) {
        SCOPED_TRACE(shape.what);
        for (int b = 0; b <= 255; ++b) {
            const auto stored = static_cast<std::uint8_t>(b);
            const int position = choiceposition(stored, shape.entries, shape.first);
            EXPECT_EQ(choicebyte(position, stored, shape.entries, shape.first), stored) << b;
            const bool listed = b >= shape.first && b < shape.first + shape.entries;
            EXPECT_EQ(choiceunlisted(stored, shape.entries, shape.first), b >= shape.first + shape.entries) << b;
            if (listed) {
                EXPECT_EQ(position, b - shape.first) << b;
            }
        }
    }
}

TEST(StoredChoice, UnlistedBytesGetTheEntryAfterTheListAndPicksWriteTheirByte)
{
    EXPECT_EQ(choiceposition(0xFF, 29), 29);
    EXPECT_EQ(choiceposition(0, 28, 1), -1);
    EXPECT_EQ(choiceposition(29, 28, 1), 28);
    EXPECT_EQ(choicebyte(28, 0xFF, 29), 28);
    EXPECT_EQ(choicebyte(4, 99, 28, 1), 5);
    EXPECT_EQ(choicebyte(-1, 12, 28, 1), 0);  // a count with nothing selected is none set
    EXPECT_EQ(choicebyte(-1, 9, 5), 9);      // a field with nothing selected keeps its byte
}

TEST(PlayoffTable, PagesAreTheirOwn128Bytes)
{
    Cartridge cart = test::loadedSample();
    const auto& sample = test::sampleImage();
    for (int g = 0; g < kPlayoffPages; ++g) {
        const PlayoffPage page = readplayoffpage(cart, g);
        for (std::size_t i = 0; i < page.size(); ++i)
            ASSERT_EQ(page[i], sample.playoffslots[128 * static_cast<std::size_t>(g) + i]) << g << " " << i;
    }
    PlayoffPage page{};
    for (std::size_t i = 0; i < page.size(); ++i)
        page[i] = static_cast<std::uint8_t>(200 + i % 50);
    writeplayoffpage(cart, 2, page);
    const auto changed = test::differences(sample.bytes, cart.RomImage);
    ASSERT_FALSE(changed.empty());
    EXPECT_GE(changed.front(), 0xE7059u);
    EXPECT_LE(changed.back(), 0xE70D8u);
    EXPECT_EQ(cart.RomImage[0xE7059], 200);
    EXPECT_EQ(cart.RomImage[0xE70D8], 200 + 127 % 50);
    EXPECT_EQ(readplayoffpage(cart, 2), page);

    const Bytes before = cart.RomImage;
    writeplayoffpage(cart, 4, page);
    writeplayoffpage(cart, -1, page);
    EXPECT_EQ(cart.RomImage, before);
    EXPECT_EQ(readplayoffpage(cart, 4), PlayoffPage{});
}

TEST(PlayoffTable, CountIsReadFromOneByteAndWrittenToBoth)
{
    Cartridge cart = test::loadedSample();
    cart.RomImage[kPlayoffCountCopy] = 3;
    cart.RomImage[kPlayoffCount] = 12;
    EXPECT_EQ(readplayoffcount(cart), 12);
    const Bytes before = cart.RomImage;
    writeplayoffcount(cart, 0);
    EXPECT_EQ(test::differences(before, cart.RomImage), (std::vector<std::size_t>{kPlayoffCountCopy, kPlayoffCount}));
    EXPECT_EQ(cart.RomImage[kPlayoffCountCopy], 0);
    EXPECT_EQ(cart.RomImage[kPlayoffCount], 0);
}

TEST(MenuDefaults, FieldsAreTheEvenBytesAndTheOddOnesAreLeftAlone)
{
    Cartridge cart = test::loadedSample();
    const auto& sample = test::sampleImage();
    for (int f = 1; f <= kMenuFields; ++f)
        EXPECT_EQ(readmenufield(cart, f), sample.menudefaults[static_cast<std::size_t>(f - 1)]) << f;
    for (int f = 1; f <= kMenuFields; ++f)
        writemenufield(cart, f, static_cast<std::uint8_t>(0xA0 + f));
    writemenufield(cart, 0, 0x55);
    writemenufield(cart, 8, 0x55);
    std::vector<std::size_t> expected;
    for (std::size_t pos = 0xE9EC2; pos <= 0xE9ECE; pos += 2)
        expected.push_back(pos);
    EXPECT_EQ(test::differences(sample.bytes, cart.RomImage), expected);
    EXPECT_EQ(cart.RomImage[0xE9EC2], 0xA1);
    EXPECT_EQ(cart.RomImage[0xE9ECE], 0xA7);
    EXPECT_EQ(readmenufield(cart, 8), 0);
}

TEST(MenuDefaults, SelectableTeamsIsReadFromOneByteAndWrittenToBoth)
{
    Cartridge cart = test::loadedSample();
    cart.RomImage[kSelectableTeamsCopy] = 7;
    cart.RomImage[kSelectableTeams] = 24;
    EXPECT_EQ(readselectableteams(cart), 24);
    writeselectableteams(cart, 24);
    EXPECT_EQ(cart.RomImage[kSelectableTeamsCopy], 24);
    EXPECT_EQ(cart.RomImage[kSelectableTeams], 24);
}

TEST(SeasonData, ShortImagesReadZerosAndAreNotWrittenPastTheirEnd)
{
    Cartridge cart;
    cart.RomImage.assign(kPlayoffSlots + 300, 0x11);
    EXPECT_EQ(readplayoffpage(cart, 2)[0], 0x11);
    EXPECT_EQ(readplayoffpage(cart, 2)[127], 0);
    writeplayoffpage(cart, 3, PlayoffPage{});
    writeplayoffcount(cart, 5);
    writemenufield(cart, 1, 5);
    writeselectableteams(cart, 5);
    EXPECT_EQ(cart.RomImage.size(), kPlayoffSlots + 300);
    EXPECT_EQ(readplayoffcount(cart), 0);
    EXPECT_EQ(readmenufield(cart, 7), 0);
    EXPECT_EQ(readselectableteams(cart), 0);
}

}  // namespace
}  // namespace icevale
