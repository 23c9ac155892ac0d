#include "core/playoffs.h"

namespace icevale {
namespace {

bool validpage(int g) { return g >= 0 && g < kPlayoffPages; }

std::size_t pageoffset(int g) { return kPlayoffSlots + static_cast<std::size_t>(kPlayoffPageSlots * g); }

}  // namespace

std::optional<PlayoffPage> readplayoffpage(const Bytes& rom, int g)
{
    const auto slots = validpage(g) ? readspan(rom, pageoffset(g), kPlayoffPageSlots) : std::nullopt;
    if (!slots)
        return std::nullopt;
    PlayoffPage page{};
    std::copy(slots->begin(), slots->end(), page.begin());
    return page;
}

Edit playoffpageedit(int g, const PlayoffPage& page)
{
    Edit edit;
    if (validpage(g))
        edit.put(pageoffset(g), std::span<const std::uint8_t>(page));
    return edit;
}

std::optional<std::uint8_t> readplayoffcount(const Bytes& rom) { return readbyte(rom, kPlayoffCount); }

Edit playoffcountedit(std::uint8_t count)
{
    Edit edit;
    edit.put(kPlayoffCount, count);
    edit.put(kPlayoffCountCopy, count);
    return edit;
}

}  // namespace icevale
