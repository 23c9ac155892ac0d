#pragma once
// The team editor: the four texts and the overall number of every team, one row per
// team, each row's texts sharing the free bytes of the team's text block; the two menu
// display names below, sharing 22 characters. Edits stay in the boxes until "Save and
// Exit" writes everything; closing the window any other way with edits in the boxes asks
// whether to store them, drop them or stay open.
#include <QStringList>
#include <array>

#include "windows/editorwindow.h"
#include "core/teamtexts.h"

class QLabel;
class QPushButton;

namespace icevale {

class LimitedLineEdit;

class TeamEditor : public EditorWindow {
    Q_OBJECT
public:
    TeamEditor(Document& doc, QWidget* parent);

    void Command1_Click();  // "Save and Exit"
    // "Save and Exit" without closing; returns why nothing was stored, or an empty text.
    QString commit() override;
    Areas ownareas() const override { return Area::TeamText | Area::Overall | Area::MenuName; }
    bool haspending() const override;

protected:
    void Form_Load() override;
    bool mayclose() override;

private:
    using RowBoxes = std::array<LimitedLineEdit*, kTeams>;

    void buildcontrols();
    void buildrow(int index);
    void addheadings();
    void stackrows();
    void updateallbytes();
    void updateteambytes(int t);
    void Teamnm_Change(int index);
    void Teamnick_Change(int index);
    void Teamabbreviation_Change(int index);
    void Teamarena_Change(int index);
    void Text1_Change();
    void Text2_Change();
    void setmenulimits();
    void loadmenunames();
    std::optional<Edit> saveedit() const;
    QString checksave();
    QStringList overallproblems();
    QStringList rowproblems();
    QStringList nameproblems();
    TeamTexts rowtexts(int t) const;
    MenuNames menunames() const;
    QString teamlabel(int t) const;
    QStringList boxtexts() const;
    void mark(QWidget* box, bool wrong);

    RowBoxes Teamnm{}, Teamnick{}, Teamabbreviation{}, Teamarena{}, overallnum{};
    std::array<QLabel*, kTeams> bytesremaining{};
    QLabel* Label1 = nullptr;
    LimitedLineEdit* Text1 = nullptr;
    LimitedLineEdit* Text2 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* SaveMessage = nullptr;  // why "Save and Exit" refused to save

    TeamTable<std::int32_t> teambytesleft{};
    MenuNames loadednames;  // as read at load, to tell edited names from unedited ones
    QStringList shown;      // every box as last loaded or stored, to tell whether the user edited
};

}  // namespace icevale
