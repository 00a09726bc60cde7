#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "core_tables.h"
#include "database/TableEditing.h"

namespace kavro::coretest {
namespace {

class TableEditingTest : public CoreTest {
protected:
    // Add Channel on transponder t; true when it took a slot.
    bool add(View view, int t, std::string_view name, int videoPid, int audioPid, int pcrPid,
             int serviceId, int casIndex = 0, int lockIndex = 0) {
        const NewChannel channel{std::string(name), videoPid, audioPid, pcrPid,
                                 serviceId,         casIndex, lockIndex};
        return addChannel(*db, view, t, channel) != ChannelCapacity;
    }
    void deleteSlots(std::initializer_list<int> slots) {
        deleteChannels(*db, ChannelSet(std::vector<int>(slots)));
    }
    void moveSlots(std::initializer_list<int> slots, int target) {
        moveChannels(*db, ChannelSet(std::vector<int>(slots)), target, buffer);
    }
    std::vector<uint8_t> buffer;
};

TEST_F(TableEditingTest, AddTransponderTakesTheLowestFreeSlotCleared) {
    putTransponder(1, 0);
    putTransponder(2, 0);
    std::memset(transponderBytes(3), 0x77, TransponderRecordSize);
    transponderBytes(3)[tp::SatelliteIndex] = 99;  // free: above 64
    EXPECT_EQ(firstFreeTransponder(*db), 3);
    EXPECT_EQ(transponderBytes(3)[1], 0x77);  // the finder changes nothing
    EXPECT_EQ(addTransponder(*db, 4, 12000, 30000, 1), 3);
    const uint8_t* rec = transponderBytes(3);
    EXPECT_EQ(rec[tp::SatelliteIndex], 4);
    EXPECT_EQ(readU32(rec + tp::FrequencyKhz), 12000000u);
    EXPECT_EQ(readU16(rec + tp::SymbolRate), 30000);
    EXPECT_EQ(rec[tp::Polarization], 1);
    EXPECT_EQ(rec[1] | rec[2] | rec[3] | rec[11] | rec[27], 0);
    rebuild();
    EXPECT_EQ(index->satelliteTransponderCount(4), 1);
}

TEST_F(TableEditingTest, FullTransponderTableRefusesAndChangesNothing) {
    for (int t = 0; t < TransponderCapacity; ++t) {
        putTransponder(t, t % 65, 10000000u + t);
    }
    uint8_t before[TransponderCapacity][TransponderRecordSize];
    std::memcpy(before, db->tables().transponders, sizeof before);
    EXPECT_EQ(addTransponder(*db, 1, 11000, 27500, 0), TransponderCapacity);
    EXPECT_EQ(firstFreeTransponder(*db), TransponderCapacity);
    EXPECT_EQ(std::memcmp(before, db->tables().transponders, sizeof before), 0);
}

TEST_F(TableEditingTest, NewTransponderStartsWithoutChannels) {
    putTransponder(1, 0);
    putChannel(0, 1, "old", 5);
    putChannel(1, 0, "other", 6);
    deleteTransponder(*db, 1);
    rebuild();
    EXPECT_EQ(db->channelTransponder(0), DeletedTransponderIndex);
    EXPECT_EQ(db->channelServiceId(0), 5);  // the rest of the record stays
    EXPECT_EQ(db->transponderSatellite(1), DeletedSatelliteIndex);
    EXPECT_EQ(index->viewCount(View::All), 1);

    // A loaded file may point free channels at a free transponder slot.
    putChannel(2, 1, "orphan", 7);
    EXPECT_EQ(addTransponder(*db, 0, 11000, 27500, 0), 1);
    rebuild();
    EXPECT_EQ(db->channelTransponder(2), DeletedTransponderIndex);
    EXPECT_EQ(index->transponderChannelCount(1), 0);
    EXPECT_EQ(index->viewCount(View::All), 1);
    EXPECT_FALSE(freeTransponderChannels(*db, 1));
}

TEST_F(TableEditingTest, AddChannelRefusals) {
    putLetters(3);
    auto addNew = [this](View view, int v, int a, int p, int sid) {
        return add(view, 0, "new", v, a, p, sid);
    };
    EXPECT_FALSE(addNew(View::All, 0, 2, 3, 4));
    EXPECT_FALSE(addNew(View::All, 1, 0, 3, 4));
    EXPECT_FALSE(addNew(View::All, 1, 2, 0, 4));
    EXPECT_FALSE(addNew(View::All, 1, 2, 3, 0));
    EXPECT_FALSE(addNew(View::All, 100, 100, 3, 4));
    EXPECT_FALSE(addNew(View::Tv, 100, 100, 3, 4));
    EXPECT_FALSE(addNew(View::All, 100, 101, 8192, 4));
    EXPECT_FALSE(addNew(View::All, 8192, 101, 1, 4));
    EXPECT_EQ(names(4), "abc.");
    EXPECT_TRUE(addNew(View::Radio, 100, 100, 3, 4));
    EXPECT_TRUE(addNew(View::All, 100, 101, 8191, 5));
}

TEST_F(TableEditingTest, AddChannelFillsTheFirstFreeSlot) {
    putLetters(10);
    channelBytes(10)[50] = 0x33;
    EXPECT_EQ(addChannel(*db, View::All, 0, {"News", 100, 101, 102, 777}), 10);
    const uint8_t* rec = channelBytes(10);
    EXPECT_EQ(db->channelName(10), "News");
    EXPECT_EQ(readU16(rec + ch::Flags), 3);
    EXPECT_EQ(db->channelServiceId(10), 777);
    EXPECT_EQ(db->channelVideoPid(10), 100);
    EXPECT_EQ(db->channelAudioPid(10), 101);
    EXPECT_EQ(db->channelPcrPid(10), 102);
    EXPECT_EQ(rec[50], 0);  // a fresh slot is all zeros
    rebuild();
    EXPECT_EQ(index->viewChannels(View::Tv).back(), 10);
}

TEST_F(TableEditingTest, AddChannelStoresViewLockAndCas) {
    ASSERT_TRUE(add(View::Radio, 0, "Radio CH   1", 100, 100, 100, 9, 1, 1));
    EXPECT_EQ(db->channelFlags(0), 1 | ChannelFlagLock);
    EXPECT_TRUE(db->isRadioChannel(0));
    EXPECT_EQ(db->channelCasBits(0), 1);
    rebuild();
    EXPECT_EQ(index->viewCount(View::Radio), 1);
    ASSERT_TRUE(add(View::Tv, 0, "0123456789ABCDEF", 100, 101, 100, 9, 0, 0));
    EXPECT_EQ(db->channelFlags(1), 3);
    EXPECT_EQ(db->channelCasBits(1), 0);
    EXPECT_EQ(db->channelName(1), "0123456789ABCDEF");
    EXPECT_EQ(channelBytes(1)[36] | channelBytes(1)[37], 0);
}

TEST_F(TableEditingTest, AddChannelReusesUnassignedServiceIdSlot) {
    putLetters(6);
    writeU16(channelBytes(4) + ch::ServiceId, UnassignedServiceId);
    writeU16(channelBytes(4) + ch::FavoriteBits, 0x05);
    writeU16(channelBytes(4) + ch::CasBits, 0x81);
    writeU16(channelBytes(4) + ch::Flags, 0xFFFF);
    channelBytes(4)[45] = 0x99;
    EXPECT_EQ(addChannel(*db, View::All, 0, {"Reused", 200, 201, 202, 300, 1, 0}), 4);
    EXPECT_EQ(db->channelName(4), "Reused");
    EXPECT_EQ(db->channelFavoriteBits(4), 0x05);
    EXPECT_EQ(db->channelCasBits(4), 1);  // the given CAS index wins
    EXPECT_EQ(db->channelFlags(4), 3);
    EXPECT_EQ(channelBytes(4)[45], 0x99);
    EXPECT_FALSE(db->isLiveChannel(6));

    // Service ID 65535 stored by an add makes the next add on the transponder replace it.
    ASSERT_TRUE(add(View::All, 0, "First", 1, 2, 3, 65535));
    ASSERT_TRUE(add(View::All, 0, "Second", 1, 2, 3, 50));
    EXPECT_EQ(names(7), "abcdReusedfSecond");
}

// The finder names exactly the live record the next add fills in place, and touches nothing.
TEST_F(TableEditingTest, ChannelReusedByAddIsTheLiveUnassignedRecordOfTheTransponder) {
    putTransponder(1, 0);
    putLetters(4);
    EXPECT_EQ(channelReusedByAdd(*db, 0), ChannelCapacity);
    putChannel(6, 1, "other tp", UnassignedServiceId);
    putChannel(7, 5, "free tp", UnassignedServiceId);  // transponder 5 is not live
    putChannel(8, 0, "unset", UnassignedServiceId);
    putChannel(9, 0, "unset too", UnassignedServiceId);
    uint8_t before[ChannelCapacity][ChannelRecordSize];
    std::memcpy(before, db->tables().channels, sizeof before);
    EXPECT_EQ(channelReusedByAdd(*db, 0), 8);
    EXPECT_EQ(channelReusedByAdd(*db, 1), 6);
    EXPECT_EQ(channelReusedByAdd(*db, 5), ChannelCapacity);
    EXPECT_EQ(findChannelSlot(*db, UnassignedServiceId, 0), 8);
    EXPECT_EQ(findChannelSlot(*db, 1234, 0), 4);  // no such record: the first free slot
    EXPECT_EQ(std::memcmp(before, db->tables().channels, sizeof before), 0);
    ASSERT_TRUE(add(View::All, 0, "new", 1, 2, 3, 4));
    EXPECT_EQ(db->channelName(8), "new");
    EXPECT_EQ(channelReusedByAdd(*db, 0), 9);

    // What deleting a transponder takes with it, in every view.
    EXPECT_EQ(transponderLiveChannelCount(*db, 0), 6);
    EXPECT_EQ(transponderLiveChannelCount(*db, 1), 1);
    EXPECT_EQ(transponderLiveChannelCount(*db, 5), 0);
}

TEST_F(TableEditingTest, FullChannelTableRefusesAdd) {
    for (int c = 0; c < ChannelCapacity; ++c) {
        putChannel(c, 0, "n", 1);
    }
    EXPECT_EQ(findOrAllocateChannel(*db, UnassignedServiceId, 0), ChannelCapacity);
    EXPECT_FALSE(add(View::All, 0, "x", 1, 2, 3, 4));
    EXPECT_EQ(db->channelName(0), "n");
}

TEST_F(TableEditingTest, DeleteClosesGapsAndFreesTheSlotsLeftOver) {
    putLetters(10);
    deleteSlots({3, 7, 12});  // slot 12 is free: nothing to delete there
    EXPECT_EQ(names(10), "abcefgij..");
    EXPECT_EQ(db->channelTransponder(9), DeletedTransponderIndex);
    EXPECT_EQ(db->channelServiceId(9), 0);
    rebuild();
    EXPECT_EQ(index->viewCount(View::All), 8);
}

TEST_F(TableEditingTest, DeletingTheLastChannelLeavesAFreeSlotToAddTo) {
    putLetters(1);
    deleteSlots({0});
    EXPECT_FALSE(db->isLiveChannel(0));
    EXPECT_EQ(addChannel(*db, View::All, 0, {"new", 1, 2, 3, 4}), 0);
}

TEST_F(TableEditingTest, MoveChannelRecordStandsBeforeTheTarget) {
    putLetters(6);
    moveChannelRecord(*db, 1, 4);
    EXPECT_EQ(names(6), "acdbef");
    moveChannelRecord(*db, 4, 0);
    EXPECT_EQ(names(6), "eacdbf");
    moveChannelRecord(*db, 2, 2);
    moveChannelRecord(*db, 2, 3);
    EXPECT_EQ(names(6), "eacdbf");
}

struct MoveCase {
    std::initializer_list<int> moved;
    int target;
    const char* result;
};

TEST_F(TableEditingTest, MoveKeepsTheOrderOfTheBlock) {
    const MoveCase cases[] = {
        {{1, 2}, 5, "adebcf"},              // b c before f
        {{3, 4}, 1, "adebcf"},              // d e before b, in their order
        {{1, 2}, 2, "abcdef"},              // target moved: before d, nothing moves
        {{1, 4}, 3, "acbedf"},              // from both sides
        {{0, 5}, MoveToEnd, "bcdeaf"},      // end: after the last live channel staying (e)
        {{4, 5}, 4, "abcdef"},              // target moved, none staying after: to the end
        {{0, 1, 2, 3, 4, 5}, 2, "abcdef"},  // nothing stays: nothing moves
        {{}, 3, "abcdef"},
    };
    for (const MoveCase& c : cases) {
        SetUp();
        putLetters(6);
        moveSlots(c.moved, c.target);
        EXPECT_EQ(names(6), c.result) << "target " << c.target;
    }
}

TEST_F(TableEditingTest, MoveLeavesFreeSlotsBehind) {
    putLetters(6);
    writeU16(channelBytes(2) + ch::TransponderIndex, DeletedTransponderIndex);  // a b . d e f
    moveSlots({2, 4}, 1);
    EXPECT_EQ(names(6), "aeb.df");
    rebuild();
    int channel = -1;
    ASSERT_TRUE(index->viewChannel(View::All, 1, channel));
    EXPECT_EQ(channel, 1);
}

// ---- Oracle tests: the one-record-at-a-time reference on random tables ----

using Record = std::array<uint8_t, ChannelRecordSize>;

// A channel table and the slots an operation acts on.
struct Table {
    std::vector<Record> records;
    std::vector<int8_t> marks;
};

std::vector<Record> recordsOf(const ChannelDatabase& db) {
    std::vector<Record> records(ChannelCapacity);
    for (int c = 0; c < ChannelCapacity; ++c) {
        std::memcpy(records[c].data(), db.tables().channels[c], ChannelRecordSize);
    }
    return records;
}

std::vector<int> markedSlots(const Table& table) {
    std::vector<int> slots;
    for (int c = 0; c < ChannelCapacity; ++c) {
        if (table.marks[c] != 0) {
            slots.push_back(c);
        }
    }
    return slots;
}

// The delete as a walk from the end, one block shift per deleted channel.
void referenceDelete(const ChannelDatabase& db, Table& table) {
    auto recordIsLive = [&db](const Record& rec) {
        return db.isLiveTransponder(readU16(rec.data() + ch::TransponderIndex));
    };
    for (int p = ChannelCapacity - 1; p >= 0; --p) {
        if (recordIsLive(table.records[p]) && table.marks[p] != 0) {
            table.records.erase(table.records.begin() + p);
            Record freeSlot{};
            writeU16(freeSlot.data(), DeletedTransponderIndex);
            table.records.push_back(freeSlot);
        }
    }
}

// The move as defined for the user: take the marked live records out, insert them before
// the target's record in what remains.
void referenceMove(const ChannelDatabase& db, Table& table, int target) {
    auto recordIsLive = [&db](const Record& rec) {
        return db.isLiveTransponder(readU16(rec.data() + ch::TransponderIndex));
    };
    auto moved = [&](int slot) {
        return table.marks[slot] != 0 && recordIsLive(table.records[slot]);
    };
    std::vector<int> rest;
    std::vector<int> block;
    int lastUnmarkedLive = -1;
    for (int slot = 0; slot < ChannelCapacity; ++slot) {
        (moved(slot) ? block : rest).push_back(slot);
        if (!moved(slot) && recordIsLive(table.records[slot])) {
            lastUnmarkedLive = slot;
        }
    }
    if (lastUnmarkedLive < 0) {
        return;
    }
    int before = lastUnmarkedLive + 1;
    if (target != MoveToEnd && !moved(target)) {
        before = target;
    } else if (target != MoveToEnd) {
        for (int slot = target + 1; slot <= lastUnmarkedLive; ++slot) {
            if (recordIsLive(table.records[slot]) && !moved(slot)) {
                before = slot;
                break;
            }
        }
    }
    auto at = std::lower_bound(rest.begin(), rest.end(), before);
    rest.insert(at, block.begin(), block.end());
    std::vector<Record> result;
    for (int slot : rest) {
        result.push_back(table.records[slot]);
    }
    table.records = result;
}

// Random records (every byte random), random liveness, gaps and marks; the density of
// live and marked slots varies from test to test so that the corners come up too. Returns
// the table with its marks.
Table fillRandomTable(ChannelDatabase& db, std::mt19937& random) {
    const double liveShares[] = {0.0, 0.001, 0.3, 0.9, 1.0};
    const double markShares[] = {0.0, 0.0005, 0.05, 0.5, 1.0};
    double liveShare = liveShares[random() % 5];
    double markShare = markShares[random() % 5];
    std::uniform_real_distribution<double> share(0.0, 1.0);
    for (int t = 0; t < 8; ++t) {
        putTransponder(db, t, t % 2 == 0 ? t : DeletedSatelliteIndex);
    }
    Table table;
    table.marks.resize(ChannelCapacity);
    for (int c = 0; c < ChannelCapacity; ++c) {
        uint8_t* rec = db.mutableTables().channels[c];
        for (int i = 0; i < ChannelRecordSize; i += 4) {
            writeU32(rec + i, static_cast<uint32_t>(random()));
        }
        int t = share(random) < liveShare
                    ? 2 * static_cast<int>(random() % 4)
                    : (random() % 2 ? 0xEEEE : 1 + 2 * static_cast<int>(random() % 4));
        writeU16(rec + ch::TransponderIndex, static_cast<uint32_t>(t));
        table.marks[c] = share(random) < markShare ? 1 : 0;
    }
    table.records = recordsOf(db);
    return table;
}

void expectTablesEqual(const ChannelDatabase& db, const Table& expected, int round) {
    const std::vector<Record> actual = recordsOf(db);
    for (int c = 0; c < ChannelCapacity; ++c) {
        ASSERT_EQ(actual[c], expected.records[c]) << "round " << round << " slot " << c;
    }
}

TEST_F(TableEditingTest, DeleteMatchesTheSlotBySlotWalk) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 40; ++round) {
        SetUp();
        Table expected = fillRandomTable(*db, random);
        const ChannelSet chosen(markedSlots(expected));
        referenceDelete(*db, expected);
        deleteChannels(*db, chosen);
        expectTablesEqual(*db, expected, round);
    }
}

TEST_F(TableEditingTest, MoveMatchesTheTakeOutAndInsertReference) {
    std::mt19937 random(4711);
    for (int round = 0; round < 120; ++round) {
        SetUp();
        Table expected = fillRandomTable(*db, random);
        const std::vector<int> marked = markedSlots(expected);
        int target = random() % 8 == 0 ? MoveToEnd : static_cast<int>(random() % ChannelCapacity);
        if (random() % 3 == 0 && !marked.empty()) {
            target = marked.front();  // a marked target
        }
        referenceMove(*db, expected, target);
        moveChannels(*db, ChannelSet(marked), target, buffer);
        expectTablesEqual(*db, expected, round);
        rebuild();
        ASSERT_EQ(index->viewCount(View::All),
                  index->viewCount(View::Tv) + index->viewCount(View::Radio));
    }
}

}  // namespace
}  // namespace kavro::coretest
