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

EditorWindow* createeditor(int command, Document& doc, QWidget* parent)
{
    switch (command) {
    case 3:  // "Edit Playoffs"
        return new PlayoffEditor(doc, parent);
    case 4:  // "Edit Teams"
        return new TeamEditor(doc, parent);
    case 5:  // "Edit Players"
        return new PlayerEditor(doc, parent);
    case 6:  // "Edit Lines"
        return new LinesEditor(doc, parent);
    case 7:  // "Edit Uniforms"
        return new UniformEditor(doc, parent);
    case 8:  // "Edit Menu"
        return new MenuEditor(doc, parent);
    case 9:  // "Edit Banner Colors"
        return new BannerEditor(doc, parent);
    case 10:  // "Edit Banner Text"
        return new BannerTextEditor(doc, parent);
    default:
        return nullptr;
    }
}

}  // namespace icevale
