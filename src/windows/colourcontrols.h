#pragma once
// Controls the two colour windows build alike: the team list, the three component
// bars (red, green, blue, 0..31) with their captions and value labels.
#include <QString>
#include <array>

#include "core/colours.h"
#include "core/cartridge.h"

class QLabel;
class QRect;
class QScrollBar;
class QWidget;

namespace icevale {

class ClickList;

struct ComponentBars {
    std::array<QScrollBar*, 3> HScroll{};
    std::array<QLabel*, 3> value{};  // Label39..Label41
};

// A label named Label<number>.
QLabel* makelabel(QWidget* parent, int number, const QString& text, const QRect& where);

// List1 at the given place, with rows small enough that all 28 teams fit its height.
ClickList* maketeamlist(QWidget* parent, const QRect& where);

// Refills the list with teamabbrev(1..28) without raising its click handler.
void fillteamlist(ClickList* list, const Tables& cart);

// HScroll1..3 at left 720 and the given tops, 3615 x 255 twips, "R", "G", "B" at left
// 480 and the value labels, "0", at left 4320.
ComponentBars makebars(QWidget* parent, const std::array<int, 3>& tops);

// Back to 0 without raising the change handlers, as a freshly loaded window has them.
void resetbars(const ComponentBars& bars);

// Sets the bars in the order red, green, blue; each one that moves raises its handler.
void setbars(const ComponentBars& bars, const Rgb& colour);

// Shows a colour on the bars and their value labels without raising the change handlers.
void showbars(const ComponentBars& bars, const Rgb& colour);

int& component(Rgb& colour, int bar);

}  // namespace icevale
