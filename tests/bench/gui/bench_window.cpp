// The window at full capacity (15,360 channels, 2,340 transponders, 65 satellites): an
// open through to the filled tree and list, a view switch, a satellite filter, and for
// comparison the same list filled the straightforward way, one QTableWidgetItem per cell.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QRadioButton>
#include <QTableWidget>
#include <QTreeWidgetItem>

#include "BenchWindow.h"
#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/ViewIndex.h"
#include "session/EditSession.h"
#include "ui/mainwindow/ChannelListModel.h"
#include "ui/mainwindow/ChannelListView.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/SatelliteTree.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

void BM_OpenFullImage(benchmark::State& state) {
    OpenWindow w;
    for (auto _ : state) {
        w.open();
    }
    if (w.window.panes().list.model()->rowCount() != ChannelCapacity ||
        w.window.panes().tree.tree()->topLevelItemCount() != SatelliteCapacity ||
        w.window.panes().tree.tree()->topLevelItem(0)->childCount() == 0) {
        state.SkipWithError("the tree or the list was not filled");
    }
}
BENCHMARK(BM_OpenFullImage)->Unit(benchmark::kMillisecond);

void BM_OpenFullImageAndPaint(benchmark::State& state) {
    OpenWindow w;
    for (auto _ : state) {
        w.open();
        w.paint();
    }
}
BENCHMARK(BM_OpenFullImageAndPaint)->Unit(benchmark::kMillisecond);

void BM_ViewSwitch(benchmark::State& state) {
    OpenWindow w;
    View view = View::All;
    for (auto _ : state) {
        view = view == View::All ? View::Tv : View::All;
        w.window.panes().tree.viewButton(view)->click();
    }
}
BENCHMARK(BM_ViewSwitch)->Unit(benchmark::kMillisecond);

void BM_RefreshAllWholeView(benchmark::State& state) {
    OpenWindow w;
    for (auto _ : state) {
        w.window.refresh().refreshAll();
        w.paint();
    }
}
BENCHMARK(BM_RefreshAllWholeView)->Unit(benchmark::kMillisecond);

void BM_SatelliteFilter(benchmark::State& state) {
    OpenWindow w;
    SatelliteTree* tree = w.window.panes().tree.tree();
    int s = 0;
    for (auto _ : state) {
        tree->setCurrentItem(tree->topLevelItem(s));
        s = (s + 1) % tree->topLevelItemCount();
    }
}
BENCHMARK(BM_SatelliteFilter)->Unit(benchmark::kMillisecond);

// The comparison: every cell an item of its own.
void BM_TableWidgetFill(benchmark::State& state) {
    OpenWindow w;
    QTableWidget table(0, ListColumnCount);
    for (auto _ : state) {
        table.setRowCount(0);
        const EditSession& session = w.window.session();
        const int count = session.viewIndex().viewCount(View::All);
        table.setRowCount(count);
        for (int row = 0; row < count; ++row) {
            int ch = 0;
            session.viewIndex().viewChannel(View::All, row, ch);
            for (int column = 0; column < ListColumnCount; ++column) {
                const CellText cell = channelCellText(session.database(), row, ch, column);
                table.setItem(row, column,
                              new QTableWidgetItem(QString::fromLatin1(cell.text, cell.length)));
            }
        }
    }
}
BENCHMARK(BM_TableWidgetFill)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // Offscreen unless told otherwise (scripts/bench also runs it under Xvfb).
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
