// The banner pointer table and texts alone. The input's first 317 bytes are the 56-byte
// table and the 261-byte area (the fixed sample image's bytes stand in for a shorter
// input); 112 more bytes, when present, are 28 arbitrary text lengths (int32,
// little-endian) to read the texts with as well.
// The image ends exactly at the area's end and everything before the table is poisoned,
// so AddressSanitizer reports any read outside the table and the area (the granule
// holding the byte before the table, 0xE1848, stays readable).
// Properties: texts read are pieces of the area and box texts hold no zero byte, for any
// lengths; pointers that ascend inside the area give usable lengths; a sound table has
// its first text at the area's start, and packing its texts (as read, and as the boxes
// show them) gives back the same table and area bytes; packing the box texts of any
// table, when they fit, gives a sound table that reads back the same texts.
#include <sanitizer/asan_interface.h>

#include <algorithm>

#include "core/bannertexts.h"
#include "fuzzinput.h"
#include "tools/sampleimage.h"

namespace icevale::fuzz {
namespace {

constexpr std::size_t kAreaEnd = kBannerTextArea + kBannerTextSize;
constexpr std::size_t kBytes = kAreaEnd - kBannerPointerTable;

// The sample image's prefix up to the area's end, poisoned before the table.
Bytes& image()
{
    static Bytes rom = [] {
        const Bytes full = sample::makeSampleImage().bytes;
        Bytes prefix(full.begin(), full.begin() + kAreaEnd);
        ASAN_POISON_MEMORY_REGION(prefix.data(), kBannerPointerTable);
        return prefix;
    }();
    return rom;
}

bool inarea(const Bytes& rom, const std::string& text)
{
    const auto area = rom.begin() + kBannerTextArea;
    const auto same = [](std::uint8_t b, char c) { return b == static_cast<std::uint8_t>(c); };
    return text.size() <= kBannerTextSize && std::search(area, rom.end(), text.begin(), text.end(), same) != rom.end();
}

void readtexts(const Tables& tables, const Bytes& rom, TeamTable<std::string>& read, TeamTable<std::string>& shown)
{
    for (int t = 1; t <= kTeams; ++t) {
        read[t] = readbannertext(tables, rom, t);
        shown[t] = bannerboxtext(tables, rom, t);
        expect(inarea(rom, read[t]), "a banner text is a piece of the area");
        expect(shown[t].find('\0') == std::string::npos, "a box text holds no zero byte");
    }
}

void packsback(Bytes& rom, const TeamTable<std::string>& texts, const Bytes& before)
{
    const auto edit = bannertextsedit(texts);
    expect(edit.has_value(), "the texts of a sound table fit the area");
    expect(applyedit(rom, *edit), "packed texts fit the image");
    expect(std::equal(before.begin(), before.end(), rom.begin() + kBannerPointerTable),
           "packing the texts of a sound table gives back its table and area");
}

// Packs texts without zero bytes and reads them back.
void readsback(Bytes& rom, const TeamTable<std::string>& texts)
{
    const auto edit = bannertextsedit(texts);
    expect(edit.has_value() == (bannerbytesused(texts) <= kBannerTextSize), "texts are packed exactly when they fit");
    if (!edit)
        return;
    expect(applyedit(rom, *edit), "packed texts fit the image");
    expect(bannertablesound(rom), "packed texts give a sound table");
    Tables tables;
    expect(readbannerlengths(tables, rom), "packed texts give usable lengths");
    for (int t = 1; t <= kTeams; ++t)
        expect(bannerboxtext(tables, rom, t) == texts[t], "packed texts read back");
}

}  // namespace
}  // namespace icevale::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace icevale;
    using namespace icevale::fuzz;
    Bytes& rom = image();
    static const Bytes base(rom.begin() + kBannerPointerTable, rom.end());
    FuzzInput in(data, size);
    const auto bytes = in.take(kBytes);
    std::copy(base.begin(), base.end(), rom.begin() + kBannerPointerTable);
    std::copy(bytes.begin(), bytes.end(), rom.begin() + kBannerPointerTable);
    const Bytes before(rom.begin() + kBannerPointerTable, rom.end());

    Tables tables;
    const bool usable = readbannerlengths(tables, rom);
    const auto starts = bannerpointerstarts(rom);
    const bool sound = bannertablesound(rom);
    expect(!starts || usable, "pointers that ascend inside the area give usable lengths");
    expect(!sound || (starts && (*starts)[1] == kBannerTextArea), "a sound table starts at the area's start");
    TeamTable<std::string> read, shown;
    readtexts(tables, rom, read, shown);
    if (in.left() >= 4 * kTeams) {
        Tables arbitrary;
        for (int t = 1; t <= kTeams; ++t) {
            const std::uint32_t low = in.word();
            arbitrary.bannertextlen[t] = static_cast<std::int32_t>(low | std::uint32_t{in.word()} << 16);
        }
        TeamTable<std::string> anyread, anyshown;
        readtexts(arbitrary, rom, anyread, anyshown);
    }
    if (sound) {
        packsback(rom, read, before);
        packsback(rom, shown, before);
    }
    readsback(rom, shown);
    return 0;
}
