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

// A bar change stores the team shown at once; Blackout and Auto Color wait for a team
// change, a commit or the closing.
TEST_F(BannerWindow, BarsStoreAtOnceAndTheButtonsOnTeamChangeCommitAndClosing)
{
    window.showEditor();
    EXPECT_EQ(text1(), toQString(sampleImage().teams[1].banner));
    EXPECT_TRUE(child<QLineEdit>(&window, QStringLiteral("Text1"))->isReadOnly());  // shown for reference only
    EXPECT_EQ(child<QLineEdit>(&window, QStringLiteral("Text1"))->cursorPosition(), 0);  // from its start
    EXPECT_TRUE(barColour(&window) == Rgb{} && !window.haspending() && edits.empty());
    click(button(&window, 1));  // "Blackout"
    checkCells(BannerColours{});
    EXPECT_TRUE(edits.empty() && window.haspending());
    clickRow(list1(&window), 6);
    checkImage({bannercoloursedit(expected, 1, BannerColours{})});
    EXPECT_EQ(text1(), toQString(sampleImage().teams[7].banner));

    BannerColours rows = stored(7);
    checkCells(rows);
    click(cell(&window, 13));
    EXPECT_EQ(barColour(&window), rows[14]);
    click(cell(&window, 0));
    moveBars(&window, rows[1] = {28, 5, 31});
    click(cell(&window, 6));
    moveBars(&window, rows[7] = {3, 0, 6});
    checkImage({bannercoloursedit(expected, 7, rows)});
    checkCells(rows);
    click(button(&window, 2));  // "Auto Color"
    autocolor(rows);
    checkCells(rows);
    checkImage();  // not stored yet
    EXPECT_TRUE(window.haspending());
    EXPECT_EQ(window.commit(), QString());
    checkImage({bannercoloursedit(expected, 7, rows)});
    EXPECT_TRUE(window.isOpen() && list1(&window)->currentRow() == 6 && !window.haspending());

    EXPECT_EQ(child<QLabel>(&window, QStringLiteral("Label41"))->text(), QString::number(rows[7].blue));
    click(button(&window, 1));
    window.close();
    checkImage({bannercoloursedit(expected, 7, BannerColours{})});

    window.showEditor();  // afresh: no cell selected, so a bar moves no colour
    const std::size_t stores = edits.size();
    moveBars(&window, {0, 2, 0});
    checkCells(stored(1));
    EXPECT_EQ(edits.size(), stores);
}

}  // namespace
}  // namespace icevale
