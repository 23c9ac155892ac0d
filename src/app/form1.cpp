#include "app/form1.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QCompleter>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "app/history.h"
#include "app/settings.h"
#include "core/health.h"
#include "widgets/qtext.h"
#include "windows/editorwindow.h"
#include "windows/questionbox.h"

namespace icevale {
namespace {

const QString kCaption = QStringLiteral("SNES Icevale EDITOR");
const QString kFilter = QStringLiteral("SNES Icevale Files (*.smc)");
const QString kAllFiles = QStringLiteral("All files (*)");

struct ButtonPlace {
    int command;
    const char* caption;
    int row;
    int column;
};

constexpr std::array<ButtonPlace, 10> kButtons = {{
    {1, "Open Rom", 1, 0},
    {2, "Save Rom", 1, 1},
    {4, "Edit Teams", 2, 0},
    {5, "Edit Players", 2, 1},
    {3, "Edit Playoffs", 2, 2},
    {6, "Edit Lines", 2, 3},
    {7, "Edit Uniforms", 3, 0},
    {8, "Edit Menu", 3, 1},
    {9, "Edit Banner Colors", 3, 2},
    {10, "Edit Banner Text", 4, 0},
}};

// File names reach the core in UTF-8 on every platform (the local 8-bit encoding would be
// the ANSI code page on Windows).
std::string localname(const QString& name) { return name.toUtf8().toStdString(); }

// The path a file is opened or saved under, whatever the current folder does later.
QString absolutepath(const QString& name) { return QFileInfo(name).absoluteFilePath(); }

QString refused(const EditorWindows::Refusal& refusal)
{
    return QStringLiteral("%1 could not store its changes, so nothing was done: %2")
        .arg(refusal.window->plainname(), refusal.why);
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kCaption);
    setAccessibleName(kCaption);
    setAcceptDrops(true);
    steps = new History(doc, this);
    titletimer = new QTimer(this);
    titletimer->setSingleShot(true);
    titletimer->setInterval(0);
    connect(titletimer, &QTimer::timeout, this, &Form1::updatetitle);
    listener = doc.listen([this](const ChangeEvent&) {
        emit imagechanged();
        titletimer->start();
    });
    buildcontrols();
    buildactions();
    buildmenus();
    restoreplace();
    Form_Load();
}

// The history refers to the document, which as a member goes before the base class
// would delete the history.
Form1::~Form1()
{
    doc.unlisten(listener);
    delete steps;
}

void Form1::Form_Load()
{
    // The location tables are compile-time constants (core/locations.h); nothing to fill.
}

void Form1::buildcontrols()
{
    auto* grid = new QGridLayout(this);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Label1->setMinimumHeight(Label1->fontMetrics().height() + 8);
    grid->addWidget(Label1, 0, 0, 1, 4);
    for (int column = 0; column < 4; ++column)
        grid->setColumnStretch(column, 1);

    for (const ButtonPlace& place : kButtons) {
        auto* button = new QPushButton(QString::fromLatin1(place.caption), this);
        button->setObjectName(QStringLiteral("Command%1").arg(place.command));
        button->setEnabled(place.command == 1);
        grid->addWidget(button, place.row, place.column);
        commands.at(static_cast<std::size_t>(place.command)) = button;
        const int command = place.command;
        connect(button, &QPushButton::clicked, this, [this, command] {
            if (command == 1)
                Command1_Click();
            else if (command == 2)
                Command2_Click();
            else
                showeditor(command);
        });
    }

    auto* title = new QLabel(QStringLiteral("Icevale"), this);
    title->setObjectName(QStringLiteral("Label3"));
    title->setAlignment(Qt::AlignCenter);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.6);
    title->setFont(bold);
    grid->addWidget(title, 3, 3);

    StatusLine = new QLabel(this);
    StatusLine->setObjectName(QStringLiteral("StatusLine"));
    StatusLine->setWordWrap(true);
    grid->addWidget(StatusLine, 5, 0, 1, 4);

    auto* version = new QLabel(QStringLiteral("Icevale editor, version 0.8.1"), this);
    version->setObjectName(QStringLiteral("Label2"));
    version->setAlignment(Qt::AlignCenter);
    grid->addWidget(version, 6, 0, 1, 4);

