// Opening the playoff, menu and banner text windows (created and loaded, as on the
// first press of their button) and changing the playoff page, against an empty window.
#include <benchmark/benchmark.h>

#include <QScrollBar>

#include "bench/benchsupport.h"
#include "banners/bannertexteditor.h"
#include "season/menueditor.h"
#include "season/playoffeditor.h"

namespace {

template <class Window>
void openWindow(benchmark::State& state)
{
    icevale::Cartridge cart = icevale::bench::sampleCartridge();
    for (auto _ : state) {
        Window window(cart, nullptr);
        window.showEditor();
        benchmark::DoNotOptimize(&window);
        window.close();
    }
}
BENCHMARK(openWindow<icevale::PlayoffEditor>)->Name("window/OpenPlayoffEditor");
BENCHMARK(openWindow<icevale::BannerTextEditor>)->Name("window/OpenBannerTextEditor");
BENCHMARK(openWindow<icevale::MenuEditor>)->Name("window/OpenMenuEditor");

void window_playoffpagechange(benchmark::State& state)
{
    icevale::Cartridge cart = icevale::bench::sampleCartridge();
    icevale::PlayoffEditor window(cart, nullptr);
    window.showEditor();
    auto* bar = window.findChild<QScrollBar*>(QStringLiteral("HScroll1"));
    int page = 0;
    for (auto _ : state) {
        page = (page + 1) % 4;
        bar->setValue(page);  // stores the page shown and shows the next
    }
    window.close();
}
void window_playoffreopen(benchmark::State& state)
{
    icevale::Cartridge cart = icevale::bench::sampleCartridge();
    icevale::PlayoffEditor window(cart, nullptr);
    for (auto _ : state) {
        window.showEditor();
        window.close();
    }
}
BENCHMARK(window_playoffreopen)->Name("window/ReopenPlayoffEditor");

BENCHMARK(window_playoffpagechange)->Name("window/PlayoffPageChange");

}  // namespace
