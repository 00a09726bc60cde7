// The comparison of two databases: the longest increasing subsequence against a plain
// quadratic one on random sequences; a database against itself and against copies with one
// planted change of each kind, where an insertion or a deletion moves nothing.
#include <functional>
#include <random>

#include "core_tables.h"
#include "database/DatabaseDiff.h"
#include "database/TableEditing.h"

namespace kavro::coretest {
namespace {

// The length of a longest strictly increasing subsequence, the quadratic way.
size_t referenceLength(const std::vector<int>& values) {
    std::vector<size_t> ending(values.size(), 1);
    size_t best = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            if (values[j] < values[i]) {
                ending[i] = std::max(ending[i], ending[j] + 1);
            }
        }
        best = std::max(best, ending[i]);
    }
    return best;
}

TEST(LongestIncreasing, KeepsAnIncreasingRunAsLongAsTheQuadraticOne) {
    std::mt19937 random(5);
    for (int round = 0; round < 300; ++round) {
        const int size = static_cast<int>(random() % 60);
        const int range = round % 2 == 0 ? size + 1 : 8;  // distinct-ish, then many repeats
        std::vector<int> values(static_cast<size_t>(size));
        for (int& v : values) {
            v = static_cast<int>(random() % static_cast<unsigned>(range));
        }
        const std::vector<char> kept = longestIncreasing(values);
        std::vector<int> run;
        for (size_t i = 0; i < values.size(); ++i) {
            if (kept[i]) {
                run.push_back(values[i]);
            }
        }
        ASSERT_EQ(run.size(), referenceLength(values)) << "round " << round;
        ASSERT_TRUE(std::adjacent_find(run.begin(), run.end(), std::greater_equal<int>()) ==
                    run.end())
            << "round " << round;
    }
}

// A: channels "a".."h" (service IDs 1..8) on transponder 0, "x" and "y" sharing service ID
// 50 on transponder 1, free slots 10 on; B starts as a copy of A.
class DiffTest : public CoreTest {
public:
    void SetUp() override {
        CoreTest::SetUp();
        putTransponder(1, 1, 12000000, 27500, 1);
        putLetters(8);
        putChannel(8, 1, "x", 50);
        putChannel(9, 1, "y", 50);
        db->setFavoriteGroupName(0, "News");
        b = std::make_unique<ChannelDatabase>(*db);
    }
    DatabaseDiff diff() const { return compareDatabases(*db, *b); }
    uint8_t* bChannel(int slot) { return b->mutableTables().channels[slot]; }

    using CoreTest::db;
    std::unique_ptr<ChannelDatabase> b;
};

// Counts of added, removed, changed, moved, transponders added, removed, changed, groups.
using Counts = std::array<size_t, 8>;

Counts countsOf(const DatabaseDiff& d) {
    return {d.added.size(),
            d.removed.size(),
            d.changed.size(),
            d.moved.size(),
            d.transpondersAdded.size(),
            d.transpondersRemoved.size(),
            d.transpondersChanged.size(),
            d.groupsRenamed.size()};
}

TEST_F(DiffTest, ADatabaseEqualsItselfWhereverItsFreeSlotsLie) {
    EXPECT_TRUE(diff().equal());
    moveChannelRecord(*b, 20, 3);  // a free slot between live channels: the same list
    EXPECT_TRUE(diff().equal());
    EXPECT_EQ(countsOf(diff()), Counts{});
}

