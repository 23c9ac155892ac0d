#include "core/imagebytes.h"

#include <algorithm>

namespace icevale {

std::optional<TextRecord> readrecord(const Bytes& rom, std::size_t pos)
{
    const auto length = readbyte(rom, pos);
    if (!length || !inside(rom.size(), pos, *length))
        return std::nullopt;
    TextRecord record;
    if (*length > 2)
        record.text.assign(rom.begin() + static_cast<std::ptrdiff_t>(pos + 2),
                           rom.begin() + static_cast<std::ptrdiff_t>(pos + *length));
    record.next = pos + *length;
    return record;
}

void Edit::put(std::size_t pos, std::uint8_t value) { put(pos, std::span<const std::uint8_t>(&value, 1)); }

void Edit::put(std::size_t pos, std::span<const std::uint8_t> values)
{
    if (values.empty())
        return;
    // Bytes that continue the last write extend it, so an area written piece by piece
    // stays one write.
    if (!writes_.empty() && writes_.back().offset + writes_.back().bytes.size() == pos) {
        Bytes& last = writes_.back().bytes;
        last.insert(last.end(), values.begin(), values.end());
        return;
    }
    writes_.push_back({pos, Bytes(values.begin(), values.end())});
}

void Edit::put(std::size_t pos, std::string_view chars)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(chars.data());
    put(pos, std::span<const std::uint8_t>(bytes, chars.size()));
}

void Edit::fill(std::size_t pos, std::size_t length, std::uint8_t value)
{
    const Bytes run(length, value);
    put(pos, std::span<const std::uint8_t>(run));
}

std::size_t Edit::putrecord(std::size_t pos, std::string_view text)
{
    put(pos, static_cast<std::uint8_t>(recordsize(text.size())));
    put(pos + 1, std::uint8_t{0});
    put(pos + 2, text);
    return pos + recordsize(text.size());
}

void Edit::append(const Edit& other)
{
    for (const Write& w : other.writes_)
        put(w.offset, std::span<const std::uint8_t>(w.bytes));
}

bool editfits(const Edit& edit, std::size_t size)
{
    for (const Edit::Write& w : edit.writes()) {
        if (!inside(size, w.offset, w.bytes.size()))
            return false;
    }
    return true;
}

bool editchanges(const Bytes& rom, const Edit& edit)
{
    for (const Edit::Write& w : edit.writes()) {
        if (!inside(rom.size(), w.offset, w.bytes.size()) ||
            !std::equal(w.bytes.begin(), w.bytes.end(), rom.begin() + static_cast<std::ptrdiff_t>(w.offset)))
            return true;
    }
    return false;
}

bool applyedit(Bytes& rom, const Edit& edit)
{
    if (!editfits(edit, rom.size()))
        return false;
    for (const Edit::Write& w : edit.writes())
        std::copy(w.bytes.begin(), w.bytes.end(), rom.begin() + static_cast<std::ptrdiff_t>(w.offset));
    return true;
}

}  // namespace icevale
