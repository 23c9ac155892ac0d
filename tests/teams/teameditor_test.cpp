#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <memory>

#include "shell/limitedlineedit.h"
#include "shell/qtext.h"
#include "shell/teamtext.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"
#include "teams/teameditor.h"

namespace icevale {
namespace {

using test::backspace;
using test::child;
using test::click;
using test::differences;
using test::pasteInto;
using test::typeInto;

QString q(const std::string& bytes) { return toQString(bytes); }

// The four records as the written design lays them out, for expected images.
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
    std::unique_ptr<TeamEditor> editor;

    void open()
    {
        if (!editor) {
            original = cart.RomImage;
            editor = std::make_unique<TeamEditor>(cart, nullptr);
        }
        editor->showEditor();
    }
    LimitedLineEdit* box(const char* name, int index)
    {
        return child<LimitedLineEdit>(editor.get(), QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index));
    }
    LimitedLineEdit* text(int n) { return child<LimitedLineEdit>(editor.get(), QStringLiteral("Text%1").arg(n)); }
    std::vector<LimitedLineEdit*> row(int index)
    {
        return {box("Teamnm", index), box("Teamnick", index), box("Teamabbreviation", index), box("Teamarena", index)};
    }
    QString left(int index) { return child<QLabel>(editor.get(), QStringLiteral("bytesremaining_%1").arg(index))->text(); }
    QString message() { return child<QLabel>(editor.get(), QStringLiteral("SaveMessage"))->text(); }
    void retype(LimitedLineEdit* edit, const QString& value)
    {
        backspace(edit, static_cast<int>(edit->text().size()));
        typeInto(edit, value);
    }
    void saveAndExit() { click(child<QPushButton>(editor.get(), QStringLiteral("Command1"))); }

    // Every row's label and box limits but one.
    std::vector<QString> otherRows(int except)
    {
        std::vector<QString> state;
        for (int i = 0; i < kTeams; ++i) {
            if (i == except)
                continue;
            state.push_back(left(i));
            for (LimitedLineEdit* edit : row(i))
                state.push_back(QString::number(edit->limit()));
        }
        return state;
    }
};

TEST_F(TeamEditorWindow, LoadShowsEveryTeamWithItsBytesLeft)
{
    open();
    EXPECT_EQ(editor->objectName(), QStringLiteral("TeamEditor"));
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("TeamEditor"));
    EXPECT_EQ(child<QPushButton>(editor.get(), QStringLiteral("Command1"))->text(), QStringLiteral("Save and Exit"));
    EXPECT_EQ(child<QLabel>(editor.get(), QStringLiteral("Label1"))->text(), QStringLiteral("Menu Display Names:"));
    for (int t = 1; t <= kTeams; ++t) {
        const auto& team = test::sampleImage().teams[t];
        const int i = t - 1;
        EXPECT_EQ(box("Teamnm", i)->text(), q(team.name));
        EXPECT_EQ(box("Teamabbreviation", i)->text(), q(team.abbrev));
        EXPECT_EQ(box("Teamnick", i)->text(), q(team.nick));
        EXPECT_EQ(box("Teamarena", i)->text(), q(team.arena));
        EXPECT_EQ(box("overallnum", i)->text(), QString::number(team.overall));
        const auto free = teamtextsize[t] - 8 -
                          static_cast<int>(team.name.size() + team.abbrev.size() + team.nick.size() + team.arena.size());
        EXPECT_EQ(left(i), QString::number(free));
        EXPECT_EQ(box("Teamarena", i)->limit(), free + static_cast<int>(team.arena.size()));
        // Rows are 240 twips (16 pixels) apart.
        EXPECT_EQ(box("Teamnm", i)->geometry().top(), 16 * i);
    }
    EXPECT_EQ(text(1)->text(), QStringLiteral("ICEVALE"));
    EXPECT_EQ(text(2)->text(), QStringLiteral("LEAGUE"));
    EXPECT_EQ(text(1)->limit(), 22 - 6);
    EXPECT_EQ(text(2)->limit(), 22 - 7);
}

