// Channels chosen by what they are: each set on one small table, within the rows given, and
// the set names a script writes.
#include <algorithm>
#include <string>
#include <vector>

#include "core_tables.h"
#include "database/ChannelSets.h"

namespace kavro::coretest {
namespace {

using Slots = std::vector<int>;

ChannelSetQuery set(ChannelSetKind kind, int value = 0, std::span<const int> others = {}) {
    return {kind, value, others};
}

// Satellites 0 and 1 shown, 2 not; transponder t on satellite t. Slot 6 is free.
//   0 "a" sid 1 tp 0      1 "b" sid 2 tp 0 radio, Seca   2 "a" sid 1 tp 0 (a copy of 0)
//   3 "a" sid 1 tp 1      4 "c" sid 3 tp 1 radio, locked, groups 1 and 3
//   5 "d" sid 4 tp 2, group 8   7 "e" sid 5 tp 1, CAS bit 8 (no column value)
//   8 "b" sid 2 tp 0 radio, Other (a copy of 1)   9 "b" sid 2 tp 0 "B" (case differs)
class ChannelSetsTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        putSatellite(2, "Hidden", false);
        putTransponder(1, 1);
        putTransponder(2, 2);
        putChannel(0, 0, "a", 1);
        putChannel(1, 0, "b", 2, false);
        putChannel(2, 0, "a", 1);
        putChannel(3, 1, "a", 1);
        putChannel(4, 1, "c", 3, false);
        putChannel(5, 2, "d", 4);
        putChannel(7, 1, "e", 5);
        putChannel(8, 0, "b", 2, false);
        putChannel(9, 0, "B", 2, false);
        db->setChannelCasBits(1, 0x01);
        db->setChannelCasBits(7, 0x100);
        db->setChannelCasBits(8, 0x80);
        db->setChannelLocked(4, true);
        db->setFavoriteBits(4, 0x05);
        db->setFavoriteBits(5, 0x80);
    }

    Slots select(const ChannelSetQuery& query, const Slots& rows) const {
        return selectChannels(*db, query, rows);
    }

    const Slots live = {0, 1, 2, 3, 4, 5, 7, 8, 9};
};

TEST_F(ChannelSetsTest, EachSetOverEveryLiveChannel) {
    const Slots others = {0, 5, ChannelCapacity, -1};  // out-of-table slots are ignored
    const struct {
        ChannelSetQuery query;
        Slots expected;
    } cases[] = {
        {set(ChannelSetKind::None), {}},
        {set(ChannelSetKind::All), live},
        {set(ChannelSetKind::Tv), {0, 2, 3, 5, 7}},
        {set(ChannelSetKind::Radio), {1, 4, 8, 9}},
        {set(ChannelSetKind::Scrambled), {1, 8}},
        {set(ChannelSetKind::FreeToAir), {0, 2, 3, 4, 5, 7, 9}},
        {set(ChannelSetKind::Locked), {4}},
        {set(ChannelSetKind::Favorite, 1), {4}},
        {set(ChannelSetKind::Favorite, 2), {}},
        {set(ChannelSetKind::Favorite, 3), {4}},
        {set(ChannelSetKind::Favorite, 8), {5}},
        {set(ChannelSetKind::Favorite, 9), {}},
        {set(ChannelSetKind::NoFavorite), {0, 1, 2, 3, 7, 8, 9}},
        {set(ChannelSetKind::Satellite, 0), {0, 1, 2, 8, 9}},
        {set(ChannelSetKind::Satellite, 2), {5}},
        {set(ChannelSetKind::Satellite, 3), {}},
        {set(ChannelSetKind::Transponder, 1), {3, 4, 7}},
        {set(ChannelSetKind::Duplicate), {2, 8}},
        {set(ChannelSetKind::NotIn, 0, others), {1, 2, 3, 4, 7, 8, 9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.query.kind) * 100 + c.query.value);
        EXPECT_EQ(select(c.query, live), c.expected);
    }
}

