#include "core/bannertable.h"

#include <algorithm>

#include "core/imagebytes.h"

namespace icevale {
namespace {

constexpr std::int64_t kAreaEnd = kBannerTextArea + kBannerTextSize;  // one past the area
constexpr std::int32_t kAddressPastArea = 0x9786;

}  // namespace

bool readbannerlengths(Cartridge& cart)
{
    std::int32_t pointer[kTeams + 1] = {};
    for (int k = 1; k <= kTeams; ++k) {
        const std::size_t entry = kBannerPointerTable + 2 * static_cast<std::size_t>(k - 1);
        pointer[k] = byteat(cart.RomImage, entry) + 256 * byteat(cart.RomImage, entry + 1);
    }
    for (int k = 1; k < kTeams; ++k)
        cart.bannertextlen[k] = pointer[k + 1] - pointer[k] - 1;
    cart.bannertextlen[kTeams] = kAddressPastArea - pointer[kTeams] - 1;

    std::int64_t used = 0;
    for (int k = 1; k <= kTeams; ++k) {
        if (cart.bannertextlen[k] < 0)
            return false;
        used += cart.bannertextlen[k] + 1;
    }
    return used <= kBannerTextSize;
}

void writebannerpointers(Cartridge& cart)
{
    std::int64_t f = kBannerTextArea;
    for (int k = 1; k <= kTeams; ++k) {
        const std::size_t entry = kBannerPointerTable + 2 * static_cast<std::size_t>(k - 1);
        putbyte(cart.RomImage, entry, static_cast<std::uint8_t>(f & 0xFF));
        putbyte(cart.RomImage, entry + 1, f < 0xE1900 ? 0x96 : 0x97);
        f += cart.bannertextlen[k] + 1;
    }
}

std::int64_t bannertextstart(const Cartridge& cart, int t)
{
    std::int64_t start = kBannerTextArea;
    for (int u = 1; u < t; ++u)
        start += cart.bannertextlen[u] + 1;
    return start;
}

std::string readbannertext(const Cartridge& cart, int t)
{
    const std::int64_t start = bannertextstart(cart, t);
    const std::int64_t end = std::min(start + cart.bannertextlen[t], kAreaEnd);
    std::string text;
    for (std::int64_t pos = std::max<std::int64_t>(start, kBannerTextArea); pos < end; ++pos)
        text.push_back(static_cast<char>(byteat(cart.RomImage, static_cast<std::size_t>(pos))));
    return text;
}

std::string bannerboxtext(const Cartridge& cart, int t)
{
    std::string text = readbannertext(cart, t);
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

bool writebannertexts(Cartridge& cart, const TeamTable<std::string>& texts)
{
    if (bannerbytesused(texts) > kBannerTextSize)
        return false;
    for (std::size_t pos = kBannerTextArea; pos < kAreaEnd; ++pos)
        putbyte(cart.RomImage, pos, 0);
    std::size_t q = kBannerTextArea;
    for (int t = 1; t <= kTeams; ++t) {
        cart.bannertextlen[t] = static_cast<std::int32_t>(texts[t].size());
        for (const char c : texts[t])
            putbyte(cart.RomImage, q++, static_cast<std::uint8_t>(c));
        ++q;
    }
    writebannerpointers(cart);
    return true;
}

}  // namespace icevale
