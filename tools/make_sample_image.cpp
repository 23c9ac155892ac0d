// Writes a synthetic sample image to the file named on the command line: the fixed
// readable one, or with --seed N a random valid one (decimal, or hexadecimal after 0x).
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string_view>

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

bool writefile(const char* file, const icevale::Bytes& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv)
{
    std::uint32_t seed = icevale::sample::kDefaultSeed;
    const char* file = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--seed" && i + 1 < argc) {
            const auto parsed = parseseed(argv[++i]);
            if (!parsed) {
                std::cerr << "make-sample-image: the seed must be a number from 0 to 4294967295\n";
                return 2;
            }
            seed = *parsed;
        } else if (file == nullptr && !arg.starts_with("-")) {
            file = argv[i];
        } else {
            return usage();
        }
    }
    if (file == nullptr)
        return usage();
    const auto image = icevale::sample::makeSampleImage(seed);
    if (!writefile(file, image.bytes)) {
        std::cerr << "make-sample-image: cannot write " << file << "\n";
        return 1;
    }
    std::cout << "wrote " << file << " (" << image.bytes.size() << " bytes, seed " << seed << ")\n";
    return 0;
}
