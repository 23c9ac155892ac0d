#include <QFileDialog>
#include <QListWidget>

#include "app/appfixture.h"
#include "core/bannertexts.h"

namespace icevale {
namespace {

using namespace test;

TEST_F(OpenedForm, TheMarkerComesWithTheFirstRealChangeOnly)
{
    for (int command = 3; command <= 10; ++command)
        open(command);
    auto* teams = child<QListWidget>(form.editor(5), QStringLiteral("List1"));
    for (int row = 0; row < teams->count(); ++row)
        clickRow(teams, row);  // showing teams rewrites their count bytes and marks as they are
    EXPECT_FALSE(marked());
    EXPECT_EQ(image(), sampleImage().bytes);

    auto* count = child<QComboBox>(form.editor(8), QStringLiteral("Combo8"));
    const int stored = count->currentIndex();
    pick(count, (stored + 1) % count->count());
    EXPECT_TRUE(marked());
    pick(count, stored);  // back to what the file holds
    EXPECT_FALSE(marked());
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
    EXPECT_TRUE(status().contains(QStringLiteral("TeamEditor"))) << status().toStdString();
    EXPECT_TRUE(status().contains(QStringLiteral("overall number"))) << status().toStdString();
    EXPECT_TRUE(teams->isVisible() && QTest::qWaitForWindowActive(teams));
    EXPECT_EQ(image(), sampleImage().bytes);
}

// Closing the main window and opening another image, each answered three ways.
TEST_F(OpenedForm, AskingBeforeLosingWork)
{
    const QString other = write("other.smc", Bytes(sampleImage().bytes));
    bool asked = false;
    answerQuestion(&form, QMessageBox::Cancel, asked);
    form.close();
    EXPECT_FALSE(asked);  // nothing changed: no question
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
        answerQuestion(&form, c.answer, asked);
        if (c.close)
            form.close();
        else
            form.openfile(other);
        EXPECT_TRUE(asked);
        const bool goneon = c.answer != QMessageBox::Cancel;
        EXPECT_EQ(form.isVisible(), !(c.close && goneon));
        EXPECT_EQ(menu->isVisible(), !goneon);
        EXPECT_EQ(readFile(file.toStdString()) != ondisk, c.answer == QMessageBox::Save);
        EXPECT_EQ(form.document().filename() == other.toStdString(), !c.close && goneon);
        EXPECT_TRUE(c.close || (image() == sampleImage().bytes) == goneon) << "the window closed into the new image";
        form.show();
        answerQuestion(&form, QMessageBox::Discard, asked);
        ASSERT_TRUE(form.openfile(file));
    }
}

TEST_F(OpenedForm, TheBannerColourEditorShowsTheOpenImagesTexts)
{
    TeamTable<std::string> texts;
    texts[1] = "A LONGER FIRST BANNER";
    texts[2] = "B";
    Bytes second = sampleImage().bytes;
    ASSERT_TRUE(applyedit(second, *bannertextsedit(texts)));
    ASSERT_TRUE(form.openfile(write("second.smc", second)));
    QWidget* banners = open(9);
    EXPECT_EQ(child<QLineEdit>(banners, QStringLiteral("Text1"))->text(), QStringLiteral("A LONGER FIRST BANNER"));
    clickRow(child<QListWidget>(banners, QStringLiteral("List1")), 1);
    EXPECT_EQ(child<QLineEdit>(banners, QStringLiteral("Text1"))->text(), QStringLiteral("B"));
}

}  // namespace
}  // namespace icevale
