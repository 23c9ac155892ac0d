#include <QDropEvent>
#include <QMimeData>
#include <QProcess>
#include <QUrl>
#include <random>

#include "app/appfixture.h"
#include "core/bannertexts.h"
#include "core/lineups.h"
#include "core/menudefaults.h"
#include "core/rosters.h"
#include "core/teamtexts.h"

namespace icevale {
namespace {

using namespace test;

class Robustness : public OpenedForm {
protected:
    void showAll()
    {
        for (int command = 3; command <= 10; ++command)
            form.showeditor(command);
    }
    void closeAll()
    {
        for (int command = 3; command <= 10; ++command)
            form.editor(command)->close();
    }
    bool openBytes(const Bytes& bytes)
    {
        bool asked = false;
        if (form.document().modified())
            answerQuestion(&form, QMessageBox::Discard, asked);
        return form.openfile(write("image.smc", bytes));
    }
};

// Random images hold every kind of value, those the windows cannot show included.
TEST_F(Robustness, WindowsShownAndClosedOrCommittedLeaveEveryImageAsItWas)
{
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        const Bytes bytes = sample::makeSampleImage(seed).bytes;
        ASSERT_TRUE(openBytes(bytes)) << status().toStdString();
        showAll();
        for (int command = 3; command <= 10; ++command) {
            auto* window = form.editor(command);
            ASSERT_FALSE(window->haspending()) << window->objectName().toStdString();
            ASSERT_EQ(window->commit(), QString());
        }
        ASSERT_EQ(image(), bytes);
        closeAll();
        const std::string out = dir.path("out.smc").string();
        ASSERT_TRUE(form.document().save(out).ok);
        ASSERT_EQ(readFile(out), bytes);
    }
}

TEST_F(Robustness, TheStatusLineWarnsOfImagesThatAreNotSound)
{
    EXPECT_EQ(status(), QStringLiteral("Opened %1 (%2 bytes).").arg(file).arg(sampleImage().bytes.size()));
    const auto damaged = [](std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes) {
        Bytes b = sampleImage().bytes;
        for (const auto& [offset, value] : bytes)
            b[offset] = value;
        return b;
    };
    Bytes text(0x108000, 'e');
    for (std::size_t i = 71; i < text.size(); i += 72)
        text[i] = '\n';
    const std::pair<Bytes, const char*> cases[] = {
        {text, "team 1"},
        {damaged({{teamoffset[5] - 1, 0x00}, {rosteroffset[5], 0x02}, {rosteroffset[5] + 1, 0x00}}), "not a possible roster"},
        {damaged({{rosteroffset[6], 0xFF}}), "past its area"},
        {damaged({{teamtextoffset[7], 60}}), "too long for their block"},
        {damaged({{kBannerPointerTable + 4, 0x70}}), "banner text pointer table"},
        {damaged({{lineslotoffset(8, 2, 3), 26}}), "past the roster"},
        {damaged({{kMenuDefaults + 2, 40}}), "menu default 2"},
    };
    for (const auto& [bytes, named] : cases) {
        ASSERT_TRUE(openBytes(bytes)) << status().toStdString();
        EXPECT_TRUE(status().contains(QStringLiteral("does not look like a sound Icevale image"))) << status().toStdString();
        EXPECT_TRUE(status().contains(QString::fromLatin1(named))) << status().toStdString();
    }
}

TEST_F(Robustness, ExtremeFilesOpenOrAreRefusedAndEveryWindowCopes)
{
    std::mt19937 random(3);
    Bytes noise(kMinImageSize);
    for (auto& b : noise)
        b = static_cast<std::uint8_t>(random());
    Bytes huge = sampleImage().bytes;
    huge.resize(std::size_t{16} << 20, 0xA5);
    Bytes extreme = sampleImage().bytes;
    for (int t = 1; t <= kTeams; ++t) {
        extreme[teamoffset[t] - 1] = 0xF6;  // 15 forwards, 6 defencemen, 4 goalies: 25 players
        extreme[teamoffset[t] + 1] = extreme[teamoffset[t] + 2] = 0xFF;
        extreme[teamtextoffset[t]] = 0xFF;
    }
    for (const Bytes& bytes : {Bytes(kMinImageSize, 0), Bytes(kMinImageSize, 0xFF), noise, huge, extreme}) {
        if (!openBytes(bytes)) {
            EXPECT_TRUE(status().startsWith(QStringLiteral("Could not open"))) << status().toStdString();
            continue;
        }
        EXPECT_TRUE(status().startsWith(QStringLiteral("Opened"))) << status().toStdString();
        showAll();
        closeAll();
    }
}

// Slots past a roster hold nothing of an image opened before.
TEST_F(Robustness, ASecondImageStartsFromCleanTables)
{
    Bytes second = sampleImage().bytes;
    second[teamoffset[1] - 1] = static_cast<std::uint8_t>(second[teamoffset[1] - 1] - 1);  // one defenceman fewer
    ASSERT_TRUE(openBytes(second));
    QWidget* players = open(5);
    const int n = form.document().cart().playercount(1);
    click(child<QPushButton>(players, QStringLiteral("Command4")));  // "Add Player"
    EXPECT_EQ(child<QLineEdit>(players, QStringLiteral("playernumber_%1").arg(n))->text(), QStringLiteral("0"));
    EXPECT_EQ(child<QComboBox>(players, QStringLiteral("Combo1_%1").arg(n))->currentText(), QStringLiteral("140"));
    EXPECT_EQ(child<QComboBox>(players, QStringLiteral("Combo14_%1").arg(n))->currentText(), QStringLiteral("25"));
}

TEST_F(Robustness, DroppingFiles)
{
    const QString other = write("other.smc", sampleImage().bytes);
    const auto drop = [&](const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&form, &enter);
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&form, &dropped);
    };
    drop({QUrl::fromLocalFile(other), QUrl::fromLocalFile(file)});
    EXPECT_TRUE(status().contains(QStringLiteral("2 were dropped"))) << status().toStdString();
    drop({QUrl(QStringLiteral("https://example.org/x.smc"))});
    EXPECT_TRUE(status().contains(QStringLiteral("Only a file on this computer"))) << status().toStdString();
    EXPECT_EQ(form.document().filename(), file.toStdString());
    drop({QUrl::fromLocalFile(other)});
    EXPECT_EQ(form.document().filename(), other.toStdString());
}

TEST(EditorProgram, AnswersHelpAndVersionWithoutADisplay)
{
    QProcess editor;
    editor.start(QStringLiteral(ICEVALE_EDITOR), {QStringLiteral("--version")});
    ASSERT_TRUE(editor.waitForFinished());
    EXPECT_EQ(editor.readAllStandardOutput().trimmed(), QByteArray("icevale-editor 0.8.1"));
    editor.start(QStringLiteral(ICEVALE_EDITOR), {QStringLiteral("--help")});
    ASSERT_TRUE(editor.waitForFinished());
    EXPECT_TRUE(editor.readAllStandardOutput().contains("[FILE]"));
}

}  // namespace
}  // namespace icevale
