#include "app/editorfactory.h"
#include "windowtest.h"

namespace icevale {
namespace {

using namespace test;

// Tests and automation find every control of a window by its name: each label, button,
// box, list and bar has one, and no two in a window share it.
TEST(EditorWindows, EveryControlHasANameOfItsOwn)
{
    Document doc = loadedDocument();
    for (int command = 3; command <= 10; ++command) {
        const std::unique_ptr<EditorWindow> window(createeditor(command, doc, nullptr));
        ASSERT_NE(window, nullptr);
        window->showEditor();
        const QStringList missing = unfindable(window.get());
        EXPECT_TRUE(missing.isEmpty()) << window->objectName().toStdString() << ": "
                                       << missing.join(QStringLiteral("; ")).toStdString();
    }
}

}  // namespace
}  // namespace icevale
