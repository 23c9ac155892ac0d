#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QtTest/QTest>

#include "widgets/clicklist.h"
#include "widgets/colourlabel.h"
#include "widgets/limitedlineedit.h"
#include "support/windowdriver.h"

namespace icevale {
namespace {

using test::backspace;
using test::pasteInto;
using test::typeInto;

// A box in a shown window, recording the longest text any change handler saw.
struct Box {
    QWidget window;
    LimitedLineEdit* edit = new LimitedLineEdit(&window);
    qsizetype longestSeen = 0;
    int changes = 0;
    Box(int limit, const QString& text = {})
    {
        edit->setText(text);
        edit->setLimit(limit);
        QObject::connect(edit, &LimitedLineEdit::Change, [this](const QString& t) {
            longestSeen = std::max(longestSeen, t.size());
            ++changes;
        });
        window.show();
    }
};

TEST(LimitedLineEdit, TypingAndPastingStopAtTheLimit)
{
    Box typed(3);
    typeInto(typed.edit, QStringLiteral("abcdef"));
    EXPECT_EQ(typed.edit->text(), QStringLiteral("abc"));
    EXPECT_EQ(typed.longestSeen, 3);  // no handler ever saw the over-long text

    Box pasted(4, QStringLiteral("ab"));
    pasteInto(pasted.edit, QStringLiteral("xyz12"));
    EXPECT_EQ(pasted.edit->text(), QStringLiteral("abxy"));
    EXPECT_EQ(pasted.changes, 1);
}

TEST(LimitedLineEdit, ZeroAndNegativeLimitsAdmitNothingNew)
{
    Box zero(0);
    typeInto(zero.edit, QStringLiteral("a"));
    pasteInto(zero.edit, QStringLiteral("bc"));
    EXPECT_EQ(zero.edit->text(), QString());
    EXPECT_EQ(zero.changes, 0);

    Box negative(-2, QStringLiteral("abc"));
    typeInto(negative.edit, QStringLiteral("d"));
    EXPECT_EQ(negative.edit->text(), QStringLiteral("abc"));
    backspace(negative.edit, 1);
    EXPECT_EQ(negative.edit->text(), QStringLiteral("ab"));
    typeInto(negative.edit, QStringLiteral("z"));
    EXPECT_EQ(negative.edit->text(), QStringLiteral("ab"));
}

TEST(LimitedLineEdit, ProgramTextIsNeverCutAndCanShrink)
{
    Box box(2);
    QSignalSpy changed(box.edit, &LimitedLineEdit::Change);
    box.edit->setText(QStringLiteral("abcdef"));
    EXPECT_EQ(box.edit->text(), QStringLiteral("abcdef"));
    EXPECT_EQ(changed.count(), 1);
    box.edit->setText(QStringLiteral("abcdef"));  // same text: no change handling
    EXPECT_EQ(changed.count(), 1);

    typeInto(box.edit, QStringLiteral("g"));
    EXPECT_EQ(box.edit->text(), QStringLiteral("abcdef"));
    backspace(box.edit, 2, 3);  // deleting from the middle of an over-long text works
    EXPECT_EQ(box.edit->text(), QStringLiteral("adef"));
    box.edit->setLimit(5);
    typeInto(box.edit, QStringLiteral("xyz"));
    EXPECT_EQ(box.edit->text(), QStringLiteral("adefx"));
}

TEST(LimitedLineEdit, CharactersWithoutACodeAreDropped)
{
    Box box(10);
    typeInto(box.edit, QStringLiteral("a\u20ACb\u4E2D"));
    EXPECT_EQ(box.edit->text(), QStringLiteral("a\u20ACb"));
    pasteInto(box.edit, QStringLiteral("x\u0100y\u2603z"));
    EXPECT_EQ(box.edit->text(), QStringLiteral("a\u20ACbxyz"));
}

TEST(ClickList, OneClickRunsTheHandlerOnce)
{
    QWidget window;
    auto* list = new ClickList(&window);
    list->addItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    window.show();
    QSignalSpy clicks(list, &ClickList::Click);

    test::clickRow(list, 1);
    EXPECT_EQ(clicks.count(), 1);
    test::clickRow(list, 1);  // the entry already selected
    EXPECT_EQ(clicks.count(), 2);
    test::clickRow(list, 0);
    EXPECT_EQ(clicks.count(), 3);

    list->setCurrentRow(2);  // a program selection that changes the row
    EXPECT_EQ(clicks.count(), 4);
    list->setCurrentRow(2);  // and one that does not
    EXPECT_EQ(clicks.count(), 4);
}

TEST(ColourLabel, PaintsBgrAndReportsItsIndex)
{
    QWidget window;
    auto* label = new ColourLabel(&window, 7);
    label->resize(20, 20);
    window.show();
    label->setColour(0x00F70F07);  // blue F7, green 0F, red 07
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(0x07, 0x0F, 0xF7));
    EXPECT_EQ(label->colour(), 0x00F70F07u);
    QSignalSpy clicked(label, &ColourLabel::clicked);
    test::click(label);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 7);
}

}  // namespace
}  // namespace icevale
