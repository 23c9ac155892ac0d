#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "core/romfile.h"

namespace icevale::test {

const sample::SampleImage& sampleImage()
{
    static const sample::SampleImage image = sample::makeSampleImage();
    return image;
}

Cartridge loadedSample()
{
    Cartridge cart;
    cart.RomImage = sampleImage().bytes;
    EXPECT_EQ(decodeimage(cart), "");
    return cart;
}

Document loadedDocument(const std::function<void(Bytes&)>& damage)
{
    Cartridge cart;
    cart.RomImage = sampleImage().bytes;
    if (damage)
        damage(cart.RomImage);
    EXPECT_EQ(decodeimage(cart), "");
    Document doc;
    doc.adopt(std::move(cart), "sample.smc");
    return doc;
}

void poke(Document& doc, std::size_t offset, const Bytes& bytes)
{
    Edit edit;
    edit.put(offset, std::span<const std::uint8_t>(bytes));
    ASSERT_TRUE(doc.apply(edit, "test").ok);
}

TempDir::TempDir()
{
    std::random_device rd;
    dir_ = std::filesystem::temp_directory_path() / ("icevale-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(dir_);
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

Bytes readFile(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::filesystem::path& p, const Bytes& bytes)
{
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::size_t> differences(const Bytes& a, const Bytes& b)
{
    std::vector<std::size_t> diff;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] != b[i])
            diff.push_back(i);
    }
    return diff;
}

}  // namespace icevale::test
