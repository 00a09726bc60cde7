// Table operations at full capacity: 15,360 live channels on 2,340 live transponders.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "database/ByteOrder.h"
#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/TableEditing.h"
#include "database/ViewIndex.h"

namespace kavro {
namespace {

void fillFullCapacity(ChannelDatabase& db) {
    ChannelTables& tables = db.mutableTables();
    for (int s = 0; s < SatelliteCapacity; ++s) {
        tables.satellites[s][sat::ShownFlags] = 1;
        std::memcpy(tables.satellites[s] + sat::Name, "Satellite name", 14);
    }
    for (int t = 0; t < TransponderCapacity; ++t) {
        tables.transponders[t][tp::SatelliteIndex] = static_cast<uint8_t>(t % SatelliteCapacity);
        writeU32(tables.transponders[t] + tp::FrequencyKhz, 10700000u + 1000u * t);
        writeU16(tables.transponders[t] + tp::SymbolRate, 27500);
        tables.transponders[t][tp::Polarization] = static_cast<uint8_t>(t % 2);
    }
    for (int c = 0; c < ChannelCapacity; ++c) {
        uint8_t* rec = tables.channels[c];
        writeU16(rec + ch::TransponderIndex, static_cast<uint32_t>(c % TransponderCapacity));
        writeU16(rec + ch::ServiceId, static_cast<uint32_t>(c + 1));
        writeU16(rec + ch::Flags, c % 3 == 0 ? 1u : 3u);
        writeU16(rec + ch::CasBits, static_cast<uint32_t>(c % 256));
        writeU16(rec + ch::FavoriteBits, static_cast<uint32_t>(c % 5));
        std::memcpy(rec + ch::Name, "Channel name 123", 16);
    }
}

// A full database, its index, and the full channel table kept aside so that each round can
// start from it outside the timing.
struct FullTables {
    std::unique_ptr<ChannelDatabase> db = std::make_unique<ChannelDatabase>();
    std::unique_ptr<ViewIndex> index = std::make_unique<ViewIndex>();
    std::vector<uint8_t> saved;
    std::vector<uint8_t> buffer;

    FullTables() {
        fillFullCapacity(*db);
        index->rebuild(*db, View::All);
        saved.assign(&db->tables().channels[0][0],
                     &db->tables().channels[0][0] + sizeof db->tables().channels);
    }
    void restore() { std::memcpy(db->mutableTables().channels, saved.data(), saved.size()); }
};

// Every `every`-th channel, the last of each group.
std::vector<int> everyNth(int every) {
    std::vector<int> channels;
    for (int c = every - 1; c < ChannelCapacity; c += every) {
        channels.push_back(c);
    }
    return channels;
}

// The delete as a walk from the end, one block shift per deleted channel.
void deleteOneByOne(FullTables& f, const ChannelSet& marked) {
    ChannelTables& tables = f.db->mutableTables();
    for (int p = ChannelCapacity - 1; p >= 0; --p) {
        if (f.db->isLiveChannel(p) && marked.contains(p)) {
            size_t behind = static_cast<size_t>(ChannelCapacity - 1 - p);
            std::memmove(tables.channels[p], tables.channels[p + 1], behind * ChannelRecordSize);
            std::memset(tables.channels[ChannelCapacity - 1], 0, ChannelRecordSize);
            writeU16(tables.channels[ChannelCapacity - 1], DeletedTransponderIndex);
        }
    }
    f.index->rebuild(*f.db, View::All);
}

// The move one record at a time, each marked record inserted at the target slot: the
// records shift, so the next one to move is found by following the shifts.
void moveOneByOne(FullTables& f, const std::vector<int>& marked, int target) {
    int shifted = 0;  // marked records already moved in front of the ones left
    for (int p : marked) {
        moveChannelRecord(*f.db, p, target + shifted);
        ++shifted;
    }
    f.index->rebuild(*f.db, View::All);
}

template <typename Operation>
void runOnRestoredTable(benchmark::State& state, Operation operation) {
    FullTables f;
    for (auto _ : state) {
        state.PauseTiming();
        f.restore();
        state.ResumeTiming();
        operation(f);
        benchmark::ClobberMemory();
    }
}

void BM_RebuildViewIndex(benchmark::State& state) {
    FullTables f;
    for (auto _ : state) {
        f.index->rebuild(*f.db, View::All);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RebuildViewIndex)->Unit(benchmark::kMicrosecond);

void BM_DeleteAllMarked(benchmark::State& state) {
    const ChannelSet all(everyNth(1));
    runOnRestoredTable(state, [&](FullTables& f) {
        deleteChannels(*f.db, all);
        f.index->rebuild(*f.db, View::All);
    });
}
BENCHMARK(BM_DeleteAllMarked)->Unit(benchmark::kMicrosecond);

void BM_DeleteAllMarkedOneByOne(benchmark::State& state) {
    const ChannelSet all(everyNth(1));
    runOnRestoredTable(state, [&](FullTables& f) { deleteOneByOne(f, all); });
}
BENCHMARK(BM_DeleteAllMarkedOneByOne)->Unit(benchmark::kMicrosecond);

void BM_MoveEveryOtherToTop(benchmark::State& state) {
    const ChannelSet everyOther(everyNth(2));
    runOnRestoredTable(state, [&](FullTables& f) {
        moveChannels(*f.db, everyOther, 0, f.buffer);
        f.index->rebuild(*f.db, View::All);
    });
}
BENCHMARK(BM_MoveEveryOtherToTop)->Unit(benchmark::kMicrosecond);

void BM_MoveEveryOtherToTopOneByOne(benchmark::State& state) {
    const std::vector<int> everyOther = everyNth(2);
    runOnRestoredTable(state, [&](FullTables& f) { moveOneByOne(f, everyOther, 0); });
}
BENCHMARK(BM_MoveEveryOtherToTopOneByOne)->Unit(benchmark::kMicrosecond);

void BM_FormatAllListRows(benchmark::State& state) {
    FullTables f;
    for (auto _ : state) {
        int row = 0;
        for (int channel : f.index->viewChannels(View::All)) {
            for (int column = 0; column < ListColumnCount; ++column) {
                CellText cell = channelCellText(*f.db, row, channel, column);
                benchmark::DoNotOptimize(cell);
            }
            ++row;
        }
    }
}
BENCHMARK(BM_FormatAllListRows)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kavro
