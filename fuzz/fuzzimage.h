#pragma once
// The images the decode, write-back and load targets work on: one of a few sample images
// with bytes of the input written into its data areas and, if the input says so, cut
// short, so that most inputs reach deep into the decoders instead of failing early.
//
// An input is a base byte (which sample image), then chunks:
//   k < kCut, offset (2 bytes, little-endian, modulo the area's size), length byte, that
//       many bytes: written into area k from the offset, cut at the area's end;
//   kCut, area byte, offset (2 bytes): the image ends at that offset of that area, which
//       may be the area's end. The last cut wins.
// The selector and area bytes are taken modulo their number of choices.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstddef>
#include <limits>
#include <span>
#include <vector>

#include "core/cartridge.h"
#include "fuzzinput.h"

namespace icevale::fuzz {

struct Area {
    std::uint32_t begin, end;  // file offsets, end excluded
    std::uint32_t size() const { return end - begin; }
};

// Every place the editor reads or writes, as the fuzzed areas.
inline constexpr std::array<Area, 10> kAreas = {{
    {0xB4BD0, 0xB52D0},  // uniform colours, away and home
    {0xD7160, 0xD77A0},  // banner colours
    {0xDC7E7, 0xDC827},  // menu names, with room for long records
    {0xE1849, 0xE1986},  // banner pointer table and text area
    {0xE2868, 0xE6F59},  // team blocks, rosters and team texts
    {0xE6F59, 0xE7159},  // playoff slots
    {0xE9AFE, 0xE9AFF},  // copy of the playoff team count
    {0xE9EC2, 0xE9ECF},  // menu defaults
    {0xEAB13, 0xEAB14},  // playoff team count
    {0xEAED3, 0xEAED6},  // selectable team count and its copy
}};
inline constexpr std::uint8_t kCut = kAreas.size();

inline constexpr std::size_t kLongestRecord = 255;  // a length byte counts the record's bytes

// One past the last byte a roster (25 records and their 8 bytes) or the four team texts
// of any team can reach: an image this long holds whatever its length bytes say.
constexpr std::size_t teamreach()
{
    std::size_t reach = kAreas[4].end;
    for (int t = 1; t <= kTeams; ++t) {
        reach = std::max<std::size_t>(reach, rosteroffset[t] + 25 * (kLongestRecord + 8));
        reach = std::max<std::size_t>(reach, teamtextoffset[t] + 4 * kLongestRecord);
    }
    return reach;
}
inline constexpr std::size_t kTeamReach = teamreach();

inline constexpr int kBaseImages = 16;

// Base image k (modulo kBaseImages): 0 is the fixed sample image, the others random
// valid ones.
const Bytes& baseimage(int k);

// What an input describes: a base image, a length and the bytes written over the base.
struct ImagePlan {
    const Bytes* base = nullptr;
    std::size_t length = 0;
    struct Piece {
        std::size_t pos;
        std::span<const std::uint8_t> bytes;  // inside the input
    };
    std::vector<Piece> pieces;
};

// `length` is where the image ends unless a cut says otherwise (never past the base).
ImagePlan planimage(FuzzInput& in, std::size_t length = std::numeric_limits<std::size_t>::max());

// The planned image, whole, in `rom` (resized to the plan's length).
void buildimage(const ImagePlan& plan, Bytes& rom);

// The planned image in a vector allocated exactly as long as the image, so that
// AddressSanitizer sees every read past its end, with every byte no reader may touch
// poisoned: all but the areas and what their length bytes can reach (records of up to
// 255 bytes, 25 players a roster), so that reads there fail too. Such vectors are kept
// for the next runs, one for each of the last few lengths, since a fresh megabyte each
// run would cost more than the decoding itself; every run rewrites every byte that may
// be read. The reference is valid until the next call; never copy the vector.
Bytes& poisonedimage(const ImagePlan& plan);

// Lends a kept image to a cartridge for the scope of one run.
class LentImage {
public:
    LentImage(Bytes& borrower, Bytes& kept) : borrower_(borrower), kept_(kept) { borrower_.swap(kept_); }
    ~LentImage() { borrower_.swap(kept_); }
    LentImage(const LentImage&) = delete;
    LentImage& operator=(const LentImage&) = delete;

private:
    Bytes& borrower_;
    Bytes& kept_;
};

// Whether two sets of tables hold the same decoded image: texts, counts, free bytes,
// players 1..n of every team, line-ups and banner text lengths (slots past a roster keep
// whatever they held before, so they are not compared).
bool samedecode(const Tables& a, const Tables& b);

// Chunks for the seed corpus: bytes written into an area from an offset (split as
// needed), a cut, and the chunks that copy every area of an image.
void putchunk(Bytes& input, std::size_t area, std::size_t offset, std::span<const std::uint8_t> bytes);
void putcut(Bytes& input, std::size_t area, std::size_t offset);
void putareas(Bytes& input, const Bytes& from);

}  // namespace icevale::fuzz
