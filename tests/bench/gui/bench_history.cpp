// Undo and Redo through the window at full capacity: of Delete with every row selected and
// of the commit of a 7,000-row drag, each through to the refreshed list and tree, the step's
// channels selected and the list and the tree painted.
#include <benchmark/benchmark.h>

#include <QItemSelection>
#include <QPushButton>

#include "BenchWindow.h"
#include "ui/mainwindow/ChannelListModel.h"
#include "ui/mainwindow/ChannelListView.h"
#include "ui/mainwindow/MainWindow.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

// The full image open, with one step made: every channel deleted by the command, or 7,000
// rows dragged 100 places down.
struct SteppedWindow : OpenWindow {
    ChannelListView* list = window.panes().list.view();

    void deleteEverything() {
        list->selectAll();
        emit list->listClicked();
        window.channelCommands().deleteChannels();
    }
    void drag7000() {
        const QModelIndex first = window.panes().list.model()->index(4000, 0);
        const QModelIndex last = window.panes().list.model()->index(4000 + 7000 - 1, 0);
        list->selectionModel()->select(
            QItemSelection(first, last),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        list->beginDrag(4000);
        list->moveSelectionTo(4100);
        list->dragButtonUp();
    }
};

// `undo` true: each round an undo, timed, and a redo, not; else the other way round.
void undoOrRedo(benchmark::State& state, void (SteppedWindow::*step)(), bool undo) {
    SteppedWindow w;
    (w.*step)();
    if (!w.window.session().canUndo()) {
        state.SkipWithError("no step was made");
        return;
    }
    QAction* timed = undo ? w.window.action(CommandId::Undo) : w.window.action(CommandId::Redo);
    QAction* untimed = undo ? w.window.action(CommandId::Redo) : w.window.action(CommandId::Undo);
    if (!undo) {
        w.window.action(CommandId::Undo)->trigger();
    }
    for (auto _ : state) {
        timed->trigger();
        w.paint();
        state.PauseTiming();
        untimed->trigger();
        state.ResumeTiming();
    }
}

void BM_UndoDeleteAllThroughWindow(benchmark::State& state) {
    undoOrRedo(state, &SteppedWindow::deleteEverything, true);
}
BENCHMARK(BM_UndoDeleteAllThroughWindow)->Unit(benchmark::kMillisecond);

void BM_RedoDeleteAllThroughWindow(benchmark::State& state) {
    undoOrRedo(state, &SteppedWindow::deleteEverything, false);
}
BENCHMARK(BM_RedoDeleteAllThroughWindow)->Unit(benchmark::kMillisecond);

void BM_UndoDragCommitOf7000(benchmark::State& state) {
    undoOrRedo(state, &SteppedWindow::drag7000, true);
}
BENCHMARK(BM_UndoDragCommitOf7000)->Unit(benchmark::kMillisecond);

void BM_RedoDragCommitOf7000(benchmark::State& state) {
    undoOrRedo(state, &SteppedWindow::drag7000, false);
}
BENCHMARK(BM_RedoDragCommitOf7000)->Unit(benchmark::kMillisecond);

}  // namespace
