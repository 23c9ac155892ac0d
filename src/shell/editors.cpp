#include "shell/editors.h"

#include "colours/bannereditor.h"
#include "colours/uniformeditor.h"
#include "shell/editorwindow.h"

namespace icevale {

EditorWindow* createeditor(int command, Cartridge& cart, QWidget* parent)
{
    (void)cart;
    (void)parent;
    switch (command) {
    case 3:  // "Edit Playoffs"
        return nullptr;
    case 4:  // "Edit Teams"
        return nullptr;
    case 5:  // "Edit Players"
        return nullptr;
    case 6:  // "Edit Lines"
        return nullptr;
    case 7:  // "Edit Uniforms"
        return new UniformEditor(cart, parent);
    case 8:  // "Edit Menu"
        return nullptr;
    case 9:  // "Edit Banner Colors"
        return new BannerEditor(cart, parent);
    case 10:  // "Edit Banner Text"
        return nullptr;
    default:
        return nullptr;
    }
}

}  // namespace icevale
