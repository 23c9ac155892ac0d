#include <gtest/gtest.h>

#include <algorithm>

#include "core/ips.h"
#include "support/patchpairs.h"

namespace icevale {
namespace {

using test::ImageBytes;
using namespace std::string_literals;

ImageBytes bytes(const std::string& s) { return {s.begin(), s.end()}; }

// Record starts, read from the layout alone up to a footer of the given length.
std::vector<std::size_t> recordStarts(const ImageBytes& p, std::size_t footer)
{
    std::vector<std::size_t> starts;
    std::size_t i = 5;
    for (; i < p.size() - footer; i += 5 + (p[i + 3] || p[i + 4] ? p[i + 3] << 8 | p[i + 4] : 3))
        starts.push_back(std::size_t{p[i]} << 16 | p[i + 1] << 8 | p[i + 2]);
    EXPECT_EQ(i, p.size() - footer);
    return starts;
}

TEST(Ips, CreatedPatchesRebuildTheModifiedImageAndNeverStartARecordAtEof)
{
    for (const auto& pair : test::patchPairs()) {
        const Result<ImageBytes> patch = createipspatch(pair.original, pair.modified);
        const Result<ImageBytes> applied = applyipspatch(pair.original, patch.value());
        ASSERT_TRUE(applied.ok()) << pair.name << applied.message();
        EXPECT_TRUE(applied.value() == pair.modified) << pair.name;
        const auto starts = recordStarts(patch.value(), pair.modified.size() < pair.original.size() ? 6 : 3);
        EXPECT_EQ(std::count(starts.begin(), starts.end(), test::kEofOffset), 0) << pair.name;
        EXPECT_TRUE(!pair.fewChanges || patch.value().size() < 200) << pair.name;
        EXPECT_EQ(pair.original == pair.modified, patch.value() == bytes("PATCHEOF")) << pair.name;
    }
    EXPECT_FALSE(createipspatch({}, ImageBytes(kIpsMaxImage + 1)).ok());
}

TEST(Ips, HandWrittenPatchesWriteRunGrowAndCutTheImage)
{
    struct Case { std::string patch, result; };
    for (const Case& c : {Case{"PATCH\0\0\2\0\2\xAA\xBB\0\0\x08\0\0\0\3\xCC" "EOF"s,
                               "\0\1\xAA\xBB\4\5\0\0\xCC\xCC\xCC"s},
                          Case{"PATCH\0\0\0\0\1\x09" "EOF\0\0\3"s, "\x09\1\2"s},
                          Case{"PATCHEOF\0\0\0"s, ""}}) {
        const Result<ImageBytes> r = applyipspatch(bytes("\0\1\2\3\4\5"s), bytes(c.patch));
        ASSERT_TRUE(r.ok()) << r.message();
        EXPECT_EQ(r.value(), bytes(c.result));
    }
}

TEST(Ips, MalformedPatchesAreRefusedAtTheirByteOffset)
{
    const auto pair = test::patchPairs()[1];
    const ImageBytes good = createipspatch(pair.original, pair.modified).value();
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        const std::string error = applyipspatch(pair.original, {good.begin(), good.begin() + cut}).message();
        EXPECT_NE(error.find(cut < 5 ? "not an IPS patch" : "patch ends"), std::string::npos) << cut;
    }
    struct Case { std::string patch; const char* where; };
    for (const Case& c : {Case{"PATCXEOF", "\"PATCH\""}, Case{"PATCH\0\0\1\0\4\1\2"s, "byte 5"},
                          Case{"PATCH\0\0\1\0\1\7\0\0"s, "byte 11"},
                          Case{"PATCH\xFF\xFF\xFF\0\2\1\2" "EOF"s, "byte 5"},
                          Case{"PATCH\0\0\1\0\0\0\0\7" "EOF"s, "byte 5"}, Case{"PATCHEOF\0\0"s, "byte 8"},
                          Case{"PATCHEOF\0\0\1\0"s, "byte 8"}, Case{"PATCHEOF\0\0\7"s, "byte 8"}}) {
        const Result<ImageBytes> r = applyipspatch(bytes("\1\2\3"), bytes(c.patch));
        EXPECT_NE(r.message().find(c.where), std::string::npos) << r.message();
    }
}

}  // namespace
}  // namespace icevale
