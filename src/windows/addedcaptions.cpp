#include "windows/addedcaptions.h"

#include <QLabel>

namespace icevale {
namespace {

void makeroom(QWidget* window, int at, int size, bool down)
{
    for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isWindow() || (down ? control->y() : control->x()) < at)
            continue;
        control->move(control->pos() + (down ? QPoint(0, size) : QPoint(size, 0)));
    }
    const QSize more = down ? QSize(0, size) : QSize(size, 0);
    const bool fixed = window->minimumSize() == window->maximumSize();
    if (fixed)
        window->setFixedSize(window->size() + more);
    else
        window->resize(window->size() + more);
}

}  // namespace

void insertband(QWidget* window, int at, int size) { makeroom(window, at, size, true); }
void insertcolumn(QWidget* window, int at, int size) { makeroom(window, at, size, false); }

QLabel* addcaption(QWidget* parent, const QString& name, const QString& text, const QRect& where,
                   Qt::Alignment alignment, int pixels, QWidget* control)
{
    auto* caption = new QLabel(text, parent);
    caption->setObjectName(name);
    caption->setGeometry(where);
    caption->setAlignment(alignment);
    if (pixels > 0) {
        QFont small = caption->font();
        small.setPixelSize(pixels);
        caption->setFont(small);
    }
    if (control)
        caption->setBuddy(control);
    return caption;
}

}  // namespace icevale
