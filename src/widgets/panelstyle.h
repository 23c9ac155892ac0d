#pragma once
// The application's style, drawing text box panels from copies: a window of many text
// boxes (the player grid, the team rows) otherwise strokes every rounded frame again on
// each repaint. A panel is drawn once per size, state and palette and copied after that.
#include <QProxyStyle>

namespace icevale {

class PanelStyle : public QProxyStyle {
public:
    // The one instance, owned by the application; it draws as the style the
    // application starts with (the platform's, or the one named by -style).
    static PanelStyle* instance();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    PanelStyle() = default;
};

}  // namespace icevale
