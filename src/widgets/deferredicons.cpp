#include "widgets/deferredicons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>
#include <functional>
#include <memory>

namespace icevale {
namespace {

// An icon that asks its maker for the real one on first use and answers as it from then on.
class DeferredIconEngine : public QIconEngine {
public:
    using Maker = std::function<QIcon()>;
    explicit DeferredIconEngine(Maker maker) : state(std::make_shared<Shared>(Shared{std::move(maker), {}, false})) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State on) override
    {
        real().paint(painter, rect, Qt::AlignCenter, mode, on);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State on) override
    {
        return real().actualSize(size, mode, on);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State on) override
    {
        return real().pixmap(size, 1.0, mode, on);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State on, qreal scale) override
    {
        return real().pixmap(size, scale, mode, on);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State on) override { return real().availableSizes(mode, on); }
    // A theme name is what the style's own arrows, read from files, have not either.
    QString iconName() override { return {}; }
    // Asked by QIcon::isNull(), which widgets call when an icon is set: answered without
    // reading, as the style's overflow arrows always exist.
    bool isNull() override { return state->made && state->icon.isNull(); }
    QString key() const override { return QStringLiteral("icevale-deferred"); }
    // Copies share the maker and what it made, so the icon is read once for all of them.
    QIconEngine* clone() const override { return new DeferredIconEngine(state); }

private:
    struct Shared {
        Maker maker;
        QIcon icon;
        bool made;
    };
    explicit DeferredIconEngine(std::shared_ptr<Shared> shared) : state(std::move(shared)) {}

    const QIcon& real()
    {
        if (!state->made) {
            state->icon = state->maker();
            state->made = true;
            state->maker = nullptr;
        }
        return state->icon;
    }

    std::shared_ptr<Shared> state;
};

}  // namespace

void DeferredIconStyle::install()
{
    // Held weakly: the application deletes this style when another replaces it, and the
    // application's style is not this one itself where a style sheet wraps it.
    static QPointer<DeferredIconStyle> installed;
    if (installed)
        return;
    // The proxy takes the application's style as its base and becomes its parent.
    installed = new DeferredIconStyle(QApplication::style());
    QApplication::setStyle(installed);
}

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardicon, const QStyleOption* option, const QWidget* widget) const
{
    if (standardicon != SP_ToolBarHorizontalExtensionButton && standardicon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(standardicon, option, widget);
    // The option is the caller's and may be gone when the icon is drawn, so only what the
    // arrow depends on is kept: the direction it points in, taken now as the base style
    // would take it. The widget is held weakly for the same reason.
    QPointer<const QWidget> target(widget);
    const Qt::LayoutDirection direction = option ? option->direction : QGuiApplication::layoutDirection();
    QPointer<QStyle> base(baseStyle());
    return QIcon(new DeferredIconEngine([base, target, direction, standardicon]() -> QIcon {
        if (!base)
            return {};
        QStyleOption at;
        at.direction = direction;
        return base->standardIcon(standardicon, &at, target.data());
    }));
}

}  // namespace icevale