// The rows a list shows: only they are chosen, in their order; a copy stays a copy when its
// first is not shown.
TEST_F(ChannelSetsTest, OnlyTheRowsGivenAreChosenInTheirOrder) {
    EXPECT_EQ(select(set(ChannelSetKind::Radio), {9, 0, 4}), (Slots{9, 4}));
    EXPECT_EQ(select(set(ChannelSetKind::Duplicate), {8, 2}), (Slots{8, 2}));
    EXPECT_EQ(select(set(ChannelSetKind::Duplicate), {0, 1}), Slots{});
    const Slots selected = {1, 2};
    EXPECT_EQ(select(set(ChannelSetKind::NotIn, 0, selected), {2, 3}), Slots{3});
    EXPECT_EQ(select(set(ChannelSetKind::All), {}), Slots{});
}

// A clean list has no problem channel; every channel of a satellite not shown has one.
TEST_F(ChannelSetsTest, ProblemsNameTheChannelsOfTheFindings) {
    CoreTest::SetUp();
    putLetters(3);
    EXPECT_EQ(select(set(ChannelSetKind::Problems), {0, 1, 2}), Slots{});
    putSatellite(2, "Hidden", false);
    putTransponder(2, 2);
    putChannel(3, 2, "x", 7);
    putChannel(4, 2, "y", 8);
    putChannel(5, 0, "z", 1);  // the service ID of "a" on its transponder
    const Slots found = select(set(ChannelSetKind::Problems), {0, 1, 2, 3, 4, 5});
    for (int ch : {3, 4, 5}) {
        EXPECT_NE(std::find(found.begin(), found.end(), ch), found.end()) << ch;
    }
    for (int ch : {1, 2}) {
        EXPECT_EQ(std::find(found.begin(), found.end(), ch), found.end()) << ch;
    }
}

TEST(ChannelSetNames, EachNameAndEachFault) {
    const struct {
        const char* word;
        bool parsed;
        ChannelSetKind kind;
        int value;
        bool problem;  // a set's name with a fault
    } cases[] = {
        {"all", true, ChannelSetKind::All, 0, false},
        {"tv", true, ChannelSetKind::Tv, 0, false},
        {"radio", true, ChannelSetKind::Radio, 0, false},
        {"scrambled", true, ChannelSetKind::Scrambled, 0, false},
        {"fta", true, ChannelSetKind::FreeToAir, 0, false},
        {"locked", true, ChannelSetKind::Locked, 0, false},
        {"fav:1", true, ChannelSetKind::Favorite, 1, false},
        {"fav:8", true, ChannelSetKind::Favorite, 8, false},
        {"nofav", true, ChannelSetKind::NoFavorite, 0, false},
        {"sat:0", true, ChannelSetKind::Satellite, 0, false},
        {"sat:64", true, ChannelSetKind::Satellite, 64, false},
        {"tp:2339", true, ChannelSetKind::Transponder, 2339, false},
        {"dup", true, ChannelSetKind::Duplicate, 0, false},
        {"problems", true, ChannelSetKind::Problems, 0, false},
        {"fav:0", false, {}, 0, true},
        {"fav:9", false, {}, 0, true},
        {"fav", false, {}, 0, true},
        {"fav:", false, {}, 0, true},
        {"fav:+1", false, {}, 0, true},
        {"fav:1x", false, {}, 0, true},
        {"sat:65", false, {}, 0, true},
        {"tp:2340", false, {}, 0, true},
        {"tp:99999999999", false, {}, 0, true},
        {"tv:1", false, {}, 0, true},
        {"TV", false, {}, 0, false},
        {"12", false, {}, 0, false},
        {"0-5", false, {}, 0, false},
        {"", false, {}, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        ChannelSetQuery query;
        std::string problem;
        EXPECT_EQ(parseChannelSetName(c.word, query, problem), c.parsed);
        EXPECT_EQ(!problem.empty(), c.problem);
        if (c.parsed) {
            EXPECT_EQ(query.kind, c.kind);
            EXPECT_EQ(query.value, c.value);
        }
    }
}

}  // namespace
}  // namespace kavro::coretest
