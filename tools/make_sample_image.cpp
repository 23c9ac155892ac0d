// Writes a synthetic sample image to the file named on the command line: the fixed
// readable one, or with --seed N a random valid one (decimal, or hexadecimal after 0x).
#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string_view>

#include "core/filelayer.h"
#include "tools/sampleimage.h"

namespace {

std::optional<std::uint32_t> parseseed(std::string_view text)
{
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    std::uint32_t seed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seed, base);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return seed;
}

int usage()
{
    std::cerr << "usage: make-sample-image [--seed N] FILE.smc\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args = icevale::programarguments(argc, argv);
    std::uint32_t seed = icevale::sample::kDefaultSeed;
    const std::string* file = nullptr;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--seed" && i + 1 < args.size()) {
            const auto parsed = parseseed(args[++i]);
            if (!parsed) {
                std::cerr << "make-sample-image: the seed must be a number from 0 to 4294967295\n";
                return 2;
            }
            seed = *parsed;
        } else if (file == nullptr && !arg.starts_with("-")) {
            file = &args[i];
        } else {
            return usage();
        }
    }
    if (file == nullptr)
        return usage();
    const auto image = icevale::sample::makeSampleImage(seed);
    const std::string_view bytes(reinterpret_cast<const char*>(image.bytes.data()), image.bytes.size());
    if (const icevale::Status written = icevale::writeoutput(bytes, *file); !written) {
        std::cerr << "make-sample-image: " << written.message() << "\n";
        return 1;
    }
    std::cout << "wrote " << *file << " (" << image.bytes.size() << " bytes, seed " << seed << ")\n";
    return 0;
}
