#include "windows/editorwindow.h"

#include <QCloseEvent>

namespace icevale {

EditorWindow::EditorWindow(Cartridge& cartridge, QWidget* parent, const QString& name, const QString& caption)
    : QWidget(parent, Qt::Window), cart(cartridge)
{
    setObjectName(name);
    setWindowTitle(caption);
}

void EditorWindow::usepixelfont(int pixels)
{
    QFont f = font();
    f.setPixelSize(pixels);
    setFont(f);
}

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
