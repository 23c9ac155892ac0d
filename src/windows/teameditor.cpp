#include "windows/teameditor.h"

#include <QLabel>
#include <QPushButton>

#include "core/steps.h"
#include "widgets/limitedlineedit.h"
#include "widgets/qtext.h"
#include "widgets/twips.h"
#include "windows/addedcaptions.h"
#include "windows/questionbox.h"

namespace icevale {
namespace {

constexpr int kRowHeight = 240;
constexpr int kBoxHeight = 285;
constexpr int kLabelHeight = 255;
constexpr int kFirstNameLimit = 12;
constexpr int kSecondNameLimit = 10;

// Dark text on the light red, whatever the palette's text colour.
const QString kWrongStyle = QStringLiteral("background-color: #ffc8c8; color: black;");

QString itemname(const char* name, int index) { return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index); }

}  // namespace

TeamEditor::TeamEditor(Document& document, QWidget* parent)
    : EditorWindow(document, parent, QStringLiteral("TeamEditor"), QStringLiteral("TeamEditor"))
{
    buildcontrols();
}

void TeamEditor::buildcontrols()
{
    for (int i = 0; i < kTeams; ++i)
        buildrow(i);

    Command1 = new QPushButton(QStringLiteral("Save and Exit"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(0, 6840, 6015, 375));
    connect(Command1, &QPushButton::clicked, this, &TeamEditor::Command1_Click);

    Label1 = new QLabel(QStringLiteral("Menu Display Names:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    // Right-aligned and free to reach further left, so a wider font never cuts the caption.
    Label1->setGeometry(twipsRect(0, 7320, 1080 + 1575, kLabelHeight));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Text1 = new LimitedLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setToolTip(QStringLiteral("First menu display name"));
    Text1->setGeometry(twipsRect(2760, 7320, 1335, kBoxHeight));
    connect(Text1, &LimitedLineEdit::Change, this, &TeamEditor::Text1_Change);
    Text2 = new LimitedLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setToolTip(QStringLiteral("Second menu display name"));
    Text2->setGeometry(twipsRect(4200, 7320, 1455, kBoxHeight));
    connect(Text2, &LimitedLineEdit::Change, this, &TeamEditor::Text2_Change);

    // A line below the rows for the reason a save was refused.
    SaveMessage = new QLabel(this);
    SaveMessage->setObjectName(QStringLiteral("SaveMessage"));
    SaveMessage->setGeometry(twipsRect(0, 7650, 6015, 2 * kLabelHeight));
    SaveMessage->setWordWrap(true);
    // A red that reads on the palette's window colour, light or dark.
    SaveMessage->setStyleSheet(palette().color(QPalette::Window).lightness() < 128 ? QStringLiteral("color: #ff9090;")
                                                                                   : QStringLiteral("color: #b00000;"));
    setFixedSize(twipsSize(6090, 7650 + 2 * kLabelHeight + 60));
    addheadings();
    stackrows();
}

// The boxes are taller than the rows are apart. Each row lies over the one below it, so a
// box is covered only along its empty top margin, never over the descenders of its text.
void TeamEditor::stackrows()
{
    for (int i = kTeams - 1; i >= 0; --i) {
        for (QWidget* box : {static_cast<QWidget*>(Teamnm[i]), static_cast<QWidget*>(Teamnick[i]),
                             static_cast<QWidget*>(Teamabbreviation[i]), static_cast<QWidget*>(Teamarena[i]),
                             static_cast<QWidget*>(overallnum[i])})
            box->raise();
    }
}

// A heading over each column of the rows, in a band above them.
void TeamEditor::addheadings()
{
    struct Heading {
        const char* name;
        const char* caption;
        const char* tip;
        int left, width;
    };
    static constexpr Heading kHeadings[] = {
        {"HeadingLocation", "Location", "Location name", 0, 1440},
        {"HeadingNickname", "Nickname", "Nickname", 1440, 1440},
        {"HeadingAbbreviation", "Abbr.", "Abbreviation", 2880, 480},
        {"HeadingArena", "Arena", "Arena name", 3360, 1920},
        {"HeadingOverall", "Ovr.", "Overall number, 0 to 255", 5280, 360},
        {"HeadingBytesLeft", "Left", "Bytes left in the team's text block", 5640, 450},
    };
    const int band = twips(kLabelHeight);
    insertband(this, 0, band);
    for (const Heading& h : kHeadings) {
        QLabel* heading = addcaption(this, QLatin1String(h.name), QString::fromLatin1(h.caption),
                                     QRect(twips(h.left) + 2, 0, twips(h.width) - 2, band), Qt::AlignLeft | Qt::AlignVCenter, 10);
        heading->setToolTip(QString::fromLatin1(h.tip));
    }
}

void TeamEditor::buildrow(int i)
{
    const int top = kRowHeight * i;
    const auto box = [this, i, top](const char* name, int left, int width) {
        auto* edit = new LimitedLineEdit(this);
        edit->setObjectName(itemname(name, i));
        edit->setGeometry(twipsRect(left, top, width, kBoxHeight));
        return edit;
    };
    const QString team = QStringLiteral(" of team %1").arg(i + 1);
    Teamnm[i] = box("Teamnm", 0, 1455);
    Teamnm[i]->setToolTip(QStringLiteral("Location name") + team);
    Teamnick[i] = box("Teamnick", 1440, 1455);
    Teamnick[i]->setToolTip(QStringLiteral("Nickname") + team);
    Teamabbreviation[i] = box("Teamabbreviation", 2880, 495);
    Teamabbreviation[i]->setToolTip(QStringLiteral("Abbreviation") + team);
    Teamarena[i] = box("Teamarena", 3360, 1935);
    Teamarena[i]->setToolTip(QStringLiteral("Arena name") + team);
    overallnum[i] = box("overallnum", 5280, 375);
    overallnum[i]->setToolTip(QStringLiteral("Overall number%1, 0 to 255").arg(team));
    overallnum[i]->setLimit(3);
    bytesremaining[i] = new QLabel(QStringLiteral("0"), this);
    bytesremaining[i]->setObjectName(itemname("bytesremaining", i));
    bytesremaining[i]->setToolTip(QStringLiteral("Bytes left in the text block") + team);
    bytesremaining[i]->setGeometry(twipsRect(5640, top, 375, kLabelHeight));

    connect(Teamnm[i], &LimitedLineEdit::Change, this, [this, i] { Teamnm_Change(i); });
    connect(Teamnick[i], &LimitedLineEdit::Change, this, [this, i] { Teamnick_Change(i); });
    connect(Teamabbreviation[i], &LimitedLineEdit::Change, this, [this, i] { Teamabbreviation_Change(i); });
    connect(Teamarena[i], &LimitedLineEdit::Change, this, [this, i] { Teamarena_Change(i); });
    // Only the look: the number itself is read on save.
    connect(overallnum[i], &QLineEdit::textEdited, this, [this, i] { mark(overallnum[i], false); });
}

void TeamEditor::Form_Load()
{
    SaveMessage->clear();
    for (int i = 0; i < kTeams; ++i) {
        for (LimitedLineEdit* edit : {Teamnm[i], Teamnick[i], Teamabbreviation[i], Teamarena[i], overallnum[i]})
            mark(edit, false);
    }
    mark(Text1, false);
    mark(Text2, false);
    Text1->setLimit(kFirstNameLimit);
    Text2->setLimit(kSecondNameLimit);

    for (int t = 1; t <= kTeams; ++t) {
        Teamnm[t - 1]->setText(toQString(cart.teamname[t]));
        Teamabbreviation[t - 1]->setText(toQString(cart.teamabbrev[t]));
        Teamnick[t - 1]->setText(toQString(cart.teamnick[t]));
        Teamarena[t - 1]->setText(toQString(cart.teamarena[t]));
        overallnum[t - 1]->setText(QString::number(readoverall(cart.RomImage, t).value_or(0)));
    }
    updateallbytes();
    loadmenunames();
    shown = boxtexts();
}

void TeamEditor::updateallbytes()
{
    for (int t = 1; t <= kTeams; ++t)
        updateteambytes(t);
}

void TeamEditor::updateteambytes(int t)
{
    const int i = t - 1;
    const std::array<LimitedLineEdit*, 4> row = {Teamnm[i], Teamnick[i], Teamabbreviation[i], Teamarena[i]};
    qsizetype total = 0;
    for (const LimitedLineEdit* edit : row)
        total += edit->text().size();
    teambytesleft[t] = textblockfree(t, total);
    bytesremaining[i]->setText(QString::number(teambytesleft[t]));
    for (LimitedLineEdit* edit : row)
        edit->setLimit(sharedlimit(teambytesleft[t], edit->text().size()));
}

void TeamEditor::Teamnm_Change(int index) { updateteambytes(index + 1); }
void TeamEditor::Teamnick_Change(int index) { updateteambytes(index + 1); }
void TeamEditor::Teamabbreviation_Change(int index) { updateteambytes(index + 1); }
void TeamEditor::Teamarena_Change(int index) { updateteambytes(index + 1); }
void TeamEditor::Text1_Change() { setmenulimits(); }
void TeamEditor::Text2_Change() { setmenulimits(); }

void TeamEditor::setmenulimits()
{
    Text1->setLimit(kMenuNamesBudget - static_cast<int>(Text2->text().size()));
    Text2->setLimit(kMenuNamesBudget - static_cast<int>(Text1->text().size()));
}

void TeamEditor::loadmenunames()
{
    loadednames = readmenunames(cart.RomImage).value_or(MenuNames{});
    Text1->setText(toQString(loadednames.first));
    Text2->setText(toQString(loadednames.second));
    // A name equal to the one shown before raises no change, yet the limits must follow it.
    setmenulimits();
}

void TeamEditor::Command1_Click()
{
    if (commit().isEmpty())
        close();
}

QString TeamEditor::commit()
{
    if (const QString problems = checksave(); !problems.isEmpty())
        return problems;
    const auto edit = saveedit();
    if (!edit || !apply(*edit, QStringLiteral("Team texts and overall numbers")))
        return QStringLiteral("the texts could not be written");
    loadednames = menunames();
    shown = boxtexts();
    return {};
}

bool TeamEditor::haspending() const
{
    const auto edit = saveedit();
    return !edit || changes(*edit);
}

// What "Save and Exit" writes: the menu names, then every team's records and overall
// number; nothing while an overall number is wrong. Texts too long for their place (only
// from a damaged image, and then unedited, as checksave() sees to) stay as stored.
std::optional<Edit> TeamEditor::saveedit() const
{
    Edit edit;
    if (const auto names = menunamesedit(menunames()))
        edit.append(*names);
    for (int t = 1; t <= kTeams; ++t) {
        const auto overall = parseoverall(toBytes(overallnum[t - 1]->text()));
        if (!overall)
            return std::nullopt;
        if (const auto texts = teamtextedit(t, rowtexts(t)))
            edit.append(*texts);
        edit.append(overalledit(t, *overall));
    }
    return edit;
}

// Nothing is saved unless everything can be: the boxes at fault are marked and the
// window says why. Returns the problems, or an empty text.
QString TeamEditor::checksave()
{
    const QStringList problems = overallproblems() + rowproblems() + nameproblems();
    const QString why = problems.join(QStringLiteral("; "));
    SaveMessage->setText(problems.isEmpty() ? QString() : QStringLiteral("Not saved: ") + why + QStringLiteral("."));
    // Children come in the order they were made: row by row, then the menu names.
    for (LimitedLineEdit* box : findChildren<LimitedLineEdit*>()) {
        if (!box->styleSheet().isEmpty()) {
            box->setFocus();
            break;
        }
    }
    return why;
}

// Boxes holding edits are not dropped without a word: Save stores them as "Save and
// Exit" does (a refusal keeps the window open with its message), Discard drops them.
// Only the user's edits count: a damaged image can show texts that storing would
// rewrite although nobody touched them.
bool TeamEditor::mayclose()
{
    if (boxtexts() == shown)
        return true;
    const QString text = QStringLiteral("%1 holds changes that are not stored in the image. Store them before closing?")
                             .arg(plainname());
    switch (askunsaved(this, text)) {
    case QMessageBox::Save:
        return commit().isEmpty();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

QStringList TeamEditor::overallproblems()
{
    QStringList wrong;
    for (int t = 1; t <= kTeams; ++t) {
        const bool ok = parseoverall(toBytes(overallnum[t - 1]->text())).has_value();
        mark(overallnum[t - 1], !ok);
        if (!ok)
            wrong << teamlabel(t);
    }
    if (wrong.isEmpty())
        return {};
    std::vector<std::string> labels;
    for (const QString& label : wrong)
        labels.push_back(label.toStdString());
    return {QString::fromStdString(overallproblem(labels))};
}

// Rows can be too long for their blocks only in a damaged image; unedited they stay as
// stored, edited they must first shrink to fit.
QStringList TeamEditor::rowproblems()
{
    QStringList problems;
    for (int t = 1; t <= kTeams; ++t) {
        const bool toolong = teambytesleft[t] < 0 && rowtexts(t) != teamtexts(cart, t);
        for (LimitedLineEdit* edit : {Teamnm[t - 1], Teamnick[t - 1], Teamabbreviation[t - 1], Teamarena[t - 1]})
            mark(edit, toolong);
        if (toolong)
            problems << QString::fromStdString(textstoolongproblem(teamlabel(t).toStdString(), -teambytesleft[t]));
    }
    return problems;
}

QStringList TeamEditor::nameproblems()
{
    const MenuNames names = menunames();
    const auto over = static_cast<qsizetype>(names.first.size() + names.second.size()) - kMenuNamesBudget;
    const bool toolong = over > 0 && names != loadednames;
    mark(Text1, toolong);
    mark(Text2, toolong);
    if (!toolong)
        return {};
    return {QString::fromStdString(menunamesproblem(over))};
}

TeamTexts TeamEditor::rowtexts(int t) const
{
    const int i = t - 1;
    return {toBytes(Teamnm[i]->text()), toBytes(Teamabbreviation[i]->text()), toBytes(Teamnick[i]->text()),
            toBytes(Teamarena[i]->text())};
}

QStringList TeamEditor::boxtexts() const
{
    QStringList texts;
    for (const LimitedLineEdit* box : findChildren<LimitedLineEdit*>())
        texts << box->text();
    return texts;
}

MenuNames TeamEditor::menunames() const { return {toBytes(Text1->text()), toBytes(Text2->text())}; }

QString TeamEditor::teamlabel(int t) const
{
    return QString::fromStdString(icevale::teamlabel(t, Teamnm[t - 1]->text().toStdString()));
}

void TeamEditor::mark(QWidget* box, bool wrong)
{
    const QString style = wrong ? kWrongStyle : QString();
    if (box->styleSheet() != style)
        box->setStyleSheet(style);
}

}  // namespace icevale
