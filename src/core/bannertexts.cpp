#include "core/bannertexts.h"

#include <algorithm>

namespace icevale {
namespace {

constexpr std::int64_t kAreaEnd = kBannerTextArea + kBannerTextSize;  // one past the area
constexpr std::int32_t kAddressPastArea = 0x9786;
constexpr std::int64_t kAddressToFile = kAreaEnd - kAddressPastArea;  // 0x9681 is 0xE1881

std::optional<std::array<std::int32_t, kTeams + 1>> readpointers(const Bytes& rom)
{
    const auto table = readspan(rom, kBannerPointerTable, 2 * kTeams);
    if (!table)
        return std::nullopt;
    std::array<std::int32_t, kTeams + 1> pointer{};
    for (std::size_t k = 1; k <= kTeams; ++k)
        pointer[k] = (*table)[2 * (k - 1)] + 256 * (*table)[2 * (k - 1) + 1];
    return pointer;
}

Edit pointersedit(const TeamTable<std::int32_t>& lengths)
{
    Edit edit;
    std::int64_t f = kBannerTextArea;
    for (int k = 1; k <= kTeams; ++k) {
        const std::size_t entry = kBannerPointerTable + 2 * static_cast<std::size_t>(k - 1);
        edit.put(entry, static_cast<std::uint8_t>(f & 0xFF));
        edit.put(entry + 1, static_cast<std::uint8_t>(f < 0xE1900 ? 0x96 : 0x97));
        f += lengths[k] + 1;
    }
    return edit;
}

}  // namespace

bool readbannerlengths(Tables& tables, const Bytes& rom)
{
    const auto read = readpointers(rom);
    if (!read) {
        tables.bannertextlen.fill(0);
        return false;
    }
    const auto& pointer = *read;
    for (int k = 1; k < kTeams; ++k)
        tables.bannertextlen[k] = pointer[k + 1] - pointer[k] - 1;
    tables.bannertextlen[kTeams] = kAddressPastArea - pointer[kTeams] - 1;

    std::int64_t used = 0;
    for (int k = 1; k <= kTeams; ++k) {
        if (tables.bannertextlen[k] < 0)
            return false;
        used += tables.bannertextlen[k] + 1;
    }
    return used <= kBannerTextSize;
}

Edit bannerpointersedit(const Tables& tables) { return pointersedit(tables.bannertextlen); }

std::int64_t bannertextstart(const Tables& tables, int t)
{
    std::int64_t start = kBannerTextArea;
    for (int u = 1; u < t; ++u)
        start += std::int64_t{tables.bannertextlen[u]} + 1;  // a length may be the largest int32
    return start;
}

std::optional<TeamTable<std::int64_t>> bannerpointerstarts(const Bytes& rom)
{
    const auto pointer = readpointers(rom);
    if (!pointer)
        return std::nullopt;
    TeamTable<std::int64_t> starts{};
    std::int64_t previous = kBannerTextArea - 1;
    for (int k = 1; k <= kTeams; ++k) {
        starts[k] = (*pointer)[k] + kAddressToFile;
        if (starts[k] <= previous || starts[k] >= kAreaEnd)
            return std::nullopt;
        previous = starts[k];
    }
    return starts;
}

bool bannertablesound(const Bytes& rom)
{
    Tables tables;
    const auto starts = bannerpointerstarts(rom);
    if (!readbannerlengths(tables, rom) || !starts || (*starts)[1] != kBannerTextArea)
        return false;
    for (int t = 1; t <= kTeams; ++t) {
        std::string text = readbannertext(tables, rom, t);
        if (t == kTeams)
            text.erase(text.find_last_not_of('\0') + 1);  // the spare bytes after the last text
        // Packing writes a 0 after every text, so no other separator would come back.
        const std::int64_t separator = (t < kTeams ? (*starts)[t + 1] : kAreaEnd) - 1;
        if (text.find('\0') != std::string::npos || readbyte(rom, static_cast<std::size_t>(separator)) != 0)
            return false;
    }
    return true;
}

std::string readbannertext(const Tables& tables, const Bytes& rom, int t)
{
    const auto pointed = bannerpointerstarts(rom);
    const std::int64_t from = pointed ? (*pointed)[t] : bannertextstart(tables, t);
    const std::int64_t start = std::max<std::int64_t>(from, kBannerTextArea);
    const std::int64_t end = std::min(from + tables.bannertextlen[t], kAreaEnd);
    if (end <= start)
        return {};
    const auto text = readspan(rom, static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
    return text ? std::string(text->begin(), text->end()) : std::string();
}

std::string bannerboxtext(const Tables& tables, const Bytes& rom, int t)
{
    std::string text = readbannertext(tables, rom, t);
    std::erase(text, '\0');
    return text;
}

std::int64_t bannerbytesused(const TeamTable<std::string>& texts)
{
    std::int64_t used = 0;
    for (int t = 1; t <= kTeams; ++t)
        used += static_cast<std::int64_t>(texts[t].size()) + 1;
    return used;
}

TeamTable<std::int32_t> bannerlengths(const TeamTable<std::string>& texts)
{
    TeamTable<std::int32_t> lengths{};
    for (int t = 1; t <= kTeams; ++t)
        lengths[t] = static_cast<std::int32_t>(texts[t].size());
    return lengths;
}

std::optional<Edit> bannertextsedit(const TeamTable<std::string>& texts)
{
    if (bannerbytesused(texts) > kBannerTextSize)
        return std::nullopt;
    Edit edit;
    edit.fill(kBannerTextArea, kBannerTextSize, 0);
    std::size_t q = kBannerTextArea;
    for (int t = 1; t <= kTeams; ++t) {
        edit.put(q, texts[t]);
        q += texts[t].size() + 1;
    }
    edit.append(pointersedit(bannerlengths(texts)));
    return edit;
}

}  // namespace icevale
