// The commands and the drag at full capacity (15,360 channels): one drag step of 7,000
// selected rows (as one block, and scattered rows once gathered into one), the gathering
// of 7,000 scattered rows at a drag's start with their return at its end, the delete of
// every channel through the command, and the commit of a drag.
#include <benchmark/benchmark.h>

#include <QItemSelection>

#include "BenchWindow.h"
#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/ViewIndex.h"
#include "dbfile/DatabaseImage.h"
#include "ui/mainwindow/ChannelListModel.h"
#include "ui/mainwindow/ChannelListView.h"
#include "ui/mainwindow/MainWindow.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

constexpr int Selected = 7000;
constexpr int BlockStart = 4000;

// The window with the full image open and the channel list owning the selection.
struct Editor : OpenWindow {
    ChannelListView* list = window.panes().list.view();

    // The list owns the selection, as after a click on a row.
    void takeList() { emit list->listClicked(); }
    QModelIndex index(int row) const { return window.panes().list.model()->index(row, 0); }
    void selectBlock() {
        list->selectionModel()->select(
            QItemSelection(index(BlockStart), index(BlockStart + Selected - 1)),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    // Every other row of the first 14,000.
    void selectScattered() {
        QItemSelection selection;
        for (int row = 0; row < 2 * Selected; row += 2) {
            selection.select(index(row), index(row));
        }
        list->selectionModel()->select(
            selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    void paint() { list->viewport()->repaint(); }  // the list alone
};

// One step of the mouse: the selected rows move one place down, then one up, each step
// with the list repainted as the screen would show it. The drag starts as the mouse starts
// it, gathering scattered rows into one block.
void dragSteps(benchmark::State& state, bool scattered) {
    Editor e;
    scattered ? e.selectScattered() : e.selectBlock();
    e.list->scrollTo(e.index(BlockStart));
    e.list->beginDrag(BlockStart);
    int direction = 1;
    for (auto _ : state) {
        if (!e.list->moveSelectionTo(e.list->dragCurrentRow() + direction)) {
            state.SkipWithError("the rows did not move");
            break;
        }
        e.paint();
        direction = -direction;
    }
    if (e.list->selectedRowPositions().size() != Selected) {
        state.SkipWithError("the selection changed");
    }
    e.list->cancelDrag();
}

void BM_DragStepBlockOf7000(benchmark::State& state) {
    dragSteps(state, false);
}
BENCHMARK(BM_DragStepBlockOf7000)->Unit(benchmark::kMillisecond);

void BM_DragStep7000Scattered(benchmark::State& state) {
    dragSteps(state, true);
}
BENCHMARK(BM_DragStep7000Scattered)->Unit(benchmark::kMillisecond);

// The start of a drag of 7,000 scattered rows (every other row of the first 14,000): the
// order kept, the rows gathered into one block and the selection set to it; and its end
// without a move, the order and the selection put back.
void BM_DragGatherAndReturn7000Scattered(benchmark::State& state) {
    Editor e;
    e.selectScattered();
    e.list->scrollTo(e.index(BlockStart));
    for (auto _ : state) {
        e.list->beginDrag(BlockStart);
        e.paint();
        e.list->cancelDrag();
        e.paint();
    }
    if (e.list->selectedRowPositions().size() != Selected ||
        e.list->selectedRowPositions().last() != 2 * Selected - 2) {
        state.SkipWithError("the selection did not come back");
    }
}
BENCHMARK(BM_DragGatherAndReturn7000Scattered)->Unit(benchmark::kMillisecond);

void BM_DeleteAllChannelsByCommand(benchmark::State& state) {
    Editor e;
    for (auto _ : state) {
        state.PauseTiming();
        e.open();
        e.list->selectAll();
        e.takeList();
        state.ResumeTiming();
        e.window.channelCommands().deleteChannels();
        e.paint();
    }
    if (e.window.panes().list.model()->rowCount() != 0) {
        state.SkipWithError("channels were left");
    }
}
BENCHMARK(BM_DeleteAllChannelsByCommand)->Unit(benchmark::kMillisecond);

// The release of a drag that carried 7,000 rows 100 places down: the drop target, the
// rows put back, the question (answered OK), the move in the table, the refill and the
// moved rows selected.
void BM_DragCommitOf7000(benchmark::State& state) {
    Editor e;
    for (auto _ : state) {
        state.PauseTiming();
        e.open();
        e.selectBlock();
        e.list->beginDrag(BlockStart);
        e.list->moveSelectionTo(BlockStart + 100);
        state.ResumeTiming();
        e.list->dragButtonUp();
        e.paint();
    }
    if (e.list->firstSelectedRow() != BlockStart + 100 || !e.window.session().isModified()) {
        state.SkipWithError("the drop did not land");
    }
}
BENCHMARK(BM_DragCommitOf7000)->Unit(benchmark::kMillisecond);

}  // namespace
