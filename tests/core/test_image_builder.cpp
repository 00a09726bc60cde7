// The builder's images are the ground of many tests and the demo database: check that they
// hold what they promise.
#include "ImageTestSupport.h"
#include "database/ByteOrder.h"
#include "database/ViewIndex.h"

using namespace kavro;
using namespace kavro::imagetest;
namespace kt = kavro::testing;

namespace {

class ImageBuilderTest : public ImageTest {};

int countWhere(int capacity, bool (*predicate)(int)) {
    int n = 0;
    for (int i = 0; i < capacity; ++i) {
        n += predicate(i);
    }
    return n;
}

// Live channels for which `predicate` holds.
int countLive(bool (*predicate)(int)) {
    int n = 0;
    for (int c = 0; c < ChannelCapacity; ++c) {
        n += isLiveChannel(c) && predicate(c);
    }
    return n;
}

}  // namespace

TEST_F(ImageBuilderTest, FullCapacityImageFillsEveryTable) {
    ASSERT_TRUE(kt::loadIntoDatabase(kt::fullCapacityImage()));
    EXPECT_EQ(countWhere(SatelliteCapacity, isSatelliteShown), SatelliteCapacity);
    EXPECT_EQ(countWhere(TransponderCapacity, isLiveTransponder), TransponderCapacity);
    EXPECT_EQ(countWhere(ChannelCapacity, isLiveChannel), ChannelCapacity);
    EXPECT_EQ(countWhere(ChannelCapacity, isRadioChannel), ChannelCapacity / 3);
    for (int s = 0; s < SatelliteCapacity; ++s) {
        EXPECT_EQ(satelliteTransponderCount(s), 36) << s;
        EXPECT_FALSE(satelliteName(s).empty());
    }
    EXPECT_EQ(viewCount(ViewRadio), ChannelCapacity / 3);
    EXPECT_GT(countLive(isChannelLocked), 0);
    EXPECT_GT(countLive(hasFavorites), 0);
}

TEST_F(ImageBuilderTest, SmallImageIsATypicalDatabase) {
    ASSERT_TRUE(kt::loadIntoDatabase(kt::smallImage()));
    EXPECT_EQ(imageBytesRead(), static_cast<uint32_t>(ImageSize));
    EXPECT_EQ(countWhere(SatelliteCapacity, isSatelliteShown), 5);
    EXPECT_EQ(satelliteName(4), "Vesper 9.0E");
    EXPECT_FALSE(isSatelliteShown(4));
    EXPECT_EQ(countWhere(TransponderCapacity, isLiveTransponder), 20);
    EXPECT_EQ(countWhere(ChannelCapacity, isLiveChannel), 60);
    EXPECT_EQ(viewCount(ViewTv), 40);
    EXPECT_EQ(viewCount(ViewRadio), 20);
    EXPECT_EQ(countLive(isChannelLocked), 1);
    EXPECT_GT(countLive(hasFavorites), 5);
    EXPECT_GT(countLive([](int c) { return channelCasBits(c) != 0; }), 5);
    EXPECT_EQ(favoriteGroupName(7), "Travel");
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
    EXPECT_FALSE(kt::loadIntoDatabase(flipByte(kt::smallImage(), 40)));
    const auto* db = reinterpret_cast<const uint8_t*>(&channelDatabase());
    EXPECT_EQ(Bytes(db, db + sizeof(ChannelDatabase)), Bytes(sizeof(ChannelDatabase), 0));
    EXPECT_EQ(imageBytesRead(), 0u);
}
