// Loading the image against a raw read of the same file, the image read before held; saving it against the raw cost
// of the same safe save (a temporary file in the same folder, written, flushed, renamed
// over the target, the folder flushed); opening the main window against an empty window.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/form1.h"
#include "bench/benchsupport.h"
#include "core/romfile.h"
#include "tools/sampleimage.h"

namespace {

using icevale::bench::measure;

const std::string& sampleFile()
{
    static const std::string path = [] {
        const auto p = std::filesystem::temp_directory_path() / "icevale-bench-sample.smc";
        const auto image = icevale::sample::makeSampleImage();
        std::ofstream(p, std::ios::binary)
            .write(reinterpret_cast<const char*>(image.bytes.data()), static_cast<std::streamsize>(image.bytes.size()));
        return p.string();
    }();
    return path;
}

const std::string& outputFile()
{
    static const std::string path = (std::filesystem::temp_directory_path() / "icevale-bench-out.smc").string();
    return path;
}

// One raw read: open, size, read the whole file into a new buffer.
icevale::Bytes rawread()
{
    const int fd = ::open(sampleFile().c_str(), O_RDONLY);
    struct stat st {};
    ::fstat(fd, &st);
    icevale::Bytes bytes(static_cast<std::size_t>(st.st_size));
    benchmark::DoNotOptimize(::read(fd, bytes.data(), bytes.size()));
    ::close(fd);
    return bytes;
}

// The raw read as a program holding an image makes it, and as loadrom must: the image
// read before stays whole until the new one has arrived, so the two buffers alternate.
void image_baseline(benchmark::State& state)
{
    icevale::Bytes held = rawread();
    for (auto _ : state) {
        measure([&] {
            icevale::Bytes bytes = rawread();
            held = std::move(bytes);
            benchmark::DoNotOptimize(held.data());
        });
    }
}

// The raw read into the one buffer freed just before, which a loop of reads reuses
// while it is still in the cache: shown to tell the cache's share.
void image_onebuffer(benchmark::State& state)
{
    for (auto _ : state) {
        measure([] {
            const icevale::Bytes bytes = rawread();
            benchmark::DoNotOptimize(bytes.data());
        });
    }
}

void image_loadrom(benchmark::State& state)
{
    icevale::Cartridge cart;
    for (auto _ : state)
        measure([&] { benchmark::DoNotOptimize(icevale::loadrom(cart, sampleFile()).ok()); });
}
// The safe save alone: what saverom must do whatever else it does.
bool safesave(const icevale::Bytes& bytes, const std::string& target)
{
    std::string temp = target + ".bench-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    const bool written = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
                         ::fsync(fd) == 0;
    ::close(fd);
    if (!written || std::rename(temp.c_str(), target.c_str()) != 0)
        return false;
    const int folder = ::open(std::filesystem::path(target).parent_path().c_str(), O_RDONLY | O_DIRECTORY);
    ::fsync(folder);
    ::close(folder);
    return true;
}

void save_baseline(benchmark::State& state)
{
    icevale::Cartridge cart;
    if (!icevale::loadrom(cart, sampleFile()))
        state.SkipWithError("the sample did not open");
    for (auto _ : state) {
        measure([&] {
            if (!safesave(cart.RomImage, outputFile()))
                state.SkipWithError("the safe save failed");
        });
    }
}

void save_saverom(benchmark::State& state)
{
    icevale::Cartridge cart;
    if (!icevale::loadrom(cart, sampleFile()))
        state.SkipWithError("the sample did not open");
    for (auto _ : state)
        measure([&] { benchmark::DoNotOptimize(icevale::saverom(cart.RomImage, outputFile()).ok()); });
}

void window_baseline(benchmark::State& state)
{
    for (auto _ : state) {
        measure([] {
            QWidget w;
            w.show();
            benchmark::DoNotOptimize(&w);
        });
    }
}

void window_form1(benchmark::State& state)
{
    for (auto _ : state) {
        measure([] {
            icevale::Form1 form;
            form.show();
            benchmark::DoNotOptimize(&form);
        });
    }
}

const bool registered = [] {
    icevale::bench::add("image/baseline", image_baseline);
    icevale::bench::add("image/RawReadOneBuffer", image_onebuffer);
    icevale::bench::add("image/loadrom", image_loadrom);
    icevale::bench::add("save/baseline", save_baseline);
    icevale::bench::add("save/saverom", save_saverom);
    icevale::bench::add("window/baseline", window_baseline);
    icevale::bench::add("window/Form1", window_form1);
    return true;
}();

}  // namespace
