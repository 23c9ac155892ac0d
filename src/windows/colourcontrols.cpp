#include "windows/colourcontrols.h"

#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>

#include "widgets/clicklist.h"
#include "widgets/qtext.h"
#include "widgets/twips.h"

namespace icevale {

QLabel* makelabel(QWidget* parent, int number, const QString& text, const QRect& where)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("Label%1").arg(number));
    label->setGeometry(where);
    return label;
}

ClickList* maketeamlist(QWidget* parent, const QRect& where)
{
    auto* list = new ClickList(parent);
    list->setObjectName(QStringLiteral("List1"));
    list->setGeometry(where);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    list->setTextElideMode(Qt::ElideNone);
    QFont small = list->font();
    small.setPixelSize(10);
    list->setFont(small);
    // All 28 teams fit the list's height, so no scroll bar takes its width.
    list->setStyleSheet(QStringLiteral("QListWidget::item { padding: 0px; margin: 0px; }"));
    return list;
}

void fillteamlist(ClickList* list, const Tables& cart)
{
    const QSignalBlocker quiet(list);
    list->clear();
    for (int t = 1; t <= kTeams; ++t) {
        list->addItem(toQString(cart.teamabbrev[t]));
        list->item(t - 1)->setSizeHint(QSize(0, twips(5520 - 60) / kTeams));
    }
}

ComponentBars makebars(QWidget* parent, const std::array<int, 3>& tops)
{
    static const char* const captions[3] = {"R", "G", "B"};
    static const char* const tips[3] = {"Red, 0 to 31", "Green, 0 to 31", "Blue, 0 to 31"};
    ComponentBars bars;
    for (int bar = 0; bar < 3; ++bar) {
        makelabel(parent, 36 + bar, QString::fromLatin1(captions[bar]), twipsRect(480, tops[bar], 240, 255));
        bars.HScroll[bar] = new QScrollBar(Qt::Horizontal, parent);
        bars.HScroll[bar]->setObjectName(QStringLiteral("HScroll%1").arg(bar + 1));
        bars.HScroll[bar]->setGeometry(twipsRect(720, tops[bar], 3615, 255));
        bars.HScroll[bar]->setRange(0, 31);
        bars.HScroll[bar]->setToolTip(QString::fromLatin1(tips[bar]));
        bars.HScroll[bar]->setFocusPolicy(Qt::StrongFocus);  // Tab reaches it, the arrows move it
        bars.value[bar] = makelabel(parent, 39 + bar, QStringLiteral("0"), twipsRect(4320, tops[bar], 480, 255));
    }
    return bars;
}

void resetbars(const ComponentBars& bars) { showbars(bars, Rgb{}); }

void showbars(const ComponentBars& bars, const Rgb& colour)
{
    const std::array<int, 3> values = {colour.red, colour.green, colour.blue};
    for (std::size_t bar = 0; bar < 3; ++bar) {
        const QSignalBlocker quiet(bars.HScroll[bar]);
        bars.HScroll[bar]->setValue(values[bar]);
        bars.value[bar]->setText(QString::number(values[bar]));
    }
}

void setbars(const ComponentBars& bars, const Rgb& colour)
{
    bars.HScroll[0]->setValue(colour.red);
    bars.HScroll[1]->setValue(colour.green);
    bars.HScroll[2]->setValue(colour.blue);
}

int& component(Rgb& colour, int bar)
{
    return bar == 0 ? colour.red : bar == 1 ? colour.green : colour.blue;
}

}  // namespace icevale
