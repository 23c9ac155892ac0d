#include <QListView>
#include <QPainter>
#include <QPixmapCache>
#include <QPushButton>
#include <QStringListModel>
#include <QSignalSpy>

#include <set>

#include "support/windowdriver.h"
#include "widgets/cacheddelegate.h"
#include "widgets/captions.h"
#include "widgets/clicklist.h"
#include "widgets/colourlabel.h"
#include "widgets/limitedlineedit.h"
#include "windows/cachedcombo.h"

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

TEST(LimitedLineEdit, TypingAndPastingStopAtTheLimitAndDropCharactersWithoutACode)
{
    // limit, text set by the program, typed, pasted, text after
    const std::tuple<int, const char16_t*, const char16_t*, const char16_t*, const char16_t*> cases[] = {
        {3, u"", u"abcdef", u"", u"abc"},    {4, u"ab", u"", u"xyz12", u"abxy"},
        {0, u"", u"a", u"bc", u""},          {-2, u"abc", u"d", u"e", u"abc"},
        {10, u"", u"a\u20ACb\u4E2D", u"x\u0100y\u2603z", u"a\u20ACbxyz"},
    };
    for (const auto& [limit, text, typed, pasted, after] : cases) {
        Box box(limit, QString::fromUtf16(text));
        const int before = box.changes;
        typeInto(box.edit, QString::fromUtf16(typed));
        pasteInto(box.edit, QString::fromUtf16(pasted));
        EXPECT_EQ(box.edit->text(), QString::fromUtf16(after)) << limit;
        EXPECT_LE(box.longestSeen, std::max<qsizetype>(limit, box.edit->text().size())) << limit;  // never over
        EXPECT_EQ(box.changes > before, box.edit->text() != QString::fromUtf16(text)) << limit;  // none when refused
    }
    // A number box: letters are refused as characters past the limit are; the program's text stays.
    Box number(2, QStringLiteral("1A"));
    number.edit->setDigitsOnly(true);
    backspace(number.edit, 2);
    typeInto(number.edit, QStringLiteral("a7b"));
    pasteInto(number.edit, QStringLiteral("x9y"));
    EXPECT_EQ(number.edit->text(), QStringLiteral("79"));
}

TEST(ClickList, OneClickRunsTheHandlerOnce)
{
    QWidget window;
    auto* list = new ClickList(&window);
    list->addItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    window.show();
    QSignalSpy clicks(list, &ClickList::Click);
    for (const int row : {1, 1, 0})  // the second click on the entry already selected
        test::clickRow(list, row);
    EXPECT_EQ(clicks.count(), 3);
    list->setCurrentRow(2);  // a program selection that changes the row
    list->setCurrentRow(2);  // and one that does not
    EXPECT_EQ(clicks.count(), 4);
    // Each entry is painted with its text, not as bare background.
    const QImage row = list->viewport()->grab(list->visualItemRect(list->item(0))).toImage();
    std::set<QRgb> colours;
    for (int i = 0; i < row.width() * row.height(); ++i)
        colours.insert(row.pixel(i % row.width(), i / row.width()));
    EXPECT_GT(colours.size(), 2u);
}

// A caption that fits keeps its font; one that does not shrinks, to the smallest size at most.
TEST(Captions, OnlyCaptionsThatDoNotFitShrinkAndNoneBelowTheSmallest)
{
    QWidget window;
    auto* roomy = new QPushButton(QStringLiteral("OK"), &window);
    auto* tight = new QPushButton(QStringLiteral("A caption far too long for its button"), &window);
    roomy->resize(200, 30), tight->resize(50, 30);
    const int pixels = QFontInfo(roomy->font()).pixelSize();
    fitcaptions(&window);
    EXPECT_EQ(std::pair(QFontInfo(roomy->font()).pixelSize(), QFontInfo(tight->font()).pixelSize()), std::pair(pixels, 7));
}

TEST(ColourLabel, PaintsBgrAndReportsItsIndex)
{
    QWidget window;
    auto* label = new ColourLabel(&window, 7);
    label->resize(20, 20);
    window.show();
    label->setColour(0x00F70F07);  // blue F7, green 0F, red 07
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(0x07, 0x0F, 0xF7));
    QSignalSpy clicked(label, &ColourLabel::clicked);
    test::click(label);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 7);
    // The arrow keys walk a group's cells: each press moves on from the cell the last one reached.
    QWidget group;
    std::vector<int> picked;
    for (int k = 0; k < 3; ++k) {
        auto* cell = new ColourLabel(&group, k);
        cell->setFocusPolicy(Qt::StrongFocus);
        cell->setGeometry(20 * k, 0, 20, 20);
        QObject::connect(cell, &ColourLabel::clicked, [&picked](int index) { picked.push_back(index); });
    }
    group.show();
    group.findChild<ColourLabel*>()->setFocus();
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left})
        test::pressKeys(group.focusWidget(), QKeySequence(key));
    EXPECT_EQ(picked, std::vector<int>({1, 2, 1}));
}

// An entry painted at one size and then at another shows the picture of the new size, as
// a first paint at that size does: a kept face is never stretched over or cut to another.
TEST(CachedDelegate, AnEntryRepaintedAtAnotherSizeShowsThatSize)
{
    QStringListModel model({QStringLiteral("PHILADELPHIA FLYERS")});
    QListView view;
    CachedDelegate delegate;
    const auto paint = [&](QSize size) {
        QImage image(320, 40, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.initFrom(&view);
        option.rect = QRect(QPoint(), size);
        option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;  // as a list view sets it
        delegate.paint(&painter, option, model.index(0));
        return image;
    };
    const std::pair<QSize, QSize> cases[] = {
        {{50, 20}, {300, 20}}, {{300, 20}, {50, 20}}, {{300, 36}, {300, 20}}, {{300, 20}, {300, 36}}};
    for (const auto& [first, then] : cases) {
        SCOPED_TRACE(std::to_string(first.width()) + "x" + std::to_string(first.height()) + " then " +
                     std::to_string(then.width()) + "x" + std::to_string(then.height()));
        QPixmapCache::clear();
        const QImage fresh = paint(then);
        QPixmapCache::clear();
        EXPECT_TRUE(paint(first) != fresh) << "both sizes look alike, so the case tells nothing";
        EXPECT_TRUE(paint(then) == fresh);
    }
}

// A list that keeps its faces looks as a plain one does: its entry, or its placeholder
// with none picked.
TEST(CachedCombo, ShowsItsEntryOrItsPlaceholderAsAPlainListDoes)
{
    const auto face = [](QComboBox& box, int current) {
        box.addItems({QStringLiteral("ALPHA"), QStringLiteral("OMEGA")});
        box.setPlaceholderText(QStringLiteral("(none)"));
        box.setCurrentIndex(current);
        box.resize(120, 24);
        return box.grab().toImage();
    };
    std::vector<QImage> faces;
    for (const int current : {0, 1, -1}) {
        CachedCombo cached;
        QComboBox plain;
        faces.push_back(face(cached, current));
        EXPECT_TRUE(faces.back() == face(plain, current)) << current;
    }
    EXPECT_TRUE(faces[0] != faces[1] && faces[1] != faces[2]) << "the faces differ by their text";
}

}  // namespace
}  // namespace icevale
