#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include "windows/playereditor.h"
#include "core/roster.h"
#include "widgets/clicklist.h"
#include "app/form1.h"
#include "widgets/limitedlineedit.h"
#include "widgets/qtext.h"
#include "core/rosterindex.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"

namespace icevale {
namespace {

using test::child;
using test::typeInto;

// The role letters of the 25 rows (a dot for a hidden row), then the three counts.
std::string roles(int g, int f, int d)
{
    return std::string(g, 'G') + std::string(f, 'F') + std::string(d, 'D') + std::string(25 - g - f - d, '.') + " " +
           std::to_string(g) + " " + std::to_string(f) + " " + std::to_string(d);
}

std::string bytesleft(int left, bool blank) { return (blank ? " " : "") + std::to_string(left) + " bytes left for player names"; }

class PlayerWindow : public ::testing::Test {
protected:
    Cartridge cart = test::loadedSample();
    PlayerEditor window{cart, nullptr};
    const Bytes& original = test::sampleImage().bytes;

    // Team t with these counts and, when `left` is given, player 1's name lengthened so
    // that `left` bytes are free, as an image holding them would be read.
    void setcounts(int t, int g, int f, int d, int left = -1)
    {
        cart.goaliecount[t] = g;
        cart.forwardcount[t] = f;
        cart.defensecount[t] = d;
        if (left >= 0)
            cart.playername[1][t] += std::string(static_cast<std::size_t>(countnamebytes(cart, t) - left), 'x');
        cart.rosterbytesleft[t] = countnamebytes(cart, t);
    }
    void showteam(int t) { test::clickRow(get<ClickList>("List1"), t - 1); }
    template <class T>
    T* get(const char* name, int r = -1)
    {
        const QString n = QString::fromLatin1(name);
        return child<T>(&window, r < 0 ? n : n + QStringLiteral("_%1").arg(r));
    }
    void press(int c) { test::click(child<QPushButton>(&window, QStringLiteral("Command%1").arg(c))); }
    std::string text(const char* label, int r = -1) { return get<QLabel>(label, r)->text().toStdString(); }
    LimitedLineEdit* name(int r) { return get<LimitedLineEdit>("player_name", r); }
    LimitedLineEdit* number(int r) { return get<LimitedLineEdit>("playernumber", r); }
    QComboBox* combo(int j, int r) { return child<QComboBox>(&window, QStringLiteral("Combo%1_%2").arg(j).arg(r)); }
    // The role letters and counts as shown, to compare with roles().
    std::string letters()
    {
        std::string all;
        for (int r = 0; r < 25; ++r)
            all += text("Label4", r).empty() ? "." : text("Label4", r);
        return all + text("Label20") + text("Label2") + text("Label3");
    }
    std::vector<int> column(int j)
    {
        std::vector<int> values;
        for (int r = 0; r < 25; ++r)
            values.push_back(combo(j, r)->currentIndex());
        return values;
    }
    // Offset of the jersey byte of player p of team t, from the tables.
    std::size_t jerseyoffset(int t, int p)
    {
        std::size_t pos = rosteroffset[t];
        for (int q = 1; q < p; ++q)
            pos += cart.playername[q][t].size() + 10;
        return pos + cart.playername[p][t].size() + 2;
    }
};

TEST_F(PlayerWindow, OpensOnTeamOneAndCommitsTheGridOnTeamSwitch)
{
    window.showEditor();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("PLAYER EDITOR"));
    auto* list = get<ClickList>("List1");
    ASSERT_EQ(list->count(), 28);
    EXPECT_EQ(list->item(27)->text(), toQString(cart.teamabbrev[28]));
    const sample::Team& team = test::sampleImage().teams[1];
    EXPECT_EQ(get<QLabel>("Label1")->text(), toQString(team.name + " " + team.nick));
    EXPECT_EQ(letters(), roles(2, 13, 7));
    for (int r = 0; r < 25; ++r)
        EXPECT_EQ(name(r)->isVisible() + number(r)->isVisible() + combo(14, r)->isVisible(), r < 22 ? 3 : 0) << r;
    EXPECT_EQ(combo(1, 3)->currentText(), QString::number(140 + 8 * (team.players[3].attr[1] >> 4)));
    EXPECT_EQ(combo(8, 3)->currentText(), team.players[3].attr[4] & 1 ? QStringLiteral("Right") : QStringLiteral("Left"));
    // Names just shown ran their change handler (count with a blank); showing again changes no box.
    EXPECT_EQ(text("Label5"), bytesleft(countnamebytes(cart, 1), true));
    showteam(1);
    EXPECT_EQ(text("Label5"), bytesleft(countnamebytes(cart, 1), false));

