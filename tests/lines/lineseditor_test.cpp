#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <memory>

#include "lines/lineseditor.h"
#include "shell/clicklist.h"
#include "shell/qtext.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"

namespace icevale {
namespace {

using test::child;
using test::clickRow;
using test::differences;
using test::pick;

class LinesEditorWindow : public ::testing::Test {
protected:
    Cartridge cart = test::loadedSample();
    Bytes original;
    std::unique_ptr<LinesEditor> editor;

    void open()
    {
        if (!editor) {
            original = cart.RomImage;
            editor = std::make_unique<LinesEditor>(cart, nullptr);
        }
        editor->showEditor();
    }
    ClickList* list(int n) { return child<ClickList>(editor.get(), QStringLiteral("List%1").arg(n)); }
    QComboBox* slot(int s) { return child<QComboBox>(editor.get(), QStringLiteral("Combo1_%1").arg(s - 1)); }
    std::vector<int> shown()
    {
        std::vector<int> positions;
        for (int s = 1; s <= kSlots; ++s)
            positions.push_back(slot(s)->currentIndex());
        return positions;
    }
    std::vector<int> sampleLine(int t, int l)
    {
        const auto& line = test::sampleImage().teams[t].lines[l];
        return {line[1], line[2], line[3], line[4], line[5], line[6], line[7]};
    }
    // A player k of team t other than the one the slot holds.
    int otherPlayer(int t, int l, int s) { return test::sampleImage().teams[t].lines[l][s] == 5 ? 6 : 5; }
};

TEST_F(LinesEditorWindow, OpensOnTeamOneBestWithEveryPlayerInEverySlot)
{
    open();
    EXPECT_EQ(editor->objectName(), QStringLiteral("LinesEditor"));
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Line Editor"));
    EXPECT_EQ(child<QLabel>(editor.get(), QStringLiteral("Label1"))->text(), QStringLiteral("Goalie"));
    EXPECT_EQ(child<QLabel>(editor.get(), QStringLiteral("Label2"))->text(), QStringLiteral("Extra Attacker"));
    ASSERT_EQ(list(1)->count(), kTeams);
    for (int t = 1; t <= kTeams; ++t)
        EXPECT_EQ(list(1)->item(t - 1)->text(), toQString(test::sampleImage().teams[t].abbrev));
    QStringList lines;
    for (int l = 0; l < list(2)->count(); ++l)
        lines << list(2)->item(l)->text();
    EXPECT_EQ(lines.join(QLatin1Char(',')), QStringLiteral("Best,SC1,SC2,CHK,PP1,PP2,PK1,PK2"));
    EXPECT_EQ(list(1)->currentRow(), 0);
    EXPECT_EQ(list(2)->currentRow(), 0);
    EXPECT_EQ(shown(), sampleLine(1, 1));

    const auto& players = test::sampleImage().teams[1].players;
    for (int s = 1; s <= kSlots; ++s) {
        ASSERT_EQ(slot(s)->count(), static_cast<int>(players.size()) + 1);
        EXPECT_EQ(slot(s)->itemText(0), QStringLiteral(" "));
    }
    // Four rows: goalie centred above, extra attacker centred below.
    EXPECT_EQ(slot(1)->x(), slot(7)->x());
    EXPECT_EQ(slot(2)->x(), slot(4)->x());
    EXPECT_EQ(slot(3)->x(), slot(6)->x());
    EXPECT_EQ(slot(5)->x(), slot(1)->x());
    EXPECT_LT(slot(1)->y(), slot(2)->y());
    EXPECT_EQ(slot(2)->y(), slot(3)->y());
    EXPECT_LT(slot(3)->y(), slot(4)->y());
    EXPECT_LT(slot(6)->y(), slot(7)->y());
    EXPECT_TRUE(differences(cart.RomImage, original).empty());
}

TEST_F(LinesEditorWindow, EntryTextsShowJerseyBytesInUpperCaseHex)
{
    cart.playernum[1][3] = 0x05;
    cart.playernum[2][3] = 0x88;
    cart.playernum[3][3] = 0xAB;
    cart.playernum[4][3] = 0x00;
    cart.playername[3][3] = "\xC5sa";
    cart.goaliecount[3] = 2;
    cart.forwardcount[3] = 9;
    cart.defensecount[3] = 6;
    open();
    clickRow(list(1), 2);
    ASSERT_EQ(slot(4)->count(), 18);  // the empty entry and 17 players
    EXPECT_EQ(slot(4)->itemText(1), toQString(cart.playername[1][3]) + QStringLiteral(" #5"));
    EXPECT_EQ(slot(4)->itemText(2), toQString(cart.playername[2][3]) + QStringLiteral(" #88"));
    EXPECT_EQ(slot(4)->itemText(3), QString::fromUtf8("\xC3\x85sa #AB"));
    EXPECT_EQ(slot(4)->itemText(4), toQString(cart.playername[4][3]) + QStringLiteral(" #0"));

    // Names changed elsewhere show at the next switch.
    cart.playername[1][3] = "Renamed";
    clickRow(list(2), 0);
    EXPECT_EQ(slot(4)->itemText(1), QStringLiteral("Renamed #5"));
}

TEST_F(LinesEditorWindow, ASlotPickedThenAnotherLineCommitsThatSlot)
{
    open();
    const int k = otherPlayer(1, 1, 4);
    pick(slot(4), k);
    EXPECT_TRUE(differences(cart.RomImage, original).empty());  // nothing before the switch
    clickRow(list(2), 1);  // "SC1"
    EXPECT_EQ(differences(cart.RomImage, original), std::vector<std::size_t>{teamoffset[1] + 3 + 3});
    EXPECT_EQ(cart.RomImage[teamoffset[1] + 3 + 3], k);
    EXPECT_EQ(cart.lineup[1][4][1], k);
    EXPECT_EQ(shown(), sampleLine(1, 2));

    // The empty entry writes 0; a team switch commits too.
    pick(slot(7), 0);
    pick(slot(2), 0);
    clickRow(list(1), 3);
    EXPECT_EQ(cart.RomImage[teamoffset[1] + 3 + 8 + 1], 0);
    EXPECT_EQ(cart.RomImage[teamoffset[1] + 3 + 8 + 6], 0);
    EXPECT_EQ(cart.lineup[1][2][2], 0);
    EXPECT_EQ(list(2)->currentRow(), 1);
    EXPECT_EQ(shown(), sampleLine(4, 2));

    clickRow(list(1), 0);
    clickRow(list(2), 0);
    EXPECT_EQ(slot(4)->currentIndex(), k);  // shown again as committed
}

TEST_F(LinesEditorWindow, ClickingTheLineShownCommitsAndRedrawsIt)
{
    open();
    clickRow(list(1), 6);
    clickRow(list(2), 4);
    const int k = otherPlayer(7, 5, 1);
    pick(slot(1), k);
    const Bytes before = cart.RomImage;
    clickRow(list(2), 4);
    EXPECT_EQ(differences(cart.RomImage, before), std::vector<std::size_t>{teamoffset[7] + 3 + 32});
    EXPECT_EQ(list(2)->currentRow(), 4);
    std::vector<int> expected = sampleLine(7, 5);
    expected[0] = k;
    EXPECT_EQ(shown(), expected);
    clickRow(list(1), 6);  // the same team again: nothing new to write
    EXPECT_EQ(differences(cart.RomImage, before), std::vector<std::size_t>{teamoffset[7] + 3 + 32});
}

TEST_F(LinesEditorWindow, EveryTeamAndLineEditedTheEighthByteNeverWritten)
{
    open();
    for (int t = 1; t <= kTeams; ++t) {
        clickRow(list(1), t - 1);
        for (int l = 1; l <= kLines; ++l) {
            clickRow(list(2), l - 1);
            for (int s = 1; s <= kSlots; ++s)
                pick(slot(s), (t + l + s) % slot(s)->count());
        }
    }
    test::closeWindow(editor.get());
    for (int t = 1; t <= kTeams; ++t) {
        for (int l = 1; l <= kLines; ++l) {
            const std::size_t line = teamoffset[t] + 3 + 8 * static_cast<std::size_t>(l - 1);
            EXPECT_EQ(cart.RomImage[line + 7], original[line + 7]);
            for (int s = 1; s <= kSlots; ++s) {
                const int count = cart.playercount(t) + 1;
                EXPECT_EQ(cart.RomImage[line + static_cast<std::size_t>(s - 1)], (t + l + s) % count);
                EXPECT_EQ(cart.lineup[t][s][l], (t + l + s) % count);
            }
        }
    }
    for (const std::size_t d : differences(cart.RomImage, original)) {
        const auto team = std::find_if(teamoffset.begin() + 1, teamoffset.end(),
                                       [d](std::uint32_t o) { return d >= o + 3 && d < o + 3 + 64; });
        ASSERT_NE(team, teamoffset.end()) << d;
        EXPECT_NE((d - *team - 3) % 8, 7U) << d;
    }
}

TEST_F(LinesEditorWindow, ASlotByteNamingNoPlayerIsShownAndKept)
{
    const int n = cart.playercount(2);
    cart.lineup[2][3][1] = 30;
    cart.RomImage[teamoffset[2] + 3 + 2] = 30;
    cart.lineup[2][5][1] = 200;
    cart.RomImage[teamoffset[2] + 3 + 4] = 200;
    open();
    clickRow(list(1), 1);
    ASSERT_EQ(slot(3)->count(), n + 2);
    EXPECT_EQ(slot(3)->currentIndex(), n + 1);
    EXPECT_EQ(slot(3)->currentText(), QStringLiteral("(player 30: not on roster)"));
    EXPECT_EQ(slot(5)->currentText(), QStringLiteral("(player 200: not on roster)"));
    EXPECT_EQ(slot(4)->count(), n + 1);  // only the boxes that need it
    clickRow(list(2), 1);
    clickRow(list(2), 0);
    EXPECT_TRUE(differences(cart.RomImage, original).empty());
    EXPECT_EQ(cart.lineup[2][3][1], 30);

    pick(slot(3), 2);
    test::closeWindow(editor.get());
    EXPECT_EQ(differences(cart.RomImage, original), std::vector<std::size_t>{teamoffset[2] + 3 + 2});
    EXPECT_EQ(cart.RomImage[teamoffset[2] + 3 + 2], 2);
    EXPECT_EQ(cart.RomImage[teamoffset[2] + 3 + 4], 200);
}

TEST_F(LinesEditorWindow, ClosingCommitsAndReopeningStartsAfresh)
{
    open();
    clickRow(list(1), 9);
    clickRow(list(2), 7);
    const int k = otherPlayer(10, 8, 6);
    pick(slot(6), k);
    test::closeWindow(editor.get());
    EXPECT_EQ(differences(cart.RomImage, original), std::vector<std::size_t>{teamoffset[10] + 3 + 56 + 5});
    EXPECT_EQ(cart.lineup[10][6][8], k);

    cart.teamabbrev[1] = "NEW";
    open();
    EXPECT_EQ(list(1)->count(), kTeams);
    EXPECT_EQ(list(2)->count(), kLines);
    EXPECT_EQ(list(1)->item(0)->text(), QStringLiteral("NEW"));
    EXPECT_EQ(list(1)->currentRow(), 0);
    EXPECT_EQ(list(2)->currentRow(), 0);
    EXPECT_EQ(shown(), sampleLine(1, 1));
    clickRow(list(1), 9);
    clickRow(list(2), 7);
    EXPECT_EQ(slot(6)->currentIndex(), k);
    // Closing without a change writes the same bytes again.
    test::closeWindow(editor.get());
    EXPECT_EQ(differences(cart.RomImage, original), std::vector<std::size_t>{teamoffset[10] + 3 + 56 + 5});
}

}  // namespace
}  // namespace icevale
