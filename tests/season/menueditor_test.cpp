#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "season/menueditor.h"
#include "shell/editorwindow.h"
#include "shell/form1.h"
#include "shell/qtext.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"

namespace icevale {
namespace {

using test::child;
using test::closeWindow;
using test::pick;

constexpr std::size_t kField1 = 0xE9EC2;

std::size_t fieldAt(int f) { return kField1 + 2 * static_cast<std::size_t>(f - 1); }

class MenuWindow : public ::testing::Test {
protected:
    Cartridge cart = test::loadedSample();
    Bytes expected = test::sampleImage().bytes;
    MenuEditor window{cart, nullptr};

    QComboBox* combo(int c) { return child<QComboBox>(&window, QStringLiteral("Combo%1").arg(c)); }
    QString team(int t) { return toQString(cart.teamname[t]); }
    void setByte(std::size_t pos, std::uint8_t v)
    {
        cart.RomImage[pos] = v;
        expected[pos] = v;
    }
    std::vector<QString> shown()
    {
        std::vector<QString> texts;
        for (int c = 1; c <= 8; ++c)
            texts.push_back(combo(c)->currentText());
        return texts;
    }
};

TEST_F(MenuWindow, ListsTheEntriesAndSelectsTheStoredValues)
{
    const std::uint8_t bytes[] = {0, 3, 27, 2, 1, 2, 1};
    for (int f = 1; f <= 7; ++f)
        setByte(fieldAt(f), bytes[f - 1]);
    for (std::size_t odd = kField1 + 1; odd <= 0xE9ECF; odd += 2)
        ASSERT_EQ(cart.RomImage[odd], test::sampleImage().bytes[odd]);
    window.showEditor();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Menu Editor"));
    EXPECT_EQ(child<QLabel>(&window, QStringLiteral("Label1"))->text(), QStringLiteral("Selectable Teams:"));

    const QStringList modes = {QStringLiteral("Regular Season"), QStringLiteral("Cont. Playoffs"),
                               QStringLiteral("New Playoffs"), QStringLiteral("Best of Seven"),
                               QStringLiteral("Shootout")};
    ASSERT_EQ(combo(1)->count(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(combo(1)->itemText(i), modes[i]);
    for (int c : {2, 3}) {
        ASSERT_EQ(combo(c)->count(), 28);
        EXPECT_EQ(combo(c)->itemText(0), QStringLiteral("Aldermoor"));
        EXPECT_EQ(combo(c)->itemText(27), team(28));
    }
    EXPECT_EQ(combo(4)->count(), 3);
    EXPECT_EQ(combo(5)->itemText(2), QStringLiteral("Off, No Offsides"));
    EXPECT_EQ(combo(6)->itemText(2), QStringLiteral("Automatic"));
    EXPECT_EQ(combo(7)->count(), 2);
    EXPECT_EQ(combo(8)->count(), 28);

    EXPECT_EQ(shown(), (std::vector<QString>{QStringLiteral("Regular Season"), team(4), team(28),
                                             QStringLiteral("20 Minutes"), QStringLiteral("On"),
                                             QStringLiteral("Automatic"), QStringLiteral("Manual"),
                                             QStringLiteral("28")}));
    closeWindow(&window);
    EXPECT_EQ(cart.RomImage, expected);  // same field bytes, odd bytes untouched
}

TEST_F(MenuWindow, OpeningAndClosingTheSampleLeavesItAsItWas)
{
    window.showEditor();
    closeWindow(&window);
    EXPECT_TRUE(test::differences(test::sampleImage().bytes, cart.RomImage).empty());
}

TEST_F(MenuWindow, PickedEntriesAreWrittenOnClosingOnly)
{
    window.showEditor();
    const int picks[] = {4, 27, 0, 2, 2, 0, 1, 11};
    for (int c = 1; c <= 8; ++c)
        pick(combo(c), picks[c - 1]);
    EXPECT_EQ(cart.RomImage, expected);
    closeWindow(&window);
    for (int f = 1; f <= 7; ++f)
        expected[fieldAt(f)] = static_cast<std::uint8_t>(picks[f - 1]);
    expected[kSelectableTeams] = 12;
    expected[kSelectableTeamsCopy] = 12;
    EXPECT_EQ(cart.RomImage, expected);
}

TEST_F(MenuWindow, SelectableTeamsIsWrittenToBothBytes)
{
    for (const std::uint8_t n : {24, 0}) {
        SCOPED_TRACE(n);
        cart.RomImage[kSelectableTeams] = n;
        cart.RomImage[kSelectableTeamsCopy] = 0x55;
        window.showEditor();
        EXPECT_EQ(combo(8)->currentText(), n == 0 ? QString() : QString::number(n));
        EXPECT_EQ(combo(8)->currentIndex(), n - 1);
        closeWindow(&window);
        EXPECT_EQ(cart.RomImage[kSelectableTeams], n);
        EXPECT_EQ(cart.RomImage[kSelectableTeamsCopy], n);
    }
}

TEST_F(MenuWindow, ValuesPastTheListsAreShownAndKeptUnlessAnotherEntryIsPicked)
{
    setByte(fieldAt(1), 5);
    setByte(fieldAt(3), 28);
    setByte(fieldAt(7), 200);
    setByte(kSelectableTeams, 99);
    window.showEditor();
    EXPECT_EQ(combo(1)->currentText(), QStringLiteral("Unlisted value 5"));
    EXPECT_EQ(combo(1)->count(), 6);
    EXPECT_EQ(combo(3)->currentText(), QStringLiteral("Unlisted value 28"));
    EXPECT_EQ(combo(7)->currentText(), QStringLiteral("Unlisted value 200"));
    EXPECT_EQ(combo(8)->currentText(), QStringLiteral("Unlisted value 99"));
    closeWindow(&window);
    expected[kSelectableTeamsCopy] = 99;
    EXPECT_EQ(cart.RomImage, expected);

    window.showEditor();
    EXPECT_EQ(combo(1)->count(), 6);  // the list was cleared before filling again
    pick(combo(7), 0);
    pick(combo(8), 27);
    pick(combo(1), 0);
    pick(combo(1), 5);  // back to the stored value
    closeWindow(&window);
    expected[fieldAt(7)] = 0;
    expected[kSelectableTeams] = 28;
    expected[kSelectableTeamsCopy] = 28;
    EXPECT_EQ(cart.RomImage, expected);
}

// Through the main window: each button opens its window, and opening and closing them
// without edits saves an image identical to the one opened.
TEST(SeasonAndBannerButtons, OpenTheirWindowsAndLeaveTheSavedImageAsItWas)
{
    test::TempDir dir;
    test::writeFile(dir.path("sample.smc"), test::sampleImage().bytes);
    Form1 form;
    form.show();
    test::answerFileDialog(&form, QString::fromStdString(dir.path("sample.smc").string()));
    test::click(child<QPushButton>(&form, QStringLiteral("Command1")));
    const std::vector<std::tuple<int, QString, QString, QString>> buttons = {
        {3, QStringLiteral("Edit Playoffs"), QStringLiteral("PlayoffEditor"), QStringLiteral("Playoff Editor")},
        {8, QStringLiteral("Edit Menu"), QStringLiteral("MenuEditor"), QStringLiteral("Menu Editor")},
        {10, QStringLiteral("Edit Banner Text"), QStringLiteral("BannerTextEditor"),
         QStringLiteral("Banner Text Length Editor")},
    };
    for (const auto& [command, caption, name, title] : buttons) {
        auto* button = child<QPushButton>(&form, QStringLiteral("Command%1").arg(command));
        ASSERT_TRUE(button->isEnabled());
        EXPECT_EQ(button->text(), caption);
        test::click(button);
        EditorWindow* window = form.editor(command);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->objectName(), name);
        EXPECT_EQ(window->windowTitle(), title);
        EXPECT_TRUE(window->isOpen());
        closeWindow(window);
    }
    EXPECT_EQ(form.cartridge().RomImage, test::sampleImage().bytes);
    test::answerFileDialog(&form, QString::fromStdString(dir.path("saved.smc").string()));
    test::click(child<QPushButton>(&form, QStringLiteral("Command2")));
    EXPECT_EQ(test::readFile(dir.path("saved.smc")), test::sampleImage().bytes);
}

}  // namespace
}  // namespace icevale
