#include "widgets/colourlabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace icevale {

ColourLabel::ColourLabel(QWidget* parent, int index) : QLabel(parent), index_(index) {}

void ColourLabel::setColour(std::uint32_t bgr)
{
    const QColor colour(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                        static_cast<int>((bgr >> 16) & 0xFF));
    // The same colour again changes nothing but would repaint the label.
    if (painted_ && colour_ == (bgr & 0xFFFFFF) && palette().color(QPalette::Window) == colour)
        return;
    colour_ = bgr & 0xFFFFFF;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
    setAutoFillBackground(true);
    painted_ = true;
}

void ColourLabel::setBordered(bool bordered)
{
    setFrameStyle(bordered ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
}

void ColourLabel::setBold(bool bold)
{
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

void ColourLabel::setPickable(bool pickable) { setFocusPolicy(pickable ? Qt::StrongFocus : Qt::NoFocus); }

void ColourLabel::keyPressEvent(QKeyEvent* event)
{
    if (focusPolicy() == Qt::NoFocus) {
        QLabel::keyPressEvent(event);
        return;
    }
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked(index_);
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        step = -1;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        step = 1;
        break;
    default:
        QLabel::keyPressEvent(event);
        return;
    }
    // The neighbouring pickable cell of the same group, if there is one.
    for (ColourLabel* cell : parentWidget()->findChildren<ColourLabel*>(Qt::FindDirectChildrenOnly)) {
        if (cell->focusPolicy() != Qt::NoFocus && cell->index_ == index_ + step) {
            cell->setFocus(Qt::TabFocusReason);
            emit cell->clicked(cell->index_);
            return;
        }
    }
}

// A cell with the keyboard's focus shows it with a dashed ring inside its border.
void ColourLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    const QColor fill = palette().color(QPalette::Window);
    painter.setPen(QPen(fill.lightness() > 128 ? Qt::black : Qt::white, 1, Qt::DashLine));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
}

void ColourLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked(index_);
    QLabel::mousePressEvent(event);
}

}  // namespace icevale
