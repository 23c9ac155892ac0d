#include "core/patching.h"

#include <algorithm>
#include <optional>

#include "core/bps.h"
#include "core/ips.h"
#include "core/locations.h"

namespace icevale {
namespace {

bool startswith(const Bytes& bytes, std::string_view magic)
{
    return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin());
}

// The source size a BPS patch records (the first number after "BPS1"), if readable.
std::optional<std::uint64_t> bpssourcesize(const Bytes& patch)
{
    std::size_t at = 4;
    return readbpsnumber(patch, at, patch.size());
}

std::string headertext(bool header) { return header ? "with the copier header" : "without the copier header"; }

std::string describe(const Bytes& image)
{
    const bool header = hascopierheader(image.size());
    return "the image has " + std::string(header ? "a" : "no") + " copier header (" + std::to_string(image.size()) +
           " bytes, " + std::to_string(image.size() % 1024) + " over a multiple of 1024)";
}

Bytes withoutheader(const Bytes& image) { return Bytes(image.begin() + kCopierHeader, image.end()); }

// Which kind of image an IPS patch is for: as the user says, else the image's own kind
// (its offsets as they stand); a warning when its records look made for the other kind.
bool ipskind(const Bytes& patch, const Bytes& image, IpsKind kind, PatchOutcome& result)
{
    const bool imageheader = hascopierheader(image.size());
    const bool header = kind == IpsKind::AsItStands ? imageheader : kind == IpsKind::Header;
    result.notes.push_back(kind == IpsKind::AsItStands
                               ? "IPS patches record no image size: its offsets are applied as they stand"
                               : "the IPS patch is taken as made for images " + headertext(header) + " (as asked)");
    // The bytes the records are applied to: the image as it is, after its header, or
    // behind 512 zero bytes.
    const std::size_t target = image.size() - (imageheader && !header ? kCopierHeader : 0) +
                               (!imageheader && header ? kCopierHeader : 0);
    const IpsReach reach = ipsreach(patch);
    if (header && reach.records > 0 && reach.first < kCopierHeader)
        result.warnings.push_back("the IPS patch writes at offset " + std::to_string(reach.first) +
                                  ", inside the 512-byte copier header: it looks made for images without the header");
    if (!header && reach.records > 0 && reach.end > target)
        result.warnings.push_back("the IPS patch writes up to offset " + std::to_string(reach.end) + ", past the end of the " +
                                  std::to_string(target) + " bytes without the header: it looks made for images with the header");
    return header;
}

// Which kind of image the patch is for (whether with the copier header), or why it fits none.
Result<bool> patchkind(const Bytes& patch, const Bytes& image, IpsKind kind, PatchOutcome& result)
{
    const bool imageheader = hascopierheader(image.size());
    if (startswith(patch, "PATCH"))
        return ipskind(patch, image, kind, result);
    if (!startswith(patch, "BPS1"))
        return fail("the patch is neither an IPS patch (\"PATCH\") nor a BPS patch (\"BPS1\")");
    const auto source = bpssourcesize(patch);
    const std::uint64_t size = image.size();
    if (source && (*source == size || (imageheader ? *source + kCopierHeader == size : *source == size + kCopierHeader))) {
        const bool header = *source == size ? imageheader : !imageheader;
        result.notes.push_back("the BPS patch is for a source of " + std::to_string(*source) + " bytes: made for images " +
                               headertext(header));
        return header;
    }
    return fail(source ? "the BPS patch is for a source of " + std::to_string(*source) + " bytes; the image has " +
                             std::to_string(size) + " bytes"
                       : "the BPS patch is cut short before its source size");
}

Result<Bytes> run(const Bytes& patch, const Bytes& image)
{
    return startswith(patch, "PATCH") ? applyipspatch(image, patch) : applybpspatch(image, patch);
}

}  // namespace

bool hascopierheader(std::size_t size) { return size % 1024 == kCopierHeader; }

PatchOutcome makepatch(const Bytes& original, const Bytes& modified, PatchFormat format, bool noheader)
{
    PatchOutcome result;
    const auto part = [&](const Bytes& image, const char* which) {
        if (!noheader)
            return image;
        const bool header = hascopierheader(image.size());
        result.notes.push_back(std::string("the ") + which + " image " +
                               (header ? "has a copier header: left out" : "has no copier header: taken whole"));
        return header ? withoutheader(image) : image;
    };
    const Bytes from = part(original, "original"), to = part(modified, "modified");
    result.bytes = format == PatchFormat::Ips ? createipspatch(from, to) : createbpspatch(from, to);
    return result;
}

PatchOutcome applypatch(const Bytes& patch, const Bytes& image, const ApplyOptions& options)
{
    PatchOutcome result;
    result.notes.push_back(describe(image));
    const Result<bool> forheader = patchkind(patch, image, options.ipskind, result);
    if (!forheader) {
        result.bytes = fail(forheader.message());
        return result;
    }
    const bool imageheader = hascopierheader(image.size());
    Result<Bytes>& bytes = result.bytes;
    if (forheader.value() == imageheader) {
        bytes = run(patch, image);
    } else if (imageheader) {
        result.notes.push_back("applied to the image after its copier header, which is kept");
        bytes = run(patch, withoutheader(image));
        if (bytes)
            bytes->insert(bytes->begin(), image.begin(), image.begin() + kCopierHeader);
    } else {
        result.notes.push_back("applied as if 512 zero bytes stood before the image, left out again afterwards");
        Bytes full(kCopierHeader + image.size(), 0);
        std::copy(image.begin(), image.end(), full.begin() + kCopierHeader);
        bytes = run(patch, full);
        if (bytes && bytes->size() < kCopierHeader)
            bytes = fail("the patched image is shorter than a copier header");
        if (bytes)
            bytes = withoutheader(bytes.value());
    }
    if (!bytes)
        return result;
    // The editor opens an image of kMinImageSize bytes or more; one without the header
    // needs the header's 512 bytes less.
    const bool resultheader = hascopierheader(bytes->size());
    const std::size_t shortest = kMinImageSize - (resultheader ? 0 : kCopierHeader);
    if (!options.allowshort && bytes->size() < shortest) {
        bytes = fail("the patched image would have " + std::to_string(bytes->size()) + " bytes, fewer than the " +
                     std::to_string(shortest) + " of the shortest image the editor opens" +
                     (resultheader ? "" : " (without the copier header)"));
        result.tooshort = true;
    }
    return result;
}

}  // namespace icevale
