// Loading and saving the image, against a raw read of the same file; opening the main
// window, against an empty window.
#include <benchmark/benchmark.h>

#include <QWidget>
#include <filesystem>
#include <fstream>

#include "app/form1.h"
#include "core/romfile.h"
#include "tools/sampleimage.h"

namespace {

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

void image_baseline(benchmark::State& state)
{
    for (auto _ : state) {
        std::ifstream in(sampleFile(), std::ios::binary);
        icevale::Bytes bytes(std::filesystem::file_size(sampleFile()));
        in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(image_baseline)->Name("image/baseline");

void image_loadrom(benchmark::State& state)
{
    icevale::Cartridge cart;
    for (auto _ : state)
        benchmark::DoNotOptimize(icevale::loadrom(cart, sampleFile()).ok);
}
BENCHMARK(image_loadrom)->Name("image/loadrom");

void image_saverom(benchmark::State& state)
{
    icevale::Cartridge cart;
    icevale::loadrom(cart, sampleFile());
    const auto out = (std::filesystem::temp_directory_path() / "icevale-bench-out.smc").string();
    for (auto _ : state)
        benchmark::DoNotOptimize(icevale::saverom(cart.RomImage, out).ok);
}
BENCHMARK(image_saverom)->Name("image/saverom");

void window_baseline(benchmark::State& state)
{
    for (auto _ : state) {
        QWidget w;
        w.show();
        benchmark::DoNotOptimize(&w);
    }
}
BENCHMARK(window_baseline)->Name("window/baseline");

void window_form1(benchmark::State& state)
{
    for (auto _ : state) {
        icevale::Form1 form;
        form.show();
        benchmark::DoNotOptimize(&form);
    }
}
BENCHMARK(window_form1)->Name("window/Form1");

}  // namespace
