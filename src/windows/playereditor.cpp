#include "windows/playereditor.h"

#include <algorithm>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "core/jersey.h"
#include "core/playerlabels.h"
#include "core/rosterchanges.h"
#include "core/rosters.h"
#include "widgets/clicklist.h"
#include "widgets/limitedlineedit.h"
#include "widgets/qtext.h"
#include "widgets/twips.h"

namespace icevale {
namespace {

QString latin(const std::string& text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

PlayerEditor::PlayerEditor(Document& document, QWidget* parent)
    : EditorWindow(document, parent, QStringLiteral("PlayerEditor"), QStringLiteral("PLAYER EDITOR"))
{
    // Small type, so that the 25 rows of 16 controls keep their written places.
    usepixelfont(11);
    resize(twipsSize(12600, 7600));
    buildcontrols();
}

void PlayerEditor::Form_Load()
{
    roster.take(cart);
    loaded = cart;
    baselined = {};
    curteam = 0;
    List1->clear();
    for (int t = 1; t <= kTeams; ++t)
        List1->addItem(toQString(cart.teamabbrev[t]));
    Combo15->setCurrentIndex(-1);
    List1->setCurrentRow(0);
}

void PlayerEditor::Form_Unload() { saveplayers(); }

void PlayerEditor::List1_Click()
{
    if (List1->currentRow() < 0)
        return;
    if (curteam > 0)
        storeplayers();
    curteam = List1->currentRow() + 1;
    applyroster(goaliemarksedit(roster.tables(), curteam), curteam);
    showteam();
}

void PlayerEditor::refresh()
{
    roster.take(cart);
    loaded = cart;
    baselined = {};
    if (curteam > 0)
        showteam();
}

void PlayerEditor::showteam()
{
    // Another team repaints every row: marked whole first, the controls' own marks add
    // nothing to sort. The same team shown again repaints only what changed.
    if (curteam != rowsteam) {
        for (QWidget* row : rows)
            row->update();
        rowsteam = curteam;
    }
    const int t = curteam;
    const Tables& work = roster.tables();
    const QString team = toQString(cart.teamname[t]) + QLatin1Char(' ') + toQString(cart.teamnick[t]);
    Label1->setText(Label1->fontMetrics().elidedText(team, Qt::ElideRight, Label1->width()));
    Label1->setToolTip(team);
    Label2->setText(latin(generalnumber(work.forwardcount[t])));
    Label3->setText(latin(generalnumber(work.defensecount[t])));
    Label20->setText(latin(generalnumber(work.goaliecount[t])));
    Label5->setText(latin(bytesleftlabel(work.rosterbytesleft[t], false)));
    const int n = work.playercount(t);
    for (int r = 0; r < kRows; ++r)
        showrow(r, n);
    dispplayers();
    if (!baselined[static_cast<std::size_t>(t)])
        keepbaseline(t);
}

// Showing a team can change its tables (a name the box cannot hold whole) and the grid
// gives its ratings as its entries hold them, so a team's rosters as first shown, taken
// as a commit would, are what its edits are told from.
void PlayerEditor::keepbaseline(int t)
{
    baselined[static_cast<std::size_t>(t)] = true;
    const Tables& shown = roster.tables();
    loaded.goaliecount[t] = shown.goaliecount[t];
    loaded.forwardcount[t] = shown.forwardcount[t];
    loaded.defensecount[t] = shown.defensecount[t];
    for (int p = 1; p <= kMaxPlayers; ++p) {
        loaded.playername[p][t] = shown.playername[p][t];
        loaded.playernum[p][t] = shown.playernum[p][t];
        for (std::size_t q = 1; q < loaded.playerattr.size(); ++q)
            loaded.playerattr[q][p][t] = shown.playerattr[q][p][t];
    }
}

void PlayerEditor::showrow(int r, int n)
{
    const auto i = static_cast<std::size_t>(r);
    const int t = curteam;
    const Tables& work = roster.tables();
    const bool shown = r < n;
    Label4[i]->setText(latin(roleletter(work, t, r)));
    player_name[i]->setVisible(shown);
    playernumber[i]->setVisible(shown);
    for (int j = 1; j <= kColumns; ++j)
        combo(j, r)->setVisible(shown);
    if (!shown)
        return;
    const std::string name = work.playername[r + 1][t];  // setting the box's text changes the draft's
    player_name[i]->setText(toQString(name));
    player_name[i]->setLimit(namelimit(name.size(), roster.tables().rosterbytesleft[t]));
    const std::uint8_t number = roster.tables().playernum[r + 1][t];
    playernumber[i]->setText(latin(jerseytext(number)));
    // The tip names the box (a screen reader reads it out) and says when the byte is no decimal number.
    const QString tip = QStringLiteral("Jersey number, row %1").arg(r + 1);
    playernumber[i]->setToolTip(jerseydecimal(number)
                                    ? tip
                                    : tip + QStringLiteral(": stored as 0x%1, not a decimal number; kept unless you change it")
                                                .arg(latin(jerseytext(number))));
}

void PlayerEditor::dispplayers()
{
    loadgrid(roster.tables(), curteam, ratinggrid);
    showgrid();
    Label21->setText(latin(averagelabel(teamaverage(ratinggrid, roster.tables().playercount(curteam)))));
}

// Row i - 1 of the grid shows ratinggrid(i, ...). A rating with no list entry leaves
// the list without a selection, marked with its stored value.
// Every row's lists from ratinggrid, stored in the draft once rather than once a list.
void PlayerEditor::showgrid()
{
    showing = true;
    for (int i = 1; i <= kMaxPlayers; ++i)
        selectgrid(i);
    showing = false;
    syncgrid();
}

void PlayerEditor::selectgrid(int i)
{
    for (int j = 1; j <= kColumns; ++j) {
        QComboBox* box = combo(j, i - 1);
        const int v = ratinggrid[i][j];
        const int position = entryposition(j, v);
        if (position < 0) {
            box->setPlaceholderText(QStringLiteral("?%1").arg(v));
            box->setToolTip(QStringLiteral("Stored value %1 has no entry in this list; kept unless you pick one").arg(v));
        } else if (!box->toolTip().isEmpty()) {
            box->setToolTip(QString());
        }
        box->setCurrentIndex(position);
    }
}

void PlayerEditor::storeplayers()
{
    const int t = curteam;
    applyroster(rostercountedit(roster.tables(), t), t);
    gridvalues(ratinggrid);
    storegrid(roster.rosters(), t, ratinggrid);
}

// The grid as a commit takes it: the entry picked, or the stored value where none is.
void PlayerEditor::gridvalues(RatingGrid& values) const
{
    for (int i = 1; i <= kMaxPlayers; ++i) {
        for (int j = 1; j <= kColumns; ++j)
            values[i][j] = committedvalue(combo(j, i - 1)->currentIndex(), ratinggrid[i][j]);
    }
}

void PlayerEditor::saveplayers()
{
    if (curteam > 0)
        storeplayers();
    const RosterWrite write = allrostersedit(roster.tables(), &cart.RomImage);
    QStringList changed;
    for (const int t : write.changed)
        changed << toQString(cart.teamabbrev[t]);
    apply(write.edit, QStringLiteral("Save players of ") + changed.join(QStringLiteral(", ")), rosterstep());
    ++session;
    saverefusal = QString::fromStdString(write.message);
    if (!write.message.empty())
        emit statusMessage(saverefusal);
}

// A roster left unwritten refuses only when it holds edits: one already past its area
// in a damaged image, unedited, must not stop every save and every leaving.
QString PlayerEditor::commit()
{
    saveplayers();
    return saverefusal.isEmpty() ? QString() : closerefusal();
}

// The shown team's grid goes into the draft as a commit would take it, so that the
// draft always holds what a commit would write.
void PlayerEditor::syncgrid()
{
    if (curteam <= 0 || showing)
        return;
    RatingGrid values = ratinggrid;
    gridvalues(values);
    storegrid(roster.rosters(), curteam, values);
}

// What a commit would write: the shown team's count byte and grid, and every roster.
bool PlayerEditor::haspending() const { return curteam > 0 && roster.pending(cart.RomImage, curteam); }

// Only a roster that would be left unwritten while it holds edits loses anything: one
// that was already too long for its area (a damaged image) and was not edited stays as
// it is without a question. The edits are told from the tables as the window loaded
// them, not from a new reading of the image: in a damaged image a roster running past
// its area may overlap bytes that showing another team rewrote.
QString PlayerEditor::closerefusal() const
{
    if (curteam <= 0)
        return {};
    const RosterWrite write = allrostersedit(roster.tables());
    for (const int t : write.unwritten) {
        if (!roster.sameteam(loaded, t))
            return QString::fromStdString(write.message);
    }
    return {};
}

// The names, numbers, roles and grid edited so far live in the draft; dropped, the
// draft is the document's rosters again.
void PlayerEditor::dropdraft() { roster.take(cart); }

// Roster writes of one working session, up to the next "SAVE", are one step.
void PlayerEditor::applyroster(const Edit& edit, int t)
{
    apply(edit, QStringLiteral("Roster of ") + toQString(cart.teamabbrev[t]), rosterstep());
}

std::string PlayerEditor::rosterstep() const { return "players:" + std::to_string(session); }

void PlayerEditor::Command1_Click() { saveplayers(); }

void PlayerEditor::Command6_Click()
{
    if (juicegrid(ratinggrid, Combo15->currentIndex()))
        showgrid();
}

void PlayerEditor::Command8_Click()
{
    if (goalieplus(roster.rosters(), curteam))
        List1_Click();
}

void PlayerEditor::Command7_Click()
{
    if (goalieminus(roster.rosters(), curteam))
        List1_Click();
}

void PlayerEditor::Command2_Click()
{
    if (defenceplus(roster.rosters(), curteam))
        List1_Click();
}

void PlayerEditor::Command3_Click()
{
    if (defenceminus(roster.rosters(), curteam))
        List1_Click();
}

void PlayerEditor::Command4_Click()
{
    addplayer(roster.rosters(), curteam);
    List1_Click();
}

void PlayerEditor::Command5_Click()
{
    removeplayer(roster.rosters(), curteam);
    List1_Click();
}

void PlayerEditor::player_name_Change(int r)
{
    if (curteam > 0)
        updateplayername(r + 1);
}

void PlayerEditor::playernumber_Change(int r)
{
    if (curteam <= 0)
        return;
    std::uint8_t& stored = roster.rosters().playernum[r + 1][curteam];
    stored = keptjersey(toBytes(playernumber[static_cast<std::size_t>(r)]->text()), stored);
}

void PlayerEditor::countnamebytes()
{
    roster.rosters().rosterbytesleft[curteam] = rosterfreebytes(roster.tables(), curteam);
}

void PlayerEditor::updateplayername(int p)
{
    const int t = curteam;
    roster.rosters().playername[p][t] = toBytes(player_name[static_cast<std::size_t>(p - 1)]->text());
    countnamebytes();
    const Tables& work = roster.tables();
    for (int q = 0; q < kRows; ++q)
        player_name[static_cast<std::size_t>(q)]->setLimit(namelimit(work.playername[q + 1][t].size(), work.rosterbytesleft[t]));
    Label5->setText(latin(bytesleftlabel(work.rosterbytesleft[t], true)));
}

}  // namespace icevale
