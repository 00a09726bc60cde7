// Find, Move and Sort at full capacity (15,360 channels) through the window: one keystroke
// in Find to the repainted list, beside the straightforward filter (a QSortFilterProxyModel
// over the whole list's model, its view repainted); Move to Top of 7,000 scattered rows; and
// Sort by Name of every row.
#include <benchmark/benchmark.h>

#include <QItemSelection>
#include <QSortFilterProxyModel>
#include <QTableView>

#include "BenchWindow.h"
#include "database/ChannelOrder.h"
#include "database/DisplayText.h"
#include "ui/mainwindow/ChannelListModel.h"
#include "ui/mainwindow/ChannelListView.h"
#include "ui/mainwindow/FindField.h"
#include "ui/mainwindow/MainWindow.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

constexpr int Scattered = 7000;

// Each keystroke changes Find from one text to the other and back, the list repainted.
// "" to "c": every row to the 10,240 "Channel" rows; "channel 1" to "channel 12": 4,000 rows
// to 400.
void findKeystrokes(benchmark::State& state, const char* from, const char* to) {
    OpenWindow e;
    e.window.panes().list.findField()->setText(QString::fromLatin1(from));
    bool longer = true;
    for (auto _ : state) {
        e.window.panes().list.findField()->setText(QString::fromLatin1(longer ? to : from));
        e.window.panes().list.view()->viewport()->repaint();
        longer = !longer;
    }
    if (e.window.panes().list.model()->rowCount() == 0) {
        state.SkipWithError("nothing found");
    }
}

void BM_FindKeystrokeAllToC(benchmark::State& state) {
    findKeystrokes(state, "", "c");
}
BENCHMARK(BM_FindKeystrokeAllToC)->Unit(benchmark::kMillisecond);

void BM_FindKeystrokeNarrowing(benchmark::State& state) {
    findKeystrokes(state, "channel 1", "channel 12");
}
BENCHMARK(BM_FindKeystrokeNarrowing)->Unit(benchmark::kMillisecond);

// The comparison: a proxy over the window's whole model, filtering the channel column with
// the same texts, case aside, in a view of the list's size.
void proxyKeystrokes(benchmark::State& state, const char* from, const char* to) {
    OpenWindow e;
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(e.window.panes().list.model());
    proxy.setFilterKeyColumn(ColumnChannel);
    proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    QTableView view;
    view.setModel(&proxy);
    view.resize(e.window.panes().list.view()->size());
    view.show();
    proxy.setFilterFixedString(QString::fromLatin1(from));
    bool longer = true;
    for (auto _ : state) {
        proxy.setFilterFixedString(QString::fromLatin1(longer ? to : from));
        view.viewport()->repaint();
        longer = !longer;
    }
    if (proxy.rowCount() == 0) {
        state.SkipWithError("nothing found");
    }
}

void BM_FindKeystrokeAllToCByProxyModel(benchmark::State& state) {
    proxyKeystrokes(state, "", "c");
}
BENCHMARK(BM_FindKeystrokeAllToCByProxyModel)->Unit(benchmark::kMillisecond);

void BM_FindKeystrokeNarrowingByProxyModel(benchmark::State& state) {
    proxyKeystrokes(state, "channel 1", "channel 12");
}
BENCHMARK(BM_FindKeystrokeNarrowingByProxyModel)->Unit(benchmark::kMillisecond);

// Every other row of the first 14,000 selected, as the list owns a selection after clicks.
void selectScattered(OpenWindow& e) {
    ChannelListModel* model = e.window.panes().list.model();
    QItemSelection selection;
    for (int row = 0; row < 2 * Scattered; row += 2) {
        selection.select(model->index(row, 0), model->index(row, 0));
    }
    e.window.panes().list.view()->selectionModel()->select(
        selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    emit e.window.panes().list.view()->listClicked();
}

// The command from the selection to the repainted list with the block selected at the top.
void BM_MoveToTop7000Scattered(benchmark::State& state) {
    OpenWindow e;
    for (auto _ : state) {
        state.PauseTiming();
        e.open();
        selectScattered(e);
        state.ResumeTiming();
        e.window.orderCommands().moveToTop();
        e.window.panes().list.view()->viewport()->repaint();
    }
    const QVector<int> rows = e.window.panes().list.view()->selectedRowPositions();
    if (rows.size() != Scattered || rows.last() != Scattered - 1) {
        state.SkipWithError("the block is not at the top");
    }
}
BENCHMARK(BM_MoveToTop7000Scattered)->Unit(benchmark::kMillisecond);

// Every row sorted by name, one row selected; the names come shuffled by a sort by service
// ID first.
void BM_SortByNameAll15360(benchmark::State& state) {
    OpenWindow e;
    for (auto _ : state) {
        state.PauseTiming();
        e.open();
        e.window.panes().list.view()->selectAndShowRow(ListRow(0));
        emit e.window.panes().list.view()->listClicked();
        e.window.orderCommands().sort(SortKey::ServiceId);
        state.ResumeTiming();
        e.window.orderCommands().sort(SortKey::Name);
        e.window.panes().list.view()->viewport()->repaint();
    }
    const ChannelListModel* model = e.window.panes().list.model();
    if (model->rowCount() != ChannelCapacity ||
        model->data(model->index(0, ColumnChannel)).toString() != QStringLiteral("Channel 00001")) {
        state.SkipWithError("not sorted");
    }
}
BENCHMARK(BM_SortByNameAll15360)->Unit(benchmark::kMillisecond);

}  // namespace
