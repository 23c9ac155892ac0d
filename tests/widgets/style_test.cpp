#include <QMenuBar>
#include <QProxyStyle>
#include <QToolButton>

#include "support/windowdriver.h"
#include "widgets/deferredicons.h"

namespace icevale {
namespace {

QImage drawn(const QIcon& icon) { return icon.pixmap(QSize(16, 16), 1.0).toImage(); }

// The overflow arrows, read late, draw as the base style's own in either direction, and a
// menu bar too narrow for its menus shows one; a second main window wraps nothing again.
TEST(DeferredIconStyle, OverflowArrowsDrawAsTheBaseStylesOwn)
{
    DeferredIconStyle::install();
    QStyle* style = QApplication::style();
    DeferredIconStyle::install();
    ASSERT_EQ(QApplication::style(), style);
    QStyle* base = qobject_cast<QProxyStyle*>(style)->baseStyle();
    for (const auto icon : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
            QStyleOption option;
            option.direction = direction;
            const QImage expected = drawn(base->standardIcon(icon, &option));
            ASSERT_FALSE(expected.isNull()) << icon;
            EXPECT_EQ(drawn(style->standardIcon(icon, &option)), expected) << icon << ' ' << direction;
        }
    }
    QWidget window;
    auto* bar = new QMenuBar(&window);
    for (int menu = 1; menu <= 8; ++menu)
        bar->addMenu(QStringLiteral("Menu number %1").arg(menu));
    bar->setGeometry(0, 0, 120, bar->sizeHint().height());
    window.show();
    auto* overflow = bar->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    ASSERT_NE(overflow, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([overflow] { return overflow->isVisible(); }, 5000));
    EXPECT_EQ(drawn(overflow->icon()), drawn(base->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)));
}

}  // namespace
}  // namespace icevale
