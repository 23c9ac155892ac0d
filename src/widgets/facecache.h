#pragma once
// Faces of controls drawn once and copied after that. A window of many lists shows few
// distinct faces (an entry, a state, a size); each is drawn as the style draws it, kept
// in Qt's pixmap cache under a key of everything it depends on, and copied on later
// paints.
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QString>
#include <type_traits>

namespace icevale {

// The cache key of a face: `fields` holds what the face depends on as plain numbers
// (without padding, so that equal faces give equal keys), `text` what it shows. The key
// is packed, not formatted: faces are looked up on every paint.
template <class Fields>
QString facekey(const Fields& fields, const QString& text)
{
    static_assert(std::has_unique_object_representations_v<Fields> && sizeof(Fields) % sizeof(QChar) == 0);
    constexpr auto packed = static_cast<qsizetype>(sizeof(Fields) / sizeof(QChar));
    QString key = QStringLiteral("icevale-face:");
    key.reserve(key.size() + packed + text.size());
    key.append(reinterpret_cast<const QChar*>(&fields), packed);
    key.append(text);
    return key;
}

// The face under `key`; when it is not kept, `draw(painter)` draws it into a transparent
// pixmap of `size` at the device pixel `ratio`, which is kept.
template <class Draw>
QPixmap cachedface(const QString& key, QSize size, qreal ratio, Draw draw)
{
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = QPixmap((QSizeF(size) * ratio).toSize());
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    draw(painter);
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

}  // namespace icevale
