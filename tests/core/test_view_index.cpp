#include "core_tables.h"

namespace kavro::coretest {
namespace {

using ViewIndexTest = CoreTest;

// The channel shown in a view's row; -1 when viewChannel refuses.
int channelAt(int view, int row) {
    int channel = -1;
    return viewChannel(view, row, channel) ? channel : -1;
}

TEST_F(ViewIndexTest, EmptyDatabaseHasNoRows) {
    freeAllTransponders();
    rebuildViewIndex();
    for (int view : {0, 1, 2, 3, -1}) {
        EXPECT_EQ(viewCount(view), 0) << view;
    }
    EXPECT_EQ(satelliteTransponderCount(0), 0);
}

TEST_F(ViewIndexTest, ListsFollowTableOrderAndCountsFollowTheView) {
    putTransponder(1, 1);
    putTransponder(5, 1);
    putTransponder(3, 0);
    putChannel(0, 0, "tv0", 1);
    putChannel(1, 5, "radio1", 2, false);
    putChannel(2, 1, "tv2", 3);
    putChannel(4, 3, "radio4", 4, false);
    rebuildViewIndex();
    const ViewIndex& v = viewIndex();
    ASSERT_EQ(v.tvCount, 2);
    EXPECT_EQ(v.tvList[0], 0);
    EXPECT_EQ(v.tvList[1], 2);
    ASSERT_EQ(v.radioCount, 2);
    EXPECT_EQ(v.radioList[0], 1);
    EXPECT_EQ(v.radioList[1], 4);
    ASSERT_EQ(satelliteTransponderCount(1), 2);
    EXPECT_EQ(satelliteTransponder(1, 0), 1);
    EXPECT_EQ(satelliteTransponder(1, 1), 5);
    EXPECT_EQ(satelliteChannelCount(0), 2);
    EXPECT_EQ(satelliteChannelCount(1), 2);

    viewIndex().currentView = ViewRadio;
    rebuildViewIndex();
    EXPECT_EQ(satelliteTransponderCount(1), 2);  // transponders do not depend on the view
    EXPECT_EQ(satelliteChannelCount(0), 1);
    EXPECT_EQ(transponderChannelCount(3), 1);
    EXPECT_EQ(transponderChannelCount(0), 0);
    EXPECT_EQ(v.tvCount, 2);  // both lists are filled whatever the view

    viewIndex().currentView = ViewTv;
    rebuildViewIndex();
    EXPECT_EQ(transponderChannelCount(5), 0);
    EXPECT_EQ(transponderChannelCount(1), 1);

    viewIndex().currentView = 7;
    rebuildViewIndex();
    EXPECT_EQ(satelliteChannelCount(0) + satelliteChannelCount(1), 0);
    EXPECT_EQ(v.allCount, 4);
}

TEST_F(ViewIndexTest, ChannelsOfDeadTranspondersAreNowhere) {
    putTransponder(1, DeletedSatelliteIndex);
    putTransponder(2, 65);
    putTransponder(3, 200);
    putChannel(0, 1, "x", 1);
    putChannel(1, 2, "y", 1);
    putChannel(2, 3, "z", 1, false);
    putChannel(3, 4000, "w", 1);
    rebuildViewIndex();
    EXPECT_EQ(viewCount(ViewAll), 0);
    EXPECT_EQ(viewCount(ViewTv), 0);
    EXPECT_EQ(viewCount(ViewRadio), 0);
    EXPECT_EQ(satelliteTransponderCount(0), 1);
}

TEST_F(ViewIndexTest, AllViewSkipsFreeSlots) {
    putChannel(0, 0, "a", 1);
    putChannel(2, 0, "c", 3, false);
    putChannel(5, 0, "f", 6);
    rebuildViewIndex();
    ASSERT_EQ(viewCount(ViewAll), 3);
    EXPECT_EQ(channelAt(ViewAll, 0), 0);
    EXPECT_EQ(channelAt(ViewAll, 1), 2);
    EXPECT_EQ(channelAt(ViewAll, 2), 5);
    EXPECT_EQ(channelAt(ViewAll, 3), 0);  // beyond the view: the first row
}

TEST_F(ViewIndexTest, RowsBeyondAViewAnswerItsFirstRow) {
    putChannel(0, 0, "r", 1, false);
    putChannel(3, 0, "t1", 2);
    putChannel(4, 0, "t2", 3);
    putChannel(6, 0, "t3", 4);
    rebuildViewIndex();
    EXPECT_EQ(channelAt(ViewTv, 5), 3);
    EXPECT_EQ(channelAt(ViewTv, 2), 6);
    EXPECT_EQ(channelAt(ViewRadio, -1), 0);
    int channel = 42;
    EXPECT_FALSE(viewChannel(3, 0, channel));
    EXPECT_EQ(channel, 42);
}

TEST_F(ViewIndexTest, HiddenSatellitesAreCountedAllTheSame) {
    putSatellite(9, "Hidden", false);
    putTransponder(4, 9);
    putChannel(0, 4, "x", 1);
    rebuildViewIndex();
    EXPECT_EQ(satelliteTransponderCount(9), 1);
    EXPECT_EQ(satelliteChannelCount(9), 1);
    EXPECT_EQ(viewCount(ViewAll), 1);
}

TEST_F(ViewIndexTest, FullCapacityFillsEveryList) {
    for (int t = 0; t < TransponderCapacity; ++t) {
        putTransponder(t, 0);
    }
    for (int c = 0; c < ChannelCapacity; ++c) {
        putChannel(c, c % TransponderCapacity, "n", 1, c % 3 != 0);
    }
    rebuildViewIndex();
    EXPECT_EQ(satelliteTransponderCount(0), TransponderCapacity);
    EXPECT_EQ(satelliteTransponder(0, TransponderCapacity - 1), TransponderCapacity - 1);
    EXPECT_EQ(viewCount(ViewAll), ChannelCapacity);
    EXPECT_EQ(viewCount(ViewTv) + viewCount(ViewRadio), ChannelCapacity);
    EXPECT_EQ(satelliteChannelCount(0), ChannelCapacity);
}

}  // namespace
}  // namespace kavro::coretest
