// What a desktop user takes for granted: the menu bar and its keys, recent files and
// window places remembered between sessions, windows that fit small screens, the
// keyboard reaching every colour control, and plain notices in the status line.
#include <QAction>
#include <QMenu>
#include <QScrollArea>
#include <QScreen>
#include <QSettings>
#include <QTimer>

#include "app/appfixture.h"
#include "app/settings.h"

namespace icevale {
namespace {

using namespace test;

QAction* action(const QWidget& form, const char* name)
{
    auto* found = form.findChild<QAction*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// The entries of the recent-files menu as a person sees them when it opens.
QStringList recententries(Form1& form, std::vector<QAction*>* entries = nullptr)
{
    auto* menu = form.findChild<QMenu*>(QStringLiteral("menuRecent"));
    EXPECT_NE(menu, nullptr);
    menu->popup(form.mapToGlobal(QPoint(0, 0)));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(menu));
    QStringList names;
    for (QAction* entry : menu->actions()) {
        if (!entry->isSeparator() && entry->isEnabled() && entry->objectName().isEmpty()) {
            names.append(entry->toolTip());
            if (entries)
                entries->push_back(entry);
        }
    }
    menu->hide();
    return names;
}

class Desktop : public OpenedForm {
protected:
    void SetUp() override
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("io.github.icevale.Editor")).clear();
        OpenedForm::SetUp();
    }
};

TEST_F(Desktop, UndoAndRedoNameTheirStepAndAreOffWithoutOne)
{
    QAction* undo = action(form, "actionUndo");
    QAction* redo = action(form, "actionRedo");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    QWidget* uniforms = open(7);
    nudgeBar(uniforms, QStringLiteral("HScroll1"));
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_TRUE(undo->text().startsWith(QStringLiteral("&Undo Uniform colour of "))) << undo->text().toStdString();
    pressKeys(&form, QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(image(), sampleImage().bytes);
    EXPECT_TRUE(redo->isEnabled());
    EXPECT_TRUE(redo->text().startsWith(QStringLiteral("&Redo Uniform colour of "))) << redo->text().toStdString();
    uniforms->close();  // no step below, and no window that could hold one
    for (int look = 0; look < 200 && undo->isEnabled(); ++look)
        QTest::qWait(5);
    EXPECT_FALSE(undo->isEnabled());
    // The title caught up, the window does no work while nothing happens.
    for (const QTimer* timer : form.findChildren<QTimer*>())
        EXPECT_FALSE(timer->isActive() && timer->interval() == 0) << timer->objectName().toStdString();
}

// The keys of the main window's buttons and menus, and Quit from an editor window.
TEST_F(Desktop, MnemonicsHelpAndQuitFromAnEditorWindow)
{
    pressKeys(&form, QKeySequence(Qt::ALT | Qt::Key_T));  // the button shows itself pressed, then clicks
    for (int look = 0; look < 400 && !form.editor(4); ++look)
        QTest::qWait(5);
    ASSERT_NE(form.editor(4), nullptr);
    EXPECT_TRUE(form.editor(4)->isVisible());
    QString about, keys;
    {
        const auto answer = answerBox(QStringLiteral("About"), QMessageBox::Close, &about);
        action(form, "actionAbout")->trigger();
        EXPECT_TRUE(answer->answered());
    }
    EXPECT_TRUE(about.contains(QStringLiteral(QT_VERSION_STR)) && about.contains(QStringLiteral("MIT"))) << about.toStdString();
    {
        const auto answer = answerBox(QStringLiteral("Shortcuts"), QMessageBox::Close, &keys);
        action(form, "actionShortcuts")->trigger();
        EXPECT_TRUE(answer->answered());
    }
    EXPECT_TRUE(keys.contains(QStringLiteral("Ctrl+Shift+S")) && keys.contains(QStringLiteral("Ctrl+Q")));
    pickNext(open(8), QStringLiteral("Combo8"));
    {
        const auto cancel = answerQuestion(QMessageBox::Cancel);
        pressKeys(form.editor(8), QKeySequence(Qt::CTRL | Qt::Key_Q));
        EXPECT_TRUE(cancel->answered());
    }
    EXPECT_TRUE(form.isVisible());
    {
        const auto discard = answerQuestion(QMessageBox::Discard);
        pressKeys(form.editor(8), QKeySequence(Qt::CTRL | Qt::Key_Q));
        EXPECT_TRUE(discard->answered());
    }
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(file.toStdString()), sampleImage().bytes);
}

