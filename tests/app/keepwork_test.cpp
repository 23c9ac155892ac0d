#include <QCompleter>
#include <QDir>
#include <QFileDialog>

#include "app/appfixture.h"

namespace icevale {
namespace {

using namespace test;

using KeepWork = OpenedForm;

// Saving over the open file or to a new name asks nothing; over another existing file,
// Cancel leaves it byte for byte and Replace replaces it. The path box and the status
// line show the absolute path of the file the image now belongs to.
TEST_F(KeepWork, ReplacingAnotherFileAsksAndTheFileIsNamedByItsAbsolutePath)
{
    const Bytes theirs(sampleImage().bytes.size(), 0x5A);
    const QString other = write("other.smc", theirs);
    const auto pathbox = [&] { return child<QLabel>(&form, QStringLiteral("Label1"))->text(); };
    pickNext(open(8), QStringLiteral("Combo8"));
    {
        // Enter answers Cancel: a key pressed in haste replaces nothing.
        const ModalAnswer enter(QStringLiteral("ReplaceFile"), [](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
        save(other);
        EXPECT_TRUE(enter.answered());
        EXPECT_EQ(readFile(other.toStdString()), theirs);
    }
    for (const QMessageBox::StandardButton answer : {QMessageBox::Cancel, QMessageBox::Yes}) {  // Yes: "Replace"
        QString text;
        const auto replace = answerBox(QStringLiteral("ReplaceFile"), answer, &text);
        save(other);
        EXPECT_TRUE(replace->answered() && text.contains(other)) << text.toStdString();
        EXPECT_EQ(readFile(other.toStdString()) == theirs, answer == QMessageBox::Cancel);
        EXPECT_EQ(marked(), answer == QMessageBox::Cancel);
        EXPECT_EQ(status().startsWith(QStringLiteral("Nothing was saved")), answer == QMessageBox::Cancel) << status().toStdString();
    }
    EXPECT_TRUE(pathbox() == other && status().contains(other)) << status().toStdString();
    for (const QString& name : {other, QString::fromStdString(dir.path("new.smc").string())}) {
        const auto unasked = answerBox(QStringLiteral("ReplaceFile"), QMessageBox::Cancel);
        save(name);
        EXPECT_FALSE(unasked->answered());
        EXPECT_EQ(readFile(name.toStdString()), image());
    }
    const QString folder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(dir.path("").string())));
    const bool opened = form.openfile(QStringLiteral("./in.smc"));  // as from the command line
    QDir::setCurrent(folder);
    ASSERT_TRUE(opened);
    EXPECT_TRUE(pathbox() == file && status().startsWith(QStringLiteral("Opened ") + file)) << status().toStdString();
}

// The title's marker follows a discarded close; quitting, or opening another image, past
// a window that cannot store its edits asks without offering Save.
TEST_F(KeepWork, TheMarkerFollowsADiscardAndLeavingPastARefusingWindowAsks)
{
    QWidget* teams = open(4);
    backspace(child<QLineEdit>(teams, QStringLiteral("Teamnm_0")), 1);
    EXPECT_TRUE(marked());
    {
        const auto discard = answerQuestion(QMessageBox::Discard);
        teams->close();
    }
    EXPECT_FALSE(marked());

    open(4);
    auto* overall = child<QLineEdit>(teams, QStringLiteral("overallnum_2"));
    overall->selectAll();
    QTest::keyClicks(overall, QStringLiteral("abc"));
    pickNext(open(8), QStringLiteral("Combo8"));
    QString text;
    {
        const auto cancel = answerQuestion(QMessageBox::Cancel, &text);
        EXPECT_FALSE(form.openfile(write("other.smc", sampleImage().bytes)));
    }
    EXPECT_TRUE(text.startsWith(QStringLiteral("Edit Teams cannot store")) && text.contains(QStringLiteral("overall number")))
        << text.toStdString();
    EXPECT_TRUE(teams->isVisible() && QTest::qWaitForWindowActive(teams));
    EXPECT_EQ(form.document().filename(), file.toStdString());

    std::unique_ptr<ModalAnswer> thenimage;  // the unsaved image is asked about next
    bool offeredsave = true;
    const ModalAnswer refusal(QStringLiteral("UnsavedChanges"), [&](QWidget* modal) {
        auto* box = static_cast<QMessageBox*>(modal);
        offeredsave = box->button(QMessageBox::Save) != nullptr;
        thenimage = answerQuestion(QMessageBox::Discard);
        box->button(QMessageBox::Discard)->click();
    });
    form.close();
    EXPECT_TRUE(refusal.answered() && thenimage && thenimage->answered() && !offeredsave);
    EXPECT_FALSE(form.isVisible() || teams->isVisible());
    EXPECT_EQ(readFile(file.toStdString()), sampleImage().bytes);
}

// A completion list open in the name box when the name is accepted goes with the dialog.
TEST_F(KeepWork, NothingOfTheSaveDialogOutlivesIt)
{
    watchdog->stop();  // the dialog stays up while the typing waits for the list
    const QString typed = QString::fromStdString(dir.path("i").string());  // in.smc is there to complete it
    bool listshown = false;
    const ModalAnswer slowly(QStringLiteral("CommonDialog1"), [&](QWidget* dialog) {
        static_cast<QFileDialog*>(dialog)->setDirectory(QString::fromStdString(dir.path("").string()));
        auto* box = child<QLineEdit>(dialog, QStringLiteral("fileNameEdit"));
        box->clear();
        for (const QChar c : typed) {
            QTest::keyClick(box, c.toLatin1());
            QTest::qWait(5);
        }
        QAbstractItemView* list = box->completer() ? box->completer()->popup() : nullptr;
        listshown = list && QTest::qWaitFor([list] { return list->isVisible(); }, 10000);
        // Enter in the name box, where the typing went; the first one may only close the list.
        for (int i = 0; i < 2 && dialog->isVisible(); ++i)
            QTest::keyClick(box, Qt::Key_Return);
    });
    click(child<QPushButton>(&form, QStringLiteral("Command2")));
    EXPECT_TRUE(slowly.answered() && listshown);
    EXPECT_EQ(std::filesystem::path(form.document().filename()).parent_path(), dir.path("").parent_path());
    QTest::qWait(100);  // a list shown again from the event loop would show by now
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_TRUE(top == &form || !top->isVisible()) << top->metaObject()->className();
}

// Open, save, undo and redo act from every editor window as from the main window.
TEST_F(KeepWork, TheMainKeysActFromEveryWindow)
{
    QWidget* menu = open(8);
    const Bytes before = image();
    pickNext(menu, QStringLiteral("Combo8"));
    pressKeys(menu, QKeySequence::Save);  // to the open file, no dialog (the watchdog fails one)
    EXPECT_EQ(readFile(file.toStdString()), image());
    EXPECT_NE(image(), before);
    pickNext(menu, QStringLiteral("Combo8"));
    {
        // Save As asks for the name and adds the extension to a new one without it.
        const auto answer = answerFileDialog(QString::fromStdString(dir.path("copy").string()));
        pressKeys(menu, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
        EXPECT_TRUE(answer->answered());
    }
    EXPECT_EQ(readFile(dir.path("copy.smc")), image());
    EXPECT_FALSE(std::filesystem::exists(dir.path("copy")));
    form.undo();
    const Bytes after = image();
    for (const QKeySequence& redo : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
        pressKeys(menu, QKeySequence(Qt::CTRL | Qt::Key_Z));
        EXPECT_EQ(image(), before);
        pressKeys(menu, redo);
        EXPECT_EQ(image(), after);
    }
    const auto answer = answerFileDialog({});
    pressKeys(open(4), QKeySequence::Open);
    EXPECT_TRUE(answer->answered());
}

}  // namespace
}  // namespace icevale
