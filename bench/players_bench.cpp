// Opening the player editor (25 rows of 16 controls over shared item lists) and
// switching its team, against an empty window.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "bench/benchsupport.h"
#include "windows/playereditor.h"
#include "widgets/clicklist.h"

namespace {

void window_openplayereditor(benchmark::State& state)
{
    icevale::Document cart = icevale::bench::sampleDocument();
    for (auto _ : state) {
        // Until the window is painted; closing the program, not the user, pays for
        // taking it down.
        auto* window = new icevale::PlayerEditor(cart, nullptr);
        window->showEditor();
        QCoreApplication::processEvents();
        state.PauseTiming();
        delete window;
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(window_openplayereditor)->Name("window/OpenPlayerEditor");

void window_playerteamswitch(benchmark::State& state)
{
    icevale::Document cart = icevale::bench::sampleDocument();
    icevale::PlayerEditor window(cart, nullptr);
    window.showEditor();
    auto* list = window.findChild<icevale::ClickList*>(QStringLiteral("List1"));
    int row = 0;
    for (auto _ : state) {
        row = row == 0 ? 1 : 0;  // 22 and 25 players: rows are shown and hidden
        list->setCurrentRow(row);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(window_playerteamswitch)->Name("window/PlayerTeamSwitch");

// Showing the window again after closing it: the controls exist, Form_Load refills.
void window_reopenplayereditor(benchmark::State& state)
{
    icevale::Document cart = icevale::bench::sampleDocument();
    icevale::PlayerEditor window(cart, nullptr);
    window.showEditor();
    for (auto _ : state) {
        window.close();
        window.showEditor();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(window_reopenplayereditor)->Name("window/ReopenPlayerEditor");

}  // namespace
