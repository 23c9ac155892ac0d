#include <QScrollBar>

#include "core/playoffs.h"
#include "windows/playoffeditor.h"
#include "windowtest.h"

namespace icevale {
namespace {

using namespace test;

class PlayoffWindow : public WindowTest {
protected:
    PlayoffEditor window{doc, nullptr};

    QComboBox* slot(int i) { return child<QComboBox>(&window, QStringLiteral("Combo1_%1").arg(i)); }
    QComboBox* count() { return child<QComboBox>(&window, QStringLiteral("Combo2")); }
    void dragTo(int g)  // the scroll bar's thumb
    {
        QScrollBar* b = bar(&window, 1);
        b->setSliderDown(true);
        b->setSliderPosition(g);
        b->setSliderDown(false);
    }
    PlayoffPage page(int g) { return readplayoffpage(doc.image(), g).value(); }
    // Picks entry `entry` in slot i of the page shown and adds it to `shownpage`.
    void choose(PlayoffPage& shownpage, int i, int entry)
    {
        pick(slot(i), entry);
        shownpage[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(entry);
    }
};

// Bytes without an entry are shown as such and kept unless another entry is picked.
TEST_F(PlayoffWindow, ThePageShownIsWrittenOnEveryPageChangeCommitAndClosing)
{
    reopen([](Bytes& rom) {
        PlayoffPage first = readplayoffpage(rom, 0).value(), third = readplayoffpage(rom, 2).value();
        first[4] = 0xFF;
        third[7] = 29;
        for (const Edit& edit : {playoffpageedit(0, first), playoffpageedit(2, third), playoffcountedit(40)})
            ASSERT_TRUE(applyedit(rom, edit));
    });
    window.showEditor();
    EXPECT_EQ(slot(0)->toolTip(), QStringLiteral("Playoff slot 1 of 512: page 1, row 1, column 1"));
    EXPECT_EQ(slot(0)->currentText(), toQString(sampleImage().teams[page(0)[0] + 1].abbrev));
    const QString unlisted = QStringLiteral("Unlisted value 255 Unlisted value 40");  // 28 in slot 127: no team
    EXPECT_EQ(slot(4)->currentText() + slot(127)->currentText() + count()->currentText(), unlisted);
    PlayoffPage first = page(0);
    choose(first, 20, 3);
    choose(first, 127, 0);
    EXPECT_TRUE(window.haspending() && edits.empty());  // not before the page changes

    dragTo(2);
    EXPECT_TRUE(slot(127)->toolTip().startsWith(QStringLiteral("Playoff slot 384 of 512: page 3, "))) << slot(127)->toolTip().toStdString();
    EXPECT_EQ(child<QScrollBar>(&window, QStringLiteral("HScroll1"))->toolTip().left(4), QStringLiteral("Page"));  // the slots' tips stop at the last list
    checkImage({playoffpageedit(0, first)});
    const Bytes before = doc.image();
    PlayoffPage third = page(2);
    for (int i = 0; i < kPlayoffPageSlots; ++i)
        ASSERT_EQ(slot(i)->currentIndex(), third[static_cast<std::size_t>(i)]) << i;  // 29: the extra entry
    EXPECT_EQ(slot(7)->currentText(), QStringLiteral("Unlisted value 29"));
    EXPECT_EQ(slot(4)->model(), slot(0)->model());  // the shared list again
    const int stored = third[20];
    choose(third, 20, stored == 12 ? 13 : 12);
    pick(count(), 3);
    EXPECT_EQ(window.commit(), QString());
    checkImage({playoffpageedit(2, third), playoffcountedit(4)});
    EXPECT_TRUE(window.isOpen() && bar(&window, 1)->value() == 2 && !window.haspending());

    undoLast(window);
    EXPECT_TRUE(bar(&window, 1)->value() == 2 && slot(20)->currentIndex() == stored);
    EXPECT_EQ(count()->currentText() + slot(7)->currentText(), QStringLiteral("Unlisted value 40Unlisted value 29"));

    window.close();
    window.showEditor();  // afresh, on page 0
    EXPECT_EQ(bar(&window, 1)->value() + slot(20)->currentIndex(), 3);
    click(button(&window, 1));  // "Clear All", for the page shown only
    window.close();
    expected = before;
    PlayoffPage cleared{};
    cleared.fill(kNoTeam);
    checkImage({playoffpageedit(0, cleared)});
}

}  // namespace
}  // namespace icevale
