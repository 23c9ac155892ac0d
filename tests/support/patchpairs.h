#pragma once
// Image pairs for patch writers: scattered edits, runs of one byte, growth, shrinking,
// and edits where an IPS record offset would read as "EOF".
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace icevale::test {

using ImageBytes = std::vector<std::uint8_t>;
inline constexpr std::size_t kEofOffset = 0x454F46;

struct PatchPair {
    std::string name;
    ImageBytes original, modified;
    bool fewChanges;  // the patch must be much smaller than the image
};

inline ImageBytes randomImage(std::size_t size, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    ImageBytes out(size);
    for (auto& b : out)
        b = static_cast<std::uint8_t>(rng());
    return out;
}

inline std::vector<PatchPair> patchPairs()
{
    const ImageBytes a = randomImage(0x20000, 1), big = randomImage(kEofOffset + 2, 4);
    std::vector<PatchPair> pairs;
    auto add = [&](std::string name, const ImageBytes& from, bool few, auto edit) {
        ImageBytes to = from;
        edit(to);
        pairs.push_back({std::move(name), from, std::move(to), few});
    };
    add("unchanged", a, true, [](ImageBytes&) {});
    add("scattered", a, true, [](ImageBytes& b) {
        for (std::size_t i = 17; i < b.size(); i += 12011) b[i] ^= 0x5A;
        b[1000] ^= 1, b[1003] ^= 1; });
    add("runs", a, true, [](ImageBytes& b) {
        std::fill_n(b.begin() + 40, 9, 0xAA), std::fill_n(b.begin() + 100, 300, 0);
        std::fill_n(b.begin() + 500, 70000, 0xFF); });
    add("longer", a, false, [](ImageBytes& b) { b.resize(b.size() + 3000, 0), b[b.size() - 9] = 1; });
    add("shorter", a, true, [](ImageBytes& b) { b.resize(5000), b[7] ^= 1; });
    add("emptied", a, true, [](ImageBytes& b) { b.clear(); });
    add("from empty", {}, false, [](ImageBytes& b) { b = randomImage(700, 3); });
    add("byte at EOF offset", big, true, [](ImageBytes& b) { b[kEofOffset] ^= 0xFF; });
    add("run at EOF offset", big, true, [](ImageBytes& b) { b.resize(kEofOffset), b.resize(kEofOffset + 40, 3); });
    add("stretch to EOF offset", big, false, [](ImageBytes& b) {
        for (std::size_t i = kEofOffset - 0xFFFF; i <= kEofOffset; ++i) b[i] = ~b[i]; });
    add("grows from EOF offset", {big.begin(), big.begin() + kEofOffset}, true, [&](ImageBytes& b) { b = big; });
    return pairs;
}

}  // namespace icevale::test
