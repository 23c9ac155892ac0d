#include "app/editorwindows.h"

#include "app/editorfactory.h"
#include "windows/editorwindow.h"

namespace icevale {

EditorWindows::~EditorWindows()
{
    for (EditorWindow*& window : windows) {
        delete window;
        window = nullptr;
    }
}

EditorWindow* EditorWindows::create(int command)
{
    auto& window = windows.at(static_cast<std::size_t>(command));
    window = createeditor(command, doc, parent);
    return window;
}

// The first window that refuses stops the round, so nothing after it is stored either.
EditorWindows::Refusal EditorWindows::commit()
{
    for (EditorWindow* window : windows) {
        if (!window || !window->isOpen())
            continue;
        QString why = window->commit();
        if (!why.isEmpty()) {
            window->showEditor();
            return {window, why};
        }
    }
    return {};
}

void EditorWindows::closeall()
{
    for (EditorWindow* window : windows) {
        if (window && window->isOpen())
            window->close();
    }
}

bool EditorWindows::haspending() const
{
    for (const EditorWindow* window : windows) {
        if (window && window->isOpen() && window->haspending())
            return true;
    }
    return false;
}

}  // namespace icevale
