#pragma once
// Captions added beside the windows' written arrangement, where it leaves controls
// unexplained. The written controls keep their sizes and their places relative to each
// other; room for a caption is made by moving the controls past a line and growing the
// window by as much.
#include <QString>
#include <Qt>

class QLabel;
class QRect;
class QWidget;

namespace icevale {

// Moves every control of `window` whose top (left, for a column) is at or past `at`
// pixels by `size` pixels down (right), and makes the window as much larger.
void insertband(QWidget* window, int at, int size);
void insertcolumn(QWidget* window, int at, int size);

// A caption at `where` (pixels), named `name`, in the parent's type unless `pixels` is
// given; it names `control` for screen readers when one is given.
QLabel* addcaption(QWidget* parent, const QString& name, const QString& text, const QRect& where,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter, int pixels = 0,
                   QWidget* control = nullptr);

}  // namespace icevale