TEST_F(DiffTest, EachPlantedChangeIsReportedAsItsKindAndNothingElse) {
    struct Case {
        const char* name;
        std::function<void(DiffTest&)> plant;
        Counts counts;
    };
    const Case cases[] = {
        {"a channel added at the end",
         [](DiffTest& t) { coretest::putChannel(*t.b, 12, 0, "new", 90); },
         {1, 0, 0, 0, 0, 0, 0, 0}},
        {"a channel inserted in the middle (the rest shifts)",
         [](DiffTest& t) {
             coretest::putChannel(*t.b, 12, 0, "new", 90);
             moveChannelRecord(*t.b, 12, 2);
         },
         {1, 0, 0, 0, 0, 0, 0, 0}},
        {"a channel deleted from the middle",
         [](DiffTest& t) { deleteChannels(*t.b, ChannelSet(std::vector<int>{3})); },
         {0, 1, 0, 0, 0, 0, 0, 0}},
        {"one channel dragged down five places",
         [](DiffTest& t) { moveChannelRecord(*t.b, 0, 6); },
         {0, 0, 0, 1, 0, 0, 0, 0}},
        {"two neighbours swapped",
         [](DiffTest& t) { moveChannelRecord(*t.b, 5, 4); },
         {0, 0, 0, 1, 0, 0, 0, 0}},
        {"a new service ID: another channel",
         [](DiffTest& t) { t.b->setChannelServiceId(2, 77); },
         {1, 1, 0, 0, 0, 0, 0, 0}},
        {"channels of one key swapped: paired by name",
         [](DiffTest& t) { moveChannelRecord(*t.b, 9, 8); },
         {0, 0, 0, 1, 0, 0, 0, 0}},
        {"a transponder added",
         [](DiffTest& t) { coretest::putTransponder(*t.b, 7, 1, 10800000); },
         {0, 0, 0, 0, 1, 0, 0, 0}},
        {"a transponder without channels removed",
         [](DiffTest& t) {
             coretest::putTransponder(*t.db, 7, 1, 10800000);
             coretest::putTransponder(*t.b, 7, 1, 10800000);
             deleteTransponder(*t.b, 7);
         },
         {0, 0, 0, 0, 0, 1, 0, 0}},
        {"a symbol rate",
         [](DiffTest& t) { t.b->setTransponderSymbolRate(1, 22000); },
         {0, 0, 0, 0, 0, 0, 1, 0}},
        {"a frequency: another transponder and other channels",
         [](DiffTest& t) { t.b->setTransponderFrequencyMhz(1, 12100); },
         {2, 2, 0, 0, 1, 1, 0, 0}},
        {"a re-tune onto the frequency of a later transponder: that one stays itself",
         [](DiffTest& t) {
             for (ChannelDatabase* side : {t.db.get(), t.b.get()}) {
                 coretest::putTransponder(*side, 5, 1, 10800000, 22000, 1);
                 coretest::putTransponder(*side, 7, 1, 11222000, 27500, 1);
             }
             t.b->setTransponderFrequencyMhz(5, 11222);
         },
         {0, 0, 0, 0, 1, 1, 0, 0}},
        {"a group renamed",
         [](DiffTest& t) { t.b->setFavoriteGroupName(0, "Nachrichten"); },
         {0, 0, 0, 0, 0, 0, 0, 1}},
    };
    DatabaseComparer reused;  // what each comparison leaves in it must not show in the next
    for (const Case& c : cases) {
        SetUp();
        c.plant(*this);
        EXPECT_EQ(countsOf(diff()), c.counts) << c.name;
        EXPECT_EQ(countsOf(reused.compare(*b, *db)), countsOf(compareDatabases(*b, *db)))
            << c.name << ", by a comparer used before";
    }
}

TEST_F(DiffTest, AChangedChannelNamesEachFieldThatDiffers) {
    const std::pair<ChannelField, std::function<void(DiffTest&)>> fields[] = {
        {ChannelField::Name, [](DiffTest& t) { t.b->setChannelName(3, "dd"); }},
        {ChannelField::VideoPid, [](DiffTest& t) { t.b->setChannelVideoPid(3, 300); }},
        {ChannelField::AudioPid, [](DiffTest& t) { t.b->setChannelAudioPid(3, 301); }},
        {ChannelField::PcrPid, [](DiffTest& t) { t.b->setChannelPcrPid(3, 302); }},
        {ChannelField::Cas, [](DiffTest& t) { t.b->setChannelCasBits(3, 0x100); }},
        {ChannelField::Lock, [](DiffTest& t) { t.b->setChannelLocked(3, true); }},
        {ChannelField::Favorites, [](DiffTest& t) { t.b->setFavoriteBits(3, 0x8000); }},
        {ChannelField::Kind, [](DiffTest& t) { writeU16(t.bChannel(3) + ch::Flags, 1); }},
    };
    for (const auto& [field, plant] : fields) {
        SetUp();
        plant(*this);
        const DatabaseDiff d = diff();
        ASSERT_EQ(countsOf(d), (Counts{0, 0, 1, 0, 0, 0, 0, 0}))
            << ChannelFieldNames[static_cast<int>(field)];
        EXPECT_EQ(d.changed[0].fields, std::vector<ChannelField>{field});
        EXPECT_EQ(d.changed[0].a.slot, 3);
        EXPECT_EQ(d.changed[0].b.slot, 3);
    }
    SetUp();
    b->setChannelName(3, "dd");
    b->setChannelLocked(3, true);
    b->setChannelVideoPid(3, 300);
    EXPECT_EQ(diff().changed[0].fields,
              (std::vector<ChannelField>{ChannelField::Name, ChannelField::VideoPid,
                                         ChannelField::Lock}));
}

TEST_F(DiffTest, MovesAndChangesCarryBothPlaces) {
    deleteChannels(*b, ChannelSet(std::vector<int>{1}));  // "b" removed: rows shift by one
    moveChannelRecord(*b, 0, 5);                          // c d e f a g h x y
    const DatabaseDiff d = diff();
    ASSERT_EQ(d.moved.size(), 1u);
    EXPECT_EQ(d.moved[0].a.slot, 0);
    EXPECT_EQ(d.moved[0].a.row, 0);
    EXPECT_EQ(d.moved[0].b.row, 4);
    EXPECT_EQ(d.moved[0].b.slot, 4);
    ASSERT_EQ(d.removed.size(), 1u);
    EXPECT_EQ(d.removed[0].a.slot, 1);
    EXPECT_EQ(d.removed[0].b.slot, -1);
}

}  // namespace
}  // namespace kavro::coretest
