#pragma once
// "Menu Editor": the seven menu defaults and the selectable team count, read when the
// window opens and written back when it closes.
#include <array>

#include "core/menudefaults.h"
#include "windows/editorwindow.h"

class QComboBox;
class QLabel;

namespace icevale {

class MenuEditor : public EditorWindow {
    Q_OBJECT
public:
    MenuEditor(Document& doc, QWidget* parent);

    QString commit() override;
    Areas ownareas() const override { return Area::MenuDefault; }
    bool haspending() const override;

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void buildcontrols();
    void addcaptions();
    Edit closingedit() const;

    std::array<QComboBox*, kMenuFields + 2> Combo{};  // Combo1..Combo8 at [1..8]
    QLabel* Label1 = nullptr;

    MenuFields storedfields{};  // [1..7], as read
    std::uint8_t storedcount = 0;
};

}  // namespace icevale
