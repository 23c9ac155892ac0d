#pragma once
// Test fixtures: cartridges built in memory from the sample image, and temporary files.
#include <filesystem>
#include <functional>
#include <string>

#include "core/document.h"
#include "tools/sampleimage.h"

namespace icevale::test {

// The sample image, built once per process.
const sample::SampleImage& sampleImage();

// A cartridge holding the sample image with every table decoded, as a load leaves it.
Cartridge loadedSample();

// A document holding the sample image as an open leaves it; `damage` may change the
// image first (the tables are decoded after it).
Document loadedDocument(const std::function<void(Bytes&)>& damage = {});

// Writes bytes into the document's image through its one path for changes.
void poke(Document& doc, std::size_t offset, const Bytes& bytes);

// A fresh empty folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::filesystem::path path(const std::string& name) const { return dir_ / name; }

private:
    std::filesystem::path dir_;
};

Bytes readFile(const std::filesystem::path& p);
void writeFile(const std::filesystem::path& p, const Bytes& bytes);

// Offsets at which two images of equal length differ.
std::vector<std::size_t> differences(const Bytes& a, const Bytes& b);

}  // namespace icevale::test
