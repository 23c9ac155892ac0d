#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include "core/bannertable.h"
#include "windows/bannertexteditor.h"
#include "widgets/limitedlineedit.h"
#include "widgets/qtext.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"

namespace icevale {
namespace {

using namespace test;

// `image` with these texts packed from the start of the area, their table, zeros after.
Bytes packed(const std::vector<std::string>& texts, Bytes image = sampleImage().bytes)
{
    std::size_t f = kBannerTextArea;
    for (std::size_t k = 0; k < texts.size(); ++k) {
        image[kBannerPointerTable + 2 * k] = static_cast<std::uint8_t>(f);
        image[kBannerPointerTable + 2 * k + 1] = f < 0xE1900 ? 0x96 : 0x97;
        for (const char c : texts[k] + '\0')
            image[f++] = static_cast<std::uint8_t>(c);
    }
    std::fill(image.begin() + static_cast<std::ptrdiff_t>(f), image.begin() + kBannerTextArea + kBannerTextSize, 0);
    return image;
}

class BannerTextWindow : public ::testing::Test {
protected:
    Cartridge cart = loadedSample();
    BannerTextEditor window{cart, nullptr};
    std::vector<std::string> texts;
    BannerTextWindow()
    {
        for (int t = 1; t <= kTeams; ++t)
            texts.push_back(sampleImage().teams[t].banner);
    }
    LimitedLineEdit* box(int i) { return child<LimitedLineEdit>(&window, QStringLiteral("Teamnm_%1").arg(i)); }
    QString left() { return child<QLabel>(&window, QStringLiteral("Label1"))->text(); }
    void saveAndExit() { click(child<QPushButton>(&window, QStringLiteral("Command1"))); }
};

TEST_F(BannerTextWindow, ToolTipsNameTheTeamsAndEveryClosingSavesPackedTexts)
{
    window.showEditor();
    for (int i = 0; i < kTeams; ++i)
        EXPECT_EQ(box(i)->toolTip(), toQString(sampleImage().teams[i + 1].name)) << i;
    backspace(box(0), 3);  // shortening moves the later texts and zero-fills the tail
    closeWindow(&window);
    texts[0] = "HER";
    EXPECT_EQ(cart.RomImage, packed(texts));

    window.showEditor();
    typeInto(box(6), QStringLiteral("\u00C9"));
    saveAndExit();
    EXPECT_FALSE(window.isOpen());
    texts[6] += '\xC9';
    EXPECT_EQ(cart.RomImage, packed(texts));
}

TEST_F(BannerTextWindow, AFullAreaAcceptsNothingUntilBytesAreFreed)
{
    texts[4] = "";
    std::size_t used = 0;
    for (const std::string& text : texts)
        used += text.size() + 1;
    texts[0] += std::string(kBannerTextSize - used, 'F');
    cart.RomImage = packed(texts);
    window.showEditor();
    EXPECT_EQ(left(), QStringLiteral(" 0 bytes left for banner names"));
    typeInto(box(0), QStringLiteral("X"));
    typeInto(box(4), QStringLiteral("Y"));
    pasteInto(box(27), QStringLiteral("ZZ"));
    backspace(box(2), 3);  // GULLS -> GU
    typeInto(box(4), QStringLiteral("ABCD"));
    typeInto(box(9), QStringLiteral("Q"));
    saveAndExit();
    texts[2] = "GU";
    texts[4] = "ABC";
    EXPECT_EQ(cart.RomImage, packed(texts));
}

TEST_F(BannerTextWindow, AnUnusableTableIsKeptUnlessATextIsChanged)
{
    cart.RomImage[kBannerPointerTable + 8] = 0x81;  // text 5 before text 4
    const Bytes damaged = cart.RomImage;
    window.showEditor();
    typeInto(box(3), QStringLiteral("X"));
    backspace(box(3), 1);
    closeWindow(&window);
    EXPECT_EQ(cart.RomImage, damaged);

    window.showEditor();
    typeInto(box(3), QStringLiteral("FOX"));
    closeWindow(&window);
    EXPECT_TRUE(readbannerlengths(cart));
    EXPECT_EQ(readbannertext(cart, 4), "FOX");
    for (const std::size_t pos : differences(damaged, cart.RomImage))  // only the table and the area
        EXPECT_TRUE(pos >= kBannerPointerTable && pos < kBannerTextArea + kBannerTextSize) << pos;
}

TEST_F(BannerTextWindow, OverlappingTextsThatDoNotFitAreNotSavedUntilShortened)
{
    std::fill_n(cart.RomImage.begin() + kBannerTextArea, kBannerTextSize, 'Q');
    for (std::size_t k = 0; k < kTeams; ++k) {  // every text at the start of the area
        cart.RomImage[kBannerPointerTable + 2 * k] = 0x81;
        cart.RomImage[kBannerPointerTable + 2 * k + 1] = 0x96;
    }
    const Bytes damaged = cart.RomImage;
    QSignalSpy status(&window, &EditorWindow::statusMessage);
    window.showEditor();
    EXPECT_EQ(box(27)->text(), QString(260, QLatin1Char('Q')));
    EXPECT_EQ(left(), QStringLiteral("-27 bytes left for banner names"));
    backspace(box(27), 2);
    closeWindow(&window);
    EXPECT_EQ(cart.RomImage, damaged);
    ASSERT_EQ(status.count(), 1);
    EXPECT_EQ(status.at(0).at(0).toString(),
              QStringLiteral("Banner texts not saved: they need 25 bytes more than the 261-byte text area."));

    window.showEditor();
    backspace(box(27), 27);
    closeWindow(&window);
    std::vector<std::string> fitting(kTeams);
    fitting[27] = std::string(233, 'Q');
    EXPECT_EQ(cart.RomImage, packed(fitting, damaged));
}

}  // namespace
}  // namespace icevale
