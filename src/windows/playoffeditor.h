#pragma once
// "Playoff Editor": the 512 playoff team slots, 128 at a time in a 16 x 8 grid of
// lists paged by a scroll bar, and the playoff team count. The page shown is written
// back on every page change and on closing; the count on closing.
#include <array>

#include "core/playoffs.h"
#include "windows/editorwindow.h"

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QStringListModel;

namespace icevale {

class PlayoffEditor : public EditorWindow {
    Q_OBJECT
public:
    PlayoffEditor(Document& doc, QWidget* parent);

    QString commit() override;
    Areas ownareas() const override { return Area::Playoff; }
    bool haspending() const override;
    void refresh() override;

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void buildcontrols();
    void HScroll1_Change();
    void Command1_Click();
    void storepage();
    Edit pageedit() const;
    Edit closingedit() const;
    void showcount();
    void showslottips();
    void showpage(int g);
    void showslot(int i, std::uint8_t v);

    std::array<QComboBox*, kPlayoffPageSlots> Combo1{};
    QScrollBar* HScroll1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QPushButton* Command1 = nullptr;

    // The 29 slot entries shared by every slot list, and a list of its own for a slot
    // whose byte is past them (the shared entries plus one that names the byte).
    QStringListModel* slotentries = nullptr;
    std::array<QStringListModel*, kPlayoffPageSlots> unlistedentries{};

    int curpage = 0;
    PlayoffPage shownslots{};  // the bytes of the page shown, as read
    std::uint8_t storedcount = 0;
};

}  // namespace icevale
