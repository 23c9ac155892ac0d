#include "widgets/clicklist.h"

#include <QMouseEvent>

#include "widgets/cacheddelegate.h"

namespace icevale {

ClickList::ClickList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new CachedDelegate(this));
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
