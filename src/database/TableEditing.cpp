#include "TableEditing.h"

#include <cstring>

#include "ByteOrder.h"
#include "ChannelDatabase.h"
#include "FieldRules.h"
#include "ViewIndex.h"

namespace kavro {

namespace {

// Records taken out by a move wait here; fixed, so a move allocates nothing.
uint8_t movedRecords[ChannelCapacity][ChannelRecordSize];

uint8_t* record(int ch) {
    return channelDatabase().channels[ch];
}

int8_t* marks() {
    return channelDatabase().selectionMarks;
}

void copySlot(int from, int to) {
    std::memcpy(record(to), record(from), ChannelRecordSize);
    marks()[to] = marks()[from];
}

void makeFreeSlot(int ch) {
    std::memset(record(ch), 0, ChannelRecordSize);
    writeU16(record(ch) + ch::TransponderIndex, DeletedTransponderIndex);
    marks()[ch] = 0;
}

bool isMarkedLive(int ch) {
    return marks()[ch] != 0 && isLiveChannel(ch);
}

// Sets every channel that points at transponder slot t free; true if there was one.
bool freeChannelsOf(int t) {
    bool any = false;
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (channelTransponder(ch) == t) {
            writeU16(record(ch) + ch::TransponderIndex, DeletedTransponderIndex);
            any = true;
        }
    }
    return any;
}

bool acceptsPids(int view, int videoPid, int audioPid, int pcrPid, int serviceId) {
    if (channelAddFault(view, videoPid, audioPid, pcrPid, serviceId) != ChannelAddFault::None) {
        return false;
    }
    return videoPid <= PidLimit && audioPid <= PidLimit && pcrPid <= PidLimit;
}

// The slot before whose record the moved block lands, as a slot of the table as it was:
// ChannelCapacity stands for "after the last unmarked live channel". -1 when there is no
// unmarked live channel at all.
int insertionSlot(int target) {
    int lastUnmarkedLive = -1;
    for (int ch = ChannelCapacity - 1; ch >= 0 && lastUnmarkedLive < 0; --ch) {
        if (isLiveChannel(ch) && marks()[ch] == 0) {
            lastUnmarkedLive = ch;
        }
    }
    if (lastUnmarkedLive < 0) {
        return -1;
    }
    if (target < 0 || target >= ChannelCapacity) {
        return lastUnmarkedLive + 1;
    }
    if (!isMarkedLive(target)) {
        return target;
    }
    for (int ch = target + 1; ch <= lastUnmarkedLive; ++ch) {
        if (isLiveChannel(ch) && marks()[ch] == 0) {
            return ch;
        }
    }
    return lastUnmarkedLive + 1;
}

// Takes the marked live records out in slot order; returns how many there were.
int takeMarkedRecords() {
    int count = 0;
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (isMarkedLive(ch)) {
            std::memcpy(movedRecords[count++], record(ch), ChannelRecordSize);
        }
    }
    return count;
}

// Closes the gaps of the taken records: those before slot x move towards the front, those
// from x on towards the back, each keeping its order. Returns where the block goes.
int closeAroundSlot(int x) {
    int front = 0;
    for (int ch = 0; ch < x; ++ch) {
        if (!isMarkedLive(ch)) {
            if (front != ch) {
                copySlot(ch, front);
            }
            ++front;
        }
    }
    int back = ChannelCapacity;
    for (int ch = ChannelCapacity - 1; ch >= x; --ch) {
        if (!isMarkedLive(ch)) {
            if (--back != ch) {
                copySlot(ch, back);
            }
        }
    }
    return front;
}

}  // namespace

int firstFreeTransponder() {
    for (int t = 0; t < TransponderCapacity; ++t) {
        if (!isLiveTransponder(t)) {
            std::memset(channelDatabase().transponders[t], 0, TransponderRecordSize);
            return t;
        }
    }
    return TransponderCapacity;
}

int addTransponder(int satellite, int mhz, int symbolRate, int polarization) {
    int t = firstFreeTransponder();
    if (t == TransponderCapacity) {
        return t;
    }
    uint8_t* rec = channelDatabase().transponders[t];
    rec[tp::SatelliteIndex] = static_cast<uint8_t>(satellite);
    setTransponderFrequencyMhz(t, mhz);
    setTransponderSymbolRate(t, symbolRate);
    setTransponderPolarization(t, polarization);
    freeChannelsOf(t);  // a new transponder starts without channels
    rebuildViewIndex();
    return t;
}

void deleteTransponder(int t) {
    if (t < 0 || t >= TransponderCapacity) {
        return;
    }
    channelDatabase().transponders[t][tp::SatelliteIndex] = DeletedSatelliteIndex;
    markTransponderChannelsDeleted(t);
    rebuildViewIndex();
}

