#include "core/utf8text.h"

#include <cstdint>
#include <cstdio>

#include "core/charset.h"

namespace icevale {
namespace {

void appendutf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// The character starting at text[i], advancing i; nothing for malformed UTF-8
// (a stray or missing continuation byte, an overlong form, a surrogate).
std::optional<char32_t> nextchar(std::string_view text, std::size_t& i)
{
    const auto lead = static_cast<std::uint8_t>(text[i++]);
    if (lead < 0x80)
        return lead;
    const int more = lead >= 0xF5 ? -1 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
    if (more < 0 || text.size() - i < static_cast<std::size_t>(more))
        return std::nullopt;
    char32_t c = lead & (0x3F >> more);
    for (int k = 0; k < more; ++k) {
        const auto next = static_cast<std::uint8_t>(text[i++]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    if (c < kLeast[more] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    return c;
}

std::string codepoint(char32_t c)
{
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
    return text;
}

void appendescape(std::string& out, std::uint8_t code)
{
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", static_cast<unsigned>(code));
    out += text;
}

bool control(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

std::string printablebytes(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char b : bytes) {
        const auto byte = static_cast<std::uint8_t>(b);
        if (control(bytetochar(byte)))
            appendescape(out, byte);
        else
            out.push_back(b);
    }
    return out;
}

std::string printableutf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(text[i]);
        // U+0080..U+009F are the two bytes C2 80..C2 9F.
        const bool c1 = byte == 0xC2 && i + 1 < text.size() && static_cast<std::uint8_t>(text[i + 1]) <= 0x9F &&
                        static_cast<std::uint8_t>(text[i + 1]) >= 0x80;
        if (c1)
            appendescape(out, static_cast<std::uint8_t>(text[++i]));
        else if (byte < 0x20 || byte == 0x7F)
            appendescape(out, byte);
        else
            out.push_back(text[i]);
    }
    return out;
}

std::string bytestoutf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char b : bytes)
        appendutf8(out, bytetochar(static_cast<std::uint8_t>(b)));
    return out;
}

Result<std::string> utf8tobytes(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t position = 1;
    for (std::size_t i = 0; i < text.size(); ++position) {
        const auto c = nextchar(text, i);
        if (!c) {
            return fail("malformed UTF-8 at character " + std::to_string(position));
        }
        const auto byte = *c <= 0xFFFF ? chartobyte(static_cast<char16_t>(*c)) : std::nullopt;
        if (!byte) {
            return fail("character " + std::to_string(position) + " (" + codepoint(*c) +
                        ") has no code in the image's character set");
        }
        out.push_back(static_cast<char>(*byte));
    }
    return out;
}

}  // namespace icevale
