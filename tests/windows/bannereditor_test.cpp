#include <QLabel>
#include <QLineEdit>

#include "widgets/qtext.h"
#include "windows/bannereditor.h"
#include "windowtest.h"

namespace icevale {
namespace {

using namespace test;

class BannerWindow : public WindowTest {
protected:
    BannerEditor window{doc, nullptr};

    BannerColours stored(int t)
    {
        BannerColours rows{};
        EXPECT_TRUE(readbannercolours(doc.image(), t, rows));
        return rows;
    }
    // Each cell shows row k + 1 of `rows`.
    void checkCells(const BannerColours& rows)
    {
        for (int k = 0; k < kBannerCells; ++k)
            EXPECT_EQ(cell(&window, k)->colour(), colortoscreen(rows[k + 1])) << "cell " << k;
    }
    QString text1() { return child<QLineEdit>(&window, QStringLiteral("Text1"))->text(); }
};

TEST_F(BannerWindow, OpeningWritesNothingAndEveryBarChangeStoresTheTeamShown)
{
    window.showEditor();
    EXPECT_EQ(window.windowTitle() + child<QLabel>(&window, QStringLiteral("Label2"))->text(),
              QStringLiteral("Banner EditorOutline Color"));
    EXPECT_EQ(text1(), toQString(sampleImage().teams[1].banner));
    EXPECT_TRUE(child<QLineEdit>(&window, QStringLiteral("Text1"))->isReadOnly());  // shown for reference only
    EXPECT_TRUE(barColour(&window) == Rgb{} && !window.haspending() && edits.empty());

    for (const int t : {2, 28}) {
        clickRow(list1(&window), t - 1);
        BannerColours rows = stored(t);
        checkCells(rows);
        click(cell(&window, 13));
        EXPECT_EQ(barColour(&window), rows[14]);
        rows[14].blue = rows[14].blue == 0 ? 1 : 0;
        moveBars(&window, rows[14]);
        expect(bannercoloursedit(expected, t, rows));
        checkImage();
        checkCells(rows);
    }

    closeWindow(&window);
    window.showEditor();  // afresh: no cell selected, so a bar moves no colour
    const std::size_t before = edits.size();
    moveBars(&window, {0, 2, 0});
    checkCells(stored(1));
    EXPECT_EQ(edits.size(), before);
}

TEST_F(BannerWindow, BlackoutAndAutoColourAreStoredOnTeamChangeCommitAndClosing)
{
    window.showEditor();
    click(button(&window, 1));  // "Blackout"
    checkCells(BannerColours{});
    EXPECT_TRUE(edits.empty() && window.haspending());
    clickRow(list1(&window), 6);
    expect(bannercoloursedit(expected, 1, BannerColours{}));
    checkImage();
    EXPECT_EQ(text1(), toQString(sampleImage().teams[7].banner));

    BannerColours rows = stored(7);
    click(cell(&window, 0));
    moveBars(&window, rows[1] = {28, 5, 31});
    click(cell(&window, 6));
    moveBars(&window, rows[7] = {3, 0, 6});
    expect(bannercoloursedit(expected, 7, rows));
    checkImage();
    click(button(&window, 2));  // "Auto Color"
    autocolor(rows);
    checkCells(rows);
    checkImage();  // not stored yet
    EXPECT_TRUE(window.haspending());
    EXPECT_EQ(window.commit(), QString());
    expect(bannercoloursedit(expected, 7, rows));
    checkImage();
    EXPECT_TRUE(window.isOpen() && list1(&window)->currentRow() == 6 && !window.haspending());

    undoLast(window, edits.size());  // the cells and the bars show the colours as they were
    const BannerColours before = stored(7);
    checkCells(before);
    EXPECT_EQ(barColour(&window), before[7]);
    EXPECT_EQ(child<QLabel>(&window, QStringLiteral("Label41"))->text(), QString::number(before[7].blue));
    EXPECT_EQ(doc.image(), sampleImage().bytes);
    click(button(&window, 1));
    closeWindow(&window);
    expected = sampleImage().bytes;
    expect(bannercoloursedit(expected, 7, BannerColours{}));
    checkImage();
}

}  // namespace
}  // namespace icevale
