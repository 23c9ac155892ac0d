#include <gtest/gtest.h>

#include <QPushButton>

#include "shell/editorwindow.h"
#include "shell/form1.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"

namespace icevale {
namespace {

using test::answerFileDialog;
using test::child;
using test::click;

// Through the main window as a person would: open the sample image, open both editors
// from their buttons, close them (the team editor with "Save and Exit"), save the image.
TEST(TeamAndLinesEditors, OpenedAndClosedLeaveTheSavedImageByteIdentical)
{
    test::TempDir dir;
    const auto in = dir.path("in.smc");
    const auto out = dir.path("out.smc");
    test::writeFile(in, test::sampleImage().bytes);
    Form1 form;
    form.show();
    const auto button = [&form](int command) {
        return child<QPushButton>(&form, QStringLiteral("Command%1").arg(command));
    };
    answerFileDialog(&form, QString::fromStdString(in.string()));
    click(button(1));

    click(button(4));
    EditorWindow* teams = form.editor(4);
    ASSERT_NE(teams, nullptr);
    EXPECT_EQ(teams->objectName(), QStringLiteral("TeamEditor"));
    click(button(6));
    EditorWindow* lines = form.editor(6);
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ(lines->objectName(), QStringLiteral("LinesEditor"));
    EXPECT_TRUE(teams->isOpen() && lines->isOpen());

    click(child<QPushButton>(teams, QStringLiteral("Command1")));
    test::closeWindow(lines);
    EXPECT_FALSE(teams->isOpen() || lines->isOpen());

    answerFileDialog(&form, QString::fromStdString(out.string()));
    click(button(2));
    const Bytes saved = test::readFile(out);
    ASSERT_EQ(saved.size(), test::sampleImage().bytes.size());
    EXPECT_EQ(test::differences(saved, test::sampleImage().bytes), std::vector<std::size_t>{});
}

}  // namespace
}  // namespace icevale
