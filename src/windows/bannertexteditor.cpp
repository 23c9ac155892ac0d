#include "windows/bannertexteditor.h"

#include <QLabel>
#include <QPushButton>

#include "core/bannertexts.h"
#include "core/steps.h"
#include "widgets/limitedlineedit.h"
#include "widgets/qtext.h"
#include "widgets/twips.h"

namespace icevale {

BannerTextEditor::BannerTextEditor(Document& document, QWidget* parent)
    : EditorWindow(document, parent, QStringLiteral("BannerTextEditor"), QStringLiteral("Banner Text Length Editor"))
{
    buildcontrols();
}

void BannerTextEditor::buildcontrols()
{
    setFixedSize(twipsSize(4680, 7680));
    for (int i = 0; i < kTeams; ++i) {
        auto* box = new LimitedLineEdit(this);
        box->setObjectName(QStringLiteral("Teamnm_%1").arg(i));
        box->setGeometry(twipsRect(0, 240 * i, 1455, 285));
        connect(box, &LimitedLineEdit::Change, this, &BannerTextEditor::updatebannerbytes);
        Teamnm[static_cast<std::size_t>(i)] = box;
    }
    Label1 = new QLabel(QStringLiteral("bytes remaining"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(1560, 120, 3015, 255));
    Label2 = new QLabel(
        QStringLiteral("Hover the mouse over the box to get the team name for that box (if you made an error)"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label2->setGeometry(twipsRect(1560, 480, 2415, 735));
    Command1 = new QPushButton(QStringLiteral("Save and Exit"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(120, 6840, 4455, 375));
    connect(Command1, &QPushButton::clicked, this, &BannerTextEditor::Command1_Click);
}

void BannerTextEditor::Form_Load()
{
    Label1->setText(QStringLiteral("bytes remaining"));
    tablesound = bannertablesound(cart.RomImage);
    bannerspace = static_cast<std::int16_t>(kBannerTextSize);
    for (int t = 1; t <= kTeams; ++t) {
        LimitedLineEdit* box = Teamnm[static_cast<std::size_t>(t - 1)];
        box->setLimit(cart.bannertextlen[t]);
        box->setToolTip(toQString(cart.teamname[t]));
        box->setText(QString());
        loadedtexts[t] = bannerboxtext(cart, cart.RomImage, t);
        box->setText(toQString(loadedtexts[t]));
    }
    // Also when no text changed (all empty), so the line and limits match the texts.
    updatebannerbytes();
}

void BannerTextEditor::updatebannerbytes()
{
    qsizetype used = 0;
    for (const LimitedLineEdit* box : Teamnm)
        used += box->text().size() + 1;
    const int left = bannerspace - static_cast<int>(used);
    Label1->setText((left >= 0 ? QStringLiteral(" ") : QString()) + QString::number(left) +
                    QStringLiteral(" bytes left for banner names"));
    for (LimitedLineEdit* box : Teamnm)
        box->setLimit(left + static_cast<int>(box->text().size()));
}

void BannerTextEditor::Command1_Click() { close(); }

void BannerTextEditor::Form_Unload() { savebannertext(); }

void BannerTextEditor::savebannertext() { storetexts(); }

// Texts read through a damaged table may be only what could be shown of them (cut,
// shifted, without their zero bytes), so such a table is replaced only once the user
// has changed a text.
bool BannerTextEditor::mustsave(const TeamTable<std::string>& texts) const
{
    return tablesound || texts != loadedtexts;
}

QString BannerTextEditor::storetexts()
{
    const TeamTable<std::string> texts = boxtexts();
    if (!mustsave(texts))
        return {};
    const auto edit = bannertextsedit(texts);
    if (!edit) {
        const QString why = overflow(texts);
        emit statusMessage(why);
        return why;
    }
    if (!apply(*edit, QStringLiteral("Banner texts")))
        return QStringLiteral("Banner texts not saved.");
    tablesound = true;
    loadedtexts = texts;
    return {};
}

QString BannerTextEditor::overflow(const TeamTable<std::string>& texts)
{
    return QString::fromStdString(bannertextsproblem(bannerbytesused(texts) - kBannerTextSize));
}

QString BannerTextEditor::commit() { return storetexts(); }

QString BannerTextEditor::closerefusal() const
{
    const TeamTable<std::string> texts = boxtexts();
    return mustsave(texts) && !bannertextsedit(texts) ? overflow(texts) : QString();
}

bool BannerTextEditor::haspending() const
{
    const TeamTable<std::string> texts = boxtexts();
    if (!mustsave(texts))
        return false;
    const auto edit = bannertextsedit(texts);
    return !edit || changes(*edit);
}

TeamTable<std::string> BannerTextEditor::boxtexts() const
{
    TeamTable<std::string> texts;
    for (int t = 1; t <= kTeams; ++t)
        texts[t] = toBytes(Teamnm[static_cast<std::size_t>(t - 1)]->text());
    return texts;
}

}  // namespace icevale
