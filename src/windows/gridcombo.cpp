#include "windows/gridcombo.h"

#include <QPainter>
#include <QStyleOptionComboBox>

namespace icevale {

void GridCombo::paintface(QPainter& painter, QStyleOptionComboBox& option, const QString& text, bool none) const
{
    QStyleOptionComboBox frame = option;
    frame.subControls = QStyle::SC_ComboBoxFrame;
    style()->drawComplexControl(QStyle::CC_ComboBox, &frame, &painter, this);
    const QRect field = rect().adjusted(2, 1, -2, -1);
    QStyleOption arrow = option;
    arrow.rect = QRect(field.right() - 4, field.center().y() - 2, 5, 5);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
    painter.setPen(option.palette.color(none ? QPalette::PlaceholderText : QPalette::ButtonText));
    painter.drawText(field.adjusted(0, 0, -6, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
}

}  // namespace icevale
