#pragma once
// A label that can be painted with a colour given as 0x00BBGGRR, drawn with a border
// or in bold, and clicked; labels of one group carry their index in the group.
#include <QLabel>
#include <cstdint>

namespace icevale {

class ColourLabel : public QLabel {
    Q_OBJECT
public:
    explicit ColourLabel(QWidget* parent = nullptr, int index = 0);

    void setColour(std::uint32_t bgr);
    std::uint32_t colour() const { return colour_; }
    void setBordered(bool bordered);
    void setBold(bool bold);
    int index() const { return index_; }
    // A cell of a group the keyboard can pick from: Tab reaches it, Space or Enter picks
    // it, the arrow keys pick the cell before or after it in its group.
    void setPickable(bool pickable);

signals:
    void clicked(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int index_;
    std::uint32_t colour_ = 0;
    bool painted_ = false;  // setColour has set the palette
};

}  // namespace icevale
