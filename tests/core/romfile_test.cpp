#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <future>
#endif

#include "core/filelayer.h"
#include "core/romfile.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

namespace fs = std::filesystem;
using namespace test;

class RomFile : public FolderTest {};

// Writes fail part way through (as on a full disk): the old file stays, whole, and no
// temporary file is left behind.
TEST_F(RomFile, ATornWriteLeavesTheOldFileAndNoTemporaryFile)
{
    const Bytes& image = sampleImage().bytes;
    const Bytes old = joined({Bytes(image.size(), 0x5A), Bytes(64, 0xA5)});
    const std::string target = utf8(dir.path("old.smc"));
    write("old.smc", old);
    const std::set<std::string> names = dir.names();
    for (const std::uint64_t written : {std::uint64_t{0}, std::uint64_t{image.size() / 2}, std::uint64_t{image.size()}}) {
        simulatewritefailure(written);
        const Status r = saverom(image, target);
        simulatewritefailure(std::nullopt);
        EXPECT_FALSE(r.ok()) << written;
        EXPECT_NE(r.message().find("\"" + target + "\": cannot write: No space left on device"), std::string::npos)
            << r.message();
        EXPECT_EQ(readFile(target), old);
        EXPECT_EQ(dir.names(), names);
    }
    ASSERT_TRUE(saverom(image, target).ok());
    EXPECT_EQ(readFile(target), joined({image, Bytes(64, 0xA5)}));
}

#ifndef _WIN32
constexpr fs::perms kMode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;  // 0640

TEST_F(RomFile, SavesKeepALongerFilesTailThePermissionsAndLinks)
{
    Cartridge cart;
    ASSERT_TRUE(loadrom(cart, write("in.smc", sampleImage().bytes)).ok());
    EXPECT_EQ(cart.RomImage, sampleImage().bytes);
    EXPECT_EQ(cart.teamabbrev[1], sampleImage().teams[1].abbrev);
    const Bytes& image = cart.RomImage;
    const Bytes tail(100, 0xAB);
    fs::create_symlink("longer.smc", dir.path("link.smc"));
    fs::create_symlink("link.smc", dir.path("chain.smc"));
    fs::create_symlink("made.smc", dir.path("dangling.smc"));
    const std::tuple<std::string, std::optional<Bytes>, Bytes, std::string> cases[] = {
        {"new.smc", std::nullopt, image, "new.smc"},
        {"longer.smc", joined({Bytes(image.size(), 0xCD), tail}), joined({image, tail}), "longer.smc"},
        {"shorter.smc", Bytes(10, 0xCD), image, "shorter.smc"},
        {"in.smc", image, image, "in.smc"},
        {"link.smc", joined({Bytes(image.size(), 0xCD), tail}), joined({image, tail}), "longer.smc"},
        {"chain.smc", joined({Bytes(image.size(), 0xCD), tail}), joined({image, tail}), "longer.smc"},
        {"dangling.smc", std::nullopt, image, "made.smc"},
    };
    for (const auto& [name, old, saved, target] : cases) {
        if (old) {
            write(target, *old);
            fs::permissions(dir.path(target), kMode);
        }
        ASSERT_TRUE(saverom(image, dir.path(name).string()).ok()) << name;
        EXPECT_EQ(readFile(dir.path(target)), saved) << name;
        EXPECT_EQ(fs::is_symlink(dir.path(name)), name != target) << name;
        EXPECT_TRUE(!old || (fs::status(dir.path(target)).permissions() & fs::perms::mask) == kMode) << name;
    }
    EXPECT_EQ(dir.names(), (std::set<std::string>{"new.smc", "longer.smc", "shorter.smc", "in.smc", "link.smc",
                                                "chain.smc", "dangling.smc", "made.smc"}));
}

