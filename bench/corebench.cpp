// The native core's side of the WebAssembly benchmark (bench/wasm.mjs): the same work the
// module is timed on, over the same files, printed as JSON of median milliseconds.
//   icevale-corebench IMAGE OTHER ITERATIONS
// open: the image's bytes taken, decoded and adopted by a document; exportjson: its JSON export; importjson:
// OTHER's export and IMAGE's own imported in turn onto one document (every value changes
// each time); createbps: the BPS patch from IMAGE to OTHER.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/document.h"
#include "core/exchange.h"
#include "core/importer.h"
#include "core/patching.h"
#include "core/romfile.h"

namespace {

using namespace icevale;

Bytes readfile(const char* name)
{
    std::ifstream in(name, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

template <class Work>
double median(int iterations, Work work)
{
    work(0);
    std::vector<double> times;
    for (int i = 1; i <= iterations; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work(i);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

Cartridge opened(const Bytes& bytes)
{
    Cartridge cart;
    if (!loadbytes(cart, bytes, "image").ok())
        std::exit(1);
    return cart;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: icevale-corebench IMAGE OTHER ITERATIONS\n");
        return 2;
    }
    const Bytes image = readfile(argv[1]), other = readfile(argv[2]);
    const int iterations = std::max(1, std::atoi(argv[3]));
    const std::string texts[2] = {exportjson(opened(image)), exportjson(opened(other))};
    std::size_t sink = 0;

    // As the module opens: the bytes copied in, decoded and adopted by a document.
    const double open = median(iterations, [&](int) {
        Document opening;
        opening.adopt(opened(image), "image");
        sink += opening.image().size();
    });
    const Cartridge cart = opened(image);
    const double exported = median(iterations, [&](int) { sink += exportjson(cart).size(); });
    Document doc;
    doc.adopt(opened(image), "image");
    const double imported = median(iterations, [&](int i) {
        std::vector<ImportProblem> problems;
        const ImportData data = readexportjson(texts[(i + 1) % 2], doc.cart(), problems);
        if (!problems.empty() || !importinto(doc, data, true).problems.empty())
            std::exit(1);
    });
    const double bps = median(iterations, [&](int) { sink += makepatch(image, other, PatchFormat::Bps, false).bytes.value().size(); });
    std::printf("{\"open\": %.3f, \"exportjson\": %.3f, \"importjson\": %.3f, \"createbps\": %.3f, \"sink\": %zu}\n", open,
                exported, imported, bps, sink);
}
