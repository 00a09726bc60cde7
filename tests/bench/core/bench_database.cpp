// Table operations at full capacity: 15,360 live channels on 2,340 live transponders.
#include <benchmark/benchmark.h>

#include <cstring>

#include "database/ByteOrder.h"
#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/TableEditing.h"
#include "database/ViewIndex.h"

namespace kavro {
namespace {

void fillFullCapacity() {
    resetChannelDatabase();
    ChannelDatabase& db = channelDatabase();
    for (int s = 0; s < SatelliteCapacity; ++s) {
        db.satellites[s][sat::ShownFlags] = 1;
        std::memcpy(db.satellites[s] + sat::Name, "Satellite name", 14);
    }
    for (int t = 0; t < TransponderCapacity; ++t) {
        db.transponders[t][tp::SatelliteIndex] = static_cast<uint8_t>(t % SatelliteCapacity);
        writeU32(db.transponders[t] + tp::FrequencyKhz, 10700000u + 1000u * t);
        writeU16(db.transponders[t] + tp::SymbolRate, 27500);
        db.transponders[t][tp::Polarization] = static_cast<uint8_t>(t % 2);
    }
    for (int c = 0; c < ChannelCapacity; ++c) {
        uint8_t* rec = db.channels[c];
        writeU16(rec + ch::TransponderIndex, static_cast<uint32_t>(c % TransponderCapacity));
        writeU16(rec + ch::ServiceId, static_cast<uint32_t>(c + 1));
        writeU16(rec + ch::Flags, c % 3 == 0 ? 1u : 3u);
        writeU16(rec + ch::CasBits, static_cast<uint32_t>(c % 256));
        writeU16(rec + ch::FavoriteBits, static_cast<uint32_t>(c % 5));
        std::memcpy(rec + ch::Name, "Channel name 123", 16);
    }
    rebuildViewIndex();
}

// The full table, kept aside so each round can start from it outside the timing.
uint8_t savedChannels[ChannelCapacity][ChannelRecordSize];

void saveChannels() {
    std::memcpy(savedChannels, channelDatabase().channels, sizeof savedChannels);
}

void restoreChannels(int markEvery) {
    std::memcpy(channelDatabase().channels, savedChannels, sizeof savedChannels);
    for (int c = 0; c < ChannelCapacity; ++c) {
        setMarked(c, c % markEvery == markEvery - 1 ? 1 : 0);
    }
}

// The delete as a walk from the end, one block shift per deleted channel.
void deleteMarkedOneByOne() {
    ChannelDatabase& db = channelDatabase();
    for (int p = ChannelCapacity - 1; p >= 0; --p) {
        if (isLiveChannel(p) && isMarked(p)) {
            size_t behind = static_cast<size_t>(ChannelCapacity - 1 - p);
            std::memmove(db.channels[p], db.channels[p + 1], behind * ChannelRecordSize);
            std::memmove(db.selectionMarks + p, db.selectionMarks + p + 1, behind);
            std::memset(db.channels[ChannelCapacity - 1], 0, ChannelRecordSize);
            writeU16(db.channels[ChannelCapacity - 1], DeletedTransponderIndex);
            db.selectionMarks[ChannelCapacity - 1] = 0;
        }
    }
    rebuildViewIndex();
    clearMarks();
}

// The move one record at a time, each marked record inserted at the target slot.
void moveMarkedOneByOne(int target) {
    for (int p = firstMarkedChannel(); p != ChannelCapacity; p = firstMarkedChannel()) {
        setMarked(p, 0);
        moveChannelRecord(p, target);
    }
    rebuildViewIndex();
}

template <typename Operation>
void runOnRestoredTable(benchmark::State& state, int markEvery, Operation operation) {
    fillFullCapacity();
    saveChannels();
    for (auto _ : state) {
        state.PauseTiming();
        restoreChannels(markEvery);
        state.ResumeTiming();
        operation();
        benchmark::ClobberMemory();
    }
}

void BM_RebuildViewIndex(benchmark::State& state) {
    fillFullCapacity();
    for (auto _ : state) {
        rebuildViewIndex();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RebuildViewIndex)->Unit(benchmark::kMicrosecond);

void BM_DeleteAllMarked(benchmark::State& state) {
    runOnRestoredTable(state, 1, [] { deleteMarkedChannels(); });
}
BENCHMARK(BM_DeleteAllMarked)->Unit(benchmark::kMicrosecond);

void BM_DeleteAllMarkedOneByOne(benchmark::State& state) {
    runOnRestoredTable(state, 1, [] { deleteMarkedOneByOne(); });
}
BENCHMARK(BM_DeleteAllMarkedOneByOne)->Unit(benchmark::kMicrosecond);

void BM_MoveEveryOtherToTop(benchmark::State& state) {
    runOnRestoredTable(state, 2, [] { moveMarkedChannels(0); });
}
BENCHMARK(BM_MoveEveryOtherToTop)->Unit(benchmark::kMicrosecond);

void BM_MoveEveryOtherToTopOneByOne(benchmark::State& state) {
    runOnRestoredTable(state, 2, [] { moveMarkedOneByOne(0); });
}
BENCHMARK(BM_MoveEveryOtherToTopOneByOne)->Unit(benchmark::kMicrosecond);

void BM_FormatAllListRows(benchmark::State& state) {
    fillFullCapacity();
    for (auto _ : state) {
        int rows = viewCount(ViewAll);
        for (int row = 0; row < rows; ++row) {
            int channel = 0;
            viewChannel(ViewAll, row, channel);
            for (int column = 0; column < ListColumnCount; ++column) {
                CellText cell = channelCellText(row, channel, column);
                benchmark::DoNotOptimize(cell);
            }
        }
    }
}
BENCHMARK(BM_FormatAllListRows)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kavro
