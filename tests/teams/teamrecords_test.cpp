#include <gtest/gtest.h>

#include "shell/teamtext.h"
#include "support/fixtures.h"
#include "teams/teamrecords.h"

namespace icevale {
namespace {

using test::differences;

TEST(TeamRecords, UneditedBlocksRewriteTheSameBytesButTheSecondHeaderByte)
{
    Cartridge cart = test::loadedSample();
    const Bytes original = cart.RomImage;
    for (int t = 1; t <= kTeams; ++t)
        EXPECT_TRUE(writeteamtext(cart.RomImage, t, teamtexts(cart, t))) << t;
    EXPECT_TRUE(differences(cart.RomImage, original).empty());

    // A block whose second header bytes were not 0: only those four bytes change.
    const std::size_t p = teamtextoffset[9];
    const auto& team = test::sampleImage().teams[9];
    const std::size_t headers[4] = {p + 1, p + 3 + team.name.size(), p + 5 + team.name.size() + team.abbrev.size(),
                                    p + 7 + team.name.size() + team.abbrev.size() + team.nick.size()};
    for (const std::size_t h : headers)
        cart.RomImage[h] = 0x7F;
    readteamtext(cart);
    EXPECT_TRUE(writeteamtext(cart.RomImage, 9, teamtexts(cart, 9)));
    EXPECT_TRUE(differences(cart.RomImage, original).empty());
}

TEST(TeamRecords, WritesTheFourRecordsAndNothingAfterThem)
{
    Cartridge cart = test::loadedSample();
    const Bytes original = cart.RomImage;
    const std::size_t p = teamtextoffset[4];  // "Dunmere" "DUN" "Foxes" "Fox Den": 8 + 22 bytes
    ASSERT_TRUE(writeteamtext(cart.RomImage, 4, {"Ab", "", "\xC9l", "Q"}));
    const Bytes expected = {4, 0, 'A', 'b', 2, 0, 4, 0, 0xC9, 'l', 3, 0, 'Q'};
    EXPECT_EQ(Bytes(cart.RomImage.begin() + p, cart.RomImage.begin() + p + 13), expected);
    // Everything from the new end on, the rest of the old records included, is untouched.
    for (const std::size_t d : differences(cart.RomImage, original))
        EXPECT_LT(d, p + 13);

    // A longer text moves the later records and writes only up to the new end.
    cart.RomImage = original;
    const TeamTexts longer{"Dunmere Hills", "DUN", "Foxes", "Fox Den"};
    ASSERT_TRUE(writeteamtext(cart.RomImage, 4, longer));
    const std::size_t end = p + 8 + 13 + 3 + 5 + 7;
    for (const std::size_t d : differences(cart.RomImage, original)) {
        EXPECT_GE(d, p);
        EXPECT_LT(d, end);
    }
    EXPECT_EQ(cart.RomImage[p], 15);
    EXPECT_EQ(cart.RomImage[p + 15], 5);
}

TEST(TeamRecords, TextsThatDoNotFitTheBlockAreNotWritten)
{
    Cartridge cart = test::loadedSample();
    const Bytes original = cart.RomImage;
    const int t = 6;  // 34 bytes: 26 characters fit
    const TeamTexts full{std::string(20, 'a'), "abc", "x", "yz"};
    EXPECT_TRUE(writeteamtext(cart.RomImage, t, full));
    EXPECT_EQ(differences(cart.RomImage, original).back(), teamtextoffset[t] + teamtextsize[t] - 1);

    cart.RomImage = original;
    const TeamTexts over{std::string(21, 'a'), "abc", "x", "yz"};
    EXPECT_FALSE(writeteamtext(cart.RomImage, t, over));
    EXPECT_FALSE(saveteamtext(cart, t, over));
    EXPECT_EQ(cart.teamname[t], "Fenwick");
    EXPECT_TRUE(differences(cart.RomImage, original).empty());

    EXPECT_TRUE(saveteamtext(cart, t, full));
    EXPECT_EQ(teamtexts(cart, t), full);

    // An image ending inside the block is never written past its end.
    Bytes shortimage(teamtextoffset[t] + 10, 0xEE);
    EXPECT_FALSE(writeteamtext(shortimage, t, {"a", "b", "c", "d"}));
    EXPECT_EQ(shortimage, Bytes(teamtextoffset[t] + 10, 0xEE));
}

TEST(TeamRecords, OverallNumbers)
{
    const std::pair<const char*, int> valid[] = {{"7", 7},    {"0", 0},     {"255", 255}, {"007", 7},  {"2.5", 2},
                                                 {"3.5", 4},  {"2.51", 3},  {".5", 0},    {"1.5", 2},  {"9.", 9},
                                                 {"254.5", 254}, {"0.49", 0}, {"255.4", 255}};
    for (const auto& [text, value] : valid) {
        const auto parsed = parseoverall(text);
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_EQ(*parsed, value) << text;
    }
    for (const char* text : {"", "abc", "300", "-1", "256", "255.5", ".", "1.2.3", " 7", "7 ", "1e2", "+5", "0x1",
                             "1000"})
        EXPECT_FALSE(parseoverall(text).has_value()) << text;

    Cartridge cart = test::loadedSample();
    const Bytes original = cart.RomImage;
    writeoverall(cart.RomImage, 12, 255);
    EXPECT_EQ(differences(cart.RomImage, original), std::vector<std::size_t>{teamoffset[12]});
    EXPECT_EQ(cart.RomImage[teamoffset[12]], 255);
}

}  // namespace
}  // namespace icevale
