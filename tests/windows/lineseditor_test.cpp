#include "core/lineups.h"
#include "core/rosters.h"
#include "windows/lineseditor.h"
#include "windowtest.h"

namespace icevale {
namespace {

using namespace test;

class LinesWindow : public WindowTest {
protected:
    LinesEditor window{doc, nullptr};

    ClickList* list(int n) { return child<ClickList>(&window, QStringLiteral("List%1").arg(n)); }
    QComboBox* slot(int s) { return child<QComboBox>(&window, QStringLiteral("Combo1_%1").arg(s - 1)); }
    // The slot bytes the boxes stand for.
    LineSlots shown()
    {
        LineSlots line{};
        for (int s = 1; s <= kSlots; ++s)
            line[s] = static_cast<std::uint8_t>(slot(s)->currentIndex());
        return line;
    }
    // Picks entry `entry` in slot s of the line shown and puts it into `line`.
    void choose(LineSlots& line, int s, int entry)
    {
        pick(slot(s), entry);
        line[s] = static_cast<std::uint8_t>(entry);
    }
};

TEST_F(LinesWindow, TheLineShownIsWrittenOnEverySwitchAndOnClosing)
{
    window.showEditor();
    EXPECT_EQ(shown(), lineslots(doc.cart(), 1, 1));

    LineSlots line = shown();
    choose(line, 4, line[4] == 5 ? 6 : 5);
    choose(line, 7, 0);  // the empty entry stands for 0
    EXPECT_TRUE(window.haspending() && edits.empty());  // nothing before the switch
    clickRow(list(2), 1);                                 // "SC1"
    checkImage({lineedit(1, 1, line)});
    line = shown();
    choose(line, 1, 0);
    clickRow(list(1), 3);  // a team switch writes too; the line stays
    expect(lineedit(1, 2, line));
    EXPECT_EQ(shown(), lineslots(doc.cart(), 4, 2));
    line = shown();
    choose(line, 2, 0);
    clickRow(list(2), 1);  // the line shown, clicked again
    checkImage({lineedit(4, 2, line)});
    choose(line, 6, line[6] == 1 ? 2 : 1);
    pressKeys(&window, QKeySequence(Qt::CTRL | Qt::Key_W));  // closes through the closing step
    EXPECT_FALSE(window.isOpen());
    checkImage({lineedit(4, 2, line)});
    window.showEditor();  // afresh on team 1 "Best"
    EXPECT_EQ(list(1)->currentRow() + list(2)->currentRow(), 0);
}

// A slot byte naming no player of the roster is shown as such and kept unless another
// entry is picked.
TEST_F(LinesWindow, CommitKeepsSlotsNamingNoPlayerAndUndoShowsTheLineAsItWas)
{
    reopen([](Bytes& rom) {
        ASSERT_TRUE(applyedit(rom, lineedit(3, 4, {0, 1, 0, 30, 6, 200, 7, 0})));
        Cartridge cart = decoded(rom);
        cart.playernum[2][3] = 0xAB;
        cart.playername[2][3] = "\xC5sa";
        ASSERT_TRUE(applyedit(rom, rosterrecordsedit(cart, 3).value()));
    });
    window.showEditor();
    clickRow(list(1), 2);
    clickRow(list(2), 3);
    const int n = doc.cart().playercount(3);
    EXPECT_EQ(slot(4)->itemText(2), QStringLiteral("\u00C5sa #AB"));
    EXPECT_EQ(std::vector<int>({slot(3)->currentIndex(), slot(4)->count()}), std::vector<int>({n + 1, n + 1}));
    const QString unlisted = QStringLiteral("(player 30: not on roster)(player 200: not on roster)");
    EXPECT_EQ(slot(3)->currentText() + slot(5)->currentText(), unlisted);
    pick(slot(3), 2);
    EXPECT_EQ(window.commit(), QString());
    checkImage({lineedit(3, 4, {0, 1, 0, 2, 6, 200, 7, 0})});
    EXPECT_TRUE(window.isOpen() && list(1)->currentRow() == 2 && list(2)->currentRow() == 3);
    EXPECT_TRUE(slot(3)->currentIndex() == 2 && !window.haspending());

    undoLast(window);
    EXPECT_EQ(slot(3)->currentText() + slot(5)->currentText(), unlisted);
    EXPECT_FALSE(window.haspending());
    window.close();
    EXPECT_EQ(edits.size(), 1u);  // the line as it was: nothing to write
}

// A line changed while the window was closed is shown as it now is when the window opens
// again, and opening writes nothing.
TEST_F(LinesWindow, OpeningAgainWritesNothingOverALineChangedMeanwhile)
{
    window.showEditor();
    LineSlots line = shown();
    const int n = doc.cart().playercount(1);
    choose(line, 2, n);  // the roster's last player, shown as a player once stored
    EXPECT_EQ(window.commit(), QString());
    EXPECT_EQ(slot(2)->currentIndex(), n);
    EXPECT_FALSE(slot(2)->currentText().contains(QStringLiteral("not on roster"))) << slot(2)->currentText().toStdString();
    choose(line, 4, line[4] == 5 ? 6 : 5);
    window.close();
    ASSERT_EQ(edits.size(), 2u);
    ASSERT_TRUE(doc.undo(edits.back()).ok());
    const Bytes undone = doc.image();
    window.showEditor();
    EXPECT_EQ(doc.image(), undone);
    EXPECT_EQ(shown(), lineslots(doc.cart(), 1, 1));
}

}  // namespace
}  // namespace icevale
