// Checking, comparing and ordering at full capacity: the problems of a full list (clean, and
// with a finding for nearly every channel), the comparison of two full files whose order
// differs throughout (in the core, and as kavro-tool diff from the files to its output), the
// moved set against the quadratic way to find it, and Apply Order from a full reference
// database and from its written list, through the session.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <random>
#include <sstream>

#include "cli/Tool.h"
#include "database/ChannelDatabase.h"
#include "database/DatabaseDiff.h"
#include "database/ListExport.h"
#include "database/Problems.h"
#include "database/ViewIndex.h"
#include "session/EditSession.h"
#include "session/OrderReference.h"
#include "support/TestImageBuilder.h"

namespace kavro {
namespace {

namespace kt = kavro::testing;

std::unique_ptr<EditSession> fullSession() {
    static const kt::Bytes image = kt::fullCapacityImage();
    auto session = std::make_unique<EditSession>();
    kt::loadImage(*session, image);
    return session;
}

std::vector<int> shuffledChannels(uint32_t seed) {
    std::vector<int> order(ChannelCapacity);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), std::mt19937(seed));
    return order;
}

// The full database in a random order, with every hundredth channel renamed: a new scan.
std::unique_ptr<EditSession> shuffledSession() {
    auto session = fullSession();
    session->apply(OrderChannels{shuffledChannels(3)});
    for (int ch = 0; ch < ChannelCapacity; ch += 100) {
        const ChannelDatabase& db = session->database();
        session->apply(EditChannel{ch, "Renamed", db.channelVideoPid(ch) & 0x1FFF,
                                   db.channelAudioPid(ch) & 0x1FFF, db.channelPcrPid(ch) & 0x1FFF,
                                   db.channelServiceId(ch), db.isChannelLocked(ch)});
    }
    return session;
}

// Both files of a comparison, written once for the process.
struct FullFiles {
    std::string folder = kt::makeTempDir();
    std::string full = folder + "/full.tbn";
    std::string shuffled = folder + "/shuffled.tbn";
    std::string shuffledList = folder + "/shuffled.csv";

    FullFiles() {
        kt::writeFileBytes(full, kt::fullCapacityImage());
        auto session = shuffledSession();
        session->saveAs(shuffled);
        std::vector<int> rows(session->viewIndex().viewChannels(View::All).begin(),
                              session->viewIndex().viewChannels(View::All).end());
        const std::string csv = listCsv(session->database(), rows);
        kt::writeFileBytes(shuffledList, kt::Bytes(csv.begin(), csv.end()));
    }
};

const FullFiles& files() {
    static const FullFiles made;
    return made;
}

void BM_LintFullClean(benchmark::State& state) {
    const auto session = fullSession();
    for (auto _ : state) {
        benchmark::DoNotOptimize(findProblems(session->database()));
    }
}
BENCHMARK(BM_LintFullClean)->Unit(benchmark::kMillisecond);

// Every channel named alike and on one service ID per transponder: 15,359 duplicate names
// and about 13,000 duplicate channels, each with its text.
void BM_LintFullEveryChannelAFinding(benchmark::State& state) {
    const auto session = fullSession();
    ChannelDatabase& db = const_cast<ChannelDatabase&>(session->database());
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        db.setChannelName(ch, "Same");
        db.setChannelServiceId(ch, 1);
    }
    size_t findings = 0;
    for (auto _ : state) {
        findings = findProblems(db).size();
    }
    state.counters["Findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_LintFullEveryChannelAFinding)->Unit(benchmark::kMillisecond);

void BM_DiffTwoFullDatabases(benchmark::State& state) {
    const auto a = fullSession();
    const auto b = shuffledSession();
    for (auto _ : state) {
        benchmark::DoNotOptimize(compareDatabases(a->database(), b->database()));
    }
}
BENCHMARK(BM_DiffTwoFullDatabases)->Unit(benchmark::kMillisecond);

// kavro-tool diff A B from reading both files to the last line of its output.
void BM_DiffToolTwoFullFiles(benchmark::State& state) {
    const FullFiles& f = files();
    for (auto _ : state) {
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        if (cli::runTool({"diff", f.full, f.shuffled}, in, out, err) != 1) {
            state.SkipWithError("the files compared equal or could not be read");
            break;
        }
    }
}
BENCHMARK(BM_DiffToolTwoFullFiles)->Unit(benchmark::kMillisecond);

void BM_MovedSetOfAFullShuffle(benchmark::State& state) {
    const std::vector<int> rows = shuffledChannels(5);
    for (auto _ : state) {
        benchmark::DoNotOptimize(longestIncreasing(rows));
    }
}
BENCHMARK(BM_MovedSetOfAFullShuffle)->Unit(benchmark::kMillisecond);

// The longest increasing run the quadratic way: what the moved set would cost without it.
void BM_MovedSetOfAFullShuffleQuadratic(benchmark::State& state) {
    const std::vector<int> rows = shuffledChannels(5);
    std::vector<int> ending(rows.size());
    for (auto _ : state) {
        int best = 0;
        for (size_t i = 0; i < rows.size(); ++i) {
            ending[i] = 1;
            for (size_t j = 0; j < i; ++j) {
                if (rows[j] < rows[i] && ending[j] + 1 > ending[i]) {
                    ending[i] = ending[j] + 1;
                }
            }
            best = std::max(best, ending[i]);
        }
        benchmark::DoNotOptimize(best);
    }
}
BENCHMARK(BM_MovedSetOfAFullShuffleQuadratic)->Unit(benchmark::kMillisecond);

// Reading the reference, matching, and applying the order as one step; the undo that sets
// the stage for the next round is not timed.
void applyOrderFrom(benchmark::State& state, const std::string& reference) {
    const auto session = fullSession();
    for (auto _ : state) {
        const ReferenceOrder order = readReferenceOrder(session->database(), reference);
        if (!session->apply(order.edit).changed) {
            state.SkipWithError("the order changed nothing");
            break;
        }
        state.PauseTiming();
        session->undo();
        state.ResumeTiming();
    }
}

void BM_ApplyOrderFromFullDatabase(benchmark::State& state) {
    applyOrderFrom(state, files().shuffled);
}
BENCHMARK(BM_ApplyOrderFromFullDatabase)->Unit(benchmark::kMillisecond);

void BM_ApplyOrderFromFullList(benchmark::State& state) {
    applyOrderFrom(state, files().shuffledList);
}
BENCHMARK(BM_ApplyOrderFromFullList)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kavro
