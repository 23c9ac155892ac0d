#include "core/ips.h"

#include <algorithm>
#include <string_view>

namespace icevale {

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::string_view kHeader = "PATCH";
constexpr std::string_view kFooter = "EOF";
constexpr std::size_t kEofOffset = 0x454F46;
constexpr std::size_t kMaxRecord = 0xFFFF;
constexpr std::size_t kRecordHeader = 5;
constexpr std::size_t kRunRecord = 8;

struct Span {
    std::size_t start;
    std::size_t end;
};

struct Piece {
    std::size_t start;
    std::size_t length;
    bool run;
};

// Past the original's end the modified image is compared with zeros, the bytes a gap
// gets when a record grows the image.
class Differ {
public:
    Differ(const Bytes& original, const Bytes& modified) : a_(original), b_(modified) {}

    bool differs(std::size_t i) const { return b_[i] != (i < a_.size() ? a_[i] : 0); }

    std::size_t nextdifference(std::size_t i) const
    {
        const std::size_t common = std::min(a_.size(), b_.size());
        if (i < common)
            i = static_cast<std::size_t>(
                std::mismatch(b_.begin() + static_cast<std::ptrdiff_t>(i),
                              b_.begin() + static_cast<std::ptrdiff_t>(common),
                              a_.begin() + static_cast<std::ptrdiff_t>(i)).first - b_.begin());
        while (i < b_.size() && !differs(i))
            ++i;
        return i;
    }

    // Changed stretches; a gap shorter than a record header is cheaper written than split.
    std::vector<Span> spans() const
    {
        std::vector<Span> out;
        for (std::size_t i = nextdifference(0); i < b_.size(); i = nextdifference(i)) {
            const std::size_t start = i;
            while (i < b_.size() && differs(i))
                ++i;
            add(out, {start, i});
        }
        // A longer image must reach its full length even when it ends in zeros.
        if (b_.size() > a_.size() && (out.empty() || out.back().end != b_.size()))
            add(out, {b_.size() - 1, b_.size()});
        return out;
    }

private:
    static void add(std::vector<Span>& out, Span s)
    {
        if (!out.empty() && s.start - out.back().end < kRecordHeader)
            out.back().end = s.end;
        else
            out.push_back(s);
    }

    const Bytes& a_;
    const Bytes& b_;
};

class PieceList {
public:
    explicit PieceList(const Bytes& modified) : b_(modified) {}

    // Runs become run records where that saves bytes: a run record costs 8 bytes, and a
    // run inside literal bytes also costs the header of the literal record after it.
    void addspan(Span s)
    {
        std::size_t literal = s.start;
        for (std::size_t i = s.start; i < s.end;) {
            std::size_t j = i + 1;
            while (j < s.end && b_[j] == b_[i])
                ++j;
            const std::size_t splits = (i > literal ? 1 : 0) + (j < s.end ? 1 : 0);
            if (j - i > kRunRecord - kRecordHeader + kRecordHeader * splits) {
                addsplit({literal, i - literal, false});
                addsplit({i, j - i, true});
                literal = j;
            }
            i = j;
        }
        addsplit({literal, s.end - literal, false});
    }

    const std::vector<Piece>& pieces() const { return pieces_; }

private:
    void addsplit(Piece p)
    {
        for (std::size_t done = 0; done < p.length; done += kMaxRecord)
            add({p.start + done, std::min(kMaxRecord, p.length - done), p.run});
    }

    // A record at 0x454F46 would read as the end marker: start it one byte earlier,
    // rewriting the unchanged byte there, or split off a two-byte record that does.
    void add(Piece p)
    {
        if (p.start != kEofOffset) {
            pieces_.push_back(p);
        } else if (!p.run && p.length < kMaxRecord) {
            pieces_.push_back({p.start - 1, p.length + 1, false});
        } else {
            pieces_.push_back({p.start - 1, 2, false});
            if (p.length > 1)
                pieces_.push_back({p.start + 1, p.length - 1, p.run});
        }
    }

    const Bytes& b_;
    std::vector<Piece> pieces_;
};

void putbigendian(Bytes& out, std::size_t value, int bytes)
{
    for (int k = bytes - 1; k >= 0; --k)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * k)));
}

std::size_t bigendian(const Bytes& in, std::size_t at, int bytes)
{
    std::size_t value = 0;
    for (int k = 0; k < bytes; ++k)
        value = value << 8 | in[at + static_cast<std::size_t>(k)];
    return value;
}

bool hastext(const Bytes& in, std::size_t at, std::string_view text)
{
    return in.size() >= at + text.size() &&
           std::equal(text.begin(), text.end(), in.begin() + static_cast<std::ptrdiff_t>(at));
}

