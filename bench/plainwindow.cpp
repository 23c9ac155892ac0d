#include "bench/plainwindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStringListModel>
#include <algorithm>
#include <array>

namespace icevale::bench {

PlainWindow::PlainWindow(const QWidget& window) : size(window.size()) { take(window, QPoint()); }

// The controls of a plain container (a row of controls) count as the window's own.
void PlainWindow::take(const QWidget& parent, QPoint offset)
{
    for (const QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->metaObject() == &QWidget::staticMetaObject) {
            take(*child, offset + child->pos());
            continue;
        }
        Control c{Kind::Label, child->geometry().translated(offset), {}, {}};
        if (const auto* box = qobject_cast<const QComboBox*>(child)) {
            c.kind = Kind::DropDown;
            entries = std::max(entries, box->count());
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(child)) {
            c.kind = Kind::TextBox;
            c.text = edit->text();
        } else if (const auto* list = qobject_cast<const QListWidget*>(child)) {
            c.kind = Kind::ListBox;
            for (int i = 0; i < list->count(); ++i)
                c.items << list->item(i)->text();
        } else if (qobject_cast<const QScrollBar*>(child)) {
            c.kind = Kind::ScrollBar;
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(child)) {
            c.kind = Kind::Button;
            c.text = button->text();
        } else if (const auto* label = qobject_cast<const QLabel*>(child)) {
            c.text = label->text();
        } else {
            continue;
        }
        controls.push_back(c);
    }
}

std::unique_ptr<QWidget> PlainWindow::make() const
{
    auto window = std::make_unique<QWidget>();
    window->resize(size);
    QStringList shared;
    for (int i = 0; i < entries; ++i)
        shared << QString::number(i);
    auto* model = new QStringListModel(shared, window.get());
    for (const Control& c : controls) {
        QWidget* w = nullptr;
        switch (c.kind) {
        case Kind::Label: w = new QLabel(c.text, window.get()); break;
        case Kind::Button: w = new QPushButton(c.text, window.get()); break;
        case Kind::TextBox: w = new QLineEdit(c.text, window.get()); break;
        case Kind::ScrollBar: w = new QScrollBar(Qt::Horizontal, window.get()); break;
        case Kind::DropDown: {
            auto* box = new QComboBox(window.get());
            box->setModel(model);
            w = box;
            break;
        }
        case Kind::ListBox: {
            auto* list = new QListWidget(window.get());
            list->addItems(c.items);
            list->setCurrentRow(0);
            w = list;
            break;
        }
        }
        w->setGeometry(c.geometry);
    }
    return window;
}

QString PlainWindow::summary() const
{
    static constexpr std::array<const char*, 6> names = {"labels", "buttons", "text boxes",
                                                        "drop-down lists", "list boxes", "scroll bars"};
    std::array<int, 6> counts{};
    for (const Control& c : controls)
        ++counts[static_cast<std::size_t>(c.kind)];
    QStringList parts;
    for (std::size_t k = 0; k < counts.size(); ++k) {
        if (counts[k] > 0)
            parts << QStringLiteral("%1 %2").arg(counts[k]).arg(QLatin1String(names[k]));
    }
    return parts.join(QStringLiteral(", "));
}

}  // namespace icevale::bench
