#pragma once
// Acting on windows as a person would: typing, clicking, picking entries, answering
// the file dialog, closing with the close control or the keyboard.
#include <QComboBox>
#include <QKeySequence>
#include <QScrollBar>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

namespace icevale::test {

// The child of `window` with this objectName; fails the test when there is none.
template <class T>
T* child(const QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << "no control named " << name.toStdString();
    return found;
}

// Clicks the centre of a widget (buttons, labels) or the given point of it.
void click(QWidget* widget);

// Clicks the row of a list box as a person would.
void clickRow(QWidget* list, int row);

// Puts the cursor at the end of a text box and types text key by key (any characters).
void typeInto(QWidget* box, const QString& text);

// Presses Backspace n times with the cursor at position `at` (end when -1).
void backspace(QWidget* box, int n, int at = -1);

// Pastes text from the clipboard at the end of a text box.
void pasteInto(QWidget* box, const QString& text);

// Clicks the arrows of a scroll bar until it shows `value`.
void moveBar(QScrollBar* bar, int value);

// Picks entry `index` of a drop-down list through its popup, as a person would.
void pick(QComboBox* combo, int index);

// Closes a window with its close control.
void closeWindow(QWidget* window);

// Makes the window active and presses the keys, as a person would at the keyboard.
void pressKeys(QWidget* window, const QKeySequence& keys);

// Arranges for the next file dialog shown by `owner` (objectName CommonDialog1) to be
// answered with `path`, or cancelled when path is empty. The answer is given once the
// dialog runs, so call this just before the click that opens it.
void answerFileDialog(QWidget* owner, const QString& path);

}  // namespace icevale::test
