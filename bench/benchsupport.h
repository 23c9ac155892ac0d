#pragma once
// What the benchmarks share: the sample image decoded as a load leaves it, and the
// two ways a user waits for an editor window to open.
#include <benchmark/benchmark.h>

#include "core/romfile.h"
#include "tools/sampleimage.h"

namespace icevale::bench {

inline Cartridge sampleCartridge()
{
    Cartridge cart;
    cart.RomImage = sample::makeSampleImage().bytes;
    decodeimage(cart);
    return cart;
}

// First opening: the window is made, loaded and shown.
template <class Editor>
void openEditor(benchmark::State& state)
{
    Cartridge cart = sampleCartridge();
    for (auto _ : state) {
        Editor editor(cart, nullptr);
        editor.showEditor();
        benchmark::DoNotOptimize(&editor);
    }
}

// Opening again after a close: only the load runs.
template <class Editor>
void reopenEditor(benchmark::State& state)
{
    Cartridge cart = sampleCartridge();
    Editor editor(cart, nullptr);
    for (auto _ : state) {
        editor.showEditor();
        editor.close();
    }
}

}  // namespace icevale::bench
