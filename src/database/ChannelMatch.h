// Which channel and transponder of one database is which of another: the keys two lists are
// compared by, and the pairing by them that the comparison of two files and the order taken
// from a reference list share.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "RecordLayout.h"

namespace kavro {

class ChannelDatabase;

// A live transponder by its satellite index, frequency in MHz and polarization as shown (H
// or V); a live channel by its transponder's key and its service ID.
uint64_t transponderMatchKey(const ChannelDatabase& db, int t);
uint64_t channelMatchKey(const ChannelDatabase& db, int ch);

// Every transponder of a database, live or not, and its key: taken once for the channels
// that refer to them, which a pass over every channel asks of the same few transponders.
class TransponderKeys {
public:
    explicit TransponderKeys(const ChannelDatabase& db);
    // True when channel `ch` of that database is live, `key` then its channelMatchKey().
    bool liveChannelKey(int ch, uint64_t& key) const;

private:
    const ChannelDatabase& db_;
    std::array<bool, TransponderCapacity> live_;
    std::array<uint64_t, TransponderCapacity> keys_;
};

// One side of a pairing: an entry stands for `id` (a slot, a row) under `key`, and `name`
// tells entries of the same key apart.
struct MatchEntry {
    uint64_t key = 0;
    std::string_view name;
    int id = 0;
};

// For each entry of `a`, the position in `b` of its partner, -1 when it has none. Entries
// pair by key where a key stands once on each side; where it stands more often on either
// side, by key and name, the first of `a` with the first of `b` and so on. `byName` false
// pairs equal keys in order without looking at names.
std::vector<int> pairEntries(std::span<const MatchEntry> a, std::span<const MatchEntry> b,
                             bool byName = true);

// The work space of a pairing, for a caller that pairs often: kept from one pairing to the
// next, it spares every allocation once it has grown.
struct PairWork {
    std::vector<int> orderA;
    std::vector<int> orderB;
};
// pairEntries() into `partner`, in `work`.
void pairEntries(std::span<const MatchEntry> a, std::span<const MatchEntry> b, bool byName,
                 std::vector<int>& partner, PairWork& work);

// The live channels of a database in their list order (the all view), each with its key and
// name; the entry's id is the slot. The second forms fill `entries` in place of what it held.
std::vector<MatchEntry> channelEntries(const ChannelDatabase& db);
std::vector<MatchEntry> transponderEntries(const ChannelDatabase& db);
void channelEntries(const ChannelDatabase& db, std::vector<MatchEntry>& entries);
void transponderEntries(const ChannelDatabase& db, std::vector<MatchEntry>& entries);

}  // namespace kavro
