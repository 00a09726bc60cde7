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
    const auto command = static_cast<CommandId>(state.range(0));
    qsizetype selected = 0;
    for (auto _ : state) {
        w.window.commands().action(command)->trigger();
        w.paint();
        state.PauseTiming();
        selected = w.window.panes().list.view()->selectedRowPositions().size();
        w.window.commands().action(CommandId::SelectNone)->trigger();
        state.ResumeTiming();
    }
    state.counters["Selected"] = static_cast<double>(selected);
}
BENCHMARK(BM_SelectCommandFull)
    ->Arg(static_cast<int>(CommandId::SelectAllShown))
    ->Arg(static_cast<int>(CommandId::SelectRadio))
    ->Arg(static_cast<int>(CommandId::SelectScrambled))
    ->Arg(static_cast<int>(CommandId::SelectDuplicates))
    ->Arg(static_cast<int>(CommandId::SelectProblems))
    ->Arg(static_cast<int>(CommandId::SelectInvert))
    ->Unit(benchmark::kMillisecond);

}  // namespace
