#include "shell/editorwindow.h"

#include <QCloseEvent>

namespace icevale {

EditorWindow::EditorWindow(Cartridge& cartridge, QWidget* parent) : QWidget(parent, Qt::Window), cart(cartridge) {}

void EditorWindow::showEditor()
{
    if (!open_) {
        open_ = true;
        Form_Load();
    }
    show();
    raise();
    activateWindow();
}

void EditorWindow::closeEvent(QCloseEvent* event)
{
    if (open_) {
        Form_Unload();
        open_ = false;
    }
    event->accept();
}

}  // namespace icevale
