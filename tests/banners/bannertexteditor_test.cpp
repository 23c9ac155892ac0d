#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolTip>

#include "banners/bannertable.h"
#include "banners/bannertexteditor.h"
#include "shell/limitedlineedit.h"
#include "shell/qtext.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"

namespace icevale {
namespace {

using test::backspace;
using test::child;
using test::click;
using test::closeWindow;
using test::pasteInto;
using test::typeInto;

constexpr std::size_t kAreaEnd = kBannerTextArea + kBannerTextSize;

std::vector<std::string> sampleTexts()
{
    std::vector<std::string> texts;
    for (int t = 1; t <= kTeams; ++t)
        texts.push_back(test::sampleImage().teams[t].banner);
    return texts;
}

// The sample image with these texts packed into the area and the table that locates them.
Bytes imageWith(const std::vector<std::string>& texts, Bytes image = test::sampleImage().bytes)
{
    std::size_t f = kBannerTextArea;
    for (std::size_t k = 0; k < texts.size(); ++k) {
        image[kBannerPointerTable + 2 * k] = static_cast<std::uint8_t>(f & 0xFF);
        image[kBannerPointerTable + 2 * k + 1] = f < 0xE1900 ? 0x96 : 0x97;
        for (const char c : texts[k])
            image[f++] = static_cast<std::uint8_t>(c);
        image[f++] = 0;
    }
    std::fill(image.begin() + static_cast<std::ptrdiff_t>(f), image.begin() + kAreaEnd, 0);
    return image;
}

int bytesLeft(const std::vector<std::string>& texts)
{
    int left = static_cast<int>(kBannerTextSize);
    for (const std::string& text : texts)
        left -= static_cast<int>(text.size()) + 1;
    return left;
}

QString leftLine(int left)
{
    return (left >= 0 ? QStringLiteral(" ") : QString()) + QString::number(left) +
           QStringLiteral(" bytes left for banner names");
}

void setPointer(Bytes& image, int k, std::uint16_t address)
{
    image[kBannerPointerTable + 2 * static_cast<std::size_t>(k - 1)] = static_cast<std::uint8_t>(address & 0xFF);
    image[kBannerPointerTable + 2 * static_cast<std::size_t>(k - 1) + 1] = static_cast<std::uint8_t>(address >> 8);
}

class BannerTextWindow : public ::testing::Test {
protected:
    Cartridge cart = test::loadedSample();
    BannerTextEditor window{cart, nullptr};

