#include <random>

#include "app/appfixture.h"
#include "core/menudefaults.h"

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
        const auto answer = form.document().modified() ? answerQuestion(QMessageBox::Discard) : nullptr;
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
        ASSERT_EQ(image(), bytes);
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
        {damaged({{rosteroffset[6], 0xFF}}), "past its area"},
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
        const Bytes before = image();
        if (!openBytes(bytes)) {  // the image open before stays
            EXPECT_TRUE(status().startsWith(QStringLiteral("Could not open")) && image() == before) << status().toStdString();
            continue;
        }
        EXPECT_TRUE(status().startsWith(QStringLiteral("Opened"))) << status().toStdString();
        showAll();
        closeAll();
    }
}

}  // namespace
}  // namespace icevale
