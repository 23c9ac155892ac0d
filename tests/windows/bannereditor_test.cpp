#include <gtest/gtest.h>

#include "core/bannertable.h"
#include "core/bannercolours.h"
#include "windows/bannereditor.h"
#include "colourtestsupport.h"
#include "widgets/limitedlineedit.h"
#include "widgets/qtext.h"
#include "widgets/twips.h"

namespace icevale {
namespace {

using namespace test;

class BannerWindow : public ColourWindowTest {
protected:
    BannerEditor window{cart, nullptr};

    static std::size_t word(int t, int k) { return banneroffset[t] + 2 * static_cast<std::size_t>(k); }
    static Rgb sampleColour(int t, int k) { return wordAt(sampleImage().bytes, word(t, k)); }
    void markTeam(int t) { for (int k = 0; k < kBannerCells; ++k) mark(word(t, k)); }
    void storedTeam(int t) { for (int k = 0; k < kBannerCells; ++k) stored(word(t, k)); }
    void blackIn(int t) { for (int k = 0; k < kBannerCells; ++k) putWord(expected, word(t, k), {}); }
    LimitedLineEdit* text1() const { return child<LimitedLineEdit>(&window, QStringLiteral("Text1")); }
};

TEST_F(BannerWindow, OpeningWritesNothingAndTeamsTwoAndTwentyEightUseTheirOwnBytes)
{
    EXPECT_EQ(word(2, 0), 0xD7160u);
    EXPECT_EQ(word(28, 0), 0xD7720u);
    markTeam(1);  // even bit 15 stays
    window.showEditor();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Banner Editor"));
    ASSERT_EQ(list1(&window)->count(), kTeams);
    EXPECT_EQ(barColour(&window), Rgb{});
    EXPECT_EQ(label(&window, 2)->text(), QStringLiteral("Outline Color"));
    EXPECT_EQ(cell(&window, 12)->geometry(), twipsRect(2760, 600, 375, 375));
    EXPECT_EQ(cell(&window, 13)->geometry(), twipsRect(600, 1080, 375, 375));
    EXPECT_EQ(text1()->text(), QString());  // the banner text window has not loaded the lengths
    checkImage();

    storedTeam(1);  // left for team 2
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
}

TEST_F(BannerWindow, BlackoutIsStoredOnTeamChangeOrByACellClickThatMovesTheBars)
{
    window.showEditor();
    click(button(&window, 1));
    EXPECT_EQ(cell(&window, 13)->colour(), 0u);
    checkImage();  // nothing written yet
    clickRow(list1(&window), 6);
    blackIn(1);
    checkImage();

    click(cell(&window, 3));
    ASSERT_NE(barColour(&window), Rgb{});
    click(button(&window, 1));
    click(cell(&window, 9));
    blackIn(7);
    checkImage();
    markTeam(7);
    click(cell(&window, 10));  // the bars already show its colour: nothing stored
    checkImage();

    clickRow(list1(&window), 2);  // the bars and the selected cell stay
    storedTeam(7);
    EXPECT_EQ(barColour(&window), Rgb{});
    Rgb changed = sampleColour(3, 10);
    ASSERT_NE(changed.red, 4);
    changed.red = 4;
    moveBar(bar(&window, 1), 4);
    putWord(expected, word(3, 10), changed);
    checkImage();
}

TEST_F(BannerWindow, AutoColourFillsTheRunsAndClosingStoresThem)
{
    window.showEditor();
    for (const auto& [k, c] : {std::pair{0, Rgb{28, 5, 31}}, std::pair{6, Rgb{3, 0, 6}}}) {
        click(cell(&window, k));
        for (int b = 1; b <= 3; ++b)
            moveBar(bar(&window, b), b == 1 ? c.red : b == 2 ? c.green : c.blue);
        putWord(expected, word(1, k), c);
    }
    click(button(&window, 2));
    checkImage();  // "Auto Color" itself writes nothing
    const std::vector<Rgb> runs = {{28, 5, 31}, {29, 6, 31}, {30, 7, 31}, {31, 8, 31}, {31, 9, 31}, {31, 10, 31},
                                   {3, 0, 6},   {2, 0, 5},   {1, 0, 4},   {0, 0, 3},   {0, 0, 2},  {0, 0, 1},
                                   {0, 0, 0},   sampleColour(1, 13)};
    for (int k = 0; k < kBannerCells; ++k) {
        EXPECT_EQ(cell(&window, k)->colour(), colortoscreen(runs[k])) << k;
        putWord(expected, word(1, k), runs[k]);
    }
    closeWindow(&window);
    checkImage();
}

TEST_F(BannerWindow, ReopeningForgetsTheSelectedCellAndTheTextIsReadInsideTheAreaOnly)
{
    ASSERT_TRUE(readbannerlengths(cart));
    window.showEditor();
    clickRow(list1(&window), 13);
    EXPECT_EQ(text1()->text(), toQString(sampleImage().teams[14].banner));
    typeInto(text1(), QStringLiteral("Z"));  // never stored
    clickRow(list1(&window), 0);
    click(cell(&window, 5));
    closeWindow(&window);
    checkImage();

    cart.bannertextlen[1] = 400;  // runs past the 261-byte area
    cart.bannertextlen[2] = -7;
    window.showEditor();
    EXPECT_EQ(text1()->text().size(), 261);
    markTeam(1);
    moveBar(bar(&window, 2), 2);  // no cell selected: the words are stored unchanged
    EXPECT_EQ(cell(&window, 5)->colour(), colortoscreen(sampleColour(1, 5)));
    storedTeam(1);
    checkImage();
    clickRow(list1(&window), 1);
    EXPECT_EQ(text1()->text(), QString());
    checkImage();
}

}  // namespace
}  // namespace icevale
