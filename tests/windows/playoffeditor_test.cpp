#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest/QTest>

#include "windows/playoffeditor.h"
#include "widgets/qtext.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"

namespace icevale {
namespace {

using namespace test;

std::size_t slotAt(int g, int i) { return kPlayoffSlots + static_cast<std::size_t>(128 * g + i); }

class PlayoffWindow : public ::testing::Test {
protected:
    Cartridge cart = loadedSample();
    Bytes expected = sampleImage().bytes;
    PlayoffEditor window{cart, nullptr};

    QComboBox* slot(int i) { return child<QComboBox>(&window, QStringLiteral("Combo1_%1").arg(i)); }
    QScrollBar* bar() { return child<QScrollBar>(&window, QStringLiteral("HScroll1")); }
    QComboBox* count() { return child<QComboBox>(&window, QStringLiteral("Combo2")); }
    void dragTo(int g)  // the scroll bar's thumb
    {
        bar()->setSliderDown(true);
        bar()->setSliderPosition(g);
        bar()->setSliderDown(false);
    }
    void setSlot(int g, int i, std::uint8_t v) { cart.RomImage[slotAt(g, i)] = expected[slotAt(g, i)] = v; }
};

TEST_F(PlayoffWindow, Page0To2WritesAndReadsTheRightBytesAndReopensOnPage0)
{
    setSlot(0, 1, 27);
    setSlot(0, 127, 28);
    window.showEditor();
    EXPECT_EQ(slot(1)->currentText(), toQString(sampleImage().teams[28].abbrev));
    EXPECT_EQ(slot(127)->currentText(), QStringLiteral(" "));
    EXPECT_EQ(count()->currentText(), QStringLiteral("16"));
    for (int i = 1; i < 128; ++i)
        ASSERT_EQ(slot(i)->model(), slot(0)->model()) << i;
    pick(slot(20), 3);  // slots 16..63 of each 64 hold 28 in the sample
    pick(slot(127), 0);
    EXPECT_EQ(cart.RomImage, expected);  // not written before the page changes

    dragTo(2);
    expected[slotAt(0, 20)] = 3;
    expected[slotAt(0, 127)] = 0;
    EXPECT_EQ(cart.RomImage, expected);
    for (int i = 0; i < 128; ++i)
        ASSERT_EQ(slot(i)->currentIndex(), sampleImage().playoffslots[256 + static_cast<std::size_t>(i)]) << i;
    pick(slot(20), 12);
    closeWindow(&window);
    expected[slotAt(2, 20)] = 12;
    EXPECT_EQ(cart.RomImage, expected);

    window.showEditor();
    EXPECT_EQ(bar()->value(), 0);
    EXPECT_EQ(slot(20)->currentIndex(), 3);
    for (int g : {1, 3, 0})
        dragTo(g);
    closeWindow(&window);
    EXPECT_EQ(cart.RomImage, expected);
}

TEST_F(PlayoffWindow, ClearAllEmptiesThePageShownWhenClosed)
{
    window.showEditor();
    QTest::mouseClick(bar(), Qt::LeftButton, {}, QPoint(bar()->width() - 4, bar()->height() / 2));  // right arrow
    ASSERT_EQ(bar()->value(), 1);
    click(child<QPushButton>(&window, QStringLiteral("Command1")));
    EXPECT_EQ(cart.RomImage, expected);
    closeWindow(&window);
    std::fill_n(expected.begin() + slotAt(1, 0), 128, 28);
    EXPECT_EQ(cart.RomImage, expected);
}

TEST_F(PlayoffWindow, CountsAreShownAndWrittenToBothBytes)
{
    // stored byte, entry picked (-1: none), entry shown at opening, byte written
    const std::tuple<std::uint8_t, int, QString, std::uint8_t> cases[] = {
        {12, -1, QStringLiteral("12"), 12},
        {0, -1, QString(), 0},
        {40, -1, QStringLiteral("Unlisted value 40"), 40},
        {40, 2, QStringLiteral("Unlisted value 40"), 3},
    };
    for (const auto& [stored, picked, shown, written] : cases) {
        cart.RomImage[kPlayoffCount] = stored;
        cart.RomImage[kPlayoffCountCopy] = 0x55;
        window.showEditor();
        EXPECT_EQ(count()->currentText(), shown);
        if (picked >= 0)
            pick(count(), picked);
        closeWindow(&window);
        EXPECT_EQ(cart.RomImage[kPlayoffCount], written) << int{stored};
        EXPECT_EQ(cart.RomImage[kPlayoffCountCopy], written) << int{stored};
    }
}

TEST_F(PlayoffWindow, SlotBytesAbove28AreKeptOnEveryRouteUnlessAnotherEntryIsPicked)
{
    setSlot(0, 4, 0xFF);
    setSlot(2, 7, 29);
    window.showEditor();
    EXPECT_EQ(slot(4)->currentText(), QStringLiteral("Unlisted value 255"));
    dragTo(2);
    EXPECT_EQ(slot(7)->currentText(), QStringLiteral("Unlisted value 29"));
    EXPECT_EQ(slot(4)->model(), slot(0)->model());  // the shared list again
    dragTo(0);
    EXPECT_EQ(cart.RomImage, expected);
    pick(slot(4), 1);
    dragTo(2);
    pick(slot(7), 28);
    pick(slot(7), 29);  // back to the stored value
    closeWindow(&window);
    expected[slotAt(0, 4)] = 1;
    EXPECT_EQ(cart.RomImage, expected);
}

}  // namespace
}  // namespace icevale
