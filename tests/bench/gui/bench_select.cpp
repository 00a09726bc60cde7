// Edit > Select at full capacity: the set chosen among the 15,360 rows shown, the selection
// made and the list painted, as one frame of the window.
#include <benchmark/benchmark.h>

#include "BenchWindow.h"
#include "ui/mainwindow/CommandTable.h"
#include "ui/mainwindow/SelectCommands.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

void BM_SelectCommandFull(benchmark::State& state) {
    OpenWindow w;
    const int command = static_cast<int>(state.range(0));
    qsizetype selected = 0;
    for (auto _ : state) {
        w.window.commands().action(command)->trigger();
        w.paint();
        state.PauseTiming();
        selected = w.window.list()->selectedRowPositions().size();
        w.window.commands().action(CommandSelectNone)->trigger();
        state.ResumeTiming();
    }
    state.counters["Selected"] = static_cast<double>(selected);
}
BENCHMARK(BM_SelectCommandFull)
    ->Arg(CommandSelectAllShown)
    ->Arg(CommandSelectRadio)
    ->Arg(CommandSelectScrambled)
    ->Arg(CommandSelectDuplicates)
    ->Arg(CommandSelectProblems)
    ->Arg(CommandSelectInvert)
    ->Unit(benchmark::kMillisecond);

}  // namespace
