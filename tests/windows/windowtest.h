#pragma once
// Shared by the window tests: a document over the sample image, the image a test expects
// of it (built with the core writers), every change the document recorded, and the
// controls the colour windows share.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QScrollBar>

#include "core/colours.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"
#include "widgets/clicklist.h"
#include "widgets/colourlabel.h"
#include "windows/editorwindow.h"

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace icevale::test {

class WindowTest : public ::testing::Test {
protected:
    Document doc = loadedDocument();
    Bytes expected = doc.image();
    std::vector<Change> edits;  // every change applied, in order
    int notices = 0;            // every notice the document sent: edits, undos, redos

    WindowTest() { watch(); }

    // Starts again from the sample image altered by `damage`; call before the window opens.
    void reopen(const std::function<void(Bytes&)>& damage)
    {
        doc = loadedDocument(damage);
        expected = doc.image();
        edits.clear();
        watch();
    }
    void expect(const Edit& edit) { ASSERT_TRUE(applyedit(expected, edit)); }
    void checkImage() const { EXPECT_EQ(differences(doc.image(), expected), std::vector<std::size_t>{}); }

    // Undoes the last `steps` changes as the main window does: the tables follow the
    // image and the window shows it again, which must write nothing.
    void undoLast(EditorWindow& window, std::size_t steps = 1)
    {
        ASSERT_GE(edits.size(), steps);
        for (std::size_t k = 1; k <= steps; ++k)
            doc.undo(edits[edits.size() - k]);
        ASSERT_EQ(doc.decode(), "");
        const int before = notices;
        window.refresh();
        EXPECT_EQ(notices, before) << "showing the image again wrote to it";
    }

private:
    void watch()
    {
        doc.listen([this](const Change& change, ChangeKind kind) {
            ++notices;
            if (kind == ChangeKind::Edited)
                edits.push_back(change);
        });
    }
};

inline QScrollBar* bar(const QWidget* w, int n) { return child<QScrollBar>(w, QStringLiteral("HScroll%1").arg(n)); }
inline ColourLabel* cell(const QWidget* w, int k) { return child<ColourLabel>(w, QStringLiteral("Label1_%1").arg(k)); }
inline QPushButton* button(const QWidget* w, int n) { return child<QPushButton>(w, QStringLiteral("Command%1").arg(n)); }
inline ClickList* list1(const QWidget* w) { return child<ClickList>(w, QStringLiteral("List1")); }
inline Rgb barColour(const QWidget* w) { return {bar(w, 1)->value(), bar(w, 2)->value(), bar(w, 3)->value()}; }

inline void moveBars(const QWidget* w, const Rgb& colour)
{
    moveBar(bar(w, 1), colour.red);
    moveBar(bar(w, 2), colour.green);
    moveBar(bar(w, 3), colour.blue);
}

}  // namespace icevale::test
