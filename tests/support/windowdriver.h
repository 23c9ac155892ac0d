#pragma once
// Acting on windows as a person would: typing, clicking, picking entries, answering
// the file dialog and the question boxes, pressing keys. (QWidget::close() is the close
// control.)
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScrollBar>
#include <QSet>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace icevale::test {

// The child of `window` with this objectName; fails the test when there is none.
template <class T>
T* child(const QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << "no control named " << name.toStdString();
    return found;
}

// Clicks the centre of a widget (buttons, labels).
inline void click(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// Clicks the row of a list box as a person would.
inline void clickRow(QListWidget* list, int row)
{
    ASSERT_NE(list, nullptr);
    const QRect rect = list->visualItemRect(list->item(row));
    ASSERT_TRUE(rect.isValid()) << "row " << row << " is not shown";
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

// Puts the cursor at the end of a text box and types text key by key (any characters).
inline void typeInto(QLineEdit* edit, const QString& text)
{
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->end(false);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Presses Backspace n times with the cursor at position `at` (end when -1).
inline void backspace(QLineEdit* edit, int n, int at = -1)
{
    ASSERT_NE(edit, nullptr);
    edit->setCursorPosition(at < 0 ? static_cast<int>(edit->text().size()) : at);
    for (int i = 0; i < n; ++i)
        QTest::keyClick(edit, Qt::Key_Backspace);
}

// Pastes text from the clipboard at the end of a text box.
inline void pasteInto(QLineEdit* edit, const QString& text)
{
    ASSERT_NE(edit, nullptr);
    QApplication::clipboard()->setText(text);
    edit->setFocus();
    edit->end(false);
    QTest::keySequence(edit, QKeySequence::Paste);
}

// Clicks the arrows of a scroll bar until it shows `value`.
inline void moveBar(QScrollBar* bar, int value)
{
    ASSERT_NE(bar, nullptr);
    const QPoint left(3, bar->height() / 2), right(bar->width() - 3, bar->height() / 2);
    for (int guard = 0; bar->value() != value && guard < 64; ++guard)
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->value() < value ? right : left);
    EXPECT_EQ(bar->value(), value);
}

// Picks entry `index` of a drop-down list through its popup, as a person would.
inline void pick(QComboBox* combo, int index)
{
    ASSERT_NE(combo, nullptr);
    ASSERT_TRUE(index >= 0 && index < combo->count());
    // Through the popup's view, as a mouse pick is, so the activation signals fire too.
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex item = view->model()->index(index, combo->modelColumn(), view->rootIndex());
    view->setCurrentIndex(item);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(combo->currentIndex(), index);
}

// Makes the target's window active and presses the keys in the target, as a person
// would at the keyboard.
inline void pressKeys(QWidget* target, const QKeySequence& keys)
{
    target->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(target->window()));
    QTest::keySequence(target, keys);
}

// Answers the next modal dialog with this objectName once it is the active modal widget.
// A dialog runs its own event loop inside the click that shows it, so the answer is given
// from there: a poll that looks every few milliseconds, however late the dialog comes,
// and fails the test when it never comes while it is awaited. Make one just before the
// action that shows the dialog; it stops waiting when it goes out of scope.
inline int dialogsAnswered = 0;  // by every ModalAnswer, so a watchdog tells one showing from the next

class ModalAnswer {
public:
    ModalAnswer(const QString& name, std::function<void(QWidget*)> answer)
    {
        since.start();
        QObject::connect(&poll, &QTimer::timeout, [this, name, answer = std::move(answer)] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal->isVisible() && modal->objectName() == name) {
                poll.stop();
                answered_ = true;
                ++dialogsAnswered;
                answer(modal);
            } else if (since.elapsed() > 30000) {
                poll.stop();
                ADD_FAILURE() << "no dialog " << name.toStdString() << " came";
            }
        });
        poll.start(5);
    }
    bool answered() const { return answered_; }

private:
    QTimer poll;
    QElapsedTimer since;
    bool answered_ = false;
};

// Answers the next file dialog (objectName CommonDialog1) with `path` typed into its name
// box, or cancels it when path is empty.
inline std::unique_ptr<ModalAnswer> answerFileDialog(const QString& path)
{
    return std::make_unique<ModalAnswer>(QStringLiteral("CommonDialog1"), [path](QWidget* modal) {
        auto* dialog = static_cast<QDialog*>(modal);
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        // Typed into the name box: selectFile() leaves a focused name box alone.
        auto* nameBox = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(nameBox, nullptr);
        nameBox->setText(path);
        dialog->accept();  // the Open or Save button
        // A folder name makes the dialog enter the folder instead of accepting.
        if (dialog->isVisible())
            dialog->done(QDialog::Accepted);
    });
}

// Answers the next question box with this objectName by clicking `button`; its text goes
// to `text` when given. (The ReplaceFile box's Replace is its Yes button.)
inline std::unique_ptr<ModalAnswer> answerBox(const QString& name, QMessageBox::StandardButton button,
                                              QString* text = nullptr)
{
    return std::make_unique<ModalAnswer>(name, [button, text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        if (text)
            *text = box->text();
        QAbstractButton* choice = box->button(button);
        ASSERT_NE(choice, nullptr) << "the box offers no button " << button;
        choice->click();
    });
}

// Whether `w` is one of the window's own controls (a label, button, box, list or bar),
// not a part Qt builds inside a control or a dialog (a list's bars, a drop-down's popup,
// a scroll area's bars).
inline bool iscontrol(const QWidget* w, const QWidget* window)
{
    bool own = qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
               qobject_cast<const QComboBox*>(w) || qobject_cast<const QLineEdit*>(w) ||
               qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QScrollBar*>(w);
    for (const QWidget* up = w->parentWidget(); up && up != window; up = up->parentWidget())
        own = own && !qobject_cast<const QComboBox*>(up) && !qobject_cast<const QAbstractItemView*>(up) &&
              !qobject_cast<const QDialog*>(up) && !up->objectName().endsWith(QStringLiteral("container"));
    return own;
}

// The controls of `window` that tests and automation cannot find by name: those without
// one and those sharing one.
inline QStringList unfindable(const QWidget* window)
{
    QStringList found;
    QSet<QString> names;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!iscontrol(w, window))
            continue;
        const QLabel* label = qobject_cast<const QLabel*>(w);
        if (w->objectName().isEmpty())
            found << QStringLiteral("an unnamed %1 %2").arg(QString::fromLatin1(w->metaObject()->className()), label ? label->text() : QString());
        else if (names.contains(w->objectName()))
            found << QStringLiteral("two named ") + w->objectName();
        names.insert(w->objectName());
    }
    return found;
}

}  // namespace icevale::test
