#include "ChannelMatch.h"

#include <algorithm>

#include "ChannelDatabase.h"

namespace kavro {

namespace {

// Positions of `entries` ordered by key, equal keys in their order: by key and position,
// which a plain sort does without the buffer a stable one would allocate.
void byKey(std::span<const MatchEntry> entries, std::vector<int>& order) {
    order.resize(entries.size());
    for (size_t i = 0; i < order.size(); ++i) {
        order[i] = static_cast<int>(i);
    }
    std::sort(order.begin(), order.end(), [&](int x, int y) {
        return entries[x].key != entries[y].key ? entries[x].key < entries[y].key : x < y;
    });
}

// The end of the run of equal keys that starts at `from` in `order`.
size_t runEnd(std::span<const MatchEntry> entries, const std::vector<int>& order, size_t from) {
    size_t end = from + 1;
    while (end < order.size() && entries[order[end]].key == entries[order[from]].key) {
        ++end;
    }
    return end;
}

// Pairs two runs of one key: by name when asked, each name's entries in their order; else
// simply in their order.
void pairRuns(std::span<const MatchEntry> a, std::span<const MatchEntry> b, std::span<int> runA,
              std::span<int> runB, bool byName, std::vector<int>& partner) {
    if (byName && (runA.size() > 1 || runB.size() > 1)) {
        // A run holds its positions in their order, so by name and position is by name with
        // equal names in their order.
        const auto nameOrder = [](std::span<const MatchEntry> entries) {
            return [entries](int x, int y) {
                return entries[x].name != entries[y].name ? entries[x].name < entries[y].name
                                                          : x < y;
            };
        };
        std::sort(runA.begin(), runA.end(), nameOrder(a));
        std::sort(runB.begin(), runB.end(), nameOrder(b));
        size_t i = 0, j = 0;
        while (i < runA.size() && j < runB.size()) {
            const std::string_view x = a[runA[i]].name;
            const std::string_view y = b[runB[j]].name;
            if (x == y) {
                partner[runA[i++]] = runB[j++];
            } else if (x < y) {
                ++i;
            } else {
                ++j;
            }
        }
        return;
    }
    for (size_t k = 0; k < runA.size() && k < runB.size(); ++k) {
        partner[runA[k]] = runB[k];
    }
}

}  // namespace

uint64_t transponderMatchKey(const ChannelDatabase& db, int t) {
    const auto satellite = static_cast<uint64_t>(db.transponderSatellite(t));
    const auto mhz = static_cast<uint64_t>(db.transponderFrequencyMhz(t));
    const uint64_t horizontal = db.transponderPolarization(t) != 0 ? 1 : 0;
    return satellite << 40 | mhz << 1 | horizontal;  // MHz below 2^32 / 1000
}

uint64_t channelMatchKey(const ChannelDatabase& db, int ch) {
    return transponderMatchKey(db, db.channelTransponder(ch)) << 16 |
           static_cast<uint64_t>(db.channelServiceId(ch));
}

TransponderKeys::TransponderKeys(const ChannelDatabase& db) : db_(db) {
    for (int t = 0; t < TransponderCapacity; ++t) {
        live_[t] = db.isLiveTransponder(t);
        keys_[t] = live_[t] ? transponderMatchKey(db, t) : 0;
    }
}

// A channel is live when its transponder is (isLiveChannel), and keyed by it.
bool TransponderKeys::liveChannelKey(int ch, uint64_t& key) const {
    const int t = db_.channelTransponder(ch);
    if (t < 0 || t >= TransponderCapacity || !live_[t]) {
        return false;
    }
    key = keys_[t] << 16 | static_cast<uint64_t>(db_.channelServiceId(ch));
    return true;
}

std::vector<int> pairEntries(std::span<const MatchEntry> a, std::span<const MatchEntry> b,
                             bool byName) {
    std::vector<int> partner;
    PairWork work;
    pairEntries(a, b, byName, partner, work);
    return partner;
}

void pairEntries(std::span<const MatchEntry> a, std::span<const MatchEntry> b, bool byName,
                 std::vector<int>& partner, PairWork& work) {
    partner.assign(a.size(), -1);
    std::vector<int>& orderA = work.orderA;
    std::vector<int>& orderB = work.orderB;
    byKey(a, orderA);
    byKey(b, orderB);
    size_t i = 0, j = 0;
    while (i < orderA.size() && j < orderB.size()) {
        const uint64_t x = a[orderA[i]].key;
        const uint64_t y = b[orderB[j]].key;
        if (x < y) {
            i = runEnd(a, orderA, i);
        } else if (y < x) {
            j = runEnd(b, orderB, j);
        } else {
            const size_t endA = runEnd(a, orderA, i);
            const size_t endB = runEnd(b, orderB, j);
            pairRuns(a, b, std::span<int>(orderA).subspan(i, endA - i),
                     std::span<int>(orderB).subspan(j, endB - j), byName, partner);
            i = endA;
            j = endB;
        }
    }
}

std::vector<MatchEntry> channelEntries(const ChannelDatabase& db) {
    std::vector<MatchEntry> entries;
    channelEntries(db, entries);
    return entries;
}

std::vector<MatchEntry> transponderEntries(const ChannelDatabase& db) {
    std::vector<MatchEntry> entries;
    transponderEntries(db, entries);
    return entries;
}

void channelEntries(const ChannelDatabase& db, std::vector<MatchEntry>& entries) {
    const TransponderKeys transponders(db);
    entries.clear();
    entries.reserve(ChannelCapacity);
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (uint64_t key = 0; transponders.liveChannelKey(ch, key)) {
            entries.push_back({key, db.channelName(ch), ch});
        }
    }
}

void transponderEntries(const ChannelDatabase& db, std::vector<MatchEntry>& entries) {
    entries.clear();
    entries.reserve(TransponderCapacity);
    for (int t = 0; t < TransponderCapacity; ++t) {
        if (db.isLiveTransponder(t)) {
            entries.push_back({transponderMatchKey(db, t), {}, t});
        }
    }
}

}  // namespace kavro
