#include <set>

#include "core/playerattributes.h"
#include "core/rosters.h"
#include "windows/playereditor.h"
#include "windowtest.h"

namespace icevale {
namespace {

using namespace test;

// The role letters of the 25 rows (a dot for a hidden row), then the three counts.
std::string roles(int g, int f, int d)
{
    return std::string(g, 'G') + std::string(f, 'F') + std::string(d, 'D') + std::string(25 - g - f - d, '.') + " " +
           std::to_string(g) + " " + std::to_string(f) + " " + std::to_string(d);
}

std::string bytesleft(int left, bool blank)
{
    return (blank ? " " : "") + std::to_string(left) + " bytes left for player names";
}

class PlayerWindow : public WindowTest {
protected:
    PlayerEditor window{doc, nullptr};
    const Tables& tables = window.draft().tables();  // the window's working rosters

    void showteam(int t) { clickRow(list1(&window), t - 1); }
    std::string text(const QString& label) { return child<QLabel>(&window, label)->text().toStdString(); }
    std::string label5() { return text(QStringLiteral("Label5")); }
    LimitedLineEdit* name(int r) { return child<LimitedLineEdit>(&window, QStringLiteral("player_name_%1").arg(r)); }
    LimitedLineEdit* number(int r) { return child<LimitedLineEdit>(&window, QStringLiteral("playernumber_%1").arg(r)); }
    QComboBox* combo(int j, int r) { return child<QComboBox>(&window, QStringLiteral("Combo%1_%2").arg(j).arg(r)); }
    // The role letters and counts as shown, to compare with roles().
    std::string letters()
    {
        std::string all;
        for (int r = 0; r < 25; ++r) {
            const std::string letter = text(QStringLiteral("Label4_%1").arg(r));
            all += letter.empty() ? "." : letter;
        }
        return all + text(QStringLiteral("Label20")) + text(QStringLiteral("Label2")) + text(QStringLiteral("Label3"));
    }
    // Picks another entry in column j of row r; returns the entry picked.
    int repick(int j, int r)
    {
        const int other = combo(j, r)->currentIndex() == 1 ? 2 : 1;
        pick(combo(j, r), other);
        return other;
    }
};

TEST_F(PlayerWindow, ShowsTeamOneAndWritesTheRecordsOnlyOnSave)
{
    window.showEditor();
    const std::string team = sampleImage().teams[1].name + " " + sampleImage().teams[1].nick;
    EXPECT_EQ(text(QStringLiteral("Label1")), team);
    EXPECT_EQ(child<QLabel>(&window, QStringLiteral("Label1"))->toolTip().toStdString(), team);  // whole when cut
    std::set<std::string> headings;
    for (int j = 1; j <= kColumns; ++j)
        headings.insert(text(QStringLiteral("Label%1").arg(5 + j)));
    EXPECT_TRUE(headings.size() == kColumns && !headings.contains("")) << "every column has a heading of its own";
    EXPECT_EQ(letters(), roles(2, 13, 7));
    for (int r = 0; r < 25; ++r)
        EXPECT_EQ(name(r)->isVisible() + number(r)->isVisible() + combo(14, r)->isVisible(), r < 22 ? 3 : 0) << r;
    // Names just shown ran their change handler (count with a blank); showing again changes no box.
    EXPECT_EQ(label5(), bytesleft(rosterfreebytes(tables, 1), true));
    showteam(1);
    EXPECT_EQ(label5(), bytesleft(rosterfreebytes(tables, 1), false));
    EXPECT_FALSE(window.haspending());

    const int picked = repick(10, 3);  // "Shot Accuracy" of player 4
    EXPECT_TRUE(window.haspending());
    showteam(2);  // the grid stays in the draft, the records wait for SAVE
    EXPECT_TRUE(attrnibble(tables, 4, 1, 10) == picked && edits.empty());
    showteam(1);
    EXPECT_EQ(combo(10, 3)->currentIndex(), picked);
    click(button(&window, 1));  // "SAVE"
    EXPECT_TRUE(window.isOpen());
    checkImage({allrostersedit(tables).edit});
    EXPECT_EQ(differences(doc.image(), sampleImage().bytes).size(), 1u);
    window.close();
    window.showEditor();  // opened again, it lists each team once
    EXPECT_EQ(list1(&window)->count(), kTeams);
}

// Juice Team gives every rating of the team (not the weight, not the hand) the entry
// picked beside it: the boxes show it at once, the window has edits, and SAVE writes them.
TEST_F(PlayerWindow, JuiceTeamGivesEveryRatingTheEntryPicked)
{
    window.showEditor();
    auto* entry = child<QComboBox>(&window, QStringLiteral("Combo15"));
    pick(entry, 3);
    EXPECT_FALSE(window.haspending());
    click(button(&window, 6));
    EXPECT_TRUE(window.haspending());
    const int n = doc.cart().playercount(1);
    click(button(&window, 1));  // "SAVE"
    for (int j = 2; j <= kColumns; ++j) {
        const bool rating = j != kHandColumn;
        EXPECT_TRUE(!rating || (combo(j, n - 1)->currentText() == entry->currentText() && attrnibble(doc.tables(), n, 1, j) == 3)) << j;
    }
}

TEST_F(PlayerWindow, ShowingATeamWritesItsCountByteAndGoalieMarks)
{
    reopen([](Bytes& rom) { rom[teamoffset[3] + 1] = 0x12; });  // two goalies, marked unusually
    window.showEditor();
    EXPECT_TRUE(edits.empty());
    showteam(3);
    checkImage({goaliemarksedit(tables, 3)});

    const std::string before = tables.playername[1][3];
    typeInto(name(0), QStringLiteral("Q"));
    EXPECT_EQ(tables.playername[1][3], before + "Q");  // the draft at once
    click(button(&window, 8));  // goalie "+": the first forward becomes the last goalie
    EXPECT_EQ(letters(), roles(3, 14, 6));
    expect(rostercountedit(tables, 3));
    checkImage({goaliemarksedit(tables, 3)});  // the name waits for closing
    window.close();
    checkImage({allrostersedit(tables).edit});
}

TEST_F(PlayerWindow, RoleButtonsAddAndRemoveAndTheNameBudget)
{
    window.showEditor();
    const int left = rosterfreebytes(tables, 1);
    click(button(&window, 4));  // "Add Player": a defenceman with an empty name and number 0
    EXPECT_EQ(letters() + label5(), roles(2, 13, 8) + bytesleft(left - 10, false));
    EXPECT_EQ(name(22)->text() + QLatin1Char('|') + number(22)->text(), QStringLiteral("|0"));
    typeInto(name(22), QString(left, QLatin1Char('a')));  // all but the record's 10 bytes fit
    EXPECT_EQ(tables.playername[23][1] + label5(), std::string(left - 10, 'a') + bytesleft(0, true));
    EXPECT_EQ(name(3)->limit(), static_cast<int>(tables.playername[4][1].size()));  // every box is full
    click(button(&window, 5));  // "Remove Player": its bytes come back
    EXPECT_EQ(letters() + label5(), roles(2, 13, 7) + bytesleft(left, false));

    // Goalie "+" and "-", defence "+" and "-", each moving the role boundary by one.
    const std::pair<int, std::string> presses[] = {
        {8, roles(3, 12, 7)}, {7, roles(2, 13, 7)}, {2, roles(2, 12, 8)}, {3, roles(2, 13, 7)}};
    for (const auto& [command, shown] : presses) {
        click(button(&window, command));
        EXPECT_EQ(letters(), shown) << "button " << command;
    }
}

// A number or rating the boxes cannot show is kept until changed.
TEST_F(PlayerWindow, ValuesWithoutAnEntryAreKeptUntilChanged)
{
    reopen([](Bytes& rom) {
        Cartridge cart = decoded(rom);
        cart.playernum[3][2] = 0x1A;
        cart.playerattr[5][3][2] = 0x9C;  // ratings 9 and 12: no entries
        ASSERT_TRUE(applyedit(rom, rosterrecordsedit(cart, 2).value()));
    });
    window.showEditor();
    showteam(2);
    EXPECT_EQ(combo(9, 2)->placeholderText() + combo(10, 2)->placeholderText() + number(2)->text(),
              QStringLiteral("?9?121A"));
    const int picked = repick(10, 2);
    EXPECT_TRUE(window.haspending());
    EXPECT_EQ(window.commit(), QString());
    EXPECT_TRUE(window.isOpen() && list1(&window)->currentRow() == 1 && !window.haspending());
    EXPECT_EQ(std::vector<int>({tables.playernum[3][2], attrnibble(tables, 3, 2, 9), attrnibble(tables, 3, 2, 10)}),
              std::vector<int>({0x1A, 9, picked}));
    checkImage({allrostersedit(tables).edit});

    backspace(number(2), 2);
    typeInto(number(2), QStringLiteral("x1y05"));  // digits only, as typed, two characters at most
    EXPECT_EQ(tables.playernum[3][2], 0x10);
}

// A roster past its area (a damaged image), edited, cannot be stored, so closing asks:
// Cancel stays, Discard drops the edits and writes nothing.
TEST_F(PlayerWindow, ClosingWithARosterThatCannotBeStoredAsks)
{
    reopen([](Bytes& rom) { rom[rosteroffset[6]] = 0xFF; });
    window.showEditor();
    showteam(6);
    const Bytes shown = doc.image();
    const int stored = combo(10, 3)->currentIndex();
    repick(10, 3);
    EXPECT_FALSE(window.commit().isEmpty());
    for (const auto answer : {QMessageBox::Cancel, QMessageBox::Discard}) {
        QString text;
        const auto asked = answerBox(QStringLiteral("UnsavedChanges"), answer, &text);
        pressKeys(&window, QKeySequence(Qt::Key_Escape));
        EXPECT_TRUE(asked->answered() && text.contains(QStringLiteral("PLAYER EDITOR cannot store"))) << text.toStdString();
        EXPECT_EQ(window.isOpen(), answer == QMessageBox::Cancel);
        EXPECT_EQ(doc.image(), shown);
    }
    window.showEditor();
    showteam(6);
    EXPECT_EQ(combo(10, 3)->currentIndex(), stored);
}

}  // namespace
}  // namespace icevale
