#include <random>

#include "core/bannertexts.h"
#include "core/colours.h"
#include "core/document.h"
#include "core/lineups.h"
#include "core/menudefaults.h"
#include "core/playoffs.h"
#include "core/rosters.h"
#include "core/teamtexts.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

using namespace test;

TeamSet teams(std::initializer_list<int> list)
{
    TeamSet set;
    for (const int t : list)
        set.set(static_cast<std::size_t>(t));
    return set;
}

// Each writer's edit names its own area and team, and undo and redo name the same.
TEST(ChangeEvents, NameTheAreasAndTeamsTheChangeTouched)
{
    const Bytes& rom = sampleImage().bytes;
    MenuFields fields = readmenufields(rom).value();
    fields[3] ^= 1;
    TeamTable<std::string> banners{};
    banners[4] = "NEW";
    BannerColours black{};
    blackout(black);
    Edit countandoverall = overalledit(9, static_cast<std::uint8_t>(rom[teamoffset[9]] ^ 1));
    countandoverall.put(teamoffset[1] - 1, static_cast<std::uint8_t>(rom[teamoffset[1] - 1] ^ 1));
    LineSlots lastslot = lineslots(loadedSample(), 28, kLines);  // only the area's last byte changes
    lastslot[kSlots] ^= 1;
    struct Case {
        const char* what;
        Edit edit;
        Areas areas;
        TeamSet teams;
    };
    const Case cases[] = {
        {"uniform cell", uniformcelledit(rom, 5, 1, 3, {1, 2, 3}), Area::Uniform, teams({5})},
        {"banner colours", bannercoloursedit(rom, 2, black), Area::BannerColour, teams({2})},
        {"team texts", teamtextedit(7, {"A", "B", "C", "D"}).value(), Area::TeamText, teams({7})},
        {"overall", overalledit(3, static_cast<std::uint8_t>(rom[teamoffset[3]] ^ 1)), Area::Overall, teams({3})},
        {"last slot", lineedit(28, kLines, lastslot), Area::Lineup, teams({28})},
        {"count byte and an overall", countandoverall, Area::Roster | Area::Overall, teams({1, 9})},
        {"banner texts", bannertextsedit(banners).value(), Area::BannerText, {}},
        {"playoff page", playoffpageedit(3, PlayoffPage{}), Area::Playoff, {}},
        {"menu defaults", menufieldsedit(fields), Area::MenuDefault, {}},
        {"menu names", menunamesedit({"X", "Y"}).value(), Area::MenuName, {}},
    };
    Document doc = loadedDocument();
    std::vector<std::pair<ChangeKind, Scope>> heard;
    doc.listen([&](const ChangeEvent& event) { heard.emplace_back(event.kind, event.scope); });
    for (const Case& c : cases) {
        heard.clear();
        const Change change = doc.apply(c.edit, c.what).value();
        ASSERT_TRUE(doc.undo(change).ok() && doc.redo(change).ok());
        const Scope scope{c.areas, c.teams};
        EXPECT_EQ(heard, (decltype(heard){{ChangeKind::Edited, scope}, {ChangeKind::Undone, scope},
                                          {ChangeKind::Redone, scope}}))
            << c.what;
    }
    heard.clear();
    doc.adopt(loadedSample(), "again.smc");
    EXPECT_EQ(heard, (decltype(heard){{ChangeKind::Opened, wholeimage()}}));
}

