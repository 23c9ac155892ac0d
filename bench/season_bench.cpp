// The playoff editor (128 drop-down lists paged by a scroll bar), the menu defaults and
// the banner texts: opening each, changing the playoff page and picking entries, typing
// a banner text, against the same plain widgets.
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>

#include "bench/benchsupport.h"
#include "bench/actions.h"

namespace {

using icevale::bench::control;

void pickstep(QWidget* w, const char* name, int) { icevale::bench::picknext(control<QComboBox>(w, QLatin1String(name))); }

const bool registered = [] {
    icevale::bench::registerwindow("playoffs", 3);
    icevale::bench::registerstep("playoffs", "PageChange", 3, [](QWidget* w, int i) {
        // Stores the page shown and shows the next.
        control<QScrollBar>(w, QStringLiteral("HScroll1"))->setValue((i + 1) % 4);
    });
    icevale::bench::registerstep("playoffs", "ListChange", 3, [](QWidget* w, int i) { pickstep(w, "Combo1_0", i); });
    icevale::bench::registerstep("playoffs", "CountChange", 3, [](QWidget* w, int i) { pickstep(w, "Combo2", i); });

    icevale::bench::registerwindow("menu", 8);
    icevale::bench::registerstep("menu", "ListChange", 8, [](QWidget* w, int i) { pickstep(w, "Combo1", i); });

    icevale::bench::registerwindow("bannertext", 10);
    icevale::bench::registerstep("bannertext", "TextTyping", 10, [](QWidget* w, int i) {
        icevale::bench::typeorerase(control<QLineEdit>(w, QStringLiteral("Teamnm_0")), i);
    });
    return true;
}();

}  // namespace
