#pragma once
// A drop-down list of the player grid, drawn with a narrow arrow so that "100" and
// "Right" fit its 41 pixels. It paints itself rather than taking a style of its own,
// which would make each of the 350 lists build its popup at once.
#include "windows/cachedcombo.h"

namespace icevale {

class GridCombo : public CachedCombo {
public:
    using CachedCombo::CachedCombo;

protected:
    void paintface(QPainter& painter, QStyleOptionComboBox& option, const QString& text, bool none) const override;
    QChar facekind() const override { return QLatin1Char('g'); }
};

}  // namespace icevale
