// The builder's images are the ground of many tests and the demo database: check that they
// hold what they promise.
#include "ImageTestSupport.h"
#include "database/ByteOrder.h"
#include "database/ViewIndex.h"

#include <functional>

using namespace kavro;
using namespace kavro::imagetest;
namespace kt = kavro::testing;

namespace {

using Predicate = bool (ChannelDatabase::*)(int) const;

class ImageBuilderTest : public ImageTest {
protected:
    int countWhere(int capacity, Predicate predicate) {
        int n = 0;
        for (int i = 0; i < capacity; ++i) {
            n += (db().*predicate)(i);
        }
        return n;
    }
    // Live channels for which `predicate` holds.
    template <typename Holds>
    int countLive(Holds holds) {
        int n = 0;
        for (int c = 0; c < ChannelCapacity; ++c) {
            n += db().isLiveChannel(c) && std::invoke(holds, db(), c);
        }
        return n;
    }
    const ViewIndex& rebuiltIndex() {
        index_ = std::make_unique<ViewIndex>();
        index_->rebuild(db(), View::All);
        return *index_;
    }
    std::unique_ptr<ViewIndex> index_;
};

}  // namespace

TEST_F(ImageBuilderTest, FullCapacityImageFillsEveryTable) {
    ASSERT_TRUE(load(kt::fullCapacityImage()));
    EXPECT_EQ(countWhere(SatelliteCapacity, &ChannelDatabase::isSatelliteShown), SatelliteCapacity);
    EXPECT_EQ(countWhere(TransponderCapacity, &ChannelDatabase::isLiveTransponder),
              TransponderCapacity);
    EXPECT_EQ(countWhere(ChannelCapacity, &ChannelDatabase::isLiveChannel), ChannelCapacity);
    EXPECT_EQ(countWhere(ChannelCapacity, &ChannelDatabase::isRadioChannel), ChannelCapacity / 3);
    const ViewIndex& index = rebuiltIndex();
    for (int s = 0; s < SatelliteCapacity; ++s) {
        EXPECT_EQ(index.satelliteTransponderCount(s), 36) << s;
        EXPECT_FALSE(db().satelliteName(s).empty());
    }
    EXPECT_EQ(index.viewCount(View::Radio), ChannelCapacity / 3);
    EXPECT_GT(countLive(&ChannelDatabase::isChannelLocked), 0);
    EXPECT_GT(countLive(&ChannelDatabase::hasFavorites), 0);
}

TEST_F(ImageBuilderTest, SmallImageIsATypicalDatabase) {
    ASSERT_TRUE(load(kt::smallImage()));
    EXPECT_EQ(image().bytesRead(), static_cast<uint32_t>(ImageSize));
    EXPECT_EQ(countWhere(SatelliteCapacity, &ChannelDatabase::isSatelliteShown), 5);
    EXPECT_EQ(db().satelliteName(4), "Vesper 9.0E");
    EXPECT_FALSE(db().isSatelliteShown(4));
    EXPECT_EQ(countWhere(TransponderCapacity, &ChannelDatabase::isLiveTransponder), 20);
    EXPECT_EQ(countWhere(ChannelCapacity, &ChannelDatabase::isLiveChannel), 60);
    EXPECT_EQ(rebuiltIndex().viewCount(View::Tv), 40);
    EXPECT_EQ(rebuiltIndex().viewCount(View::Radio), 20);
    EXPECT_EQ(countLive(&ChannelDatabase::isChannelLocked), 1);
    EXPECT_GT(countLive(&ChannelDatabase::hasFavorites), 5);
    EXPECT_GT(countLive([](const ChannelDatabase& db, int c) { return db.channelCasBits(c) != 0; }),
              5);
    EXPECT_EQ(db().favoriteGroupName(7), "Travel");
}

TEST_F(ImageBuilderTest, FreeSlotsCarryTheirSentinelsAndTheRestIsNoise) {
    kt::TestImageBuilder builder(5);
    builder.channel(0, 0, "X", 1).transponder(0, 0, 11000000, 27500, 0);
    const Bytes image = builder.build();
    EXPECT_EQ(readU16(&image[ChannelRegion + 64 + ch::TransponderIndex]), DeletedTransponderIndex);
    EXPECT_EQ(image[TransponderRegion + 28 + tp::SatelliteIndex], DeletedSatelliteIndex);
    EXPECT_EQ(readU16(&image[hdr::Magic]), ImageMagic);
    EXPECT_EQ(coveredLength(image.data()), BodySize);
    // Different seeds give different uninterpreted bytes, the same seed the same image.
    EXPECT_NE(kt::TestImageBuilder(6).build(), kt::TestImageBuilder(5).build());
    EXPECT_EQ(kt::TestImageBuilder(5).build(), kt::TestImageBuilder(5).build());
    int zeros = 0;
    for (int i = 0x0F8020; i < 0x100020; ++i) {
        zeros += image[i] == 0;
    }
    EXPECT_LT(zeros, 1000);  // about 128 expected of 32,768 random bytes
}

TEST_F(ImageBuilderTest, ARejectedImageLoadsNothing) {
    EXPECT_FALSE(load(flipByte(kt::smallImage(), 40)));
    EXPECT_EQ(Bytes(db().bytes(), db().bytes() + table::Size), Bytes(table::Size, 0));
    EXPECT_EQ(image().bytesRead(), 0u);
}
