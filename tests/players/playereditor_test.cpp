#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <memory>

#include "players/playereditor.h"
#include "players/roster.h"
#include "shell/clicklist.h"
#include "shell/form1.h"
#include "shell/limitedlineedit.h"
#include "shell/qtext.h"
#include "shell/rosterindex.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"

namespace icevale {
namespace {

using test::child;
using test::click;
using test::differences;
using test::pick;
using test::typeInto;

// File offset of player p's record of team t, from the tables.
std::size_t recordoffset(const Cartridge& cart, int t, int p)
{
    std::size_t pos = rosteroffset[t];
    for (int q = 1; q < p; ++q)
        pos += cart.playername[q][t].size() + 10;
    return pos;
}

class PlayerWindow : public ::testing::Test {
protected:
    Cartridge cart = test::loadedSample();
    std::unique_ptr<PlayerEditor> window;

    void open()
    {
        if (!window)
            window = std::make_unique<PlayerEditor>(cart, nullptr);
        window->showEditor();
    }
    // Gives team t these counts in the tables, as an image holding them would.
    void setcounts(int t, int g, int f, int d)
    {
        cart.goaliecount[t] = g;
        cart.forwardcount[t] = f;
        cart.defensecount[t] = d;
        cart.rosterbytesleft[t] = countnamebytes(cart, t);
    }
    // Lengthens player 1's name so that team t has `left` free bytes.
    void setbytesleft(int t, int left)
    {
        cart.playername[1][t] += std::string(static_cast<std::size_t>(cart.rosterbytesleft[t] - left), 'x');
        cart.rosterbytesleft[t] = countnamebytes(cart, t);
    }
    void showteam(int t)
    {
        auto* list = child<ClickList>(window.get(), QStringLiteral("List1"));
        list->scrollToItem(list->item(t - 1));
        test::clickRow(list, t - 1);
    }
    void press(int c) { click(child<QPushButton>(window.get(), QStringLiteral("Command%1").arg(c))); }
    QString text(const QString& label) { return child<QLabel>(window.get(), label)->text(); }
    QString letter(int r) { return text(QStringLiteral("Label4_%1").arg(r)); }
    LimitedLineEdit* name(int r) { return child<LimitedLineEdit>(window.get(), QStringLiteral("player_name_%1").arg(r)); }
    LimitedLineEdit* number(int r) { return child<LimitedLineEdit>(window.get(), QStringLiteral("playernumber_%1").arg(r)); }
    QComboBox* combo(int j, int r) { return child<QComboBox>(window.get(), QStringLiteral("Combo%1_%2").arg(j).arg(r)); }
    QString letters()
    {
        QString all;
        for (int r = 0; r < 25; ++r)
            all += letter(r).isEmpty() ? QStringLiteral(".") : letter(r);
        return all;
    }
    std::vector<int> column(int j)
    {
        std::vector<int> values;
        for (int r = 0; r < 25; ++r)
            values.push_back(combo(j, r)->currentIndex());
        return values;
    }
    QString bytesleft(int left, bool blank)
    {
        return (blank ? QStringLiteral(" ") : QString()) + QString::number(left) + QStringLiteral(" bytes left for player names");
    }
};

TEST_F(PlayerWindow, OpensOnTeamOneWithRolesHiddenRowsAndLabels)
{
    open();
    EXPECT_EQ(window->objectName(), QStringLiteral("PlayerEditor"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("PLAYER EDITOR"));
    auto* list = child<ClickList>(window.get(), QStringLiteral("List1"));
    ASSERT_EQ(list->count(), 28);
    EXPECT_EQ(list->item(27)->text(), toQString(cart.teamabbrev[28]));
    EXPECT_EQ(list->currentRow(), 0);

    const sample::Team& team = test::sampleImage().teams[1];  // 2 goalies, 13 forwards, 7 defencemen
    EXPECT_EQ(text(QStringLiteral("Label1")), toQString(team.name + " " + team.nick));
    EXPECT_EQ(text(QStringLiteral("Label20")), QStringLiteral(" 2"));
    EXPECT_EQ(text(QStringLiteral("Label2")), QStringLiteral(" 13"));
    EXPECT_EQ(text(QStringLiteral("Label3")), QStringLiteral(" 7"));
    EXPECT_EQ(letters(), QStringLiteral("GGFFFFFFFFFFFFFDDDDDDD..."));
    for (int r = 0; r < 25; ++r) {
        EXPECT_EQ(name(r)->isVisible(), r < 22) << r;
        EXPECT_EQ(combo(14, r)->isVisible(), r < 22) << r;
    }
    EXPECT_EQ(name(3)->text(), toQString(team.players[3].name));
    EXPECT_EQ(number(3)->text(), QString::number(team.players[3].number, 16));
    EXPECT_EQ(combo(1, 3)->currentText(), QString::number(140 + 8 * (team.players[3].attr[1] >> 4)));
    EXPECT_EQ(combo(8, 3)->currentText(), team.players[3].attr[4] & 1 ? QStringLiteral("Right") : QStringLiteral("Left"));
    EXPECT_EQ(combo(10, 3)->currentIndex(), team.players[3].attr[5] & 15);
    EXPECT_EQ(child<QComboBox>(window.get(), QStringLiteral("Combo15"))->currentIndex(), -1);
    EXPECT_EQ(child<QComboBox>(window.get(), QStringLiteral("Combo15"))->count(), 7);

    // The names just shown ran their change handler, which writes the count with a blank;
    // showing the same team again changes no box, so the label keeps the plain form.
    const std::int32_t left = countnamebytes(cart, 1);
    EXPECT_EQ(text(QStringLiteral("Label5")), bytesleft(left, true));
    showteam(1);
    EXPECT_EQ(text(QStringLiteral("Label5")), bytesleft(left, false));
    EXPECT_TRUE(text(QStringLiteral("Label21")).startsWith(QStringLiteral("Team Average: ")));
    EXPECT_TRUE(differences(cart.RomImage, test::sampleImage().bytes).empty());
}

TEST_F(PlayerWindow, GoalieMarksAreWrittenWheneverATeamIsShown)
{
    cart.RomImage[teamoffset[3] + 1] = 0x12;  // two goalies, marked in a foreign way
    const Bytes before = cart.RomImage;
    ASSERT_EQ(readrosters(cart), "");
    open();
    EXPECT_TRUE(differences(before, cart.RomImage).empty());
    showteam(3);
    EXPECT_EQ(differences(before, cart.RomImage), std::vector<std::size_t>{teamoffset[3] + 1});
    EXPECT_EQ(cart.RomImage[teamoffset[3] + 1], 0x11);
    cart.RomImage[teamoffset[3] + 1] = 0x30;
    showteam(3);  // the same team again: rewritten again
    EXPECT_EQ(cart.RomImage[teamoffset[3] + 1], 0x11);
}

TEST_F(PlayerWindow, TeamAverageFormatsAndEmptyTeams)
{
    for (int p = 1; p <= 3; ++p) {
        for (int q = 1; q <= 7; ++q)
            cart.playerattr[q][p][2] = p == 3 ? 0x33 : 0x44;
    }
    setcounts(2, 1, 1, 1);
    for (int p = 1; p <= 20; ++p) {
        for (int q = 1; q <= 7; ++q)
            cart.playerattr[q][p][4] = 0x33;
    }
    setcounts(4, 2, 12, 6);
    setcounts(5, 0, 0, 0);
    open();
    showteam(2);
    EXPECT_EQ(text(QStringLiteral("Label21")), QStringLiteral("Team Average: 61.6666666666667"));
    showteam(4);
    EXPECT_EQ(text(QStringLiteral("Label21")), QStringLiteral("Team Average: 55"));
    pick(combo(2, 0), 6);  // not recomputed until the team is shown again
    EXPECT_EQ(text(QStringLiteral("Label21")), QStringLiteral("Team Average: 55"));
    showteam(4);
    EXPECT_EQ(text(QStringLiteral("Label21")), QStringLiteral("Team Average: 55.1875"));
    showteam(5);
    EXPECT_EQ(text(QStringLiteral("Label21")), QStringLiteral("Team Average:"));
    EXPECT_EQ(letters(), QStringLiteral("........................."));
    EXPECT_EQ(text(QStringLiteral("Label20")), QStringLiteral(" 0"));
}

TEST_F(PlayerWindow, GridIsCommittedOnTeamSwitchAndWrittenBySave)
{
    open();
    const std::uint8_t before = cart.playerattr[5][4][1];
    const int shown = before & 15;
    const int other = shown == 5 ? 4 : 5;
    pick(combo(10, 3), other);  // "Shot Accuracy" of player 4
    EXPECT_EQ(cart.playerattr[5][4][1], before);
    showteam(2);
    EXPECT_EQ(cart.playerattr[5][4][1], (before & 0xF0) | other);
    EXPECT_TRUE(differences(cart.RomImage, test::sampleImage().bytes).empty());  // records wait for SAVE
    showteam(1);
    EXPECT_EQ(combo(10, 3)->currentIndex(), other);

    press(1);
    const std::size_t byte = recordoffset(cart, 1, 4) + cart.playername[4][1].size() + 2 + 1 + 4;
    EXPECT_EQ(differences(cart.RomImage, test::sampleImage().bytes), std::vector<std::size_t>{byte});
    EXPECT_EQ(cart.RomImage[byte], (before & 0xF0) | other);
    EXPECT_TRUE(window->isVisible());  // SAVE leaves the window open
}

TEST_F(PlayerWindow, JuiceTeamThenAddPlayer)
{
    open();
    const auto attrs = cart.playerattr;
    const std::vector<int> weights = column(1), hands = column(8), speed = column(3);
    const QString average = text(QStringLiteral("Label21"));
    press(6);  // nothing picked: nothing happens
    EXPECT_EQ(column(3), speed);

    pick(child<QComboBox>(window.get(), QStringLiteral("Combo15")), 6);
    press(6);
    for (const int j : {2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14})
        EXPECT_EQ(column(j), std::vector<int>(25, 6)) << "column " << j;
    EXPECT_EQ(column(1), weights);
    EXPECT_EQ(column(8), hands);
    EXPECT_EQ(cart.playerattr, attrs);
    EXPECT_EQ(text(QStringLiteral("Label21")), average);

    ASSERT_GT(cart.rosterbytesleft[1], 16);
    press(4);  // the new row 22 was juiced while hidden, and committed
    EXPECT_TRUE(name(22)->isVisible());
    EXPECT_EQ(letter(22), QStringLiteral("D"));
    EXPECT_EQ(combo(13, 22)->currentText(), QStringLiteral("100"));
    EXPECT_EQ(cart.playerattr[7][23][1], 0x66);
    EXPECT_EQ(cart.RomImage[teamoffset[1] - 1], 0xD8);
}

TEST_F(PlayerWindow, RoleButtonsAndTheirRefusals)
{
    setcounts(3, 2, 14, 8);
    open();
    showteam(3);
    EXPECT_EQ(letters(), QStringLiteral("GGFFFFFFFFFFFFFFDDDDDDDD."));
    EXPECT_EQ(cart.RomImage[teamoffset[3] - 1], 0xF6);  // not written before the team is left

    press(8);
    EXPECT_EQ(letters(), QStringLiteral("GGGFFFFFFFFFFFFFDDDDDDDD."));
    EXPECT_EQ(text(QStringLiteral("Label20")), QStringLiteral(" 3"));
    EXPECT_EQ(cart.RomImage[teamoffset[3] - 1], 0xD8);
    EXPECT_EQ(cart.RomImage[teamoffset[3] + 1], 0x11);
    EXPECT_EQ(cart.RomImage[teamoffset[3] + 2], 0x10);
    press(8);
    EXPECT_EQ(cart.RomImage[teamoffset[3] + 2], 0x11);

    // A refused button does nothing at all: not even the grid is committed.
    const auto attrs = cart.playerattr;
    pick(combo(5, 6), combo(5, 6)->currentIndex() == 0 ? 1 : 0);
    press(8);  // 4 goalies already
    EXPECT_EQ(cart.goaliecount[3], 4);
    EXPECT_EQ(cart.playerattr, attrs);
    press(7);
    EXPECT_EQ(cart.goaliecount[3], 3);
    EXPECT_NE(cart.playerattr, attrs);  // shown again: committed

    press(2);
    EXPECT_EQ(cart.defensecount[3], 9);
    EXPECT_EQ(cart.forwardcount[3], 12);
    EXPECT_EQ(letters(), QStringLiteral("GGGFFFFFFFFFFFFDDDDDDDDD."));
    press(3);
    EXPECT_EQ(cart.RomImage[teamoffset[3] - 1], 0xD8);

    setcounts(6, 2, 1, 1);
    showteam(6);
    for (const int c : {8, 2, 3, 7})
        press(c);  // a single forward, a single defenceman: refused; goalie "-" acts
    EXPECT_EQ(cart.goaliecount[6], 1);
    EXPECT_EQ(cart.forwardcount[6], 2);
    EXPECT_EQ(cart.defensecount[6], 1);
    press(7);  // one goalie left
    EXPECT_EQ(cart.goaliecount[6], 1);
}

TEST_F(PlayerWindow, AddAndRemovePlayers)
{
    setcounts(11, 2, 14, 8);  // 24 players
    setbytesleft(11, 17);
    setcounts(3, 2, 15, 6);
    setbytesleft(3, 16);
    open();
    showteam(3);
    press(4);  // 16 bytes left: refused
    EXPECT_EQ(cart.defensecount[3], 6);
    press(5);  // 6 defencemen: refused
    EXPECT_EQ(cart.defensecount[3], 6);

    showteam(11);
    press(4);
    EXPECT_EQ(cart.defensecount[11], 9);
    EXPECT_EQ(letter(24), QStringLiteral("D"));
    EXPECT_EQ(name(24)->text(), QString());
    EXPECT_EQ(text(QStringLiteral("Label5")), bytesleft(7, false));
    typeInto(name(24), QStringLiteral("Abcdefghij"));
    EXPECT_EQ(name(24)->text(), QStringLiteral("Abcdefg"));
    EXPECT_EQ(text(QStringLiteral("Label5")), bytesleft(0, true));
    press(4);  // 25 players
    EXPECT_EQ(cart.defensecount[11], 9);

    test::backspace(number(24), 2);
    typeInto(number(24), QStringLiteral("42"));
    pick(combo(4, 24), 6);
    press(5);  // player 25 goes, its 17 bytes come back
    EXPECT_FALSE(name(24)->isVisible());
    EXPECT_EQ(cart.rosterbytesleft[11], 17);
    press(4);  // and returns with its number and ratings, without its name
    EXPECT_EQ(name(24)->text(), QString());
    EXPECT_EQ(number(24)->text(), QStringLiteral("42"));
    EXPECT_EQ(combo(4, 24)->currentText(), QStringLiteral("100"));

    for (int i = 0; i < 5; ++i)
        press(5);
    EXPECT_EQ(cart.defensecount[11], 6);
    EXPECT_EQ(cart.RomImage[teamoffset[11] - 1], 0xE6);
}

TEST_F(PlayerWindow, ANeverUsedSlotShowsDefaults)
{
    setcounts(3, 2, 15, 6);  // the sample's 23 players; slot 24 never used
    open();
    showteam(3);
    press(4);
    EXPECT_EQ(name(23)->text(), QString());
    EXPECT_EQ(number(23)->text(), QStringLiteral("0"));
    EXPECT_EQ(combo(1, 23)->currentText(), QStringLiteral("140"));
    EXPECT_EQ(combo(8, 23)->currentText(), QStringLiteral("Left"));
    EXPECT_EQ(combo(12, 23)->currentText(), QStringLiteral("25"));
}

TEST_F(PlayerWindow, NamesShareOneBudget)
{
    open();
    std::int32_t left = cart.rosterbytesleft[1];
    typeInto(name(0), QStringLiteral("Q"));
    EXPECT_EQ(cart.playername[1][1], test::sampleImage().teams[1].players[0].name + "Q");
    EXPECT_EQ(text(QStringLiteral("Label5")), bytesleft(left - 1, true));
    for (int r = 0; r < 25; ++r)
        EXPECT_EQ(name(r)->limit(), static_cast<int>(cart.playername[r + 1][1].size()) + left - 1) << r;

    typeInto(name(5), QString(left, QLatin1Char('z')));  // one more than fits
    EXPECT_EQ(cart.rosterbytesleft[1], 0);
    typeInto(name(2), QStringLiteral("y"));
    EXPECT_EQ(cart.playername[3][1], test::sampleImage().teams[1].players[2].name);
    test::backspace(name(5), 3);
    typeInto(name(9), QStringLiteral("abcd"));
    EXPECT_EQ(cart.playername[10][1], test::sampleImage().teams[1].players[9].name + "abc");

    // Where more than 253 bytes are free, one length byte still bounds the name.
    setcounts(7, 1, 0, 0);
    showteam(7);
    ASSERT_GT(cart.rosterbytesleft[7], 253);
    test::backspace(name(0), 40);
    test::pasteInto(name(0), QString(300, QLatin1Char('n')));
    EXPECT_EQ(cart.playername[1][7].size(), 253u);
    press(1);
    EXPECT_EQ(cart.RomImage[rosteroffset[7]], 255);
}

TEST_F(PlayerWindow, JerseyNumbers)
{
    open();
    const std::pair<const char*, std::uint8_t> cases[] = {{"88", 0x88}, {"7", 0x07}, {"10", 0x10}, {"", 0x00}, {"4a", 0x04}};
    for (const auto& [typed, stored] : cases) {
        test::backspace(number(1), 2);
        typeInto(number(1), QString::fromLatin1(typed));
        EXPECT_EQ(cart.playernum[2][1], stored) << typed;
    }
    typeInto(number(1), QStringLiteral("5"));  // two characters at most
    EXPECT_EQ(number(1)->text(), QStringLiteral("4a"));
    test::backspace(number(1), 2);
    typeInto(number(1), QStringLiteral("10"));
    showteam(2);
    showteam(1);
    EXPECT_EQ(number(1)->text(), QStringLiteral("10"));
}

TEST_F(PlayerWindow, ValuesWithoutAnEntryAreKeptUntilChanged)
{
    // Player 3 of team 2: ratings 9 and 12 in attribute byte 5, jersey 0x1A;
    // player 4: hand nibble 2.
    Bytes& rom = cart.RomImage;
    const std::size_t rec3 = recordoffset(cart, 2, 3) + cart.playername[3][2].size() + 2;
    const std::size_t rec4 = recordoffset(cart, 2, 4) + cart.playername[4][2].size() + 2;
    rom[rec3] = 0x1A;
    rom[rec3 + 5] = 0x9C;
    rom[rec4 + 4] = static_cast<std::uint8_t>((rom[rec4 + 4] & 0xF0) | 2);
    const Bytes damaged = rom;
    ASSERT_EQ(readrosters(cart), "");
    open();
    showteam(2);
    EXPECT_EQ(combo(9, 2)->currentIndex(), -1);
    EXPECT_EQ(combo(9, 2)->placeholderText(), QStringLiteral("?9"));
    EXPECT_EQ(combo(10, 2)->placeholderText(), QStringLiteral("?12"));
    EXPECT_EQ(number(2)->text(), QStringLiteral("1A"));
    EXPECT_EQ(combo(8, 3)->currentText(), QStringLiteral("Left"));
    showteam(3);
    showteam(2);
    press(1);
    window->close();
    EXPECT_EQ(differences(damaged, rom), std::vector<std::size_t>{rec4 + 4});  // hand 2 written as 0
    EXPECT_EQ(rom[rec3 + 5], 0x9C);
    EXPECT_EQ(rom[rec3], 0x1A);

    open();
    showteam(2);
    pick(combo(10, 2), 5);
    showteam(1);
    press(1);
    EXPECT_EQ(rom[rec3 + 5], 0x95);  // only the field picked changes
    showteam(2);
    test::backspace(number(2), 1);  // "1A" becomes "1"
    EXPECT_EQ(cart.playernum[3][2], 0x01);
}

TEST_F(PlayerWindow, ClosingWritesAndReopeningShowsTheEdits)
{
    open();
    showteam(4);
    typeInto(name(0), QStringLiteral("Z"));
    window->close();
    const std::size_t first = rosteroffset[4];
    EXPECT_EQ(cart.RomImage[first], cart.playername[1][4].size() + 2);
    EXPECT_EQ(cart.RomImage[first + 1 + cart.playername[1][4].size()], 'Z');
    open();
    EXPECT_EQ(child<ClickList>(window.get(), QStringLiteral("List1"))->currentRow(), 0);
    showteam(4);
    EXPECT_EQ(name(0)->text(), toQString(cart.playername[1][4]));
    EXPECT_TRUE(name(0)->text().endsWith(QLatin1Char('Z')));
}

TEST_F(PlayerWindow, AnUnwritableRosterIsReported)
{
    cart.playername[2][9] = std::string(250, 'W');  // far more than team 9's area holds
    open();
    QSignalSpy status(window.get(), &EditorWindow::statusMessage);
    press(1);
    ASSERT_EQ(status.count(), 1);
    EXPECT_TRUE(status.at(0).at(0).toString().contains(QStringLiteral("9")));
    EXPECT_EQ(std::vector<std::uint8_t>(cart.RomImage.begin() + rosteroffset[9], cart.RomImage.begin() + teamtextoffset[9]),
              std::vector<std::uint8_t>(test::sampleImage().bytes.begin() + rosteroffset[9],
                                        test::sampleImage().bytes.begin() + teamtextoffset[9]));
}

TEST(PlayerEditorEndToEnd, ClickingThroughEveryTeamAndSavingKeepsTheImage)
{
    test::TempDir dir;
    test::writeFile(dir.path("in.smc"), test::sampleImage().bytes);
    Form1 form;
    form.show();
    test::answerFileDialog(&form, QString::fromStdString(dir.path("in.smc").string()));
    click(child<QPushButton>(&form, QStringLiteral("Command1")));
    click(child<QPushButton>(&form, QStringLiteral("Command5")));
    auto* window = qobject_cast<PlayerEditor*>(form.editor(5));
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->isVisible());
    auto* list = child<ClickList>(window, QStringLiteral("List1"));
    for (int row = 0; row < 28; ++row) {
        list->scrollToItem(list->item(row));
        test::clickRow(list, row);
        ASSERT_EQ(child<QLabel>(window, QStringLiteral("Label1"))->text(),
                  toQString(form.cartridge().teamname[row + 1] + " " + form.cartridge().teamnick[row + 1]));
    }
    click(child<QPushButton>(window, QStringLiteral("Command1")));
    test::closeWindow(window);
    EXPECT_FALSE(window->isOpen());
    test::answerFileDialog(&form, QString::fromStdString(dir.path("out.smc").string()));
    click(child<QPushButton>(&form, QStringLiteral("Command2")));
    EXPECT_EQ(test::readFile(dir.path("out.smc")), test::sampleImage().bytes);
}

}  // namespace
}  // namespace icevale
