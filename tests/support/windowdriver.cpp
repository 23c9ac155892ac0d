#include "support/windowdriver.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QtTest/QTest>

namespace icevale::test {

void click(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void clickRow(QWidget* list, int row)
{
    auto* view = qobject_cast<QListWidget*>(list);
    ASSERT_NE(view, nullptr);
    const QRect rect = view->visualItemRect(view->item(row));
    ASSERT_TRUE(rect.isValid()) << "row " << row << " is not shown";
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

void typeInto(QWidget* box, const QString& text)
{
    auto* edit = qobject_cast<QLineEdit*>(box);
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->end(false);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void backspace(QWidget* box, int n, int at)
{
    auto* edit = qobject_cast<QLineEdit*>(box);
    ASSERT_NE(edit, nullptr);
    edit->setCursorPosition(at < 0 ? static_cast<int>(edit->text().size()) : at);
    for (int i = 0; i < n; ++i)
        QTest::keyClick(edit, Qt::Key_Backspace);
}

void pasteInto(QWidget* box, const QString& text)
{
    auto* edit = qobject_cast<QLineEdit*>(box);
    ASSERT_NE(edit, nullptr);
    QApplication::clipboard()->setText(text);
    edit->setFocus();
    edit->end(false);
    QTest::keySequence(edit, QKeySequence::Paste);
}

void moveBar(QScrollBar* bar, int value)
{
    ASSERT_NE(bar, nullptr);
    const QPoint left(3, bar->height() / 2), right(bar->width() - 3, bar->height() / 2);
    for (int guard = 0; bar->value() != value && guard < 64; ++guard)
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->value() < value ? right : left);
    EXPECT_EQ(bar->value(), value);
}

void pick(QComboBox* combo, int index)
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

void closeWindow(QWidget* window)
{
    ASSERT_NE(window, nullptr);
    window->close();
}

void pressKeys(QWidget* window, const QKeySequence& keys)
{
    ASSERT_NE(window, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keySequence(window, keys);
}

void answerFileDialog(QWidget* owner, const QString& path)
{
    QTimer::singleShot(0, owner, [owner, path] {
        auto* dialog = owner->findChild<QFileDialog*>(QStringLiteral("CommonDialog1"));
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(dialog->isVisible()) << "the file dialog is not shown";
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        // Typed into the name box: selectFile() leaves a focused name box alone.
        auto* nameBox = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(nameBox, nullptr);
        nameBox->setText(path);
        static_cast<QDialog*>(dialog)->accept();  // the Open or Save button
        // A folder name makes the dialog enter the folder instead of accepting.
        if (dialog->isVisible())
            static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
    });
}

}  // namespace icevale::test