TEST_F(TeamEditorWindow, ARowAtZeroTakesNothingAndOneDeletionGivesEachBoxOneMore)
{
    open();
    const int i = 5;  // Fenwick FEN Pikes "Pike Pit": 3 of 34 bytes free
    ASSERT_EQ(left(i), QStringLiteral("3"));
    const std::vector<QString> others = otherRows(i);
    backspace(box("Teamabbreviation", i), 3);
    EXPECT_EQ(left(i), QStringLiteral("6"));
    typeInto(box("Teamarena", i), QStringLiteral("abcdefgh"));
    EXPECT_EQ(box("Teamarena", i)->text(), QStringLiteral("Pike Pitabcdef"));
    EXPECT_EQ(left(i), QStringLiteral("0"));

    for (LimitedLineEdit* edit : row(i)) {  // the emptied abbreviation box included
        const QString before = edit->text();
        typeInto(edit, QStringLiteral("q"));
        pasteInto(edit, QStringLiteral("zz"));
        EXPECT_EQ(edit->text(), before) << edit->objectName().toStdString();
    }
    EXPECT_EQ(left(i), QStringLiteral("0"));

    backspace(box("Teamnm", i), 1, 3);  // from the middle of "Fenwick"
    EXPECT_EQ(box("Teamnm", i)->text(), QStringLiteral("Fewick"));
    EXPECT_EQ(left(i), QStringLiteral("1"));
    for (LimitedLineEdit* edit : row(i)) {
        const QString before = edit->text();
        typeInto(edit, QStringLiteral("XY"));
        EXPECT_EQ(edit->text(), before + QStringLiteral("X")) << edit->objectName().toStdString();
        EXPECT_EQ(left(i), QStringLiteral("0"));
        backspace(edit, 1);
        EXPECT_EQ(left(i), QStringLiteral("1"));
    }
    EXPECT_EQ(otherRows(i), others);
    EXPECT_TRUE(differences(cart.RomImage, original).empty());  // nothing written before the save
}

