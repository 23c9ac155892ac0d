// The Windows file layer: saves through ReplaceFileW keep the old file's tail and
// attributes, devices and folders are refused, and a file another program holds open
// without sharing is reported at once instead of waited for.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <memory>

#include "core/romfile.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

namespace fs = std::filesystem;
using namespace test;

class RomFileWin32 : public FolderTest {};

TEST_F(RomFileWin32, SavesKeepALongerFilesTailAndItsAttributes)
{
    const Bytes& image = sampleImage().bytes;
    const Bytes tail(100, 0xAB);
    struct Case { std::string name; std::optional<Bytes> old; DWORD attrs; Bytes saved; };
    const Case cases[] = {
        {"new.smc", std::nullopt, 0, image},
        {"longer.smc", joined({Bytes(image.size(), 0xCD), tail}), 0, joined({image, tail})},
        {"shorter.smc", Bytes(10, 0xCD), 0, image},
        {"hidden.smc", Bytes(image.size(), 0xCD), FILE_ATTRIBUTE_HIDDEN, image},
        {"Équipe été ñ.smc", joined({Bytes(image.size(), 0xCD), tail}), FILE_ATTRIBUTE_HIDDEN, joined({image, tail})},
    };
    for (const Case& c : cases) {
        if (c.old) {
            write(c.name, *c.old);
            ASSERT_TRUE(::SetFileAttributesW(dir.path(c.name).c_str(), c.attrs | FILE_ATTRIBUTE_NORMAL)) << c.name;
        }
        const Status r = saverom(image, utf8(dir.path(c.name)));
        ASSERT_TRUE(r.ok()) << r.message();
        EXPECT_EQ(readFile(dir.path(c.name)), c.saved) << c.name;
        EXPECT_EQ(::GetFileAttributesW(dir.path(c.name).c_str()) & FILE_ATTRIBUTE_HIDDEN, c.attrs) << c.name;
    }
    EXPECT_EQ(dir.names(), (std::set<std::string>{"new.smc", "longer.smc", "shorter.smc", "hidden.smc", "Équipe été ñ.smc"}));
    // The tool's outputs end exactly with what is written.
    ASSERT_TRUE(writeoutput("abc", utf8(dir.path("longer.smc"))).ok());
    EXPECT_EQ(readFile(dir.path("longer.smc")), bytesof("abc"));
}

TEST_F(RomFileWin32, DevicesFoldersAndLockedFilesAreRefusedAndNothingChanges)
{
    const Bytes& image = sampleImage().bytes;
    const Bytes old(100, 0x5A);
    const std::string target = write("old.smc", old);
    const std::string locked = write("locked.smc", image);
    fs::create_directory(dir.path("folder.smc"));
    // Held open with no sharing, as an emulator running the image might hold it.
    const std::unique_ptr<void, decltype(&::CloseHandle)> holder(
        ::CreateFileW(dir.path("locked.smc").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr), &::CloseHandle);
    ASSERT_NE(holder.get(), INVALID_HANDLE_VALUE);
    const std::set<std::string> names = dir.names();
    const std::pair<std::string, std::string> saves[] = {
        {"NUL", "is not a regular file"},
        {utf8(dir.path("folder.smc")), "is a folder"},
        {utf8(dir.path("no/such/folder.smc")), "cannot write in the folder"},
        {locked, "the file is in use by another program"},
    };
    for (const auto& [path, reason] : saves) {
        for (const bool keeptail : {true, false}) {
            const Status r = keeptail ? saverom(image, path) : writeoutput("abc", path);
            EXPECT_FALSE(r.ok()) << path;
            EXPECT_NE(r.message().find("\"" + path + "\": "), std::string::npos) << r.message();
            EXPECT_NE(r.message().find(reason), std::string::npos) << r.message();
        }
        EXPECT_EQ(readFile(target), old);
        EXPECT_EQ(dir.names(), names);
    }
    Cartridge cart;
    const std::pair<std::string, std::string> loads[] = {
        {"NUL", "is not a regular file"},
        {utf8(dir.path("folder.smc")), "is a folder, not an image file"},
        {utf8(dir.path("missing.smc")), "cannot open: No such file or directory"},
        {target, "is 100 bytes long; an image needs at least 962262 bytes"},
        {locked, "cannot open: the file is in use by another program"},
        {"\xC3(.smc", "the name is not valid UTF-8"},
    };
    for (const auto& [path, reason] : loads) {
        const Status r = loadrom(cart, path);
        EXPECT_FALSE(r.ok()) << path;
        EXPECT_NE(r.message().find(reason), std::string::npos) << r.message();
        EXPECT_TRUE(cart.RomImage.empty());
    }
}

}  // namespace
}  // namespace icevale
