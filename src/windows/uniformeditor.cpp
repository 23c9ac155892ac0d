#include "windows/uniformeditor.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "core/steps.h"
#include "widgets/clicklist.h"
#include "widgets/colourlabel.h"
#include "widgets/qtext.h"
#include "widgets/twips.h"

namespace icevale {
namespace {

struct CellInfo {
    int captionlabel;
    const char* caption;
    const char* status;
};

constexpr std::array<CellInfo, kUniformCells> kCells = {{
    {2, "Sleeves", "Editing Sleeves"},
    {4, "Shorts", "Editing Shorts"},
    {6, "Socks", "Editing Socks"},
    {8, "Top Part", "Editing Top Part"},
    {3, "Skin", "Editing Skin"},
    {10, "Top Trim Top Sock", "Editing Top Sleeve Trim and Top Sock"},
    {12, "Bottom Trim & Main Sock", "Editing Bottom Sleeve Trim and Main Sock"},
    {14, "Middle Trim and Belt", "Editing Middle Sleeve Trim and Belt"},
    {16, "Jersey Main", "Editing Main Jersey 1"},
    {18, "Jersey Main", "Editing Main Jersey 2"},
    {20, "Top Trim", "Editing Top Trim"},
}};

struct Piece {
    int label;
    int cell;  // -1: keeps the window's background
    int left, top, width, height;
};

// Bottom of the stacking order first: a later piece covers an earlier one.
constexpr std::array<Piece, 15> kPicture = {{
    {21, 0, 2160, 720, 1935, 1215},
    {22, 5, 2160, 1080, 1935, 135},
    {23, 7, 2160, 1200, 1935, 135},
    {24, 6, 2160, 1320, 1935, 135},
    {25, 8, 2520, 600, 615, 1575},
    {26, 9, 3120, 600, 615, 1575},
    {28, 3, 2640, 360, 975, 135},
    {27, 10, 2520, 480, 1215, 135},
    {29, 7, 2520, 2160, 1215, 135},
    {30, 1, 2520, 2280, 1215, 735},
    {31, 2, 2760, 3120, 735, 735},
    {32, 2, 2640, 3600, 975, 255},
    {33, 5, 2760, 3240, 735, 135},
    {34, 6, 2760, 3360, 735, 135},
    {5, -1, 3000, 3120, 255, 735},
}};


QPushButton* button(QWidget* parent, int number, const char* caption, const QRect& where)
{
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QStringLiteral("Command%1").arg(number));
    b->setGeometry(where);
    return b;
}

}  // namespace

UniformEditor::UniformEditor(Document& document, QWidget* parent)
    : EditorWindow(document, parent, QStringLiteral("UniformEditor"), QStringLiteral("Uniform Editor"))
{
    setFixedSize(twipsSize(4800, 6120));

    usepixelfont(11);

    List1 = maketeamlist(this, twipsRect(0, 0, 495, 5520));
    connect(List1, &ClickList::Click, this, &UniformEditor::List1_Click);

    buildcells();
    buildpicture();
    buildcontrols();
}

void UniformEditor::buildcells()
{
    for (int k = 0; k < kUniformCells; ++k) {
        const int top = 120 + 360 * k;
        const int captionleft = (k >= 6 && k <= 9) ? 600 : 720;
        QLabel* caption = makelabel(this, kCells[k].captionlabel, QString::fromLatin1(kCells[k].caption),
                                    twipsRect(captionleft, top, 1545 - captionleft, 375));
        caption->setWordWrap(true);
        QFont captionfont = caption->font();
        captionfont.setPixelSize(10);
        caption->setFont(captionfont);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

        Label1[k] = new ColourLabel(this, k);
        Label1[k]->setObjectName(QStringLiteral("Label1_%1").arg(k));
        Label1[k]->setGeometry(twipsRect(1560, top, 375, 375));
        Label1[k]->setBordered(true);
        Label1[k]->setPickable(true);
        connect(Label1[k], &ColourLabel::clicked, this, &UniformEditor::Label1_Click);
    }
}

void UniformEditor::buildpicture()
{
    for (const Piece& p : kPicture) {
        auto* piece = new ColourLabel(this);
        piece->setObjectName(QStringLiteral("Label%1").arg(p.label));
        piece->setGeometry(twipsRect(p.left, p.top, p.width, p.height));
        if (p.cell < 0) {
            piece->setAutoFillBackground(true);  // opaque, so it parts the socks below it
            continue;
        }
        auto& cellpieces = pieces[p.cell];
        (cellpieces[0] ? cellpieces[1] : cellpieces[0]) = piece;
    }
}

