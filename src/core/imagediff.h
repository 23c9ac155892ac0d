#pragma once
// The differences of two decoded images, in words, by area and team, each value as the
// interchange formats write it (exchangevalues.h):
//   BRK player 3 name: "A. Holt" -> "A. Hult"
//   ALD away uniform Sleeves: 12,4,31 -> 12,4,30
//   playoff slot 17: CAL -> BRK
// Teams are named as the first image names them; players, slots and banner colour cells
// are counted from 1. Changed bytes that no listed value accounts for (outside every
// known area, or inside one where nothing is read, such as the free bytes after a roster)
// are listed apart as offset ranges.
#include <string>
#include <vector>

#include "core/cartridge.h"

namespace icevale {

struct Difference {
    std::string area;  // as the health check names areas, or "teams", "uniforms", "banner colours", "image"
    int team = 0;      // 1..28 when the value belongs to a team
    std::string what;  // "BRK player 3 name"
    std::string before, after;
};

struct ImageDiff {
    std::vector<Difference> differences;
    std::vector<Span> otherbytes;  // [begin, end) file offsets
    bool empty() const { return differences.empty() && otherbytes.empty(); }
};

ImageDiff diffimages(const Cartridge& a, const Cartridge& b);

// One line per difference (control characters of texts as \xNN), then "other bytes: " and
// the ranges, if any; the JSON keeps every text exactly.
std::string difftext(const ImageDiff& diff);
std::string diffjson(const ImageDiff& diff);

}  // namespace icevale
