#include "ChannelDatabase.h"

#include <cassert>
#include <cstring>

#include "ByteOrder.h"

namespace kavro {

namespace {

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

}  // namespace

const char* const CasNames[8] = {"Seca", "Vi", "Ir", "CX", "CW", "Beta", "Na", "Other"};

std::string casText(int bits) {
    std::string text;
    for (int n = 0; n < 8; ++n) {
        if ((bits >> n & 1) != 0) {
            text += text.empty() ? "" : "/";
            text += CasNames[n];
        }
    }
    return text;
}

ChannelDatabase::ChannelDatabase() : tables_{} {}

const uint8_t* ChannelDatabase::channelRecord(int ch) const {
    assert(ch >= 0 && ch < ChannelCapacity);
    return tables_.channels[ch];
}

uint8_t* ChannelDatabase::channelRecord(int ch) {
    assert(ch >= 0 && ch < ChannelCapacity);
    return tables_.channels[ch];
}

const uint8_t* ChannelDatabase::transponderRecord(int t) const {
    assert(t >= 0 && t < TransponderCapacity);
    return tables_.transponders[t];
}

uint8_t* ChannelDatabase::transponderRecord(int t) {
    assert(t >= 0 && t < TransponderCapacity);
    return tables_.transponders[t];
}

bool ChannelDatabase::isLiveTransponder(int t) const {
    return t >= 0 && t < TransponderCapacity && isValidSatellite(transponderRecord(t)[0]);
}

bool ChannelDatabase::isLiveChannel(int ch) const {
    return ch >= 0 && ch < ChannelCapacity && isLiveTransponder(channelTransponder(ch));
}

std::string_view ChannelDatabase::satelliteName(int s) const {
    assert(isValidSatellite(s));
    return nameInArea(tables_.satellites[s] + sat::Name, sat::NameArea);
}

bool ChannelDatabase::isSatelliteShown(int s) const {
    return isValidSatellite(s) && (tables_.satellites[s][sat::ShownFlags] & 1) != 0;
}

int ChannelDatabase::transponderSatellite(int t) const {
    return transponderRecord(t)[tp::SatelliteIndex];
}

int ChannelDatabase::transponderFrequencyMhz(int t) const {
    return static_cast<int>(readU32(transponderRecord(t) + tp::FrequencyKhz) / 1000u);
}

int ChannelDatabase::transponderSymbolRate(int t) const {
    return readU16(transponderRecord(t) + tp::SymbolRate);
}

int ChannelDatabase::transponderPolarization(int t) const {
    return transponderRecord(t)[tp::Polarization];
}

int ChannelDatabase::channelTransponder(int ch) const {
    return readU16(channelRecord(ch) + ch::TransponderIndex);
}

int ChannelDatabase::channelSatellite(int ch) const {
    int t = channelTransponder(ch);
    return t < TransponderCapacity ? transponderSatellite(t) : DeletedSatelliteIndex;
}

std::string_view ChannelDatabase::channelName(int ch) const {
    return nameInArea(channelRecord(ch) + ch::Name, ch::NameArea);
}

int ChannelDatabase::channelServiceId(int ch) const {
    return readU16(channelRecord(ch) + ch::ServiceId);
}

int ChannelDatabase::channelVideoPid(int ch) const {
    return readU16(channelRecord(ch) + ch::VideoPid);
}

int ChannelDatabase::channelAudioPid(int ch) const {
    return readU16(channelRecord(ch) + ch::AudioPid);
}

int ChannelDatabase::channelPcrPid(int ch) const {
    return readU16(channelRecord(ch) + ch::PcrPid);
}

int ChannelDatabase::channelCasBits(int ch) const {
    return readU16(channelRecord(ch) + ch::CasBits);
}

int ChannelDatabase::channelFlags(int ch) const {
    return readU16(channelRecord(ch) + ch::Flags);
}

bool ChannelDatabase::isChannelLocked(int ch) const {
    return (channelFlags(ch) & ChannelFlagLock) != 0;
}

bool ChannelDatabase::isRadioChannel(int ch) const {
    return (channelFlags(ch) & ChannelFlagTv) == 0;
}

int ChannelDatabase::channelFavoriteBits(int ch) const {
    return readU16(channelRecord(ch) + ch::FavoriteBits);
}

bool ChannelDatabase::hasFavorites(int ch) const {
    return channelFavoriteBits(ch) != 0;
}

bool ChannelDatabase::isInFavoriteGroup(int ch, int group) const {
    return group >= 0 && group < 16 && (channelFavoriteBits(ch) >> group & 1) != 0;
}

std::string_view ChannelDatabase::favoriteGroupName(int slot) const {
    assert(slot >= 0 && slot < FavoriteNameSlots);
    return nameInArea(tables_.favoriteNames[slot], FavoriteNameSize);
}

void ChannelDatabase::setTransponderFrequencyMhz(int t, int mhz) {
    writeU32(transponderRecord(t) + tp::FrequencyKhz, static_cast<uint32_t>(mhz) * 1000u);
}

void ChannelDatabase::setTransponderSymbolRate(int t, int value) {
    writeU16(transponderRecord(t) + tp::SymbolRate, static_cast<uint32_t>(value));
}

void ChannelDatabase::setTransponderPolarization(int t, int value) {
    transponderRecord(t)[tp::Polarization] = static_cast<uint8_t>(value);
}

void ChannelDatabase::setChannelName(int ch, std::string_view name) {
    storeName(channelRecord(ch) + ch::Name, name, ch::NameLimit);
}

void ChannelDatabase::setChannelServiceId(int ch, int value) {
    writeU16(channelRecord(ch) + ch::ServiceId, static_cast<uint32_t>(value));
}

void ChannelDatabase::setChannelVideoPid(int ch, int value) {
    writeU16(channelRecord(ch) + ch::VideoPid, static_cast<uint32_t>(value));
}

void ChannelDatabase::setChannelAudioPid(int ch, int value) {
    writeU16(channelRecord(ch) + ch::AudioPid, static_cast<uint32_t>(value));
}

void ChannelDatabase::setChannelPcrPid(int ch, int value) {
    writeU16(channelRecord(ch) + ch::PcrPid, static_cast<uint32_t>(value));
}

void ChannelDatabase::setChannelCasBits(int ch, int value) {
    writeU16(channelRecord(ch) + ch::CasBits, static_cast<uint32_t>(value));
}

void ChannelDatabase::setChannelLocked(int ch, bool locked) {
    const int flags = channelFlags(ch);
    writeU16(channelRecord(ch) + ch::Flags,
             static_cast<uint32_t>(locked ? flags | ChannelFlagLock : flags & ~ChannelFlagLock));
}

bool ChannelDatabase::setFavoriteBits(int ch, int bits) {
    if (!isLiveChannel(ch)) {
        return false;
    }
    writeU16(channelRecord(ch) + ch::FavoriteBits, static_cast<uint32_t>(bits));
    return true;
}

void ChannelDatabase::setFavoriteGroupName(int slot, std::string_view name) {
    assert(slot >= 0 && slot < FavoriteNameSlots);
    storeName(tables_.favoriteNames[slot], name, FavoriteNameLimit);
}

void ChannelDatabase::setSatelliteShown(int s, bool shown) {
    assert(isValidSatellite(s));
    uint8_t& flags = tables_.satellites[s][sat::ShownFlags];
    flags = static_cast<uint8_t>(shown ? flags | 1 : flags & ~1);
}

void ChannelDatabase::setSatelliteName(int s, std::string_view name) {
    assert(isValidSatellite(s));
    storeName(tables_.satellites[s] + sat::Name, name, sat::NameLimit);
}

}  // namespace kavro
