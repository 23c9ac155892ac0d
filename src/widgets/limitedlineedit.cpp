#include "widgets/limitedlineedit.h"

#include <QValidator>

#include "widgets/panelstyle.h"
#include "widgets/qtext.h"

namespace icevale {

// Every change made through the box's editing (typing, paste, drop, undo) passes here
// before textChanged fires, so handlers only ever see text within the rules.
class LimitedLineEdit::Guard : public QValidator {
public:
    explicit Guard(LimitedLineEdit* box) : QValidator(box), box_(box) {}

    State validate(QString& input, int& pos) const override
    {
        if (box_->programSet_)
            return Acceptable;
        const QString& before = box_->accepted_;
        const qsizetype common = std::min(before.size(), input.size());
        qsizetype prefix = 0;
        while (prefix < common && before[prefix] == input[prefix])
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < common - prefix && before[before.size() - 1 - suffix] == input[input.size() - 1 - suffix])
            ++suffix;
        const QString typed = input.mid(prefix, input.size() - prefix - suffix);
        QString inserted = keepEncodable(typed);
        if (box_->digitsOnly_)
            inserted.removeIf([](QChar c) { return c < u'0' || c > u'9'; });
        const qsizetype rest = input.size() - (input.size() - prefix - suffix);
        const qsizetype room = std::max<qsizetype>(0, std::max<qsizetype>(box_->limit_, before.size()) - rest);
        const QString kept = inserted.left(room);
        if (kept.size() != typed.size())
            box_->tell(typed, inserted, kept);
        input = input.left(prefix) + kept + input.right(suffix);
        pos = static_cast<int>(prefix + kept.size());
        return Acceptable;
    }

private:
    LimitedLineEdit* box_;
};

LimitedLineEdit::LimitedLineEdit(QWidget* parent) : QLineEdit(parent)
{
    setStyle(PanelStyle::instance());
    setValidator(new Guard(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text == accepted_)
            return;
        accepted_ = text;
        emit Change(text);
    });
}

// What was left out of `typed`: characters with no code (or, in a number box, no digit),
// then whatever of the storable rest went past the limit.
void LimitedLineEdit::tell(const QString& typed, const QString& stored, const QString& kept)
{
    QStringList left;
    qsizetype next = 0;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (next < stored.size() && stored[next] == typed[i]) {
            ++next;
            continue;
        }
        // A character beyond the first 65536 takes two units, named together.
        const qsizetype units = typed[i].isHighSurrogate() && i + 1 < typed.size() ? 2 : 1;
        const QString quoted = QStringLiteral("\u201C%1\u201D").arg(typed.mid(i, units));
        i += units - 1;
        if (!left.contains(quoted))
            left.append(quoted);
    }
    QString text;
    if (!left.isEmpty()) {
        const bool one = left.size() == 1;
        text = digitsOnly_ ? QStringLiteral("Only digits can be typed here: %1 %2 left out.")
                                 .arg(left.join(QStringLiteral(", ")), one ? QStringLiteral("was") : QStringLiteral("were"))
                           : QStringLiteral("%1 cannot be stored and %2 left out.")
                                 .arg(left.join(QStringLiteral(", ")), one ? QStringLiteral("was") : QStringLiteral("were"));
    }
    if (kept.size() < stored.size()) {
        const qsizetype over = stored.size() - kept.size();
        const QString cut = QStringLiteral("The text was cut at the box\u2019s limit: %1 character%2 left out.")
                                .arg(over)
                                .arg(over == 1 ? QString() : QStringLiteral("s"));
        text = text.isEmpty() ? cut : text + QLatin1Char(' ') + cut;
    }
    emit notice(text);
}

void LimitedLineEdit::setText(const QString& text)
{
    // Setting the text shown clears the selection and the box's own undo and puts the
    // cursor at the start; with none of those to do, it only repaints the box.
    if (text == QLineEdit::text() && !hasSelectedText() && !isUndoAvailable() && !isRedoAvailable() &&
        !isModified() && cursorPosition() == 0)
        return;
    programSet_ = true;
    QLineEdit::setText(text);
    programSet_ = false;
    setCursorPosition(0);
}

}  // namespace icevale