TEST_F(Desktop, SaveWritesTheOpenFileWithoutAskingAndTheOpenDialogOffersAllFiles)
{
    pickNext(open(8), QStringLiteral("Combo8"));
    action(form, "actionSave")->trigger();
    EXPECT_NE(readFile(file.toStdString()), sampleImage().bytes);
    EXPECT_EQ(readFile(file.toStdString()), image());
    EXPECT_FALSE(marked());
    QStringList filters;
    {
        const ModalAnswer look(QStringLiteral("CommonDialog1"), [&](QWidget* modal) {
            filters = static_cast<QFileDialog*>(modal)->nameFilters();
            static_cast<QDialog*>(modal)->reject();
        });
        pressKeys(form.editor(8), QKeySequence::Open);
    }
    EXPECT_EQ(filters, QStringList({QStringLiteral("SNES Icevale Files (*.smc)"), QStringLiteral("All files (*)")}));
}

TEST_F(Desktop, RecentFilesOutliveTheWindowAndCanBeCleared)
{
    const QString second = write("second.smc", sampleImage().bytes);
    ASSERT_TRUE(form.openfile(second));
    ASSERT_TRUE(form.openfile(file));  // once in the list, now first
    {
        Form1 later;
        later.show();
        std::vector<QAction*> entries;
        EXPECT_EQ(recententries(later, &entries), QStringList({file, second}));
        ASSERT_EQ(entries.size(), 2U);
        entries[1]->trigger();
        EXPECT_EQ(QString::fromStdString(later.document().filename()), second);
        EXPECT_EQ(recententries(later), QStringList({second, file}));
        later.findChild<QAction*>(QStringLiteral("actionClearRecent"))->trigger();
        EXPECT_EQ(recententries(later), QStringList());
    }
    for (int i = 0; i < kRecentFiles + 2; ++i)
        addrecentfile(QStringLiteral("/f%1.smc").arg(i));
    EXPECT_EQ(recentfiles().size(), kRecentFiles);
    EXPECT_EQ(recentfiles().front(), QStringLiteral("/f%1.smc").arg(kRecentFiles + 1));
}

// The places stored on closing come back, kept on a screen there is.
TEST_F(Desktop, WindowsReopenWhereTheyWereClosedAndNeverOffScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget* lines = open(6);
    lines->move(screen.topLeft() + QPoint(37, 21));
    const QPoint place = lines->pos();
    lines->close();
    EXPECT_EQ(open(6)->pos(), place);
    form.move(screen.topLeft() + QPoint(5, 9));
    const QPoint formplace = form.pos();
    form.close();
    {
        Form1 later;
        EXPECT_EQ(later.pos(), formplace);
    }
    setwindowplace(QStringLiteral("Form1"), QPoint(screen.right() + 4000, screen.bottom() + 4000));
    Form1 off;
    off.show();
    EXPECT_TRUE(screen.contains(off.frameGeometry().topLeft())) << off.x() << "," << off.y();

    // Moved as little as needed into the screen it is mostly on, or the first.
    const QList<QRect> screens = {QRect(0, 0, 1000, 800), QRect(1000, 0, 800, 600)};
    struct Case {
        QRect frame;
        QPoint expected;
    };
    for (const Case& c : {Case{{100, 100, 300, 200}, {100, 100}}, Case{{1700, 500, 300, 200}, {1500, 400}},
                          Case{{-500, -50, 300, 200}, {0, 0}}, Case{{5000, 5000, 300, 200}, {700, 600}},
                          Case{{990, 10, 300, 200}, {700, 10}}, Case{{10, 10, 1400, 900}, {0, 0}},
                          Case{{1750, -50, 300, 200}, {1500, 0}}})
        EXPECT_EQ(clampedplace(c.frame, screens), c.expected) << c.frame.x() << "," << c.frame.y();
}

