#include <vector>

#include "core_tables.h"

namespace kavro::coretest {
namespace {

using ViewIndexTest = CoreTest;

// The channel shown in a view's row; -1 when viewChannel refuses.
int channelAt(const ViewIndex& index, View view, int row) {
    int channel = -1;
    return index.viewChannel(view, row, channel) ? channel : -1;
}

TEST_F(ViewIndexTest, EmptyDatabaseHasNoRows) {
    freeAllTransponders();
    rebuild();
    for (View view : Views) {
        EXPECT_EQ(index->viewCount(view), 0) << viewNumber(view);
    }
    EXPECT_EQ(index->satelliteTransponderCount(0), 0);
}

TEST_F(ViewIndexTest, ListsFollowTableOrderAndCountsFollowTheView) {
    putTransponder(1, 1);
    putTransponder(5, 1);
    putTransponder(3, 0);
    putChannel(0, 0, "tv0", 1);
    putChannel(1, 5, "radio1", 2, false);
    putChannel(2, 1, "tv2", 3);
    putChannel(4, 3, "radio4", 4, false);
    rebuild();
    const ViewIndex& v = *index;
    EXPECT_EQ(std::vector<int>(v.viewChannels(View::Tv).begin(), v.viewChannels(View::Tv).end()),
              std::vector<int>({0, 2}));
    EXPECT_EQ(
        std::vector<int>(v.viewChannels(View::Radio).begin(), v.viewChannels(View::Radio).end()),
        std::vector<int>({1, 4}));
    ASSERT_EQ(index->satelliteTransponderCount(1), 2);
    EXPECT_EQ(index->satelliteTransponder(1, 0), 1);
    EXPECT_EQ(index->satelliteTransponder(1, 1), 5);
    EXPECT_EQ(index->satelliteChannelCount(0), 2);
    EXPECT_EQ(index->satelliteChannelCount(1), 2);

    rebuild(View::Radio);
    EXPECT_EQ(v.view(), View::Radio);
    EXPECT_EQ(index->satelliteTransponderCount(1), 2);  // transponders do not depend on the view
    EXPECT_EQ(index->satelliteChannelCount(0), 1);
    EXPECT_EQ(index->transponderChannelCount(3), 1);
    EXPECT_EQ(index->transponderChannelCount(0), 0);
    EXPECT_EQ(v.viewCount(View::Tv), 2);  // both lists are filled whatever the view

    rebuild(View::Tv);
    EXPECT_EQ(index->transponderChannelCount(5), 0);
    EXPECT_EQ(index->transponderChannelCount(1), 1);
}

TEST_F(ViewIndexTest, ChannelsOfDeadTranspondersAreNowhere) {
    putTransponder(1, DeletedSatelliteIndex);
    putTransponder(2, 65);
    putTransponder(3, 200);
    putChannel(0, 1, "x", 1);
    putChannel(1, 2, "y", 1);
    putChannel(2, 3, "z", 1, false);
    putChannel(3, 4000, "w", 1);
    rebuild();
    EXPECT_EQ(index->viewCount(View::All), 0);
    EXPECT_EQ(index->viewCount(View::Tv), 0);
    EXPECT_EQ(index->viewCount(View::Radio), 0);
    EXPECT_EQ(index->satelliteTransponderCount(0), 1);
}

TEST_F(ViewIndexTest, AllViewSkipsFreeSlots) {
    putChannel(0, 0, "a", 1);
    putChannel(2, 0, "c", 3, false);
    putChannel(5, 0, "f", 6);
    rebuild();
    ASSERT_EQ(index->viewCount(View::All), 3);
    EXPECT_EQ(channelAt(*index, View::All, 0), 0);
    EXPECT_EQ(channelAt(*index, View::All, 1), 2);
    EXPECT_EQ(channelAt(*index, View::All, 2), 5);
    EXPECT_EQ(channelAt(*index, View::All, 3), 0);  // beyond the view: the first row
}

TEST_F(ViewIndexTest, RowsBeyondAViewAnswerItsFirstRow) {
    putChannel(0, 0, "r", 1, false);
    putChannel(3, 0, "t1", 2);
    putChannel(4, 0, "t2", 3);
    putChannel(6, 0, "t3", 4);
    rebuild();
    EXPECT_EQ(channelAt(*index, View::Tv, 5), 3);
    EXPECT_EQ(channelAt(*index, View::Tv, 2), 6);
    EXPECT_EQ(channelAt(*index, View::Radio, -1), 0);
}

TEST_F(ViewIndexTest, HiddenSatellitesAreCountedAllTheSame) {
    putSatellite(9, "Hidden", false);
    putTransponder(4, 9);
    putChannel(0, 4, "x", 1);
    rebuild();
    EXPECT_EQ(index->satelliteTransponderCount(9), 1);
    EXPECT_EQ(index->satelliteChannelCount(9), 1);
    EXPECT_EQ(index->viewCount(View::All), 1);
}

TEST_F(ViewIndexTest, FullCapacityFillsEveryList) {
    for (int t = 0; t < TransponderCapacity; ++t) {
        putTransponder(t, 0);
    }
    for (int c = 0; c < ChannelCapacity; ++c) {
        putChannel(c, c % TransponderCapacity, "n", 1, c % 3 != 0);
    }
    rebuild();
    EXPECT_EQ(index->satelliteTransponderCount(0), TransponderCapacity);
    EXPECT_EQ(index->satelliteTransponder(0, TransponderCapacity - 1), TransponderCapacity - 1);
    EXPECT_EQ(index->viewCount(View::All), ChannelCapacity);
    EXPECT_EQ(index->viewCount(View::Tv) + index->viewCount(View::Radio), ChannelCapacity);
    EXPECT_EQ(index->satelliteChannelCount(0), ChannelCapacity);
}

}  // namespace
}  // namespace kavro::coretest
