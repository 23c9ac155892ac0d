#include "app/editorfactory.h"

#include "windows/bannertexteditor.h"
#include "windows/bannereditor.h"
#include "windows/uniformeditor.h"
#include "windows/lineseditor.h"
#include "windows/playereditor.h"
#include "windows/menueditor.h"
#include "windows/playoffeditor.h"
#include "windows/editorwindow.h"
#include "windows/teameditor.h"

namespace icevale {

EditorWindow* createeditor(int command, Cartridge& cart, QWidget* parent)
{
    switch (command) {
    case 3:  // "Edit Playoffs"
        return new PlayoffEditor(cart, parent);
    case 4:  // "Edit Teams"
        return new TeamEditor(cart, parent);
    case 5:  // "Edit Players"
        return new PlayerEditor(cart, parent);
    case 6:  // "Edit Lines"
        return new LinesEditor(cart, parent);
    case 7:  // "Edit Uniforms"
        return new UniformEditor(cart, parent);
    case 8:  // "Edit Menu"
        return new MenuEditor(cart, parent);
    case 9:  // "Edit Banner Colors"
        return new BannerEditor(cart, parent);
    case 10:  // "Edit Banner Text"
        return new BannerTextEditor(cart, parent);
    default:
        return nullptr;
    }
}

}  // namespace icevale
