#pragma once
// Internal to the sample-image builder: the random sequence, the two ways of choosing
// the values (the fixed readable image, and random valid images), and the one writer
// that puts any chosen values into the image.
#include <cstdint>

#include "core/bannertexts.h"
#include "core/menudefaults.h"
#include "core/playoffs.h"
#include "core/teamtexts.h"
#include "tools/sampleimage.h"

namespace icevale::sample::detail {

// xorshift32: a fixed sequence, the same on every machine. The state must not be 0.
struct Rng {
    std::uint32_t s = kDefaultSeed;
    std::uint32_t next()
    {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }
};

inline constexpr int kMaxTextLength = 253;  // a record's length byte holds characters + 2

// Random bytes over the whole image and the copier header, so that a write to a place
// the editor must not touch shows up as a changed byte.
void fillimage(Bytes& b, Rng& rng);

// Chooses the values of the fixed readable image.
void chooseclassic(SampleImage& img, Rng& rng);

// Chooses random values anywhere within what the format allows.
void choosevaried(SampleImage& img, Rng& rng);

// Writes every value of img into img.bytes; throws std::logic_error when a value breaks
// the format (a roster or text that does not fit, a count above 25, a text holding 0).
void writeimage(SampleImage& img);

}  // namespace icevale::sample::detail
