#include <gtest/gtest.h>

#include "database/RecordLayout.h"

TEST(Layout, RecordSizesAddUpToTheTables) {
    EXPECT_EQ(kavro::ChannelCapacity * kavro::ChannelRecordSize, 983040);
}
