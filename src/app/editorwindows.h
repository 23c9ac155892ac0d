#pragma once
// The main window's eight editor windows: made on first use and kept, so each opens
// again on the team, page or cell it showed last.
#include <QString>
#include <array>

#include "core/document.h"

class QWidget;

namespace icevale {

class EditorWindow;

class EditorWindows {
public:
    EditorWindows(Document& document, QWidget* owner) : doc(document), parent(owner) {}
    // The windows refer to the document, so they go before it, not with their parent.
    ~EditorWindows();
    EditorWindows(const EditorWindows&) = delete;
    EditorWindows& operator=(const EditorWindows&) = delete;

    // The window of editor button `command` (3..10) if it has been made.
    EditorWindow* at(int command) const { return windows.at(static_cast<std::size_t>(command)); }
    // Makes the window on first use; `made` is called once for each new window.
    template <typename Made>
    EditorWindow* get(int command, Made made);

    // A window that could not store what it holds, and why.
    struct Refusal {
        EditorWindow* window = nullptr;  // none when every window stored
        QString why;
    };
    // Every open window stores what it holds, up to the first that refuses, which
    // comes forward.
    Refusal commit();
    void closeall();  // every open window closes through its own closing step
    bool haspending() const;

private:
    EditorWindow* create(int command);

    Document& doc;
    QWidget* parent;
    std::array<EditorWindow*, 11> windows{};
};

template <typename Made>
EditorWindow* EditorWindows::get(int command, Made made)
{
    if (at(command))
        return at(command);
    EditorWindow* window = create(command);
    if (window)
        made(window);
    return window;
}

}  // namespace icevale
