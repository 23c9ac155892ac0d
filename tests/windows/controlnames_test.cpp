#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>

#include "app/editorfactory.h"
#include "windowtest.h"

namespace icevale {
namespace {

using namespace test;

// Tests and automation find every control of a window by its name: each label, button,
// box, list and bar has one, and no two in a window share it. A screen reader names each
// box, list and bar too.
TEST(EditorWindows, EveryControlHasANameOfItsOwn)
{
    Document doc = loadedDocument();
    for (int command = 3; command <= 10; ++command) {
        const std::unique_ptr<EditorWindow> window(createeditor(command, doc, nullptr));
        ASSERT_NE(window, nullptr);
        window->showEditor();
        QStringList missing = unfindable(window.get());
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const bool operated = qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QScrollBar*>(w);
            QAccessibleInterface* access = QAccessible::queryAccessibleInterface(w);
            if (operated && w->isVisible() && iscontrol(w, window.get()) && (!access || access->text(QAccessible::Name).isEmpty()))
                missing << w->objectName() + QStringLiteral(" (no name read out)");
        }
        EXPECT_TRUE(missing.isEmpty()) << window->objectName().toStdString() << ": "
                                       << missing.join(QStringLiteral("; ")).toStdString();
    }
}

}  // namespace
}  // namespace icevale
