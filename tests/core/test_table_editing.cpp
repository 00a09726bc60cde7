#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "core_tables.h"
#include "database/TableEditing.h"

namespace kavro::coretest {
namespace {

using TableEditingTest = CoreTest;

void markSlots(std::initializer_list<int> slots) {
    for (int slot : slots) {
        setMarked(slot, 1);
    }
}

TEST_F(TableEditingTest, AddTransponderTakesTheLowestFreeSlotCleared) {
    putTransponder(1, 0);
    putTransponder(2, 0);
    std::memset(transponderBytes(3), 0x77, TransponderRecordSize);
    transponderBytes(3)[tp::SatelliteIndex] = 99;  // free: above 64
    EXPECT_EQ(addTransponder(4, 12000, 30000, 1), 3);
    const uint8_t* rec = transponderBytes(3);
    EXPECT_EQ(rec[tp::SatelliteIndex], 4);
    EXPECT_EQ(readU32(rec + tp::FrequencyKhz), 12000000u);
    EXPECT_EQ(readU16(rec + tp::SymbolRate), 30000);
    EXPECT_EQ(rec[tp::Polarization], 1);
    EXPECT_EQ(rec[1] | rec[2] | rec[3] | rec[11] | rec[27], 0);
    EXPECT_EQ(satelliteTransponderCount(4), 1);  // rebuilt
}

TEST_F(TableEditingTest, FullTransponderTableRefusesAndChangesNothing) {
    for (int t = 0; t < TransponderCapacity; ++t) {
        putTransponder(t, t % 65, 10000000u + t);
    }
    uint8_t before[TransponderCapacity][TransponderRecordSize];
    std::memcpy(before, channelDatabase().transponders, sizeof before);
    EXPECT_EQ(addTransponder(1, 11000, 27500, 0), TransponderCapacity);
    EXPECT_EQ(firstFreeTransponder(), TransponderCapacity);
    EXPECT_EQ(std::memcmp(before, channelDatabase().transponders, sizeof before), 0);
}

TEST_F(TableEditingTest, NewTransponderStartsWithoutChannels) {
    putTransponder(1, 0);
    putChannel(0, 1, "old", 5);
    putChannel(1, 0, "other", 6);
    deleteTransponder(1);
    EXPECT_EQ(channelTransponder(0), DeletedTransponderIndex);
    EXPECT_EQ(channelServiceId(0), 5);  // the rest of the record stays
    EXPECT_EQ(transponderSatellite(1), DeletedSatelliteIndex);
    EXPECT_EQ(viewCount(ViewAll), 1);

    // A loaded file may point free channels at a free transponder slot.
    putChannel(2, 1, "orphan", 7);
    EXPECT_EQ(addTransponder(0, 11000, 27500, 0), 1);
    EXPECT_EQ(channelTransponder(2), DeletedTransponderIndex);
    EXPECT_EQ(transponderChannelCount(1), 0);
    EXPECT_EQ(viewCount(ViewAll), 1);
    EXPECT_FALSE(markTransponderChannelsDeleted(1));
}

TEST_F(TableEditingTest, AddChannelRefusals) {
    putLetters(3);
    auto add = [](int view, int v, int a, int p, int sid) {
        return addChannel(view, 0, "new", v, a, p, sid, 0, 0);
    };
    EXPECT_FALSE(add(ViewAll, 0, 2, 3, 4));
    EXPECT_FALSE(add(ViewAll, 1, 0, 3, 4));
    EXPECT_FALSE(add(ViewAll, 1, 2, 0, 4));
    EXPECT_FALSE(add(ViewAll, 1, 2, 3, 0));
    EXPECT_FALSE(add(ViewAll, 100, 100, 3, 4));
    EXPECT_FALSE(add(ViewTv, 100, 100, 3, 4));
    EXPECT_FALSE(add(ViewAll, 100, 101, 8192, 4));
    EXPECT_FALSE(add(ViewAll, 8192, 101, 1, 4));
    EXPECT_EQ(names(4), "abc.");
    EXPECT_TRUE(add(ViewRadio, 100, 100, 3, 4));
    EXPECT_TRUE(add(ViewAll, 100, 101, 8191, 5));
}

TEST_F(TableEditingTest, AddChannelFillsTheFirstFreeSlot) {
    putLetters(10);
    setMarked(10, 1);
    channelBytes(10)[50] = 0x33;
    ASSERT_TRUE(addChannel(ViewAll, 0, "News", 100, 101, 102, 777, 0, 0));
    const uint8_t* rec = channelBytes(10);
    EXPECT_EQ(channelName(10), "News");
    EXPECT_EQ(readU16(rec + ch::Flags), 3);
    EXPECT_EQ(channelServiceId(10), 777);
    EXPECT_EQ(channelVideoPid(10), 100);
    EXPECT_EQ(channelAudioPid(10), 101);
    EXPECT_EQ(channelPcrPid(10), 102);
    EXPECT_EQ(rec[50], 0);       // a fresh slot is all zeros
    EXPECT_FALSE(isMarked(10));  // and not selected
    EXPECT_EQ(viewIndex().tvList[viewIndex().tvCount - 1], 10);
}

TEST_F(TableEditingTest, AddChannelStoresViewLockAndCas) {
    ASSERT_TRUE(addChannel(ViewRadio, 0, "Radio CH   1", 100, 100, 100, 9, 1, 1));
    EXPECT_EQ(channelFlags(0), 1 | ChannelFlagLock);
    EXPECT_TRUE(isRadioChannel(0));
    EXPECT_EQ(channelCasBits(0), 1);
    EXPECT_EQ(viewCount(ViewRadio), 1);
    ASSERT_TRUE(addChannel(ViewTv, 0, "0123456789ABCDEF", 100, 101, 100, 9, 0, 0));
    EXPECT_EQ(channelFlags(1), 3);
    EXPECT_EQ(channelCasBits(1), 0);
    EXPECT_EQ(channelName(1), "0123456789ABCDEF");
    EXPECT_EQ(channelBytes(1)[36] | channelBytes(1)[37], 0);
}

TEST_F(TableEditingTest, AddChannelReusesUnassignedServiceIdSlot) {
    putLetters(6);
    writeU16(channelBytes(4) + ch::ServiceId, UnassignedServiceId);
    writeU16(channelBytes(4) + ch::FavoriteBits, 0x05);
    writeU16(channelBytes(4) + ch::CasBits, 0x81);
    writeU16(channelBytes(4) + ch::Flags, 0xFFFF);
    channelBytes(4)[45] = 0x99;
    ASSERT_TRUE(addChannel(ViewAll, 0, "Reused", 200, 201, 202, 300, 1, 0));
    EXPECT_EQ(channelName(4), "Reused");
    EXPECT_EQ(channelFavoriteBits(4), 0x05);
    EXPECT_EQ(channelCasBits(4), 1);  // the given CAS index wins
    EXPECT_EQ(channelFlags(4), 3);
    EXPECT_EQ(channelBytes(4)[45], 0x99);
    EXPECT_FALSE(isLiveChannel(6));

    // Service ID 65535 stored by an add makes the next add on the transponder replace it.
    ASSERT_TRUE(addChannel(ViewAll, 0, "First", 1, 2, 3, 65535, 0, 0));
    ASSERT_TRUE(addChannel(ViewAll, 0, "Second", 1, 2, 3, 50, 0, 0));
    EXPECT_EQ(names(7), "abcdReusedfSecond");
}

// The finder names exactly the live record the next add fills in place, and touches nothing.
TEST_F(TableEditingTest, ChannelReusedByAddIsTheLiveUnassignedRecordOfTheTransponder) {
    putTransponder(1, 0);
    putLetters(4);
    EXPECT_EQ(channelReusedByAdd(0), ChannelCapacity);
    putChannel(6, 1, "other tp", UnassignedServiceId);
    putChannel(7, 5, "free tp", UnassignedServiceId);  // transponder 5 is not live
    putChannel(8, 0, "unset", UnassignedServiceId);
    putChannel(9, 0, "unset too", UnassignedServiceId);
    uint8_t before[ChannelCapacity][ChannelRecordSize];
    std::memcpy(before, channelDatabase().channels, sizeof before);
    EXPECT_EQ(channelReusedByAdd(0), 8);
    EXPECT_EQ(channelReusedByAdd(1), 6);
    EXPECT_EQ(channelReusedByAdd(5), ChannelCapacity);
    EXPECT_EQ(std::memcmp(before, channelDatabase().channels, sizeof before), 0);
    ASSERT_TRUE(addChannel(ViewAll, 0, "new", 1, 2, 3, 4, 0, 0));
    EXPECT_EQ(channelName(8), "new");
    EXPECT_EQ(channelReusedByAdd(0), 9);

    // What deleting a transponder takes with it, in every view.
    EXPECT_EQ(transponderLiveChannelCount(0), 6);
    EXPECT_EQ(transponderLiveChannelCount(1), 1);
    EXPECT_EQ(transponderLiveChannelCount(5), 0);
}

TEST_F(TableEditingTest, FullChannelTableRefusesAdd) {
    for (int c = 0; c < ChannelCapacity; ++c) {
        putChannel(c, 0, "n", 1);
    }
    EXPECT_EQ(findOrAllocateChannel(UnassignedServiceId, 0), ChannelCapacity);
    EXPECT_FALSE(addChannel(ViewAll, 0, "x", 1, 2, 3, 4, 0, 0));
    EXPECT_EQ(channelName(0), "n");
}

TEST_F(TableEditingTest, DeleteMarkedClosesGapsAndClearsMarks) {
    putLetters(10);
    markSlots({3, 7, 12});  // slot 12 is free: not deleted, mark cleared
    deleteMarkedChannels();
    EXPECT_EQ(names(10), "abcefgij..");
    EXPECT_EQ(channelTransponder(9), DeletedTransponderIndex);
    EXPECT_EQ(channelServiceId(9), 0);
    EXPECT_EQ(firstMarkedChannel(), ChannelCapacity);
    EXPECT_EQ(viewCount(ViewAll), 8);
}

TEST_F(TableEditingTest, DeletingTheLastChannelLeavesNoMark) {
    putLetters(1);
    setMarked(0, 1);
    deleteMarkedChannels();
    EXPECT_FALSE(isLiveChannel(0));
    ASSERT_TRUE(addChannel(ViewAll, 0, "new", 1, 2, 3, 4, 0, 0));
    EXPECT_FALSE(isMarked(0));
}

TEST_F(TableEditingTest, MoveChannelRecordStandsBeforeTheTarget) {
    putLetters(6);
    setMarked(1, 1);
    moveChannelRecord(1, 4);
    EXPECT_EQ(names(6), "acdbef");
    EXPECT_TRUE(isMarked(3));
    EXPECT_FALSE(isMarked(1));
    moveChannelRecord(4, 0);
    EXPECT_EQ(names(6), "eacdbf");
    EXPECT_TRUE(isMarked(4));
    moveChannelRecord(2, 2);
    moveChannelRecord(2, 3);
    EXPECT_EQ(names(6), "eacdbf");
}

struct MoveCase {
    std::initializer_list<int> marks;
    int target;
    const char* result;
};

TEST_F(TableEditingTest, MoveMarkedKeepsTheOrderOfTheBlock) {
    const MoveCase cases[] = {
        {{1, 2}, 5, "adebcf"},              // b c before f
        {{3, 4}, 1, "adebcf"},              // d e before b, in their order
        {{1, 2}, 2, "abcdef"},              // target marked: before d, nothing moves
        {{1, 4}, 3, "acbedf"},              // from both sides
        {{0, 5}, MoveToEnd, "bcdeaf"},      // end: after the last unmarked live channel (e)
        {{4, 5}, 4, "abcdef"},              // target marked, no unmarked after: to the end
        {{0, 1, 2, 3, 4, 5}, 2, "abcdef"},  // nothing unmarked: nothing moves
        {{}, 3, "abcdef"},
    };
    for (const MoveCase& c : cases) {
        SetUp();
        putLetters(6);
        markSlots(c.marks);
        moveMarkedChannels(c.target);
        EXPECT_EQ(names(6), c.result) << "target " << c.target;
        EXPECT_EQ(firstMarkedChannel(), ChannelCapacity);
    }
}

TEST_F(TableEditingTest, MoveMarkedLeavesFreeSlotsAndTheirMarksBehind) {
    putLetters(6);
    writeU16(channelBytes(2) + ch::TransponderIndex, DeletedTransponderIndex);  // a b . d e f
    markSlots({2, 4});
    moveMarkedChannels(1);
    EXPECT_EQ(names(6), "aeb.df");
    EXPECT_EQ(firstMarkedChannel(), ChannelCapacity);
    int channel = -1;
    ASSERT_TRUE(viewChannel(ViewAll, 1, channel));
    EXPECT_EQ(channel, 1);
}

// ---- Oracle tests: the one-record-at-a-time reference on random tables ----

struct Table {
    std::vector<std::array<uint8_t, ChannelRecordSize>> records;
    std::vector<int8_t> marks;
};

Table snapshot() {
    Table table;
    table.records.resize(ChannelCapacity);
    table.marks.assign(channelDatabase().selectionMarks,
                       channelDatabase().selectionMarks + ChannelCapacity);
    for (int c = 0; c < ChannelCapacity; ++c) {
        std::memcpy(table.records[c].data(), channelBytes(c), ChannelRecordSize);
    }
    return table;
}

bool recordIsLive(const std::array<uint8_t, ChannelRecordSize>& rec) {
    return isLiveTransponder(readU16(rec.data() + ch::TransponderIndex));
}

// The delete as a walk from the end, one block shift per deleted channel.
void referenceDelete(Table& table) {
    for (int p = ChannelCapacity - 1; p >= 0; --p) {
        if (recordIsLive(table.records[p]) && table.marks[p] != 0) {
            table.records.erase(table.records.begin() + p);
            table.marks.erase(table.marks.begin() + p);
            std::array<uint8_t, ChannelRecordSize> freeSlot{};
            writeU16(freeSlot.data(), DeletedTransponderIndex);
            table.records.push_back(freeSlot);
            table.marks.push_back(0);
        }
    }
    std::fill(table.marks.begin(), table.marks.end(), 0);
}

// The move as defined for the user: take the marked live records out, insert them before
// the target's record in what remains.
void referenceMove(Table& table, int target) {
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
    if (lastUnmarkedLive >= 0) {
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
        Table result;
        for (int slot : rest) {
            result.records.push_back(table.records[slot]);
        }
        table.records = result.records;
    }
    std::fill(table.marks.begin(), table.marks.end(), 0);
}

// Random records (every byte random), random liveness, gaps and marks; the density of
// live and marked slots varies from test to test so that the corners come up too.
void fillRandomTable(std::mt19937& random) {
    const double liveShares[] = {0.0, 0.001, 0.3, 0.9, 1.0};
    const double markShares[] = {0.0, 0.0005, 0.05, 0.5, 1.0};
    double liveShare = liveShares[random() % 5];
    double markShare = markShares[random() % 5];
    std::uniform_real_distribution<double> share(0.0, 1.0);
    for (int t = 0; t < 8; ++t) {
        putTransponder(t, t % 2 == 0 ? t : DeletedSatelliteIndex);
    }
    for (int c = 0; c < ChannelCapacity; ++c) {
        uint8_t* rec = channelBytes(c);
        for (int i = 0; i < ChannelRecordSize; i += 4) {
            writeU32(rec + i, static_cast<uint32_t>(random()));
        }
        int t = share(random) < liveShare
                    ? 2 * static_cast<int>(random() % 4)
                    : (random() % 2 ? 0xEEEE : 1 + 2 * static_cast<int>(random() % 4));
        writeU16(rec + ch::TransponderIndex, static_cast<uint32_t>(t));
        setMarked(c, share(random) < markShare ? 1 : 0);
    }
}

void expectTablesEqual(const Table& expected, int round) {
    Table actual = snapshot();
    for (int c = 0; c < ChannelCapacity; ++c) {
        ASSERT_EQ(actual.records[c], expected.records[c]) << "round " << round << " slot " << c;
    }
    ASSERT_EQ(actual.marks, expected.marks) << "round " << round;
}

TEST_F(TableEditingTest, DeleteMarkedMatchesTheSlotBySlotWalk) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 40; ++round) {
        SetUp();
        fillRandomTable(random);
        Table expected = snapshot();
        referenceDelete(expected);
        deleteMarkedChannels();
        expectTablesEqual(expected, round);
    }
}

TEST_F(TableEditingTest, MoveMarkedMatchesTheTakeOutAndInsertReference) {
    std::mt19937 random(4711);
    for (int round = 0; round < 120; ++round) {
        SetUp();
        fillRandomTable(random);
        int target = random() % 8 == 0 ? MoveToEnd : static_cast<int>(random() % ChannelCapacity);
        if (random() % 3 == 0 && firstMarkedChannel() < ChannelCapacity) {
            target = firstMarkedChannel();  // a marked target
        }
        Table expected = snapshot();
        referenceMove(expected, target);
        moveMarkedChannels(target);
        expectTablesEqual(expected, round);
        ASSERT_EQ(viewCount(ViewAll), viewIndex().tvCount + viewIndex().radioCount);
    }
}

}  // namespace
}  // namespace kavro::coretest