// Loads in another thread; a load that blocks fails the test and is let go by a writer.
Status loadWithin(Cartridge& cart, const std::string& path)
{
    auto load = std::async(std::launch::async, [&cart, path] { return loadrom(cart, path); });
    if (load.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        ADD_FAILURE() << path << ": the load blocks";
        const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
    return load.get();
}

TEST_F(RomFile, FailedLoadsSayWhyAndChangeNothingAndAnotherLoadStartsFromCleanTables)
{
    Cartridge cart;
    ASSERT_TRUE(loadrom(cart, write("big.smc", joined({sampleImage().bytes, Bytes(4096, 0xEE)}))).ok());
    const Cartridge before = cart;
    const std::string fifo = dir.path("pipe.smc").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {
        {dir.path("missing.smc").string(), "No such file"},
        {dir.path("").string(), "is a folder"},
        {fifo, "is not a regular file"},
        {write("short.smc", Bytes(kMinImageSize - 1, 0)), "is 962261 bytes long; an image needs at least 962262 bytes"},
        {write("toomany.smc", overlaid(sampleImage().bytes, teamoffset[12] - 1, {0xF9})), "team 12 has"},
    };
    for (const auto& [path, reason] : cases) {
        const Status r = loadWithin(cart, path);
        EXPECT_FALSE(r.ok()) << path;
        EXPECT_NE(r.message().find(path), std::string::npos) << r.message();
        EXPECT_NE(r.message().find(reason), std::string::npos) << r.message();
        EXPECT_TRUE(std::tie(cart.RomImage, cart.playername, cart.forwardcount, cart.teamname) ==
                    std::tie(before.RomImage, before.playername, before.forwardcount, before.teamname));
    }
    Bytes other = overlaid(slice(sampleImage().bytes, 0, kMinImageSize), teamoffset[1] - 1, {0, 0, 0, 0});
    other[teamoffset[1]] = sampleImage().bytes[teamoffset[1]];  // team 1 without players
    ASSERT_TRUE(loadrom(cart, write("other.smc", other)).ok());
    EXPECT_EQ(cart.RomImage, other);
    EXPECT_EQ(std::tuple(cart.playercount(1), cart.playername[1][1], cart.playernum[1][1], cart.playerattr[3][1][1]),
              std::tuple(0, "", 0, 0));
}

// A file size limit, with its signal ignored so that the write fails; both are put back.
struct FileSizeLimit {
    void (*handler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    bool set = ::getrlimit(RLIMIT_FSIZE, &old) == 0;
    explicit FileSizeLimit(rlim_t bytes)
    {
        const rlimit limit{bytes, old.rlim_max};
        set = set && ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, handler);
    }
};

TEST_F(RomFile, FailedSavesLeaveTheOldFileAndNoTemporaryFile)
{
    const Bytes& image = sampleImage().bytes;
    const Bytes old(100, 0x5A);
    const std::string target = write("old.smc", old);
    fs::create_directory(dir.path("folder.smc"));
    // Something that is no regular file and never blocks an open: a socket. (Not a
    // system device: a save that failed to refuse it would replace it for good.)
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string device = dir.path("socket.smc").string();
    device.copy(address.sun_path, sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    const std::pair<std::string, std::string> cases[] = {
        {dir.path("no/such/folder.smc").string(), "cannot write in the folder"},
        {dir.path("folder.smc").string(), "is a folder"},
        {device, "is not a regular file"},
        {target, "cannot write: File too large"},  // below the image size: fails part way
    };
    const std::set<std::string> names = dir.names();
    for (const auto& [path, reason] : cases) {
        std::optional<FileSizeLimit> limit;
        if (path == target) {
            ASSERT_TRUE(limit.emplace(image.size() / 2).set);
        }
        const Status r = saverom(image, path);
        limit.reset();
        EXPECT_FALSE(r.ok()) << path;
        EXPECT_NE(r.message().find(path), std::string::npos) << r.message();
        EXPECT_NE(r.message().find(reason), std::string::npos) << r.message();
        EXPECT_EQ(readFile(target), old);
        EXPECT_EQ(dir.names(), names);
    }
}
#else
TEST_F(RomFile, PosixOnlyCasesAreSkipped)
{
    GTEST_SKIP() << "symbolic links, named pipes, sockets, permissions and file size limits are POSIX only; "
                    "romfile_win32_test.cpp holds the Windows cases";
}
#endif

}  // namespace
}  // namespace icevale
