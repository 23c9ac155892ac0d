#include <random>

#include "app/appfixture.h"
#include "app/history.h"

namespace icevale {
namespace {

using namespace test;

using UndoForm = OpenedForm;

// Each window's edit waits in the window (the uniform editor's excepted), reaches the
// saved file, and is undone and redone, also while it is still only in the window.
TEST_F(UndoForm, EachWindowsEditIsSavedUndoneAndRedone)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("SNES Icevale EDITOR - in.smc[*]"));
    EXPECT_FALSE(marked());
    for (const WindowEdit& e : windowEdits()) {
        SCOPED_TRACE(e.title);
        auto* window = static_cast<EditorWindow*>(open(e.command));
        const Bytes before = image();
        e.edit(window);
        EXPECT_TRUE(e.command == 7 || image() == before) << "stored before the save";
        EXPECT_TRUE(marked());
        save(file);
        const Bytes after = image();
        EXPECT_TRUE(window->isVisible() && after != before && !marked()) << status().toStdString();
        EXPECT_EQ(status(), QStringLiteral("Saved the image to %1.").arg(file));
        EXPECT_EQ(readFile(file.toStdString()), after);
        pressKeys(window, QKeySequence::Undo);
        EXPECT_EQ(image(), before);
        EXPECT_TRUE(status().startsWith(QStringLiteral("Undid: ") + QString::fromLatin1(e.title)))
            << status().toStdString();
        EXPECT_FALSE(window->haspending()) << "the window shows the image again";
        pressKeys(window, QKeySequence::Redo);
        EXPECT_EQ(image(), after);
        EXPECT_FALSE(window->haspending() || marked());

        pressKeys(window, QKeySequence::Undo);
        e.edit(window);
        pressKeys(&form, QKeySequence::Undo);  // the edit becomes a step and is taken back
        EXPECT_EQ(image(), before);
        EXPECT_FALSE(window->haspending());
    }
}

TEST_F(UndoForm, TypingInATextBoxIsUndoneInTheBox)
{
    QWidget* banners = open(10);
    auto* box = child<QLineEdit>(banners, QStringLiteral("Teamnm_3"));
    const QString text = box->text();
    backspace(box, 2);
    pressKeys(box, QKeySequence::Undo);
    EXPECT_EQ(box->text(), text);
    EXPECT_EQ(image(), sampleImage().bytes);
    EXPECT_FALSE(status().startsWith(QStringLiteral("Undid")));
}

// A save ends the step on top, so a later drag is a step of its own; opening an image
// starts without steps.
TEST_F(UndoForm, SavingSealsTheStepAndOpeningClearsTheSteps)
{
    QWidget* uniforms = open(7);
    nudgeBar(uniforms, QStringLiteral("HScroll2"));
    save(file);
    EXPECT_FALSE(marked());
    nudgeBar(uniforms, QStringLiteral("HScroll3"));
    EXPECT_TRUE(marked());
    form.undo();
    EXPECT_FALSE(marked());
    EXPECT_EQ(image(), readFile(file.toStdString()));
    form.undo();
    EXPECT_TRUE(marked());
    EXPECT_EQ(image(), sampleImage().bytes);
    form.redo();
    ASSERT_FALSE(marked());  // or the open would ask
    ASSERT_TRUE(form.openfile(file));
    EXPECT_FALSE(form.history().canundo());
    form.undo();
    EXPECT_EQ(status(), QStringLiteral("Nothing to undo."));
}

TEST_F(UndoForm, RosterChangesComeBackWhole)
{
    QWidget* players = open(5);
    const auto rowShown = [&](int r) { return child<QLineEdit>(players, QStringLiteral("player_name_%1").arg(r))->isVisible(); };
    const int n = sampleImage().teams[1].goalies + sampleImage().teams[1].forwards + sampleImage().teams[1].defence;
    const QString goalies = child<QLabel>(players, QStringLiteral("Label20"))->text();
    click(child<QPushButton>(players, QStringLiteral("Command4")));  // "Add Player"
    typeInto(child<QLineEdit>(players, QStringLiteral("player_name_%1").arg(n)), QStringLiteral("Newman"));
    click(child<QPushButton>(players, QStringLiteral("Command8")));  // goalie "+"
    ASSERT_TRUE(rowShown(n));
    form.undo();
    EXPECT_EQ(image(), sampleImage().bytes);  // records, count byte and goalie marks
    EXPECT_FALSE(rowShown(n));
    EXPECT_EQ(child<QLabel>(players, QStringLiteral("Label20"))->text(), goalies);
    form.redo();
    EXPECT_TRUE(rowShown(n));
    EXPECT_EQ(child<QLineEdit>(players, QStringLiteral("player_name_%1").arg(n))->text(), QStringLiteral("Newman"));
}

TEST_F(UndoForm, ALongRandomSessionUndoesToTheOriginalAndRedoesToTheEnd)
{
    std::mt19937 random(7);
    for (int i = 0; i < 60; ++i) {
        const WindowEdit& e = windowEdits()[random() % windowEdits().size()];
        e.edit(open(e.command));
    }
    for (int command = 3; command <= 10; ++command)
        ASSERT_EQ(form.editor(command) ? form.editor(command)->commit() : QString(), QString());
    const Bytes end = image();
    const std::size_t steps = form.history().index();  // counted, so a step made by an undo fails, not hangs
    for (std::size_t k = 0; k < steps; ++k)
        form.undo();
    EXPECT_FALSE(form.history().canundo());
    EXPECT_EQ(image(), sampleImage().bytes);
    for (std::size_t k = 0; k < steps; ++k)
        form.redo();
    EXPECT_EQ(image(), end);
}

}  // namespace
}  // namespace icevale
