// Writes the seed corpora of the fuzz targets into FOLDER/<target>/, built from the
// sample images, so that no binary input needs to be kept in the repository.
#include <array>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/bps.h"
#include "core/exchange.h"
#include "core/ips.h"
#include "core/romfile.h"
#include "core/rostercsv.h"
#include "fuzzimage.h"
#include "tools/sampleimage.h"

namespace {

using icevale::Bytes;
using icevale::Cartridge;
namespace fz = icevale::fuzz;

constexpr std::uint32_t kSeeds = 24;  // of random sample images for banner tables

class Corpus {
public:
    Corpus(std::filesystem::path folder, std::string target) : folder_(std::move(folder) / target)
    {
        std::filesystem::create_directories(folder_);
    }

    void add(const Bytes& input)
    {
        std::ofstream out(folder_ / ("seed-" + std::to_string(count_++)), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(input.data()), static_cast<std::streamsize>(input.size()));
        if (!out)
            throw std::runtime_error("cannot write into " + folder_.string());
    }

private:
    std::filesystem::path folder_;
    int count_ = 0;
};

Bytes imageof(std::uint32_t seed) { return icevale::sample::makeSampleImage(seed).bytes; }

// Every base image alone, and cuts at the start, the middle and the end of every area.
std::vector<Bytes> imageinputs()
{
    std::vector<Bytes> inputs;
    for (int k = 0; k < fz::kBaseImages; ++k)
        inputs.push_back({static_cast<std::uint8_t>(k)});
    for (std::size_t a = 0; a < fz::kAreas.size(); ++a) {
        for (const std::uint32_t at : {0U, fz::kAreas[a].size() / 2, fz::kAreas[a].size()}) {
            Bytes input = {static_cast<std::uint8_t>(a)};
            fz::putcut(input, a, at);
            inputs.push_back(input);
        }
    }
    return inputs;
}

void bannerinputs(Corpus& corpus)
{
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        const Bytes image = imageof(seed);
        const auto& area = fz::kAreas[3];
        Bytes input(image.begin() + area.begin, image.begin() + area.end);
        if (seed % 4 == 0) {  // lengths to read with besides the table's: short, negative, huge
            for (int t = 1; t <= icevale::kTeams; ++t) {
                const std::int32_t length = t % 3 == 0 ? -t : (t % 3 == 1 ? t : 0x7FFFFFF0);
                for (int k = 0; k < 4; ++k)
                    input.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(length) >> (8 * k)));
            }
        }
        corpus.add(input);
    }
}

void loadinputs(Corpus& corpus)
{
    for (const std::uint8_t delta : {0x00, 0x01, 0x7F, 0x80, 0x81, 0xFF}) {
        for (const std::uint8_t base : {0, 5, 10})
            corpus.add({delta, base});
    }
}

// Bytes of a BPS number: 7 bits each, every byte after the first adding one unit.
std::size_t numberbytes(std::size_t value)
{
    std::size_t n = 1;
    for (value >>= 7; value > 0; value = (value - 1) >> 7)
        ++n;
    return n;
}

struct PatchPair {
    std::uint8_t image;  // the mode bits that pick the image
    Bytes from, to;
};

// A small image with a changed byte, a run and 76 bytes more; the sample image with the
// areas of a random one.
std::array<PatchPair, 2> patchpairs()
{
    const Bytes sample = icevale::sample::makeSampleImage().bytes;
    PatchPair small{0, Bytes(sample.begin() + 0xE2868, sample.begin() + 0xE2868 + 1024), {}};
    small.to = small.from;
    std::fill_n(small.to.begin() + 100, 40, 0x5A);
    small.to[7] ^= 0xFF;
    small.to.resize(1100, 0x11);
    Bytes areas = {0};
    fz::putareas(areas, imageof(kSeeds + 1));
    fz::FuzzInput in(areas.data(), areas.size());
    PatchPair whole{0xF8, sample, {}};
    fz::buildimage(fz::planimage(in), whole.to);
    return {small, whole};
}

