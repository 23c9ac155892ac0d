#include "windows/playereditor.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "windows/gridcombo.h"
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

constexpr int kRowTop = 720;
constexpr int kRowHeight = 240;
constexpr int kNumberLength = 2;
constexpr int kGridRight = 3360 + 600 * (kColumns - 1) + 615;  // the last list's right edge

// The entries of every list of a scale, made once for the 350 lists.
const QStringList& entries(Scale scale)
{
    static const std::array<QStringList, 3> lists = [] {
        std::array<QStringList, 3> made;
        for (const Scale s : {Scale::Weight, Scale::Hand, Scale::Rating}) {
            for (const std::string& entry : scaleentries(s))
                made[static_cast<std::size_t>(s)].append(QString::fromStdString(entry));
        }
        return made;
    }();
    return lists[static_cast<std::size_t>(scale)];
}


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

QPushButton* PlayerEditor::button(int index, const char* caption, int left, int top, int width, int height)
{
    auto* b = new QPushButton(QString::fromLatin1(caption), this);
    b->setObjectName(QStringLiteral("Command%1").arg(index));
    b->setGeometry(twipsRect(left, top, width, height));
    b->setAutoDefault(false);
    Command[static_cast<std::size_t>(index)] = b;
    return b;
}

QLabel* PlayerEditor::label(const QString& name, int left, int top, int width)
{
    auto* l = new QLabel(this);
    l->setObjectName(name);
    l->setGeometry(twipsRect(left, top, width, kRowHeight));
    return l;
}

