#include <gtest/gtest.h>

#include "banners/bannertable.h"
#include "colours/bannercolours.h"
#include "colours/bannereditor.h"
#include "colourtestsupport.h"
#include "shell/form1.h"
#include "shell/limitedlineedit.h"
#include "shell/qtext.h"
#include "shell/twips.h"

namespace icevale {
namespace {

using namespace test;

class BannerWindow : public ::testing::Test {
protected:
    Cartridge cart = loadedSample();
    Bytes expected = sampleImage().bytes;
    BannerEditor window{cart, nullptr};

    void open() { window.showEditor(); }
    static std::size_t word(int t, int k) { return banneroffset[t] + 2 * static_cast<std::size_t>(k); }
    void checkImage() { EXPECT_EQ(differences(cart.RomImage, expected), std::vector<std::size_t>{}); }
    void setBit15(int t)
    {
        for (int k = 0; k < kBannerCells; ++k) {
            cart.RomImage[word(t, k) + 1] |= 0x80;
            expected[word(t, k) + 1] |= 0x80;
        }
    }
    Rgb sampleColour(int t, int k) const { return wordAt(sampleImage().bytes, word(t, k)); }
    QString text1() const { return child<LimitedLineEdit>(&window, QStringLiteral("Text1"))->text(); }
};

TEST_F(BannerWindow, OpeningShowsTeamOneAndWritesNothing)
{
    setBit15(1);  // even bit 15 stays: opening stores nothing
    open();
    EXPECT_EQ(window.objectName(), QStringLiteral("BannerEditor"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Banner Editor"));
    ASSERT_EQ(list1(&window)->count(), kTeams);
    EXPECT_EQ(list1(&window)->item(27)->text(), toQString(sampleImage().teams[28].abbrev));
    for (int k = 0; k < kBannerCells; ++k)
        EXPECT_EQ(cell(&window, k)->colour(), colortoscreen(sampleColour(1, k))) << k;
    EXPECT_EQ(barColour(&window), Rgb{});
    EXPECT_EQ(label(&window, 40)->text(), QStringLiteral("0"));
    EXPECT_EQ(label(&window, 2)->text(), QStringLiteral("Outline Color"));
    EXPECT_EQ(label(&window, 3)->text(), QStringLiteral("To use autocolor, fill the leftmost cell with the desired "
                                                        "color and then click 'auto color'."));
    EXPECT_EQ(button(&window, 1)->text(), QStringLiteral("Blackout"));
    EXPECT_EQ(button(&window, 2)->text(), QStringLiteral("Auto Color"));
    EXPECT_EQ(cell(&window, 5)->geometry(), twipsRect(2400, 120, 375, 375));
    EXPECT_EQ(cell(&window, 12)->geometry(), twipsRect(2760, 600, 375, 375));
    EXPECT_EQ(cell(&window, 13)->geometry(), twipsRect(600, 1080, 375, 375));
    EXPECT_EQ(text1(), QString());  // the banner text window has not loaded the lengths
    checkImage();
}

TEST_F(BannerWindow, TeamsTwoAndTwentyEightUseTheirOwnBytes)
{
    open();
    for (int t : {2, 28}) {
        clickRow(list1(&window), t - 1);
        for (int k = 0; k < kBannerCells; ++k)
            EXPECT_EQ(cell(&window, k)->colour(), colortoscreen(sampleColour(t, k))) << t << " " << k;
        click(cell(&window, 13));
        Rgb outline = sampleColour(t, 13);
        outline.blue = outline.blue == 0 ? 1 : 0;
        moveBar(bar(&window, 3), outline.blue);
        putWord(expected, word(t, 13), outline);
        checkImage();
    }
    EXPECT_EQ(word(2, 0), 0xD7160u);
    EXPECT_EQ(word(28, 0), 0xD7720u);
}

TEST_F(BannerWindow, BlackoutIsStoredForTheTeamLeftOrOnClosing)
{
    open();
    click(button(&window, 1));
    for (int k = 0; k < kBannerCells; ++k)
        EXPECT_EQ(cell(&window, k)->colour(), 0u);
    checkImage();  // nothing written yet
    clickRow(list1(&window), 6);
    for (int k = 0; k < kBannerCells; ++k)
        putWord(expected, word(1, k), {});
    checkImage();
    EXPECT_EQ(cell(&window, 0)->colour(), colortoscreen(sampleColour(7, 0)));

    click(button(&window, 1));
    closeWindow(&window);
    for (int k = 0; k < kBannerCells; ++k)
        putWord(expected, word(7, k), {});
    checkImage();
}

TEST_F(BannerWindow, BlackoutThenACellClickStoresAtOnce)
{
    open();
    click(cell(&window, 3));
    ASSERT_NE(barColour(&window), Rgb{});
    click(button(&window, 1));
    click(cell(&window, 9));
    EXPECT_EQ(barColour(&window), Rgb{});
    for (int k = 0; k < kBannerCells; ++k)
        putWord(expected, word(1, k), {});
    checkImage();
}

TEST_F(BannerWindow, AutoColourFillsTheRunsAndStoresOnTheNextStore)
{
    open();
    click(cell(&window, 0));
    moveBar(bar(&window, 1), 28);
    moveBar(bar(&window, 2), 5);
    moveBar(bar(&window, 3), 31);
    click(cell(&window, 6));
    moveBar(bar(&window, 1), 3);
    moveBar(bar(&window, 2), 0);
    moveBar(bar(&window, 3), 6);
    putWord(expected, word(1, 0), {28, 5, 31});
    putWord(expected, word(1, 6), {3, 0, 6});
    checkImage();

    click(button(&window, 2));
    checkImage();  // "Auto Color" itself writes nothing
    const std::vector<Rgb> runs = {{28, 5, 31}, {29, 6, 31}, {30, 7, 31}, {31, 8, 31}, {31, 9, 31}, {31, 10, 31},
                                   {3, 0, 6},   {2, 0, 5},   {1, 0, 4},   {0, 0, 3},   {0, 0, 2},  {0, 0, 1},
                                   {0, 0, 0}};
    for (int k = 0; k < 13; ++k)
        EXPECT_EQ(cell(&window, k)->colour(), colortoscreen(runs[k])) << k;
    EXPECT_EQ(cell(&window, 13)->colour(), colortoscreen(sampleColour(1, 13)));

    closeWindow(&window);
    for (int k = 0; k < 13; ++k)
        putWord(expected, word(1, k), runs[k]);
    checkImage();
}

TEST_F(BannerWindow, BarsBeforeAnyCellStoreTheWordsUnchanged)
{
    setBit15(1);
    open();
    moveBar(bar(&window, 1), 4);
    for (int k = 0; k < kBannerCells; ++k) {
        EXPECT_EQ(cell(&window, k)->colour(), colortoscreen(sampleColour(1, k)));
        expected[word(1, k) + 1] &= 0x7F;
    }
    EXPECT_EQ(label(&window, 39)->text(), QStringLiteral("4"));
    checkImage();
}

TEST_F(BannerWindow, ACellClickStoresOnlyWhenItsColourDiffersFromTheBars)
{
    setBit15(1);
    for (Bytes* rom : {&cart.RomImage, &expected}) {  // cell 4 the colour of cell 2
        (*rom)[word(1, 4)] = (*rom)[word(1, 2)];
        (*rom)[word(1, 4) + 1] = (*rom)[word(1, 2) + 1];
    }
    ASSERT_NE(sampleColour(1, 2), Rgb{});
    open();
    click(cell(&window, 2));
    for (int k = 0; k < kBannerCells; ++k)
        expected[word(1, k) + 1] &= 0x7F;
    checkImage();

    setBit15(1);
    click(cell(&window, 4));
    checkImage();
}

TEST_F(BannerWindow, TeamChangeKeepsTheBarsAndTheSelectedCell)
{
    open();
    click(cell(&window, 11));
    const Rgb shown = sampleColour(1, 11);
    clickRow(list1(&window), 2);
    EXPECT_EQ(barColour(&window), shown);
    EXPECT_EQ(label(&window, 41)->text(), QString::number(shown.blue));
    Rgb changed = sampleColour(3, 11);
    changed.red = shown.red == 31 ? 30 : shown.red + 1;
    moveBar(bar(&window, 1), changed.red);
    putWord(expected, word(3, 11), changed);
    checkImage();
}

TEST_F(BannerWindow, ShowsTheBannerTextInsideTheAreaOnly)
{
    ASSERT_TRUE(readbannerlengths(cart));
    open();
    EXPECT_EQ(text1(), toQString(sampleImage().teams[1].banner));
    clickRow(list1(&window), 13);
    EXPECT_EQ(text1(), toQString(sampleImage().teams[14].banner));
    typeInto(child<LimitedLineEdit>(&window, QStringLiteral("Text1")), QStringLiteral("Z"));
    closeWindow(&window);
    checkImage();  // what is typed there is never stored

    cart.bannertextlen[1] = 400;  // runs past the 261-byte area
    cart.bannertextlen[2] = -7;
    window.showEditor();
    EXPECT_EQ(text1().size(), 261);
    clickRow(list1(&window), 1);
    EXPECT_EQ(text1(), QString());
    checkImage();
}

TEST_F(BannerWindow, ReopeningForgetsTheSelectedCell)
{
    open();
    click(cell(&window, 5));
    closeWindow(&window);
    window.showEditor();
    setBit15(1);
    moveBar(bar(&window, 2), 2);  // no cell selected: cell 5 keeps its colour
    EXPECT_EQ(cell(&window, 5)->colour(), colortoscreen(sampleColour(1, 5)));
    for (int k = 0; k < kBannerCells; ++k)
        expected[word(1, k) + 1] &= 0x7F;
    checkImage();
}

TEST(BannerEditorFromMainWindow, EditBannerColorsOpensItAndSharesTheCodec)
{
    TempDir dir;
    writeFile(dir.path("a.smc"), sampleImage().bytes);
    Form1 form;
    form.show();
    answerFileDialog(&form, QString::fromStdString(dir.path("a.smc").string()));
    click(child<QPushButton>(&form, QStringLiteral("Command1")));
    click(child<QPushButton>(&form, QStringLiteral("Command9")));
    auto* editor = qobject_cast<BannerEditor*>(form.editor(9));
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isOpen());
    EXPECT_EQ(differences(form.cartridge().RomImage, sampleImage().bytes), std::vector<std::size_t>{});

    std::int16_t width = 8;
    EXPECT_EQ(BannerEditor::DecToBin(7, width), "00000111");
    EXPECT_EQ(BannerEditor::BinaryToDecimal("111"), 7);
}

}  // namespace
}  // namespace icevale
