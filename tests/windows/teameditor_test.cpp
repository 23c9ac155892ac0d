#include <functional>

#include "core/teamtexts.h"
#include "windows/teameditor.h"
#include "windowtest.h"

namespace icevale {
namespace {

using namespace test;
QString operator""_q(const char* s, std::size_t) { return QString::fromUtf8(s); }

class TeamWindow : public WindowTest {
protected:
    TeamEditor window{doc, nullptr};

    LimitedLineEdit* box(const char* name, int t)
    {
        return child<LimitedLineEdit>(&window, "%1_%2"_q.arg(QLatin1String(name)).arg(t - 1));
    }
    LimitedLineEdit* text(int n) { return child<LimitedLineEdit>(&window, "Text%1"_q.arg(n)); }
    std::vector<LimitedLineEdit*> row(int t)
    {
        return {box("Teamnm", t), box("Teamnick", t), box("Teamabbreviation", t), box("Teamarena", t)};
    }
    int left(int t) { return child<QLabel>(&window, "bytesremaining_%1"_q.arg(t - 1))->text().toInt(); }
    QString message() { return child<QLabel>(&window, "SaveMessage"_q)->text(); }
    bool marked(QWidget* w) { return !w->styleSheet().isEmpty(); }
    void retype(LimitedLineEdit* edit, const QString& value)
    {
        backspace(edit, static_cast<int>(edit->text().size()));
        typeInto(edit, value);
    }
    void expectTexts(int t, const TeamTexts& texts) { expect(teamtextedit(t, texts).value()); }
};

// The four boxes of a row share its block's free bytes, the two menu names their 22
// characters; closing with Discard drops every edit.
TEST_F(TeamWindow, BoxesShareTheirBudgetsAndADiscardedCloseDropsThem)
{
    window.showEditor();
    // The boxes are taller than the rows are apart: each row lies over the one below it.
    const QObjectList& stack = box("Teamnm", 1)->parent()->children();
    for (int t = 1; t < kTeams; ++t)
        EXPECT_GT(stack.indexOf(box("Teamnm", t)), stack.indexOf(box("Teamnm", t + 1))) << t;
    const int t = 6;  // Fenwick FEN Pikes "Pike Pit": 3 of 34 bytes free
    ASSERT_EQ(left(t), 3);
    const std::vector<int> neighbours = {left(t - 1), left(t + 1)};
    backspace(box("Teamabbreviation", t), 3);
    typeInto(box("Teamarena", t), "abcdefgh"_q);
    EXPECT_EQ(box("Teamarena", t)->text(), "Pike Pitabcdef"_q);
    for (const int room : {0, 1}) {  // at 0 no box takes a character, the emptied one included
        if (room == 1)
            backspace(box("Teamnm", t), 1, 3);  // from the middle of "Fenwick"
        EXPECT_EQ(left(t), room);
        for (LimitedLineEdit* edit : row(t)) {
            const QString before = edit->text();
            typeInto(edit, "XY"_q);
            EXPECT_EQ(edit->text(), before + "X"_q.left(room)) << edit->objectName().toStdString();
            backspace(edit, room);
        }
    }
    EXPECT_EQ(std::vector<int>({left(t - 1), left(t + 1)}), neighbours);

    backspace(text(2), 6);
    typeInto(text(1), "ABCDEFGHIJKLMNOPQRSTUVWXYZ"_q);
    typeInto(text(2), "a"_q);
    EXPECT_EQ(text(1)->text() + text(2)->text(), "ICEVALEABCDEFGHIJKLMNO"_q);  // 22 + 0
    retype(box("overallnum", t), "1"_q);
    EXPECT_TRUE(window.haspending());
    const auto answer = answerBox("UnsavedChanges"_q, QMessageBox::Discard);
    window.close();
    EXPECT_TRUE(answer->answered() && !window.isOpen() && edits.empty());
    window.showEditor();  // shows the tables again, not the discarded edits
    EXPECT_EQ(box("Teamnm", t)->text() + box("overallnum", t)->text() + text(1)->text() + QString::number(left(t)),
              "Fenwick"_q + QString::number(sampleImage().teams[t].overall) + "ICEVALE3"_q);
}

TEST_F(TeamWindow, AWrongOverallNumberRefusesTheWholeSave)
{
    window.showEditor();
    backspace(box("Teamnm", 3), 4);  // "Calder Bay" -> "Calder"
    typeInto(box("Teamarena", 5), " Rink"_q);
    backspace(text(2), 6);
    for (const char* wrong : {"", "abc", "300", "-1"}) {
        retype(box("overallnum", 5), QString::fromLatin1(wrong));
        const QString why = window.commit();
        EXPECT_TRUE(message().contains(why) && why.contains("overall number of team 5 (Eskerfield)"_q)) << why.toStdString();
        EXPECT_TRUE(marked(box("overallnum", 5)) && !marked(box("overallnum", 6))) << wrong;
        EXPECT_TRUE(edits.empty()) << wrong;
    }
    const QString last = box("overallnum", kTeams)->text();  // the last team's box is checked too
    retype(box("overallnum", kTeams), "300"_q);
    EXPECT_TRUE(window.commit().contains("team 28 ("_q) && marked(box("overallnum", kTeams)));
    retype(box("overallnum", kTeams), last);
    click(button(&window, 1));  // "Save and Exit" refuses too, and stays open
    EXPECT_TRUE(window.isOpen() && edits.empty());
    retype(box("overallnum", 5), "255"_q);
    EXPECT_FALSE(marked(box("overallnum", 5)));  // a mended box loses its mark
    EXPECT_EQ(window.commit(), QString());       // saves and stays open
    EXPECT_TRUE(window.isOpen() && !window.haspending());
    expectTexts(3, {"Calder", "CAL", "Gulls", "Bay Arena"});
    expectTexts(5, {"Eskerfield", "ESK", "Elks", "Esker Ice Rink"});
    checkImage({overalledit(5, 255), menunamesedit({"ICEVALE", ""}).value()});
    EXPECT_EQ(doc.cart().teamname[3], "Calder");  // the tables follow for the other windows
    typeInto(box("Teamnick", 2), "s"_q);
    click(button(&window, 1));
    EXPECT_FALSE(window.isOpen());
    expectTexts(2, {"Brisk", "BRK", "Owlss", "Owl Rink"});
    checkImage();
}

// Every way of closing with edits in the boxes asks; without edits nothing is asked.
TEST_F(TeamWindow, ClosingWithEditsAsksToSaveDiscardOrStay)
{
    struct Case {
        std::function<void()> close;
        QMessageBox::StandardButton answer;
        const char* overall;  // typed into team 2's box
        bool closed, stored;
    };
    const std::vector<Case> cases = {
        {[&] { pressKeys(&window, QKeySequence(Qt::Key_Escape)); }, QMessageBox::Cancel, "7", false, false},
        {[&] { pressKeys(&window, QKeySequence(Qt::CTRL | Qt::Key_W)); }, QMessageBox::Save, "abc", false, false},
        {[&] { window.close(); }, QMessageBox::Save, "7", true, true},  // the close control
        {[&] { window.close(); }, QMessageBox::Discard, "abc", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.overall + std::to_string(c.answer));
        window.showEditor();
        {
            const auto unasked = answerBox("UnsavedChanges"_q, QMessageBox::Cancel);
            window.close();  // nothing edited yet
            EXPECT_TRUE(!unasked->answered() && !window.isOpen());
        }
        window.showEditor();
        retype(box("overallnum", 2), QString::fromLatin1(c.overall));
        const std::size_t stored = edits.size();
        QString text;
        {
            const auto answer = answerBox("UnsavedChanges"_q, c.answer, &text);
            c.close();
            EXPECT_TRUE(answer->answered());
        }
        EXPECT_TRUE(text.contains("TeamEditor"_q)) << text.toStdString();
        EXPECT_EQ(window.isOpen(), !c.closed);
        EXPECT_EQ(window.isOpen(), window.isVisible());
        EXPECT_EQ(edits.size() - stored, c.stored ? 1U : 0U);
        EXPECT_EQ(!message().isEmpty(), QString::fromLatin1(c.overall) == "abc"_q && c.answer == QMessageBox::Save);
        if (c.stored)
            checkImage({overalledit(2, 7)});
        window.discard();
    }
}

// Texts longer than their block (a damaged image): unedited they stay exactly as
// stored; edited they must shrink to fit before anything is saved.
TEST_F(TeamWindow, OverlongTextsOfADamagedImage)
{
    reopen([](Bytes& rom) {
        Edit records;  // 53 bytes in team 28's block of 46, and 30 bytes of the 26 for the names
        std::size_t p = records.putrecord(teamtextoffset[28], std::string(42, 'N'));
        for (const char* text : {"A", "B", "C"})
            p = records.putrecord(p, text);
        records.putrecord(records.putrecord(kMenuNamesOffset, std::string(28, 'M')), "NO");
        ASSERT_TRUE(applyedit(rom, records));
    });
    window.showEditor();
    EXPECT_EQ(left(28), -7);
    EXPECT_TRUE(window.commit().isEmpty() && edits.empty());  // unedited: left as stored

    backspace(box("Teamnm", 28), 2);
    backspace(text(1), 1);
    const QString why = window.commit();
    EXPECT_TRUE(why.contains("team 28"_q) && why.contains("5 bytes too long"_q) && why.contains("7 characters over"_q))
        << why.toStdString();
    EXPECT_TRUE(marked(box("Teamarena", 28)) && marked(text(2)) && edits.empty());

    backspace(box("Teamnm", 28), 5);
    backspace(text(1), 7);
    EXPECT_EQ(window.commit(), QString());
    expectTexts(28, {std::string(35, 'N'), "A", "B", "C"});
    checkImage({menunamesedit({std::string(20, 'M'), "NO"}).value()});
}

}  // namespace
}  // namespace icevale