// A roster whose records run past its block (a damaged image) reads bytes of the team's
// text block: a change there is a change of the roster too, though the roster's fixed
// places do not hold it.
TEST(ChangeEvents, ARosterRunningPastItsBlockIsTouchedWhereItWasRead)
{
    Bytes rom = sampleImage().bytes;
    const Cartridge sound = decoded(rom);
    // The last player's record of the first team whose free bytes a length byte can
    // span, made to reach 4 bytes into the text block.
    int t = 0, n = 0;
    std::size_t pos = 0;
    while (++t <= kTeams) {
        n = sound.playercount(t);
        pos = rosteroffset[t];
        for (int p = 1; p < n; ++p)
            pos += rom[pos] + 8;
        if (teamtextoffset[t] + 4 - pos < 256)
            break;
    }
    ASSERT_LE(t, kTeams);
    rom[pos] = static_cast<std::uint8_t>(teamtextoffset[t] + 4 - pos);
    Document doc = documentOf(rom);
    const std::string was = doc.tables().playername[n][t];
    Scope heard;
    doc.listen([&](const ChangeEvent& event) { heard = event.scope; });
    Edit edit;
    edit.put(teamtextoffset[t] + 2, std::uint8_t{'Z'});  // a letter of the location name, inside the last record
    ASSERT_TRUE(doc.apply(edit, "text").ok());
    EXPECT_TRUE(heard.areas == (Area::TeamText | Area::Roster));
    EXPECT_EQ(heard.teams, teams({t}));
    const std::string now = doc.tables().playername[n][t];
    EXPECT_NE(now, was);
    EXPECT_EQ(now, decoded(doc.image()).playername[n][t]);
}

// Random edits in every area, undone and redone at random: after each, the tables the
// document decoded again only where the change reached are those a decoding of the whole
// image gives (or it fails with the same words).
TEST(PartialDecode, GivesWhatAWholeDecodeGivesAfterEveryEditUndoAndRedo)
{
    for (const unsigned seed : {1u, 2u, 3u, 4u}) {
        std::mt19937 random(seed);
        const auto below = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
        Document doc = loadedDocument();
        std::vector<Change> done, undone;
        int failures = 0;
        for (int step = 0; step < 300; ++step) {
            const Tables before = doc.tables();
            const std::size_t what = doc.decoded() ? below(10) : 0;  // an image that cannot be read is undone
            if (what < 2 && !done.empty()) {
                ASSERT_EQ(doc.undo(done.back()).message(), doc.decoded().message());
                undone.push_back(done.back());
                done.pop_back();
            } else if (what < 4 && !undone.empty()) {
                static_cast<void>(doc.redo(undone.back()));
                done.push_back(undone.back());
                undone.pop_back();
            } else {
                Edit edit;
                const int t = 1 + static_cast<int>(below(kTeams));
                if (what == 4) {
                    Tables rosters = doc.tables();  // a name grown or shrunk: every later record moves
                    rosters.playername[1][t].resize(below(12), 'n');
                    if (const auto records = rosterrecordsedit(rosters, t))
                        edit = *records;
                }
                // The places, from the layout: the head of a team's block (counts, overall, goalie
                // marks, line-ups), its records, its texts, its colours, the areas held once.
                const Span places[] = {{teamoffset[t] - 1, rosteroffset[t]},
                                       {teamoffset[t] - 1, teamoffset[t] + 4},
                                       {rosteroffset[t], teamtextoffset[t]},
                                       {teamtextoffset[t], teamtextoffset[t] + teamtextsize[t]},
                                       {awayuniformoffset[t], homeuniformoffset[t] + 32},
                                       {banneroffset[t], banneroffset[t] + 28},
                                       {kBannerPointerTable, kBannerTextArea + kBannerTextSize},
                                       {kPlayoffSlots, kPlayoffSlots + 512},
                                       {kMenuDefaults, kSelectableTeams + 1},
                                       {kMenuNamesOffset, kMenuNamesOffset + 26}};
                const Span& place = places[below(std::size(places))];
                const std::size_t at = place.begin + below(place.end - place.begin);
                const std::size_t length = 1 + below(3);
                for (std::size_t k = 0; k < length && at + k < place.end; ++k)
                    edit.put(at + k, static_cast<std::uint8_t>(random()));
                const Result<Change> applied = doc.apply(edit, "random");
                ASSERT_TRUE(applied.ok());
                if (applied->empty())
                    continue;
                done.push_back(applied.value());
                undone.clear();
            }
            Tables whole = before;
            const Status read = decodeareas(whole, doc.image(), wholeimage());
            ASSERT_EQ(doc.decoded().message(), read.message()) << "seed " << seed << " step " << step;
            failures += read ? 0 : 1;
            if (read) {
                ASSERT_TRUE(doc.tables() == whole) << "seed " << seed << " step " << step;
            }
        }
        EXPECT_LT(failures, 100) << "seed " << seed;
    }
}

}  // namespace
}  // namespace icevale
