// What a user waits for: each action on the realistic full-capacity sample (15,360 channels,
// thousands of findings), from the input event until the event loop is idle and the whole
// window is painted. The input goes in as the user gives it (a key to the focused widget, a
// menu's action, a drop), then the events it posted are handled and the whole window is
// repainted. The Problems check runs on its worker meanwhile: the action does not wait for
// it; BM_Action_ProblemsRecheck is the window showing the findings when it ends.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QItemSelection>
#include <QPushButton>
#include <QTest>
#include <QThread>

#include "BenchWindow.h"
#include "support/WindowFixture.h"
#include "ui/mainwindow/ChannelListModel.h"
#include "ui/mainwindow/FindField.h"
#include "ui/mainwindow/ProblemsPanel.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

constexpr int Scattered = 7000;

QString samplePath() {
    return QStringLiteral(KAVRO_TEST_DATA_DIR "/full-capacity.tbn");
}

// The editor with the sample open, shown and painted once.
struct SampleWindow {
    ScriptedInteraction interaction;
    MainWindow window{interaction};

    explicit SampleWindow(bool problemsOpen = false) {
        window.resize(1100, 720);
        window.show();
        // The keys reach the window's shortcuts only while it is active (on an X server
        // without a window manager, too).
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) {
            qWarning("the window did not become active: its shortcuts do not answer");
        }
        open();
        if (problemsOpen) {
            window.panes().problems.button()->click();
        }
        settle();
    }
    void open() {
        if (window.session().isModified()) {
            interaction.answers.append(Interaction::Answer::Discard);
        }
        interaction.openPaths.append(samplePath());
        window.runCommand(CommandId::Open);
    }
    // The events the input posted, then the whole window painted as a screen shows it.
    void settle() {
        QCoreApplication::processEvents();
        window.repaint();
    }
    // Waits, untimed, for the Problems worker, so that no check runs into the next round.
    void waitForProblems() {
        while (window.panes().problems.panel()->isChecking()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
    }
    void key(QWidget* to, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(to, key, modifiers);
    }
    void selectRows(const QItemSelection& rows) {
        window.panes().list.view()->selectionModel()->select(
            rows, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        emit window.panes().list.view()->listClicked();
    }
    QModelIndex index(int row) const { return window.panes().list.model()->index(row, 0); }
    // Built as the list builds a selection: merging 7,000 ranges one by one would cost
    // far more than the action timed.
    void selectScattered() {
        std::vector<int> rows;
        for (int row = 0; row < 2 * Scattered; row += 2) {
            rows.push_back(row);
        }
        window.panes().list.view()->selectOnlyRows(rows);
        emit window.panes().list.view()->listClicked();
    }
    void selectAll() {
        selectRows(QItemSelection(index(0), index(window.panes().list.model()->rowCount() - 1)));
    }
};

// Runs `prepare` untimed, then times `act` until the window is settled.
template <class Prepare, class Act>
void timeAction(benchmark::State& state, SampleWindow& w, Prepare prepare, Act act) {
    for (auto _ : state) {
        state.PauseTiming();
        prepare();
        w.settle();
        w.waitForProblems();
        state.ResumeTiming();
        act();
        w.settle();
    }
    w.waitForProblems();
}

// The floor under every figure: the whole window painted, with nothing changed.
void BM_Action_RepaintOnly(benchmark::State& state) {
    SampleWindow w;
    timeAction(
        state, w, [] {}, [] {});
}
BENCHMARK(BM_Action_RepaintOnly)->Unit(benchmark::kMillisecond);

// Ctrl+O, the chooser answering the sample at once.
void BM_Action_Open(benchmark::State& state) {
    SampleWindow w;
    timeAction(
        state, w, [&w] { w.interaction.openPaths.append(samplePath()); },
        [&w] { w.key(w.window.panes().list.view(), Qt::Key_O, Qt::ControlModifier); });
    if (!w.interaction.openPaths.isEmpty() || !w.window.session().isOpen()) {
        state.SkipWithError("the file was not opened");
    }
}
BENCHMARK(BM_Action_Open)->Unit(benchmark::kMillisecond);

void BM_Action_ViewSwitch(benchmark::State& state) {
    SampleWindow w;
    bool tv = false;
    timeAction(
        state, w, [] {},
        [&] {
            tv = !tv;
            w.key(w.window.panes().list.view(), tv ? Qt::Key_2 : Qt::Key_1, Qt::ControlModifier);
        });
}
BENCHMARK(BM_Action_ViewSwitch)->Unit(benchmark::kMillisecond);

// "Channel 1" to "Channel 12" and back: one keystroke each way.
void BM_Action_FindKeystroke(benchmark::State& state) {
    SampleWindow w;
    FindField* find = w.window.panes().list.findField();
    find->setText(QStringLiteral("channel 1"));
    bool typed = false;
    timeAction(
        state, w, [] {},
        [&] {
            typed = !typed;
            w.key(find, typed ? Qt::Key_2 : Qt::Key_Backspace);
        });
}
BENCHMARK(BM_Action_FindKeystroke)->Unit(benchmark::kMillisecond);

void BM_Action_SortByNameAll(benchmark::State& state) {
    SampleWindow w;
    timeAction(
        state, w,
        [&w] {
            w.open();
            w.window.panes().list.view()->selectAndShowRow(0);
            emit w.window.panes().list.view()->listClicked();
        },
        [&w] {
            w.key(w.window.panes().list.view(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
        });
}
BENCHMARK(BM_Action_SortByNameAll)->Unit(benchmark::kMillisecond);

void BM_Action_MoveToTop7000Scattered(benchmark::State& state) {
    SampleWindow w;
    timeAction(
        state, w,
        [&w] {
            w.open();
            w.selectScattered();
        },
        [&w] { w.key(w.window.panes().list.view(), Qt::Key_Home, Qt::ControlModifier); });
}
BENCHMARK(BM_Action_MoveToTop7000Scattered)->Unit(benchmark::kMillisecond);

void BM_Action_DeleteAll(benchmark::State& state) {
    SampleWindow w;
    timeAction(
        state, w,
        [&w] {
            w.open();
            w.selectAll();
        },
        [&w] { w.key(w.window.panes().list.view(), Qt::Key_Delete); });
}
BENCHMARK(BM_Action_DeleteAll)->Unit(benchmark::kMillisecond);

// Every round deletes everything (untimed) and undoes, or redoes, it.
void undoOrRedoDeleteAll(benchmark::State& state, bool undo) {
    SampleWindow w;
    w.selectAll();
    w.key(w.window.panes().list.view(), Qt::Key_Delete);
    timeAction(
        state, w, [&] { w.window.runCommand(undo ? CommandId::Redo : CommandId::Undo); },
        [&] {
            w.key(w.window.panes().list.view(), undo ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
        });
}

void BM_Action_UndoDeleteAll(benchmark::State& state) {
    undoOrRedoDeleteAll(state, true);
}
BENCHMARK(BM_Action_UndoDeleteAll)->Unit(benchmark::kMillisecond);

void BM_Action_RedoDeleteAll(benchmark::State& state) {
    undoOrRedoDeleteAll(state, false);
}
BENCHMARK(BM_Action_RedoDeleteAll)->Unit(benchmark::kMillisecond);

// The channel dialog's OK: the rename applied, to the painted window.
void editOneChannel(benchmark::State& state, bool panelOpen) {
    SampleWindow w(panelOpen);
    const std::string first(w.window.session().database().channelName(0));
    bool renamed = false;
    timeAction(
        state, w, [] {},
        [&] {
            renamed = !renamed;
            w.window.session().apply(
                renamedChannel(w.window.session().database(), 0, renamed ? "Renamed" : first));
        });
}

void BM_Action_EditOneChannelPanelClosed(benchmark::State& state) {
    editOneChannel(state, false);
}
BENCHMARK(BM_Action_EditOneChannelPanelClosed)->Unit(benchmark::kMillisecond);

void BM_Action_EditOneChannelPanelOpen(benchmark::State& state) {
    editOneChannel(state, true);
}
BENCHMARK(BM_Action_EditOneChannelPanelOpen)->Unit(benchmark::kMillisecond);

// The release of a drag that carried 7,000 rows 100 places down.
void BM_Action_DragCommitOf7000(benchmark::State& state) {
    SampleWindow w;
    ChannelListView* list = w.window.panes().list.view();
    timeAction(
        state, w,
        [&] {
            w.open();
            w.selectRows(QItemSelection(w.index(4000), w.index(4000 + Scattered - 1)));
            list->beginDrag(4000);
            list->moveSelectionTo(4100);
        },
        [&] { list->dragButtonUp(); });
    if (list->firstSelectedRow() != 4100) {
        state.SkipWithError("the drop did not land");
    }
}
BENCHMARK(BM_Action_DragCommitOf7000)->Unit(benchmark::kMillisecond);

// What the window does when a check ends: the worker's findings, ready (the edit before and
// the check on the worker are untimed), shown in the open panel and painted. The check
// itself, on this thread, is BM_ProblemsRecheckFull.
void BM_Action_ProblemsRecheck(benchmark::State& state) {
    SampleWindow w(true);
    const std::string first(w.window.session().database().channelName(0));
    bool renamed = false;
    for (auto _ : state) {
        state.PauseTiming();
        w.waitForProblems();
        renamed = !renamed;
        w.window.session().apply(
            renamedChannel(w.window.session().database(), 0, renamed ? "Renamed" : first));
        w.settle();
        // The check starts a moment after the change (when the window has painted it) and
        // runs to its end, untimed; the event that it ended waits.
        QThread::msleep(50);
        QCoreApplication::processEvents();
        w.window.panes().problems.panel()->waitForRunningCheck();
        state.ResumeTiming();
        w.settle();
        if (w.window.panes().problems.panel()->isChecking()) {
            state.SkipWithError("the findings were not shown");
            break;
        }
    }
    state.counters["Findings"] = static_cast<double>(w.window.panes().problems.panel()->count());
}
BENCHMARK(BM_Action_ProblemsRecheck)->Unit(benchmark::kMillisecond);

// Start-up: the window made, the file read and the first frame painted, against the same
// without a file.
void start(benchmark::State& state, bool withFile) {
    for (auto _ : state) {
        ScriptedInteraction interaction;
        MainWindow window(interaction);
        window.resize(1100, 720);
        if (withFile) {
            window.openFile(samplePath());
        }
        window.show();
        QCoreApplication::processEvents();
        window.repaint();
        state.PauseTiming();
        while (window.panes().problems.panel()->isChecking()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        state.ResumeTiming();
    }
}

void BM_Action_StartEmpty(benchmark::State& state) {
    start(state, false);
}
BENCHMARK(BM_Action_StartEmpty)->Unit(benchmark::kMillisecond);

void BM_Action_StartWithFile(benchmark::State& state) {
    start(state, true);
}
BENCHMARK(BM_Action_StartWithFile)->Unit(benchmark::kMillisecond);

}  // namespace
