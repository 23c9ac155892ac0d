// The team editor (28 rows of five text boxes) and the line-up editor (two list boxes
// and seven drop-down lists): opening each, typing a team's name, switching team and
// line and picking a player for a slot, against the same plain widgets.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "bench/benchsupport.h"
#include "bench/actions.h"

namespace {

using icevale::bench::control;

const bool registered = [] {
    icevale::bench::registerwindow("teams", 4);
    icevale::bench::registerstep("teams", "NameTyping", 4, [](QWidget* w, int i) {
        icevale::bench::typeorerase(control<QLineEdit>(w, QStringLiteral("Teamnm_0")), i);
    });

    icevale::bench::registerwindow("lines", 6);
    icevale::bench::registerstep("lines", "TeamSwitch", 6, [](QWidget* w, int i) {
        control<QListWidget>(w, QStringLiteral("List1"))->setCurrentRow((i + 1) % icevale::kTeams);
    });
    icevale::bench::registerstep("lines", "LineSwitch", 6, [](QWidget* w, int i) {
        control<QListWidget>(w, QStringLiteral("List2"))->setCurrentRow((i + 1) % icevale::kLines);
    });
    icevale::bench::registerstep("lines", "ListChange", 6, [](QWidget* w, int) {
        icevale::bench::picknext(control<QComboBox>(w, QStringLiteral("Combo1_3")));
    });
    return true;
}();

}  // namespace
