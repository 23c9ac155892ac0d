#include <nlohmann/json.hpp>

#include "core/colours.h"
#include "core/csv.h"
#include "core/exchange.h"
#include "core/importer.h"
#include "core/lineups.h"
#include "core/menudefaults.h"
#include "core/playoffs.h"
#include "core/rostercsv.h"
#include "core/rosters.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

using Json = nlohmann::ordered_json;
using test::documentOf;

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

// Every value the export holds reaches the image: importing one image's export onto
// another makes the second export exactly as the first. Onto its own image it changes nothing.
TEST(Exchange, ExportsImportedOntoTheirImageChangeNothingAndOntoAnotherReproduceEveryValue)
{
    for (std::size_t i = 0; i < kSeeds.size(); ++i) {
        SCOPED_TRACE("seed " + std::to_string(kSeeds[i]));
        const Bytes original = sample::makeSampleImage(kSeeds[i]).bytes;
        for (const bool json : {true, false}) {
            Document doc = documentOf(original);
            EXPECT_EQ(importText(doc, json ? exportjson(doc.cart()) : exportrostercsv(doc.cart()), json).steps, 0);
            EXPECT_TRUE(doc.image() == original) << (json ? "JSON" : "CSV");
        }
        if (i == 0)
            continue;
        Document from = documentOf(sample::makeSampleImage(kSeeds[i - 1]).bytes), onto = documentOf(original);
        const std::string text = exportjson(from.cart());
        EXPECT_GT(importText(onto, text, true).steps, 0);
        EXPECT_EQ(exportjson(documentOf(onto.image()).cart()), text);
        EXPECT_EQ(exportjson(onto.cart()), text) << "the document's tables follow the import";
    }
}

// The menu's two teams are written as the other team places are: by abbreviation, or by
// number where another team shares it.
TEST(Exchange, MenuTeamsSharingAnAbbreviationAreWrittenByNumber)
{
    Cartridge cart = test::loadedSample();
    cart.teamabbrev[5] = cart.teamabbrev[4];
    MenuFields fields = *readmenufields(cart.RomImage);
    fields[2] = 4, fields[3] = 5;  // teams 5 and 6
    ASSERT_TRUE(applyedit(cart.RomImage, menufieldsedit(fields)));
    const Json menu = Json::parse(exportjson(cart))["season"]["menu_defaults"];
    EXPECT_EQ(menu[1], Json(5));
    EXPECT_EQ(menu[2], Json(cart.teamabbrev[6]));
}

constexpr int kTeam = 2, kPlayer = 3;

// The sample with player 3 of team 2 renamed and given agility 100 (rating entry 6), as
// the player editor writes it.
Bytes renamedPlayer()
{
    Cartridge cart = test::loadedSample();
    cart.playername[kPlayer][kTeam] = "A. Hult";
    std::uint8_t& byte = cart.playerattr[1][kPlayer][kTeam];  // column 2: attribute 1, low nibble
    byte = static_cast<std::uint8_t>((byte & 0xF0) | 6);
    EXPECT_TRUE(applyedit(cart.RomImage, *rosterrecordsedit(cart, kTeam)));
    return cart.RomImage;
}

TEST(Exchange, EditedJsonChangesExactlyTheEditedValuesBytes)
{
    Bytes expected = renamedPlayer();
    Json json = Json::parse(exportjson(test::loadedSample()));
    Json& player = json["teams"][kTeam - 1]["players"][kPlayer - 1];
    player["name"] = "A. Hult";
    player["agility"] = 100;
    json["season"]["playoffs"]["slots"][17] = "BRK";
    json["teams"][0]["uniforms"]["home"]["jersey_main_2"] = {12, 4, 30};
    json["teams"][kTeam - 1]["lines"]["pp1"][2] = {{"player", 5}, {"name", "ignored"}};
    json["teams"][4]["banner"]["colours"][13] = {31, 0, 0};

    PlayoffPage page = *readplayoffpage(expected, 0);
    page[17] = 1;  // team 2 is stored as 1
    LineSlots line = lineslots(test::loadedSample(), kTeam, 5);
    line[3] = 5;
    BannerColours rows{};
    ASSERT_TRUE(readbannercolours(expected, 5, rows));
    rows[14] = {31, 0, 0};
    const Bytes before = expected;
    for (const Edit& edit : {playoffpageedit(0, page), uniformcelledit(before, 1, 1, 9, {12, 4, 30}),
                             lineedit(kTeam, 5, line), bannercoloursedit(before, 5, rows)})
        ASSERT_TRUE(applyedit(expected, edit));

    Document doc = documentOf(test::sampleImage().bytes);
    EXPECT_EQ(importText(doc, json.dump(), true).steps, 5);
    EXPECT_EQ(test::differences(doc.image(), expected), std::vector<std::size_t>{});
    EXPECT_GT(test::differences(doc.image(), test::sampleImage().bytes).size(), 6u);
}

TEST(Exchange, EditedCsvChangesExactlyTheEditedPlayersBytes)
{
    Result<std::vector<CsvRow>> csv = readcsv(exportrostercsv(test::loadedSample()));
    ASSERT_TRUE(csv.ok()) << csv.message();
    int seen = 0;
    std::vector<std::vector<std::string>> rows;
    for (CsvRow& row : csv.value()) {
        if (row.fields[0] == "BRK" && ++seen == kPlayer)
            row.fields[2] = "A. Hult", row.fields[5] = "100";
        rows.push_back(row.fields);
    }
    Document doc = documentOf(test::sampleImage().bytes);
    EXPECT_EQ(importText(doc, writecsv(rows), false).steps, 1);
    EXPECT_EQ(test::differences(doc.image(), renamedPlayer()), std::vector<std::size_t>{});
}

}  // namespace
}  // namespace icevale
