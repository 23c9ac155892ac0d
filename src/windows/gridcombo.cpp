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
    const QRect field = rect().adjusted(2, 1, -2, -1);
    QStyleOption arrow = option;
    arrow.rect = QRect(field.right() - 4, field.center().y() - 2, 5, 5);
    painter.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrow);
    // With nothing selected the list shows its placeholder, as QComboBox does.
    const bool none = currentIndex() < 0;
    painter.setPen(palette().color(none ? QPalette::PlaceholderText : QPalette::ButtonText));
    painter.drawText(field.adjusted(0, 0, -6, 0), Qt::AlignLeft | Qt::AlignVCenter, none ? placeholderText() : currentText());
}

}  // namespace icevale
