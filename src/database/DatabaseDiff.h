// What differs between two databases A and B: channels only in A (removed), only in B
// (added), in both with other values (changed, field by field) and moved; transponders
// removed, added and with another symbol rate; favourite groups renamed. Channels and
// transponders are paired by their keys (ChannelMatch.h).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ChannelMatch.h"

namespace kavro {

class ChannelDatabase;

// The fields of a channel a comparison names, and their names in its reports.
enum class ChannelField { Name, VideoPid, AudioPid, PcrPid, Cas, Lock, Favorites, Kind };
constexpr int ChannelFieldCount = 8;
extern const std::string_view ChannelFieldNames[ChannelFieldCount];

// A channel on either side: its slot and its row in the all view; -1 for a side it is not on.
struct ChannelPlace {
    int slot = -1;
    int row = -1;
};

struct ChannelDifference {
    ChannelPlace a;
    ChannelPlace b;
    std::vector<ChannelField> fields;  // changed: the fields that differ, in the enum's order
};

struct TransponderDifference {
    int a = -1;  // slots; -1 for a side it is not on
    int b = -1;
};

struct DatabaseDiff {
    std::vector<ChannelDifference> added;    // in B's order
    std::vector<ChannelDifference> removed;  // in A's order
    std::vector<ChannelDifference> changed;  // in A's order
    std::vector<ChannelDifference> moved;    // in A's order
    std::vector<TransponderDifference> transpondersAdded;
    std::vector<TransponderDifference> transpondersRemoved;
    std::vector<TransponderDifference> transpondersChanged;  // symbol rate
    std::vector<int> groupsRenamed;  // favourite group slots 0..7 whose names differ

    bool equal() const;
};

DatabaseDiff compareDatabases(const ChannelDatabase& a, const ChannelDatabase& b);

// The work space of longestIncreasing(), for a caller that keeps it from one call to the next.
struct IncreasingWork {
    std::vector<int> tails;
    std::vector<int> previous;
};

// Compares databases as compareDatabases() does, keeping its work space from one comparison
// to the next: a caller that compares many (each backup with the open file, say) allocates
// little besides the differences once the space has grown.
class DatabaseComparer {
public:
    DatabaseDiff compare(const ChannelDatabase& a, const ChannelDatabase& b);

private:
    void compareChannels(const ChannelDatabase& a, const ChannelDatabase& b, DatabaseDiff& diff);
    void compareTransponders(const ChannelDatabase& a, const ChannelDatabase& b,
                             DatabaseDiff& diff);
    void pairTransponders();

    std::vector<MatchEntry> entriesA_;
    std::vector<MatchEntry> entriesB_;
    std::vector<MatchEntry> restA_;
    std::vector<MatchEntry> restB_;
    std::vector<int> partner_;
    std::vector<int> rest_;
    std::vector<int> fromA_;
    std::vector<int> fromB_;
    std::vector<int> positionB_;
    std::vector<int> common_;
    std::vector<int> rowsInB_;
    std::vector<char> pairedB_;
    std::vector<char> taken_;
    std::vector<char> kept_;
    PairWork pairWork_;
    IncreasingWork increasing_;
};

// "N added, N removed, N changed, N moved; transponders: N added, N removed, N changed;
// groups: N renamed".
std::string diffSummaryText(const DatabaseDiff& diff);

// Marks (1) the values of one longest strictly increasing subsequence of `values`, the
// others 0; O(n log n). The second form marks them in `kept`, in `work`.
std::vector<char> longestIncreasing(std::span<const int> values);
void longestIncreasing(std::span<const int> values, std::vector<char>& kept, IncreasingWork& work);

}  // namespace kavro
