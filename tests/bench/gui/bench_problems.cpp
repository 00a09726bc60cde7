// The Problems panel at full capacity: the findings found anew and shown, as after every
// change, and a one-channel edit through the window with the panel open, from the edit to
// the painted list, tree and panel.
#include <benchmark/benchmark.h>

#include <QPushButton>
#include <QTableView>

#include "BenchWindow.h"
#include "database/ChannelDatabase.h"
#include "ui/mainwindow/ProblemsPanel.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

struct PanelWindow : OpenWindow {
    PanelWindow() { window.panes().problems.button()->click(); }
    void paintAll() {
        paint();
        window.panes().problems.panel()->view()->viewport()->repaint();
    }
};

void BM_ProblemsRecheckFull(benchmark::State& state) {
    PanelWindow w;
    for (auto _ : state) {
        w.window.panes().problems.panel()->recheck();
        w.window.panes().problems.panel()->view()->viewport()->repaint();
    }
}
BENCHMARK(BM_ProblemsRecheckFull)->Unit(benchmark::kMillisecond);

// A rename that makes a duplicate name and its undo, alternately; each is timed.
void BM_EditWithProblemsPanelOpen(benchmark::State& state) {
    PanelWindow w;
    EditSession& session = w.window.session();
    const ChannelDatabase& db = session.database();
    const EditChannel rename{5000,
                             std::string(db.channelName(4000)),
                             db.channelVideoPid(5000) & 0x1FFF,
                             db.channelAudioPid(5000) & 0x1FFF,
                             db.channelPcrPid(5000) & 0x1FFF,
                             db.channelServiceId(5000),
                             db.isChannelLocked(5000)};
    session.apply(rename);
    bool undo = true;
    for (auto _ : state) {
        if (undo) {
            session.undo();
        } else {
            session.redo();
        }
        w.paintAll();
        undo = !undo;
    }
    state.counters["Findings"] = static_cast<double>(w.window.panes().problems.panel()->count());
}
BENCHMARK(BM_EditWithProblemsPanelOpen)->Unit(benchmark::kMillisecond);

}  // namespace
