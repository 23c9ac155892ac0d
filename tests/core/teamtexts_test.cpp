#include <gtest/gtest.h>

#include "core/teamtexts.h"
#include "support/fixtures.h"
#include "support/imageedits.h"

namespace icevale {
namespace {

using namespace std::string_literals;
using namespace test;

TEST(TeamTexts, SampleAndHandMadeBlocksDecodeRecordByRecord)
{
    const Cartridge cart = loadedSample();
    for (int t = 1; t <= kTeams; ++t) {
        const auto& team = sampleImage().teams[t];
        EXPECT_EQ(teamtexts(cart, t), (TeamTexts{team.name, team.abbrev, team.nick, team.arena})) << t;
        EXPECT_EQ(readoverall(cart.RomImage, t), team.overall) << t;
    }
    const std::tuple<int, std::string, TeamTexts> cases[] = {
        {5, "\x06\0ABCD\x05\0XYZ\x02\0\x03\0Q"s, {"ABCD", "XYZ", "", "Q"}},
        {5, "\0\x06\0A"s, {"", "", "", ""}},  // every record read from the same byte
        {5, "\x01\x06\x7F" "ABCD\x03\0Z\x02\0"s, {"", "ABCD", "Z", ""}},
        {1, "\x05\0\xE9\x80\x9D\x02\0\x02\0\x02\0"s, {"\xE9\x80\x9D", "", "", ""}},
    };
    for (const auto& [t, block, texts] : cases) {
        Tables tables;
        ASSERT_EQ(readteamtext(tables, overlaid(sampleImage().bytes, teamtextoffset[t], bytesof(block))), "");
        EXPECT_EQ(teamtexts(tables, t), texts) << block;
    }
    Tables tables;  // team 1's block is the last one in the image
    EXPECT_EQ(readteamtext(tables, slice(cart.RomImage, 0, teamtextoffset[1] + 5)),
              "the texts of team 1 run past the end of the image");
}

TEST(TeamTexts, WriterPutsFourRecordsInTheBlockAndNothingElse)
{
    const std::tuple<int, TeamTexts, std::optional<std::string>> cases[] = {
        {4, {"Ab", "", "\xC9l", "Q"}, "\x04\0Ab\x02\0\x04\0\xC9l\x03\0Q"s},
        {1, {"", "", "", ""}, "\x02\0\x02\0\x02\0\x02\0"s},
        {6, {std::string(20, 'a'), "abc", "x", "yz"},  // 34 bytes: the block exactly
         "\x16\0"s + std::string(20, 'a') + "\x05\0abc\x03\0x\x04\0yz"s},
        {6, {std::string(21, 'a'), "abc", "x", "yz"}, std::nullopt},
    };
    Bytes rom = sampleImage().bytes;
    for (int t = 1; t <= kTeams; ++t)
        rom[teamtextoffset[t] + 1] = 0x7F;  // a second header byte is written 0
    for (const auto& [t, texts, block] : cases) {
        const auto edit = teamtextedit(t, texts);
        ASSERT_EQ(edit.has_value(), block.has_value()) << t;
        EXPECT_EQ(edit ? edited(rom, *edit) : rom, overlaid(rom, teamtextoffset[t], bytesof(block.value_or(""))));
    }
    const Cartridge cart = loadedSample();
    Bytes same = cart.RomImage;
    for (int t = 1; t <= kTeams; ++t)
        same = edited(same, *teamtextedit(t, teamtexts(cart, t)));
    EXPECT_EQ(same, cart.RomImage);
    EXPECT_EQ(std::tuple(textblockfree(6, 26), textblockfree(6, 27), textblockfree(1, 0)), std::tuple(0, -1, 37));
    EXPECT_EQ(std::tuple(sharedlimit(0, 5), sharedlimit(3, 5), sharedlimit(-2, 5)), std::tuple(5, 8, 5));
}

TEST(TeamTexts, OverallNumbers)
{
    const std::pair<const char*, int> valid[] = {{"007", 7}, {"255", 255},   {"2.5", 2}, {"3.5", 4},     {"2.51", 3},
                                                 {".5", 0},  {"9.", 9},      {"0", 0},   {"255.4", 255}, {"0255", 255}};
    for (const auto& [text, value] : valid)
        EXPECT_EQ(parseoverall(text), std::optional<std::uint8_t>(value)) << text;
    for (const char* text : {"", "abc", "300", "-1", "256", "255.5", ".", "1.2.3", " 7", "1e2", "+5", "1000"})
        EXPECT_EQ(parseoverall(text), std::nullopt) << text;
    const Bytes& rom = sampleImage().bytes;
    EXPECT_EQ(edited(rom, overalledit(9, 0xFF)), overlaid(rom, teamoffset[9], {0xFF}));
}

TEST(MenuNames, ReadsAndWritesBothRecords)
{
    Bytes original = sampleImage().bytes;  // 09 00 ICEVALE 08 00 LEAGUE
    EXPECT_EQ(readmenunames(original), (MenuNames{sampleImage().menuname1, sampleImage().menuname2}));
    // L1 = 0 reads the second record from the same byte, L1 = 1 from the next one.
    EXPECT_EQ(readmenunames(overlaid(original, kMenuNamesOffset, bytesof("\0\x04" "AB"s))), (MenuNames{"", ""}));
    EXPECT_EQ(readmenunames(overlaid(original, kMenuNamesOffset, bytesof("\x01\x04\0XY"s))), (MenuNames{"", "XY"}));
    EXPECT_FALSE(readmenunames(slice(original, 0, kMenuNamesOffset + 5)));

    original[kMenuNamesOffset + 1] = 0x42;  // the first record's second header byte stays
    const std::pair<MenuNames, std::optional<std::string>> cases[] = {
        {{"ICEVALE", "LEAGUE"}, "\x09\x42ICEVALE\x08\0LEAGUE"s},  // as they were
        {{"ICE", "LEAGUE"}, "\x05\x42ICE\x08\0LEAGUE"s},
        {{"", ""}, "\x02\x42\x02\0"s},
        {{std::string(12, 'a'), std::string(10, 'b')},
         "\x0E\x42"s + std::string(12, 'a') + "\x0C\0"s + std::string(10, 'b')},
        {{std::string(22, 'a'), "b"}, std::nullopt},
    };
    for (const auto& [names, bytes] : cases) {
        const auto edit = menunamesedit(names);
        ASSERT_EQ(edit.has_value(), bytes.has_value()) << names.first;
        const Bytes rom = edit ? edited(original, *edit) : original;
        EXPECT_EQ(rom, overlaid(original, kMenuNamesOffset, bytesof(bytes.value_or(""))));
        EXPECT_EQ(readmenunames(rom), edit ? names : (MenuNames{"ICEVALE", "LEAGUE"}));
    }
}

}  // namespace
}  // namespace icevale
