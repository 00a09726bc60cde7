// One channel database: its record tables, laid out as the file's table regions, with
// readers over them and the liveness rules. Getters widen stored values to int; setters
// store the low 16 (u16 fields) or 8 (u8 fields) bits and touch nothing else. The setters
// are for the edit appliers and the image unpacker; everyone else reads.
//
// About 1.1 MB: owners keep it on the heap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "RecordLayout.h"

namespace kavro {

// The tables as bytes, in the order and layout of ChannelDatabase::tables().
struct ChannelTables {
    uint8_t satellites[SatelliteCapacity][SatelliteRecordSize];
    uint8_t transponders[TransponderCapacity][TransponderRecordSize];
    uint8_t channels[ChannelCapacity][ChannelRecordSize];
    uint8_t favoriteNames[FavoriteNameSlots][FavoriteNameSize];
    uint8_t opaqueBlockA[OpaqueBlockSize];
    uint8_t opaqueBlockB[OpaqueBlockSize];
};

// Where each table starts when the tables are taken as one run of bytes.
namespace table {
constexpr size_t Satellites = 0;
constexpr size_t Transponders = Satellites + sizeof(ChannelTables::satellites);
constexpr size_t Channels = Transponders + sizeof(ChannelTables::transponders);
constexpr size_t FavoriteNames = Channels + sizeof(ChannelTables::channels);
constexpr size_t OpaqueBlockA = FavoriteNames + sizeof(ChannelTables::favoriteNames);
constexpr size_t OpaqueBlockB = OpaqueBlockA + OpaqueBlockSize;
constexpr size_t Size = OpaqueBlockB + OpaqueBlockSize;

constexpr size_t satellite(int s) {
    return Satellites + static_cast<size_t>(s) * SatelliteRecordSize;
}
constexpr size_t transponder(int t) {
    return Transponders + static_cast<size_t>(t) * TransponderRecordSize;
}
constexpr size_t channel(int ch) {
    return Channels + static_cast<size_t>(ch) * ChannelRecordSize;
}
constexpr size_t favoriteName(int slot) {
    return FavoriteNames + static_cast<size_t>(slot) * FavoriteNameSize;
}
}  // namespace table

static_assert(sizeof(ChannelTables) == table::Size, "the tables hold no padding");

extern const char* const CasNames[8];

constexpr int satelliteCount() {
    return SatelliteCapacity;
}
constexpr bool isValidSatellite(int s) {
    return s >= 0 && s < SatelliteCapacity;
}

// Names of the set bits 0..7 joined by "/".
std::string casText(int bits);
// casText(bits) is not empty: the CAS column shows a value.
constexpr bool showsCas(int bits) {
    return (bits & 0xFF) != 0;
}

class ChannelDatabase {
public:
    // Every table zero.
    ChannelDatabase();

    const ChannelTables& tables() const { return tables_; }
    ChannelTables& mutableTables() { return tables_; }
    // The tables as one run of table::Size bytes (offsets in namespace table).
    const uint8_t* bytes() const { return reinterpret_cast<const uint8_t*>(&tables_); }
    uint8_t* mutableBytes() { return reinterpret_cast<uint8_t*>(&tables_); }

    bool isLiveTransponder(int t) const;
    bool isLiveChannel(int ch) const;

    // Names are bytes (Latin-1 when shown). A reader stops at the first NUL of the name's
    // area and yields the whole area when there is none.
    std::string_view satelliteName(int s) const;
    bool isSatelliteShown(int s) const;

    int transponderSatellite(int t) const;
    int transponderFrequencyMhz(int t) const;
    int transponderSymbolRate(int t) const;
    int transponderPolarization(int t) const;

    int channelTransponder(int ch) const;
    // DeletedSatelliteIndex, which matches no satellite, for a channel that is not live.
    int channelSatellite(int ch) const;
    std::string_view channelName(int ch) const;
    int channelServiceId(int ch) const;
    int channelVideoPid(int ch) const;
    int channelAudioPid(int ch) const;
    int channelPcrPid(int ch) const;
    int channelCasBits(int ch) const;
    int channelFlags(int ch) const;
    bool isChannelLocked(int ch) const;
    bool isRadioChannel(int ch) const;
    int channelFavoriteBits(int ch) const;
    bool hasFavorites(int ch) const;
    bool isInFavoriteGroup(int ch, int group) const;

    std::string_view favoriteGroupName(int slot) const;

    void setTransponderFrequencyMhz(int t, int mhz);
    void setTransponderSymbolRate(int t, int value);
    void setTransponderPolarization(int t, int value);
    void setChannelName(int ch, std::string_view name);  // at most 16 bytes, then its NUL
    void setChannelServiceId(int ch, int value);
    void setChannelVideoPid(int ch, int value);
    void setChannelAudioPid(int ch, int value);
    void setChannelPcrPid(int ch, int value);
    void setChannelCasBits(int ch, int value);
    void setChannelLocked(int ch, bool locked);
    bool setFavoriteBits(int ch, int bits);  // false (nothing changed) for a channel not live
    void setFavoriteGroupName(int slot, std::string_view name);  // at most 15 bytes, then NUL
    void setSatelliteShown(int s, bool shown);                   // bit 0 only
    void setSatelliteName(int s, std::string_view name);         // at most 43 bytes, then NUL

private:
    const uint8_t* channelRecord(int ch) const;
    uint8_t* channelRecord(int ch);
    const uint8_t* transponderRecord(int t) const;
    uint8_t* transponderRecord(int t);

    ChannelTables tables_;
};

}  // namespace kavro