TEST_F(TeamEditorWindow, MenuNamesShareTwentyTwoCharacters)
{
    open();
    backspace(text(1), 7);
    backspace(text(2), 6);
    typeInto(text(2), QStringLiteral("0123456789"));
    typeInto(text(1), QStringLiteral("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(text(1)->text(), QStringLiteral("ABCDEFGHIJKL"));  // 12 + 10
    for (LimitedLineEdit* edit : {text(1), text(2)}) {
        typeInto(edit, QStringLiteral("x"));
        pasteInto(edit, QStringLiteral("yz"));
    }
    EXPECT_EQ(text(1)->text().size() + text(2)->text().size(), 22);
    backspace(text(1), 1);
    typeInto(text(2), QStringLiteral("yz"));
    EXPECT_EQ(text(2)->text(), QStringLiteral("0123456789y"));
    typeInto(text(1), QStringLiteral("x"));
    EXPECT_EQ(text(1)->text(), QStringLiteral("ABCDEFGHIJK"));
    backspace(text(2), 1);
    typeInto(text(1), QStringLiteral("x"));
    EXPECT_EQ(text(1)->text(), QStringLiteral("ABCDEFGHIJKx"));

    // 22 + 0: the empty box takes nothing.
    backspace(text(2), 10);
    typeInto(text(1), QStringLiteral("LMNOPQRSTUVWXYZ"));
    EXPECT_EQ(text(1)->text(), QStringLiteral("ABCDEFGHIJKxLMNOPQRSTU"));
    typeInto(text(2), QStringLiteral("a"));
    pasteInto(text(2), QStringLiteral("b"));
    EXPECT_EQ(text(2)->text(), QString());

    saveAndExit();
    Bytes expected = original;
    expected[kMenuNamesOffset] = 24;
    for (int j = 0; j < 22; ++j)
        expected[kMenuNamesOffset + 2 + static_cast<std::size_t>(j)] = static_cast<std::uint8_t>("ABCDEFGHIJKxLMNOPQRSTU"[j]);
    expected[kMenuNamesOffset + 24] = 2;
    expected[kMenuNamesOffset + 25] = 0;
    EXPECT_EQ(differences(cart.RomImage, expected), std::vector<std::size_t>{});
}

TEST_F(TeamEditorWindow, SaveAndExitWritesTheRecordsAndOverallNumbers)
{
    open();
    backspace(box("Teamnm", 2), 4);  // "Calder Bay" -> "Calder": a shorter block
    typeInto(box("Teamarena", 4), QStringLiteral(" Rink"));
    retype(box("overallnum", 6), QStringLiteral("2.5"));
    retype(box("overallnum", 7), QStringLiteral("3.5"));
    retype(box("overallnum", 8), QStringLiteral("007"));
    backspace(text(1), 3);  // "ICEV": the second record moves forward
    saveAndExit();
    EXPECT_FALSE(editor->isOpen());
    EXPECT_FALSE(editor->isVisible());

    Bytes expected = original;
    putRecords(expected, teamtextoffset[3], {"Calder", "CAL", "Gulls", "Bay Arena"});
    putRecords(expected, teamtextoffset[5], {"Eskerfield", "ESK", "Elks", "Esker Ice Rink"});
    expected[teamoffset[7]] = 2;
    expected[teamoffset[8]] = 4;
    expected[teamoffset[9]] = 7;
    expected[kMenuNamesOffset] = 6;
    putRecords(expected, kMenuNamesOffset + 6, {"LEAGUE"});
    EXPECT_EQ(differences(cart.RomImage, expected), std::vector<std::size_t>{});
    // The old end of the shortened block is left as it was: "Arena" shifted, not cleared.
    EXPECT_EQ(cart.RomImage[teamtextoffset[3] + 8 + 23], original[teamtextoffset[3] + 8 + 23]);

    EXPECT_EQ(cart.teamname[3], "Calder");
    EXPECT_EQ(cart.teamarena[5], "Esker Ice Rink");
    Cartridge reread = cart;
    readteamtext(reread);
    for (int t = 1; t <= kTeams; ++t)
        EXPECT_EQ(reread.teamname[t] + reread.teamabbrev[t] + reread.teamnick[t] + reread.teamarena[t],
                  cart.teamname[t] + cart.teamabbrev[t] + cart.teamnick[t] + cart.teamarena[t]);
}

TEST_F(TeamEditorWindow, AWrongOverallNumberSavesNothingAndSaysWhichTeam)
{
    for (const char* wrong : {"", "abc", "300", "-1", "2.."}) {
        cart = test::loadedSample();
        editor.reset();
        open();
        typeInto(box("Teamnm", 0), QStringLiteral("X"));
        backspace(text(2), 1);
        retype(box("overallnum", 4), QString::fromLatin1(wrong));
        saveAndExit();
        EXPECT_TRUE(editor->isOpen()) << wrong;
        EXPECT_TRUE(editor->isVisible());
        EXPECT_TRUE(differences(cart.RomImage, original).empty()) << wrong;
        EXPECT_EQ(cart.teamname[1], "Aldermoor");
        EXPECT_FALSE(box("overallnum", 4)->styleSheet().isEmpty());
        EXPECT_TRUE(box("overallnum", 3)->styleSheet().isEmpty());
        EXPECT_TRUE(message().contains(QStringLiteral("team 5 (Eskerfield)"))) << message().toStdString();
        EXPECT_FALSE(message().contains(QStringLiteral("team 1 "))) << message().toStdString();
    }

    retype(box("overallnum", 9), QStringLiteral("x"));
    saveAndExit();
    EXPECT_TRUE(message().contains(QStringLiteral("team 5 (Eskerfield), team 10 (Juniper)"))) << message().toStdString();
    EXPECT_TRUE(differences(cart.RomImage, original).empty());

    retype(box("overallnum", 4), QStringLiteral("3.5"));
    retype(box("overallnum", 9), QStringLiteral("255"));
    EXPECT_TRUE(box("overallnum", 4)->styleSheet().isEmpty());  // mended boxes lose their mark
    saveAndExit();
    EXPECT_FALSE(editor->isOpen());
    Bytes expected = original;
    expected[teamoffset[5]] = 4;
    expected[teamoffset[10]] = 255;
    putRecords(expected, teamtextoffset[1], {"AldermoorX", "ALD", "Herons", "Heron Hall"});
    expected[kMenuNamesOffset + 9] = 7;  // "LEAGU"
    EXPECT_EQ(differences(cart.RomImage, expected), std::vector<std::size_t>{});

    open();  // a new showing starts without marks or message
    EXPECT_TRUE(message().isEmpty());
    EXPECT_TRUE(box("overallnum", 4)->styleSheet().isEmpty());
}

TEST_F(TeamEditorWindow, TheCloseControlDiscardsTheEdits)
{
    open();
    typeInto(box("Teamnick", 0), QStringLiteral("zz"));
    retype(box("overallnum", 0), QStringLiteral("1"));
    backspace(box("Teamarena", 27), 3);
    typeInto(text(1), QStringLiteral("Q"));
    const QString before = left(0);
    test::closeWindow(editor.get());
    EXPECT_FALSE(editor->isOpen());
    EXPECT_TRUE(differences(cart.RomImage, original).empty());
    EXPECT_EQ(cart.teamnick[1], "Herons");

    open();
    EXPECT_EQ(box("Teamnick", 0)->text(), QStringLiteral("Herons"));
    EXPECT_EQ(box("overallnum", 0)->text(), QString::number(test::sampleImage().teams[1].overall));
    EXPECT_EQ(box("Teamarena", 27)->text(), QStringLiteral("Frost Arena"));
    EXPECT_EQ(text(1)->text(), QStringLiteral("ICEVALE"));
    EXPECT_EQ(text(2)->limit(), 22 - 7);
    EXPECT_EQ(left(0).toInt(), before.toInt() + 2);
}

TEST_F(TeamEditorWindow, OverallBytesAndCharactersRoundTrip)
{
    cart.RomImage[teamoffset[1]] = 7;
    cart.RomImage[teamoffset[2]] = 255;
    cart.RomImage[teamoffset[3]] = 0;
    open();
    EXPECT_EQ(box("overallnum", 0)->text(), QStringLiteral("7"));
    EXPECT_EQ(box("overallnum", 1)->text(), QStringLiteral("255"));
    EXPECT_EQ(box("overallnum", 2)->text(), QStringLiteral("0"));
    typeInto(box("overallnum", 0), QStringLiteral("123"));  // three characters at most
    EXPECT_EQ(box("overallnum", 0)->text(), QStringLiteral("712"));
    backspace(box("overallnum", 0), 2);
    // Characters with a code in the image's character set are written as that code;
    // others never enter the box.
    typeInto(box("Teamnick", 3), QString::fromUtf8("\xC3\xA9\xE2\x82\xAC\xCE\xA9"));  // é € Ω
    EXPECT_EQ(box("Teamnick", 3)->text(), QString::fromUtf8("Foxes\xC3\xA9\xE2\x82\xAC"));
    saveAndExit();
    Bytes expected = original;
    putRecords(expected, teamtextoffset[4], {"Dunmere", "DUN", "Foxes\xE9\x80", "Fox Den"});
    EXPECT_EQ(differences(cart.RomImage, expected), std::vector<std::size_t>{});
}

TEST_F(TeamEditorWindow, SavedTextsReachWindowsOpenedAfterwards)
{
    open();
    retype(box("Teamabbreviation", 1), QStringLiteral("BRX"));
    retype(box("Teamnm", 1), QStringLiteral("Briskwater"));
    saveAndExit();
    EXPECT_EQ(cart.teamabbrev[2], "BRX");
    open();
    EXPECT_EQ(box("Teamabbreviation", 1)->text(), QStringLiteral("BRX"));
    EXPECT_EQ(box("Teamnm", 1)->text(), QStringLiteral("Briskwater"));
    TeamEditor another(cart, nullptr);
    another.showEditor();
    EXPECT_EQ(child<LimitedLineEdit>(&another, QStringLiteral("Teamabbreviation_1"))->text(), QStringLiteral("BRX"));
}

// Texts longer than their block (a damaged image): unedited they stay exactly as
// stored; edited they must shrink to fit before anything is saved.
TEST_F(TeamEditorWindow, OverlongRowsOfADamagedImage)
{
    const std::size_t p = teamtextoffset[6];  // 34 bytes; these records take 41
    putRecords(cart.RomImage, p, {std::string(30, 'N'), "A", "B", "C"});
    cart.RomImage[p + 33] = 0x7F;  // a second header byte that a rewrite would clear
    readteamtext(cart);
    open();
    EXPECT_EQ(left(5), QStringLiteral("-7"));
    typeInto(box("Teamnick", 5), QStringLiteral("x"));
    backspace(box("Teamnm", 5), 2);
    EXPECT_EQ(left(5), QStringLiteral("-5"));
    typeInto(box("Teamnick", 5), QStringLiteral("x"));
    EXPECT_EQ(box("Teamnick", 5)->text(), QStringLiteral("B"));
    saveAndExit();
    EXPECT_TRUE(editor->isOpen());
    EXPECT_TRUE(message().contains(QStringLiteral("team 6"))) << message().toStdString();
    EXPECT_TRUE(message().contains(QStringLiteral("5 bytes too long"))) << message().toStdString();
    EXPECT_FALSE(box("Teamarena", 5)->styleSheet().isEmpty());
    EXPECT_TRUE(differences(cart.RomImage, original).empty());

    test::closeWindow(editor.get());
    open();  // unedited: left as stored, 0x7F included
    saveAndExit();
    EXPECT_FALSE(editor->isOpen());
    EXPECT_TRUE(differences(cart.RomImage, original).empty());

    open();
    backspace(box("Teamnm", 5), 7);
    EXPECT_EQ(left(5), QStringLiteral("0"));
    saveAndExit();
    Bytes expected = original;
    putRecords(expected, p, {std::string(23, 'N'), "A", "B", "C"});
    EXPECT_EQ(differences(cart.RomImage, expected), std::vector<std::size_t>{});  // nothing past the block
}

TEST_F(TeamEditorWindow, OverlongMenuNamesOfADamagedImage)
{
    Bytes names = {30};
    names.resize(30, 'M');
    names[1] = 0;
    names.insert(names.end(), {4, 0x7F, 'N', 'O'});
    std::copy(names.begin(), names.end(), cart.RomImage.begin() + kMenuNamesOffset);
    open();
    EXPECT_EQ(text(1)->text(), QString(28, QLatin1Char('M')));  // shown in full
    EXPECT_EQ(text(2)->text(), QStringLiteral("NO"));
    typeInto(text(2), QStringLiteral("x"));
    EXPECT_EQ(text(2)->text(), QStringLiteral("NO"));
    saveAndExit();
    EXPECT_TRUE(differences(cart.RomImage, original).empty());

    open();
    backspace(text(1), 1);
    saveAndExit();
    EXPECT_TRUE(message().contains(QStringLiteral("7 characters over"))) << message().toStdString();
    EXPECT_TRUE(differences(cart.RomImage, original).empty());
    backspace(text(1), 7);
    saveAndExit();
    EXPECT_FALSE(editor->isOpen());
    EXPECT_EQ(cart.RomImage[kMenuNamesOffset], 22);
    EXPECT_EQ(cart.RomImage[kMenuNamesOffset + 22], 4);
    EXPECT_EQ(cart.RomImage[kMenuNamesOffset + 23], 0);
}

}  // namespace
}  // namespace icevale
