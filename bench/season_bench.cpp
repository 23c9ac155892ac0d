// Opening the playoff, menu and banner text windows (created and loaded, as on the
// first press of their button) and changing the playoff page, against an empty window.
#include <benchmark/benchmark.h>

#include <QScrollBar>

#include "bench/benchsupport.h"
#include "windows/bannertexteditor.h"
#include "windows/menueditor.h"
#include "windows/playoffeditor.h"

namespace {

BENCHMARK(icevale::bench::openEditor<icevale::PlayoffEditor>)->Name("window/OpenPlayoffEditor");
BENCHMARK(icevale::bench::openEditor<icevale::BannerTextEditor>)->Name("window/OpenBannerTextEditor");
BENCHMARK(icevale::bench::openEditor<icevale::MenuEditor>)->Name("window/OpenMenuEditor");

void window_playoffpagechange(benchmark::State& state)
{
    icevale::Document cart = icevale::bench::sampleDocument();
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
BENCHMARK(icevale::bench::reopenEditor<icevale::PlayoffEditor>)->Name("window/ReopenPlayoffEditor");

BENCHMARK(window_playoffpagechange)->Name("window/PlayoffPageChange");

}  // namespace
