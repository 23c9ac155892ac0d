#pragma once
// A text box whose limit restricts only what the user types or pastes: text set by the
// program is never cut, deleting always works, a paste inserts as much as fits, a limit
// of 0 or below admits nothing new, and characters without a code in the image's
// character set are dropped (and, in a number box, everything but digits).
// setMaxLength is not used because it cuts existing text.
#include <QLineEdit>

namespace icevale {

class LimitedLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit LimitedLineEdit(QWidget* parent = nullptr);

    void setLimit(int limit) { limit_ = limit; }
    int limit() const { return limit_; }
    // Admit only the digits 0-9 from typing and pasting, as a number box does.
    void setDigitsOnly(bool digits) { digitsOnly_ = digits; }

    // Program-set text: shown in full whatever the limit, from its beginning; raises
    // textChanged when it differs from the text shown.
    void setText(const QString& text);

signals:
    // The text changed, by the user or the program. Unlike textChanged it never fires
    // for an edit that was refused and left the text as it was.
    void Change(const QString& text);
    // Typed or pasted text was not taken whole: characters the game cannot store were
    // left out, or the text was cut at the limit. Said once for each such edit.
    void notice(const QString& text);

private:
    class Guard;
    friend class Guard;
    void tell(const QString& typed, const QString& stored, const QString& kept);
    QString accepted_;  // the text after the last change
    int limit_ = 32767;
    bool programSet_ = false;
    bool digitsOnly_ = false;
};

}  // namespace icevale
