#pragma once
// Which editor window each of the main window's editor buttons opens.
#include <QWidget>

#include "core/document.h"

namespace icevale {

class EditorWindow;

// Creates the window of editor button `command` (3..10, as numbered on the main
// window); nullptr for any other number.
EditorWindow* createeditor(int command, Document& doc, QWidget* parent);

}  // namespace icevale
