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
        QString inserted = keepEncodable(input.mid(prefix, input.size() - prefix - suffix));
        if (box_->digitsOnly_)
            inserted.removeIf([](QChar c) { return c < u'0' || c > u'9'; });
        const qsizetype rest = input.size() - (input.size() - prefix - suffix);
        const qsizetype room = std::max<qsizetype>(0, std::max<qsizetype>(box_->limit_, before.size()) - rest);
        const QString kept = inserted.left(room);
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