void UniformEditor::buildcontrols()
{
    Label35 = makelabel(this, 35, QString(), twipsRect(600, 4200, 2385, 375));
    Label35->setWordWrap(true);
    Command1 = button(this, 1, "Editing Away", twipsRect(3000, 4200, 1215, 375));
    Label9 = new ColourLabel(this);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setGeometry(twipsRect(4320, 4200, 255, 255));
    Label9->setBordered(true);

    bars = makebars(this, {4560, 4920, 5280});
    connect(bars.HScroll[0], &QScrollBar::valueChanged, this, &UniformEditor::HScroll1_Change);
    connect(bars.HScroll[1], &QScrollBar::valueChanged, this, &UniformEditor::HScroll2_Change);
    connect(bars.HScroll[2], &QScrollBar::valueChanged, this, &UniformEditor::HScroll3_Change);

    Command2 = button(this, 2, "Flip Home and Away Jerseys", twipsRect(0, 5580, 2385, 375));
    Command3 = button(this, 3, "Copy Color", twipsRect(2400, 5640, 915, 375));
    Command4 = button(this, 4, "Paste Color", twipsRect(3360, 5640, 975, 375));
    connect(Command1, &QPushButton::clicked, this, &UniformEditor::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &UniformEditor::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &UniformEditor::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &UniformEditor::Command4_Click);
}

void UniformEditor::Form_Load()
{
    // Every showing starts from the initial state; resetting controls is not a
    // user action, so no handler runs for it.
    jerseycell = 0;
    homeflag = 0;
    curteam = 0;
    copiedcolor = {};
    jerseycolor = {};
    Command1->setText(QStringLiteral("Editing Away"));
    Label35->setText(QString::fromLatin1(kCells[0].status));
    resetbars(bars);
    fillteamlist(List1, cart);
    List1->setCurrentRow(0);
}

void UniformEditor::List1_Click()
{
    if (List1->currentRow() < 0)
        return;
    curteam = List1->currentRow() + 1;
    showteam();
}

void UniformEditor::showteam()
{
    loadjerseycolor();
    dispjerseycolor();
    setbars(bars, jerseycolor[jerseycell + 1]);
}

void UniformEditor::refresh()
{
    if (curteam <= 0)
        return;
    loadjerseycolor();
    dispjerseycolor();
    showbars(bars, jerseycolor[jerseycell + 1]);
}

void UniformEditor::loadjerseycolor()
{
    const auto cells = readuniform(cart.RomImage, curteam, homeflag).value_or(UniformColours{});
    for (int k = 0; k < kUniformCells; ++k) {
        jerseycolor[k + 1] = cells[k];
        Label1[k]->setColour(colortoscreen(cells[k]));
    }
}

void UniformEditor::dispjerseycolor()
{
    for (int k = 0; k < kUniformCells; ++k) {
        const std::uint32_t colour = colortoscreen(jerseycolor[k + 1]);
        Label1[k]->setColour(colour);
        for (ColourLabel* piece : pieces[k])
            if (piece)
                piece->setColour(colour);
    }
    // The swatch follows the last cell painted, cell 10.
    Label9->setColour(colortoscreen(jerseycolor[kUniformCells]));
}

void UniformEditor::savejerseycolor()
{
    // A drag on one cell's bars is one step.
    const Step step = uniformcellstep(cart, curteam, homeflag, jerseycell, jerseycolor[jerseycell + 1]);
    apply(step.edit, QString::fromStdString(step.name), step.mergekey);
}

// Through the bar rule each bar that moves stores the selected cell.
void UniformEditor::Label1_Click(int Index)
{
    if (Index < 0 || Index >= kUniformCells)
        return;
    jerseycell = Index;
    setbars(bars, jerseycolor[Index + 1]);
    Label35->setText(QString::fromLatin1(kCells[Index].status));
}

void UniformEditor::barchanged(int bar, int value)
{
    bars.value[bar]->setText(QString::number(value));
    component(jerseycolor[jerseycell + 1], bar) = value;
    savejerseycolor();
    dispjerseycolor();
}

void UniformEditor::HScroll1_Change(int value) { barchanged(0, value); }
void UniformEditor::HScroll2_Change(int value) { barchanged(1, value); }
void UniformEditor::HScroll3_Change(int value) { barchanged(2, value); }

void UniformEditor::Command1_Click()
{
    const bool toHome = Command1->text() == QStringLiteral("Editing Away");
    Command1->setText(toHome ? QStringLiteral("Editing Home") : QStringLiteral("Editing Away"));
    savejerseycolor();
    homeflag = toHome ? 1 : 0;
    showteam();
}

void UniformEditor::Command2_Click()
{
    if (const auto step = flipuniformsstep(cart, curteam))
        apply(step->edit, QString::fromStdString(step->name));
    List1_Click();
}

void UniformEditor::Command3_Click()
{
    copiedcolor = {bars.HScroll[0]->value(), bars.HScroll[1]->value(), bars.HScroll[2]->value()};
}

void UniformEditor::Command4_Click() { setbars(bars, copiedcolor); }

}  // namespace icevale
