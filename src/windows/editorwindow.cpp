#include "windows/editorwindow.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>

#include "widgets/captions.h"
#include "windows/questionbox.h"

namespace icevale {

EditorWindow::EditorWindow(Document& document, QWidget* parent, const QString& name, const QString& caption)
    : QWidget(parent, Qt::Window), doc(document), cart(document.cart())
{
    setObjectName(name);
    setWindowTitle(caption);
    setAccessibleName(caption);
    // Escape, Ctrl+W and the platform's other close keys close the window through its
    // closing step, as its close control does. QKeySequence(QKeySequence::Close) holds only
    // the platform's first binding, which is Ctrl+F4 on some, so every binding is taken.
    QList<QKeySequence> keys = {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)};
    for (const QKeySequence& binding : QKeySequence::keyBindings(QKeySequence::Close)) {
        if (!keys.contains(binding))
            keys.append(binding);
    }
    auto* closer = new QShortcut(this);
    closer->setKeys(keys);
    connect(closer, &QShortcut::activated, this, [this] { close(); });
    listener_ = doc.listen([this](const ChangeEvent& event) {
        if (open_ && !applying_)
            imagechanged(event);
    });
}

EditorWindow::~EditorWindow() { doc.unlisten(listener_); }

// Another window's edit of what this window only shows (the teams' names, the line-up
// window's rosters) leaves a window that holds edits of its own as it is, so they are not
// lost; it shows the names again once it holds none. Undo and redo come only after every
// window stored what it holds, and an edit of the window's own area by another is newer
// than anything the window holds.
void EditorWindow::imagechanged(const ChangeEvent& event)
{
    if (!event.touches(shownareas()))
        return;
    if (event.kind == ChangeKind::Edited && !event.touches(ownareas()) && haspending())
        return;
    refresh();
}

void EditorWindow::usepixelfont(int pixels)
{
    QFont f = font();
    f.setPixelSize(pixels);
    setFont(f);
}

void EditorWindow::showEditor()
{
    if (!watched_) {
        watchcontrols();
        fitcaptions(this);
    }
    if (!open_) {
        open_ = true;
        Form_Load();
        nameforaccess(this);
    }
    show();
    raise();
    activateWindow();
}

void EditorWindow::closeEvent(QCloseEvent* event)
{
    if (open_ && !discarding_ && !mayclose()) {
        event->ignore();
        return;
    }
    if (open_) {
        if (discarding_)
            dropdraft();
        else
            Form_Unload();
        open_ = false;
    }
    discarding_ = false;
    event->accept();
    emit closed();
}

// The same question as when the image is left past a refusing window: Discard closes
// without storing, Cancel stays; Save is not offered, since it would be refused too.
bool EditorWindow::mayclose()
{
    const QString why = closerefusal();
    if (why.isEmpty())
        return true;
    const QString stop = why.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".");
    const QString text = QStringLiteral("%1 cannot store its changes: %2%3 Discard its changes and close it?")
                             .arg(windowTitle(), why, stop);
    if (askunsaved(this, text, false) != QMessageBox::Discard) {
        emit statusMessage(why);
        return false;
    }
    discarding_ = true;
    return true;
}

void EditorWindow::discard()
{
    discarding_ = true;
    close();
    discarding_ = false;
}

bool EditorWindow::apply(const Edit& edit, const QString& name, const std::string& mergekey)
{
    applying_ = true;
    const Result<Change> applied = doc.apply(edit, name.toStdString(), mergekey);
    applying_ = false;
    if (!applied)
        emit statusMessage(QString::fromStdString(applied.message()));
    return applied.ok();
}

bool EditorWindow::changes(const Edit& edit) const { return editchanges(cart.RomImage, edit); }

// Every control that can hold an edit tells the main window when it changes.
void EditorWindow::watchcontrols()
{
    watched_ = true;
    for (QLineEdit* box : findChildren<QLineEdit*>())
        connect(box, &QLineEdit::textChanged, this, &EditorWindow::edited);
    for (QComboBox* box : findChildren<QComboBox*>())
        connect(box, &QComboBox::currentIndexChanged, this, &EditorWindow::edited);
    for (QAbstractSlider* bar : findChildren<QAbstractSlider*>())
        connect(bar, &QAbstractSlider::valueChanged, this, &EditorWindow::edited);
    for (QAbstractButton* button : findChildren<QAbstractButton*>())
        connect(button, &QAbstractButton::clicked, this, &EditorWindow::edited);
    for (QListWidget* list : findChildren<QListWidget*>())
        connect(list, &QListWidget::currentRowChanged, this, &EditorWindow::edited);
}

}  // namespace icevale
