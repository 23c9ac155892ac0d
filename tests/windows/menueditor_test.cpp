#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>

#include "windows/menueditor.h"
#include "app/form1.h"
#include "widgets/qtext.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"

namespace icevale {
namespace {

using namespace test;

std::size_t fieldAt(int f) { return kMenuDefaults + 2 * static_cast<std::size_t>(f - 1); }

class MenuWindow : public ::testing::Test {
protected:
    Cartridge cart = loadedSample();
    Bytes expected = sampleImage().bytes;
    MenuEditor window{cart, nullptr};

    QComboBox* combo(int c) { return child<QComboBox>(&window, QStringLiteral("Combo%1").arg(c)); }
    void setByte(std::size_t pos, std::uint8_t v) { cart.RomImage[pos] = expected[pos] = v; }
    std::vector<QString> shown()
    {
        std::vector<QString> texts;
        for (int c = 1; c <= 8; ++c)
            texts.push_back(combo(c)->currentText());
        return texts;
    }
};

TEST_F(MenuWindow, ShowsTheStoredBytesAndWritesOnlyTheFieldsAndBothCountBytes)
{
    const std::uint8_t bytes[] = {0, 3, 27, 2, 1, 2, 1};
    for (int f = 1; f <= 7; ++f)
        setByte(fieldAt(f), bytes[f - 1]);
    setByte(kSelectableTeams, 24);
    window.showEditor();
    const QString team4 = toQString(sampleImage().teams[4].name), team28 = toQString(sampleImage().teams[28].name);
    EXPECT_EQ(shown(), (std::vector<QString>{QStringLiteral("Regular Season"), team4, team28,
                                             QStringLiteral("20 Minutes"), QStringLiteral("On"),
                                             QStringLiteral("Automatic"), QStringLiteral("Manual"),
                                             QStringLiteral("24")}));
    closeWindow(&window);
    expected[kSelectableTeamsCopy] = 24;
    EXPECT_EQ(cart.RomImage, expected);  // the odd bytes between the fields untouched

    window.showEditor();
    const int picks[] = {4, 27, 0, 0, 2, 0, 0, 11};
    for (int c = 1; c <= 8; ++c)
        pick(combo(c), picks[c - 1]);
    closeWindow(&window);
    for (int f = 1; f <= 7; ++f)
        expected[fieldAt(f)] = static_cast<std::uint8_t>(picks[f - 1]);
    expected[kSelectableTeams] = expected[kSelectableTeamsCopy] = 12;
    EXPECT_EQ(cart.RomImage, expected);
}

TEST_F(MenuWindow, ValuesPastTheListsAreShownAndKeptUnlessAnotherEntryIsPicked)
{
    setByte(fieldAt(1), 5);
    setByte(fieldAt(3), 28);
    setByte(fieldAt(7), 200);
    setByte(kSelectableTeams, 99);
    window.showEditor();
    EXPECT_EQ(shown()[0], QStringLiteral("Unlisted value 5"));
    EXPECT_EQ(shown()[2], QStringLiteral("Unlisted value 28"));
    EXPECT_EQ(shown()[6], QStringLiteral("Unlisted value 200"));
    EXPECT_EQ(shown()[7], QStringLiteral("Unlisted value 99"));
    closeWindow(&window);
    expected[kSelectableTeamsCopy] = 99;
    EXPECT_EQ(cart.RomImage, expected);

    window.showEditor();
    EXPECT_EQ(combo(1)->count(), 6);  // the list was cleared before filling again
    pick(combo(7), 0);
    pick(combo(1), 0);
    pick(combo(1), 5);  // back to the stored value
    closeWindow(&window);
    expected[fieldAt(7)] = 0;
    EXPECT_EQ(cart.RomImage, expected);
}

// Each button opens its window; opening and closing them saves the image unchanged.
TEST(SeasonAndBannerButtons, OpenTheirWindowsAndLeaveTheSavedImageAsItWas)
{
    TempDir dir;
    writeFile(dir.path("sample.smc"), sampleImage().bytes);
    Form1 form;
    form.show();
    answerFileDialog(&form, QString::fromStdString(dir.path("sample.smc").string()));
    click(child<QPushButton>(&form, QStringLiteral("Command1")));
    const std::pair<int, QString> buttons[] = {
        {3, QStringLiteral("PlayoffEditor")}, {8, QStringLiteral("MenuEditor")},
        {10, QStringLiteral("BannerTextEditor")}};
    for (const auto& [command, name] : buttons) {
        click(child<QPushButton>(&form, QStringLiteral("Command%1").arg(command)));
        ASSERT_TRUE(form.editor(command) && form.editor(command)->isOpen()) << command;
        EXPECT_EQ(form.editor(command)->objectName(), name);
        closeWindow(form.editor(command));
    }
    answerFileDialog(&form, QString::fromStdString(dir.path("saved.smc").string()));
    click(child<QPushButton>(&form, QStringLiteral("Command2")));
    EXPECT_EQ(readFile(dir.path("saved.smc")), sampleImage().bytes);
}

}  // namespace
}  // namespace icevale
