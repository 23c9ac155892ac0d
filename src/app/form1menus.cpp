// The main window's menu bar, the recent files and the places windows are remembered at.
// Every command of the menus is one of the window's own actions, so a shortcut does the
// same from any window as the menu entry and the button.
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "app/form1.h"
#include "app/history.h"
#include "app/settings.h"
#include "windows/editorwindow.h"

namespace icevale {
namespace {

// The letter of each button's mnemonic (by command), clear of the menus' F, E, W and H.
constexpr std::array<char, 11> kMnemonics = {0, 'O', 'S', 'y', 'T', 'P', 'L', 'U', 'M', 'C', 'x'};

QList<QRect> screenareas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

}  // namespace

void Form1::buildmenus()
{
    const auto action = [this](const char* name) { return findChild<QAction*>(QLatin1String(name)); };
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("menuBar"));
    layout()->setMenuBar(bar);

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->addAction(action("actionOpen"));
    menuRecent = file->addMenu(QStringLiteral("Open &Recent"));
    menuRecent->setObjectName(QStringLiteral("menuRecent"));
    // Filled when it opens, so the list is read from the settings only when wanted.
    connect(menuRecent, &QMenu::aboutToShow, this, &Form1::fillrecent);
    file->addSeparator();
    file->addAction(action("actionSave"));
    file->addAction(action("actionSaveAs"));
    file->addSeparator();
    file->addAction(action("actionQuit"));

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->addAction(action("actionUndo"));
    edit->addAction(action("actionRedo"));
    connect(steps, &History::changed, this, &Form1::updateactions);

    QMenu* windows = bar->addMenu(QStringLiteral("&Window"));
    for (int command = 3; command <= 10; ++command) {
        QPushButton* button = commands.at(static_cast<std::size_t>(command));
        QAction* show = windows->addAction(button->text(), button, &QPushButton::click);
        show->setObjectName(QStringLiteral("actionWindow%1").arg(command));
        windowactions.at(static_cast<std::size_t>(command)) = show;
    }

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    QAction* shortcuts = help->addAction(QStringLiteral("&Keyboard Shortcuts"), this, &Form1::showshortcuts);
    shortcuts->setObjectName(QStringLiteral("actionShortcuts"));
    QAction* about = help->addAction(QStringLiteral("&About"), this, &Form1::showabout);
    about->setObjectName(QStringLiteral("actionAbout"));

    for (int command = 1; command <= 10; ++command) {
        QPushButton* button = commands.at(static_cast<std::size_t>(command));
        QString text = button->text();
        const qsizetype at = text.indexOf(QLatin1Char(kMnemonics.at(static_cast<std::size_t>(command))));
        if (at >= 0)
            button->setText(text.insert(at, QLatin1Char('&')));
    }
    updateactions();
}

// Save, Save As and the windows need an image; Undo and Redo name their step. Undo is also
// there while an editor window is open, as the window may hold edits that are no step yet
// (its controls change faster than this is told): Undo stores them and takes them back.
void Form1::updateactions()
{
    const bool loaded = doc.loaded();
    bool windowopen = false;
    for (int command = 3; command <= 10; ++command)
        windowopen = windowopen || (editor(command) && editor(command)->isOpen());
    for (const char* name : {"actionSave", "actionSaveAs"})
        findChild<QAction*>(QLatin1String(name))->setEnabled(loaded);
    for (QAction* show : windowactions) {
        if (show)
            show->setEnabled(loaded);
    }
    auto* undoaction = findChild<QAction*>(QStringLiteral("actionUndo"));
    const QString undoname = steps->undoname();
    undoaction->setText(undoname.isEmpty() ? QStringLiteral("&Undo") : QStringLiteral("&Undo ") + undoname);
    undoaction->setEnabled(steps->canundo() || (loaded && windowopen));
    auto* redoaction = findChild<QAction*>(QStringLiteral("actionRedo"));
    const QString redoname = steps->redoname();
    redoaction->setText(redoname.isEmpty() ? QStringLiteral("&Redo") : QStringLiteral("&Redo ") + redoname);
    redoaction->setEnabled(steps->canredo());
}

void Form1::savetoopen()
{
    if (!doc.loaded() || !commiteditors())
        return;
    const QString path = QString::fromStdString(doc.filename());
    if (savefile(doc.filename()))
        setstatus(QStringLiteral("Saved the image to %1.").arg(path));
}

void Form1::fillrecent()
{
    menuRecent->clear();
    const QStringList files = recentfiles();
    for (const QString& path : files) {
        QAction* entry = menuRecent->addAction(QFileInfo(path).fileName(), this, [this, path] { openfile(path); });
        entry->setToolTip(path);
        entry->setStatusTip(path);
    }
    if (files.isEmpty())
        menuRecent->addAction(QStringLiteral("No recent files"))->setEnabled(false);
    menuRecent->addSeparator();
    QAction* clear = menuRecent->addAction(QStringLiteral("&Clear the list"), this, [] { clearrecentfiles(); });
    clear->setObjectName(QStringLiteral("actionClearRecent"));
    clear->setEnabled(!files.isEmpty());
}

void Form1::remember(const QString& path)
{
    addrecentfile(path);
    setlastfolder(QFileInfo(path).absolutePath());
}

void Form1::restoreplace()
{
    if (const std::optional<QPoint> place = windowplace(objectName()))
        move(clampedplace(QRect(*place, sizeHint()), screenareas()));
}

// Where the window was closed last, in this session or an earlier one, kept on a screen.
void Form1::placeeditor(EditorWindow* window)
{
    if (const std::optional<QPoint> place = windowplace(window->objectName()))
        window->move(clampedplace(QRect(*place, window->frameGeometry().size()), screenareas()));
}

void Form1::showshortcuts()
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Keyboard Shortcuts"),
                    QStringLiteral("<table cellpadding=2>"
                                   "<tr><td>Ctrl+O</td><td>Open an image</td></tr>"
                                   "<tr><td>Ctrl+S</td><td>Save to the open file</td></tr>"
                                   "<tr><td>Ctrl+Shift+S</td><td>Save to a file you choose</td></tr>"
                                   "<tr><td>Ctrl+Z</td><td>Undo the last step (in a text box: the typing)</td></tr>"
                                   "<tr><td>Ctrl+Shift+Z, Ctrl+Y</td><td>Redo</td></tr>"
                                   "<tr><td>Escape, Ctrl+W</td><td>Close an editor window</td></tr>"
                                   "<tr><td>Ctrl+Q</td><td>Quit</td></tr>"
                                   "<tr><td>Alt+underlined letter</td><td>A button of the main window</td></tr>"
                                   "<tr><td>Tab, arrow keys</td><td>Move between controls; change a colour "
                                   "cell or bar</td></tr></table>"),
                    QMessageBox::Close, this);
    box.setObjectName(QStringLiteral("Shortcuts"));
    box.setTextFormat(Qt::RichText);
    box.exec();
}

void Form1::showabout()
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("About"),
                    QStringLiteral("<p><b>Icevale editor</b>, version %1</p>"
                                   "<p>Edits the cartridge image of the SNES ice-hockey game Icevale.</p>"
                                   "<p>MIT License. Built with Qt %2 (running Qt %3).</p>")
                        .arg(QStringLiteral(ICEVALE_VERSION), QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion())),
                    QMessageBox::Close, this);
    box.setObjectName(QStringLiteral("About"));
    box.setTextFormat(Qt::RichText);
    box.exec();
}

}  // namespace icevale
