#include <QDropEvent>
#include <QFileDialog>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QUrl>

#include "app/appfixture.h"
#include "core/bannertexts.h"

namespace icevale {
namespace {

using namespace test;

std::vector<bool> enabled(const Form1& form)
{
    std::vector<bool> states;
    for (int c = 1; c <= 10; ++c)
        states.push_back(child<QPushButton>(&form, QStringLiteral("Command%1").arg(c))->isEnabled());
    return states;
}

QString label1(const Form1& form) { return child<QLabel>(&form, QStringLiteral("Label1"))->text(); }

TEST(MainWindow, StartsWithOnlyOpenRomAndACancelledOrFailedFirstOpenEnablesNothing)
{
    TempDir dir;
    Form1 form;
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("SNES Icevale EDITOR"));
    writeFile(dir.path("short.smc"), Bytes(10, 0));
    for (const QString& path : {QString(), QString::fromStdString(dir.path("short.smc").string())}) {
        const auto answer = answerFileDialog(path);  // cancelled, then a file too short
        click(child<QPushButton>(&form, QStringLiteral("Command1")));
        EXPECT_TRUE(answer->answered());
        EXPECT_EQ(enabled(form), std::vector<bool>({true, false, false, false, false, false, false, false, false, false}));
        EXPECT_EQ(label1(form), QString());
        EXPECT_FALSE(form.document().loaded());
    }
}

TEST_F(OpenedForm, OpenEnablesEverythingSaveProposesTheFileOpenedAndAFailedSaveSaysSo)
{
    {
        const auto answer = answerFileDialog(file);
        click(child<QPushButton>(&form, QStringLiteral("Command1")));
    }
    EXPECT_EQ(enabled(form), std::vector<bool>(10, true));
    EXPECT_EQ(label1(form), file);
    QStringList proposed, filters;
    {
        const ModalAnswer look(QStringLiteral("CommonDialog1"), [&](QWidget* modal) {
            auto* dialog = static_cast<QFileDialog*>(modal);
            proposed = dialog->selectedFiles();
            filters = dialog->nameFilters();
            dialog->reject();
        });
        click(child<QPushButton>(&form, QStringLiteral("Command2")));
    }
    EXPECT_EQ(filters, QStringList{QStringLiteral("SNES Icevale Files (*.smc)")});
    EXPECT_EQ(proposed, QStringList{file});
    save(QStringLiteral("/dev/full"));
    EXPECT_TRUE(status().startsWith(QStringLiteral("Could not save"))) << status().toStdString();
}

TEST_F(OpenedForm, OneWindowPerButtonBroughtForwardAsItIsAndShownAfreshAfterClosing)
{
    QWidget* teams = open(4);
    auto* name = child<QLineEdit>(teams, QStringLiteral("Teamnm_0"));
    backspace(name, 1);
    const QString typed = name->text();
    EXPECT_EQ(open(4), teams);
    EXPECT_EQ(name->text(), typed);
    {
        const auto discard = answerQuestion(QMessageBox::Discard);
        teams->close();
    }
    EXPECT_EQ(open(4), teams);
    EXPECT_EQ(name->text().toStdString(), sampleImage().teams[1].name);
}

// The windows then show the image dropped, whose banner texts lie elsewhere.
TEST_F(OpenedForm, DroppingOneLocalFileOpensIt)
{
    TeamTable<std::string> texts;
    texts[1] = "A LONGER FIRST BANNER";
    texts[2] = "B";
    Bytes second = sampleImage().bytes;
    ASSERT_TRUE(applyedit(second, *bannertextsedit(texts)));
    const QString other = write("other.smc", second);
    const auto drop = [&](const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&form, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&form, &dropped);
        return dropped.isAccepted();  // tells the program the file came from whether it was taken
    };
    EXPECT_FALSE(drop({QUrl::fromLocalFile(other), QUrl::fromLocalFile(file)}));
    EXPECT_TRUE(status().contains(QStringLiteral("2 were dropped"))) << status().toStdString();
    EXPECT_FALSE(drop({QUrl(QStringLiteral("https://example.org/x.smc"))}));
    EXPECT_TRUE(status().contains(QStringLiteral("Only a file on this computer"))) << status().toStdString();
    EXPECT_EQ(form.document().filename(), file.toStdString());
    EXPECT_TRUE(drop({QUrl::fromLocalFile(other)}));
    EXPECT_EQ(form.document().filename(), other.toStdString());
    QWidget* banners = open(9);
    EXPECT_EQ(child<QLineEdit>(banners, QStringLiteral("Text1"))->text(), QStringLiteral("A LONGER FIRST BANNER"));
    clickRow(child<QListWidget>(banners, QStringLiteral("List1")), 1);
    EXPECT_EQ(child<QLineEdit>(banners, QStringLiteral("Text1"))->text(), QStringLiteral("B"));
}