    // Equal columns, as wide as the widest caption needs.
    int widest = 0;
    for (const QPushButton* button : commands)
        widest = button ? std::max(widest, button->sizeHint().width()) : widest;
    for (int column = 0; column < 4; ++column)
        grid->setColumnMinimumWidth(column, widest);
}

// Open and save, undo and redo reach every window of the program (a modal dialog keeps
// them away), but a focused text box keeps its own undo of the typing in it.
void Form1::buildactions()
{
    auto* openaction = new QAction(QStringLiteral("&Open..."), this);
    openaction->setObjectName(QStringLiteral("actionOpen"));
    openaction->setShortcuts(QKeySequence::Open);
    openaction->setShortcutContext(Qt::ApplicationShortcut);
    connect(openaction, &QAction::triggered, this, [this] { commands[1]->click(); });
    auto* saveaction = new QAction(QStringLiteral("&Save"), this);
    saveaction->setObjectName(QStringLiteral("actionSave"));
    saveaction->setShortcuts(QKeySequence::Save);
    saveaction->setShortcutContext(Qt::ApplicationShortcut);
    connect(saveaction, &QAction::triggered, this, &Form1::savetoopen);
    auto* saveasaction = new QAction(QStringLiteral("Save &As..."), this);
    saveasaction->setObjectName(QStringLiteral("actionSaveAs"));
    saveasaction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    saveasaction->setShortcutContext(Qt::ApplicationShortcut);
    connect(saveasaction, &QAction::triggered, this, [this] { commands[2]->click(); });
    auto* quitaction = new QAction(QStringLiteral("&Quit"), this);
    quitaction->setObjectName(QStringLiteral("actionQuit"));
    quitaction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quitaction->setShortcutContext(Qt::ApplicationShortcut);
    connect(quitaction, &QAction::triggered, this, &QWidget::close);
    auto* undoaction = new QAction(QStringLiteral("&Undo"), this);
    undoaction->setObjectName(QStringLiteral("actionUndo"));
    undoaction->setShortcuts(QKeySequence::Undo);
    undoaction->setShortcutContext(Qt::ApplicationShortcut);
    connect(undoaction, &QAction::triggered, this, &Form1::undo);
    auto* redoaction = new QAction(QStringLiteral("&Redo"), this);
    redoaction->setObjectName(QStringLiteral("actionRedo"));
    QList<QKeySequence> redokeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
        if (!redokeys.contains(keys))
            redokeys.append(keys);
    }
    redoaction->setShortcuts(redokeys);
    redoaction->setShortcutContext(Qt::ApplicationShortcut);
    connect(redoaction, &QAction::triggered, this, &Form1::redo);
    addActions({openaction, saveaction, saveasaction, quitaction, undoaction, redoaction});
    connect(steps, &History::cleanchanged, this, &Form1::updatetitle);
}

