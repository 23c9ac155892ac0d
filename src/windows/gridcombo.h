#pragma once
// A drop-down list of the player grid, drawn with a narrow arrow so that "100" and
// "Right" fit its 41 pixels. It paints itself rather than taking a style of its own,
// which would make each of the 350 lists build its popup at once, and keeps what it
// painted: the grid shows few distinct faces (an entry, a state, a size), so a face
// is drawn once and copied after that.
#include <QComboBox>

namespace icevale {

class GridCombo : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintface(QPainter& painter, const QStyleOptionComboBox& option, const QString& text, bool none) const;
};

}  // namespace icevale
