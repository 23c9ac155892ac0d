#pragma once
// The application's style with the arrow of a menu bar's (or tool bar's) overflow button
// read when it is first drawn rather than when the bar is made. A QMenuBar asks for that
// icon in its constructor, and reading it (an image file) makes Qt look through every
// image-format plugin there is, which costs the editor's start more than the rest of its
// menu bar. The button shows only when the menus do not fit, so most runs never read it.
#include <QProxyStyle>

namespace icevale {

class DeferredIconStyle : public QProxyStyle {
public:
    // Wraps the application's style (the platform's, or the one named by -style) once;
    // later calls, and calls while it is still in place, change nothing.
    static void install();

    QIcon standardIcon(StandardPixmap standardicon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

private:
    explicit DeferredIconStyle(QStyle* base) : QProxyStyle(base) {}
};

}  // namespace icevale
