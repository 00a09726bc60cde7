#include "TableEditing.h"

#include <cstring>

#include "ByteOrder.h"
#include "ChannelDatabase.h"
#include "FieldRules.h"
#include "ViewIndex.h"

namespace kavro {

namespace {

uint8_t* record(ChannelDatabase& db, int ch) {
    return db.mutableTables().channels[ch];
}

// The records of slots [from, end) to the slots from `to` on, which may overlap them.
void moveSlots(ChannelDatabase& db, int from, int end, int to) {
    std::memmove(record(db, to), record(db, from),
                 static_cast<size_t>(end - from) * ChannelRecordSize);
}

// Every slot from `from` on a free one, cleared.
void makeFreeSlots(ChannelDatabase& db, int from) {
    if (from >= ChannelCapacity) {
        return;
    }
    std::memset(record(db, from), 0,
                static_cast<size_t>(ChannelCapacity - from) * ChannelRecordSize);
    for (int ch = from; ch < ChannelCapacity; ++ch) {
        writeU16(record(db, ch) + ch::TransponderIndex, DeletedTransponderIndex);
    }
}

// A live channel of the set: what a delete or a move acts on. Reads only the transponder
// table besides the set, so it holds for a slot whatever record the slot holds now.
class Moved {
public:
    Moved(const ChannelDatabase& db, const ChannelSet& set) : db_(db), set_(set) {}
    // `ch` as the table stood before the operation began; the operations read each slot
    // before they write it.
    bool operator()(int ch) const { return set_.contains(ch) && db_.isLiveChannel(ch); }

private:
    const ChannelDatabase& db_;
    const ChannelSet& set_;
};

// Takes the moved records out in slot order into `buffer`; returns how many there were.
int takeMovedRecords(const ChannelDatabase& db, const Moved& moved, std::vector<uint8_t>& buffer) {
    int count = 0;
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        count += moved(ch) ? 1 : 0;
    }
    buffer.resize(static_cast<size_t>(count) * ChannelRecordSize);
    int taken = 0;
    for (int ch = 0; ch < ChannelCapacity && taken < count; ++ch) {
        if (moved(ch)) {
            std::memcpy(buffer.data() + static_cast<size_t>(taken++) * ChannelRecordSize,
                        db.tables().channels[ch], ChannelRecordSize);
        }
    }
    return count;
}

// The slots of [begin, end) that `moved` leaves, towards `begin` in their order, a run of
// neighbours at a time; returns the slot after the last of them. It writes only slots it has
// read already, so `moved` still sees the table as it was.
int packTowardsFront(ChannelDatabase& db, const Moved& moved, int begin, int end) {
    int kept = begin;
    for (int ch = begin; ch < end;) {
        if (moved(ch)) {
            ++ch;
            continue;
        }
        int runEnd = ch + 1;
        while (runEnd < end && !moved(runEnd)) {
            ++runEnd;
        }
        if (kept != ch) {
            moveSlots(db, ch, runEnd, kept);
        }
        kept += runEnd - ch;
        ch = runEnd;
    }
    return kept;
}

// The same towards `end`; returns the first slot of those kept.
int packTowardsBack(ChannelDatabase& db, const Moved& moved, int begin, int end) {
    int kept = end;
    for (int ch = end - 1; ch >= begin;) {
        if (moved(ch)) {
            --ch;
            continue;
        }
        int runBegin = ch;
        while (runBegin > begin && !moved(runBegin - 1)) {
            --runBegin;
        }
        kept -= ch + 1 - runBegin;
        if (kept != runBegin) {
            moveSlots(db, runBegin, ch + 1, kept);
        }
        ch = runBegin - 1;
    }
    return kept;
}

// Closes the gaps of the taken records: those before slot x move towards the front, those
// from x on towards the back, each keeping its order. Returns where the block goes.
int closeAroundSlot(ChannelDatabase& db, const Moved& moved, int x) {
    const int front = packTowardsFront(db, moved, 0, x);
    packTowardsBack(db, moved, x, ChannelCapacity);
    return front;
}

}  // namespace

