// IPS and BPS patches against a small image (1 KiB of the sample image) and the sample
// image. The first byte picks the format (bit 0: IPS, BPS), what the rest of the input is
// (bits 1-2, modulo 3) and the image (the sample image when bits 3-7 are all set: work on
// it takes a hundred times longer, so it is kept to a few runs):
//   0 a patch, applied as it is;
//   1 the body of a patch, framed before applying: IPS gets "PATCH" in front; BPS gets
//     "BPS1" and the image's size in front and a footer with the right CRC-32s after,
//     and when only the result's CRC-32 is wrong it is set to the one reported and the
//     patch applied again, so that arbitrary actions reach a finished result;
//   2 a change of the image: a length byte (modulo 3: same length, shorter by or longer
//     by a 2-byte amount), then chunks of an anchor byte (modulo 2: the start or the
//     image's end), a signed 2-byte offset from it, a length byte and that many bytes,
//     written where they fall inside the changed image.
// Images past 0x454F46, the offset an IPS record cannot start at, are left to the unit
// tests: creating a patch of megabytes takes a tenth of a second here.
// Properties: applying never crashes and never returns an image over 16 MiB, and a
// failure returns no bytes; a framed BPS patch whose only fault was its result's CRC-32
// applies once that is set; a patch created from the image and its change applies to
// the image and gives back exactly the change, and identical images give "PATCHEOF".
#include <cstdio>
#include <string_view>

#include "core/bps.h"
#include "core/crc32.h"
#include "core/ips.h"
#include "fuzzinput.h"
#include "tools/sampleimage.h"

namespace icevale::fuzz {
namespace {

constexpr std::size_t kMaxImage = 0x1000000;

const Bytes& sampleimage()
{
    static const Bytes image = sample::makeSampleImage().bytes;
    return image;
}

const Bytes& smallimage()
{
    static const Bytes image(sampleimage().begin() + 0xE2868, sampleimage().begin() + 0xE2868 + 1024);
    return image;
}

void checkapplied(const Result<Bytes>& r)
{
    expect(r.ok() ? r.value().size() <= kMaxImage : !r.message().empty(),
           "a patch gives an image of at most 16 MiB, or no bytes and a reason");
}

void putcrc(Bytes& out, std::size_t at, std::uint32_t crc)
{
    for (std::size_t k = 0; k < 4; ++k)
        out[at + k] = static_cast<std::uint8_t>(crc >> (8 * k));
}

void applyframedbps(const Bytes& image, std::span<const std::uint8_t> body)
{
    Bytes patch = {'B', 'P', 'S', '1'};
    putbpsnumber(patch, image.size());
    patch.insert(patch.end(), body.begin(), body.end());
    const std::size_t footer = patch.size();
    patch.resize(footer + 12);
    putcrc(patch, footer, crc32(image));
    putcrc(patch, footer + 8, crc32(std::span(patch).first(footer + 8)));
    Result<Bytes> r = applybpspatch(image, patch);
    checkapplied(r);
    unsigned result = 0;
    if (std::sscanf(r.message().c_str(), "patched image CRC-32 is 0x%8X,", &result) != 1)
        return;
    putcrc(patch, footer + 4, result);
    putcrc(patch, footer + 8, crc32(std::span(patch).first(footer + 8)));
    r = applybpspatch(image, patch);
    checkapplied(r);
    expect(r.ok() && crc32(r.value()) == result, "a framed patch applies once its result's CRC-32 is right");
}

Bytes changedimage(FuzzInput& in, const Bytes& image, int mode)
{
    const std::size_t amount = in.word();
    Bytes changed = image;
    if (mode == 1)
        changed.resize(image.size() - amount % (image.size() + 1));
    else if (mode == 2)
        changed.resize(image.size() + amount);
    while (!in.empty()) {
        const std::size_t anchor = in.byte() % 2 == 0 ? 0 : image.size();
        const auto offset = static_cast<std::int16_t>(in.word());
        const auto bytes = in.take(in.byte());
        const auto pos = static_cast<std::int64_t>(anchor) + offset;
        for (std::size_t k = 0; k < bytes.size(); ++k) {
            const auto at = static_cast<std::size_t>(pos) + k;
            if (pos >= 0 && at < changed.size())
                changed[at] = bytes[k];
        }
    }
    return changed;
}

void roundtrip(FuzzInput& in, const Bytes& image, bool ips)
{
    const Bytes changed = changedimage(in, image, in.byte() % 3);
    if (ips) {
        const Result<Bytes> patch = createipspatch(image, changed);
        expect(patch.ok(), "an IPS patch is created for images up to 16 MiB");
        const std::string_view text(reinterpret_cast<const char*>(patch.value().data()), patch.value().size());
        expect((changed == image) == (text == "PATCHEOF"), "identical images, and only they, give PATCHEOF");
        const Result<Bytes> applied = applyipspatch(image, patch.value());
        expect(applied.ok() && applied.value() == changed, "a created IPS patch gives back the changed image");
    } else {
        const Result<Bytes> patch = createbpspatch(image, changed);
        expect(patch.ok(), "a BPS patch is created for images up to 16 MiB");
        const Result<Bytes> applied = applybpspatch(image, patch.value());
        expect(applied.ok() && applied.value() == changed, "a created BPS patch gives back the changed image");
    }
}

}  // namespace
}  // namespace icevale::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace icevale;
    using namespace icevale::fuzz;
    FuzzInput in(data, size);
    const std::uint8_t mode = in.byte();
    const bool ips = (mode & 1) == 0;
    const Bytes& image = (mode >> 3) == 31 ? sampleimage() : smallimage();
    switch ((mode >> 1 & 3) % 3) {
    case 0: {
        const auto body = in.rest();
        const Bytes patch(body.begin(), body.end());
        if (ips)
            checkapplied(applyipspatch(image, patch));
        else
            checkapplied(applybpspatch(image, patch));
        break;
    }
    case 1: {
        const auto body = in.rest();
        if (ips) {
            Bytes patch = {'P', 'A', 'T', 'C', 'H'};
            patch.insert(patch.end(), body.begin(), body.end());
            checkapplied(applyipspatch(image, patch));
        } else {
            applyframedbps(image, body);
        }
        break;
    }
    default:
        roundtrip(in, image, ips);
    }
    return 0;
}
