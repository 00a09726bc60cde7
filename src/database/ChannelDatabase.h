// The process-wide channel database: fixed tables for full capacity, accessors over them
// and the liveness rules. Getters widen stored values to int; setters store the low 16
// (u16 fields) or 8 (u8 fields) bits and touch nothing else.
#pragma once

#include <cstdint>
#include <string_view>

#include "RecordLayout.h"

namespace kavro {

struct ChannelDatabase {
    uint8_t satellites[SatelliteCapacity][SatelliteRecordSize];
    uint8_t transponders[TransponderCapacity][TransponderRecordSize];
    uint8_t channels[ChannelCapacity][ChannelRecordSize];
    uint8_t favoriteNames[FavoriteNameSlots][FavoriteNameSize];
    uint8_t opaqueBlockA[OpaqueBlockSize];
    uint8_t opaqueBlockB[OpaqueBlockSize];
    int8_t selectionMarks[ChannelCapacity];  // working state, never saved
};

// The one database of the process, zero at start-up.
ChannelDatabase& channelDatabase();

// Sets every table, mark and the view index back to their start-up state (zeros).
void resetChannelDatabase();

extern const char* const CasNames[8];

int satelliteCount();
bool isValidSatellite(int s);
bool isLiveTransponder(int t);
bool isLiveChannel(int ch);

// Names are bytes (Latin-1 when shown). A reader stops at the first NUL of the name's
// area and yields the whole area when there is none.
std::string_view satelliteName(int s);
bool isSatelliteShown(int s);

int transponderSatellite(int t);
int transponderFrequencyMhz(int t);
void setTransponderFrequencyMhz(int t, int mhz);
int transponderSymbolRate(int t);
void setTransponderSymbolRate(int t, int value);
int transponderPolarization(int t);
void setTransponderPolarization(int t, int value);

int channelTransponder(int ch);
int channelSatellite(int ch);
std::string_view channelName(int ch);
void setChannelName(int ch, std::string_view name);  // at most 16 bytes, then its NUL
int channelServiceId(int ch);
void setChannelServiceId(int ch, int value);
int channelVideoPid(int ch);
void setChannelVideoPid(int ch, int value);
int channelAudioPid(int ch);
void setChannelAudioPid(int ch, int value);
int channelPcrPid(int ch);
void setChannelPcrPid(int ch, int value);
int channelCasBits(int ch);
void setChannelCasBits(int ch, int value);
int channelFlags(int ch);
bool isChannelLocked(int ch);
void setChannelLocked(int ch, bool locked);
bool isRadioChannel(int ch);
int channelFavoriteBits(int ch);
bool hasFavorites(int ch);
bool isInFavoriteGroup(int ch, int group);
bool setFavoriteBits(int ch, int bits);  // false (nothing changed) for a channel that is not live

std::string_view favoriteGroupName(int slot);
void setFavoriteGroupName(int slot, std::string_view name);  // at most 15 bytes, then its NUL

// Names of the set bits 0..7 joined by "/"; one shared buffer that each call overwrites.
std::string_view casText(int bits);

bool isMarked(int ch);
void setMarked(int ch, int value);

}  // namespace kavro
