#include "widgets/panelstyle.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QPointer>
#include <QStyleOptionFrame>

namespace icevale {
namespace {

// Everything a panel depends on, packed so that the cache key is made without formatting.
struct PanelKey {
    qint64 palette;
    std::int32_t width, height, ratio, state, direction, linewidth, midlinewidth, features;
};

QString panelkey(const PanelKey& panel)
{
    static_assert(sizeof(PanelKey) % sizeof(QChar) == 0);
    QString key = QStringLiteral("icevale-panel:");
    key.append(reinterpret_cast<const QChar*>(&panel), sizeof panel / sizeof(QChar));
    return key;
}

}  // namespace

PanelStyle* PanelStyle::instance()
{
    static QPointer<PanelStyle> style;
    if (!style) {
        style = new PanelStyle;
        style->setParent(qApp);
    }
    return style;
}

void PanelStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const
{
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element != PE_PanelLineEdit || !frame || option->rect.isEmpty()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal ratio = painter->device()->devicePixelRatioF();
    PanelKey panel{};
    panel.palette = option->palette.cacheKey();
    panel.width = option->rect.width();
    panel.height = option->rect.height();
    panel.ratio = qRound(ratio * 100);
    panel.state = static_cast<std::int32_t>(option->state);
    panel.direction = option->direction;
    panel.linewidth = frame->lineWidth;
    panel.midlinewidth = frame->midLineWidth;
    panel.features = static_cast<std::int32_t>(frame->features);
    const QString key = panelkey(panel);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap((QSizeF(option->rect.size()) * ratio).toSize());
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QStyleOptionFrame at = *frame;
        at.rect = QRect(QPoint(), option->rect.size());
        QPainter panelpainter(&pixmap);
        QProxyStyle::drawPrimitive(element, &at, &panelpainter, widget);
        panelpainter.end();
        QPixmapCache::insert(key, pixmap);
    }
    painter->drawPixmap(option->rect.topLeft(), pixmap);
}

}  // namespace icevale
