#include <gtest/gtest.h>

#include <QFileDialog>
#include <QTimer>
#include <QLabel>
#include <QPushButton>

#include "windows/editorwindow.h"
#include "app/form1.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"

namespace icevale {
namespace {

using test::answerFileDialog;
using test::child;
using test::click;

// An editor that counts its loads and unloads and writes one byte when it closes.
class CountingEditor : public EditorWindow {
public:
    CountingEditor(Document& document, QWidget* parent)
        : EditorWindow(document, parent, QStringLiteral("CountingEditor"), QStringLiteral("Counting"))
    {
    }
    int loads = 0;
    int unloads = 0;
    int loadedImageSize = 0;

protected:
    void Form_Load() override
    {
        ++loads;
        loadedImageSize = static_cast<int>(cart.RomImage.size());
    }
    void Form_Unload() override
    {
        ++unloads;
        Edit edit;
        edit.put(0x100, std::uint8_t{0x5A});
        apply(edit, QStringLiteral("Counting"));
    }
};

class MainWindow : public ::testing::Test {
protected:
    test::TempDir dir;
    std::vector<CountingEditor*> created;
    Form1 form{nullptr, [this](int command, Document& doc, QWidget* parent) -> EditorWindow* {
                   if (command != 4)
                       return nullptr;  // only "Edit Teams" exists in these tests
                   created.push_back(new CountingEditor(doc, parent));
                   return created.back();
               }};

    void SetUp() override { form.show(); }

    QPushButton* button(int command) { return child<QPushButton>(&form, QStringLiteral("Command%1").arg(command)); }
    QString label1() { return child<QLabel>(&form, QStringLiteral("Label1"))->text(); }
    QString status() { return child<QLabel>(&form, QStringLiteral("StatusLine"))->text(); }

    QString write(const std::string& name, const Bytes& bytes)
    {
        test::writeFile(dir.path(name), bytes);
        return QString::fromStdString(dir.path(name).string());
    }
    void open(const QString& path)
    {
        answerFileDialog(&form, path);
        click(button(1));
    }
    void save(const QString& path)
    {
        answerFileDialog(&form, path);
        click(button(2));
    }
    std::vector<bool> enabled()
    {
        std::vector<bool> states;
        for (int c = 1; c <= 10; ++c)
            states.push_back(button(c)->isEnabled());
        return states;
    }
};

TEST_F(MainWindow, StartsWithOnlyOpenRomAndCaptions)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("SNES Icevale EDITOR"));
    std::vector<bool> onlyOpen(10, false);
    onlyOpen[0] = true;
    EXPECT_EQ(enabled(), onlyOpen);
    const char* captions[] = {"",           "Open Rom",      "Save Rom",  "Edit Playoffs",      "Edit Teams",
                              "Edit Players", "Edit Lines", "Edit Uniforms", "Edit Menu", "Edit Banner Colors",
                              "Edit Banner Text"};
    for (int c = 1; c <= 10; ++c)
        EXPECT_EQ(button(c)->text(), QString::fromLatin1(captions[c]));
    EXPECT_TRUE(child<QLabel>(&form, QStringLiteral("Label2"))->text().contains(QStringLiteral("0.8.1")));
    EXPECT_EQ(child<QLabel>(&form, QStringLiteral("Label3"))->text(), QStringLiteral("Icevale"));

    const std::vector<bool> atStart = enabled();
    open({});  // cancelled
    EXPECT_EQ(enabled(), atStart);
    EXPECT_EQ(label1(), QString());
    EXPECT_EQ(status(), QString());

    open(write("short.smc", Bytes(10, 0)));  // a failed first open enables nothing
    EXPECT_EQ(enabled(), atStart);
    EXPECT_EQ(label1(), QString());
    EXPECT_FALSE(form.document().loaded());
}

