#pragma once
// Base of the eight editor windows: a modeless top-level window over the document. The
// window object lives as long as the main window, so its window-level variables survive
// closing; each showing after a close runs Form_Load again, and every closing, by any
// route but a discard, runs Form_Unload. A closing that could not store the edits asks
// first, so they are never dropped without a word.
#include <QWidget>

#include "core/document.h"

namespace icevale {

class EditorWindow : public QWidget {
    Q_OBJECT
public:
    // `name` is the window's objectName, `caption` its title.
    EditorWindow(Document& doc, QWidget* parent, const QString& name, const QString& caption);
    ~EditorWindow() override;

    // Loads the window if it is closed, then shows it and brings it forward.
    void showEditor();
    bool isOpen() const { return open_; }
    // Closes the window without storing what its controls hold and without asking.
    void discard();
    // The name messages call the window by (the button that opens it); its title when unset.
    QString plainname() const { return plainname_.isEmpty() ? windowTitle() : plainname_; }
    void setplainname(const QString& name) { plainname_ = name; }
    // When the window is larger than `area` (less room for its frame), its controls go
    // into a scroll area and the window shrinks to fit; a window that fits is left as is.
    void fitscreen(const QRect& area);

    // Stores into the image what the controls hold, as the window's own closing or save
    // step would, and stays open. Returns why it refused, or an empty text.
    virtual QString commit() { return {}; }
    // Whether commit() would change the image.
    virtual bool haspending() const { return false; }
    // Shows the image again after it changed under the window (undo, redo), keeping the
    // team, line, page or cell shown; writes nothing.
    virtual void refresh() { Form_Load(); }
    // The areas of the image the window writes, and those it shows (with the teams'
    // names, which every window shows); a change to another area leaves it alone.
    virtual Areas ownareas() const = 0;
    virtual Areas shownareas() const { return ownareas() | Area::TeamText; }

signals:
    // A message for the main window's status line.
    void statusMessage(const QString& text);
    // A control changed, so the window may now hold edits the image does not.
    void edited();
    // The window closed: whatever it held is stored or gone.
    void closed();

protected:
    virtual void Form_Load() = 0;
    virtual void Form_Unload() {}
    // Asked before a closing that is not a discard; false keeps the window open. By
    // default a closing whose store would be refused asks whether to drop the edits.
    virtual bool mayclose();
    // Why the closing step could not store what the controls hold, or an empty text
    // when it can (or nothing would be lost); stores nothing.
    virtual QString closerefusal() const { return {}; }
    // A discard drops what the controls hold; a window that keeps a draft outside its
    // controls (in the tables) puts it back to the image here.
    virtual void dropdraft() {}
    void closeEvent(QCloseEvent* event) override;
    // The document changed by an edit not made by this window, or by an undo, a redo or
    // an opening: an open window showing one of the areas it touched shows the image again.
    virtual void imagechanged(const ChangeEvent& event);
    // Small type for the windows whose written layout is dense.
    void usepixelfont(int pixels);

    // Applies an edit through the document under the name of what the user did; a
    // refusal goes to the status line. Returns whether the edit was applied.
    bool apply(const Edit& edit, const QString& name, const std::string& mergekey = {});
    // Whether applying the edit would change a byte of the image.
    bool changes(const Edit& edit) const;

    Document& doc;
    const Cartridge& cart;

private:
    void watchcontrols();

    int listener_ = 0;
    bool applying_ = false;  // while the window's own edit goes through the document
    bool open_ = false;
    bool watched_ = false;
    bool discarding_ = false;
    QString plainname_;
};

}  // namespace icevale
