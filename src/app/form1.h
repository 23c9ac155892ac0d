#pragma once
// The main window: opens and saves the image through one persistent file dialog,
// shows the loaded file's path and opens the eight editor windows.
#include <QWidget>
#include <array>
#include <functional>

#include "core/cartridge.h"

class QFileDialog;
class QLabel;
class QPushButton;

namespace icevale {

class EditorWindow;

class Form1 : public QWidget {
    Q_OBJECT
public:
    using EditorFactory = std::function<EditorWindow*(int command, Cartridge&, QWidget* parent)>;

    // The factory makes the editor windows; tests may pass their own.
    explicit Form1(QWidget* parent = nullptr, EditorFactory factory = {});

    Cartridge& cartridge() { return cart; }
    // The editor window of button `command` (3..10) if it has been created.
    EditorWindow* editor(int command) const { return editors.at(static_cast<std::size_t>(command)); }

    void Command1_Click();  // "Open Rom"
    void Command2_Click();  // "Save Rom"
    void showeditor(int command);  // "Edit ..." buttons, Command3 .. Command10

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void buildcontrols();
    QString askfilename(bool save);
    void closeeditors();
    void setstatus(const QString& text);

    Cartridge cart;
    EditorFactory makeeditor;
    std::array<EditorWindow*, 11> editors{};
    std::array<QPushButton*, 11> commands{};
    QLabel* Label1 = nullptr;
    QLabel* StatusLine = nullptr;
    QFileDialog* CommonDialog1 = nullptr;
};

}  // namespace icevale
