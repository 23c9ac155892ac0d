#include <QComboBox>
#include <QLabel>

#include "core/menudefaults.h"
#include "widgets/qtext.h"
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
    // Field bytes 1..7 stored, then the selectable team count.
    void store(const MenuFields& fields, std::uint8_t count)
    {
        reopen([&](Bytes& rom) {
            ASSERT_TRUE(applyedit(rom, menufieldsedit(fields)));
            ASSERT_TRUE(applyedit(rom, selectableteamsedit(count)));
        });
    }
};

// Stored values without an entry are shown as such and kept unless another entry is picked.
TEST_F(MenuWindow, ShowsTheStoredChoicesAndWritesThePicksOnCommitAndClosing)
{
    store({0, 5, 3, 27, 2, 1, 2, 200}, 99);
    window.showEditor();
    const QString team4 = toQString(sampleImage().teams[4].name), team28 = toQString(sampleImage().teams[28].name);
    const QStringList stored = {QStringLiteral("Unlisted value 5"), team4, team28, QStringLiteral("20 Minutes"),
                                QStringLiteral("On"), QStringLiteral("Automatic"), QStringLiteral("Unlisted value 200"),
                                QStringLiteral("Unlisted value 99")};
    EXPECT_EQ(shown(), stored);
    EXPECT_EQ(window.windowTitle() + child<QLabel>(&window, QStringLiteral("Label1"))->text(),
              QStringLiteral("Menu EditorSelectable Teams:"));
    EXPECT_FALSE(window.haspending());

    const int picks[] = {4, 27, 0, 0, 2, 0, 0, 11};
    for (int c = 1; c <= 8; ++c)
        pick(combo(c), picks[c - 1]);
    EXPECT_TRUE(window.haspending() && edits.empty());
    const QStringList picked = shown();
    const Bytes before = doc.image();
    EXPECT_EQ(window.commit(), QString());
    EXPECT_TRUE(window.isOpen() && shown() == picked && !window.haspending());
    expect(menufieldsedit({0, 4, 27, 0, 0, 2, 0, 0}));
    expect(selectableteamsedit(12));
    checkImage();

    undoLast(window);
    EXPECT_EQ(shown(), stored);
    EXPECT_EQ(doc.image(), before);
    EXPECT_EQ(combo(1)->count(), 6);  // the lists were emptied before filling again
    pick(combo(1), 0);
    pick(combo(1), 5);  // back to the stored value
    pick(combo(4), 1);
    pressKeys(&window, QKeySequence(Qt::Key_Escape));  // closes through the closing step
    EXPECT_FALSE(window.isOpen());
    expected = before;
    expect(menufieldsedit({0, 5, 3, 27, 1, 1, 2, 200}));
    checkImage();
}

}  // namespace
}  // namespace icevale
