#include <QSignalSpy>

#include "core/bannertexts.h"
#include "windows/bannertexteditor.h"
#include "windowtest.h"

namespace icevale {
namespace {

using namespace test;

class BannerTextWindow : public WindowTest {
protected:
    BannerTextEditor window{doc, nullptr};
    TeamTable<std::string> texts;

    BannerTextWindow()
    {
        for (int t = 1; t <= kTeams; ++t)
            texts[t] = sampleImage().teams[t].banner;
    }
    LimitedLineEdit* box(int t) { return child<LimitedLineEdit>(&window, QStringLiteral("Teamnm_%1").arg(t - 1)); }
    QString left() { return child<QLabel>(&window, QStringLiteral("Label1"))->text(); }
    // The image as it was opened with `texts` packed into the area instead.
    void store(const TeamTable<std::string>& stored)
    {
        reopen([&](Bytes& rom) { ASSERT_TRUE(applyedit(rom, bannertextsedit(stored).value())); });
    }
};

TEST_F(BannerTextWindow, EveryClosingWritesTheTextsPacked)
{
    window.showEditor();
    EXPECT_EQ(window.findChildren<LimitedLineEdit*>().size(), kTeams);  // a box for each team, no more
    EXPECT_EQ(box(7)->toolTip(), toQString(sampleImage().teams[7].name));
    backspace(box(1), 3);
    EXPECT_TRUE(window.haspending() && edits.empty());
    window.close();
    texts[1] = "HER";
    checkImage({bannertextsedit(texts).value()});
    EXPECT_EQ(doc.cart().bannertextlen[1], 3);  // the colour window finds the texts moved

    window.showEditor();
    typeInto(box(7), QStringLiteral("\u00C9"));
    click(button(&window, 1));  // "Save and Exit"
    EXPECT_FALSE(window.isOpen());
    texts[7] += '\xC9';
    checkImage({bannertextsedit(texts).value()});
}

TEST_F(BannerTextWindow, AFullAreaAcceptsNothingUntilBytesAreFreed)
{
    texts[5] = "";
    texts[1] += std::string(static_cast<std::size_t>(kBannerTextSize - bannerbytesused(texts)), 'F');
    store(texts);
    window.showEditor();
    EXPECT_EQ(left(), QStringLiteral(" 0 bytes left for banner names"));
    typeInto(box(1), QStringLiteral("X"));
    typeInto(box(5), QStringLiteral("Y"));
    pasteInto(box(28), QStringLiteral("ZZ"));
    backspace(box(3), 3);  // GULLS -> GU
    EXPECT_EQ(left(), QStringLiteral(" 3 bytes left for banner names"));
    typeInto(box(5), QStringLiteral("ABCD"));
    typeInto(box(10), QStringLiteral("Q"));
    window.close();
    texts[3] = "GU";
    texts[5] = "ABC";
    checkImage({bannertextsedit(texts).value()});
}

// Tables that read but that packing cannot have written: every text and pointer one byte
// further in, and a text holding a zero byte. Shown and closed unchanged they stay as
// they are; an edit packs the texts as shown.
TEST_F(BannerTextWindow, TablesPackingCannotWriteStayUntilATextIsEdited)
{
    const std::function<void(Bytes&)> damages[] = {
        [](Bytes& rom) {
            const auto area = rom.begin() + kBannerTextArea;
            std::copy_backward(area, area + kBannerTextSize - 1, area + kBannerTextSize);
            *area = 0;
            for (std::size_t entry = kBannerPointerTable; entry < kBannerPointerTable + 2 * kTeams; entry += 2) {
                const int moved = (rom[entry] | rom[entry + 1] << 8) + 1;
                rom[entry] = static_cast<std::uint8_t>(moved);
                rom[entry + 1] = static_cast<std::uint8_t>(moved >> 8);
            }
        },
        [this](Bytes& rom) { rom[kBannerTextArea + texts[1].size() + 2] = 0; },
    };
    for (const auto& damage : damages) {
        reopen(damage);
        window.showEditor();
        TeamTable<std::string> shown;
        for (int t = 1; t <= kTeams; ++t)
            shown[t] = toBytes(box(t)->text());
        if (&damage == &damages[0]) {
            EXPECT_EQ(shown, texts);  // read where the pointers point
        }
        window.close();
        EXPECT_TRUE(edits.empty());

        window.showEditor();
        backspace(box(1), 1);
        window.close();
        shown[1].pop_back();
        checkImage({bannertextsedit(shown).value()});
    }
}

// A table that cannot be right is kept unless a text is changed; texts that do not fit
// are refused with the reason, on commit and on closing, until they are shortened.
TEST_F(BannerTextWindow, ADamagedTableIsKeptAndTextsThatDoNotFitAreRefused)
{
    reopen([](Bytes& rom) {
        std::fill_n(rom.begin() + kBannerTextArea, kBannerTextSize, 'Q');
        for (std::size_t k = 0; k < kTeams; ++k) {  // every text at the start of the area
            rom[kBannerPointerTable + 2 * k] = 0x81;
            rom[kBannerPointerTable + 2 * k + 1] = 0x96;
        }
    });
    QSignalSpy status(&window, &EditorWindow::statusMessage);
    window.showEditor();
    EXPECT_EQ(box(28)->text(), QString(260, QLatin1Char('Q')));
    EXPECT_EQ(left(), QStringLiteral("-27 bytes left for banner names"));
    typeInto(box(3), QStringLiteral("X"));  // no room: left out, and said once
    ASSERT_EQ(status.count(), 1);
    EXPECT_EQ(status.takeFirst().at(0).toString(), QStringLiteral("The text was cut at the box\u2019s limit: 1 character left out."));
    backspace(box(3), 1);
    EXPECT_FALSE(window.haspending());
    window.close();
    EXPECT_TRUE(edits.empty() && status.isEmpty());

    window.showEditor();
    backspace(box(28), 2);
    const QString why = QStringLiteral("Banner texts not saved: they need 25 bytes more than the 261-byte text area.");
    EXPECT_TRUE(window.haspending());
    EXPECT_EQ(window.commit(), why);
    // Closing cannot store them either, so it asks: Cancel stays, Discard drops them.
    for (const auto answer : {QMessageBox::Cancel, QMessageBox::Discard}) {
        QString text;
        const auto asked = answerBox(QStringLiteral("UnsavedChanges"), answer, &text);
        pressKeys(&window, QKeySequence(Qt::Key_Escape));
        EXPECT_TRUE(asked->answered() && text.startsWith(window.windowTitle()) && text.contains(why)) << text.toStdString();
        EXPECT_EQ(window.isOpen(), answer == QMessageBox::Cancel);
    }
    EXPECT_TRUE(edits.empty());
    EXPECT_EQ(status.count(), 2);  // the commit's and the Cancel's
    EXPECT_EQ(status.last().at(0).toString(), why);

    window.showEditor();
    backspace(box(28), 27);
    EXPECT_EQ(window.commit(), QString());
    TeamTable<std::string> fitting;
    fitting[28] = std::string(233, 'Q');
    checkImage({bannertextsedit(fitting).value()});
}

}  // namespace
}  // namespace icevale
