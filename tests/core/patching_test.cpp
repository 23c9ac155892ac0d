#include "core/patching.h"
#include "support/fixtures.h"

namespace icevale {
namespace {

Bytes withoutHeader(const Bytes& image) { return Bytes(image.begin() + kCopierHeader, image.end()); }

// The sample image and a copy edited in scattered places, one of them a run.
std::pair<Bytes, Bytes> editedPair()
{
    Bytes original = test::sampleImage().bytes, modified = original;
    for (std::size_t at : {std::size_t{0x200}, std::size_t{0x1234}, std::size_t{0xE2D00}, modified.size() - 1})
        modified[at] ^= 0x5A;
    std::fill_n(modified.begin() + 0x8000, 300, 0xEE);
    return {original, modified};
}

TEST(Patching, PatchTurnsTheOriginalIntoTheModifiedWhicheverHeaderEachHas)
{
    const auto [original, modified] = editedPair();
    for (const PatchFormat format : {PatchFormat::Ips, PatchFormat::Bps}) {
        for (const bool noheader : {false, true}) {
            const PatchOutcome patch = makepatch(original, modified, format, noheader);
            ASSERT_TRUE(patch.bytes.ok()) << patch.bytes.message();
            for (const bool imageheader : {true, false}) {
                SCOPED_TRACE(std::string(format == PatchFormat::Ips ? "IPS" : "BPS") + (noheader ? " without" : " with") +
                             " header, image " + (imageheader ? "with" : "without"));
                const ApplyOptions kind{format == PatchFormat::Ips && noheader ? IpsKind::NoHeader : IpsKind::Header};
                const PatchOutcome applied = applypatch(patch.bytes.value(), imageheader ? original : withoutHeader(original), kind);
                // A BPS patch made with a header checks that header, which an image without one cannot give.
                if (format == PatchFormat::Bps && !noheader && !imageheader) {
                    EXPECT_NE(applied.bytes.message().find("CRC-32"), std::string::npos) << applied.bytes.message();
                    continue;
                }
                ASSERT_TRUE(applied.bytes.ok()) << applied.bytes.message();
                EXPECT_TRUE(applied.bytes.value() == (imageheader ? modified : withoutHeader(modified)));
            }
        }
    }
}

// The patch formats' own refusals are checked with each format; these come from here.
TEST(Patching, HeaderIsToldBySizeAndBadPatchesAreRefused)
{
    EXPECT_EQ(std::tuple(hascopierheader(0x100200), hascopierheader(0x100000), hascopierheader(0x100100)),
              std::tuple(true, false, false));
    const auto [original, modified] = editedPair();
    const Bytes bps = makepatch(original, modified, PatchFormat::Bps, false).bytes.value();
    Bytes corrupted = bps, otherSize = original;
    corrupted[corrupted.size() / 2] ^= 1;
    otherSize.resize(original.size() + 1024);
    struct Case { const char* name; Bytes patch, image; const char* says; };
    for (const Case& c : {Case{"wrong size", bps, otherSize, "source of"}, Case{"corrupted", corrupted, original, "damaged"},
                          Case{"truncated", Bytes(bps.begin(), bps.begin() + 5), original, "cut short"},
                          Case{"no patch", Bytes{'P', 'K', 3, 4}, original, "neither"}}) {
        const PatchOutcome result = applypatch(c.patch, c.image);
        EXPECT_FALSE(result.bytes.ok()) << c.name;
        EXPECT_NE(result.bytes.message().find(c.says), std::string::npos) << c.name << ": " << result.bytes.message();
    }
}

}  // namespace
}  // namespace icevale
