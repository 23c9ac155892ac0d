#include <algorithm>

#include "core/menudefaults.h"
#include "windows/menueditor.h"
#include "windowtest.h"

namespace icevale {
namespace {

using namespace test;

class MenuWindow : public WindowTest {
protected:
    MenuEditor window{doc, nullptr};

    QComboBox* combo(int c) { return child<QComboBox>(&window, QStringLiteral("Combo%1").arg(c)); }
    QStringList shown()
    {
        QStringList texts;
        for (int c = 1; c <= 8; ++c)
            texts << combo(c)->currentText();
        return texts;
    }
};

// Stored values without an entry are shown as such and kept unless another entry is
// picked; the picks wait for the closing (a commit is the same step, checked with the
// main window).
TEST_F(MenuWindow, ShowsTheStoredChoicesAndWritesThePicksOnClosing)
{
    reopen([](Bytes& rom) {  // field bytes 1..7 and the selectable team count
        ASSERT_TRUE(applyedit(rom, menufieldsedit({0, 5, 3, 27, 2, 1, 2, 200})) && applyedit(rom, selectableteamsedit(99)));
    });
    window.showEditor();
    for (int c = 1; c <= 7; ++c) {  // each field's list has its caption
        const auto captions = window.findChildren<QLabel*>();
        EXPECT_TRUE(std::any_of(captions.begin(), captions.end(), [&](QLabel* l) { return l->buddy() == combo(c); })) << c;
    }
    const QString team4 = toQString(sampleImage().teams[4].name), team28 = toQString(sampleImage().teams[28].name);
    EXPECT_EQ(shown(), QStringList({QStringLiteral("Unlisted value 5"), team4, team28, QStringLiteral("20 Minutes"),
                                    QStringLiteral("On"), QStringLiteral("Automatic"), QStringLiteral("Unlisted value 200"),
                                    QStringLiteral("Unlisted value 99")}));
    pick(combo(1), 0);
    pick(combo(1), 5);  // back to the stored value
    const int picks[] = {27, 0, 1, 2, 0};
    for (int c = 2; c <= 6; ++c)
        pick(combo(c), picks[c - 2]);
    pick(combo(8), 11);
    EXPECT_TRUE(window.haspending() && edits.empty());
    const QStringList picked = shown();
    pressKeys(&window, QKeySequence(Qt::Key_Escape));  // closes through the closing step
    EXPECT_FALSE(window.isOpen());
    checkImage({menufieldsedit({0, 5, 27, 0, 1, 2, 0, 200}), selectableteamsedit(12)});
    window.showEditor();
    EXPECT_EQ(shown(), picked);
    EXPECT_EQ(combo(1)->count(), 6);  // the lists were emptied before filling again
}

}  // namespace
}  // namespace icevale
