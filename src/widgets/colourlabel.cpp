#include "widgets/colourlabel.h"

#include <QMouseEvent>

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

void ColourLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked(index_);
    QLabel::mousePressEvent(event);
}

}  // namespace icevale
