#pragma once
// "Banner Text Length Editor": the 28 banner texts sharing the 261-byte text area. A
// text may grow only by the bytes the others leave; every closing writes the texts
// back packed and rebuilds the pointer table.
#include <array>
#include <cstdint>

#include "windows/editorwindow.h"

class QLabel;
class QPushButton;

namespace icevale {

class LimitedLineEdit;

class BannerTextEditor : public EditorWindow {
    Q_OBJECT
public:
    BannerTextEditor(Document& doc, QWidget* parent);

    QString commit() override;
    Areas ownareas() const override { return Area::BannerText; }
    bool haspending() const override;

protected:
    void Form_Load() override;
    void Form_Unload() override;
    QString closerefusal() const override;

private:
    void buildcontrols();
    void updatebannerbytes();
    void Command1_Click();
    void savebannertext();
    QString storetexts();
    bool mustsave(const TeamTable<std::string>& texts) const;
    static QString overflow(const TeamTable<std::string>& texts);
    TeamTable<std::string> boxtexts() const;

    std::array<LimitedLineEdit*, kTeams> Teamnm{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;

    std::int16_t bannerspace = 261;
    // Whether the table read at load was sound, and the texts shown then: a damaged
    // table is only replaced when the user has changed a text.
    bool tablesound = true;
    TeamTable<std::string> loadedtexts;
};

}  // namespace icevale
