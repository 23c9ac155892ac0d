#pragma once
// The main window: owns the document, opens and saves the image through one persistent
// file dialog, shows the file's path and opens the eight editor windows. Before the
// image is saved, replaced or left, the open windows commit what they hold, and unsaved
// changes are only lost when the user says so.
#include <QWidget>
#include <array>

#include "app/editorwindows.h"
#include "core/document.h"

class QAction;
class QFileDialog;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace icevale {

class EditorWindow;
class History;

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    Document& document() { return doc; }
    History& history() { return *steps; }
    // The editor window of button `command` (3..10) if it has been created.
    EditorWindow* editor(int command) const { return editors.at(command); }

    void Command1_Click();  // "Open Rom"
    void Command2_Click();  // "Save Rom"
    void showeditor(int command);  // "Edit ..." buttons, Command3 .. Command10
    // Opens the file as "Open Rom" does once a name is chosen; returns whether it did.
    bool openfile(const QString& name);
    void undo();
    void redo();
    // File > Save: stores what the open windows hold and saves to the open file, asking
    // nothing.
    void savetoopen();
    // Every open window stores what it holds; false when one refused (it comes forward
    // and the status line says why).
    bool commiteditors();

signals:
    // The image changed: an edit, an undo or redo.
    void imagechanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Form_Load();
    void buildcontrols();
    void buildactions();
    QString askfilename(bool save);
    void closepopups();
    bool replacesother(const QString& path) const;
    bool mayleave();
    bool maydiscard();
    QString healthwarning() const;
    bool savefile(const std::string& name);
    void afterstep(const QString& verb, const QString& name);
    void showpath(const QString& path);
    void updatetitle();
    void setstatus(const QString& text);
    // The menu bar, the recent files and the remembered places (form1menus.cpp).
    void buildmenus();
    void updateactions();
    void fillrecent();
    void remember(const QString& path);
    void restoreplace();
    void placeeditor(EditorWindow* window);
    void showshortcuts();
    void showabout();

    Document doc;
    History* steps = nullptr;
    EditorWindows editors{doc, this};
    std::array<QPushButton*, 11> commands{};
    QLabel* Label1 = nullptr;
    QLabel* StatusLine = nullptr;
    QFileDialog* CommonDialog1 = nullptr;
    QTimer* titletimer = nullptr;  // gathers the changes of one event into one title update
    int listener = 0;
    QMenu* menuRecent = nullptr;
    std::array<QAction*, 11> windowactions{};  // Window menu, by editor button
};

}  // namespace icevale
