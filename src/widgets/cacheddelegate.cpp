#include "widgets/cacheddelegate.h"

#include "widgets/facecache.h"

namespace icevale {
namespace {

// Everything an entry's face depends on besides its text; `kind` keeps entries apart
// from the faces of other controls.
struct EntryKey {
    qint64 palette;
    std::uint64_t font;
    std::uint32_t background;
    std::int32_t kind, width, height, ratio, state, direction, features, alignment, elide, position, brushstyle;
};

}  // namespace

void CachedDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    // Entries with icons or check boxes are drawn afresh; the lists here have neither.
    if (!opt.icon.isNull() || (opt.features & QStyleOptionViewItem::HasCheckIndicator) || option.rect.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const qreal ratio = painter->device()->devicePixelRatioF();
    EntryKey entry{};
    entry.palette = opt.palette.cacheKey();
    entry.font = qHash(opt.font);
    entry.background = opt.backgroundBrush.color().rgba();
    entry.brushstyle = opt.backgroundBrush.style();
    entry.width = option.rect.width();
    entry.height = option.rect.height();
    entry.ratio = qRound(ratio * 100);
    entry.state = static_cast<std::int32_t>(opt.state);
    entry.direction = opt.direction;
    entry.features = static_cast<std::int32_t>(opt.features);
    entry.alignment = static_cast<std::int32_t>(opt.displayAlignment);
    entry.elide = opt.textElideMode;
    entry.position = opt.viewItemPosition;
    entry.kind = 'e';
    const QPixmap pixmap = cachedface(facekey(entry, opt.text), option.rect.size(), ratio, [&](QPainter& entrypainter) {
        QStyleOptionViewItem at = option;
        at.rect = QRect(QPoint(), option.rect.size());
        entrypainter.setFont(painter->font());
        entrypainter.setPen(painter->pen());
        QStyledItemDelegate::paint(&entrypainter, at, index);
    });
    painter->drawPixmap(option.rect.topLeft(), pixmap);
}

}  // namespace icevale
