#include "windows/menueditor.h"

#include <QComboBox>
#include <QLabel>

#include "windows/cachedcombo.h"
#include "windows/choicecombo.h"
#include "core/storedchoice.h"
#include "widgets/qtext.h"
#include "widgets/twips.h"
#include "windows/addedcaptions.h"

namespace icevale {
namespace {

constexpr int kCountList = kMenuFields + 1;

constexpr std::array<const char*, kMenuFields + 1> kFieldTips = {
    "",
    "Game mode",
    "First team",
    "Second team",
    "Period length",
    "Menu default 5: Off, On, or Off with no offsides",
    "Menu default 6: Off, On or Automatic",
    "Menu default 7: Automatic or Manual",
};

QStringList fixedentries(int f)
{
    QStringList list;
    for (const std::string& entry : menufieldentries(f))
        list.append(QString::fromStdString(entry));
    return list;
}

}  // namespace

MenuEditor::MenuEditor(Document& document, QWidget* parent)
    : EditorWindow(document, parent, QStringLiteral("MenuEditor"), QStringLiteral("Menu Editor"))
{
    buildcontrols();
}

void MenuEditor::buildcontrols()
{
    setFixedSize(twipsSize(3840, 3600));
    for (int c = 1; c <= kCountList; ++c) {
        auto* box = new CachedCombo(this);
        box->setObjectName(QStringLiteral("Combo%1").arg(c));
        Combo[static_cast<std::size_t>(c)] = box;
    }
    for (std::size_t f = 1; f <= kMenuFields; ++f) {
        Combo[f]->setGeometry(twipsRect(120, 120 + 420 * (static_cast<int>(f) - 1), 3600, 330));
        Combo[f]->setToolTip(QString::fromLatin1(kFieldTips[f]));
    }
    Label1 = new QLabel(QStringLiteral("Selectable Teams:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(120, 3120, 1800, 255));
    Combo[kCountList]->setGeometry(twipsRect(2040, 3075, 1680, 330));
    addcaptions();
}

// A column of captions left of the seven lists.
void MenuEditor::addcaptions()
{
    static constexpr std::array<const char*, kMenuFields + 1> kCaptions = {
        "", "Game mode:", "First team:", "Second team:", "Period length:", "Option 5:", "Option 6:", "Option 7:"};
    constexpr int kColumn = 1320;
    insertcolumn(this, 0, twips(kColumn));
    for (std::size_t f = 1; f <= kMenuFields; ++f) {
        const QRect box = Combo[f]->geometry();
        addcaption(this, QStringLiteral("Caption%1").arg(f), QString::fromLatin1(kCaptions[f]),
                   QRect(twips(120), box.top(), twips(kColumn) - 4, box.height()), Qt::AlignLeft | Qt::AlignVCenter, 0, Combo[f]);
    }
}

void MenuEditor::Form_Load()
{
    QStringList teams;
    for (int t = 1; t <= kTeams; ++t)
        teams.append(toQString(cart.teamname[t]));
    storedfields = readmenufields(cart.RomImage).value_or(MenuFields{});
    for (std::size_t f = 1; f <= kMenuFields; ++f)
        showstoredchoice(Combo[f], f == 2 || f == 3 ? teams : fixedentries(static_cast<int>(f)), storedfields[f]);
    QStringList counts;
    for (int k = 1; k <= kTeams; ++k)
        counts << QString::number(k);
    storedcount = readselectableteams(cart.RomImage).value_or(0);
    showstoredchoice(Combo[kCountList], counts, storedcount, 1);
}

void MenuEditor::Form_Unload() { apply(closingedit(), QStringLiteral("Menu defaults")); }

QString MenuEditor::commit()
{
    Form_Unload();
    Form_Load();
    return {};
}

bool MenuEditor::haspending() const { return changes(closingedit()); }

Edit MenuEditor::closingedit() const
{
    MenuFields fields{};
    for (std::size_t f = 1; f <= kMenuFields; ++f)
        fields[f] = choicebyte(Combo[f]->currentIndex(), storedfields[f], menufieldsize(static_cast<int>(f)));
    Edit edit = menufieldsedit(fields);
    edit.append(selectableteamsedit(choicebyte(Combo[kCountList]->currentIndex(), storedcount, kTeams, 1)));
    return edit;
}

}  // namespace icevale
