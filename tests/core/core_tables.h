// Sets up a database's tables byte by byte for the core tests, without the image builder:
// the tests see the record layouts exactly as the accessors must read them.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "database/ByteOrder.h"
#include "database/ChannelDatabase.h"
#include "database/RecordLayout.h"
#include "database/ViewIndex.h"

namespace kavro::coretest {

inline void putSatellite(ChannelDatabase& db, int s, std::string_view name, bool shown = true) {
    uint8_t* rec = db.mutableTables().satellites[s];
    rec[sat::ShownFlags] = shown ? 1 : 0;
    std::memcpy(rec + sat::Name, name.data(), name.size());
}

inline void putTransponder(ChannelDatabase& db, int t, int satellite, uint32_t khz = 11727000,
                           int symbolRate = 27500, int polarization = 0) {
    uint8_t* rec = db.mutableTables().transponders[t];
    rec[tp::SatelliteIndex] = static_cast<uint8_t>(satellite);
    writeU32(rec + tp::FrequencyKhz, khz);
    writeU16(rec + tp::SymbolRate, static_cast<uint32_t>(symbolRate));
    rec[tp::Polarization] = static_cast<uint8_t>(polarization);
}

// A channel record with a recognisable tag in its service ID and name.
inline void putChannel(ChannelDatabase& db, int ch, int t, std::string_view name, int serviceId,
                       bool tv = true) {
    uint8_t* rec = db.mutableTables().channels[ch];
    std::memset(rec, 0, ChannelRecordSize);
    writeU16(rec + ch::TransponderIndex, static_cast<uint32_t>(t));
    writeU16(rec + ch::ServiceId, static_cast<uint32_t>(serviceId));
    writeU16(rec + ch::Flags, tv ? 3u : 1u);
    std::memcpy(rec + ch::Name, name.data(), name.size());
}

// Every test starts from a clean database: every slot free, satellites 0 and 1 shown,
// transponder 0 live on satellite 0. The index is rebuilt only when a test asks.
class CoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        db = std::make_unique<ChannelDatabase>();
        index = std::make_unique<ViewIndex>();
        freeAllTransponders();
        freeAllChannels();
        putSatellite(0, "Astra");
        putSatellite(1, "Hotbird");
        putTransponder(0, 0);
    }

    uint8_t* channelBytes(int ch) { return db->mutableTables().channels[ch]; }
    uint8_t* transponderBytes(int t) { return db->mutableTables().transponders[t]; }

    void putSatellite(int s, std::string_view name, bool shown = true) {
        coretest::putSatellite(*db, s, name, shown);
    }
    void putTransponder(int t, int satellite, uint32_t khz = 11727000, int symbolRate = 27500,
                        int polarization = 0) {
        coretest::putTransponder(*db, t, satellite, khz, symbolRate, polarization);
    }
    void putChannel(int ch, int t, std::string_view name, int serviceId, bool tv = true) {
        coretest::putChannel(*db, ch, t, name, serviceId, tv);
    }
    void freeAllChannels() {
        for (int c = 0; c < ChannelCapacity; ++c) {
            writeU16(channelBytes(c) + ch::TransponderIndex, DeletedTransponderIndex);
        }
    }
    void freeAllTransponders() {
        for (int t = 0; t < TransponderCapacity; ++t) {
            transponderBytes(t)[tp::SatelliteIndex] = DeletedSatelliteIndex;
        }
    }
    void rebuild(View view = View::All) { index->rebuild(*db, view); }

    // Live TV channels named "a", "b", ... in slots 0..count-1 on transponder 0, service
    // IDs 1..count.
    void putLetters(int count) {
        for (int i = 0; i < count; ++i) {
            char name[2] = {static_cast<char>('a' + i), 0};
            putChannel(i, 0, name, i + 1);
        }
    }

    // The names of slots 0..count-1 joined, "." for a free slot.
    std::string names(int count) const {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += db->isLiveChannel(i) ? std::string(db->channelName(i)) : std::string(".");
        }
        return text;
    }

    std::unique_ptr<ChannelDatabase> db;
    std::unique_ptr<ViewIndex> index;
};

}  // namespace kavro::coretest
