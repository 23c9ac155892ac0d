#include "core/imagebytes.h"

#include <algorithm>

namespace icevale {

std::optional<TextRecord> readrecord(const Bytes& rom, std::size_t pos)
{
    TextRecord record;
    const auto next = readrecordinto(rom, pos, record.text);
    if (!next)
        return std::nullopt;
    record.next = *next;
    return record;
}

int firstshortrecord(const Bytes& rom, std::size_t pos, int count, std::size_t gap)
{
    for (int k = 1; k <= count; ++k) {
        const auto record = readrecord(rom, pos);
        if (!record)
            return 0;
        if (record->next - pos < 2)
            return k;
        pos = record->next + gap;
    }
    return 0;
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

std::vector<Span> touchedspans(const Edit& edit)
{
    std::vector<Span> spans;
    for (const Edit::Write& w : edit.writes())
        spans.push_back({w.offset, w.offset + w.bytes.size()});
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.begin < b.begin; });
    std::vector<Span> merged;
    for (const Span& s : spans) {
        if (!merged.empty() && s.begin <= merged.back().end)
            merged.back().end = std::max(merged.back().end, s.end);
        else
            merged.push_back(s);
    }
    return merged;
}

bool editchanges(const Bytes& rom, const Edit& edit)
{
    if (!editfits(edit, rom.size()))
        return true;
    for (const Span& span : touchedspans(edit)) {
        Bytes after(rom.begin() + static_cast<std::ptrdiff_t>(span.begin), rom.begin() + static_cast<std::ptrdiff_t>(span.end));
        for (const Edit::Write& w : edit.writes()) {
            if (w.offset >= span.begin && w.offset < span.end)
                std::copy(w.bytes.begin(), w.bytes.end(), after.begin() + static_cast<std::ptrdiff_t>(w.offset - span.begin));
        }
        if (!std::equal(after.begin(), after.end(), rom.begin() + static_cast<std::ptrdiff_t>(span.begin)))
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
