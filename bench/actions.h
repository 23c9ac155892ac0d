#pragma once
// Picking the entry after the one selected in a drop-down list, so every pick is a
// change; and one key a person types into a text box: alternately Backspace at the end of the text
// and the letter it erased, so that every step changes the text and the text stays
// within its limit.
#include <QComboBox>
#include <QLineEdit>

namespace icevale::bench {

inline void picknext(QComboBox* box) { box->setCurrentIndex((box->currentIndex() + 1) % box->count()); }

inline void typeorerase(QLineEdit* box, int step)
{
    box->setCursorPosition(static_cast<int>(box->text().size()));
    if (step % 2 == 0) {
        box->setProperty("erased", box->text().right(1));
        box->backspace();
    } else {
        box->insert(box->property("erased").toString());
    }
}

}  // namespace icevale::bench
