#include <QFocusFrame>
#include <QScrollBar>

#include "windows/uniformeditor.h"
#include "windowtest.h"

namespace icevale {
namespace {

using namespace test;

// Picture pieces per cell, as the window paints them.
const std::vector<std::vector<int>> kPieces = {{21}, {30}, {31, 32}, {28}, {}, {22, 33},
                                               {24, 34}, {23, 29}, {25}, {26}, {27}};

class UniformWindow : public WindowTest {
protected:
    UniformEditor window{doc, nullptr};

    QString label(int n) { return child<QLabel>(&window, QStringLiteral("Label%1").arg(n))->text(); }
    ColourLabel* piece(int n) { return child<ColourLabel>(&window, QStringLiteral("Label%1").arg(n)); }
    Rgb stored(int t, int mode, int k) { return readuniform(doc.image(), t, mode).value()[k]; }
    // The cells, the picture and the swatch show this uniform; the skin (cell 4) paints no piece.
    void checkShows(int t, int mode)
    {
        for (int k = 0; k < kUniformCells; ++k) {
            const std::uint32_t c = colortoscreen(stored(t, mode, k));
            EXPECT_EQ(cell(&window, k)->colour(), c) << "cell " << k;
            for (int p : kPieces[static_cast<std::size_t>(k)])
                EXPECT_EQ(piece(p)->colour(), c) << "piece " << p;
        }
        EXPECT_EQ(piece(9)->colour(), cell(&window, 10)->colour());
    }
};

// A bar stops at 31, the most a colour component holds, and shows the focus ring while it
// has the focus; opened again, the window starts on the first cell.
TEST_F(UniformWindow, BarsStopAtTheLargestComponentAndReopeningStartsOnTheFirstCell)
{
    window.showEditor();
    click(cell(&window, 3));
    auto* red = child<QScrollBar>(&window, QStringLiteral("HScroll1"));
    red->setFocus();
    pressKeys(red, QKeySequence(Qt::Key_End));
    EXPECT_EQ(stored(1, 0, 3).red, 31);
    EXPECT_EQ(child<QFocusFrame>(&window, QStringLiteral("focusring"))->widget(), red);
    window.close();
    window.showEditor();
    EXPECT_EQ(label(35), QStringLiteral("Editing Sleeves"));
    EXPECT_EQ(barColour(&window), stored(1, 0, 0));  // and the bars edit the Sleeves
}

// Every change is stored as it is made: a bar move, a paste, a flip.
TEST_F(UniformWindow, BarsPasteAndFlipStoreAtOnceAndUndoKeepsTheCellShown)
{
    window.showEditor();
    EXPECT_EQ(list1(&window)->item(27)->text(), toQString(sampleImage().teams[28].abbrev));
    EXPECT_EQ(barColour(&window), stored(1, 0, 0));
    checkShows(1, 0);
    click(cell(&window, 4));  // the skin: no piece shows it
    Rgb skin = stored(1, 0, 4);
    skin.green = skin.green < 16 ? 31 : 0;
    moveBars(&window, skin);
    EXPECT_EQ(label(41), QString::number(skin.blue));
    checkImage({uniformcelledit(expected, 1, 0, 4, skin)});
    checkShows(1, 0);

    click(cell(&window, 7));
    click(button(&window, 1));
    EXPECT_EQ(button(&window, 1)->text(), QStringLiteral("Editing Home"));
    EXPECT_EQ(barColour(&window), stored(1, 1, 7));
    checkShows(1, 1);
    click(button(&window, 3));  // "Copy Color"
    const Rgb copied = barColour(&window);
    click(button(&window, 1));
    const QString away = QStringLiteral("Editing AwayEditing Middle Sleeve Trim and Belt");
    EXPECT_EQ(button(&window, 1)->text() + label(35), away);
    checkShows(1, 0);
    clickRow(list1(&window), 4);
    ASSERT_NE(copied, stored(5, 0, 7));
    click(button(&window, 4));  // "Paste Color" on another team's away uniform
    checkImage({uniformcelledit(expected, 5, 0, 7, copied)});
    checkShows(5, 0);
    click(button(&window, 2));  // "Flip Home and Away Jerseys"
    checkImage({flipuniformsedit(expected, 5).value()});
    checkShows(5, 0);
    const std::size_t stores = edits.size();
    EXPECT_FALSE(window.haspending());
    EXPECT_TRUE(window.commit().isEmpty() && edits.size() == stores);

    undoLast(window);  // shows the flip undone, on the same team, uniform and cell
    EXPECT_EQ(barColour(&window), copied);
    checkShows(5, 0);
    EXPECT_EQ(button(&window, 1)->text() + label(35), away);
}

}  // namespace
}  // namespace icevale