void PlayerEditor::buildcontrols()
{
    List1 = new ClickList(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(twipsRect(120, 120, 495, 5520));
    QFont listfont = font();
    listfont.setPixelSize(10);
    List1->setFont(listfont);  // all 28 teams in view
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(List1, &ClickList::Click, this, &PlayerEditor::List1_Click);
    buildlabels();
    buildbuttons();
    for (int r = 0; r < kRows; ++r)
        buildrow(r);
}

void PlayerEditor::buildlabels()
{
    QFont bold = font();
    bold.setBold(true);
    // The team's name ends where the bytes-left label begins; a longer one is elided.
    Label1 = label(QStringLiteral("Label1"), 720, 120, 3120 - 720 - 60);
    Label1->setText(QStringLiteral("Team"));
    Label1->setFont(bold);
    Label5 = label(QStringLiteral("Label5"), 3120, 120, 3180);  // up to the first header on its row
    Label5->setFont(bold);
    Label20 = label(QStringLiteral("Label20"), 720, 360, 360);
    Label20->setToolTip(QStringLiteral("Goalies"));
    Label2 = label(QStringLiteral("Label2"), 1680, 360, 360);
    Label2->setToolTip(QStringLiteral("Forwards"));
    Label3 = label(QStringLiteral("Label3"), 2040, 360, 360);
    Label3->setToolTip(QStringLiteral("Defencemen"));
    Label21 = label(QStringLiteral("Label21"), 9600, 6960, 2900);  // wide enough for 15 digits
    Label21->setText(QStringLiteral("Team Rating"));

    // Column headers take three heights in turn so that long captions fit; under
    // Label5 only the lower two.
    static constexpr int kHeaderTops[3] = {120, 360, 480};
    QFont headerfont = font();
    headerfont.setPixelSize(9);
    for (int j = 1; j <= kColumns; ++j) {
        const int top = j <= 5 ? kHeaderTops[1 + (j - 1) % 2] : kHeaderTops[(j - 6) % 3];
        QLabel* header = label(QStringLiteral("Label%1").arg(5 + j), 3360 + 600 * (j - 1), top, 1800);
        header->setFont(headerfont);
        header->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        header->setText(QString::fromLatin1(columncaption(j)));
        header->setToolTip(QString::fromLatin1(columntip(j)));
    }
}

void PlayerEditor::buildbuttons()
{
    button(1, "SAVE", 120, 5760, 495, 735);
    button(8, "+", 1080, 360, 255, 195)->setToolTip(QStringLiteral("One goalie more: the first forward becomes the last goalie"));
    button(7, "-", 1320, 360, 255, 195)->setToolTip(QStringLiteral("One goalie less: the last goalie becomes the first forward"));
    button(2, "+", 2400, 360, 255, 195)->setToolTip(QStringLiteral("One defenceman more: the last forward becomes the first defenceman"));
    button(3, "-", 2640, 360, 255, 195)->setToolTip(QStringLiteral("One defenceman less: the first defenceman becomes the last forward"));
    button(4, "Add Player", 840, 6840, 2175, 285);
    button(5, "Remove Player", 3120, 6840, 2175, 285);
    button(6, "Juice Team:", 5400, 6840, 975, 285);
    Combo15 = new CachedCombo(this);
    Combo15->setObjectName(QStringLiteral("Combo15"));
    Combo15->setGeometry(twipsRect(6360, 6840, 1215, 285));
    Combo15->addItems(entries(Scale::Rating));

    void (PlayerEditor::*const handlers[9])() = {
        nullptr,                        &PlayerEditor::Command1_Click, &PlayerEditor::Command2_Click,
        &PlayerEditor::Command3_Click, &PlayerEditor::Command4_Click, &PlayerEditor::Command5_Click,
        &PlayerEditor::Command6_Click, &PlayerEditor::Command7_Click, &PlayerEditor::Command8_Click};
    for (int c = 1; c <= 8; ++c)
        connect(Command[static_cast<std::size_t>(c)], &QPushButton::clicked, this, handlers[c]);
}

// Each row's controls sit in a row of their own: when a team is shown every control
// repaints, and Qt's work per control grows with the controls beside it in one parent.
void PlayerEditor::buildrow(int r)
{
    const auto i = static_cast<std::size_t>(r);
    rows[i] = new QWidget(this);
    rows[i]->setGeometry(twipsRect(600, kRowTop + kRowHeight * r, kGridRight - 600, kRowHeight));

    Label4[i] = new QLabel(rows[i]);
    Label4[i]->setObjectName(QStringLiteral("Label4_%1").arg(r));
    place(Label4[i], 600, 240);
    Label4[i]->setAlignment(Qt::AlignCenter);  // clear of the "SAVE" button beside rows 23-25

    player_name[i] = new LimitedLineEdit(rows[i]);
    player_name[i]->setObjectName(QStringLiteral("player_name_%1").arg(r));
    place(player_name[i], 840, 2175);
    connect(player_name[i], &LimitedLineEdit::Change, this, [this, r] { player_name_Change(r); });

    playernumber[i] = new LimitedLineEdit(rows[i]);
    playernumber[i]->setObjectName(QStringLiteral("playernumber_%1").arg(r));
    place(playernumber[i], 3000, 375);
    playernumber[i]->setLimit(kNumberLength);
    playernumber[i]->setDigitsOnly(true);
    connect(playernumber[i], &LimitedLineEdit::Change, this, [this, r] { playernumber_Change(r); });

    for (int j = 1; j <= kColumns; ++j) {
        auto* box = new GridCombo(rows[i]);
        box->setObjectName(QStringLiteral("Combo%1_%2").arg(j).arg(r));
        place(box, 3360 + 600 * (j - 1), 615);
        // Each list holds its few entries: a shared item list costs more to give each.
        box->addItems(entries(columnscale(j)));
        grid[i][static_cast<std::size_t>(j)] = box;
    }
}

// A control of a grid row, at `left` twips from the window's edge.
void PlayerEditor::place(QWidget* control, int left, int width)
{
    control->setGeometry(twipsRect(left, 0, width, kRowHeight).translated(-control->parentWidget()->x(), 0));
}

void PlayerEditor::Form_Load()
{
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
    applyroster(goaliemarksedit(cart, curteam), curteam);
    showteam();
}

void PlayerEditor::refresh()
{
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
    const QString team = toQString(cart.teamname[t]) + QLatin1Char(' ') + toQString(cart.teamnick[t]);
    Label1->setText(Label1->fontMetrics().elidedText(team, Qt::ElideRight, Label1->width()));
    Label1->setToolTip(team);
    Label2->setText(latin(generalnumber(cart.forwardcount[t])));
    Label3->setText(latin(generalnumber(cart.defensecount[t])));
    Label20->setText(latin(generalnumber(cart.goaliecount[t])));
    Label5->setText(latin(bytesleftlabel(cart.rosterbytesleft[t], false)));
    const int n = cart.playercount(t);
    for (int r = 0; r < kRows; ++r)
        showrow(r, n);
    dispplayers();
}

void PlayerEditor::showrow(int r, int n)
{
    const auto i = static_cast<std::size_t>(r);
    const int t = curteam;
    const bool shown = r < n;
    Label4[i]->setText(latin(roleletter(cart, t, r)));
    player_name[i]->setVisible(shown);
    playernumber[i]->setVisible(shown);
    for (int j = 1; j <= kColumns; ++j)
        combo(j, r)->setVisible(shown);
    if (!shown)
        return;
    const std::string& name = cart.playername[r + 1][t];
    player_name[i]->setText(toQString(name));
    player_name[i]->setLimit(namelimit(name.size(), cart.rosterbytesleft[t]));
    const std::uint8_t number = cart.playernum[r + 1][t];
    playernumber[i]->setText(latin(jerseytext(number)));
    playernumber[i]->setToolTip(jerseydecimal(number)
                                    ? QString()
                                    : QStringLiteral("Stored as 0x%1, not a decimal number; kept unless you change it")
                                          .arg(latin(jerseytext(number))));
}

void PlayerEditor::dispplayers()
{
    loadgrid(cart, curteam, ratinggrid);
    for (int i = 1; i <= kMaxPlayers; ++i)
        selectgrid(i);
    Label21->setText(latin(averagelabel(teamaverage(ratinggrid, cart.playercount(curteam)))));
}

// Row i - 1 of the grid shows ratinggrid(i, ...). A rating with no list entry leaves
// the list without a selection, marked with its stored value.
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
    applyroster(rostercountedit(cart, t), t);
    gridvalues(ratinggrid);
    storegrid(doc.tables(), t, ratinggrid);
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
    const RosterWrite write = allrostersedit(cart, &cart.RomImage);
    QStringList changed;
    for (const int t : write.changed)
        changed << toQString(cart.teamabbrev[t]);
    apply(write.edit, QStringLiteral("Save players of ") + changed.join(QStringLiteral(", ")), rosterstep());
    ++session;
    saverefusal = QString::fromStdString(write.message);
    if (!write.message.empty())
        emit statusMessage(saverefusal);
}

