#include "app/form1.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include "app/editorfactory.h"
#include "windows/editorwindow.h"
#include "core/romfile.h"

namespace icevale {
namespace {

const QString kFilter = QStringLiteral("SNES Icevale Files (*.smc)");

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

}  // namespace

Form1::Form1(QWidget* parent, EditorFactory factory)
    : QWidget(parent), makeeditor(factory ? std::move(factory) : EditorFactory(createeditor))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("SNES Icevale EDITOR"));
    buildcontrols();
    Form_Load();
}

void Form1::Form_Load()
{
    // The location tables are compile-time constants (shell/locations.h); nothing to fill.
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

    CommonDialog1 = new QFileDialog(this);
    CommonDialog1->setObjectName(QStringLiteral("CommonDialog1"));
    // Qt's own dialog behaves the same on every desktop and in headless tests; it asks
    // nothing about overwriting because saving over the opened image is the usual case.
    CommonDialog1->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);

    new QShortcut(QKeySequence::Open, this, this, [this] { commands[1]->click(); });
    new QShortcut(QKeySequence::Save, this, this, [this] { commands[2]->click(); });
}

QString Form1::askfilename(bool save)
{
    CommonDialog1->setNameFilter(kFilter);
    CommonDialog1->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Any name is accepted so that a wrong one is reported in the status line
    // rather than in a message box of the dialog's own.
    CommonDialog1->setFileMode(QFileDialog::AnyFile);
    if (CommonDialog1->exec() != QDialog::Accepted)
        return {};
    const QStringList files = CommonDialog1->selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

void Form1::Command1_Click()
{
    const QString name = askfilename(false);
    if (name.isEmpty())
        return;
    // Load into a copy first so that a failed open leaves the image and windows alone.
    Cartridge next = cart;
    const IoResult result = loadrom(next, QFile::encodeName(name).toStdString());
    if (!result.ok) {
        setstatus(QStringLiteral("Could not open ") + QString::fromStdString(result.message));
        return;
    }
    closeeditors();
    cart = std::move(next);
    Label1->setText(name);
    for (int c = 2; c <= 10; ++c)
        commands.at(static_cast<std::size_t>(c))->setEnabled(true);
    setstatus(QStringLiteral("Opened %1 (%2 bytes).").arg(name).arg(cart.RomImage.size()));
}

void Form1::Command2_Click()
{
    const QString name = askfilename(true);
    if (name.isEmpty())
        return;
    const IoResult result = saverom(cart, QFile::encodeName(name).toStdString());
    if (!result.ok) {
        setstatus(QStringLiteral("Could not save ") + QString::fromStdString(result.message) +
                  QStringLiteral(". Nothing was saved."));
        return;
    }
    setstatus(QStringLiteral("Saved the image to %1.").arg(name));
}

void Form1::showeditor(int command)
{
    auto& window = editors.at(static_cast<std::size_t>(command));
    if (!window) {
        window = makeeditor(command, cart, this);
        if (!window)
            return;
        connect(window, &EditorWindow::statusMessage, this, &Form1::setstatus);
    }
    window->showEditor();
}

void Form1::closeeditors()
{
    for (EditorWindow* window : editors) {
        if (window && window->isOpen())
            window->close();
    }
}

void Form1::setstatus(const QString& text) { StatusLine->setText(text); }

void Form1::closeEvent(QCloseEvent* event)
{
    closeeditors();
    event->accept();
}

}  // namespace icevale
