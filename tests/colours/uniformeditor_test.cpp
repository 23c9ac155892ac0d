#include <gtest/gtest.h>

#include "colours/uniform.h"
#include "colours/uniformeditor.h"
#include "colourtestsupport.h"
#include "shell/form1.h"
#include "shell/qtext.h"
#include "shell/twips.h"

namespace icevale {
namespace {

using namespace test;

// Picture pieces per cell, as the window paints them.
const std::vector<std::vector<int>> kPieces = {{21}, {30}, {31, 32}, {28}, {}, {22, 33},
                                               {24, 34}, {23, 29}, {25}, {26}, {27}};

class UniformWindow : public ::testing::Test {
protected:
    Cartridge cart = loadedSample();
    Bytes expected = sampleImage().bytes;  // the image as the test expects it
    UniformEditor window{cart, nullptr};

    void open() { window.showEditor(); }
    std::size_t word(int t, int mode, int k) const { return uniformcelloffset(t, mode, k); }
    void setBit15(int t, int mode, int k)
    {
        cart.RomImage[word(t, mode, k) + 1] |= 0x80;
        expected[word(t, mode, k) + 1] |= 0x80;
    }
    // Only the words the test expects changed; every other byte is the sample's.
    void checkImage() { EXPECT_EQ(differences(cart.RomImage, expected), std::vector<std::size_t>{}); }
    // The cells, the picture and the swatch show this uniform.
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

TEST_F(UniformWindow, OpensOnTeamOneAwayAndWritesNothing)
{
    open();
    EXPECT_EQ(window.objectName(), QStringLiteral("UniformEditor"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Uniform Editor"));
    ASSERT_EQ(list1(&window)->count(), kTeams);
    for (int t = 1; t <= kTeams; ++t)
        EXPECT_EQ(list1(&window)->item(t - 1)->text(), toQString(sampleImage().teams[t].abbrev));
    EXPECT_EQ(list1(&window)->currentRow(), 0);
    EXPECT_EQ(button(&window, 1)->text(), QStringLiteral("Editing Away"));
    EXPECT_EQ(label(&window, 35)->text(), QStringLiteral("Editing Sleeves"));
    const Rgb first = wordAt(cart.RomImage, word(1, 0, 0));
    EXPECT_EQ(barColour(&window), first);
    EXPECT_EQ(label(&window, 39)->text(), QString::number(first.red));
    EXPECT_EQ(label(&window, 41)->text(), QString::number(first.blue));
    EXPECT_EQ(label(&window, 16)->text(), QStringLiteral("Jersey Main"));
    EXPECT_EQ(label(&window, 3)->text(), QStringLiteral("Skin"));
    checkShows(1, 0);
    checkImage();
}

TEST_F(UniformWindow, PictureKeepsTheDesignsGeometryAndStacking)
{
    open();
    EXPECT_EQ(piece(&window, 21)->geometry(), twipsRect(2160, 720, 1935, 1215));
    EXPECT_EQ(piece(&window, 27)->geometry(), twipsRect(2520, 480, 1215, 135));
    EXPECT_EQ(label(&window, 5)->geometry(), twipsRect(3000, 3120, 255, 735));
    EXPECT_EQ(cell(&window, 10)->geometry(), twipsRect(1560, 3720, 375, 375));
    EXPECT_EQ(bar(&window, 3)->geometry(), twipsRect(720, 5280, 3615, 255));
    // A later piece covers an earlier one where they overlap.
    auto topAt = [this](int x, int y) { return window.childAt(twips(x), twips(y))->objectName(); };
    EXPECT_EQ(topAt(2300, 1250), QStringLiteral("Label23"));  // sleeve trims over the sleeve
    EXPECT_EQ(topAt(2800, 1250), QStringLiteral("Label25"));  // jersey over the trims
    EXPECT_EQ(topAt(2800, 520), QStringLiteral("Label27"));   // top trim over the jersey
    EXPECT_EQ(topAt(2800, 3300), QStringLiteral("Label33"));  // sock trim over the sock
    EXPECT_EQ(topAt(3100, 3300), QStringLiteral("Label5"));   // the gap between the socks
    EXPECT_EQ(topAt(3100, 3700), QStringLiteral("Label5"));
    EXPECT_TRUE(label(&window, 5)->autoFillBackground());
}

TEST_F(UniformWindow, ClickingACellMovesTheBarsAndStoresOnlyWhenTheColourDiffers)
{
    for (int k = 0; k < kUniformCells; ++k)
        setBit15(1, 0, k);  // a store shows as bit 15 cleared
    const Rgb top = wordAt(cart.RomImage, word(1, 0, 3));
    for (Bytes* rom : {&cart.RomImage, &expected}) {  // cell 5 the colour of cell 3
        (*rom)[word(1, 0, 5)] = (*rom)[word(1, 0, 3)];
        (*rom)[word(1, 0, 5) + 1] = (*rom)[word(1, 0, 3) + 1];
    }
    ASSERT_NE(wordAt(cart.RomImage, word(1, 0, 0)), Rgb{});
    ASSERT_NE(wordAt(cart.RomImage, word(1, 0, 0)), top);
    open();
    expected[word(1, 0, 0) + 1] &= 0x7F;  // the bars moved to cell 0 at load
    checkImage();

    click(cell(&window, 3));
    EXPECT_EQ(label(&window, 35)->text(), QStringLiteral("Editing Top Part"));
    EXPECT_EQ(barColour(&window), top);
    EXPECT_EQ(label(&window, 40)->text(), QString::number(top.green));
    expected[word(1, 0, 3) + 1] &= 0x7F;
    checkImage();

    click(cell(&window, 5));
    EXPECT_EQ(label(&window, 35)->text(), QStringLiteral("Editing Top Sleeve Trim and Top Sock"));
    checkImage();  // same colour on the bars: nothing stored

    click(cell(&window, 9));
    EXPECT_EQ(label(&window, 35)->text(), QStringLiteral("Editing Main Jersey 2"));
    click(cell(&window, 6));
    EXPECT_EQ(label(&window, 35)->text(), QStringLiteral("Editing Bottom Sleeve Trim and Main Sock"));
}

TEST_F(UniformWindow, MovingABarStoresTheOneWordAndRepaints)
{
    open();
    click(cell(&window, 8));
    Rgb colour = wordAt(cart.RomImage, word(1, 0, 8));
    colour.red = colour.red == 31 ? 30 : colour.red + 1;
    moveBar(bar(&window, 1), colour.red);
    putWord(expected, word(1, 0, 8), colour);
    checkImage();
    EXPECT_EQ(label(&window, 39)->text(), QString::number(colour.red));
    EXPECT_EQ(cell(&window, 8)->colour(), colortoscreen(colour));
    EXPECT_EQ(piece(&window, 25)->colour(), colortoscreen(colour));
    checkShows(1, 0);

    // A bar set to the value it holds stores nothing, by its arrow or by the program.
    moveBar(bar(&window, 3), 0);
    putWord(expected, word(1, 0, 8), {colour.red, colour.green, 0});
    setBit15(1, 0, 8);
    QTest::mouseClick(bar(&window, 3), Qt::LeftButton, {}, QPoint(3, bar(&window, 3)->height() / 2));
    bar(&window, 3)->setValue(0);
    EXPECT_EQ(bar(&window, 3)->value(), 0);
    checkImage();

    // The swatch follows cell 10 whatever is edited.
    click(cell(&window, 10));
    moveBar(bar(&window, 2), 31);
    moveBar(bar(&window, 2), 3);
    Rgb trim = wordAt(expected, word(1, 0, 10));
    trim.green = 3;
    putWord(expected, word(1, 0, 10), trim);
    checkImage();
    EXPECT_EQ(piece(&window, 9)->colour(), colortoscreen(trim));
    EXPECT_EQ(piece(&window, 27)->colour(), colortoscreen(trim));
}

TEST_F(UniformWindow, SkinPaintsNoPieceOfThePicture)
{
    open();
    click(cell(&window, 4));
    EXPECT_EQ(label(&window, 35)->text(), QStringLiteral("Editing Skin"));
    std::vector<std::uint32_t> before;
    for (int p = 21; p <= 34; ++p)
        before.push_back(piece(&window, p)->colour());
    Rgb skin = wordAt(cart.RomImage, word(1, 0, 4));
    skin.green = skin.green < 16 ? 31 : 0;
    moveBar(bar(&window, 2), skin.green);
    EXPECT_EQ(cell(&window, 4)->colour(), colortoscreen(skin));
    for (int p = 21; p <= 34; ++p)
        EXPECT_EQ(piece(&window, p)->colour(), before[p - 21]) << "piece " << p;
    putWord(expected, word(1, 0, 4), skin);
    checkImage();
}

TEST_F(UniformWindow, PasteBeforeAnyCopyPaintsTheCellBlack)
{
    open();
    click(cell(&window, 2));
    click(button(&window, 4));
    EXPECT_EQ(barColour(&window), Rgb{});
    EXPECT_EQ(cell(&window, 2)->colour(), 0u);
    EXPECT_EQ(piece(&window, 31)->colour(), 0u);
    EXPECT_EQ(piece(&window, 32)->colour(), 0u);
    putWord(expected, word(1, 0, 2), {});
    checkImage();

    setBit15(1, 0, 2);  // the bars already stand at 0, 0, 0: nothing is written
    click(button(&window, 4));
    checkImage();
}

TEST_F(UniformWindow, CopyOnAHomeUniformPastesIntoAnotherTeamsAwayUniform)
{
    open();
    click(button(&window, 1));
    EXPECT_EQ(button(&window, 1)->text(), QStringLiteral("Editing Home"));
    click(cell(&window, 7));
    click(button(&window, 3));
    const Rgb copied = wordAt(cart.RomImage, word(1, 1, 7));
    click(button(&window, 1));
    clickRow(list1(&window), 4);
    EXPECT_EQ(label(&window, 35)->text(), QStringLiteral("Editing Middle Sleeve Trim and Belt"));
    EXPECT_EQ(barColour(&window), wordAt(sampleImage().bytes, word(5, 0, 7)));
    ASSERT_NE(copied, wordAt(cart.RomImage, word(5, 0, 7)));
    checkImage();

    click(button(&window, 4));
    EXPECT_EQ(barColour(&window), copied);
    EXPECT_EQ(piece(&window, 23)->colour(), colortoscreen(copied));
    putWord(expected, word(5, 0, 7), copied);
    checkImage();
}

TEST_F(UniformWindow, ModeButtonTwiceReturnsToAwayWithTheSameCell)
{
    open();
    click(cell(&window, 6));
    click(button(&window, 1));
    EXPECT_EQ(button(&window, 1)->text(), QStringLiteral("Editing Home"));
    checkShows(1, 1);
    EXPECT_EQ(barColour(&window), wordAt(cart.RomImage, word(1, 1, 6)));
    click(button(&window, 1));
    EXPECT_EQ(button(&window, 1)->text(), QStringLiteral("Editing Away"));
    EXPECT_EQ(label(&window, 35)->text(), QStringLiteral("Editing Bottom Sleeve Trim and Main Sock"));
    checkShows(1, 0);
    EXPECT_EQ(barColour(&window), wordAt(cart.RomImage, word(1, 0, 6)));
    checkImage();
}

TEST_F(UniformWindow, FlipSwapsOnlyTheTeamsElevenWordPairs)
{
    open();
    clickRow(list1(&window), 4);
    click(button(&window, 2));
    for (int k = 0; k < kUniformCells; ++k) {
        for (int i = 0; i < 2; ++i) {
            expected[word(5, 0, k) + i] = sampleImage().bytes[word(5, 1, k) + i];
            expected[word(5, 1, k) + i] = sampleImage().bytes[word(5, 0, k) + i];
        }
    }
    checkImage();  // 0xB4C54..0xB4C69 and 0xB4FD4..0xB4FE9 only
    checkShows(5, 0);
    EXPECT_EQ(cell(&window, 0)->colour(), colortoscreen(wordAt(sampleImage().bytes, word(5, 1, 0))));

    click(button(&window, 1));
    click(button(&window, 2));
    expected = sampleImage().bytes;
    checkImage();
    checkShows(5, 1);
}

TEST_F(UniformWindow, ChangingTeamStoresTheSelectedCellOnlyWhenItsColourDiffers)
{
    setBit15(3, 0, 0);
    setBit15(4, 0, 0);
    for (Bytes* rom : {&cart.RomImage, &expected}) {  // team 4's cell 0 the colour of team 3's
        (*rom)[word(4, 0, 0)] = (*rom)[word(3, 0, 0)];
        (*rom)[word(4, 0, 0) + 1] = (*rom)[word(3, 0, 0) + 1];
    }
    open();
    ASSERT_NE(barColour(&window), wordAt(cart.RomImage, word(3, 0, 0)));
    clickRow(list1(&window), 2);
    expected[word(3, 0, 0) + 1] &= 0x7F;
    checkImage();
    clickRow(list1(&window), 3);
    checkImage();
    checkShows(4, 0);
}

TEST_F(UniformWindow, ReopeningStartsFromTheDesignState)
{
    open();
    click(button(&window, 1));
    click(cell(&window, 5));
    click(button(&window, 3));
    clickRow(list1(&window), 9);
    closeWindow(&window);
    window.showEditor();
    EXPECT_EQ(button(&window, 1)->text(), QStringLiteral("Editing Away"));
    EXPECT_EQ(label(&window, 35)->text(), QStringLiteral("Editing Sleeves"));
    EXPECT_EQ(list1(&window)->count(), kTeams);
    EXPECT_EQ(list1(&window)->currentRow(), 0);
    EXPECT_EQ(barColour(&window), wordAt(cart.RomImage, word(1, 0, 0)));
    checkShows(1, 0);
    click(button(&window, 4));  // the colour kept before closing is gone
    putWord(expected, word(1, 0, 0), {});
    checkImage();
}

TEST(UniformEditorOperations, ShareTheCodecsDigitStrings)
{
    std::int16_t width = 8;
    EXPECT_EQ(UniformEditor::DecToBin(300, width), "0000000100101100");
    EXPECT_EQ(width, 16);
    EXPECT_EQ(UniformEditor::BinaryToDecimal("101100"), 44);
}

TEST(UniformEditorFromMainWindow, EditUniformsOpensIt)
{
    TempDir dir;
    writeFile(dir.path("a.smc"), sampleImage().bytes);
    Form1 form;
    form.show();
    answerFileDialog(&form, QString::fromStdString(dir.path("a.smc").string()));
    click(child<QPushButton>(&form, QStringLiteral("Command1")));
    click(child<QPushButton>(&form, QStringLiteral("Command7")));
    auto* editor = qobject_cast<UniformEditor*>(form.editor(7));
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isOpen());
    EXPECT_EQ(differences(form.cartridge().RomImage, sampleImage().bytes), std::vector<std::size_t>{});
}

}  // namespace
}  // namespace icevale
