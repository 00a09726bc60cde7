#include "ChannelOrder.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "ByteOrder.h"
#include "ChannelDatabase.h"
#include "TableEditing.h"

namespace kavro {

namespace {

// A name as its sort key: the bytes with A-Z as a-z, NUL after the name. Names hold no NUL,
// so comparing whole keys puts a name before every longer name it begins. The bytes are
// packed big-endian into words, so that comparing words compares the bytes in order, eight
// at a time.
struct NameKey {
    static constexpr int Words = (ch::NameArea + 7) / 8;
    std::array<uint64_t, Words> words{};
    int position = 0;

    bool operator<(const NameKey& other) const {
        for (int i = 0; i < Words; ++i) {
            if (words[i] != other.words[i]) {
                return words[i] < other.words[i];
            }
        }
        return position < other.position;
    }
};

// Service ID, or transponder then service ID, packed into one number.
struct NumberKey {
    uint64_t value = 0;
    int position = 0;

    bool operator<(const NumberKey& other) const {
        return value != other.value ? value < other.value : position < other.position;
    }
};

NameKey nameKey(const ChannelDatabase& db, int ch, int position) {
    NameKey key;
    key.position = position;
    const std::string_view name = db.channelName(ch);
    for (size_t i = 0; i < name.size(); ++i) {
        auto byte = static_cast<uint8_t>(name[i]);
        byte = byte >= 'A' && byte <= 'Z' ? static_cast<uint8_t>(byte + ('a' - 'A')) : byte;
        key.words[i / 8] |= static_cast<uint64_t>(byte) << (56 - 8 * (i % 8));
    }
    return key;
}

// Satellite (7 bits), frequency in kHz (32), horizontal (1), service ID (16).
uint64_t transponderKey(const ChannelDatabase& db, int ch) {
    const int t = db.channelTransponder(ch);
    const uint8_t* rec = db.tables().transponders[t];
    const uint64_t satellite = rec[tp::SatelliteIndex];
    const uint64_t khz = readU32(rec + tp::FrequencyKhz);
    const uint64_t horizontal = rec[tp::Polarization] != 0 ? 1 : 0;
    return satellite << 49 | khz << 17 | horizontal << 16 |
           static_cast<uint64_t>(db.channelServiceId(ch));
}

NumberKey numberKey(const ChannelDatabase& db, int ch, int position, SortKey key) {
    const uint64_t value = key == SortKey::ServiceId
                               ? static_cast<uint64_t>(db.channelServiceId(ch))
                               : transponderKey(db, ch);
    return {value, position};
}

// Each position is its own tie-break: a plain sort gives the stable order.
template <typename Key, typename MakeKey>
void orderByKeys(std::span<const int> slots, MakeKey makeKey, std::vector<int>& order) {
    std::vector<Key> keys;
    keys.reserve(slots.size());
    for (size_t i = 0; i < slots.size(); ++i) {
        keys.push_back(makeKey(slots[i], static_cast<int>(i)));
    }
    std::sort(keys.begin(), keys.end());
    order.resize(slots.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        order[i] = slots[static_cast<size_t>(keys[i].position)];
    }
}

}  // namespace

int rowMoveTarget(const ChannelDatabase& db, std::span<const int> listed, const ChannelSet& block,
                  int row) {
    row = std::max(row, 0);
    int staying = 0;
    int lastStaying = -1;
    for (int ch : listed) {
        if (block.contains(ch)) {
            continue;
        }
        if (staying++ == row) {
            return ch;
        }
        lastStaying = ch;
    }
    if (lastStaying < 0) {
        return NothingMoves;
    }
    for (int ch = lastStaying + 1; ch < ChannelCapacity; ++ch) {
        if (db.isLiveChannel(ch) && !block.contains(ch)) {
            return ch;
        }
    }
    return MoveToEnd;
}

std::string_view sortKeyName(SortKey key) {
    switch (key) {
        case SortKey::Name:
            return "name";
        case SortKey::ServiceId:
            return "service ID";
        case SortKey::Transponder:
            return "transponder";
    }
    return {};
}

void sortOrder(const ChannelDatabase& db, std::span<const int> slots, SortKey key,
               std::vector<int>& order) {
    if (key == SortKey::Name) {
        orderByKeys<NameKey>(
            slots, [&](int ch, int position) { return nameKey(db, ch, position); }, order);
    } else {
        orderByKeys<NumberKey>(
            slots, [&](int ch, int position) { return numberKey(db, ch, position, key); }, order);
    }
}

void sortChannels(ChannelDatabase& db, std::span<const int> slots, SortKey key,
                  std::vector<uint8_t>& buffer) {
    std::vector<int> order;
    sortOrder(db, slots, key, order);
    buffer.resize(order.size() * ChannelRecordSize);
    for (size_t i = 0; i < order.size(); ++i) {
        std::memcpy(buffer.data() + i * ChannelRecordSize, db.tables().channels[order[i]],
                    ChannelRecordSize);
    }
    for (size_t i = 0; i < order.size(); ++i) {
        std::memcpy(db.mutableTables().channels[slots[i]], buffer.data() + i * ChannelRecordSize,
                    ChannelRecordSize);
    }
}

}  // namespace kavro
