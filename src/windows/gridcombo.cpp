#include "windows/gridcombo.h"

#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyleOptionComboBox>

namespace icevale {
namespace {

// Everything a face depends on besides its text, packed so that the cache key is made
// without formatting.
struct FaceKey {
    qint64 palette;
    std::int32_t width, height, ratio, state, direction, none;
    std::uint32_t font;
};

QString facekey(const FaceKey& face, const QString& text)
{
    static_assert(sizeof(FaceKey) % sizeof(QChar) == 0);
    QString key = QStringLiteral("icevale-gridcombo:");
    key.reserve(key.size() + static_cast<qsizetype>(sizeof face / sizeof(QChar)) + text.size());
    key.append(reinterpret_cast<const QChar*>(&face), sizeof face / sizeof(QChar));
    key.append(text);
    return key;
}

}  // namespace

void GridCombo::paintEvent(QPaintEvent*)
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    // With nothing selected the list shows its placeholder, as QComboBox does.
    const bool none = currentIndex() < 0;
    const QString text = none ? placeholderText() : currentText();
    const qreal ratio = devicePixelRatioF();
    FaceKey face{};
    face.palette = option.palette.cacheKey();
    face.width = width();
    face.height = height();
    face.ratio = qRound(ratio * 100);
    face.state = static_cast<std::int32_t>(option.state);
    face.direction = option.direction;
    face.none = none;
    face.font = static_cast<std::uint32_t>(qHash(font()));
    const QString key = facekey(face, text);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap((QSizeF(size()) * ratio).toSize());
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter facepainter(&pixmap);
        facepainter.setFont(font());
        paintface(facepainter, option, text, none);
        facepainter.end();
        QPixmapCache::insert(key, pixmap);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap);
}

void GridCombo::paintface(QPainter& painter, const QStyleOptionComboBox& option, const QString& text, bool none) const
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