// Patch modes: bit 0 BPS, bits 1-2 raw (0), framed (1), change (2), bits 3-7 all set for
// the sample image.
void patchinputs(Corpus& corpus)
{
    const auto add = [&](std::uint8_t mode, const Bytes& patch, std::size_t skip, std::size_t cut) {
        Bytes input = {mode};
        input.insert(input.end(), patch.begin() + static_cast<std::ptrdiff_t>(skip),
                     patch.end() - static_cast<std::ptrdiff_t>(cut));
        corpus.add(input);
    };
    for (const PatchPair& pair : patchpairs()) {
        const Bytes ips = icevale::createipspatch(pair.from, pair.to).value();
        const Bytes bps = icevale::createbpspatch(pair.from, pair.to).value();
        add(pair.image, ips, 0, 0);
        add(pair.image | 1, bps, 0, 0);
        add(pair.image | 2, ips, 5, 0);
        add(pair.image | 3, bps, 4 + numberbytes(pair.from.size()), 12);  // "BPS1" and the size are framed
    }
    for (const std::uint8_t length : {0, 1, 2}) {
        for (const std::uint8_t format : {0, 1}) {
            add(static_cast<std::uint8_t>(4 | format),
                {length, 0x10, 0x00, 0, 0x20, 0x00, 4, 'a', 'b', 'c', 'd', 2, 0xFE, 0xFF, 3, 1, 2, 3}, 0, 0);
            Bytes run = {length, 0x10, 0x00, 1, 0xF0, 0xFF, 20};  // 20 equal bytes 16 before the end
            run.resize(run.size() + 20, 7);
            add(static_cast<std::uint8_t>(4 | format), run, 0, 0);
        }
    }
}

void csvinputs(Corpus& corpus)
{
    using namespace std::literals;
    for (const std::string_view text : {"team,role,name,number\nALD,G,\"Lomov, A.\",31\r\n"sv,
                                        "\xEF\xBB\xBF" "a,\"b\"\"c\",\" d \"\n\n\"multi\nline\",x"sv,
                                        "a\0b\1\1c\0,\0\"\0\r\n\0 e \1\xEF\xBB\xBF"sv}) {
        corpus.add(Bytes(text.begin(), text.end()));
    }
}

Cartridge decodedimage(int k)
{
    Cartridge cart;
    cart.RomImage = fz::baseimage(k);
    if (!icevale::decodeimage(cart).empty())
        throw std::runtime_error("base image " + std::to_string(k) + " does not decode");
    return cart;
}

Bytes importinput(std::uint8_t base, std::string_view file)
{
    Bytes input = {0, base};
    input.insert(input.end(), file.begin(), file.end());
    return input;
}

// Round trips of a few base images, and parts of the fixed image's export: the menu
// names, the season, single teams, and a change as a person would write it.
void exchangeinputs(Corpus& corpus)
{
    using Json = nlohmann::ordered_json;
    for (const std::uint8_t k : {0, 3, 7, 12})
        corpus.add({1, k});
    const Json whole = Json::parse(icevale::exportjson(decodedimage(0)));
    const auto part = [&](const char* key, const Json& value) {
        Json doc = {{"format", whole["format"]}, {"version", whole["version"]}};
        doc[key] = value;
        return doc.dump();
    };
    corpus.add(importinput(0, part("menu_names", whole["menu_names"])));
    corpus.add(importinput(0, part("season", whole["season"])));
    for (const std::size_t t : {0, 1, 14, 27})
        corpus.add(importinput(static_cast<std::uint8_t>(t), part("teams", Json::array({whole["teams"][t]}))));
    corpus.add(importinput(0, R"({"format": "icevale-export", "version": 1, "teams": [{"abbreviation": "CAL",)"
                              R"( "overall": 90, "uniforms": {"home": {"socks": [31, 31, 31]}}}]})"));
}

// Round trips of a few base images, the fixed image's whole roster CSV and runs of its
// rows under the header (whole teams and parts of them).
void rostercsvinputs(Corpus& corpus)
{
    for (const std::uint8_t k : {0, 3, 7, 12})
        corpus.add({1, k});
    const std::string csv = icevale::exportrostercsv(decodedimage(0));
    corpus.add(importinput(0, csv));
    const std::size_t header = csv.find('\n') + 1;
    for (const std::size_t first : {1, 20, 300}) {
        std::size_t from = header;
        for (std::size_t k = 1; k < first; ++k)
            from = csv.find('\n', from) + 1;
        std::size_t to = from;
        for (int k = 0; k < 25; ++k)
            to = csv.find('\n', to) + 1;
        corpus.add(importinput(0, csv.substr(0, header) + csv.substr(from, to - from)));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make-corpus FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        Corpus decode(folder, "fuzz_decode"), writeback(folder, "fuzz_writeback");
        for (const Bytes& input : imageinputs()) {
            decode.add(input);
            writeback.add(input);
        }
        Corpus banner(folder, "fuzz_banner"), load(folder, "fuzz_loadrom"), patch(folder, "fuzz_patch");
        bannerinputs(banner);
        loadinputs(load);
        patchinputs(patch);
        Corpus csv(folder, "fuzz_csv"), exchange(folder, "fuzz_exchange"), rostercsv(folder, "fuzz_rostercsv");
        csvinputs(csv);
        exchangeinputs(exchange);
        rostercsvinputs(rostercsv);
    } catch (const std::exception& e) {
        std::cerr << "make-corpus: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
