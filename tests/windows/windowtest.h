#pragma once
// Shared by the window tests: a document over the sample image, the image a test expects
// of it (built with the core writers), every change the document recorded, and the
// controls the colour windows share.
#include <QLabel>
#include <QPushButton>

#include "core/colours.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"
#include "widgets/clicklist.h"
#include "widgets/colourlabel.h"
#include "widgets/limitedlineedit.h"
#include "widgets/qtext.h"
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
        Bytes bytes = sampleImage().bytes;
        damage(bytes);
        doc.adopt(decoded(bytes), "sample.smc");  // the listeners stay
        expected = doc.image();
        edits.clear();
    }
    void expect(const Edit& edit) { ASSERT_TRUE(applyedit(expected, edit)); }
    // The image is as expected once `edits` (each built before any is applied) are expected too.
    void checkImage(std::initializer_list<Edit> also = {})
    {
        for (const Edit& edit : also)
            expect(edit);
        EXPECT_EQ(differences(doc.image(), expected), std::vector<std::size_t>{});
    }

    // Undoes the last change as the main window does: the document decodes what it
    // touched and the window, told so, shows the image again, which must write nothing.
    void undoLast(EditorWindow& window)
    {
        ASSERT_FALSE(edits.empty());
        const int before = notices;
        const Status undone = doc.undo(edits.back());
        ASSERT_TRUE(undone.ok()) << undone.message();
        EXPECT_TRUE(window.isOpen());
        EXPECT_EQ(notices, before + 1) << "showing the image again wrote to it";
    }

private:
    void watch()
    {
        doc.listen([this](const ChangeEvent& event) {
            ++notices;
            if (event.kind == ChangeKind::Edited)
                edits.push_back(*event.change);
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
