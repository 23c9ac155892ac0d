#include "widgets/clicklist.h"

#include <QMouseEvent>

namespace icevale {

ClickList::ClickList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::currentRowChanged, this, [this] { emit Click(); });
}

void ClickList::mousePressEvent(QMouseEvent* event)
{
    const int before = currentRow();
    const QListWidgetItem* target = itemAt(event->position().toPoint());
    QListWidget::mousePressEvent(event);
    // A changed row has already raised Click through currentRowChanged.
    if (target && row(target) == before && currentRow() == before)
        emit Click();
}

}  // namespace icevale
