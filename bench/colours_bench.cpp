// The uniform and banner colour windows: opening each, switching team, moving a colour
// bar and (uniforms) switching between home and away, against the same plain widgets.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

#include "bench/benchsupport.h"

namespace {

using icevale::bench::control;

void barstep(QWidget* w, int i) { control<QScrollBar>(w, QStringLiteral("HScroll1"))->setValue((i + 1) % 32); }

void teamstep(QWidget* w, int i)
{
    control<QListWidget>(w, QStringLiteral("List1"))->setCurrentRow((i + 1) % icevale::kTeams);
}

const bool registered = [] {
    icevale::bench::registerwindow("uniform", 7);
    icevale::bench::registerstep("uniform", "TeamSwitch", 7, teamstep);
    icevale::bench::registerstep("uniform", "BarChange", 7, barstep);
    icevale::bench::registerstep("uniform", "HomeAwaySwitch", 7, [](QWidget* w, int) {
        control<QPushButton>(w, QStringLiteral("Command1"))->click();
    });

    icevale::bench::registerwindow("banner", 9);
    icevale::bench::registerstep("banner", "TeamSwitch", 9, teamstep);
    icevale::bench::registerstep("banner", "BarChange", 9, [](QWidget* w, int i) {
        if (i == 0) {
            // The bars act on the cell clicked last.
            QLabel* cell = control<QLabel>(w, QStringLiteral("Label1_0"));
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), cell->mapToGlobal(QPointF(2, 2)),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(cell, &press);
        }
        barstep(w, i);
    });
    return true;
}();

}  // namespace
