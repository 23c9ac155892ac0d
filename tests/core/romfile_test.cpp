#include <gtest/gtest.h>

#include "core/romfile.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

using test::readFile;
using test::writeFile;

class RomFile : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string write(const std::string& name, const Bytes& bytes)
    {
        writeFile(dir.path(name), bytes);
        return dir.path(name).string();
    }
};

TEST_F(RomFile, LoadThenSaveGivesAByteIdenticalFile)
{
    Cartridge cart;
    ASSERT_TRUE(loadrom(cart, write("in.smc", test::sampleImage().bytes)).ok);
    EXPECT_EQ(cart.RomImage, test::sampleImage().bytes);
    EXPECT_EQ(cart.teamabbrev[1], test::sampleImage().teams[1].abbrev);
    const std::string out = dir.path("out.smc").string();
    ASSERT_TRUE(saverom(cart, out).ok);
    EXPECT_EQ(readFile(out), test::sampleImage().bytes);
}

TEST_F(RomFile, SavingNeverTruncates)
{
    Cartridge cart;
    ASSERT_TRUE(loadrom(cart, write("in.smc", test::sampleImage().bytes)).ok);
    Bytes longer(cart.RomImage.size() + 100, 0xAB);
    const std::string longFile = write("long.smc", longer);
    ASSERT_TRUE(saverom(cart, longFile).ok);
    const Bytes saved = readFile(longFile);
    ASSERT_EQ(saved.size(), longer.size());
    EXPECT_TRUE(std::equal(cart.RomImage.begin(), cart.RomImage.end(), saved.begin()));
    EXPECT_TRUE(std::all_of(saved.begin() + static_cast<long>(cart.RomImage.size()), saved.end(),
                            [](std::uint8_t b) { return b == 0xAB; }));

    const std::string shortFile = write("short.smc", Bytes(10, 0xCD));
    ASSERT_TRUE(saverom(cart, shortFile).ok);
    EXPECT_EQ(readFile(shortFile), cart.RomImage);
}

TEST_F(RomFile, ASecondLoadReplacesEverything)
{
    Cartridge cart;
    Bytes bigger = test::sampleImage().bytes;
    bigger.resize(bigger.size() + 4096, 0xEE);
    ASSERT_TRUE(loadrom(cart, write("big.smc", bigger)).ok);
    Bytes other(kMinImageSize, 0);  // no copier header, all rosters empty
    ASSERT_TRUE(loadrom(cart, write("other.smc", other)).ok);
    EXPECT_EQ(cart.RomImage, other);
    EXPECT_EQ(cart.teamname[1], "");
    EXPECT_EQ(cart.playercount(1), 0);
}

TEST_F(RomFile, FailedLoadsSayWhyAndChangeNothing)
{
    Cartridge cart;
    ASSERT_TRUE(loadrom(cart, write("good.smc", test::sampleImage().bytes)).ok);
    const Cartridge before = cart;

    Bytes tooMany = test::sampleImage().bytes;
    tooMany[teamoffset[12] - 1] = 0xF9;  // 15 + 9 + the sample's goalies > 25
    Bytes shortImage(kMinImageSize - 1, 0);
    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {dir.path("missing.smc").string(), "No such file"},
        {dir.path("").string(), "folder"},
        {write("short.smc", shortImage), "962261 bytes long"},
        {write("toomany.smc", tooMany), "team 12"},
    };
    for (const auto& c : cases) {
        const IoResult r = loadrom(cart, c.path);
        EXPECT_FALSE(r.ok) << c.path;
        EXPECT_NE(r.message.find(c.path), std::string::npos) << r.message;
        EXPECT_NE(r.message.find(c.reason), std::string::npos) << r.message;
        EXPECT_EQ(cart.RomImage, before.RomImage);
        EXPECT_EQ(cart.playername, before.playername);
        EXPECT_EQ(cart.forwardcount, before.forwardcount);
        EXPECT_EQ(cart.teamname, before.teamname);
    }
}

TEST_F(RomFile, FailedSavesAreNeverReportedAsDone)
{
    Cartridge cart;
    ASSERT_TRUE(loadrom(cart, write("good.smc", test::sampleImage().bytes)).ok);
    for (const std::string& path : {dir.path("no/such/folder.smc").string(), dir.path("").string(),
                                    std::string("/dev/full")}) {
        const IoResult r = saverom(cart, path);
        EXPECT_FALSE(r.ok) << path;
        EXPECT_NE(r.message.find(path), std::string::npos) << r.message;
    }
}

}  // namespace
}  // namespace icevale
