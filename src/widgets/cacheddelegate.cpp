#include "widgets/cacheddelegate.h"

#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

namespace icevale {
namespace {

// Everything an entry's face depends on besides its text, packed so that the cache key
// is made without formatting.
struct EntryKey {
    qint64 palette;
    std::uint32_t font, background;
    std::int32_t width, height, ratio, state, direction, features, alignment, elide, position, brushstyle;
};

QString entrykey(const EntryKey& entry, const QString& text)
{
    static_assert(sizeof(EntryKey) % sizeof(QChar) == 0);
    QString key = QStringLiteral("icevale-entry:");
    key.reserve(key.size() + static_cast<qsizetype>(sizeof entry / sizeof(QChar)) + text.size());
    key.append(reinterpret_cast<const QChar*>(&entry), sizeof entry / sizeof(QChar));
    key.append(text);
    return key;
}

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
    entry.font = static_cast<std::uint32_t>(qHash(opt.font));
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
    const QString key = entrykey(entry, opt.text);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap((QSizeF(option.rect.size()) * ratio).toSize());
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QStyleOptionViewItem at = option;
        at.rect = QRect(QPoint(), option.rect.size());
        QPainter entrypainter(&pixmap);
        entrypainter.setFont(painter->font());
        entrypainter.setPen(painter->pen());
        QStyledItemDelegate::paint(&entrypainter, at, index);
        entrypainter.end();
        QPixmapCache::insert(key, pixmap);
    }
    painter->drawPixmap(option.rect.topLeft(), pixmap);
}

}  // namespace icevale
