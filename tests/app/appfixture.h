#pragma once
// The main window over the sample image, opened from a file, and one real edit in each
// editor window, made through its controls as a person would.
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <functional>

#include "app/form1.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"
#include "windows/editorwindow.h"

namespace icevale::test {

struct WindowEdit {
    int command;        // the main window's button
    const char* title;  // what the step is named after
    std::function<void(QWidget* window)> edit;
};

// Picks the entry after the one selected, so the pick is always a change.
inline void pickNext(QWidget* window, const QString& name)
{
    auto* box = child<QComboBox>(window, name);
    pick(box, (box->currentIndex() + 1) % box->count());
}

// Clicks one of the bar's arrows: the right one unless the bar is at its end.
inline void nudgeBar(QWidget* window, const QString& name)
{
    auto* bar = child<QScrollBar>(window, name);
    const bool up = bar->value() < bar->maximum();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(up ? bar->width() - 3 : 3, bar->height() / 2));
}

inline const std::vector<WindowEdit>& windowEdits()
{
    static const std::vector<WindowEdit> edits = {
        {3, "Playoff slots", [](QWidget* w) { pickNext(w, QStringLiteral("Combo1_0")); }},
        {4, "Team texts", [](QWidget* w) { backspace(child<QLineEdit>(w, QStringLiteral("Teamnm_0")), 1); }},
        {5, "Save players", [](QWidget* w) { pickNext(w, QStringLiteral("Combo2_0")); }},
        {6, "Line-up", [](QWidget* w) { pickNext(w, QStringLiteral("Combo1_3")); }},
        {7, "Uniform colour", [](QWidget* w) { nudgeBar(w, QStringLiteral("HScroll1")); }},
        {8, "Menu defaults", [](QWidget* w) { pickNext(w, QStringLiteral("Combo8")); }},
        {9, "Banner colours", [](QWidget* w) { click(child<QPushButton>(w, QStringLiteral("Command1"))); }},
        {10, "Banner texts", [](QWidget* w) { backspace(child<QLineEdit>(w, QStringLiteral("Teamnm_0")), 1); }},
    };
    return edits;
}

// Answers the next UnsavedChanges box with `button`.
inline std::unique_ptr<ModalAnswer> answerQuestion(QMessageBox::StandardButton button, QString* text = nullptr)
{
    return answerBox(QStringLiteral("UnsavedChanges"), button, text);
}

class OpenedForm : public ::testing::Test {
protected:
    TempDir dir;
    Form1 form;
    QString file;
    QTimer* watchdog = nullptr;
    QPointer<QWidget> lastmodal;  // the watchdog's last look
    int looks = 0;
    int lastanswered = 0;

    void SetUp() override
    {
        file = write("in.smc", sampleImage().bytes);
        // A dialog that a test does not expect would wait for ever: one still there at
        // three looks a second apart with no dialog answered in between (an awaited one is
        // answered within milliseconds of coming) fails the test and is closed.
        watchdog = new QTimer(&form);
        QObject::connect(watchdog, &QTimer::timeout, &form, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            looks = modal && modal == lastmodal && dialogsAnswered == lastanswered ? looks + 1 : 0;
            lastmodal = modal;
            lastanswered = dialogsAnswered;
            if (modal && looks >= 2) {
                ADD_FAILURE() << "an unanswered dialog: " << modal->objectName().toStdString();
                modal->close();
            }
        });
        watchdog->start(1000);
        form.show();
        ASSERT_TRUE(form.openfile(file));
    }
    QString write(const std::string& name, const Bytes& bytes)
    {
        writeFile(dir.path(name), bytes);
        return QString::fromStdString(dir.path(name).string());
    }
    const Bytes& image() { return form.document().image(); }
    QWidget* open(int command)
    {
        click(child<QPushButton>(&form, QStringLiteral("Command%1").arg(command)));
        return form.editor(command);
    }
    void save(const QString& path)
    {
        const auto answer = answerFileDialog(path);
        click(child<QPushButton>(&form, QStringLiteral("Command2")));
        EXPECT_TRUE(answer->answered());
    }
    QString status() { return child<QLabel>(&form, QStringLiteral("StatusLine"))->text(); }
    // The title once the event loop has shown the latest state, as a person sees it.
    bool marked()
    {
        QCoreApplication::processEvents();
        return form.isWindowModified();
    }
};

}  // namespace icevale::test
