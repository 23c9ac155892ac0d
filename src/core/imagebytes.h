#pragma once
// Bounded access to the image. Every read says when its place lies outside the image;
// every write is collected in an Edit and applied only when all of its places lie
// inside, so no length, count or pointer held in an image can move an access outside
// it and no write ever lands nowhere. The length-prefixed text record used by team
// texts, menu names and player names is read and written here, once.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace icevale {

using Bytes = std::vector<std::uint8_t>;

// Whether [pos, pos + length) lies inside an image of `size` bytes.
constexpr bool inside(std::size_t size, std::size_t pos, std::size_t length = 1)
{
    return pos <= size && length <= size - pos;
}

// The byte at pos, or nothing outside the image.
inline std::optional<std::uint8_t> readbyte(const Bytes& rom, std::size_t pos)
{
    if (!inside(rom.size(), pos))
        return std::nullopt;
    return rom[pos];
}

// The `length` bytes from pos, or nothing unless all of them lie inside the image.
inline std::optional<std::span<const std::uint8_t>> readspan(const Bytes& rom, std::size_t pos, std::size_t length)
{
    if (!inside(rom.size(), pos, length))
        return std::nullopt;
    return std::span<const std::uint8_t>(rom.data() + pos, length);
}

// A length-prefixed record: L = characters + 2, a second header byte (never read), the
// characters. L = 0 or 1 gives an empty text; `next` is pos + L.
struct TextRecord {
    std::string text;  // bytes of the single-byte character set
    std::size_t next = 0;
};

// Nothing when the record's L bytes run past the image.
std::optional<TextRecord> readrecord(const Bytes& rom, std::size_t pos);
// The same into `text`, which a table already holds: returns `next`, or nothing (and
// `text` unchanged) when the record runs past the image. Inline, as decoding an image
// reads some 760 of them.
inline std::optional<std::size_t> readrecordinto(const Bytes& rom, std::size_t pos, std::string& text)
{
    if (pos >= rom.size() || !inside(rom.size(), pos, rom[pos]))
        return std::nullopt;
    const std::size_t length = rom[pos];
    if (length > 2)
        text.assign(reinterpret_cast<const char*>(rom.data() + pos + 2), length - 2);
    else
        text.clear();
    return pos + length;
}

// The first (1..count) of `count` records from pos, each followed by `gap` other bytes,
// whose length byte is 0 or 1, or 0 when there is none before the records end or run
// past the image. Such a record reads as an empty text but is written back 2 bytes
// long, which moves everything after it.
int firstshortrecord(const Bytes& rom, std::size_t pos, int count, std::size_t gap);

// Bytes of the record holding `characters` characters.
constexpr std::size_t recordsize(std::size_t characters) { return characters + 2; }

// A set of writes into the image, made by an area's writer and applied as one.
class Edit {
public:
    struct Write {
        std::size_t offset = 0;
        Bytes bytes;
    };

    void put(std::size_t pos, std::uint8_t value);
    void put(std::size_t pos, std::span<const std::uint8_t> values);
    void put(std::size_t pos, std::string_view chars);
    void fill(std::size_t pos, std::size_t length, std::uint8_t value);
    // Writes the record (L, 0, the characters); returns the place after it.
    std::size_t putrecord(std::size_t pos, std::string_view text);
    void append(const Edit& other);

    const std::vector<Write>& writes() const { return writes_; }
    bool empty() const { return writes_.empty(); }

private:
    std::vector<Write> writes_;
};

// The places an edit writes, as sorted, separate [begin, end) spans.
struct Span {
    std::size_t begin = 0, end = 0;
};
std::vector<Span> touchedspans(const Edit& edit);

// Whether every write of the edit lies inside an image of `size` bytes.
bool editfits(const Edit& edit, std::size_t size);

// Whether applying the edit would change a byte of the image (or could not be applied).
// Later writes of an edit win over earlier ones at the same place.
bool editchanges(const Bytes& rom, const Edit& edit);

// Applies the writes in order when every one of them fits; otherwise writes nothing.
[[nodiscard]] bool applyedit(Bytes& rom, const Edit& edit);

}  // namespace icevale
