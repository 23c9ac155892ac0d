#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest/QTest>

#include "season/playoffeditor.h"
#include "shell/qtext.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"

namespace icevale {
namespace {

using test::child;
using test::click;
using test::closeWindow;
using test::pick;

constexpr std::size_t kPage0 = 0xE6F59;

std::size_t slotAt(int g, int i) { return kPage0 + 128 * static_cast<std::size_t>(g) + static_cast<std::size_t>(i); }

class PlayoffWindow : public ::testing::Test {
protected:
    Cartridge cart = test::loadedSample();
    Bytes expected = test::sampleImage().bytes;
    PlayoffEditor window{cart, nullptr};

    QComboBox* slot(int i) { return child<QComboBox>(&window, QStringLiteral("Combo1_%1").arg(i)); }
    QScrollBar* bar() { return child<QScrollBar>(&window, QStringLiteral("HScroll1")); }
    QComboBox* count() { return child<QComboBox>(&window, QStringLiteral("Combo2")); }
    QString abbrev(int t) { return toQString(cart.teamabbrev[t]); }

    // Drags the scroll bar's thumb to page g.
    void dragTo(int g)
    {
        bar()->setSliderDown(true);
        bar()->setSliderPosition(g);
        bar()->setSliderDown(false);
    }
    void expectPageShown(int g)
    {
        for (int i = 0; i < 128; ++i)
            ASSERT_EQ(slot(i)->currentIndex(), cart.RomImage[slotAt(g, i)]) << "page " << g << " slot " << i;
    }
    void setSlot(int g, int i, std::uint8_t v)
    {
        cart.RomImage[slotAt(g, i)] = v;
        expected[slotAt(g, i)] = v;
    }
};

TEST_F(PlayoffWindow, OpensOnPage0WithTheSharedEntriesAndTheCount)
{
    setSlot(0, 0, 0);
    setSlot(0, 1, 27);
    setSlot(0, 127, 28);
    window.showEditor();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Playoff Editor"));
    EXPECT_EQ(child<QLabel>(&window, QStringLiteral("Label1"))->text(), QStringLiteral("Selectable Teams in Playoffs:"));
    EXPECT_EQ(child<QPushButton>(&window, QStringLiteral("Command1"))->text(), QStringLiteral("Clear All"));
    EXPECT_EQ(bar()->minimum(), 0);
    EXPECT_EQ(bar()->maximum(), 3);
    EXPECT_EQ(bar()->value(), 0);

    ASSERT_EQ(slot(0)->count(), 29);
    for (int t = 1; t <= kTeams; ++t)
        EXPECT_EQ(slot(0)->itemText(t - 1), abbrev(t));
    EXPECT_EQ(slot(0)->itemText(28), QStringLiteral(" "));
    for (int i = 1; i < 128; ++i)
        ASSERT_EQ(slot(i)->model(), slot(0)->model()) << i;
    EXPECT_EQ(slot(0)->currentText(), abbrev(1));
    EXPECT_EQ(slot(1)->currentText(), abbrev(28));
    EXPECT_EQ(slot(127)->currentText(), QStringLiteral(" "));
    expectPageShown(0);

    ASSERT_EQ(count()->count(), 28);
    EXPECT_EQ(count()->itemText(0), QStringLiteral("1"));
    EXPECT_EQ(count()->itemText(27), QStringLiteral("28"));
    EXPECT_EQ(count()->currentText(), QStringLiteral("16"));
}

TEST_F(PlayoffWindow, OpeningPagingAndClosingWithoutEditsLeavesTheImageAsItWas)
{
    window.showEditor();
    closeWindow(&window);
    EXPECT_TRUE(test::differences(expected, cart.RomImage).empty());

    window.showEditor();
    for (int g : {1, 2, 3, 0, 3})
        dragTo(g);
    closeWindow(&window);
    EXPECT_TRUE(test::differences(expected, cart.RomImage).empty());
}

TEST_F(PlayoffWindow, MovingFromPage0To2WritesPage0AndShowsPage2)
{
    window.showEditor();
    pick(slot(5), 3);
    pick(slot(127), 28);
    pick(slot(64), 27);
    EXPECT_TRUE(test::differences(expected, cart.RomImage).empty());  // not written yet

    dragTo(2);
    expected[slotAt(0, 5)] = 3;
    expected[slotAt(0, 127)] = 28;
    expected[slotAt(0, 64)] = 27;
    EXPECT_EQ(cart.RomImage, expected);
    expectPageShown(2);

    pick(slot(0), 12);
    closeWindow(&window);
    expected[slotAt(2, 0)] = 12;
    EXPECT_EQ(cart.RomImage, expected);
}

TEST_F(PlayoffWindow, ClearAllThenClosingEmptiesOnlyThePageShown)
{
    window.showEditor();
    QTest::mouseClick(bar(), Qt::LeftButton, {}, QPoint(bar()->width() - 4, bar()->height() / 2));  // right arrow
    ASSERT_EQ(bar()->value(), 1);
    click(child<QPushButton>(&window, QStringLiteral("Command1")));
    for (int i = 0; i < 128; ++i)
        ASSERT_EQ(slot(i)->currentText(), QStringLiteral(" ")) << i;
    EXPECT_EQ(cart.RomImage, expected);

    closeWindow(&window);
    for (int i = 0; i < 128; ++i)
        expected[slotAt(1, i)] = 28;
    EXPECT_EQ(cart.RomImage, expected);
}

TEST_F(PlayoffWindow, CountsAreWrittenToBothBytes)
{
    struct Case {
        std::uint8_t stored;
        int pickIndex;  // -1: leave as shown
        QString shown;
        std::uint8_t written;
    };
    const std::vector<Case> cases = {
        {12, -1, QStringLiteral("12"), 12},
        {0, -1, QString(), 0},
        {0, 4, QString(), 5},
        {28, -1, QStringLiteral("28"), 28},
        {40, -1, QStringLiteral("Unlisted value 40"), 40},
        {40, 2, QStringLiteral("Unlisted value 40"), 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        cart.RomImage[kPlayoffCount] = c.stored;
        cart.RomImage[kPlayoffCountCopy] = 0x55;
        window.showEditor();
        EXPECT_EQ(count()->currentText(), c.shown);
        EXPECT_EQ(count()->currentIndex(), c.stored == 0 ? -1 : std::min<int>(c.stored - 1, 28));
        if (c.pickIndex >= 0)
            pick(count(), c.pickIndex);
        closeWindow(&window);
        EXPECT_EQ(cart.RomImage[kPlayoffCount], c.written);
        EXPECT_EQ(cart.RomImage[kPlayoffCountCopy], c.written);
    }
}

TEST_F(PlayoffWindow, SlotBytesAbove28AreKeptOnEveryRouteUnlessAnotherEntryIsPicked)
{
    setSlot(0, 4, 0xFF);
    setSlot(2, 7, 29);
    setSlot(2, 4, 6);
    window.showEditor();
    EXPECT_EQ(slot(4)->currentText(), QStringLiteral("Unlisted value 255"));
    EXPECT_EQ(slot(4)->count(), 30);
    EXPECT_NE(slot(4)->model(), slot(0)->model());

    dragTo(2);
    EXPECT_EQ(cart.RomImage, expected);  // page 0 written back with its 0xFF
    EXPECT_EQ(slot(7)->currentText(), QStringLiteral("Unlisted value 29"));
    EXPECT_EQ(slot(4)->currentText(), abbrev(7));
    EXPECT_EQ(slot(4)->model(), slot(0)->model());

    dragTo(0);
    EXPECT_EQ(cart.RomImage, expected);
    pick(slot(4), 1);
    closeWindow(&window);
    expected[slotAt(0, 4)] = 1;
    EXPECT_EQ(cart.RomImage, expected);

    window.showEditor();
    dragTo(2);
    pick(slot(7), 28);
    pick(slot(7), 29);  // back to the stored value
    closeWindow(&window);
    EXPECT_EQ(cart.RomImage, expected);
}

TEST_F(PlayoffWindow, ReopeningStartsAgainOnPage0WithoutWriting)
{
    window.showEditor();
    dragTo(3);
    pick(slot(0), 9);
    closeWindow(&window);
    expected[slotAt(3, 0)] = 9;
    EXPECT_EQ(cart.RomImage, expected);

    setSlot(0, 0, 21);
    window.showEditor();
    EXPECT_EQ(bar()->value(), 0);
    EXPECT_EQ(slot(0)->currentText(), abbrev(22));
    EXPECT_EQ(cart.RomImage, expected);
    closeWindow(&window);
    EXPECT_EQ(cart.RomImage, expected);
}

}  // namespace
}  // namespace icevale
