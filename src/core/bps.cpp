#include "core/bps.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string_view>

#include "core/crc32.h"

namespace icevale {

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::string_view kMagic = "BPS1";
constexpr std::size_t kFooter = 12;
constexpr std::size_t kMinSourceRead = 4;  // a shorter match costs more as two headers
constexpr std::size_t kMinTargetRun = 16;  // a copy costs up to two numbers of 4 bytes
constexpr int kMaxNumberBytes = 8;         // far beyond any 16 MiB size or offset

enum Action : std::uint64_t { SourceRead, TargetRead, SourceCopy, TargetCopy };

std::string hex32(std::uint32_t value)
{
    char text[11];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

std::uint32_t littleendian(const Bytes& in, std::size_t at)
{
    return std::uint32_t{in[at]} | std::uint32_t{in[at + 1]} << 8 |
           std::uint32_t{in[at + 2]} << 16 | std::uint32_t{in[at + 3]} << 24;
}

void putlittleendian(Bytes& out, std::uint32_t value)
{
    for (int k = 0; k < 4; ++k)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * k)));
}


class Encoder {
public:
    Encoder(const Bytes& source, const Bytes& target) : s_(source), t_(target) {}

    Bytes run()
    {
        out_.assign(kMagic.begin(), kMagic.end());
        putbpsnumber(out_, s_.size());
        putbpsnumber(out_, t_.size());
        putbpsnumber(out_, 0);
        for (std::size_t i = 0; i < t_.size();) {
            const std::size_t same = match(i, t_.size());
            if (same >= kMinSourceRead) {
                action(SourceRead, same);
                i += same;
                continue;
            }
            std::size_t j = i + 1;
            while (j < t_.size() && match(j, kMinSourceRead) < kMinSourceRead)
                ++j;
            differing(i, j);
            i = j;
        }
        putlittleendian(out_, crc32(s_));
        putlittleendian(out_, crc32(t_));
        putlittleendian(out_, crc32(out_));
        return std::move(out_);
    }

private:
    std::size_t match(std::size_t at, std::size_t limit) const
    {
        const std::size_t end = std::min({s_.size(), t_.size(), at + limit});
        std::size_t n = 0;
        while (at + n < end && s_[at + n] == t_[at + n])
            ++n;
        return n;
    }

    void action(Action kind, std::size_t length)
    {
        putbpsnumber(out_, (std::uint64_t{length} - 1) << 2 | kind);
    }

    void targetread(std::size_t from, std::size_t to)
    {
        if (from == to)
            return;
        action(TargetRead, to - from);
        out_.insert(out_.end(), t_.begin() + static_cast<std::ptrdiff_t>(from),
                    t_.begin() + static_cast<std::ptrdiff_t>(to));
    }

    // A run of one byte is written once and then copied from itself, one byte behind.
    void differing(std::size_t from, std::size_t to)
    {
        std::size_t literal = from;
        for (std::size_t i = from; i < to;) {
            std::size_t j = i + 1;
            while (j < to && t_[j] == t_[i])
                ++j;
            if (j - i >= kMinTargetRun) {
                targetread(literal, i + 1);
                action(TargetCopy, j - i - 1);
                const bool back = i < targetcopyat_;
                putbpsnumber(out_, (back ? targetcopyat_ - i : i - targetcopyat_) << 1 | back);
                targetcopyat_ = j - 1;
                literal = j;
            }
            i = j;
        }
        targetread(literal, to);
    }

    const Bytes& s_;
    const Bytes& t_;
    Bytes out_;
    std::size_t targetcopyat_ = 0;
};

class Decoder {
public:
    Decoder(const Bytes& source, const Bytes& patch) : s_(source), p_(patch) {}

    Result<Bytes> run();

private:
    Status header();
    Status step();
    Status take(const Bytes& from, std::size_t at, std::uint64_t length);
    Status copy(bool fromtarget, std::uint64_t& position, std::uint64_t length,
                     std::size_t at);
    std::optional<std::uint64_t> number();
    std::string where(std::size_t at) const { return " at patch byte " + std::to_string(at); }

    const Bytes& s_;
    const Bytes& p_;
    Bytes t_;
    std::size_t pos_ = kMagic.size();
    std::size_t end_ = 0;  // where the actions stop and the footer starts
    std::size_t written_ = 0;
    std::uint64_t sourceat_ = 0;
    std::uint64_t targetat_ = 0;
};

std::optional<std::uint64_t> Decoder::number() { return readbpsnumber(p_, pos_, end_); }

Status Decoder::header()
{
    const std::size_t at = pos_;
    const auto sourcesize = number(), targetsize = number(), metadata = number();
    if (!sourcesize || !targetsize || !metadata || *metadata > end_ - pos_)
        return fail("patch header is cut short or damaged" + where(at));
    pos_ += *metadata;
    if (*sourcesize > kBpsMaxImage || *targetsize > kBpsMaxImage)
        return fail("patch is for images over 16 MiB");
    if (*sourcesize != s_.size())
        return fail("source image is " + std::to_string(s_.size()) + " bytes, the patch expects " +
               std::to_string(*sourcesize));
    const std::uint32_t expected = littleendian(p_, end_);
    if (const std::uint32_t actual = crc32(s_); actual != expected)
        return fail("source image CRC-32 is " + hex32(actual) + ", the patch expects " +
               hex32(expected));
    t_.assign(*targetsize, 0);
    return {};
}

