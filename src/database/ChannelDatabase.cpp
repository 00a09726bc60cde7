#include "ChannelDatabase.h"

#include <cassert>
#include <cstring>

#include "ByteOrder.h"
#include "ViewIndex.h"

namespace kavro {

namespace {

ChannelDatabase database;  // zero at start-up, lives until exit

uint8_t* channelRecord(int ch) {
    assert(ch >= 0 && ch < ChannelCapacity);
    return database.channels[ch];
}

const uint8_t* transponderRecord(int t) {
    assert(t >= 0 && t < TransponderCapacity);
    return database.transponders[t];
}

uint8_t* mutableTransponderRecord(int t) {
    assert(t >= 0 && t < TransponderCapacity);
    return database.transponders[t];
}

// The bytes of a name area up to its first NUL, or the whole area when it holds none.
std::string_view nameInArea(const uint8_t* area, int areaSize) {
    const void* nul = std::memchr(area, 0, static_cast<size_t>(areaSize));
    size_t length = nul ? static_cast<size_t>(static_cast<const uint8_t*>(nul) - area)
                        : static_cast<size_t>(areaSize);
    return {reinterpret_cast<const char*>(area), length};
}

// Copies at most `limit` bytes of `text` and a terminating NUL to `area`.
void storeName(uint8_t* area, std::string_view text, int limit) {
    size_t length =
        text.size() < static_cast<size_t>(limit) ? text.size() : static_cast<size_t>(limit);
    std::memcpy(area, text.data(), length);
    area[length] = 0;
}

int readChannelU16(int ch, int offset) {
    return readU16(channelRecord(ch) + offset);
}

void writeChannelU16(int ch, int offset, int value) {
    writeU16(channelRecord(ch) + offset, static_cast<uint32_t>(value));
}

}  // namespace

const char* const CasNames[8] = {"Seca", "Vi", "Ir", "CX", "CW", "Beta", "Na", "Other"};

ChannelDatabase& channelDatabase() {
    return database;
}

void resetChannelDatabase() {
    std::memset(&database, 0, sizeof database);
    ViewIndex& view = viewIndex();
    std::memset(&view, 0, sizeof view);
    view.currentView = ViewAll;
}

int satelliteCount() {
    return SatelliteCapacity;
}

bool isValidSatellite(int s) {
    return s >= 0 && s < SatelliteCapacity;
}

bool isLiveTransponder(int t) {
    return t >= 0 && t < TransponderCapacity && isValidSatellite(transponderRecord(t)[0]);
}

bool isLiveChannel(int ch) {
    return ch >= 0 && ch < ChannelCapacity &&
           isLiveTransponder(readChannelU16(ch, ch::TransponderIndex));
}

std::string_view satelliteName(int s) {
    assert(isValidSatellite(s));
    return nameInArea(database.satellites[s] + sat::Name, sat::NameArea);
}

bool isSatelliteShown(int s) {
    return isValidSatellite(s) && (database.satellites[s][sat::ShownFlags] & 1) != 0;
}

int transponderSatellite(int t) {
    return transponderRecord(t)[tp::SatelliteIndex];
}

int transponderFrequencyMhz(int t) {
    return static_cast<int>(readU32(transponderRecord(t) + tp::FrequencyKhz) / 1000u);
}

void setTransponderFrequencyMhz(int t, int mhz) {
    writeU32(mutableTransponderRecord(t) + tp::FrequencyKhz, static_cast<uint32_t>(mhz) * 1000u);
}

int transponderSymbolRate(int t) {
    return readU16(transponderRecord(t) + tp::SymbolRate);
}

void setTransponderSymbolRate(int t, int value) {
    writeU16(mutableTransponderRecord(t) + tp::SymbolRate, static_cast<uint32_t>(value));
}

int transponderPolarization(int t) {
    return transponderRecord(t)[tp::Polarization];
}

void setTransponderPolarization(int t, int value) {
    mutableTransponderRecord(t)[tp::Polarization] = static_cast<uint8_t>(value);
}

int channelTransponder(int ch) {
    return readChannelU16(ch, ch::TransponderIndex);
}

// For a channel that is not live there is no satellite: the answer is then
// DeletedSatelliteIndex, which matches no satellite.
int channelSatellite(int ch) {
    int t = channelTransponder(ch);
    return t < TransponderCapacity ? transponderSatellite(t) : DeletedSatelliteIndex;
}

std::string_view channelName(int ch) {
    return nameInArea(channelRecord(ch) + ch::Name, ch::NameArea);
}

void setChannelName(int ch, std::string_view name) {
    storeName(channelRecord(ch) + ch::Name, name, ch::NameLimit);
}

int channelServiceId(int ch) {
    return readChannelU16(ch, ch::ServiceId);
}

void setChannelServiceId(int ch, int value) {
    writeChannelU16(ch, ch::ServiceId, value);
}

int channelVideoPid(int ch) {
    return readChannelU16(ch, ch::VideoPid);
}

void setChannelVideoPid(int ch, int value) {
    writeChannelU16(ch, ch::VideoPid, value);
}

int channelAudioPid(int ch) {
    return readChannelU16(ch, ch::AudioPid);
}

void setChannelAudioPid(int ch, int value) {
    writeChannelU16(ch, ch::AudioPid, value);
}

int channelPcrPid(int ch) {
    return readChannelU16(ch, ch::PcrPid);
}

void setChannelPcrPid(int ch, int value) {
    writeChannelU16(ch, ch::PcrPid, value);
}

int channelCasBits(int ch) {
    return readChannelU16(ch, ch::CasBits);
}

void setChannelCasBits(int ch, int value) {
    writeChannelU16(ch, ch::CasBits, value);
}

int channelFlags(int ch) {
    return readChannelU16(ch, ch::Flags);
}

bool isChannelLocked(int ch) {
    return (channelFlags(ch) & ChannelFlagLock) != 0;
}

void setChannelLocked(int ch, bool locked) {
    int flags = channelFlags(ch);
    writeChannelU16(ch, ch::Flags, locked ? flags | ChannelFlagLock : flags & ~ChannelFlagLock);
}

bool isRadioChannel(int ch) {
    return (channelFlags(ch) & ChannelFlagTv) == 0;
}

int channelFavoriteBits(int ch) {
    return readChannelU16(ch, ch::FavoriteBits);
}

bool hasFavorites(int ch) {
    return channelFavoriteBits(ch) != 0;
}

bool isInFavoriteGroup(int ch, int group) {
    return group >= 0 && group < 16 && (channelFavoriteBits(ch) >> group & 1) != 0;
}

bool setFavoriteBits(int ch, int bits) {
    if (!isLiveChannel(ch)) {
        return false;
    }
    writeChannelU16(ch, ch::FavoriteBits, bits);
    return true;
}

std::string_view favoriteGroupName(int slot) {
    assert(slot >= 0 && slot < FavoriteNameSlots);
    return nameInArea(database.favoriteNames[slot], FavoriteNameSize);
}

void setFavoriteGroupName(int slot, std::string_view name) {
    assert(slot >= 0 && slot < FavoriteNameSlots);
    storeName(database.favoriteNames[slot], name, FavoriteNameLimit);
}

std::string_view casText(int bits) {
    static char buffer[80];
    size_t length = 0;
    for (int n = 0; n < 8; ++n) {
        if ((bits >> n & 1) == 0) {
            continue;
        }
        if (length > 0) {
            buffer[length++] = '/';
        }
        size_t nameLength = std::strlen(CasNames[n]);
        std::memcpy(buffer + length, CasNames[n], nameLength);
        length += nameLength;
    }
    buffer[length] = 0;
    return {buffer, length};
}

bool isMarked(int ch) {
    assert(ch >= 0 && ch < ChannelCapacity);
    return database.selectionMarks[ch] != 0;
}

void setMarked(int ch, int value) {
    assert(ch >= 0 && ch < ChannelCapacity);
    database.selectionMarks[ch] = value != 0 ? 1 : 0;
}

}  // namespace kavro
