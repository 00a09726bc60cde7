// Operations that change which records are live or where they lie. Each user-level
// operation ends with rebuildViewIndex(); selection marks travel with their records.
#pragma once

#include <string_view>

#include "RecordLayout.h"

namespace kavro {

int firstFreeTransponder();
// New transponder's index, or TransponderCapacity when the table is full.
int addTransponder(int satellite, int mhz, int symbolRate, int polarization);
void deleteTransponder(int t);
// The live channels of transponder t in every view: those deleteTransponder(t) deletes.
int transponderLiveChannelCount(int t);
bool markTransponderChannelsDeleted(int t);
// The slot findOrAllocateChannel would answer, without preparing it: the first record of
// transponder t with service ID key, else the first free slot; ChannelCapacity when none.
int findChannelSlot(int key, int t);
int findOrAllocateChannel(int key, int t);
// The live channel of transponder t that the next addChannel on t fills in place because
// it holds UnassignedServiceId; ChannelCapacity when that add takes a free slot instead.
int channelReusedByAdd(int t);
// casIndex is stored as casBits, lockIndex 1 sets the lock; in ViewRadio the new channel
// is a radio channel.
bool addChannel(int view, int t, std::string_view name, int videoPid, int audioPid, int pcrPid,
                int serviceId, int casIndex, int lockIndex);
void deleteMarkedChannels();
bool clearMarks();
int firstMarkedChannel();
void moveChannelRecord(int from, int to);

// Target of moveMarkedChannels meaning "after the last unmarked live channel".
constexpr int MoveToEnd = ChannelCapacity;
// Moves the marked live channels as one block, in their order, before the channel in slot
// target (or to the end); clears every mark.
void moveMarkedChannels(int target);

}  // namespace kavro