ChannelSet::ChannelSet(std::span<const int> channels) {
    for (int ch : channels) {
        add(ch);
    }
}

void ChannelSet::add(int ch) {
    if (ch >= 0 && ch < ChannelCapacity) {
        marks_[ch] = 1;
    }
}

int firstFreeTransponder(const ChannelDatabase& db) {
    for (int t = 0; t < TransponderCapacity; ++t) {
        if (!db.isLiveTransponder(t)) {
            return t;
        }
    }
    return TransponderCapacity;
}

int addTransponder(ChannelDatabase& db, int satellite, int mhz, int symbolRate, int polarization) {
    const int t = firstFreeTransponder(db);
    if (t == TransponderCapacity) {
        return t;
    }
    uint8_t* rec = db.mutableTables().transponders[t];
    std::memset(rec, 0, TransponderRecordSize);
    rec[tp::SatelliteIndex] = static_cast<uint8_t>(satellite);
    db.setTransponderFrequencyMhz(t, mhz);
    db.setTransponderSymbolRate(t, symbolRate);
    db.setTransponderPolarization(t, polarization);
    freeTransponderChannels(db, t);  // a new transponder starts without channels
    return t;
}

void deleteTransponder(ChannelDatabase& db, int t) {
    if (t < 0 || t >= TransponderCapacity) {
        return;
    }
    db.mutableTables().transponders[t][tp::SatelliteIndex] = DeletedSatelliteIndex;
    freeTransponderChannels(db, t);
}

int transponderLiveChannelCount(const ChannelDatabase& db, int t) {
    if (!db.isLiveTransponder(t)) {
        return 0;
    }
    int count = 0;
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        count += db.channelTransponder(ch) == t ? 1 : 0;
    }
    return count;
}

bool freeTransponderChannels(ChannelDatabase& db, int t) {
    bool any = false;
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (db.channelTransponder(ch) == t) {
            writeU16(record(db, ch) + ch::TransponderIndex, DeletedTransponderIndex);
            any = true;
        }
    }
    return any;
}

int findChannelSlot(const ChannelDatabase& db, int key, int t) {
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (db.channelTransponder(ch) == t && db.channelServiceId(ch) == key) {
            return ch;
        }
    }
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (!db.isLiveChannel(ch)) {
            return ch;
        }
    }
    return ChannelCapacity;
}

int channelReusedByAdd(const ChannelDatabase& db, int t) {
    const int ch = findChannelSlot(db, UnassignedServiceId, t);
    return ch != ChannelCapacity && db.isLiveChannel(ch) && db.channelTransponder(ch) == t
               ? ch
               : ChannelCapacity;
}

int findOrAllocateChannel(ChannelDatabase& db, int key, int t) {
    const int ch = findChannelSlot(db, key, t);
    if (ch == ChannelCapacity || db.isLiveChannel(ch)) {
        return ch;
    }
    std::memset(record(db, ch), 0, ChannelRecordSize);
    writeU16(record(db, ch) + ch::TransponderIndex, static_cast<uint32_t>(t));
    writeU16(record(db, ch) + ch::ServiceId, static_cast<uint32_t>(key));
    db.setChannelName(ch, "----");
    return ch;
}

int sameTransponder(const ChannelDatabase& db, int satellite, int mhz, int polarization,
                    int except) {
    for (int t = 0; t < TransponderCapacity; ++t) {
        if (t != except && db.isLiveTransponder(t) && db.transponderSatellite(t) == satellite &&
            db.transponderFrequencyMhz(t) == mhz &&
            (db.transponderPolarization(t) != 0 ? 1 : 0) == polarization) {
            return t;
        }
    }
    return TransponderCapacity;
}