int transponderLiveChannelCount(int t) {
    if (!isLiveTransponder(t)) {
        return 0;
    }
    int count = 0;
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        count += channelTransponder(ch) == t ? 1 : 0;
    }
    return count;
}

bool markTransponderChannelsDeleted(int t) {
    return freeChannelsOf(t);
}

int findChannelSlot(int key, int t) {
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (channelTransponder(ch) == t && channelServiceId(ch) == key) {
            return ch;
        }
    }
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (!isLiveChannel(ch)) {
            return ch;
        }
    }
    return ChannelCapacity;
}

int channelReusedByAdd(int t) {
    const int ch = findChannelSlot(UnassignedServiceId, t);
    return ch != ChannelCapacity && isLiveChannel(ch) && channelTransponder(ch) == t
               ? ch
               : ChannelCapacity;
}

int findOrAllocateChannel(int key, int t) {
    const int ch = findChannelSlot(key, t);
    if (ch == ChannelCapacity || isLiveChannel(ch)) {
        return ch;
    }
    std::memset(record(ch), 0, ChannelRecordSize);
    marks()[ch] = 0;  // a fresh channel is never selected
    writeU16(record(ch) + ch::TransponderIndex, static_cast<uint32_t>(t));
    writeU16(record(ch) + ch::ServiceId, static_cast<uint32_t>(key));
    setChannelName(ch, "----");
    return ch;
}

bool addChannel(int view, int t, std::string_view name, int videoPid, int audioPid, int pcrPid,
                int serviceId, int casIndex, int lockIndex) {
    if (!acceptsPids(view, videoPid, audioPid, pcrPid, serviceId)) {
        return false;
    }
    int ch = findOrAllocateChannel(UnassignedServiceId, t);
    if (ch == ChannelCapacity) {
        return false;
    }
    int flags = view == ViewRadio ? 1 : 1 | ChannelFlagTv;
    writeU16(record(ch) + ch::Flags,
             static_cast<uint32_t>(lockIndex > 0 ? flags | ChannelFlagLock : flags));
    setChannelName(ch, name);
    setChannelServiceId(ch, serviceId);
    writeU16(record(ch) + ch::NameTail, 0);
    setChannelAudioPid(ch, audioPid);
    setChannelVideoPid(ch, videoPid);
    setChannelPcrPid(ch, pcrPid);
    setChannelCasBits(ch, casIndex > 0 ? casIndex : 0);
    rebuildViewIndex();
    return true;
}

// One pass: every record that stays moves to the next place at the front, in order; the
// slots left over at the end become free.
void deleteMarkedChannels() {
    int kept = 0;
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (!isMarkedLive(ch)) {
            if (kept != ch) {
                copySlot(ch, kept);
            }
            ++kept;
        }
    }
    for (int ch = kept; ch < ChannelCapacity; ++ch) {
        makeFreeSlot(ch);
    }
    rebuildViewIndex();
    clearMarks();
}

bool clearMarks() {
    bool any = false;
    for (int8_t& mark : channelDatabase().selectionMarks) {
        any = any || mark != 0;
        mark = 0;
    }
    return any;
}

int firstMarkedChannel() {
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (marks()[ch] != 0) {
            return ch;
        }
    }
    return ChannelCapacity;
}

void moveChannelRecord(int from, int to) {
    if (from < 0 || from >= ChannelCapacity || to < 0 || to > ChannelCapacity) {
        return;
    }
    uint8_t copy[ChannelRecordSize];
    std::memcpy(copy, record(from), ChannelRecordSize);
    int8_t mark = marks()[from];
    if (from < to - 1) {
        std::memmove(record(from), record(from + 1),
                     static_cast<size_t>(to - 1 - from) * ChannelRecordSize);
        std::memmove(marks() + from, marks() + from + 1, static_cast<size_t>(to - 1 - from));
        std::memcpy(record(to - 1), copy, ChannelRecordSize);
        marks()[to - 1] = mark;
    } else if (from > to) {
        std::memmove(record(to + 1), record(to),
                     static_cast<size_t>(from - to) * ChannelRecordSize);
        std::memmove(marks() + to + 1, marks() + to, static_cast<size_t>(from - to));
        std::memcpy(record(to), copy, ChannelRecordSize);
        marks()[to] = mark;
    }
}

// The marked live records, in slot order, are taken out and put back as one block before
// the record at the insertion slot; everything else keeps its order.
void moveMarkedChannels(int target) {
    int x = insertionSlot(target);
    if (x >= 0) {
        int count = takeMarkedRecords();
        int block = closeAroundSlot(x);
        for (int i = 0; i < count; ++i) {
            std::memcpy(record(block + i), movedRecords[i], ChannelRecordSize);
        }
    }
    clearMarks();
    rebuildViewIndex();
}

}  // namespace kavro
