#pragma once
// A drop-down list that keeps the faces it painted. A window of many lists (the player
// grid, the playoff pages) shows few distinct faces: an entry, a state, a size. Each is
// drawn once, as QComboBox draws it, and copied after that.
#include <QComboBox>

class QStyleOptionComboBox;

namespace icevale {

class CachedCombo : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Draws the face into `painter`, whose device is the list's size. `text` is the
    // entry shown, or the placeholder when `none` is selected.
    virtual void paintface(QPainter& painter, QStyleOptionComboBox& option, const QString& text, bool none) const;
    // Names the way paintface draws, so that two kinds of list never share a face.
    virtual QChar facekind() const { return QLatin1Char('c'); }
};

}  // namespace icevale
