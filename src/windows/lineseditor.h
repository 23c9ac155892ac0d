#pragma once
// The line-up editor: pick a team and one of its eight lines, then a player for each of
// the line's seven slots. The slots shown reach the line-up table and the image when
// another team or line is chosen (or the same one again) and when the window closes.
#include <array>

#include "core/lineups.h"
#include "windows/editorwindow.h"

class QComboBox;
class QLabel;

namespace icevale {

class ClickList;

class LinesEditor : public EditorWindow {
    Q_OBJECT
public:
    LinesEditor(Document& doc, QWidget* parent);

    QString commit() override;
    Areas ownareas() const override { return Area::Lineup; }
    Areas shownareas() const override { return Area::Lineup | Area::Roster | Area::TeamText; }
    bool haspending() const override;
    void refresh() override;

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void buildcontrols();
    void addcaptions();
    void List1_Click();
    void List2_Click();
    void switchline();
    void commitline();
    Edit shownedit() const;
    void showslots();

    ClickList* List1 = nullptr;
    ClickList* List2 = nullptr;
    std::array<QComboBox*, kSlots> Combo1{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;

    int curteam = 0;
    int curline = 0;
    int shownplayers = 0;  // players listed in the slot boxes
    LineSlots shownslots{};  // the slot bytes as they were when the line was shown
};

}  // namespace icevale
