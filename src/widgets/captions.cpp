#include "widgets/captions.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace icevale {
namespace {

constexpr int kSmallestPixels = 7;
// Room on both sides of a button's caption, so that it never touches the frame; tiny
// buttons such as "+" take less.
int buttonpadding(int width) { return width > 40 ? 10 : 4; }

bool fits(const QWidget* control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->fontMetrics().horizontalAdvance(button->text()) + buttonpadding(button->width()) <= button->width();
    const auto* label = qobject_cast<const QLabel*>(control);
    if (!label || label->text().isEmpty() || label->textFormat() == Qt::RichText)
        return true;
    if (label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height();
    return label->fontMetrics().horizontalAdvance(label->text()) <= label->width();
}

}  // namespace

void fitcaptions(QWidget* window)
{
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractButton*>(control) && !qobject_cast<QLabel*>(control))
            continue;
        QFont font = control->font();
        int pixels = QFontInfo(font).pixelSize();
        while (!fits(control) && pixels > kSmallestPixels) {
            font.setPixelSize(--pixels);
            control->setFont(font);
        }
    }
}

void nameforaccess(QWidget* window)
{
    for (QWidget* control : window->findChildren<QWidget*>()) {
        QString name = control->toolTip();
        if (name.isEmpty()) {
            if (const auto* button = qobject_cast<QAbstractButton*>(control))
                name = button->text();
            else if (const auto* label = qobject_cast<QLabel*>(control))
                name = label->text();
        }
        if (!name.isEmpty())
            control->setAccessibleName(name);
    }
}

}  // namespace icevale
