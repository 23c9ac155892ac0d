// Opening the two colour windows, switching team and moving a bar in the uniform
// editor, against an empty window shown.
#include <benchmark/benchmark.h>

#include <QScrollBar>

#include "bench/benchsupport.h"
#include "windows/bannereditor.h"
#include "windows/uniformeditor.h"
#include "widgets/clicklist.h"

namespace {

BENCHMARK(icevale::bench::openEditor<icevale::UniformEditor>)->Name("window/OpenUniformEditor");

BENCHMARK(icevale::bench::openEditor<icevale::BannerEditor>)->Name("window/OpenBannerEditor");

void window_uniformteamswitch(benchmark::State& state)
{
    icevale::Document cart = icevale::bench::sampleDocument();
    icevale::UniformEditor window(cart, nullptr);
    window.showEditor();
    auto* list = window.findChild<icevale::ClickList*>(QStringLiteral("List1"));
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % icevale::kTeams;
        list->setCurrentRow(row);
    }
}
BENCHMARK(window_uniformteamswitch)->Name("window/UniformTeamSwitch");

void window_uniformbarchange(benchmark::State& state)
{
    icevale::Document cart = icevale::bench::sampleDocument();
    icevale::UniformEditor window(cart, nullptr);
    window.showEditor();
    auto* bar = window.findChild<QScrollBar*>(QStringLiteral("HScroll1"));
    int value = 0;
    for (auto _ : state) {
        value = (value + 1) % 32;
        bar->setValue(value);
    }
}
BENCHMARK(window_uniformbarchange)->Name("window/UniformBarChange");

}  // namespace