int unusedServiceId(const ChannelDatabase& db, int t) {
    std::vector<char> used(static_cast<size_t>(ServiceIdRange.high) + 2, 0);
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (db.isLiveChannel(ch) && db.channelTransponder(ch) == t) {
            used[static_cast<size_t>(db.channelServiceId(ch))] = 1;
        }
    }
    int sid = 1;
    while (used[static_cast<size_t>(sid)] != 0) {
        ++sid;
    }
    return sid;
}

int addChannel(ChannelDatabase& db, View view, int t, const NewChannel& c) {
    if (channelAddFault(view, c) != ChannelAddFault::None) {
        return ChannelCapacity;
    }
    const int ch = findOrAllocateChannel(db, UnassignedServiceId, t);
    if (ch == ChannelCapacity) {
        return ch;
    }
    const int flags = view == View::Radio ? 1 : 1 | ChannelFlagTv;
    writeU16(record(db, ch) + ch::Flags,
             static_cast<uint32_t>(c.lockIndex > 0 ? flags | ChannelFlagLock : flags));
    db.setChannelName(ch, c.name);
    db.setChannelServiceId(ch, c.serviceId);
    writeU16(record(db, ch) + ch::NameTail, 0);
    db.setChannelAudioPid(ch, c.audioPid);
    db.setChannelVideoPid(ch, c.videoPid);
    db.setChannelPcrPid(ch, c.pcrPid);
    db.setChannelCasBits(ch, c.casIndex > 0 ? c.casIndex : 0);
    return ch;
}

// One pass: every record that stays moves to the front, in order, a run at a time; the slots
// left over at the end become free.
void deleteChannels(ChannelDatabase& db, const ChannelSet& channels) {
    makeFreeSlots(db, packTowardsFront(db, Moved(db, channels), 0, ChannelCapacity));
}

void moveChannelRecord(ChannelDatabase& db, int from, int to) {
    if (from < 0 || from >= ChannelCapacity || to < 0 || to > ChannelCapacity) {
        return;
    }
    uint8_t copy[ChannelRecordSize];
    std::memcpy(copy, record(db, from), ChannelRecordSize);
    if (from < to - 1) {
        std::memmove(record(db, from), record(db, from + 1),
                     static_cast<size_t>(to - 1 - from) * ChannelRecordSize);
        std::memcpy(record(db, to - 1), copy, ChannelRecordSize);
    } else if (from > to) {
        std::memmove(record(db, to + 1), record(db, to),
                     static_cast<size_t>(from - to) * ChannelRecordSize);
        std::memcpy(record(db, to), copy, ChannelRecordSize);
    }
}

int moveInsertionSlot(const ChannelDatabase& db, const ChannelSet& channels, int target) {
    const Moved moved(db, channels);
    int lastStaying = -1;
    for (int ch = ChannelCapacity - 1; ch >= 0 && lastStaying < 0; --ch) {
        if (db.isLiveChannel(ch) && !channels.contains(ch)) {
            lastStaying = ch;
        }
    }
    if (lastStaying < 0) {
        return -1;
    }
    if (target < 0 || target >= ChannelCapacity) {
        return lastStaying + 1;
    }
    if (!moved(target)) {
        return target;
    }
    for (int ch = target + 1; ch <= lastStaying; ++ch) {
        if (db.isLiveChannel(ch) && !channels.contains(ch)) {
            return ch;
        }
    }
    return lastStaying + 1;
}

// The moved records, in slot order, are taken out and put back as one block before the
// record at the insertion slot; everything else keeps its order.
void moveChannels(ChannelDatabase& db, const ChannelSet& channels, int target,
                  std::vector<uint8_t>& buffer) {
    const int x = moveInsertionSlot(db, channels, target);
    if (x < 0) {
        return;
    }
    const Moved moved(db, channels);
    const int count = takeMovedRecords(db, moved, buffer);
    const int block = closeAroundSlot(db, moved, x);
    if (count > 0) {
        std::memcpy(record(db, block), buffer.data(), buffer.size());
    }
}

}  // namespace kavro
