#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "core/bps.h"
#include "core/crc32.h"
#include "support/patchpairs.h"

namespace icevale {
namespace {

using test::ImageBytes;
using Body = std::function<void(struct PatchWriter&)>;

ImageBytes text(const std::string& s) { return {s.begin(), s.end()}; }
const ImageBytes kSource = text("ABCDEFGH");

// Writes patches by hand, as the format lays out numbers and the footer.
struct PatchWriter {
    ImageBytes p = text("BPS1");
    void number(std::uint64_t v)
    {
        for (; v >= 0x80; v = (v >> 7) - 1)
            p.push_back(static_cast<std::uint8_t>(v & 0x7F));
        p.push_back(static_cast<std::uint8_t>(v | 0x80));
    }
    void action(int kind, std::uint64_t length) { number((length - 1) << 2 | kind); }
    void put(const std::string& s) { p.insert(p.end(), s.begin(), s.end()); }
};

ImageBytes handPatch(std::uint64_t targetsize, const Body& body, const ImageBytes& target)
{
    PatchWriter w;
    w.number(kSource.size()), w.number(targetsize), w.number(0);
    body(w);
    for (const ImageBytes* part : std::initializer_list<const ImageBytes*>{&kSource, &target, &w.p})
        for (std::uint32_t crc = crc32(*part), k = 0; k < 4; ++k)
            w.p.push_back(static_cast<std::uint8_t>(crc >> (8 * k)));
    return w.p;
}

TEST(Bps, CreatedPatchesRebuildTheTargetAndStaySmallForSmallEdits)
{
    for (const auto& pair : test::patchPairs()) {
        const Result<ImageBytes> patch = createbpspatch(pair.original, pair.modified);
        const Result<ImageBytes> applied = applybpspatch(pair.original, patch.value());
        ASSERT_TRUE(applied.ok()) << pair.name << applied.message();
        EXPECT_TRUE(applied.value() == pair.modified) << pair.name;
        const std::size_t larger = std::max(pair.original.size(), pair.modified.size());
        EXPECT_TRUE(!pair.fewChanges || patch.value().size() < larger / 100) << pair.name;
    }
    EXPECT_FALSE(createbpspatch(ImageBytes(kBpsMaxImage + 1), {}).ok());
}

TEST(Bps, HandWrittenPatchUsesEveryActionAndRefusesActionsOutOfBounds)
{
    const ImageBytes target = text("ABxyEFGCDxyEF" + std::string(200, 'F'));
    const Result<ImageBytes> r = applybpspatch(kSource, handPatch(target.size(), [](PatchWriter& w) {
        w.action(0, 2), w.action(1, 2), w.put("xy");             // "AB", "xy"
        w.action(2, 3), w.number(4 << 1);                       // source from 4: "EFG"
        w.action(2, 2), w.number(5 << 1 | 1);                   // source back to 2: "CD"
        w.action(3, 4), w.number(2 << 1);                       // target from 2: "xyEF"
        w.action(3, 200), w.number(6 << 1); }, target));        // from 12, one behind itself
    ASSERT_TRUE(r.ok()) << r.message();
    EXPECT_EQ(r.value(), target);
    struct Case { std::uint64_t size; Body body; const char* why; };
    for (const Case& c : {Case{10, [](PatchWriter& w) { w.action(0, 10); }, "source read goes past"},
                          Case{2, [](PatchWriter& w) { w.action(1, 3), w.put("xyz"); }, "writes past"},
                          Case{4, [](PatchWriter& w) { w.action(1, 4), w.put("xy"); }, "actions' end"},
                          Case{4, [](PatchWriter& w) { w.action(2, 2), w.number(1 << 1 | 1); }, "before"},
                          Case{4, [](PatchWriter& w) { w.action(2, 2), w.number(7 << 1); }, "past what"},
                          Case{4, [](PatchWriter& w) { w.action(1, 1), w.put("x"), w.action(3, 2), w.number(2); },
                               "past what"},
                          Case{4, [](PatchWriter& w) { w.action(0, 2); }, "ends after 2"},
                          Case{2, [](PatchWriter& w) { w.action(0, 2); }, "patched image CRC-32"}}) {
        const std::string error = applybpspatch(kSource, handPatch(c.size, c.body, text("?"))).message();
        EXPECT_NE(error.find(c.why), std::string::npos) << c.why << ": " << error;
    }
}

TEST(Bps, DamagedPatchesAndWrongSourcesAreRefused)
{
    const auto pair = test::patchPairs()[1];
    const ImageBytes patch = createbpspatch(pair.original, pair.modified).value();
    for (std::size_t i = 0; i < patch.size(); ++i) {
        EXPECT_FALSE(applybpspatch(pair.original, {patch.begin(), patch.begin() + i}).ok()) << i;
        ImageBytes flipped = patch;
        flipped[i] ^= 0x04;
        const std::string error = applybpspatch(pair.original, flipped).message();
        EXPECT_NE(error.find(i < 4 ? "not a BPS patch" : "damaged"), std::string::npos) << i;
    }
    ImageBytes wrong = pair.original;
    wrong[5] ^= 1;
    char expected[80];
    std::snprintf(expected, sizeof expected, "source image CRC-32 is 0x%08X, the patch expects 0x%08X",
                  crc32(wrong), crc32(pair.original));
    EXPECT_EQ(applybpspatch(wrong, patch).message(), expected);
    EXPECT_NE(applybpspatch({wrong.begin(), wrong.end() - 1}, patch).message().find("source image is"), std::string::npos);
}

}  // namespace
}  // namespace icevale
