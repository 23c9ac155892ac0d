// The player editor's controls: the team list, the labels and column headers, the
// buttons and the 25 grid rows, at their written places.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "core/playerlabels.h"
#include "widgets/clicklist.h"
#include "widgets/limitedlineedit.h"
#include "widgets/twips.h"
#include "windows/addedcaptions.h"
#include "windows/gridcombo.h"
#include "windows/playereditor.h"

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

}  // namespace

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
    addcaptions();
}

// Two bands above the grid: captions under the roster counters and their buttons, then
// headings over the name and number columns.
void PlayerEditor::addcaptions()
{
    constexpr int kBand = 13;
    const int top = twips(kRowTop) - 8;
    insertband(this, top, 2 * kBand);
    struct Caption {
        const char* name;
        const char* text;
        const char* tip;
        int left, width, band;
        QWidget* control;
    };
    const Caption captions[] = {
        {"CaptionGoalies", "Goalies", "Goalies on the roster; + and - move the first forward", 720, 855, 0, Label20},
        {"CaptionForwards", "Fwd", "Forwards on the roster", 1680, 360, 0, Label2},
        {"CaptionDefence", "Defence", "Defencemen on the roster; + and - move the last forward", 2040, 855, 0, Label3},
        {"HeadingName", "Name", "Player names", 840, 2160, 1, nullptr},
        {"HeadingNumber", "No.", "Jersey numbers", 3000, 360, 1, nullptr},
    };
    for (const Caption& c : captions) {
        QLabel* caption = addcaption(this, QLatin1String(c.name), QString::fromLatin1(c.text),
                                     QRect(twips(c.left), top + c.band * kBand, twips(c.width), kBand),
                                     Qt::AlignLeft | Qt::AlignVCenter, 9, c.control);
        caption->setToolTip(QString::fromLatin1(c.tip));
    }
    for (int r = 0; r < kRows; ++r) {
        const auto i = static_cast<std::size_t>(r);
        player_name[i]->setToolTip(QStringLiteral("Name, row %1").arg(r + 1));
    }
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
    Combo15->setToolTip(QStringLiteral("The rating Juice Team gives every player"));

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
        connect(box, &QComboBox::currentIndexChanged, this, &PlayerEditor::syncgrid);
    }
}

// A control of a grid row, at `left` twips from the window's edge.
void PlayerEditor::place(QWidget* control, int left, int width)
{
    control->setGeometry(twipsRect(left, 0, width, kRowHeight).translated(-control->parentWidget()->x(), 0));
}

}  // namespace icevale
