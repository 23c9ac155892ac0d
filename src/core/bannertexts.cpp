#include "core/bannertexts.h"

#include <algorithm>

namespace icevale {
namespace {

constexpr std::int64_t kAreaEnd = kBannerTextArea + kBannerTextSize;  // one past the area
constexpr std::int32_t kAddressPastArea = 0x9786;

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
    const auto table = readspan(rom, kBannerPointerTable, 2 * kTeams);
    if (!table) {
        tables.bannertextlen.fill(0);
        return false;
    }
    std::int32_t pointer[kTeams + 1] = {};
    for (std::size_t k = 1; k <= kTeams; ++k)
        pointer[k] = (*table)[2 * (k - 1)] + 256 * (*table)[2 * (k - 1) + 1];
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
        start += tables.bannertextlen[u] + 1;
    return start;
}

std::string readbannertext(const Tables& tables, const Bytes& rom, int t)
{
    const std::int64_t start = std::max<std::int64_t>(bannertextstart(tables, t), kBannerTextArea);
    const std::int64_t end = std::min(bannertextstart(tables, t) + tables.bannertextlen[t], kAreaEnd);
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
