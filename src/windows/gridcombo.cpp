#include "windows/gridcombo.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace icevale {

void GridCombo::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_ComboBoxFrame;
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = rect().adjusted(3, 1, -3, -1);
    QStyleOption arrow = option;
    arrow.rect = QRect(field.right() - 6, field.center().y() - 3, 7, 7);
    painter.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrow);
    // With nothing selected the list shows its placeholder, as QComboBox does.
    const bool none = currentIndex() < 0;
    painter.setPen(palette().color(none ? QPalette::PlaceholderText : QPalette::ButtonText));
    painter.drawText(field.adjusted(0, 0, -8, 0), Qt::AlignLeft | Qt::AlignVCenter, none ? placeholderText() : currentText());
}

}  // namespace icevale
