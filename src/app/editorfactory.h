#pragma once
// Which editor window each of the main window's editor buttons opens.
#include <QWidget>

#include "core/cartridge.h"

namespace icevale {

class EditorWindow;

// Creates the window of editor button `command` (3..10, as numbered on the main
// window); nullptr for any other number.
EditorWindow* createeditor(int command, Cartridge& cart, QWidget* parent);

}  // namespace icevale
