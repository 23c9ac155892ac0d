// Opening the team editor and the line-up editor, and switching team in the line-up
// editor, against an empty window shown (window/baseline).
#include <benchmark/benchmark.h>

#include <QListWidget>

#include "bench/benchsupport.h"
#include "lines/lineseditor.h"
#include "teams/teameditor.h"

namespace {

// First opening: the window is made, loaded and shown.
template <class Editor>
void openEditor(benchmark::State& state)
{
    icevale::Cartridge cart = icevale::bench::sampleCartridge();
    for (auto _ : state) {
        Editor editor(cart, nullptr);
        editor.showEditor();
        benchmark::DoNotOptimize(&editor);
    }
}
BENCHMARK(openEditor<icevale::TeamEditor>)->Name("window/OpenTeamEditor");
BENCHMARK(openEditor<icevale::LinesEditor>)->Name("window/OpenLinesEditor");

// Opening again after a close: only the load runs.
template <class Editor>
void reopenEditor(benchmark::State& state)
{
    icevale::Cartridge cart = icevale::bench::sampleCartridge();
    Editor editor(cart, nullptr);
    for (auto _ : state) {
        editor.showEditor();
        editor.close();
    }
}
BENCHMARK(reopenEditor<icevale::TeamEditor>)->Name("window/ReopenTeamEditor");
BENCHMARK(reopenEditor<icevale::LinesEditor>)->Name("window/ReopenLinesEditor");

void linesTeamSwitch(benchmark::State& state)
{
    icevale::Cartridge cart = icevale::bench::sampleCartridge();
    icevale::LinesEditor editor(cart, nullptr);
    editor.showEditor();
    auto* teams = editor.findChild<QListWidget*>(QStringLiteral("List1"));
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % icevale::kTeams;
        teams->setCurrentRow(row);
    }
}
BENCHMARK(linesTeamSwitch)->Name("window/LinesTeamSwitch");

}  // namespace
