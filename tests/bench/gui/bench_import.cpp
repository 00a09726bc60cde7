// Import From's picker over a full-capacity file: opening it (the model built over the other
// database, the dialog shown and painted), and scrolling a page with every item expanded,
// beside a page of the window's list.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QScrollBar>
#include <QTreeView>

#include "BenchWindow.h"
#include "ui/dialogs/ImportDialog.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

const ChannelDatabase& fullDatabase() {
    static const std::unique_ptr<EditSession> session = [] {
        auto opened = std::make_unique<EditSession>();
        loadImage(*opened, fullCapacityImage());
        return opened;
    }();
    return session->database();
}

void BM_ImportPickerOpenFull(benchmark::State& state) {
    const ChannelDatabase& other = fullDatabase();
    OpenWindow e;
    for (auto _ : state) {
        ImportDialog picker(e.window.session().database(), other, QStringLiteral("full.tbn"), true,
                            &e.window);
        picker.show();
        picker.tree()->viewport()->repaint();
    }
}
BENCHMARK(BM_ImportPickerOpenFull)->Unit(benchmark::kMillisecond);

void BM_ImportPickerScrollPageExpanded(benchmark::State& state) {
    const ChannelDatabase& other = fullDatabase();
    OpenWindow e;
    ImportDialog picker(e.window.session().database(), other, QStringLiteral("full.tbn"), true,
                        &e.window);
    picker.show();
    picker.tree()->expandAll();
    QCoreApplication::processEvents();  // lays the tree out
    QScrollBar* bar = picker.tree()->verticalScrollBar();
    if (bar->maximum() < ChannelCapacity) {
        state.SkipWithError("the tree does not show every channel");
        return;
    }
    for (auto _ : state) {
        const int next = bar->value() + bar->pageStep();
        bar->setValue(next > bar->maximum() ? 0 : next);
        picker.tree()->viewport()->repaint();
    }
}
BENCHMARK(BM_ImportPickerScrollPageExpanded)->Unit(benchmark::kMillisecond);

// The same page scroll in the window's list of every channel, for comparison.
void BM_ListScrollPageAll(benchmark::State& state) {
    OpenWindow e;
    QCoreApplication::processEvents();
    QScrollBar* bar = e.window.panes().list.view()->verticalScrollBar();
    for (auto _ : state) {
        const int next = bar->value() + bar->pageStep();
        bar->setValue(next > bar->maximum() ? 0 : next);
        e.window.panes().list.view()->viewport()->repaint();
    }
}
BENCHMARK(BM_ListScrollPageAll)->Unit(benchmark::kMillisecond);

}  // namespace
