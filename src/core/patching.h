#pragma once
// IPS and BPS patches between images that may or may not carry the 512-byte copier
// header. An image has the header when its size modulo 1024 is 512.
//
// Which kind of image a patch was made for: a BPS patch records its source size, so it is
// for images with the header when that size is the image's own (with the header) and for
// images without when it is 512 less (or, for an image without a header, 512 more). An
// IPS patch records no size at all, so its offsets are applied as they stand, as every
// IPS patcher applies them, unless the caller says which kind it was made for. When its
// records look made for the other kind (writing inside the first 512 bytes of an image
// with the header, or past the end of one without), a warning says so and nothing else
// changes.
//
// A patch for images without the header is applied to the part of an image after its
// header, which is kept. A patch for images with the header is applied to an image
// without one as if 512 zero bytes stood before it, which are left out again; a BPS patch
// then applies only if the original header was 512 zero bytes (its source CRC-32 says).
//
// A patched image shorter than the editor can open (kMinImageSize with the header, 512
// less without) is refused unless the caller asks for it.
#include <string>
#include <vector>

#include "core/imagebytes.h"
#include "core/result.h"

namespace icevale {

inline constexpr std::size_t kCopierHeader = 512;

bool hascopierheader(std::size_t size);

enum class PatchFormat { Ips, Bps };

// What makepatch and applypatch did: the patch or the patched image, or why there is
// none, with what was found and decided on the way (told in both cases).
struct PatchOutcome {
    Result<Bytes> bytes = fail("nothing was made");
    std::vector<std::string> notes;     // what was found and decided, for the user
    std::vector<std::string> warnings;  // what looks wrong but was applied as asked
    bool tooshort = false;              // refused only for being shorter than the editor opens
};

// The kind of image an IPS patch was made for, as the user says it.
enum class IpsKind { AsItStands, Header, NoHeader };

struct ApplyOptions {
    IpsKind ipskind = IpsKind::AsItStands;
    bool allowshort = false;  // give a result shorter than the editor can open
};

// The patch turning original into modified; with `noheader` it is made for the images
// without their copier header, which is left out of each image that has one.
PatchOutcome makepatch(const Bytes& original, const Bytes& modified, PatchFormat format, bool noheader);

// The image with the patch (IPS or BPS, told by its first bytes) applied, by the rules
// above.
PatchOutcome applypatch(const Bytes& patch, const Bytes& image, const ApplyOptions& options = {});

}  // namespace icevale
