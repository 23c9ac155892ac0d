#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "app/form1.h"
#include "widgets/limitedlineedit.h"
#include "core/teamtext.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"
#include "windows/teameditor.h"

namespace icevale {
namespace {

using test::backspace;
using test::child;
using test::click;
using test::differences;
using test::pasteInto;
using test::typeInto;
using Offsets = std::vector<std::size_t>;
QString operator""_q(const char* s, std::size_t) { return QString::fromUtf8(s); }

// Length-prefixed records as the image lays them out, for expected images.
void putRecords(Bytes& rom, std::size_t p, const std::vector<std::string>& texts)
{
    for (const std::string& text : texts) {
        rom[p++] = static_cast<std::uint8_t>(text.size() + 2);
        rom[p++] = 0;
        for (const char c : text)
            rom[p++] = static_cast<std::uint8_t>(c);
    }
}

class TeamEditorWindow : public ::testing::Test {
protected:
    Cartridge cart = test::loadedSample();
    Bytes original;
    TeamEditor editor{cart, nullptr};

    void open()
    {
        if (original.empty())
            original = cart.RomImage;  // after any damage a test puts in
        editor.showEditor();
    }
    LimitedLineEdit* box(const char* name, int i)
    {
        return child<LimitedLineEdit>(&editor, "%1_%2"_q.arg(QLatin1String(name)).arg(i));
    }
    LimitedLineEdit* text(int n) { return child<LimitedLineEdit>(&editor, "Text%1"_q.arg(n)); }
    std::vector<LimitedLineEdit*> row(int i)
    {
        return {box("Teamnm", i), box("Teamnick", i), box("Teamabbreviation", i), box("Teamarena", i)};
    }
    int left(int i) { return child<QLabel>(&editor, "bytesremaining_%1"_q.arg(i))->text().toInt(); }
    QString message() { return child<QLabel>(&editor, "SaveMessage"_q)->text(); }
    bool marked(QWidget* w) { return !w->styleSheet().isEmpty(); }
    void retype(LimitedLineEdit* edit, const QString& value)
    {
        backspace(edit, static_cast<int>(edit->text().size()));
        typeInto(edit, value);
    }
    void save() { click(child<QPushButton>(&editor, "Command1"_q)); }
};

TEST_F(TeamEditorWindow, ARowAtZeroRefusesEveryBoxAndOneDeletionGivesEachOneMore)
{
    open();
    const int i = 5;  // Fenwick FEN Pikes "Pike Pit": 3 of 34 bytes free
    ASSERT_EQ(left(i), 3);
    const std::vector<int> neighbours = {left(i - 1), left(i + 1)};
    backspace(box("Teamabbreviation", i), 3);
    typeInto(box("Teamarena", i), "abcdefgh"_q);
    EXPECT_EQ(box("Teamarena", i)->text(), "Pike Pitabcdef"_q);
    for (LimitedLineEdit* edit : row(i)) {  // the emptied abbreviation box included
        const QString before = edit->text();
        typeInto(edit, "q"_q);
        pasteInto(edit, "zz"_q);
        EXPECT_EQ(edit->text(), before) << edit->objectName().toStdString();
    }
    backspace(box("Teamnm", i), 1, 3);  // from the middle of "Fenwick"
    EXPECT_EQ(left(i), 1);
    for (LimitedLineEdit* edit : row(i)) {
        const QString before = edit->text();
        typeInto(edit, "XY"_q);
        EXPECT_EQ(edit->text(), before + "X"_q) << edit->objectName().toStdString();
        backspace(edit, 1);
    }
    EXPECT_EQ(std::vector<int>({left(i - 1), left(i + 1)}), neighbours);  // rows never affect each other

    retype(box("overallnum", i), "1"_q);
    typeInto(text(1), "Q"_q);
    test::closeWindow(&editor);  // discards the edits
    EXPECT_EQ(differences(cart.RomImage, original), Offsets{});
    EXPECT_EQ(cart.teamname[6] + cart.teamabbrev[6], "FenwickFEN");
    open();
    EXPECT_EQ(QStringList({box("Teamnm", i)->text(), box("Teamabbreviation", i)->text(), text(1)->text(),
                           box("overallnum", i)->text(), QString::number(left(i))}),
              QStringList({"Fenwick"_q, "FEN"_q, "ICEVALE"_q, QString::number(test::sampleImage().teams[6].overall),
                           "3"_q}));
}

TEST_F(TeamEditorWindow, SaveAndExitWritesTheRecordsOnlyWhenEveryNumberIsRight)
{
    cart.RomImage[teamoffset[2]] = 255;  // an unsigned byte
    open();
    EXPECT_EQ(box("overallnum", 1)->text(), "255"_q);
    backspace(text(1), 7);
    backspace(text(2), 6);
    typeInto(text(2), "0123456789"_q);
    typeInto(text(1), "ABCDEFGHIJKLMNOP"_q);
    pasteInto(text(2), "yz"_q);
    EXPECT_EQ(text(1)->text() + text(2)->text(), "ABCDEFGHIJKL0123456789"_q);  // 12 + 10
    backspace(text(2), 10);
    typeInto(text(1), "MNOPQRSTUVWXYZ"_q);
    typeInto(text(2), "a"_q);
    pasteInto(text(2), "b"_q);
    EXPECT_EQ(text(1)->text() + text(2)->text(), "ABCDEFGHIJKLMNOPQRSTUV"_q);  // 22 + 0

    backspace(box("Teamnm", 2), 4);  // "Calder Bay" -> "Calder": the old tail stays
    typeInto(box("Teamarena", 4), " Rink"_q);
    typeInto(box("Teamnick", 3), "\xC3\xA9\xE2\x82\xAC\xCE\xA9"_q);  // the last one has no code
    retype(box("overallnum", 6), "2.5"_q);
    for (const char* wrong : {"", "abc", "300", "-1", "2.."}) {
        retype(box("overallnum", 4), QString::fromLatin1(wrong));
        save();
        EXPECT_TRUE(editor.isVisible() && marked(box("overallnum", 4)) && !marked(box("overallnum", 6))) << wrong;
        EXPECT_EQ(differences(cart.RomImage, original), Offsets{}) << wrong;
    }
    retype(box("overallnum", 9), "x"_q);
    save();
    EXPECT_TRUE(message().contains("of team 5 (Eskerfield), team 10 (Juniper) are"_q)) << message().toStdString();
    EXPECT_EQ(cart.teamname[3], "Calder Bay");
    retype(box("overallnum", 4), "3.5"_q);
    retype(box("overallnum", 9), "255"_q);
    EXPECT_FALSE(marked(box("overallnum", 4)));  // mended boxes lose their mark
    save();
    EXPECT_FALSE(editor.isOpen());
    Bytes expected = original;
    putRecords(expected, teamtextoffset[3], {"Calder", "CAL", "Gulls", "Bay Arena"});
    putRecords(expected, teamtextoffset[4], {"Dunmere", "DUN", "Foxes\xE9\x80", "Fox Den"});
    putRecords(expected, teamtextoffset[5], {"Eskerfield", "ESK", "Elks", "Esker Ice Rink"});
    expected[teamoffset[5]] = 4;
    expected[teamoffset[7]] = 2;
    expected[teamoffset[10]] = 255;
    putRecords(expected, kMenuNamesOffset, {"ABCDEFGHIJKLMNOPQRSTUV", ""});
    EXPECT_EQ(differences(cart.RomImage, expected), Offsets{});
    EXPECT_EQ(cart.teamname[3], "Calder");
    TeamEditor another(cart, nullptr);  // a window opened afterwards reads the shared tables
    another.showEditor();
    EXPECT_EQ(child<LimitedLineEdit>(&another, "Teamnm_2"_q)->text(), "Calder"_q);
}

// Texts longer than their block (a damaged image): unedited they stay exactly as
// stored; edited they must shrink to fit before anything is saved.
TEST_F(TeamEditorWindow, OverlongTextsOfADamagedImage)
{
    const std::size_t p = teamtextoffset[6];  // 34 bytes; these records take 41
    putRecords(cart.RomImage, p, {std::string(30, 'N'), "A", "B", "C"});
    putRecords(cart.RomImage, kMenuNamesOffset, {std::string(28, 'M'), "NO"});  // 30 bytes of 26
    cart.RomImage[p + 33] = cart.RomImage[kMenuNamesOffset + 31] = 0x7F;  // header bytes a rewrite would clear
    readteamtext(cart);
    open();
    typeInto(text(2), "x"_q);
    EXPECT_EQ(left(5), -7);
    save();  // unedited: left as stored
    EXPECT_FALSE(editor.isOpen());
    EXPECT_EQ(differences(cart.RomImage, original), Offsets{});

    open();
    backspace(box("Teamnm", 5), 2);
    typeInto(box("Teamnick", 5), "x"_q);
    backspace(text(1), 1);
    save();
    EXPECT_TRUE(message().contains("team 6"_q) && message().contains("5 bytes too long"_q) &&
                message().contains("7 characters over"_q))
        << message().toStdString();
    EXPECT_TRUE(marked(box("Teamarena", 5)) && marked(text(2)));
    EXPECT_EQ(differences(cart.RomImage, original), Offsets{});

    backspace(box("Teamnm", 5), 5);
    backspace(text(1), 7);
    save();
    Bytes expected = original;
    putRecords(expected, p, {std::string(23, 'N'), "A", "B", "C"});  // nothing past the block
    putRecords(expected, kMenuNamesOffset, {std::string(20, 'M'), "NO"});
    EXPECT_EQ(differences(cart.RomImage, expected), Offsets{});
}

// Through the main window: both editors opened from their buttons and closed (the team
// editor with "Save and Exit") leave the saved image byte-identical.
TEST(TeamAndLinesEditors, OpenedAndClosedLeaveTheSavedImageByteIdentical)
{
    test::TempDir dir;
    test::writeFile(dir.path("in.smc"), test::sampleImage().bytes);
    Form1 form;
    form.show();
    test::answerFileDialog(&form, QString::fromStdString(dir.path("in.smc").string()));
    for (const int command : {1, 4, 6})
        click(child<QPushButton>(&form, "Command%1"_q.arg(command)));
    click(child<QPushButton>(form.editor(4), "Command1"_q));
    test::closeWindow(form.editor(6));
    EXPECT_FALSE(form.editor(4)->isOpen() || form.editor(6)->isOpen());
    test::answerFileDialog(&form, QString::fromStdString(dir.path("out.smc").string()));
    click(child<QPushButton>(&form, "Command2"_q));
    EXPECT_TRUE(test::readFile(dir.path("out.smc")) == test::sampleImage().bytes);
}

}  // namespace
}  // namespace icevale
