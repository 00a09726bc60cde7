// Channel sets at full capacity: each set chosen among every row (what the window's Select
// does before it paints), and what a script's channel list of sets and ranges costs a line.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "cli/ChannelList.h"
#include "database/ChannelDatabase.h"
#include "database/ChannelSets.h"
#include "database/ViewIndex.h"
#include "session/EditSession.h"
#include "support/TestImageBuilder.h"

namespace kavro {
namespace {

namespace kt = kavro::testing;

const EditSession& fullSession() {
    static const std::unique_ptr<EditSession> session = [] {
        auto loaded = std::make_unique<EditSession>();
        kt::loadImage(*loaded, kt::fullCapacityImage());
        return loaded;
    }();
    return *session;
}

void BM_SelectAmongAllRows(benchmark::State& state) {
    const EditSession& session = fullSession();
    const auto rows = session.viewIndex().viewChannels(View::All);
    const std::vector<int> half(rows.begin(), rows.begin() + rows.size() / 2);
    ChannelSetQuery query{static_cast<ChannelSetKind>(state.range(0)), 1, half};
    for (auto _ : state) {
        benchmark::DoNotOptimize(selectChannels(session.database(), query, rows));
    }
}
BENCHMARK(BM_SelectAmongAllRows)
    ->DenseRange(static_cast<int>(ChannelSetKind::All), static_cast<int>(ChannelSetKind::NotIn))
    ->Unit(benchmark::kMicrosecond);

// The words of a script line's channel list, parsed to channels: what a set adds to an edit.
void channelList(benchmark::State& state, const std::vector<std::string>& words) {
    const EditSession& session = fullSession();
    std::string message;
    for (auto _ : state) {
        std::vector<int> channels;
        if (!cli::parseChannelList(session.database(), words, channels, message)) {
            state.SkipWithError(message.c_str());
            break;
        }
        benchmark::DoNotOptimize(channels);
    }
}

void BM_ListOfARange(benchmark::State& state) {
    channelList(state, {"0-15359"});
}
BENCHMARK(BM_ListOfARange)->Unit(benchmark::kMicrosecond);

void BM_ListOfThreeSets(benchmark::State& state) {
    channelList(state, {"scrambled", "radio", "sat:3"});
}
BENCHMARK(BM_ListOfThreeSets)->Unit(benchmark::kMicrosecond);

void BM_ListOfDuplicates(benchmark::State& state) {
    channelList(state, {"dup"});
}
BENCHMARK(BM_ListOfDuplicates)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kavro
