// Opening the team editor and the line-up editor, and switching team in the line-up
// editor, against an empty window shown (window/baseline).
#include <benchmark/benchmark.h>

#include <QListWidget>

#include "bench/benchsupport.h"
#include "windows/lineseditor.h"
#include "windows/teameditor.h"

namespace {

BENCHMARK(icevale::bench::openEditor<icevale::TeamEditor>)->Name("window/OpenTeamEditor");
BENCHMARK(icevale::bench::openEditor<icevale::LinesEditor>)->Name("window/OpenLinesEditor");

BENCHMARK(icevale::bench::reopenEditor<icevale::TeamEditor>)->Name("window/ReopenTeamEditor");
BENCHMARK(icevale::bench::reopenEditor<icevale::LinesEditor>)->Name("window/ReopenLinesEditor");

void linesTeamSwitch(benchmark::State& state)
{
    icevale::Document cart = icevale::bench::sampleDocument();
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