void putpiece(Bytes& out, const Bytes& modified, const Piece& p)
{
    putbigendian(out, p.start, 3);
    putbigendian(out, p.run ? 0 : p.length, 2);
    if (p.run) {
        putbigendian(out, p.length, 2);
        out.push_back(modified[p.start]);
    } else {
        const auto from = modified.begin() + static_cast<std::ptrdiff_t>(p.start);
        out.insert(out.end(), from, from + static_cast<std::ptrdiff_t>(p.length));
    }
}

std::string at(std::size_t offset)
{
    return " at patch byte " + std::to_string(offset);
}

// Applies the record at patch offset pos and moves pos past it, or says why it cannot.
Status applyrecord(const Bytes& patch, std::size_t& pos, Bytes& image)
{
    if (patch.size() - pos < kRecordHeader)
        return fail("patch ends inside the record header" + at(pos));
    const std::size_t offset = bigendian(patch, pos, 3);
    std::size_t length = bigendian(patch, pos + 3, 2);
    const bool run = length == 0;
    const std::size_t data = pos + kRecordHeader, body = run ? 3 : length;
    if (patch.size() - data < body)
        return fail("patch ends inside the record" + at(pos));
    if (run)
        length = bigendian(patch, data, 2);
    if (length == 0)
        return fail("run of length 0" + at(pos));
    if (offset + length > kIpsMaxImage)
        return fail("record writes past 16 MiB" + at(pos));
    if (offset + length > image.size())
        image.resize(offset + length);
    const auto to = image.begin() + static_cast<std::ptrdiff_t>(offset);
    if (run)
        std::fill_n(to, length, patch[data + 2]);
    else
        std::copy_n(patch.begin() + static_cast<std::ptrdiff_t>(data), length, to);
    pos = data + body;
    return {};
}

}  // namespace

Result<Bytes> createipspatch(const Bytes& original, const Bytes& modified)
{
    if (original.size() > kIpsMaxImage || modified.size() > kIpsMaxImage)
        return fail("IPS patches reach only the first 16 MiB; the images are " +
                        std::to_string(original.size()) + " and " +
                        std::to_string(modified.size()) + " bytes");
    PieceList list(modified);
    for (const Span& s : Differ(original, modified).spans())
        list.addspan(s);
    Bytes out(kHeader.begin(), kHeader.end());
    for (const Piece& p : list.pieces())
        putpiece(out, modified, p);
    out.insert(out.end(), kFooter.begin(), kFooter.end());
    if (modified.size() < original.size())
        putbigendian(out, modified.size(), 3);
    return out;
}

Result<Bytes> applyipspatch(const Bytes& image, const Bytes& patch)
{
    if (!hastext(patch, 0, kHeader))
        return fail("not an IPS patch: it does not start with \"PATCH\"");
    Bytes out = image;
    std::size_t pos = kHeader.size();
    while (!hastext(patch, pos, kFooter)) {
        if (patch.size() - pos < kFooter.size())
            return fail("patch ends without the \"EOF\" marker" + at(pos));
        if (const Status applied = applyrecord(patch, pos, out); !applied)
            return fail(applied.message());
    }
    pos += kFooter.size();
    if (patch.size() == pos)
        return out;
    if (patch.size() - pos != 3)
        return fail(std::to_string(patch.size() - pos) +
                        " unexpected bytes after \"EOF\" (a cut length has 3)" + at(pos));
    const std::size_t cut = bigendian(patch, pos, 3);
    if (cut > out.size())
        return fail("cut length " + std::to_string(cut) + " is past the image's end (" +
                        std::to_string(out.size()) + " bytes)" + at(pos));
    out.resize(cut);
    return out;
}

IpsReach ipsreach(const Bytes& patch)
{
    IpsReach reach;
    std::size_t pos = kHeader.size();
    while (hastext(patch, 0, kHeader) && !hastext(patch, pos, kFooter) && patch.size() - pos >= kRecordHeader) {
        const std::size_t offset = bigendian(patch, pos, 3), data = pos + kRecordHeader;
        const bool run = bigendian(patch, pos + 3, 2) == 0;
        const std::size_t body = run ? 3 : bigendian(patch, pos + 3, 2);
        if (patch.size() - data < body)
            break;
        const std::size_t length = run ? bigendian(patch, data, 2) : body;
        reach.first = reach.records == 0 ? offset : std::min(reach.first, offset);
        reach.end = std::max(reach.end, offset + length);
        ++reach.records;
        pos = data + body;
    }
    return reach;
}

}  // namespace icevale
