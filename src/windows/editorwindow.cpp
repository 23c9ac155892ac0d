#include "windows/editorwindow.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QCloseEvent>
#include <QApplication>
#include <QComboBox>
#include <QFocusFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

#include "widgets/captions.h"
#include "widgets/limitedlineedit.h"
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
    if (!isVisible() && screen())
        fitscreen(screen()->availableGeometry());
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
                             .arg(plainname(), why, stop);
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

// The windows place their controls at fixed points in a fixed size. Where that size is
// more than the screen offers, the controls move as they are into a scroll area, which
// takes the window's place at the size the screen allows.
void EditorWindow::fitscreen(const QRect& area)
{
    // Room left for the window frame and its title bar, which are not known before showing.
    const QSize room = area.size() - QSize(16, 48);
    auto* scroll = findChild<QScrollArea*>(QStringLiteral("fitscroll"), Qt::FindDirectChildrenOnly);
    const QSize designed = scroll ? scroll->widget()->size() : size();
    const bool fits = designed.width() <= room.width() && designed.height() <= room.height();
    if (fits && !scroll)
        return;
    if (!scroll) {
        auto* contents = new QWidget;
        contents->setObjectName(QStringLiteral("fitcontents"));
        contents->setFixedSize(designed);
        for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control->isWindow())
                continue;
            const bool hidden = control->isHidden();
            const QRect place = control->geometry();
            control->setParent(contents);
            control->setGeometry(place);
            control->setVisible(!hidden);
        }
        scroll = new QScrollArea(this);
        scroll->setObjectName(QStringLiteral("fitscroll"));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(contents);
        auto* column = new QVBoxLayout(this);
        column->setContentsMargins(0, 0, 0, 0);
        column->addWidget(scroll);
    }
    // With the bars the whole design can be shown, on a larger screen; never more.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    const QSize most = designed + QSize(bar, bar);
    setMinimumSize(std::min(designed.width(), 160), std::min(designed.height(), 120));
    setMaximumSize(most);
    resize(fits ? designed : most.boundedTo(room));
}

// Every control that can hold an edit tells the main window when it changes.
void EditorWindow::watchcontrols()
{
    watched_ = true;
    // Scroll bars draw no focus of their own in some styles: a ring shows it.
    auto* ring = new QFocusFrame(this);
    ring->setObjectName(QStringLiteral("focusring"));
    connect(qApp, &QApplication::focusChanged, ring, [this, ring](QWidget*, QWidget* now) {
        const bool bar = now && qobject_cast<QAbstractSlider*>(now) && now->window() == this;
        ring->setWidget(bar ? now : nullptr);
    });
    for (LimitedLineEdit* box : findChildren<LimitedLineEdit*>())
        connect(box, &LimitedLineEdit::notice, this, &EditorWindow::statusMessage);
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
