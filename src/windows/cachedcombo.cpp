#include "windows/cachedcombo.h"

#include <QStyleOptionComboBox>

#include "widgets/facecache.h"

namespace icevale {
namespace {

// Everything a face depends on besides its text.
struct FaceKey {
    qint64 palette;
    std::int32_t kind, width, height, ratio, state, direction, none;
    std::uint32_t font;
};

}  // namespace

void CachedCombo::paintEvent(QPaintEvent*)
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    // With nothing selected the list shows its placeholder, as QComboBox does.
    const bool none = currentIndex() < 0;
    const QString text = none ? placeholderText() : option.currentText;
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
    face.kind = facekind().unicode();
    if (!option.currentIcon.isNull()) {
        // No list here shows icons; one that does is drawn afresh each time.
        QPainter painter(this);
        paintface(painter, option, text, none);
        return;
    }
    const QPixmap pixmap = cachedface(facekey(face, text), size(), ratio, [&](QPainter& facepainter) {
        facepainter.setFont(font());
        paintface(facepainter, option, text, none);
    });
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap);
}

// As QComboBox paints itself.
void CachedCombo::paintface(QPainter& painter, QStyleOptionComboBox& option, const QString& text, bool none) const
{
    painter.setPen(option.palette.color(QPalette::Text));
    style()->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, this);
    if (none && !text.isEmpty()) {
        option.palette.setBrush(QPalette::ButtonText, option.palette.placeholderText());
        option.currentText = text;
    }
    style()->drawControl(QStyle::CE_ComboBoxLabel, &option, &painter, this);
}

}  // namespace icevale