TEST_F(MainWindow, OpenEnablesEverythingAndSaveProposesTheOpenedFile)
{
    const QString in = write("in.smc", test::sampleImage().bytes);
    open(in);
    EXPECT_EQ(enabled(), std::vector<bool>(10, true));
    EXPECT_EQ(label1(), in);
    EXPECT_EQ(form.document().image(), test::sampleImage().bytes);
    auto* dialog = child<QFileDialog>(&form, QStringLiteral("CommonDialog1"));
    EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("SNES Icevale Files (*.smc)")});

    QStringList proposed;
    QTimer::singleShot(0, &form, [&] {
        proposed = dialog->selectedFiles();
        dialog->reject();
    });
    click(button(2));
    EXPECT_EQ(proposed, QStringList{in});

    const QString copy = QString::fromStdString(dir.path("copy.smc").string());
    save(copy);
    EXPECT_EQ(test::readFile(copy.toStdString()), test::sampleImage().bytes);
    EXPECT_TRUE(status().contains(copy));
}

TEST_F(MainWindow, SavingOverLongerAndShorterFiles)
{
    open(write("in.smc", test::sampleImage().bytes));
    const std::size_t n = test::sampleImage().bytes.size();
    const QString longer = write("long.smc", Bytes(n + 3, 0x77));
    save(longer);
    Bytes expected = test::sampleImage().bytes;
    expected.insert(expected.end(), 3, 0x77);
    EXPECT_EQ(test::readFile(longer.toStdString()), expected);

    const QString shorter = write("short.smc", Bytes(5, 0x77));
    save(shorter);
    EXPECT_EQ(test::readFile(shorter.toStdString()), test::sampleImage().bytes);
}

TEST_F(MainWindow, FailuresAreReportedAndChangeNothing)
{
    const QString in = write("in.smc", test::sampleImage().bytes);
    open(in);
    const Bytes before = form.document().image();
    Bytes tooMany = test::sampleImage().bytes;
    tooMany[teamoffset[3] - 1] = 0xFF;
    const std::pair<QString, QString> failures[] = {
        {QString::fromStdString(dir.path("missing.smc").string()), QStringLiteral("No such file")},
        {QString::fromStdString(dir.path("").string()), QStringLiteral("folder")},
        {write("short.smc", Bytes(1000, 1)), QStringLiteral("1000 bytes")},
        {write("many.smc", tooMany), QStringLiteral("team 3")},
    };
    for (const auto& [path, reason] : failures) {
        open(path);
        EXPECT_TRUE(status().contains(QStringLiteral("Could not open"))) << status().toStdString();
        EXPECT_TRUE(status().contains(reason)) << status().toStdString();
        EXPECT_EQ(label1(), in);
        EXPECT_EQ(enabled(), std::vector<bool>(10, true));
        EXPECT_EQ(form.document().image(), before);
    }

    save(QStringLiteral("/dev/full"));
    EXPECT_TRUE(status().contains(QStringLiteral("Could not save"))) << status().toStdString();
    EXPECT_FALSE(status().contains(QStringLiteral("Saved")));
}

TEST_F(MainWindow, OneEditorWindowEachReloadedAfterClosing)
{
    open(write("in.smc", test::sampleImage().bytes));
    click(button(5));  // a window not built: nothing happens
    EXPECT_EQ(form.editor(5), nullptr);

    click(button(4));
    click(button(4));
    ASSERT_EQ(created.size(), 1u);
    CountingEditor* editor = created[0];
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->loads, 1);  // brought forward, not loaded again

    test::closeWindow(editor);
    EXPECT_EQ(editor->unloads, 1);
    click(button(4));
    EXPECT_EQ(created.size(), 1u);
    EXPECT_EQ(editor->loads, 2);
}

TEST_F(MainWindow, ASecondOpenClosesEditorsIntoTheOldImageFirst)
{
    open(write("in.smc", test::sampleImage().bytes));
    click(button(4));
    Bytes other = test::sampleImage().bytes;
    other.resize(other.size() + 16, 0);
    other[0x100] = 0x01;
    const QString second = write("second.smc", other);
    open(second);
    CountingEditor* editor = created.at(0);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(editor->unloads, 1);
    EXPECT_EQ(form.document().image(), other);  // the close wrote into the old image only
    EXPECT_EQ(label1(), second);
    click(button(4));
    EXPECT_EQ(editor->loadedImageSize, static_cast<int>(other.size()));
}

}  // namespace
}  // namespace icevale
