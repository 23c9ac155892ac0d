#include "core/bannertexts.h"
#include "core/colours.h"
#include "core/lineups.h"
#include "core/imagediff.h"
#include "core/menudefaults.h"
#include "core/playoffs.h"
#include "core/rosters.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

std::string components(std::uint16_t word)
{
    const Rgb c = splitcolorword(static_cast<std::uint8_t>(word & 0xFF), static_cast<std::uint8_t>(word >> 8));
    return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

std::string offset(std::size_t at)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%06zX", at);
    return text;
}

TEST(ImageDiff, KnownEditsAreListedExactlyAndOtherBytesApart)
{
    const sample::SampleImage& img = test::sampleImage();
    Document doc = test::loadedDocument();
    EXPECT_TRUE(diffimages(doc.cart(), doc.cart()).empty());
    Tables rosters = doc.tables();
    rosters.playername[3][2] = "A. Hult";
    PlayoffPage page = *readplayoffpage(doc.image(), 0);
    page[16] = 1;
    MenuFields fields = *readmenufields(doc.image());
    fields[4] = static_cast<std::uint8_t>((fields[4] + 1) % 3);
    // The last team's banner text, and a line-up slot given the roster's last player: the
    // ends of their ranges.
    TeamTable<std::string> banners;
    for (int t = 1; t <= kTeams; ++t)
        banners[t] = bannerboxtext(doc.tables(), doc.image(), t);
    banners[kTeams] = "ZZ";
    const int last = doc.cart().playercount(1);
    LineSlots line = lineslots(doc.cart(), 1, 2);
    line[1] = static_cast<std::uint8_t>(last);
    for (const Edit& edit : {*rosterrecordsedit(rosters, 2), uniformcelledit(doc.image(), 1, 0, 0, {12, 4, 30}),
                             playoffpageedit(0, page), menufieldsedit(fields), *bannertextsedit(banners), lineedit(1, 2, line)})
        ASSERT_TRUE(doc.apply(edit, "edit").ok());
    const std::size_t freeByte = teamtextoffset[5] - 1, bit15 = banneroffset[1] + 2 * 2 + 1;
    test::poke(doc, 0x300, {0xAB});
    test::poke(doc, freeByte, {static_cast<std::uint8_t>(doc.image()[freeByte] ^ 1)});
    test::poke(doc, bit15, {static_cast<std::uint8_t>(doc.image()[bit15] | 0x80)});

    const std::string periods[] = {"5 Minutes", "10 Minutes", "20 Minutes"};
    const std::string slot = img.playoffslots[16] < 28 ? img.teams[img.playoffslots[16] + 1].abbrev : "no team";
    const sample::Team& ald = img.teams[1];
    const std::uint8_t was = ald.lines[2][1];
    ASSERT_TRUE(was >= 1 && was < last);
    const std::string expected =
        "ALD line " + std::string(kLineNames[1]) + " slot 1: " + std::to_string(was) + " \"" + ald.players[was - 1u].name +
        "\" -> " + std::to_string(last) + " \"" + ald.players[static_cast<std::size_t>(last) - 1].name + "\"\n" +
        "ALD away uniform Sleeves: " + components(img.teams[1].away[0]) + " -> 12,4,30\n" +
        "ALD banner colour 3: " + components(img.teams[1].bannercolours[2]) + " -> " +
        components(img.teams[1].bannercolours[2]) + " with bit 15 set\n" +
        "BRK player 3 name: \"" + img.teams[2].players[2].name + "\" -> \"A. Hult\"\n" +
        img.teams[kTeams].abbrev + " banner text: \"" + img.teams[kTeams].banner + "\" -> \"ZZ\"\n" +
        "playoff slot 17: " + slot + " -> BRK\n" +
        "menu default 4: " + periods[img.menudefaults[3]] + " -> " + periods[fields[4]] + "\n" +
        "other bytes: " + offset(0x300) + ", " + offset(freeByte) + "\n";
    EXPECT_EQ(difftext(diffimages(test::decoded(img.bytes), test::decoded(doc.image()))), expected);
}

}  // namespace
}  // namespace icevale
