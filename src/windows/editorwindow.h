#pragma once
// Base of the eight editor windows: a modeless top-level window over the shared
// Cartridge. The window object lives as long as the main window, so its window-level
// variables survive closing; each showing after a close runs Form_Load again, and
// every closing, by any route, runs Form_Unload.
#include <QWidget>

#include "core/cartridge.h"

namespace icevale {

class EditorWindow : public QWidget {
    Q_OBJECT
public:
    // `name` is the window's objectName, `caption` its title.
    EditorWindow(Cartridge& cart, QWidget* parent, const QString& name, const QString& caption);

    // Loads the window if it is closed, then shows it and brings it forward.
    void showEditor();
    bool isOpen() const { return open_; }

signals:
    // A message for the main window's status line.
    void statusMessage(const QString& text);

protected:
    virtual void Form_Load() = 0;
    virtual void Form_Unload() {}
    void closeEvent(QCloseEvent* event) override;
    // Small type for the windows whose written layout is dense.
    void usepixelfont(int pixels);

    Cartridge& cart;

private:
    bool open_ = false;
};

}  // namespace icevale
