#include "windows/bannereditor.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "core/bannertexts.h"
#include "core/steps.h"
#include "widgets/clicklist.h"
#include "widgets/colourlabel.h"
#include "widgets/limitedlineedit.h"
#include "widgets/qtext.h"
#include "widgets/twips.h"

namespace icevale {
namespace {

// Cells 0-5 in the top row, 6-12 in the second, the outline colour 13 alone below.
QRect cellrect(int k)
{
    if (k < 6)
        return twipsRect(600 + 360 * k, 120, 375, 375);
    if (k < 13)
        return twipsRect(600 + 360 * (k - 6), 600, 375, 375);
    return twipsRect(600, 1080, 375, 375);
}

}  // namespace

BannerEditor::BannerEditor(Document& document, QWidget* parent)
    : EditorWindow(document, parent, QStringLiteral("BannerEditor"), QStringLiteral("Banner Editor"))
{
    setFixedSize(twipsSize(4800, 5760));

    usepixelfont(11);

    List1 = maketeamlist(this, twipsRect(0, 120, 495, 5520));
    connect(List1, &ClickList::Click, this, &BannerEditor::List1_Click);

    buildcells();
    buildcontrols();
}

void BannerEditor::buildcells()
{
    for (int k = 0; k < kBannerCells; ++k) {
        Label1[k] = new ColourLabel(this, k);
        Label1[k]->setObjectName(QStringLiteral("Label1_%1").arg(k));
        Label1[k]->setGeometry(cellrect(k));
        Label1[k]->setBordered(true);
        Label1[k]->setPickable(true);
        connect(Label1[k], &ColourLabel::clicked, this, &BannerEditor::Label1_Click);
    }
    makelabel(this, 2, QStringLiteral("Outline Color"), twipsRect(1080, 1200, 1455, 255));
}

void BannerEditor::buildcontrols()
{
    Text1 = new LimitedLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);  // shown for reference: nothing typed here would be stored
    Text1->setToolTip(QStringLiteral("The team's banner text"));
    Text1->setGeometry(twipsRect(600, 1560, 1695, 285));

    bars = makebars(this, {1920, 2280, 2640});
    connect(bars.HScroll[0], &QScrollBar::valueChanged, this, &BannerEditor::HScroll1_Change);
    connect(bars.HScroll[1], &QScrollBar::valueChanged, this, &BannerEditor::HScroll2_Change);
    connect(bars.HScroll[2], &QScrollBar::valueChanged, this, &BannerEditor::HScroll3_Change);

    QLabel* help = makelabel(this, 3,
                             QStringLiteral("To use autocolor, fill the leftmost cell with the desired color and "
                                            "then click 'auto color'."),
                             twipsRect(600, 4560, 2295, 705));
    help->setWordWrap(true);
    help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont helpfont = help->font();
    helpfont.setPixelSize(10);
    help->setFont(helpfont);

    Command2 = new QPushButton(QStringLiteral("Auto Color"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(twipsRect(600, 5280, 855, 375));
    Command1 = new QPushButton(QStringLiteral("Blackout"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(1800, 5280, 855, 375));
    connect(Command1, &QPushButton::clicked, this, &BannerEditor::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &BannerEditor::Command2_Click);
}

void BannerEditor::Form_Load()
{
    // Every showing starts from the initial controls with no cell selected, so a
    // bar moved before a click cannot recolour a cell chosen in an earlier session.
    curteam = 0;
    bannercell = 0;
    resetbars(bars);
    fillteamlist(List1, cart);
    List1->setCurrentRow(0);
}

void BannerEditor::Form_Unload() { savejerseycolor(); }

void BannerEditor::List1_Click()
{
    if (List1->currentRow() < 0)
        return;
    if (curteam != 0)
        savejerseycolor();
    curteam = List1->currentRow() + 1;
    showteam();
}

void BannerEditor::showteam()
{
    Text1->setLimit(cart.bannertextlen[curteam]);
    Text1->setText(toQString(readbannertext(cart, cart.RomImage, curteam)));
    Text1->setCursorPosition(0);
    readbannercolours(cart.RomImage, curteam, bannercolor);
    dispbannercolor();
}

void BannerEditor::refresh()
{
    if (curteam == 0)
        return;
    showteam();
    if (bannercell > 0)
        showbars(bars, bannercolor[bannercell]);
}

QString BannerEditor::commit()
{
    savejerseycolor();
    return {};
}

bool BannerEditor::haspending() const { return curteam != 0 && changes(bannercoloursedit(cart.RomImage, curteam, bannercolor)); }

void BannerEditor::savejerseycolor()
{
    if (curteam == 0)
        return;
    const Step step = bannercoloursstep(cart, curteam, bannercolor);
    apply(step.edit, QString::fromStdString(step.name), step.mergekey);
}

void BannerEditor::dispbannercolor()
{
    for (int k = 0; k < kBannerCells; ++k)
        Label1[k]->setColour(colortoscreen(bannercolor[k + 1]));
}

// Through the bar rule each bar that moves stores the fourteen words.
void BannerEditor::Label1_Click(int Index)
{
    if (Index < 0 || Index >= kBannerCells)
        return;
    bannercell = Index + 1;
    setbars(bars, bannercolor[bannercell]);
}

void BannerEditor::barchanged(int bar, int value)
{
    bars.value[bar]->setText(QString::number(value));
    component(bannercolor[bannercell], bar) = value;
    savejerseycolor();
    dispbannercolor();
}

void BannerEditor::HScroll1_Change(int value) { barchanged(0, value); }
void BannerEditor::HScroll2_Change(int value) { barchanged(1, value); }
void BannerEditor::HScroll3_Change(int value) { barchanged(2, value); }

void BannerEditor::Command1_Click()
{
    blackout(bannercolor);
    dispbannercolor();
}

void BannerEditor::Command2_Click()
{
    autocolor(bannercolor);
    dispbannercolor();
}

}  // namespace icevale
