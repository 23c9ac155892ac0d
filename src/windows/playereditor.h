#pragma once
// The player editor window: one team's roster as a 25-row grid of names, jersey
// numbers and the fourteen attribute columns, with role buttons, adding and removing
// players, a team-wide rating ("Juice Team:") and the writing of all 28 rosters.
#include <array>

#include "core/playerattributes.h"
#include "core/rosterdraft.h"
#include "windows/editorwindow.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace icevale {

class ClickList;
class LimitedLineEdit;

class PlayerEditor : public EditorWindow {
    Q_OBJECT
public:
    PlayerEditor(Document& doc, QWidget* parent);

    // "SAVE": the shown team's grid and count byte, then every roster.
    QString commit() override;
    Areas ownareas() const override { return Area::Roster; }
    bool haspending() const override;
    void refresh() override;
    // The rosters as the window holds them until "SAVE" or closing.
    const RosterDraft& draft() const { return roster; }

protected:
    void Form_Load() override;
    void Form_Unload() override;
    QString closerefusal() const override;
    void dropdraft() override;

private:
    static constexpr int kRows = kMaxPlayers;

    void buildcontrols();
    void buildlabels();
    void addcaptions();
    void buildbuttons();
    void buildrow(int r);
    static void place(QWidget* control, int left, int width);
    QPushButton* button(int index, const char* caption, int left, int top, int width, int height);
    QLabel* label(const QString& name, int left, int top, int width);
    QComboBox* combo(int column, int r) const { return grid[static_cast<std::size_t>(r)][static_cast<std::size_t>(column)]; }

    void List1_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void player_name_Change(int r);
    void playernumber_Change(int r);

    void showteam();
    void keepbaseline(int t);
    void showrow(int r, int n);
    void dispplayers();
    void showgrid();
    void selectgrid(int i);
    void storeplayers();
    void saveplayers();
    void gridvalues(RatingGrid& values) const;
    void syncgrid();
    void applyroster(const Edit& edit, int t);
    std::string rosterstep() const;
    void countnamebytes();
    void updateplayername(int p);

    int curteam = 0;
    RosterDraft roster;  // the rosters as edited since the window took them, the shown team's grid included
    bool showing = false;  // while the grid is filled from the draft
    RatingGrid ratinggrid{};
    int rowsteam = 0;    // the team the grid rows last showed
    int session = 0;     // counts the roster write-backs, which end an undo step
    QString saverefusal;  // why the last write-back left rosters unwritten
    Tables loaded;        // the rosters as loaded, each team's as first shown: edits are told by them
    std::array<bool, kTeams + 1> baselined{};

    ClickList* List1 = nullptr;
    std::array<QPushButton*, 9> Command{};  // [1..8]
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* Label21 = nullptr;
    std::array<QWidget*, kRows> rows{};  // each row's controls
    std::array<QLabel*, kRows> Label4{};
    std::array<LimitedLineEdit*, kRows> player_name{};
    std::array<LimitedLineEdit*, kRows> playernumber{};
    std::array<std::array<QComboBox*, kColumns + 1>, kRows> grid{};  // [r][J], Combo1..Combo14
    QComboBox* Combo15 = nullptr;
};

}  // namespace icevale
