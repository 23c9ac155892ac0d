#pragma once
// Test fixtures, with GoogleTest: cartridges and documents built in memory from the sample image,
// temporary files, and whole-image expectations for writers (the image an edit gives,
// and the image a test expects, built from pieces of the original).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <random>
#include <set>
#include <string>
#include <string_view>

#include "core/document.h"
#include "core/romfile.h"
#include "tools/sampleimage.h"

namespace icevale::test {

// The sample image, built once per process.
inline const sample::SampleImage& sampleImage()
{
    static const sample::SampleImage image = sample::makeSampleImage();
    return image;
}

// A cartridge holding `bytes` with every table decoded, as a load leaves it.
inline Cartridge decoded(const Bytes& bytes)
{
    Cartridge cart;
    cart.RomImage = bytes;
    EXPECT_EQ(decodeimage(cart), "");
    return cart;
}

inline Cartridge loadedSample() { return decoded(sampleImage().bytes); }

// A document holding `bytes` as an open leaves it.
inline Document documentOf(const Bytes& bytes)
{
    Document doc;
    doc.adopt(decoded(bytes), "sample.smc");
    return doc;
}

// The sample image as an open leaves it; `damage` may change the image first.
inline Document loadedDocument(const std::function<void(Bytes&)>& damage = {})
{
    Bytes bytes = sampleImage().bytes;
    if (damage)
        damage(bytes);
    return documentOf(bytes);
}

// Writes bytes into the document's image through its one path for changes.
inline void poke(Document& doc, std::size_t offset, const Bytes& bytes)
{
    Edit edit;
    edit.put(offset, std::span<const std::uint8_t>(bytes));
    ASSERT_TRUE(doc.apply(edit, "test").ok());
}

// A fresh empty folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir()
        : dir_(std::filesystem::temp_directory_path() /
               ("icevale-test-" + std::to_string(std::random_device{}()) + std::to_string(std::random_device{}())))
    {
        std::filesystem::create_directories(dir_);
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    // `name` is UTF-8 on every platform, as core's file names are.
    std::filesystem::path path(const std::string& name) const
    {
        return dir_ / std::filesystem::path(std::u8string(name.begin(), name.end()));
    }

    // The names in the folder, in UTF-8: what a save left there.
    std::set<std::string> names() const
    {
        std::set<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(dir_)) {
            const std::u8string name = entry.path().filename().u8string();
            found.insert(std::string(name.begin(), name.end()));
        }
        return found;
    }

private:
    std::filesystem::path dir_;
};

// A path as core takes it: UTF-8 on every platform.
inline std::string utf8(const std::filesystem::path& p)
{
    const std::u8string text = p.u8string();
    return std::string(text.begin(), text.end());
}

inline Bytes readFile(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::filesystem::path& p, const Bytes& bytes)
{
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Offsets at which two images of equal length differ.
// A test with a folder of its own; write() puts a file there and gives its name in UTF-8.
class FolderTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string write(const std::string& name, const Bytes& bytes) const
    {
        writeFile(dir.path(name), bytes);
        return utf8(dir.path(name));
    }
};

inline std::vector<std::size_t> differences(const Bytes& a, const Bytes& b)
{
    std::vector<std::size_t> diff;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] != b[i])
            diff.push_back(i);
    }
    return diff;
}

// `rom` with the edit applied; the test fails when the edit does not fit.
inline Bytes edited(Bytes rom, const Edit& edit)
{
    EXPECT_TRUE(applyedit(rom, edit)) << "the edit writes past the end of the image";
    return rom;
}

// `rom` with `bytes` laid over it from `at`.
inline Bytes overlaid(Bytes rom, std::size_t at, const Bytes& bytes)
{
    std::copy(bytes.begin(), bytes.end(), rom.begin() + static_cast<std::ptrdiff_t>(at));
    return rom;
}

// The bytes of a text, for writing image bytes as string literals ("\x04\0Ab"s).
inline Bytes bytesof(std::string_view text) { return Bytes(text.begin(), text.end()); }

inline Bytes slice(const Bytes& rom, std::size_t from, std::size_t to)
{
    return Bytes(rom.begin() + static_cast<std::ptrdiff_t>(from), rom.begin() + static_cast<std::ptrdiff_t>(to));
}

inline Bytes joined(std::initializer_list<Bytes> pieces)
{
    Bytes all;
    for (const Bytes& piece : pieces)
        all.insert(all.end(), piece.begin(), piece.end());
    return all;
}

}  // namespace icevale::test