Status Decoder::copy(bool fromtarget, std::uint64_t& position, std::uint64_t length,
                          std::size_t at)
{
    const auto delta = number();
    if (!delta)
        return fail("copy offset is cut short or damaged" + where(at));
    const std::uint64_t magnitude = *delta >> 1;
    const bool back = (*delta & 1U) != 0;
    if (back && magnitude > position)
        return fail("copy reads before its image's start" + where(at));
    position = back ? position - magnitude : position + magnitude;
    // A target copy may overlap what it writes, so it only has to start behind it.
    const bool inside = fromtarget ? position < written_
                                   : position <= s_.size() && length <= s_.size() - position;
    if (!inside)
        return fail("copy reads past what it may read" + where(at));
    const Bytes& from = fromtarget ? t_ : s_;
    for (std::uint64_t k = 0; k < length; ++k)
        t_[written_++] = from[position++];
    return {};
}

Status Decoder::take(const Bytes& from, std::size_t at, std::uint64_t length)
{
    std::copy_n(from.begin() + static_cast<std::ptrdiff_t>(at), length,
                t_.begin() + static_cast<std::ptrdiff_t>(written_));
    written_ += length;
    return {};
}

Status Decoder::step()
{
    const std::size_t at = pos_;
    const auto command = number();
    if (!command)
        return fail("action is cut short or damaged" + where(at));
    const std::uint64_t length = (*command >> 2) + 1;
    if (length > t_.size() - written_)
        return fail("action writes past the target's " + std::to_string(t_.size()) + " bytes" +
               where(at));
    switch (*command & 3U) {
    case SourceRead:
        if (written_ + length > s_.size())
            return fail("source read goes past the source's end" + where(at));
        return take(s_, written_, length);
    case TargetRead:
        if (length > end_ - pos_)
            return fail("target read goes past the actions' end" + where(at));
        pos_ += length;
        return take(p_, pos_ - length, length);
    case SourceCopy:
        return copy(false, sourceat_, length, at);
    default:
        return copy(true, targetat_, length, at);
    }
}

Result<Bytes> Decoder::run()
{
    if (p_.size() < kMagic.size() || !std::equal(kMagic.begin(), kMagic.end(), p_.begin()))
        return fail("not a BPS patch: it does not start with \"BPS1\"");
    if (p_.size() < kMagic.size() + 3 + kFooter)
        return fail("patch is cut short: " + std::to_string(p_.size()) + " bytes");
    end_ = p_.size() - kFooter;
    const std::uint32_t stored = littleendian(p_, p_.size() - 4);
    const std::uint32_t actual = crc32(std::span(p_.data(), p_.size() - 4));
    if (actual != stored)
        return fail("patch is damaged: its CRC-32 is " + hex32(actual) + ", its footer says " +
                        hex32(stored));
    if (const Status read = header(); !read)
        return fail(read.message());
    while (pos_ < end_)
        if (const Status done = step(); !done)
            return fail(done.message());
    if (written_ != t_.size())
        return fail("patch ends after " + std::to_string(written_) + " of the target's " +
                        std::to_string(t_.size()) + " bytes");
    const std::uint32_t expected = littleendian(p_, end_ + 4);
    if (const std::uint32_t result = crc32(t_); result != expected)
        return fail("patched image CRC-32 is " + hex32(result) + ", the patch expects " +
                        hex32(expected));
    return std::move(t_);
}

}  // namespace

std::optional<std::uint64_t> readbpsnumber(const Bytes& bytes, std::size_t& at, std::size_t end)
{
    std::uint64_t value = 0;
    std::uint64_t shift = 1;
    for (int k = 0; k < kMaxNumberBytes && at < end && at < bytes.size(); ++k) {
        const std::uint8_t x = bytes[at++];
        value += (x & 0x7FU) * shift;
        if (x & 0x80U)
            return value;
        shift <<= 7;
        value += shift;
    }
    return std::nullopt;
}

void putbpsnumber(Bytes& out, std::uint64_t value)
{
    for (;;) {
        const auto low = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
        if (value == 0) {
            out.push_back(low | 0x80);
            return;
        }
        out.push_back(low);
        --value;
    }
}

Result<Bytes> createbpspatch(const Bytes& source, const Bytes& target)
{
    if (source.size() > kBpsMaxImage || target.size() > kBpsMaxImage)
        return fail("BPS patches here are limited to 16 MiB; the images are " +
                        std::to_string(source.size()) + " and " +
                        std::to_string(target.size()) + " bytes");
    return Encoder(source, target).run();
}

Result<Bytes> applybpspatch(const Bytes& source, const Bytes& patch)
{
    return Decoder(source, patch).run();
}

}  // namespace icevale
