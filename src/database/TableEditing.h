// Operations that change which records are live or where they lie. They change the tables
// only; whoever owns the view index rebuilds it afterwards. Finders change nothing.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "FieldRules.h"
#include "RecordLayout.h"
#include "View.h"

namespace kavro {

class ChannelDatabase;

// The channel slots a delete or a move acts on.
class ChannelSet {
public:
    ChannelSet() = default;
    explicit ChannelSet(std::span<const int> channels);

    // Slots outside the table are ignored.
    void add(int ch);
    bool contains(int ch) const { return ch >= 0 && ch < ChannelCapacity && marks_[ch] != 0; }

private:
    std::array<uint8_t, ChannelCapacity> marks_{};
};

// The first slot that holds no live transponder; TransponderCapacity when the table is full.
int firstFreeTransponder(const ChannelDatabase& db);
// Clears the first free slot and makes it a transponder of `satellite` without channels.
// Returns the slot, or TransponderCapacity when the table is full (nothing changed).
int addTransponder(ChannelDatabase& db, int satellite, int mhz, int symbolRate, int polarization);
// A live transponder of `satellite` other than `except` whose frequency in MHz and
// polarization as shown (0 vertical, 1 horizontal) are these; TransponderCapacity if none.
int sameTransponder(const ChannelDatabase& db, int satellite, int mhz, int polarization,
                    int except = TransponderCapacity);
// Marks slot t deleted and frees every channel that points at it.
void deleteTransponder(ChannelDatabase& db, int t);
// The live channels of transponder t in every view: those deleteTransponder(t) deletes.
int transponderLiveChannelCount(const ChannelDatabase& db, int t);
// Frees every channel that points at slot t; true if there was one.
bool freeTransponderChannels(ChannelDatabase& db, int t);

// The slot findOrAllocateChannel would answer, without preparing it: the first record of
// transponder t with service ID key, else the first free slot; ChannelCapacity when none.
int findChannelSlot(const ChannelDatabase& db, int key, int t);
int findOrAllocateChannel(ChannelDatabase& db, int key, int t);
// The live channel of transponder t that the next addChannel on t fills in place because
// it holds UnassignedServiceId; ChannelCapacity when that add takes a free slot instead.
int channelReusedByAdd(const ChannelDatabase& db, int t);

// The smallest service ID from 1 on that no live channel of transponder t has.
int unusedServiceId(const ChannelDatabase& db, int t);
// Adds a channel on transponder t, a radio channel in View::Radio, a TV channel otherwise.
// Returns its slot, or ChannelCapacity when refused (see channelAddFault); a refused add
// changes nothing.
int addChannel(ChannelDatabase& db, View view, int t, const NewChannel& channel);

// Deletes the live channels of the set; the records after them move up in one pass and
// the slots left over at the end become free.
void deleteChannels(ChannelDatabase& db, const ChannelSet& channels);

// Moves one record to stand before slot `to` (ChannelCapacity: at the end).
void moveChannelRecord(ChannelDatabase& db, int from, int to);

// Target of moveChannels meaning "after the last live channel not moved".
constexpr int MoveToEnd = ChannelCapacity;
// The slot, in the table as it is, before whose record moveChannels puts the block: target
// unless it holds a moved channel; else the first live slot not moved after it, else (and
// for MoveToEnd) the one after the last live slot not moved. -1 when no live channel stays.
int moveInsertionSlot(const ChannelDatabase& db, const ChannelSet& channels, int target);
// Moves the live channels of the set as one block, in their order, before the channel in
// slot target (or to the end). `buffer` holds the records taken out on the way.
void moveChannels(ChannelDatabase& db, const ChannelSet& channels, int target,
                  std::vector<uint8_t>& buffer);

}  // namespace kavro
