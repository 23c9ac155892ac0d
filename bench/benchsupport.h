#pragma once
// What the benchmarks share: the sample image decoded as a load leaves it, and the
// two ways a user waits for an editor window to open.
#include <benchmark/benchmark.h>

#include "core/document.h"
#include "tools/sampleimage.h"

namespace icevale::bench {

inline Document sampleDocument()
{
    Cartridge cart;
    cart.RomImage = sample::makeSampleImage().bytes;
    decodeimage(cart);
    Document doc;
    doc.adopt(std::move(cart), "sample.smc");
    return doc;
}

// First opening: the window is made, loaded and shown.
template <class Editor>
void openEditor(benchmark::State& state)
{
    Document cart = sampleDocument();
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
    Document cart = sampleDocument();
    Editor editor(cart, nullptr);
    for (auto _ : state) {
        editor.showEditor();
        editor.close();
    }
}

}  // namespace icevale::bench
