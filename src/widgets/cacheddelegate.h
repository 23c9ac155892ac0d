#pragma once
// Draws the entries of a list box as the style draws them, keeping each entry's face
// (its text, state and size) and copying it after that: a window's team list paints its
// 28 entries whenever the window is shown, each a full text layout otherwise.
#include <QStyledItemDelegate>

namespace icevale {

class CachedDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace icevale
