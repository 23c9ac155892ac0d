#include "windows/playoffeditor.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStringListModel>

#include "windows/cachedcombo.h"
#include "windows/choicecombo.h"
#include "core/storedchoice.h"
#include "widgets/qtext.h"
#include "widgets/twips.h"

namespace icevale {
namespace {

constexpr int kSlotEntries = kNoTeam + 1;  // 28 teams and "no team"
constexpr int kCountEntries = kTeams;
constexpr int kColumns = 16;

}  // namespace

PlayoffEditor::PlayoffEditor(Document& document, QWidget* parent)
    : EditorWindow(document, parent, QStringLiteral("PlayoffEditor"), QStringLiteral("Playoff Editor"))
{
    buildcontrols();
}

void PlayoffEditor::buildcontrols()
{
    setFixedSize(twipsSize(16080, 3960));
    slotentries = new QStringListModel(this);
    for (int i = 0; i < kPlayoffPageSlots; ++i) {
        auto* box = new CachedCombo(this);
        box->setObjectName(QStringLiteral("Combo1_%1").arg(i));
        box->setModel(slotentries);
        box->setGeometry(twipsRect(120 + 990 * (i % kColumns), 120 + 360 * (i / kColumns), 975, 330));
        Combo1[static_cast<std::size_t>(i)] = box;
    }
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setToolTip(QStringLiteral("Page of 128 playoff slots, 1 to 4"));
    HScroll1->setRange(0, kPlayoffPages - 1);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(1);
    HScroll1->setGeometry(twipsRect(120, 3060, 15825, 255));
    connect(HScroll1, &QScrollBar::valueChanged, this, &PlayoffEditor::HScroll1_Change);

    Label1 = new QLabel(QStringLiteral("Selectable Teams in Playoffs:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(120, 3480, 2655, 255));
    Combo2 = new CachedCombo(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setGeometry(twipsRect(2880, 3435, 2400, 330));
    Command1 = new QPushButton(QStringLiteral("Clear All"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(13920, 3420, 2025, 375));
    connect(Command1, &QPushButton::clicked, this, &PlayoffEditor::Command1_Click);
}

void PlayoffEditor::Form_Load()
{
    {
        // A fresh window starts on page 0; returning there is no page change.
        const QSignalBlocker quiet(HScroll1);
        HScroll1->setValue(0);
    }
    QStringList entries;
    for (int t = 1; t <= kTeams; ++t)
        entries.append(toQString(cart.teamabbrev[t]));
    entries.append(QStringLiteral(" "));
    // Resetting the shared entries resets all 128 lists; the same teams need no reset.
    if (slotentries->stringList() != entries)
        slotentries->setStringList(entries);
    showpage(HScroll1->value());
    showcount();
    curpage = 0;
    showslottips();
}

void PlayoffEditor::showcount()
{
    QStringList counts;
    for (int k = 1; k <= kCountEntries; ++k)
        counts << QString::number(k);
    storedcount = readplayoffcount(cart.RomImage).value_or(0);
    showstoredchoice(Combo2, counts, storedcount, 1);
}

// The count, then the page shown, stored and read again as a page change would.
void PlayoffEditor::Form_Unload()
{
    commit();
}

QString PlayoffEditor::commit()
{
    apply(closingedit(), QStringLiteral("Playoff slots"));
    showpage(curpage);
    showcount();
    return {};
}

bool PlayoffEditor::haspending() const { return changes(closingedit()); }

void PlayoffEditor::refresh()
{
    showpage(curpage);
    showcount();
}

Edit PlayoffEditor::closingedit() const
{
    Edit edit = playoffcountedit(choicebyte(Combo2->currentIndex(), storedcount, kCountEntries, 1));
    edit.append(pageedit());
    return edit;
}

void PlayoffEditor::HScroll1_Change()
{
    storepage();
    showpage(HScroll1->value());
    curpage = HScroll1->value();
    showslottips();
}

// Which of the 512 slots each list shows, as page, row and column.
void PlayoffEditor::showslottips()
{
    for (int i = 0; i < kPlayoffPageSlots; ++i) {
        QComboBox* box = Combo1[static_cast<std::size_t>(i)];
        const QString tip = QStringLiteral("Playoff slot %1 of 512: page %2, row %3, column %4")
                                .arg(kPlayoffPageSlots * curpage + i + 1)
                                .arg(curpage + 1)
                                .arg(i / kColumns + 1)
                                .arg(i % kColumns + 1);
        if (box->toolTip() != tip)
            box->setToolTip(tip);
    }
}

void PlayoffEditor::Command1_Click()
{
    for (QComboBox* box : Combo1)
        box->setCurrentIndex(kNoTeam);
}

void PlayoffEditor::storepage() { apply(pageedit(), QStringLiteral("Playoff slots")); }

Edit PlayoffEditor::pageedit() const
{
    PlayoffPage page{};
    for (std::size_t i = 0; i < page.size(); ++i)
        page[i] = choicebyte(Combo1[i]->currentIndex(), shownslots[i], kSlotEntries);
    return playoffpageedit(curpage, page);
}

void PlayoffEditor::showpage(int g)
{
    shownslots = readplayoffpage(cart.RomImage, g).value_or(PlayoffPage{});
    for (int i = 0; i < kPlayoffPageSlots; ++i)
        showslot(i, shownslots[static_cast<std::size_t>(i)]);
}

void PlayoffEditor::showslot(int i, std::uint8_t v)
{
    QComboBox* box = Combo1[static_cast<std::size_t>(i)];
    QStringListModel*& own = unlistedentries[static_cast<std::size_t>(i)];
    if (choiceunlisted(v, kSlotEntries)) {
        auto* entries = new QStringListModel(slotentries->stringList() << unlistedentry(v), this);
        box->setModel(entries);
        delete own;
        own = entries;
    } else if (own) {
        box->setModel(slotentries);
        delete own;
        own = nullptr;
    }
    box->setCurrentIndex(choiceposition(v, kSlotEntries));
}

}  // namespace icevale
