#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>

#include "windows/lineseditor.h"
#include "widgets/clicklist.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"

namespace icevale {
namespace {

using test::child;
using test::clickRow;
using test::differences;
using test::pick;
using Offsets = std::vector<std::size_t>;

std::size_t at(int t, int l, int s) { return teamoffset[t] + 3 + 8 * std::size_t(l - 1) + std::size_t(s - 1); }

class LinesEditorWindow : public ::testing::Test {
protected:
    Cartridge cart = test::loadedSample();
    Bytes original = cart.RomImage;
    LinesEditor editor{cart, nullptr};

    ClickList* list(int n) { return child<ClickList>(&editor, QStringLiteral("List%1").arg(n)); }
    QComboBox* slot(int s) { return child<QComboBox>(&editor, QStringLiteral("Combo1_%1").arg(s - 1)); }
    QString label(int n) { return child<QLabel>(&editor, QStringLiteral("Label%1").arg(n))->text(); }
    void show(int t, int l)
    {
        clickRow(list(1), t - 1);
        clickRow(list(2), l - 1);
    }
    // The slot boxes show line l of team t as the image holds it.
    void expectShown(int t, int l)
    {
        for (int s = 1; s <= kSlots; ++s)
            EXPECT_EQ(slot(s)->currentIndex(), cart.RomImage[at(t, l, s)]) << t << ' ' << l << ' ' << s;
    }
};

TEST_F(LinesEditorWindow, OpensOnTeamOneBestAndCommitsOnEverySwitchAndOnClosing)
{
    editor.showEditor();
    QStringList captions = {editor.windowTitle(), label(1), label(2)};
    for (int l = 0; l < list(2)->count(); ++l)
        captions << list(2)->item(l)->text();
    EXPECT_EQ(captions.join(QLatin1Char(',')),
              QStringLiteral("Line Editor,Goalie,Extra Attacker,Best,SC1,SC2,CHK,PP1,PP2,PK1,PK2"));
    // Goalie and extra attacker centred above and below two defencemen and three forwards.
    EXPECT_TRUE(slot(1)->x() == slot(5)->x() && slot(7)->x() == slot(5)->x() && slot(2)->x() == slot(4)->x());
    EXPECT_TRUE(slot(1)->y() < slot(2)->y() && slot(3)->y() < slot(4)->y() && slot(6)->y() < slot(7)->y());
    expectShown(1, 1);

    Bytes expected = original;
    expected[at(1, 1, 4)] = cart.lineup[1][4][1] == 5 ? 6 : 5;
    pick(slot(4), expected[at(1, 1, 4)]);
    EXPECT_EQ(differences(cart.RomImage, original), Offsets{});  // nothing before the switch
    clickRow(list(2), 1);  // "SC1"
    EXPECT_EQ(differences(cart.RomImage, original), Offsets{at(1, 1, 4)});
    pick(slot(7), 0);  // the empty entry writes 0
    expected[at(1, 2, 7)] = 0;
    clickRow(list(1), 3);  // a team switch commits too; the line stays
    expectShown(4, 2);
    pick(slot(1), expected[at(4, 2, 1)] = static_cast<std::uint8_t>(cart.playercount(4)));
    clickRow(list(2), 1);  // the line shown, clicked again
    expectShown(4, 2);
    pick(slot(2), expected[at(4, 2, 2)] = 0);
    test::closeWindow(&editor);
    EXPECT_EQ(differences(cart.RomImage, expected), Offsets{});
    EXPECT_EQ(std::vector<int>({cart.lineup[1][4][1], cart.lineup[1][7][2], cart.lineup[4][2][2]}),
              std::vector<int>({expected[at(1, 1, 4)], 0, 0}));

    cart.teamabbrev[1] = "NEW";
    editor.showEditor();  // afresh: the lists rebuilt, team 1 "Best" shown as committed
    EXPECT_EQ(list(1)->item(0)->text() + list(2)->item(0)->text(), QStringLiteral("NEWBest"));
    expectShown(1, 1);
    test::closeWindow(&editor);  // unchanged: the same bytes again
    EXPECT_EQ(differences(cart.RomImage, expected), Offsets{});
}

TEST_F(LinesEditorWindow, EveryLineEditedTheEighthByteNeverWritten)
{
    editor.showEditor();
    Bytes expected = original;
    for (int t = 1; t <= kTeams; ++t) {
        for (int l = 1; l <= kLines; ++l) {
            show(t, l);
            for (int s = 1; s <= kSlots; ++s)
                pick(slot(s), expected[at(t, l, s)] = std::uint8_t((t + l + s) % slot(s)->count()));
        }
    }
    test::closeWindow(&editor);
    EXPECT_EQ(differences(cart.RomImage, expected), Offsets{});
}

// Jersey bytes in upper-case hexadecimal; slot bytes naming no player of the roster
// shown as such and written back unless another entry is picked.
TEST_F(LinesEditorWindow, EntryTextsAndSlotsNamingNoPlayer)
{
    const std::pair<std::uint8_t, const char*> jerseys[] = {{0x05, "#5"}, {0x88, "#88"}, {0xAB, "#AB"}, {0, "#0"}};
    cart.playername[3][3] = "\xC5sa";
    QStringList entries = {QStringLiteral(" ")};
    for (int k = 1; k <= 4; ++k) {
        cart.playernum[k][3] = jerseys[k - 1].first;
        entries << QString::fromLatin1(cart.playername[k][3] + " " + jerseys[k - 1].second);
    }
    cart.lineup[3][3][1] = cart.RomImage[at(3, 1, 3)] = 30;
    cart.lineup[3][5][1] = cart.RomImage[at(3, 1, 5)] = 200;
    original = cart.RomImage;
    const int n = cart.playercount(3);
    editor.showEditor();
    show(3, 1);
    for (int k = 0; k <= 4; ++k)
        EXPECT_EQ(slot(4)->itemText(k), entries[k]);
    EXPECT_EQ(std::vector<int>({slot(3)->currentIndex(), slot(4)->count()}), std::vector<int>({n + 1, n + 1}));
    EXPECT_EQ(slot(3)->currentText() + slot(5)->currentText(),
              QStringLiteral("(player 30: not on roster)(player 200: not on roster)"));
    show(3, 2);
    show(3, 1);
    EXPECT_EQ(differences(cart.RomImage, original), Offsets{});
    pick(slot(3), 2);
    test::closeWindow(&editor);
    original[at(3, 1, 3)] = 2;
    EXPECT_EQ(differences(cart.RomImage, original), Offsets{});
}

}  // namespace
}  // namespace icevale
