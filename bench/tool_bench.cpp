// The command-line tool's formats over the whole image: exporting it as JSON and as a
// roster CSV, and importing another image's export (every value changes), against a
// raw read of the image file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "bench/benchsupport.h"
#include "core/exchange.h"
#include "core/importer.h"
#include "core/rostercsv.h"

namespace {

const std::string& imageFile()
{
    static const std::string path = [] {
        const auto p = std::filesystem::temp_directory_path() / "icevale-bench-tool.smc";
        const auto image = icevale::sample::makeSampleImage();
        std::ofstream(p, std::ios::binary)
            .write(reinterpret_cast<const char*>(image.bytes.data()), static_cast<std::streamsize>(image.bytes.size()));
        return p.string();
    }();
    return path;
}

// The export of another seeded image, to be imported onto the sample. Its roster CSV
// names the teams by the sample's abbreviations, as a CSV made for the sample would.
const std::string& otherExport(bool json)
{
    static const auto texts = [] {
        icevale::Cartridge c;
        c.RomImage = icevale::sample::makeSampleImage(7).bytes;
        icevale::decodeimage(c);
        const std::string exported = icevale::exportjson(c);
        c.teamabbrev = icevale::bench::sampleDocument().cart().teamabbrev;
        return std::make_pair(exported, icevale::exportrostercsv(c));
    }();
    return json ? texts.first : texts.second;
}

void tool_baseline(benchmark::State& state)
{
    for (auto _ : state) {
        std::ifstream in(imageFile(), std::ios::binary);
        icevale::Bytes bytes(std::filesystem::file_size(imageFile()));
        in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(tool_baseline)->Name("tool/baseline");

template <bool Json>
void tool_export(benchmark::State& state)
{
    const icevale::Document doc = icevale::bench::sampleDocument();
    for (auto _ : state) {
        const std::string text = Json ? icevale::exportjson(doc.cart()) : icevale::exportrostercsv(doc.cart());
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(tool_export<true>)->Name("tool/ExportJson");
BENCHMARK(tool_export<false>)->Name("tool/ExportCsv");

// Reading, checking and applying the whole file to a fresh copy of the sample.
template <bool Json>
void tool_import(benchmark::State& state)
{
    const icevale::Document sample = icevale::bench::sampleDocument();
    const std::string& text = otherExport(Json);
    for (auto _ : state) {
        icevale::Document doc = sample;
        std::vector<icevale::ImportProblem> problems;
        const icevale::ImportData data = Json ? icevale::readexportjson(text, doc.cart(), problems)
                                              : icevale::readrostercsv(text, doc.cart(), problems);
        const icevale::ImportOutcome outcome = icevale::importinto(doc, data, true);
        if (!problems.empty() || !outcome.problems.empty() || outcome.steps == 0)
            state.SkipWithError("the import was refused or changed nothing");
        benchmark::DoNotOptimize(doc.image().data());
    }
}
BENCHMARK(tool_import<true>)->Name("tool/ImportJson");
BENCHMARK(tool_import<false>)->Name("tool/ImportCsv");

}  // namespace
