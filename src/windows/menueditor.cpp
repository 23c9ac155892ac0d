#include "windows/menueditor.h"

#include <QComboBox>
#include <QLabel>

#include "windows/choicecombo.h"
#include "core/storedchoice.h"
#include "widgets/qtext.h"
#include "widgets/twips.h"

namespace icevale {
namespace {

constexpr int kCountList = kMenuFields + 1;

// The fixed entries of the fields; the two team fields (2 and 3) list the teams.
QStringList fixedentries(int f)
{
    switch (f) {
    case 1:
        return {QStringLiteral("Regular Season"), QStringLiteral("Cont. Playoffs"), QStringLiteral("New Playoffs"),
                QStringLiteral("Best of Seven"), QStringLiteral("Shootout")};
    case 4:
        return {QStringLiteral("5 Minutes"), QStringLiteral("10 Minutes"), QStringLiteral("20 Minutes")};
    case 5:
        return {QStringLiteral("Off"), QStringLiteral("On"), QStringLiteral("Off, No Offsides")};
    case 6:
        return {QStringLiteral("Off"), QStringLiteral("On"), QStringLiteral("Automatic")};
    case 7:
        return {QStringLiteral("Automatic"), QStringLiteral("Manual")};
    default:
        return {};
    }
}

}  // namespace

MenuEditor::MenuEditor(Cartridge& cartridge, QWidget* parent)
    : EditorWindow(cartridge, parent, QStringLiteral("MenuEditor"), QStringLiteral("Menu Editor"))
{
    buildcontrols();
}

void MenuEditor::buildcontrols()
{
    setFixedSize(twipsSize(3840, 3600));
    for (int c = 1; c <= kCountList; ++c) {
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("Combo%1").arg(c));
        Combo[static_cast<std::size_t>(c)] = box;
    }
    for (int f = 1; f <= kMenuFields; ++f)
        Combo[static_cast<std::size_t>(f)]->setGeometry(twipsRect(120, 120 + 420 * (f - 1), 3600, 330));
    Label1 = new QLabel(QStringLiteral("Selectable Teams:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(120, 3120, 1800, 255));
    Combo[kCountList]->setGeometry(twipsRect(2040, 3075, 1680, 330));
}

void MenuEditor::Form_Load()
{
    QStringList teams;
    for (int t = 1; t <= kTeams; ++t)
        teams.append(toQString(cart.teamname[t]));
    for (int f = 1; f <= kMenuFields; ++f) {
        QComboBox* box = Combo[static_cast<std::size_t>(f)];
        box->clear();
        box->addItems(f == 2 || f == 3 ? teams : fixedentries(f));
        listsize[static_cast<std::size_t>(f)] = box->count();
        storedfields[static_cast<std::size_t>(f)] = readmenufield(cart, f);
        showstoredchoice(box, storedfields[static_cast<std::size_t>(f)], box->count());
    }
    QComboBox* count = Combo[kCountList];
    count->clear();
    for (int k = 1; k <= kTeams; ++k)
        count->addItem(QString::number(k));
    storedcount = readselectableteams(cart);
    showstoredchoice(count, storedcount, kTeams, 1);
}

void MenuEditor::Form_Unload()
{
    for (std::size_t f = 1; f <= kMenuFields; ++f) {
        const int position = Combo[f]->currentIndex();
        writemenufield(cart, static_cast<int>(f), choicebyte(position, storedfields[f], listsize[f]));
    }
    writeselectableteams(cart, choicebyte(Combo[kCountList]->currentIndex(), storedcount, kTeams, 1));
}

}  // namespace icevale