    const std::uint8_t before = cart.playerattr[5][4][1];
    const int other = (before & 15) == 5 ? 4 : 5;
    test::pick(combo(10, 3), other);  // "Shot Accuracy" of player 4
    EXPECT_EQ(cart.playerattr[5][4][1], before);
    showteam(2);
    EXPECT_EQ(cart.playerattr[5][4][1], (before & 0xF0) | other);
    EXPECT_EQ(cart.RomImage, original);  // records wait for SAVE
    showteam(1);
    EXPECT_EQ(combo(10, 3)->currentIndex(), other);
    press(1);
    const std::size_t byte = jerseyoffset(1, 4) + 5;
    EXPECT_EQ(test::differences(original, cart.RomImage), std::vector<std::size_t>{byte});
    EXPECT_EQ(cart.RomImage[byte], (before & 0xF0) | other);
}

TEST_F(PlayerWindow, TeamAverageFormatsAndEmptyTeams)
{
    for (int q = 1; q <= 7; ++q) {
        cart.playerattr[q][1][2] = cart.playerattr[q][2][2] = 0x44;  // 65
        cart.playerattr[q][3][2] = 0x33;                             // 55
    }
    setcounts(2, 1, 1, 1);
    setcounts(5, 0, 0, 0);
    window.showEditor();
    showteam(2);
    EXPECT_EQ(text("Label21"), "Team Average: 61.6666666666667");
    showteam(5);
    EXPECT_EQ(text("Label21"), "Team Average:");
    EXPECT_EQ(letters(), roles(0, 0, 0));
}

TEST_F(PlayerWindow, JuiceTeamThenAddPlayer)
{
    window.showEditor();
    const auto attrs = cart.playerattr;
    const std::vector<int> weights = column(1), hands = column(8), speed = column(3);
    press(6);  // nothing picked: nothing happens
    EXPECT_EQ(column(3), speed);

    test::pick(get<QComboBox>("Combo15"), 6);
    press(6);
    for (const int j : {2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14})
        EXPECT_EQ(column(j), std::vector<int>(25, 6)) << "column " << j;
    EXPECT_EQ(column(1), weights);
    EXPECT_EQ(column(8), hands);
    EXPECT_EQ(cart.playerattr, attrs);

    press(4);  // the new row 22 was juiced while hidden, and committed
    EXPECT_EQ(letters(), roles(2, 13, 8));
    EXPECT_EQ(combo(13, 22)->currentText(), QStringLiteral("100"));
    EXPECT_EQ(cart.playerattr[7][23][1], 0x66);
    EXPECT_EQ(cart.RomImage[teamoffset[1] - 1], 0xD8);
}

TEST_F(PlayerWindow, RoleButtonsActOnlyInsideTheirRanges)
{
    // Button (8 goalie +, 7 goalie -, 2 defence +, 3 defence -), counts before, counts after.
    const int cases[][7] = {
        {8, 2, 14, 8, 3, 13, 8},  {8, 4, 10, 6, 4, 10, 6}, {8, 2, 1, 6, 2, 1, 6},    {8, 0, 12, 6, 1, 11, 6},
        {7, 3, 12, 6, 2, 13, 6},  {7, 1, 12, 6, 1, 12, 6}, {7, 2, 15, 6, 2, 15, 6},  {2, 2, 12, 6, 2, 11, 7},
        {2, 2, 5, 15, 2, 5, 15},  {2, 2, 1, 6, 2, 1, 6},   {3, 2, 12, 7, 2, 13, 6},  {3, 2, 12, 1, 2, 12, 1},
        {3, 2, 15, 6, 2, 15, 6},
    };
    window.showEditor();
    for (const auto& c : cases) {
        setcounts(3, c[1], c[2], c[3]);
        showteam(3);
        press(c[0]);
        EXPECT_EQ(letters(), roles(c[4], c[5], c[6])) << "button " << c[0] << " at " << c[1] << " " << c[2] << " " << c[3];
    }
    const auto attrs = cart.playerattr;
    test::pick(combo(5, 6), combo(5, 6)->currentIndex() == 0 ? 1 : 0);
    press(7);  // refused at 2, 15, 6: not even the grid is committed
    EXPECT_EQ(cart.playerattr, attrs);
    press(8);
    EXPECT_NE(cart.playerattr, attrs);
}

TEST_F(PlayerWindow, AddAndRemovePlayers)
{
    setcounts(3, 2, 15, 7, 16);         // slots 24 and 25 never used by the sample
    cart.playername[25][3] = "Stale";  // as a previously opened image may leave it
    window.showEditor();
    showteam(3);
    press(4);  // 16 bytes left: refused
    EXPECT_EQ(letters(), roles(2, 15, 7));
    test::backspace(name(0), 1);
    press(4);  // 17 bytes left: a defenceman with an empty name and number 0
    EXPECT_EQ(letters(), roles(2, 15, 8));
    EXPECT_EQ(name(24)->text() + QLatin1Char('|') + number(24)->text(), QStringLiteral("|0"));
    EXPECT_EQ(text("Label5"), bytesleft(7, false));
    typeInto(name(24), QStringLiteral("Abcdefghij"));  // 7 fit
    EXPECT_EQ(text("Label5"), bytesleft(0, true));
    press(4);  // 25 players: refused
    EXPECT_EQ(letters(), roles(2, 15, 8));

    test::backspace(number(24), 1);
    typeInto(number(24), QStringLiteral("42"));
    test::pick(combo(4, 24), 6);
    press(5);  // player 25 goes, its 17 bytes come back
    EXPECT_EQ(letters() + text("Label5"), roles(2, 15, 7) + bytesleft(17, false));
    press(4);  // and returns with its number and ratings, without its name
    EXPECT_EQ(name(24)->text() + QLatin1Char('|') + number(24)->text() + QLatin1Char('|') + combo(4, 24)->currentText(),
              QStringLiteral("|42|100"));
    for (int i = 0; i < 4; ++i)
        press(5);  // acts at 8 and 7 defencemen, refused at 6
    EXPECT_EQ(letters(), roles(2, 15, 6));
    EXPECT_EQ(cart.RomImage[teamoffset[3] - 1], 0xF6);
}

TEST_F(PlayerWindow, NamesShareOneBudgetOfAtMost253Characters)
{
    window.showEditor();
    const std::int32_t left = cart.rosterbytesleft[1];
    const auto& players = test::sampleImage().teams[1].players;
    typeInto(name(0), QStringLiteral("Q"));
    EXPECT_EQ(cart.playername[1][1], players[0].name + "Q");
    EXPECT_EQ(text("Label5"), bytesleft(left - 1, true));
    for (int r = 0; r < 25; ++r)
        EXPECT_EQ(name(r)->limit(), static_cast<int>(cart.playername[r + 1][1].size()) + left - 1) << r;
    typeInto(name(5), QString(left, QLatin1Char('z')));  // one more than fits
    EXPECT_EQ(cart.rosterbytesleft[1], 0);
    typeInto(name(2), QStringLiteral("y"));
    EXPECT_EQ(cart.playername[3][1], players[2].name);
    test::backspace(name(5), 3);
    typeInto(name(9), QStringLiteral("abcd"));
    EXPECT_EQ(cart.playername[10][1], players[9].name + "abc");

    setcounts(7, 1, 0, 0);  // more than 253 bytes free
    showteam(7);
    test::backspace(name(0), 40);
    test::pasteInto(name(0), QString(300, QLatin1Char('n')));
    window.close();  // closing writes the records
    const Bytes& rom = cart.RomImage;
    EXPECT_EQ(rom[rosteroffset[7]], 255);
    EXPECT_EQ(rom[rosteroffset[1]], players[0].name.size() + 3);
    window.showEditor();  // on team 1 again, showing the edits
    EXPECT_EQ(name(0)->text(), toQString(players[0].name + "Q"));
}

TEST_F(PlayerWindow, JerseyNumbersAndValuesWithoutAnEntry)
{
    // Team 2: player 3 with ratings 9 and 12 in attribute byte 5 and jersey 0x1A,
    // player 4 with hand nibble 2. Team 3: two goalies marked 0x12 0x00.
    Bytes& rom = cart.RomImage;
    const std::size_t jersey3 = jerseyoffset(2, 3), hand4 = jerseyoffset(2, 4) + 4, goalies3 = teamoffset[3] + 1;
    rom[jersey3] = 0x1A;
    rom[jersey3 + 5] = 0x9C;
    rom[hand4] = static_cast<std::uint8_t>((rom[hand4] & 0xF0) | 2);
    rom[goalies3] = 0x12;
    const Bytes damaged = rom;
    ASSERT_EQ(readrosters(cart), "");
    window.showEditor();
    showteam(2);
    EXPECT_EQ(combo(9, 2)->placeholderText() + combo(10, 2)->placeholderText(), QStringLiteral("?9?12"));
    EXPECT_EQ(number(2)->text(), QStringLiteral("1A"));
    EXPECT_EQ(combo(8, 3)->currentText(), QStringLiteral("Left"));
    showteam(3);  // goalie marks are written whenever a team is shown
    EXPECT_EQ(test::differences(damaged, rom), std::vector<std::size_t>{goalies3});
    showteam(2);
    press(1);
    window.close();
    EXPECT_EQ(test::differences(damaged, rom), (std::vector<std::size_t>{hand4, goalies3}));
    EXPECT_EQ(std::vector<int>({rom[hand4] & 15, rom[goalies3]}), (std::vector<int>{0, 0x11}));  // hand 2 written as 0

    window.showEditor();
    showteam(2);
    test::pick(combo(10, 2), 5);
    showteam(1);
    press(1);
    EXPECT_EQ(rom[jersey3 + 5], 0x95);  // only the field picked changes
    EXPECT_EQ(rom[jersey3], 0x1A);
    showteam(2);
    test::backspace(number(2), 1);  // "1A" becomes "1"
    EXPECT_EQ(cart.playernum[3][2], 0x01);

    const std::pair<const char*, int> typed[] = {{"88", 0x88}, {"7", 0x07}, {"10", 0x10}, {"", 0x00}, {"4a", 0x04}, {" 9", 0x09},
                                                 {"07", 0x07}, {"-3", 0x00}, {"+5", 0x05}, {".5", 0x00}, {"x1", 0x00}, {"99", 0x99}};
    for (const auto& [box, byte] : typed) {
        test::backspace(number(2), 2);
        typeInto(number(2), QString::fromLatin1(box));
        EXPECT_EQ(cart.playernum[3][2], byte) << '"' << box << '"';
    }
    typeInto(number(2), QStringLiteral("5"));  // two characters at most
    EXPECT_EQ(number(2)->text(), QStringLiteral("99"));
}

TEST_F(PlayerWindow, AnUnwritableRosterIsReportedAndLeftAsItWas)
{
    cart.playername[2][9] = std::string(250, 'W');   // more than team 9's area holds
    cart.playername[1][14] = std::string(254, 'N');  // more than one length byte counts
    setcounts(14, 0, 0, 1);
    window.showEditor();
    QSignalSpy status(&window, &EditorWindow::statusMessage);
    press(1);
    ASSERT_EQ(status.count(), 1);
    EXPECT_TRUE(status.at(0).at(0).toString().endsWith(QStringLiteral("team 9 14")));
    EXPECT_EQ(cart.RomImage, original);
}

TEST(PlayerEditorEndToEnd, ClickingThroughEveryTeamAndSavingKeepsTheImage)
{
    test::TempDir dir;
    test::writeFile(dir.path("in.smc"), test::sampleImage().bytes);
    Form1 form;
    form.show();
    test::answerFileDialog(&form, QString::fromStdString(dir.path("in.smc").string()));
    test::click(child<QPushButton>(&form, QStringLiteral("Command1")));
    test::click(child<QPushButton>(&form, QStringLiteral("Command5")));
    QWidget* window = form.editor(5);
    ASSERT_TRUE(window != nullptr && window->isVisible());
    auto* list = child<ClickList>(window, QStringLiteral("List1"));
    for (int row = 0; row < 28; ++row) {
        test::clickRow(list, row);
        ASSERT_EQ(list->currentRow(), row);
    }
    test::click(child<QPushButton>(window, QStringLiteral("Command1")));
    test::closeWindow(window);
    test::answerFileDialog(&form, QString::fromStdString(dir.path("out.smc").string()));
    test::click(child<QPushButton>(&form, QStringLiteral("Command2")));
    EXPECT_EQ(test::readFile(dir.path("out.smc")), test::sampleImage().bytes);
}

}  // namespace
}  // namespace icevale