QString Form1::askfilename(bool save)
{
    if (!CommonDialog1) {
        // Made on first use, then kept, so the name chosen last is proposed next.
        CommonDialog1 = new QFileDialog(this);
        CommonDialog1->setObjectName(QStringLiteral("CommonDialog1"));
        // Qt's own dialog behaves the same on every desktop and in headless tests; it asks
        // nothing about overwriting because saving over the opened image is the usual case.
        CommonDialog1->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
        if (const QString folder = lastfolder(); !folder.isEmpty() && !doc.loaded())
            CommonDialog1->setDirectory(folder);
    }
    CommonDialog1->setNameFilters(save ? QStringList{kFilter} : QStringList{kFilter, kAllFiles});
    CommonDialog1->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Any name is accepted so that a wrong one is reported in the status line
    // rather than in a message box of the dialog's own.
    CommonDialog1->setFileMode(QFileDialog::AnyFile);
    const int answer = CommonDialog1->exec();
    closepopups();
    if (answer != QDialog::Accepted)
        return {};
    // A whole path typed into the name box is taken as typed: the dialog's list can hold
    // a selection of its own, made while it was still reading a folder, which would
    // otherwise win (and once named a file in another folder).
    const auto* namebox = CommonDialog1->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (namebox && QFileInfo(namebox->text()).isAbsolute())
        return namebox->text();
    const QStringList files = CommonDialog1->selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

// A completion list of the name box is a window of its own, which would otherwise stay
// on screen after the dialog and take the keyboard. It is also watched, as a folder read
// late can show it again once the dialog has closed.
void Form1::closepopups()
{
    for (QCompleter* completer : CommonDialog1->findChildren<QCompleter*>()) {
        if (QWidget* popup = completer->popup()) {
            popup->hide();
            popup->installEventFilter(this);
        }
    }
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && CommonDialog1 && !CommonDialog1->isVisible())
        QMetaObject::invokeMethod(static_cast<QWidget*>(watched), &QWidget::hide, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

void Form1::Command1_Click()
{
    const QString name = askfilename(false);
    if (!name.isEmpty())
        openfile(name);
}

bool Form1::openfile(const QString& name)
{
    if (!mayleave())
        return false;
    const QString path = absolutepath(name);
    Cartridge next;
    const Status result = loadrom(next, localname(path));
    if (!result) {
        setstatus(QStringLiteral("Could not open ") + QString::fromStdString(result.message()));
        return false;
    }
    // The windows close into the image they were showing, which is then replaced.
    editors.closeall();
    doc.adopt(std::move(next), localname(path));
    steps->clear();
    showpath(path);
    for (int c = 2; c <= 10; ++c)
        commands.at(static_cast<std::size_t>(c))->setEnabled(true);
    setstatus(QStringLiteral("Opened %1 (%2 bytes).").arg(path).arg(doc.image().size()) + healthwarning());
    remember(path);
    updatetitle();
    return true;
}

void Form1::Command2_Click()
{
    if (!commiteditors())
        return;
    const QString name = askfilename(true);
    if (name.isEmpty())
        return;
    QString path = absolutepath(name);
    // A new name without an extension gets the image's own.
    if (!QFileInfo(path).fileName().contains(QLatin1Char('.')) && !QFileInfo::exists(path))
        path += QStringLiteral(".smc");
    if (replacesother(path) && !askreplace(this, path)) {
        setstatus(QStringLiteral("Nothing was saved; %1 is left as it was.").arg(path));
        return;
    }
    if (savefile(localname(path)))
        setstatus(QStringLiteral("Saved the image to %1.").arg(path));
}

// Saving over the open file is the usual case and asks nothing; an existing file other
// than it (a symbolic link to the open file is the open file) would be lost. A target
// that is not a regular file is refused by the save itself, so nothing is asked for it.
bool Form1::replacesother(const QString& path) const
{
    const QFileInfo target(path);
    if (!target.isFile())
        return false;
    const QFileInfo open(QString::fromStdString(doc.filename()));
    return !open.exists() || target.canonicalFilePath() != open.canonicalFilePath();
}

bool Form1::savefile(const std::string& name)
{
    const Status result = doc.save(name);
    if (!result) {
        setstatus(QStringLiteral("Could not save ") + QString::fromStdString(result.message()) +
                  QStringLiteral(". Nothing was saved."));
        return false;
    }
    steps->saved();
    showpath(QString::fromStdString(name));
    remember(QString::fromStdString(name));
    updatetitle();
    return true;
}

// Damaged images open, so that they can be mended, but not without a word.
QString Form1::healthwarning() const
{
    const std::vector<HealthProblem> problems = healthcheck(doc.cart());
    if (problems.empty())
        return {};
    QString warning = QStringLiteral(" It does not look like a sound Icevale image: ") +
                      toQString(problems.front().text);
    if (problems.size() > 1)
        warning += QStringLiteral(" (and %1 other problem%2)").arg(problems.size() - 1).arg(problems.size() > 2 ? QStringLiteral("s") : QString());
    return warning + QLatin1Char('.');
}

bool Form1::commiteditors()
{
    const EditorWindows::Refusal refusal = editors.commit();
    if (refusal.window)
        setstatus(refused(refusal));
    return !refusal.window;
}

// Before the image is left (quitting, opening another): every open window stores what
// it holds. One that cannot is named with its reason; the user drops its edits, closing
// it, or stays with it. Then the unsaved image is asked about. True when the caller may go on.
bool Form1::mayleave()
{
    for (EditorWindows::Refusal refusal = editors.commit(); refusal.window; refusal = editors.commit()) {
        EditorWindow* window = refusal.window;
        const QString text = QStringLiteral("%1 cannot store its changes: %2. Discard its changes and go on?")
                                 .arg(window->plainname(), refusal.why);
        if (askunsaved(this, text, false) != QMessageBox::Discard) {
            setstatus(refused(refusal));
            window->showEditor();
            return false;
        }
        // Closing without storing also drops a draft the window keeps in the tables.
        window->discard();
    }
    return maydiscard();
}

// Asks before unsaved changes are lost; true when the caller may go on.
bool Form1::maydiscard()
{
    if (!doc.modified())
        return true;
    const QString file = QFileInfo(QString::fromStdString(doc.filename())).fileName();
    const QMessageBox::StandardButton answer =
        askunsaved(this, QStringLiteral("The image \"%1\" has changes that are not saved. Save them first?").arg(file));
    if (answer == QMessageBox::Discard)
        return true;
    if (answer != QMessageBox::Save)
        return false;
    return savefile(doc.filename());
}

void Form1::showeditor(int command)
{
    EditorWindow* window = editors.get(command, [this, command](EditorWindow* made) {
        connect(made, &EditorWindow::statusMessage, this, &Form1::setstatus);
        // A window's controls change by the hundred when it shows another team; the
        // first change starts the timer, the others find it started.
        const auto retitle = [this] {
            if (!titletimer->isActive())
                titletimer->start();
        };
        connect(made, &EditorWindow::edited, titletimer, retitle);
        // Closing stores or drops what the window held, either way the marker may change.
        connect(made, &EditorWindow::closed, titletimer, retitle);
        // Messages name the window by the button that opens it.
        made->setplainname(commands.at(static_cast<std::size_t>(command))->text().remove(QLatin1Char('&')));
        connect(made, &EditorWindow::closed, this, [made] { setwindowplace(made->objectName(), made->pos()); });
    });
    if (window && !window->isVisible())
        placeeditor(window);
    if (window)
        window->showEditor();
    updateactions();
}

void Form1::undo()
{
    if (commiteditors())
        afterstep(QStringLiteral("Undid"), steps->undo());
}

void Form1::redo()
{
    if (commiteditors())
        afterstep(QStringLiteral("Redid"), steps->redo());
}

// An undo or redo has the document decode what it touched and the windows showing it
// show the image again; the status line tells what moved, and when the image no longer
// reads whole.
void Form1::afterstep(const QString& verb, const QString& name)
{
    if (name.isEmpty()) {
        setstatus(QStringLiteral("Nothing to %1.").arg(verb == QStringLiteral("Undid") ? QStringLiteral("undo")
                                                                                        : QStringLiteral("redo")));
        return;
    }
    const Status& read = doc.decoded();
    setstatus(read ? QStringLiteral("%1: %2").arg(verb, name)
                   : QStringLiteral("%1: %2. The image now cannot be read whole: %3")
                         .arg(verb, name, QString::fromStdString(read.message())));
    updatetitle();
}

void Form1::showpath(const QString& path)
{
    Label1->setText(path);
    Label1->setToolTip(path);
}

void Form1::updatetitle()
{
    updateactions();
    if (!doc.loaded()) {
        setWindowTitle(kCaption);
        return;
    }
    const QString file = QFileInfo(QString::fromStdString(doc.filename())).fileName();
    setWindowTitle(kCaption + QStringLiteral(" - ") + file + QStringLiteral("[*]"));
    setWindowModified(doc.modified() || editors.haspending());
}

// The window grows to show the whole message, however many lines it takes.
void Form1::setstatus(const QString& text)
{
    StatusLine->setText(text);
    layout()->activate();
    const int needed = layout()->totalHeightForWidth(width());
    if (needed > height())
        resize(width(), needed);
}

void Form1::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

// One local file dropped opens as "Open Rom" would open it; anything else is refused.
void Form1::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1) {
        setstatus(QStringLiteral("Drop one image file to open it; %1 were dropped, so nothing was opened.").arg(urls.size()));
        return;
    }
    if (!urls.first().isLocalFile()) {
        setstatus(QStringLiteral("Only a file on this computer can be opened, not %1.").arg(urls.first().toDisplayString()));
        return;
    }
    event->acceptProposedAction();
    openfile(urls.first().toLocalFile());
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!mayleave()) {
        event->ignore();
        return;
    }
    editors.closeall();
    setwindowplace(objectName(), pos());
    event->accept();
}

}  // namespace icevale
