// The edit session at full capacity: an edit applied through it (planned, its bytes kept
// as a step, the index rebuilt) against the table operation called directly, undo and redo
// of the largest steps, and the history's memory after many small edits.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "database/ChannelDatabase.h"
#include "database/TableEditing.h"
#include "database/ViewIndex.h"
#include "session/EditSession.h"
#include "support/TestImageBuilder.h"

namespace kavro {
namespace {

namespace kt = kavro::testing;

const kt::Bytes& fullImage() {
    static const kt::Bytes image = kt::fullCapacityImage();
    return image;
}

std::unique_ptr<EditSession> fullSession() {
    auto session = std::make_unique<EditSession>();
    kt::loadImage(*session, fullImage());
    return session;
}

std::vector<int> everyNth(int every) {
    std::vector<int> channels;
    for (int c = every - 1; c < ChannelCapacity; c += every) {
        channels.push_back(c);
    }
    return channels;
}

// The edit applied through the session each round; the undo that sets the stage for the
// next round is not timed.
void applyThroughSession(benchmark::State& state, const Edit& edit) {
    const auto session = fullSession();
    for (auto _ : state) {
        if (!session->apply(edit).changed) {
            state.SkipWithError("the edit changed nothing");
            break;
        }
        state.PauseTiming();
        session->undo();
        state.ResumeTiming();
    }
}

// The same operations called directly on the tables, with the index rebuilt: the way
// every change was made before the session.
struct DirectTables {
    std::unique_ptr<EditSession> loaded = fullSession();
    std::unique_ptr<ChannelDatabase> db = std::make_unique<ChannelDatabase>(loaded->database());
    std::unique_ptr<ViewIndex> index = std::make_unique<ViewIndex>();
    std::vector<uint8_t> buffer;
    void restore() { *db = loaded->database(); }
};

void BM_DeleteAllThroughSession(benchmark::State& state) {
    applyThroughSession(state, DeleteChannels{everyNth(1)});
}
BENCHMARK(BM_DeleteAllThroughSession)->Unit(benchmark::kMicrosecond);

void BM_DeleteAllDirect(benchmark::State& state) {
    DirectTables d;
    const ChannelSet all(everyNth(1));
    for (auto _ : state) {
        state.PauseTiming();
        d.restore();
        state.ResumeTiming();
        deleteChannels(*d.db, all);
        d.index->rebuild(*d.db, View::All);
    }
}
BENCHMARK(BM_DeleteAllDirect)->Unit(benchmark::kMicrosecond);

void BM_MoveEveryOtherThroughSession(benchmark::State& state) {
    applyThroughSession(state, MoveChannels{everyNth(2), 0});
}
BENCHMARK(BM_MoveEveryOtherThroughSession)->Unit(benchmark::kMicrosecond);

void BM_MoveEveryOtherDirect(benchmark::State& state) {
    DirectTables d;
    const ChannelSet everyOther(everyNth(2));
    for (auto _ : state) {
        state.PauseTiming();
        d.restore();
        state.ResumeTiming();
        moveChannels(*d.db, everyOther, 0, d.buffer);
        d.index->rebuild(*d.db, View::All);
    }
}
BENCHMARK(BM_MoveEveryOtherDirect)->Unit(benchmark::kMicrosecond);

// One channel's name, PIDs and lock, as the channel dialog writes them back.
void BM_EditChannelThroughSession(benchmark::State& state) {
    const auto session = fullSession();
    int round = 0;
    for (auto _ : state) {
        ++round;
        session->apply(EditChannel{7000, round % 2 ? "Edited" : "Other", 100 + round % 2, 102, 103,
                                   104, round % 2 == 0});
    }
}
BENCHMARK(BM_EditChannelThroughSession)->Unit(benchmark::kMicrosecond);

void BM_EditChannelDirect(benchmark::State& state) {
    DirectTables d;
    int round = 0;
    for (auto _ : state) {
        ++round;
        ChannelDatabase& db = *d.db;
        db.setChannelName(7000, round % 2 ? "Edited" : "Other");
        db.setChannelServiceId(7000, 104);
        db.setChannelVideoPid(7000, 100 + round % 2);
        db.setChannelAudioPid(7000, 102);
        db.setChannelPcrPid(7000, 103);
        db.setChannelLocked(7000, round % 2 == 0);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EditChannelDirect)->Unit(benchmark::kMicrosecond);

// Undo and redo of the largest steps: every channel deleted, every other one moved.
void undoAndRedo(benchmark::State& state, const Edit& edit, bool undo) {
    const auto session = fullSession();
    session->apply(edit);
    if (!undo) {
        session->undo();
    }
    for (auto _ : state) {
        undo ? session->undo() : session->redo();
        state.PauseTiming();
        undo ? session->redo() : session->undo();
        state.ResumeTiming();
    }
}

void BM_UndoDeleteAll(benchmark::State& state) {
    undoAndRedo(state, DeleteChannels{everyNth(1)}, true);
}
BENCHMARK(BM_UndoDeleteAll)->Unit(benchmark::kMicrosecond);

void BM_RedoDeleteAll(benchmark::State& state) {
    undoAndRedo(state, DeleteChannels{everyNth(1)}, false);
}
BENCHMARK(BM_RedoDeleteAll)->Unit(benchmark::kMicrosecond);

void BM_UndoMoveEveryOther(benchmark::State& state) {
    undoAndRedo(state, MoveChannels{everyNth(2), 0}, true);
}
BENCHMARK(BM_UndoMoveEveryOther)->Unit(benchmark::kMicrosecond);

// 1,000 random single-channel edits (name, PIDs, service ID, lock) and the bytes their
// steps hold, reported as the counter HistoryBytes.
void BM_ThousandChannelEdits(benchmark::State& state) {
    size_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto session = fullSession();
        std::mt19937 random(5);
        state.ResumeTiming();
        for (int i = 0; i < 1000; ++i) {
            const int channel = static_cast<int>(random() % ChannelCapacity);
            session->apply(EditChannel{channel, "Edit " + std::to_string(i), 1 + i % 8000, 2, 3,
                                       static_cast<int>(random() % 60000), i % 2 == 0});
        }
        bytes = session->history().bytes();
    }
    state.counters["HistoryBytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ThousandChannelEdits)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kavro