TEST_F(Desktop, AWindowLargerThanTheScreenScrollsAndOneThatFitsIsLeftAlone)
{
    const QRect small(0, 0, 910, 512);  // 1366x768 at scale 1.5
    for (const int command : {3, 4, 5}) {
        auto* window = static_cast<EditorWindow*>(open(command));
        window->fitscreen(small);
        EXPECT_LE(window->width(), small.width());
        EXPECT_LE(window->height(), small.height());
        auto* scroll = child<QScrollArea>(window, QStringLiteral("fitscroll"));
        ASSERT_NE(scroll, nullptr);
        const QSize designed = scroll->widget()->size();
        EXPECT_TRUE(designed.width() > small.width() || designed.height() > small.height()) << command;
        // Every control is still there and can be brought into view.
        QWidget* last = window->findChildren<QPushButton*>().last();
        scroll->ensureWidgetVisible(last);
        EXPECT_TRUE(scroll->viewport()->rect().intersects(QRect(last->mapTo(scroll->viewport(), QPoint()), last->size())));
        window->fitscreen(QRect(0, 0, 4000, 3000));  // a larger screen shows it whole again
        for (int look = 0; look < 200 && scroll->viewport()->size() != designed; ++look)
            QTest::qWait(5);
        EXPECT_EQ(scroll->viewport()->size(), designed) << command;
    }
    auto* menu = static_cast<EditorWindow*>(open(8));
    const QSize fits = menu->size();
    menu->fitscreen(small);
    EXPECT_EQ(menu->size(), fits);
    EXPECT_EQ(menu->findChild<QScrollArea*>(), nullptr);
}

TEST_F(Desktop, TabReachesTheColourCellsAndBarsAndTheArrowsChangeThem)
{
    for (const int command : {7, 9}) {
        QWidget* window = open(command);
        const Bytes before = image();
        auto* cell = child<QWidget>(window, QStringLiteral("Label1_0"));
        auto* bar = child<QScrollBar>(window, QStringLiteral("HScroll2"));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        child<QWidget>(window, QStringLiteral("List1"))->setFocus();
        bool cellreached = false;
        for (int tab = 0; tab < 60 && !bar->hasFocus(); ++tab) {
            QWidget* at = QApplication::focusWidget();
            ASSERT_NE(at, nullptr);
            QTest::keyClick(at, Qt::Key_Tab);
            cellreached = cellreached || cell->hasFocus();
        }
        EXPECT_TRUE(cellreached) << command;
        ASSERT_TRUE(bar->hasFocus()) << command;
        // The cell keys pick the next cell, and the bar's arrows change its colour.
        cell->setFocus();
        pressKeys(cell, QKeySequence(Qt::Key_Down));
        EXPECT_TRUE(child<QWidget>(window, QStringLiteral("Label1_1"))->hasFocus());
        const int value = bar->value();
        pressKeys(bar, QKeySequence(value < bar->maximum() ? Qt::Key_Right : Qt::Key_Left));
        EXPECT_NE(bar->value(), value);
        window->close();
        EXPECT_NE(image(), before) << command;
    }
}

TEST_F(Desktop, TheStatusLineSaysWhatATextBoxLeftOutOnce)
{
    QWidget* teams = open(4);
    auto* name = child<QLineEdit>(teams, QStringLiteral("Teamnm_0"));
    const QString before = name->text();
    typeInto(name, QStringLiteral("\u03A9"));
    EXPECT_EQ(name->text(), before);
    EXPECT_EQ(status(), QStringLiteral("\u201C\u03A9\u201D cannot be stored and was left out."));
    child<QLabel>(&form, QStringLiteral("StatusLine"))->clear();
    typeInto(name, QStringLiteral("x"));
    EXPECT_EQ(status(), QString());  // a character that is taken says nothing
    pasteInto(name, QStringLiteral("a\u0416b\u0416") + QString(80, QLatin1Char('z')));
    EXPECT_TRUE(status().startsWith(QStringLiteral("\u201C\u0416\u201D cannot be stored and was left out. The text was cut")))
        << status().toStdString();
}

}  // namespace
}  // namespace icevale
