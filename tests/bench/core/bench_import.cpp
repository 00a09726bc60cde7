// Import at full capacity: the matching of a full file against this database, and importing
// all of a full file into an empty database (the same satellites, no transponder, no channel)
// through the session, as one step that is then undone outside the timing.
#include <benchmark/benchmark.h>

#include <memory>

#include "database/ChannelDatabase.h"
#include "database/ChannelImport.h"
#include "session/EditSession.h"
#include "support/TestImageBuilder.h"

namespace kavro {
namespace {

namespace kt = kavro::testing;

std::shared_ptr<const ChannelDatabase> fullDatabase() {
    static const std::shared_ptr<const ChannelDatabase> full = [] {
        EditSession session;
        kt::loadImage(session, kt::fullCapacityImage());
        return std::make_shared<const ChannelDatabase>(session.database());
    }();
    return full;
}

// The full image with every transponder deleted: its satellites and nothing on them.
std::unique_ptr<EditSession> emptiedSession() {
    auto session = std::make_unique<EditSession>();
    kt::loadImage(*session, kt::fullCapacityImage());
    for (int t = 0; t < TransponderCapacity; ++t) {
        session->apply(DeleteTransponder{t});
    }
    return session;
}

ImportRequest everything(const ChannelDatabase& db) {
    ImportRequest request;
    for (int t = 0; t < TransponderCapacity; ++t) {
        if (db.isLiveTransponder(t)) {
            request.transponders.push_back(t);
        }
    }
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (db.isLiveChannel(ch)) {
            request.channels.push_back(ch);
        }
    }
    return request;
}

void BM_ImportMatchFullAgainstFull(benchmark::State& state) {
    const auto full = fullDatabase();
    ImportMatch match;
    for (auto _ : state) {
        matchImport(*full, *full, match);
        benchmark::DoNotOptimize(match.channels.data());
    }
}
BENCHMARK(BM_ImportMatchFullAgainstFull)->Unit(benchmark::kMillisecond);

void BM_ImportAllIntoEmptyDatabase(benchmark::State& state) {
    const auto session = emptiedSession();
    const ImportChannels edit{fullDatabase(), "full.tbn", everything(*fullDatabase())};
    for (auto _ : state) {
        const EditResult result = session->apply(edit);
        state.PauseTiming();
        if (!result.changed) {
            state.SkipWithError(result.refusal.c_str());
            break;
        }
        session->undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportAllIntoEmptyDatabase)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kavro