TEST_F(OpenedForm, ARefusedCommitSavesNothingAndSaysWhy)
{
    QWidget* teams = open(4);
    auto* overall = child<QLineEdit>(teams, QStringLiteral("overallnum_2"));
    overall->selectAll();
    QTest::keyClicks(overall, QStringLiteral("abc"));
    open(8);  // another window comes forward
    click(child<QPushButton>(&form, QStringLiteral("Command2")));  // refused before any file is asked for
    EXPECT_EQ(form.findChild<QFileDialog*>(), nullptr);
    EXPECT_TRUE(status().startsWith(QStringLiteral("Edit Teams could not store its changes"))) << status().toStdString();
    EXPECT_TRUE(status().contains(QStringLiteral("overall number"))) << status().toStdString();
    EXPECT_TRUE(teams->isVisible() && QTest::qWaitForWindowActive(teams));
    EXPECT_EQ(image(), sampleImage().bytes);
}

// Closing the main window and opening another image, each answered three ways.
TEST_F(OpenedForm, AskingBeforeLosingWork)
{
    const QString other = write("other.smc", Bytes(sampleImage().bytes));
    {
        const auto answer = answerQuestion(QMessageBox::Cancel);
        form.close();
        EXPECT_FALSE(answer->answered());  // nothing changed: no question
    }
    EXPECT_FALSE(form.isVisible());
    form.show();

    struct Case {
        bool close;
        QMessageBox::StandardButton answer;
    };
    for (const Case c : {Case{true, QMessageBox::Cancel}, Case{false, QMessageBox::Cancel},
                         Case{false, QMessageBox::Discard}, Case{true, QMessageBox::Save},
                         Case{false, QMessageBox::Save}, Case{true, QMessageBox::Discard}}) {
        SCOPED_TRACE(std::to_string(c.close) + " " + std::to_string(c.answer));
        const Bytes ondisk = readFile(file.toStdString());
        QWidget* menu = open(8);
        pickNext(menu, QStringLiteral("Combo8"));
        {
            const auto answer = answerQuestion(c.answer);
            if (c.close)
                form.close();
            else
                form.openfile(other);
            EXPECT_TRUE(answer->answered());
        }
        const bool goneon = c.answer != QMessageBox::Cancel;
        EXPECT_EQ(form.isVisible(), !(c.close && goneon));
        EXPECT_EQ(menu->isVisible(), !goneon);
        EXPECT_EQ(readFile(file.toStdString()) != ondisk, c.answer == QMessageBox::Save);
        EXPECT_EQ(form.document().filename() == other.toStdString(), !c.close && goneon);
        EXPECT_TRUE(c.close || (image() == sampleImage().bytes) == goneon) << "the window closed into the new image";
        form.show();
        const auto answer = form.document().modified() ? answerQuestion(QMessageBox::Discard) : nullptr;
        ASSERT_TRUE(form.openfile(file));
    }
}

TEST(EditorProgram, AnswersHelpAndVersionWithoutADisplay)
{
    QProcess editor;
    editor.start(QStringLiteral(ICEVALE_EDITOR), {QStringLiteral("--version")});
    ASSERT_TRUE(editor.waitForFinished());
    EXPECT_EQ(editor.readAllStandardOutput().trimmed(), QByteArray("icevale-editor 0.8.1"));
    editor.start(QStringLiteral(ICEVALE_EDITOR), {QStringLiteral("--help")});
    ASSERT_TRUE(editor.waitForFinished());
    const QList<QByteArray> help = editor.readAllStandardOutput().split('\n');
    ASSERT_GE(help.size(), 2);
    EXPECT_TRUE(help[0].contains("[FILE]"));
    EXPECT_FALSE(help[1].trimmed().isEmpty()) << "no line under the usage says what the program is for";
}

// Each button is also reached from the keyboard, by a letter no button or menu shares,
// and the menu bar has a place of its own above them.
TEST(MainWindow, EveryControlHasANameAndEveryButtonAKeyOfItsOwn)
{
    Form1 form;
    form.show();
    EXPECT_EQ(form.objectName(), QStringLiteral("Form1"));
    const QStringList missing = unfindable(&form);
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QStringLiteral("; ")).toStdString();
    const auto* bar = child<QMenuBar>(&form, QStringLiteral("menuBar"));
    QSet<QKeySequence> keys;
    for (const QAction* menu : bar->actions())
        keys.insert(QKeySequence::mnemonic(menu->text()));
    for (int c = 1; c <= 10; ++c) {
        const QString text = child<QPushButton>(&form, QStringLiteral("Command%1").arg(c))->text();
        const QKeySequence key = QKeySequence::mnemonic(text);
        EXPECT_FALSE(key.isEmpty() || keys.contains(key)) << text.toStdString();
        keys.insert(key);
    }
    EXPECT_EQ(bar->width(), form.width());
    for (const QWidget* w : form.findChildren<QWidget*>()) {
        const bool under = QRect(w->mapTo(&form, QPoint(0, 0)), w->size()).intersects(bar->geometry());
        EXPECT_FALSE(under && w->isVisible() && w != bar && !bar->isAncestorOf(w) && !w->isWindow()) << w->objectName().toStdString();
    }
}

}  // namespace
}  // namespace icevale
