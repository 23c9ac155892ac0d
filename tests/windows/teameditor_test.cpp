#include <QLabel>

#include "core/teamtexts.h"
#include "widgets/limitedlineedit.h"
#include "widgets/qtext.h"
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
// characters; the close control discards every edit.
TEST_F(TeamWindow, BoxesShareTheirBudgetsAndTheCloseControlDiscards)
{
    window.showEditor();
    EXPECT_EQ(window.windowTitle() + child<QLabel>(&window, "Label1"_q)->text(), "TeamEditorMenu Display Names:"_q);
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
    closeWindow(&window);
    EXPECT_TRUE(edits.empty());
    window.showEditor();  // shows the tables again, not the discarded edits
    EXPECT_EQ(box("Teamnm", t)->text() + box("overallnum", t)->text() + text(1)->text() + QString::number(left(t)),
              "Fenwick"_q + QString::number(sampleImage().teams[t].overall) + "ICEVALE3"_q);
}

TEST_F(TeamWindow, AWrongOverallNumberRefusesTheWholeSave)
{
    window.showEditor();
    EXPECT_FALSE(window.haspending());
    backspace(box("Teamnm", 3), 4);  // "Calder Bay" -> "Calder"
    typeInto(box("Teamarena", 5), " Rink"_q);
    backspace(text(2), 6);
    for (const char* wrong : {"", "abc", "300", "-1"}) {
        retype(box("overallnum", 5), QString::fromLatin1(wrong));
        const QString why = window.commit();
        EXPECT_TRUE(why == message() && why.contains("overall number of team 5 (Eskerfield)"_q)) << why.toStdString();
        EXPECT_TRUE(marked(box("overallnum", 5)) && !marked(box("overallnum", 6))) << wrong;
        EXPECT_TRUE(edits.empty()) << wrong;
    }
    click(button(&window, 1));  // "Save and Exit" refuses too, and stays open
    EXPECT_TRUE(window.isOpen() && edits.empty());
    retype(box("overallnum", 5), "255"_q);
    EXPECT_FALSE(marked(box("overallnum", 5)));  // a mended box loses its mark
    EXPECT_EQ(window.commit(), QString());       // saves and stays open
    EXPECT_TRUE(window.isOpen() && !window.haspending());
    expectTexts(3, {"Calder", "CAL", "Gulls", "Bay Arena"});
    expectTexts(5, {"Eskerfield", "ESK", "Elks", "Esker Ice Rink"});
    expect(overalledit(5, 255));
    expect(menunamesedit({"ICEVALE", ""}).value());
    checkImage();
    EXPECT_EQ(doc.cart().teamname[3], "Calder");  // the tables follow for the other windows

    undoLast(window);
    EXPECT_EQ(QStringList({box("Teamnm", 3)->text(), box("overallnum", 5)->text(), text(2)->text()}),
              QStringList({"Calder Bay"_q, QString::number(sampleImage().teams[5].overall), "LEAGUE"_q}));
    typeInto(box("Teamnick", 2), "s"_q);
    click(button(&window, 1));
    EXPECT_FALSE(window.isOpen());
    expected = sampleImage().bytes;
    expectTexts(2, {"Brisk", "BRK", "Owlss", "Owl Rink"});
    checkImage();
}

// Texts longer than their block (a damaged image): unedited they stay exactly as
// stored; edited they must shrink to fit before anything is saved.
TEST_F(TeamWindow, OverlongTextsOfADamagedImage)
{
    reopen([](Bytes& rom) {
        Edit records;  // 41 bytes in team 6's block of 34, and 30 bytes of the 26 for the names
        std::size_t p = records.putrecord(teamtextoffset[6], std::string(30, 'N'));
        for (const char* text : {"A", "B", "C"})
            p = records.putrecord(p, text);
        records.putrecord(records.putrecord(kMenuNamesOffset, std::string(28, 'M')), "NO");
        ASSERT_TRUE(applyedit(rom, records));
    });
    window.showEditor();
    EXPECT_EQ(left(6), -7);
    EXPECT_TRUE(window.commit().isEmpty() && edits.empty());  // unedited: left as stored

    backspace(box("Teamnm", 6), 2);
    backspace(text(1), 1);
    const QString why = window.commit();
    EXPECT_TRUE(why.contains("team 6"_q) && why.contains("5 bytes too long"_q) && why.contains("7 characters over"_q))
        << why.toStdString();
    EXPECT_TRUE(marked(box("Teamarena", 6)) && marked(text(2)) && edits.empty());

    backspace(box("Teamnm", 6), 5);
    backspace(text(1), 7);
    EXPECT_EQ(window.commit(), QString());
    expectTexts(6, {std::string(23, 'N'), "A", "B", "C"});
    expect(menunamesedit({std::string(20, 'M'), "NO"}).value());
    checkImage();
}

}  // namespace
}  // namespace icevale