QString PlayerEditor::commit()
{
    saveplayers();
    return saverefusal;
}

// What a commit would write: the shown team's count byte and grid, and every roster.
bool PlayerEditor::haspending() const
{
    if (curteam <= 0)
        return false;
    Tables next = cart;
    RatingGrid values = ratinggrid;
    gridvalues(values);
    storegrid(next, curteam, values);
    return changes(rostercountedit(next, curteam)) || changes(allrostersedit(next).edit);
}

// Roster writes of one working session, up to the next "SAVE", are one step.
void PlayerEditor::applyroster(const Edit& edit, int t)
{
    apply(edit, QStringLiteral("Roster of ") + toQString(cart.teamabbrev[t]), rosterstep());
}

std::string PlayerEditor::rosterstep() const { return "players:" + std::to_string(session); }

void PlayerEditor::Command1_Click() { saveplayers(); }

void PlayerEditor::Command6_Click()
{
    if (!juicegrid(ratinggrid, Combo15->currentIndex()))
        return;
    for (int i = 1; i <= kMaxPlayers; ++i)
        selectgrid(i);
}

void PlayerEditor::Command8_Click()
{
    if (goalieplus(doc.tables(), curteam))
        List1_Click();
}

void PlayerEditor::Command7_Click()
{
    if (goalieminus(doc.tables(), curteam))
        List1_Click();
}

void PlayerEditor::Command2_Click()
{
    if (defenceplus(doc.tables(), curteam))
        List1_Click();
}

void PlayerEditor::Command3_Click()
{
    if (defenceminus(doc.tables(), curteam))
        List1_Click();
}

void PlayerEditor::Command4_Click()
{
    addplayer(doc.tables(), curteam);
    List1_Click();
}

void PlayerEditor::Command5_Click()
{
    removeplayer(doc.tables(), curteam);
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
    std::uint8_t& stored = doc.tables().playernum[r + 1][curteam];
    stored = keptjersey(toBytes(playernumber[static_cast<std::size_t>(r)]->text()), stored);
}

void PlayerEditor::countnamebytes() { doc.tables().rosterbytesleft[curteam] = rosterfreebytes(cart, curteam); }

void PlayerEditor::updateplayername(int p)
{
    const int t = curteam;
    doc.tables().playername[p][t] = toBytes(player_name[static_cast<std::size_t>(p - 1)]->text());
    countnamebytes();
    for (int q = 0; q < kRows; ++q)
        player_name[static_cast<std::size_t>(q)]->setLimit(namelimit(cart.playername[q + 1][t].size(), cart.rosterbytesleft[t]));
    Label5->setText(latin(bytesleftlabel(cart.rosterbytesleft[t], true)));
}

}  // namespace icevale
