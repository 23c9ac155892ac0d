#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/colours.h"
#include "core/csv.h"
#include "core/exchange.h"
#include "core/importer.h"
#include "core/lineups.h"
#include "core/playoffs.h"
#include "core/rostercsv.h"
#include "core/rosters.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

using Json = nlohmann::ordered_json;

Document documentOf(const Bytes& bytes)
{
    Cartridge cart;
    cart.RomImage = bytes;
    EXPECT_EQ(decodeimage(cart), "");
    Document doc;
    doc.adopt(std::move(cart), "image.smc");
    return doc;
}

// Reads and applies the text; problems of either step fail the test.
ImportOutcome importText(Document& doc, const std::string& text, bool json)
{
    std::vector<ImportProblem> problems;
    const ImportData data = json ? readexportjson(text, doc.cart(), problems) : readrostercsv(text, doc.cart(), problems);
    for (const ImportProblem& p : problems)
        ADD_FAILURE() << p.place << ": " << p.text;
    const ImportOutcome outcome = importinto(doc, data, true);
    for (const ImportProblem& p : outcome.problems)
        ADD_FAILURE() << p.place << ": " << p.text;
    return outcome;
}

const std::vector<std::uint32_t> kSeeds = {sample::kDefaultSeed, 1, 2, 3, 17, 99, 123};

TEST(Exchange, ExportImportedOntoTheSameImageChangesNoByte)
{
    for (const std::uint32_t seed : kSeeds) {
        const Bytes original = sample::makeSampleImage(seed).bytes;
        for (const bool json : {true, false}) {
            SCOPED_TRACE("seed " + std::to_string(seed) + (json ? " JSON" : " CSV"));
            Document doc = documentOf(original);
            const std::string text = json ? exportjson(doc.cart()) : exportrostercsv(doc.cart());
            EXPECT_EQ(importText(doc, text, json).steps, 0);
            EXPECT_TRUE(doc.image() == original);
        }
    }
}

// Every value the export holds reaches the image: importing one image's export onto
// another makes the second export exactly as the first.
TEST(Exchange, ExportOfOneImageImportedOntoAnotherReproducesEveryValue)
{
    for (std::size_t i = 0; i + 1 < kSeeds.size(); ++i) {
        SCOPED_TRACE("seed " + std::to_string(kSeeds[i + 1]) + " onto " + std::to_string(kSeeds[i]));
        Document from = documentOf(sample::makeSampleImage(kSeeds[i + 1]).bytes);
        Document onto = documentOf(sample::makeSampleImage(kSeeds[i]).bytes);
        const std::string text = exportjson(from.cart());
        EXPECT_GT(importText(onto, text, true).steps, 0);
        Document reread = documentOf(onto.image());
        EXPECT_EQ(exportjson(reread.cart()), text);
        EXPECT_EQ(exportjson(onto.cart()), text) << "the document's tables follow the import";
    }
}

struct Edited {
    Bytes expected;  // the sample with the edits made by the core edit builders
    int team = 2, player = 3;
};

// Player 3 of team 2 renamed with agility 100 (rating entry 6), built as the player
// editor builds it.
Edited renamedPlayer()
{
    Edited e;
    Cartridge cart = test::loadedSample();
    cart.playername[e.player][e.team] = "A. Hult";
    std::uint8_t& byte = cart.playerattr[1][e.player][e.team];  // column 2: attribute 1, low nibble
    byte = static_cast<std::uint8_t>((byte & 0xF0) | 6);
    EXPECT_TRUE(applyedit(cart.RomImage, *rosterrecordsedit(cart, e.team)));
    e.expected = cart.RomImage;
    return e;
}

TEST(Exchange, EditedJsonChangesExactlyTheEditedValuesBytes)
{
    Edited e = renamedPlayer();
    Json json = Json::parse(exportjson(test::loadedSample()));
    Json& player = json["teams"][e.team - 1]["players"][e.player - 1];
    player["name"] = "A. Hult";
    player["agility"] = 100;
    json["season"]["playoffs"]["slots"][17] = "BRK";
    json["teams"][0]["uniforms"]["home"]["jersey_main_2"] = {12, 4, 30};
    json["teams"][e.team - 1]["lines"]["pp1"][2] = {{"player", 5}, {"name", "ignored"}};
    json["teams"][4]["banner"]["colours"][13] = {31, 0, 0};

    PlayoffPage page = *readplayoffpage(e.expected, 0);
    page[17] = 1;  // team 2 is stored as 1
    LineSlots line = lineslots(test::loadedSample(), e.team, 5);
    line[3] = 5;
    BannerColours rows{};
    ASSERT_TRUE(readbannercolours(e.expected, 5, rows));
    rows[14] = {31, 0, 0};
    const Bytes before = e.expected;
    for (const Edit& edit : {playoffpageedit(0, page), uniformcelledit(before, 1, 1, 9, {12, 4, 30}),
                             lineedit(e.team, 5, line), bannercoloursedit(before, 5, rows)})
        ASSERT_TRUE(applyedit(e.expected, edit));

    Document doc = documentOf(test::sampleImage().bytes);
    EXPECT_EQ(importText(doc, json.dump(), true).steps, 5);
    EXPECT_EQ(test::differences(doc.image(), e.expected), std::vector<std::size_t>{});
    EXPECT_GT(test::differences(doc.image(), test::sampleImage().bytes).size(), 6u);
}

TEST(Exchange, EditedCsvChangesExactlyTheEditedPlayersBytes)
{
    const Edited e = renamedPlayer();
    CsvResult csv = readCsv(exportrostercsv(test::loadedSample()));
    int seen = 0;
    std::vector<std::vector<std::string>> rows;
    for (CsvRow& row : csv.rows) {
        if (row.fields[0] == "BRK" && ++seen == e.player)
            row.fields[2] = "A. Hult", row.fields[5] = "100";
        rows.push_back(row.fields);
    }
    Document doc = documentOf(test::sampleImage().bytes);
    EXPECT_EQ(importText(doc, writeCsv(rows), false).steps, 1);
    EXPECT_EQ(test::differences(doc.image(), e.expected), std::vector<std::size_t>{});
}

}  // namespace
}  // namespace icevale
