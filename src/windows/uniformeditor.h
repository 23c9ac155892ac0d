#pragma once
// "Uniform Editor": one team's away or home uniform as eleven colour cells and a
// picture; each bar change writes the selected cell's word into RomImage at once.
#include <array>
#include <cstdint>
#include <string>

#include "windows/colourcontrols.h"
#include "core/colours.h"
#include "windows/editorwindow.h"

class QLabel;
class QPushButton;

namespace icevale {

class ClickList;
class ColourLabel;

class UniformEditor : public EditorWindow {
    Q_OBJECT
public:
    UniformEditor(Document& doc, QWidget* parent);

    void refresh() override;
    Areas ownareas() const override { return Area::Uniform; }

    void dispjerseycolor();
    void savejerseycolor();

protected:
    void Form_Load() override;

private:
    void buildcells();
    void buildpicture();
    void buildcontrols();
    void loadjerseycolor();
    void showteam();
    void barchanged(int bar, int value);

    void List1_Click();
    void Label1_Click(int Index);
    void HScroll1_Change(int value);
    void HScroll2_Change(int value);
    void HScroll3_Change(int value);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    int curteam = 0;
    int jerseycell = 0;
    int homeflag = 0;
    std::array<Rgb, kUniformCells + 1> jerseycolor{};  // rows 1..11 = cells 0..10
    Rgb copiedcolor{};

    ClickList* List1;
    std::array<ColourLabel*, kUniformCells> Label1{};
    std::array<std::array<ColourLabel*, 2>, kUniformCells> pieces{};  // picture pieces per cell
    ColourLabel* Label9;
    QLabel* Label35;
    QPushButton *Command1, *Command2, *Command3, *Command4;
    ComponentBars bars;
};

}  // namespace icevale
