#include "windows/lineseditor.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include "widgets/clicklist.h"
#include "widgets/qtext.h"
#include "widgets/twips.h"
#include "windows/cachedcombo.h"
#include "windows/choicecombo.h"
#include "windows/addedcaptions.h"

namespace icevale {
namespace {

constexpr int kComboWidth = 1935;
constexpr int kComboHeight = 315;
constexpr std::array<int, 3> kColumns = {2880, 4920, 6960};
constexpr std::array<int, 4> kRows = {840, 2400, 3960, 5520};

struct SlotPlace {
    int row;
    int column;
};

// Goalie; two defencemen; three forwards; the extra attacker.
constexpr std::array<SlotPlace, kSlots> kSlotPlaces = {{{0, 1}, {1, 0}, {1, 2}, {2, 0}, {2, 1}, {2, 2}, {3, 1}}};
constexpr std::array<const char*, kSlots> kSlotTips = {
    "Slot 1: the goalie",        "Slot 2: the first defenceman", "Slot 3: the second defenceman",
    "Slot 4: the first forward", "Slot 5: the second forward",   "Slot 6: the third forward",
    "Slot 7: the extra attacker"};
constexpr std::array<const char*, kLines> kLineTips = {
    "Best: the best line",       "SC1: scoring line 1",    "SC2: scoring line 2",     "CHK: checking line",
    "PP1: power play line 1",    "PP2: power play line 2", "PK1: penalty kill line 1", "PK2: penalty kill line 2"};

}  // namespace

LinesEditor::LinesEditor(Document& document, QWidget* parent)
    : EditorWindow(document, parent, QStringLiteral("LinesEditor"), QStringLiteral("Line Editor"))
{
    buildcontrols();
}

void LinesEditor::buildcontrols()
{
    List1 = new ClickList(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(twipsRect(120, 120, 1095, 7200));
    connect(List1, &ClickList::Click, this, &LinesEditor::List1_Click);
    List2 = new ClickList(this);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setGeometry(twipsRect(1335, 120, 855, 2280));
    connect(List2, &ClickList::Click, this, &LinesEditor::List2_Click);

    for (int i = 0; i < kSlots; ++i) {
        const SlotPlace place = kSlotPlaces[static_cast<std::size_t>(i)];
        Combo1[i] = new CachedCombo(this);
        Combo1[i]->setObjectName(QStringLiteral("Combo1_%1").arg(i));
        Combo1[i]->setToolTip(QString::fromLatin1(kSlotTips[static_cast<std::size_t>(i)]));
        Combo1[i]->setGeometry(twipsRect(kColumns[static_cast<std::size_t>(place.column)],
                                         kRows[static_cast<std::size_t>(place.row)], kComboWidth, kComboHeight));
    }
    // The labels stand in the empty left place of the two single-slot rows.
    const auto label = [this](const QString& name, const QString& caption, int row) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(name);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setGeometry(twipsRect(kColumns[0], kRows[static_cast<std::size_t>(row)], kComboWidth, kComboHeight));
        return l;
    };
    Label1 = label(QStringLiteral("Label1"), QStringLiteral("Goalie"), 0);
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("Extra Attacker"), 3);
    setFixedSize(twipsSize(9015, 7440));
    addcaptions();
}

// A caption above each slot's box; the goalie's and the extra attacker's boxes have
// theirs beside them already.
void LinesEditor::addcaptions()
{
    static constexpr std::array<const char*, kSlots> kCaptions = {
        nullptr, "Defenceman 1", "Defenceman 2", "Forward 1", "Forward 2", "Forward 3", nullptr};
    for (int i = 0; i < kSlots; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (!kCaptions[slot])
            continue;
        const QRect box = Combo1[i]->geometry();
        addcaption(this, QStringLiteral("Caption1_%1").arg(i), QString::fromLatin1(kCaptions[slot]),
                   QRect(box.left(), box.top() - 18, box.width(), 16), Qt::AlignLeft | Qt::AlignBottom, 0, Combo1[i]);
    }
}

void LinesEditor::Form_Load()
{
    {
        // Emptying the lists of an earlier showing is not a click.
        const QSignalBlocker block1(List1);
        const QSignalBlocker block2(List2);
        List1->clear();
        List2->clear();
    }
    for (std::size_t l = 0; l < kLines; ++l) {
        List2->addItem(QString::fromLatin1(kLineNames[l]));
        List2->item(static_cast<int>(l))->setToolTip(QString::fromLatin1(kLineTips[l]));
    }
    for (int t = 1; t <= kTeams; ++t)
        List1->addItem(toQString(cart.teamabbrev[t]));
    List1->setCurrentRow(0);  // no line selected yet: every slot box shows its empty entry
    List2->setCurrentRow(0);
}

void LinesEditor::Form_Unload()
{
    commitline();
    curteam = 0;
    curline = 0;
}

void LinesEditor::List1_Click() { switchline(); }
void LinesEditor::List2_Click() { switchline(); }

void LinesEditor::switchline()
{
    commitline();
    curteam = List1->currentRow() + 1;
    curline = List2->currentRow() + 1;
    showslots();
}

QString LinesEditor::commit()
{
    commitline();
    return {};
}

bool LinesEditor::haspending() const { return curteam > 0 && curline > 0 && changes(shownedit()); }

void LinesEditor::refresh()
{
    if (curteam > 0)
        showslots();
}

void LinesEditor::commitline()
{
    if (curteam <= 0 || curline <= 0)
        return;
    apply(shownedit(), QStringLiteral("Line-up of ") + toQString(cart.teamabbrev[curteam]));
}

// The slots of the line shown as the boxes hold them.
Edit LinesEditor::shownedit() const
{
    LineSlots line{};
    for (int s = 1; s <= kSlots; ++s)
        line[s] = slotbyte(Combo1[s - 1]->currentIndex(), shownplayers, shownslots[s]);
    return lineedit(curteam, curline, line);
}

void LinesEditor::showslots()
{
    QStringList entries;
    for (const std::string& entry : slotentries(cart, curteam))
        entries << toQString(entry);
    shownplayers = static_cast<int>(entries.size()) - 1;
    shownslots = lineslots(cart, curteam, curline);
    for (int s = 1; s <= kSlots; ++s) {
        QComboBox* box = Combo1[s - 1];
        if (shownslots[s] > shownplayers) {
            // A byte naming no player is shown as such and kept unless another entry is picked.
            setentries(box, QStringList(entries) << toQString(offrosterentry(shownslots[s])));
            box->setCurrentIndex(shownplayers + 1);
        } else {
            setentries(box, entries);
            box->setCurrentIndex(shownslots[s]);
        }
    }
}

}  // namespace icevale
