#include <gtest/gtest.h>

#include "windows/bannereditor.h"
#include "core/uniform.h"
#include "windows/uniformeditor.h"
#include "colourtestsupport.h"
#include "app/form1.h"
#include "widgets/qtext.h"
#include "widgets/twips.h"

namespace icevale {
namespace {

using namespace test;

// Picture pieces per cell, as the window paints them.
const std::vector<std::vector<int>> kPieces = {{21}, {30}, {31, 32}, {28}, {}, {22, 33},
                                               {24, 34}, {23, 29}, {25}, {26}, {27}};

class UniformWindow : public ColourWindowTest {
protected:
    UniformEditor window{cart, nullptr};

    static std::size_t word(int t, int mode, int k) { return uniformcelloffset(t, mode, k); }
    QString status() const { return label(&window, 35)->text(); }
    // The cells, the picture and the swatch show this uniform; the skin (cell 4) paints no piece.
    void checkShows(int t, int mode)
    {
        for (int k = 0; k < kUniformCells; ++k) {
            const std::uint32_t c = colortoscreen(wordAt(cart.RomImage, word(t, mode, k)));
            EXPECT_EQ(cell(&window, k)->colour(), c) << "cell " << k;
            for (int p : kPieces[k])
                EXPECT_EQ(piece(&window, p)->colour(), c) << "piece " << p;
        }
        EXPECT_EQ(piece(&window, 9)->colour(), cell(&window, 10)->colour());
    }
};

TEST_F(UniformWindow, OpensOnTeamOneAwayInItsLayoutAndWritesNothing)
{
    window.showEditor();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Uniform Editor"));
    ASSERT_EQ(list1(&window)->count(), kTeams);
    EXPECT_EQ(list1(&window)->item(27)->text(), toQString(sampleImage().teams[28].abbrev));
    EXPECT_EQ(button(&window, 1)->text(), QStringLiteral("Editing Away"));
    EXPECT_EQ(status(), QStringLiteral("Editing Sleeves"));
    EXPECT_EQ(barColour(&window), wordAt(cart.RomImage, word(1, 0, 0)));
    checkShows(1, 0);
    checkImage();

    EXPECT_EQ(piece(&window, 21)->geometry(), twipsRect(2160, 720, 1935, 1215));
    EXPECT_EQ(label(&window, 5)->geometry(), twipsRect(3000, 3120, 255, 735));
    EXPECT_EQ(cell(&window, 10)->geometry(), twipsRect(1560, 3720, 375, 375));
    // A later piece covers an earlier one where they overlap.
    const std::pair<QPoint, const char*> tops[] = {{{2300, 1250}, "Label23"}, {{2800, 1250}, "Label25"},
                                                   {{2800, 520}, "Label27"},  {{2800, 3300}, "Label33"},
                                                   {{3100, 3300}, "Label5"}};
    for (const auto& [at, name] : tops)
        EXPECT_EQ(window.childAt(twips(at.x()), twips(at.y()))->objectName(), QString::fromLatin1(name));
}

TEST_F(UniformWindow, ClickingACellOrATeamMovesTheBarsAndStoresOnlyWhenTheColourDiffers)
{
    for (int k = 0; k < kUniformCells; ++k)
        mark(word(1, 0, k));
    copyWord(word(1, 0, 3), word(1, 0, 5));
    mark(word(3, 0, 5));
    copyWord(word(3, 0, 5), word(4, 0, 5));
    const Rgb top = wordAt(cart.RomImage, word(1, 0, 3));
    ASSERT_NE(wordAt(cart.RomImage, word(1, 0, 0)), Rgb{});
    ASSERT_NE(wordAt(cart.RomImage, word(1, 0, 0)), top);
    ASSERT_NE(wordAt(cart.RomImage, word(3, 0, 5)), top);
    window.showEditor();
    stored(word(1, 0, 0));  // the bars moved to cell 0 at load
    checkImage();

    click(cell(&window, 3));
    EXPECT_EQ(status(), QStringLiteral("Editing Top Part"));
    EXPECT_EQ(barColour(&window), top);
    stored(word(1, 0, 3));
    checkImage();
    click(cell(&window, 5));  // same colour on the bars: nothing stored
    checkImage();

    clickRow(list1(&window), 2);
    stored(word(3, 0, 5));
    checkImage();
    clickRow(list1(&window), 3);
    checkImage();
    checkShows(4, 0);
}

TEST_F(UniformWindow, ABarStoresTheOneWordOnlyWhenItsValueChangesAndSkinPaintsNoPiece)
{
    window.showEditor();
    click(cell(&window, 8));
    Rgb colour = wordAt(cart.RomImage, word(1, 0, 8));
    ASSERT_NE(colour.blue, 0);
    colour.blue = 0;
    moveBar(bar(&window, 3), 0);
    putWord(expected, word(1, 0, 8), colour);
    EXPECT_EQ(label(&window, 41)->text(), QStringLiteral("0"));
    checkShows(1, 0);
    mark(word(1, 0, 8));
    QTest::mouseClick(bar(&window, 3), Qt::LeftButton, {}, QPoint(3, bar(&window, 3)->height() / 2));
    bar(&window, 3)->setValue(0);
    checkImage();

    click(cell(&window, 10));  // the swatch follows (checkShows)
    Rgb trim = wordAt(expected, word(1, 0, 10));
    trim.green = trim.green == 3 ? 4 : 3;
    moveBar(bar(&window, 2), trim.green);
    putWord(expected, word(1, 0, 10), trim);
    checkShows(1, 0);

    click(cell(&window, 4));
    Rgb skin = wordAt(cart.RomImage, word(1, 0, 4));
    skin.green = skin.green < 16 ? 31 : 0;
    moveBar(bar(&window, 2), skin.green);
    putWord(expected, word(1, 0, 4), skin);
    checkImage();
    checkShows(1, 0);
}

TEST_F(UniformWindow, ModeButtonTwiceAndCopyOnHomePastesOneWordIntoAnotherTeamsAway)
{
    window.showEditor();
    click(cell(&window, 7));
    click(button(&window, 1));
    EXPECT_EQ(button(&window, 1)->text(), QStringLiteral("Editing Home"));
    EXPECT_EQ(barColour(&window), wordAt(cart.RomImage, word(1, 1, 7)));
    checkShows(1, 1);
    click(button(&window, 3));
    const Rgb copied = barColour(&window);
    click(button(&window, 1));
    EXPECT_EQ(button(&window, 1)->text(), QStringLiteral("Editing Away"));
    EXPECT_EQ(status(), QStringLiteral("Editing Middle Sleeve Trim and Belt"));
    EXPECT_EQ(barColour(&window), wordAt(cart.RomImage, word(1, 0, 7)));
    checkShows(1, 0);
    checkImage();

    clickRow(list1(&window), 4);
    ASSERT_NE(copied, wordAt(cart.RomImage, word(5, 0, 7)));
    click(button(&window, 4));
    putWord(expected, word(5, 0, 7), copied);
    checkShows(5, 0);
    checkImage();
}

TEST_F(UniformWindow, FlipSwapsOnlyTheTeamsElevenWordPairs)
{
    window.showEditor();
    clickRow(list1(&window), 4);
    click(button(&window, 2));
    // Exactly 0xB4C54..0xB4C69 and 0xB4FD4..0xB4FE9 exchanged.
    std::swap_ranges(expected.begin() + 0xB4C54, expected.begin() + 0xB4C6A, expected.begin() + 0xB4FD4);
    checkImage();
    checkShows(5, 0);
    click(button(&window, 1));
    click(button(&window, 2));
    expected = sampleImage().bytes;
    checkImage();
    checkShows(5, 1);
}

TEST_F(UniformWindow, PasteBeforeAnyCopyStoresBlackAndReopeningForgetsTheCopy)
{
    window.showEditor();
    click(cell(&window, 2));
    click(button(&window, 4));
    putWord(expected, word(1, 0, 2), {});
    checkShows(1, 0);
    mark(word(1, 0, 2));  // the bars already stand at 0, 0, 0: nothing is written
    click(button(&window, 4));
    checkImage();

    click(button(&window, 1));
    stored(word(1, 0, 2));  // the mode button stores the cell it leaves
    click(cell(&window, 5));
    click(button(&window, 3));
    clickRow(list1(&window), 9);
    closeWindow(&window);
    window.showEditor();
    EXPECT_EQ(button(&window, 1)->text(), QStringLiteral("Editing Away"));
    EXPECT_EQ(list1(&window)->count(), kTeams);
    click(button(&window, 4));  // team 1, away, cell 0, and the copied colour gone
    putWord(expected, word(1, 0, 0), {});
    checkImage();
}

TEST(ColourWindowsFromMainWindow, OpenWritingNothingAndShareTheCodec)
{
    TempDir dir;
    writeFile(dir.path("a.smc"), sampleImage().bytes);
    Form1 form;
    form.show();
    answerFileDialog(&form, QString::fromStdString(dir.path("a.smc").string()));
    for (const char* name : {"Command1", "Command7", "Command9"})
        click(child<QPushButton>(&form, QString::fromLatin1(name)));
    ASSERT_NE(qobject_cast<UniformEditor*>(form.editor(7)), nullptr);
    ASSERT_NE(qobject_cast<BannerEditor*>(form.editor(9)), nullptr);
    EXPECT_TRUE(form.editor(7)->isOpen() && form.editor(9)->isOpen());
    EXPECT_EQ(differences(form.cartridge().RomImage, sampleImage().bytes), std::vector<std::size_t>{});

    std::int16_t width = 8, width2 = 8;
    EXPECT_EQ(UniformEditor::DecToBin(300, width) + BannerEditor::DecToBin(7, width2), "000000010010110000000111");
    EXPECT_EQ(width + width2, 24);
    EXPECT_EQ(UniformEditor::BinaryToDecimal("x101100") + BannerEditor::BinaryToDecimal("111"), 51);
}

}  // namespace
}  // namespace icevale
