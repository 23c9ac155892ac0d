// The player editor: 25 rows of a name, a number and 14 drop-down lists. Opening it,
// switching team (22 and 25 players, so rows are shown and hidden), picking a rating
// and typing a name, against the same plain widgets.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "bench/benchsupport.h"
#include "bench/actions.h"

namespace {

using icevale::bench::control;

const bool registered = [] {
    icevale::bench::registerwindow("players", 5);
    icevale::bench::registerstep("players", "TeamSwitch", 5, [](QWidget* w, int i) {
        control<QListWidget>(w, QStringLiteral("List1"))->setCurrentRow(i % 2);
    });
    icevale::bench::registerstep("players", "GridChange", 5, [](QWidget* w, int) {
        icevale::bench::picknext(control<QComboBox>(w, QStringLiteral("Combo2_0")));
    });
    icevale::bench::registerstep("players", "NameTyping", 5, [](QWidget* w, int i) {
        icevale::bench::typeorerase(control<QLineEdit>(w, QStringLiteral("player_name_0")), i);
    });
    return true;
}();

}  // namespace
