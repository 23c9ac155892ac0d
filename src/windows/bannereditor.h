#pragma once
// "Banner Editor": one team's fourteen banner colours. The colours shown are written
// to the team shown on every bar change, on changing team and on closing.
#include <array>
#include <cstdint>
#include <string>

#include "core/colours.h"
#include "windows/colourcontrols.h"
#include "windows/editorwindow.h"

class QPushButton;

namespace icevale {

class ClickList;
class ColourLabel;
class LimitedLineEdit;

class BannerEditor : public EditorWindow {
    Q_OBJECT
public:
    BannerEditor(Document& doc, QWidget* parent);

    QString commit() override;
    Areas ownareas() const override { return Area::BannerColour; }
    bool haspending() const override;
    void refresh() override;

    void savejerseycolor();
    void dispbannercolor();

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void buildcells();
    void buildcontrols();
    void barchanged(int bar, int value);
    void showteam();

    void List1_Click();
    void Label1_Click(int Index);
    void HScroll1_Change(int value);
    void HScroll2_Change(int value);
    void HScroll3_Change(int value);
    void Command1_Click();
    void Command2_Click();

    int curteam = 0;
    int bannercell = 0;  // selected cell + 1; 0 while none is selected
    BannerColours bannercolor{};

    ClickList* List1;
    std::array<ColourLabel*, kBannerCells> Label1{};
    ComponentBars bars;
    LimitedLineEdit* Text1;
    QPushButton *Command1, *Command2;
};

}  // namespace icevale
