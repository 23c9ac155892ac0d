#pragma once
// The yardstick of an editor window: its controls as plain Qt widgets of the same kinds,
// places and captions (labels, buttons, text boxes, drop-down lists sharing one item
// list, list boxes, scroll bars), in a window of the same size, with no data and no
// handlers.
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QWidget;

namespace icevale::bench {

class PlainWindow {
public:
    PlainWindow() = default;
    // Takes the direct child controls of `window` as it is shown now.
    explicit PlainWindow(const QWidget& window);

    // A new top-level window holding the plain widgets, not yet shown.
    std::unique_ptr<QWidget> make() const;
    // "50 text boxes, 350 lists, ..." for the benchmark's label.
    QString summary() const;

private:
    void take(const QWidget& parent, QPoint offset);

    enum class Kind { Label, Button, TextBox, DropDown, ListBox, ScrollBar };
    struct Control {
        Kind kind;
        QRect geometry;
        QString text;
        QStringList items;  // a list box's entries
    };

    QSize size;
    std::vector<Control> controls;
    int entries = 0;  // of the shared item list: the longest of the window's lists
};

}  // namespace icevale::bench