    LimitedLineEdit* box(int i) { return child<LimitedLineEdit>(&window, QStringLiteral("Teamnm_%1").arg(i)); }
    QString label1() { return child<QLabel>(&window, QStringLiteral("Label1"))->text(); }
    QPushButton* saveAndExit() { return child<QPushButton>(&window, QStringLiteral("Command1")); }
    std::vector<std::string> shown()
    {
        std::vector<std::string> texts;
        for (int i = 0; i < kTeams; ++i)
            texts.push_back(toBytes(box(i)->text()));
        return texts;
    }
};

TEST_F(BannerTextWindow, ShowsTheTextsWithTeamNamesAsToolTipsAndTheBytesLeft)
{
    window.showEditor();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Banner Text Length Editor"));
    EXPECT_EQ(saveAndExit()->text(), QStringLiteral("Save and Exit"));
    EXPECT_EQ(child<QLabel>(&window, QStringLiteral("Label2"))->text(),
              QStringLiteral("Hover the mouse over the box to get the team name for that box (if you made an error)"));
    EXPECT_EQ(shown(), sampleTexts());
    for (int i = 0; i < kTeams; ++i)
        EXPECT_EQ(box(i)->toolTip(), toQString(test::sampleImage().teams[i + 1].name)) << i;
    EXPECT_EQ(label1(), leftLine(bytesLeft(sampleTexts())));

    QHelpEvent hover(QEvent::ToolTip, box(3)->rect().center(), box(3)->mapToGlobal(box(3)->rect().center()));
    QApplication::sendEvent(box(3), &hover);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Dunmere"));
    QToolTip::hideText();
}

TEST_F(BannerTextWindow, OpeningAndClosingWithoutEditsLeavesTheImageAsItWas)
{
    window.showEditor();
    click(saveAndExit());
    EXPECT_FALSE(window.isOpen());
    EXPECT_TRUE(test::differences(test::sampleImage().bytes, cart.RomImage).empty());
    window.showEditor();
    closeWindow(&window);
    EXPECT_FALSE(window.isOpen());
    EXPECT_TRUE(test::differences(test::sampleImage().bytes, cart.RomImage).empty());
}

TEST_F(BannerTextWindow, AFullAreaAcceptsNothingUntilBytesAreFreed)
{
    std::vector<std::string> texts = sampleTexts();
    texts[4] = "";
    texts[0] += std::string(static_cast<std::size_t>(bytesLeft(texts)), 'F');
    cart.RomImage = imageWith(texts);
    window.showEditor();
    EXPECT_EQ(label1(), leftLine(0));

    typeInto(box(0), QStringLiteral("X"));
    typeInto(box(4), QStringLiteral("Y"));
    pasteInto(box(27), QStringLiteral("ZZ"));
    EXPECT_EQ(shown(), texts);

    backspace(box(2), 3);  // GULLS -> GU
    EXPECT_EQ(label1(), leftLine(3));
    typeInto(box(4), QStringLiteral("ABCD"));
    EXPECT_EQ(box(4)->text(), QStringLiteral("ABC"));
    EXPECT_EQ(label1(), leftLine(0));
    typeInto(box(9), QStringLiteral("Q"));
    EXPECT_EQ(box(9)->text(), QStringLiteral("JAYS"));

    click(saveAndExit());
    texts[2] = "GU";
    texts[4] = "ABC";
    EXPECT_EQ(cart.RomImage, imageWith(texts));
}

TEST_F(BannerTextWindow, ShorteningATextMovesTheLaterOnesAndZeroFillsTheTail)
{
    window.showEditor();
    backspace(box(0), 2);
    EXPECT_EQ(label1(), leftLine(bytesLeft(sampleTexts()) + 2));
    click(saveAndExit());

    std::vector<std::string> texts = sampleTexts();
    texts[0] = "HERO";
    EXPECT_EQ(cart.RomImage, imageWith(texts));
    EXPECT_EQ(cart.RomImage[kBannerTextArea + 4], 0);
    EXPECT_EQ(cart.RomImage[kBannerTextArea + 5], 'O');  // OWLS moved forward by two
    EXPECT_EQ(cart.bannertextlen[1], 4);
    EXPECT_EQ(readbannertext(cart, 2), "OWLS");

    window.showEditor();
    EXPECT_EQ(shown(), texts);
    EXPECT_EQ(label1(), leftLine(bytesLeft(texts)));
}

TEST_F(BannerTextWindow, TheCloseControlSavesAsSaveAndExitDoes)
{
    Cartridge other = test::loadedSample();
    BannerTextEditor second(other, nullptr);
    window.showEditor();
    second.showEditor();
    for (BannerTextEditor* w : {&window, &second}) {
        auto* grown = child<LimitedLineEdit>(w, QStringLiteral("Teamnm_6"));
        typeInto(grown, QStringLiteral("\u00C9ZZ"));
        backspace(child<LimitedLineEdit>(w, QStringLiteral("Teamnm_20")), 1, 2);
    }
    click(saveAndExit());
    closeWindow(&second);
    EXPECT_FALSE(second.isOpen());

    std::vector<std::string> texts = sampleTexts();
    texts[6] = "LYNX\xC9ZZ";
    texts[20] = "UBERS";
    EXPECT_EQ(cart.RomImage, imageWith(texts));
    EXPECT_EQ(other.RomImage, cart.RomImage);
}

TEST_F(BannerTextWindow, ZeroBytesInATextAreLeftOutAndCountAsFree)
{
    cart.RomImage[kBannerTextArea + 2] = 0;  // the R of HERONS
    window.showEditor();
    EXPECT_EQ(box(0)->text(), QStringLiteral("HEONS"));
    EXPECT_EQ(label1(), leftLine(bytesLeft(sampleTexts()) + 1));
    closeWindow(&window);
    std::vector<std::string> texts = sampleTexts();
    texts[0] = "HEONS";
    EXPECT_EQ(cart.RomImage, imageWith(texts));
}

TEST_F(BannerTextWindow, AnUnusableTableIsKeptUnlessATextIsChanged)
{
    setPointer(cart.RomImage, 5, 0x9681);  // below text 4: the table does not ascend
    const Bytes damaged = cart.RomImage;
    QSignalSpy status(&window, &EditorWindow::statusMessage);
    window.showEditor();
    EXPECT_EQ(box(0)->text(), QStringLiteral("HERONS"));
    EXPECT_EQ(box(3)->text(), QString());  // its length comes out below 0
    closeWindow(&window);
    EXPECT_EQ(cart.RomImage, damaged);

    window.showEditor();
    const std::vector<std::string> before = shown();
    typeInto(box(3), QStringLiteral("X"));
    backspace(box(3), 1);
    closeWindow(&window);
    EXPECT_EQ(cart.RomImage, damaged);  // typed and taken back: nothing changed

    window.showEditor();
    typeInto(box(3), QStringLiteral("FOX"));
    click(saveAndExit());
    std::vector<std::string> texts = before;
    texts[3] = "FOX";
    EXPECT_EQ(cart.RomImage, imageWith(texts));
    EXPECT_TRUE(readbannerlengths(cart));
    EXPECT_EQ(status.count(), 0);
}

TEST_F(BannerTextWindow, OverlappingTextsThatDoNotFitAreNotSavedUntilShortened)
{
    std::fill(cart.RomImage.begin() + kBannerTextArea, cart.RomImage.begin() + kAreaEnd, 'Q');
    for (int k = 1; k <= kTeams; ++k)
        setPointer(cart.RomImage, k, 0x9681);
    const Bytes damaged = cart.RomImage;
    QSignalSpy status(&window, &EditorWindow::statusMessage);
    window.showEditor();
    EXPECT_EQ(box(27)->text(), QString(260, QLatin1Char('Q')));
    EXPECT_EQ(label1(), leftLine(-27));
    typeInto(box(0), QStringLiteral("A"));
    EXPECT_EQ(box(0)->text(), QString());

    backspace(box(27), 2);
    EXPECT_EQ(label1(), leftLine(-25));
    closeWindow(&window);
    EXPECT_EQ(cart.RomImage, damaged);
    ASSERT_EQ(status.count(), 1);
    EXPECT_EQ(status.at(0).at(0).toString(),
              QStringLiteral("Banner texts not saved: they need 25 bytes more than the 261-byte text area."));

    window.showEditor();
    backspace(box(27), 27);
    EXPECT_EQ(label1(), leftLine(0));
    closeWindow(&window);
    std::vector<std::string> texts(kTeams);
    texts[27] = std::string(233, 'Q');
    EXPECT_EQ(cart.RomImage, imageWith(texts, damaged));
    EXPECT_EQ(status.count(), 1);
}

}  // namespace
}  // namespace icevale
