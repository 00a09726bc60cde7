#include <set>

#include "ImageTestSupport.h"
#include "database/ByteOrder.h"

using namespace kavro;
using namespace kavro::imagetest;
namespace kt = kavro::testing;

namespace {

class DatabaseImageTest : public ImageTest {
protected:
    // A valid image loaded as an open would, so that a later rejection has something to keep.
    void loadSmall() {
        loaded_ = kt::smallImage();
        ASSERT_TRUE(kt::loadIntoDatabase(loaded_));
    }
    void expectRejected(const Bytes& image, ImageProblem problem) {
        ASSERT_EQ(image.size(), static_cast<size_t>(ImageSize));
        EXPECT_EQ(checkImage(image.data()), problem);
        const Snapshot before = Snapshot::take();
        EXPECT_FALSE(UnpackImage(image.data()));
        EXPECT_TRUE(Snapshot::take() == before);
    }
    Bytes loaded_;
};

}  // namespace

TEST_F(DatabaseImageTest, UnpackCopiesEveryRegionAndTheHeader) {
    const Bytes image = kt::smallImage(11);
    ImageProblem problem = ImageProblem::WrongMagic;
    ASSERT_TRUE(UnpackImage(image.data(), problem));
    EXPECT_EQ(problem, ImageProblem::None);
    const ChannelDatabase& db = channelDatabase();
    EXPECT_EQ(0, std::memcmp(db.channels, &image[ChannelRegion], sizeof db.channels));
    EXPECT_EQ(0, std::memcmp(db.transponders, &image[TransponderRegion], sizeof db.transponders));
    EXPECT_EQ(0, std::memcmp(db.satellites, &image[SatelliteRegion], sizeof db.satellites));
    EXPECT_EQ(0,
              std::memcmp(db.favoriteNames, &image[FavoriteNameRegion], sizeof db.favoriteNames));
    EXPECT_EQ(0, std::memcmp(db.opaqueBlockA, &image[OpaqueBlockARegion], OpaqueBlockSize));
    EXPECT_EQ(0, std::memcmp(db.opaqueBlockB, &image[OpaqueBlockBRegion], OpaqueBlockSize));
    EXPECT_EQ(0, std::memcmp(workingHeader(), image.data(), hdr::HeaderChecksum));
    EXPECT_EQ(readU16(workingHeader() + hdr::HeaderChecksum), 0);
    EXPECT_EQ(0, std::memcmp(workingHeader() + 28, &image[28], 4));
    EXPECT_EQ(channelName(13), "Velvet Cinema");
    EXPECT_TRUE(isChannelLocked(13));
}

TEST_F(DatabaseImageTest, EachDamageIsRejectedAndChangesNothing) {
    loadSmall();
    const Bytes good = kt::smallImage(5);

    Bytes swappedMagic = good;
    std::swap(swappedMagic[0], swappedMagic[1]);  // stored as C0 CE
    expectRejected(refixed(swappedMagic), ImageProblem::WrongMagic);

    // Header checksum taken while the data checksum field held another value.
    Bytes staleHeader = good;
    writeU16(&staleHeader[hdr::DataChecksum], readU16(&good[hdr::DataChecksum]) ^ 0x0101);
    staleHeader = headerRefixed(staleHeader);
    writeU16(&staleHeader[hdr::DataChecksum], readU16(&good[hdr::DataChecksum]));
    expectRejected(staleHeader, ImageProblem::HeaderChecksum);

    expectRejected(flipByte(good, 2), ImageProblem::HeaderChecksum);  // uninterpreted byte
    expectRejected(flipByte(good, hdr::HeaderChecksum), ImageProblem::HeaderChecksum);
    expectRejected(flipByte(good, ChannelRegion + 5 * ChannelRecordSize + ch::Name),
                   ImageProblem::DataChecksum);
    expectRejected(flipByte(good, ImageSize - 1), ImageProblem::DataChecksum);

    kt::TestImageBuilder beyond(5);
    beyond.coveredLength(BodySize + 1);
    expectRejected(beyond.build(), ImageProblem::CoveredLengthTooLong);
    beyond.coveredLength(INT32_MAX);
    expectRejected(beyond.build(), ImageProblem::CoveredLengthTooLong);
}

TEST_F(DatabaseImageTest, CoveredLengthAddsTheExtraUnsigned) {
    kt::TestImageBuilder builder(9);
    builder.coveredLength(BodySize, 0xFFFF);
    const Bytes image = builder.build();
    EXPECT_EQ(readU16(&image[hdr::DataLengthExtra]), 0xFFFF);
    EXPECT_EQ(coveredLength(image.data()), BodySize);
    EXPECT_TRUE(UnpackImage(image.data()));
    // Wrapping past 2^31 makes a negative, empty stretch.
    builder.coveredLength(INT32_MIN + 5);
    EXPECT_LT(coveredLength(builder.bytes()), 0);
}

TEST_F(DatabaseImageTest, EmptyStretchIsAcceptedOnlyWithAllOnes) {
    for (int32_t length : {0, -32, -1000, INT32_MIN}) {
        kt::TestImageBuilder builder(4);
        builder.coveredLength(length);
        Bytes image = builder.build();
        EXPECT_EQ(readU16(&image[hdr::DataChecksum]), 0xFFFF) << length;
        EXPECT_TRUE(UnpackImage(image.data())) << length;
        writeU16(&image[hdr::DataChecksum], 0xFFFE);
        expectRejected(headerRefixed(image), ImageProblem::DataChecksum);
    }
}

TEST_F(DatabaseImageTest, BytesBeyondTheCoveredStretchAreNotChecked) {
    kt::TestImageBuilder builder(12);
    builder.coveredLength(1000);
    const Bytes image = builder.build();
    EXPECT_TRUE(UnpackImage(flipByte(image, HeaderSize + 1000).data()));
    expectRejected(flipByte(image, HeaderSize + 999), ImageProblem::DataChecksum);
}

TEST_F(DatabaseImageTest, UneditedImagePacksToTheSameBytesEveryTime) {
    loadSmall();
    PackImage();
    EXPECT_EQ(imageBytes(), loaded_);
    PackImage();
    EXPECT_EQ(imageBytes(), loaded_);
}

TEST_F(DatabaseImageTest, EditChangesOnlyTheFieldAndBothChecksums) {
    loadSmall();
    setChannelServiceId(7, channelServiceId(7) ^ 0x1234);
    setTransponderFrequencyMhz(3, 12001);
    PackImage();
    const Bytes packed = imageBytes();
    EXPECT_EQ(checkImage(packed.data()), ImageProblem::None);

    const int service = ChannelRegion + 7 * ChannelRecordSize + ch::ServiceId;
    const int frequency = TransponderRegion + 3 * TransponderRecordSize + tp::FrequencyKhz;
    const std::set<int> allowed = {service,
                                   service + 1,
                                   frequency,
                                   frequency + 1,
                                   frequency + 2,
                                   frequency + 3,
                                   hdr::DataChecksum,
                                   hdr::DataChecksum + 1,
                                   hdr::HeaderChecksum,
                                   hdr::HeaderChecksum + 1};
    std::set<int> changed;
    for (int i = 0; i < ImageSize; ++i) {
        if (packed[i] != loaded_[i]) {
            changed.insert(i);
        }
    }
    for (int i : changed) {
        EXPECT_TRUE(allowed.count(i)) << "byte " << i << " changed";
    }
    EXPECT_TRUE(changed.count(service) || changed.count(service + 1));
    EXPECT_EQ(readU32(&packed[frequency]), 12001000u);
    EXPECT_NE(readU16(&packed[hdr::DataChecksum]), readU16(&loaded_[hdr::DataChecksum]));
}

TEST_F(DatabaseImageTest, PackKeepsTheWorkingHeaderChecksumFieldZero) {
    loadSmall();
    setChannelCasBits(0, 0xFF);
    PackImage();
    EXPECT_EQ(readU16(workingHeader() + hdr::HeaderChecksum), 0);
    EXPECT_EQ(readU16(workingHeader() + hdr::DataChecksum),
              readU16(databaseImage() + hdr::DataChecksum));
    // A second pack after another edit still yields a valid image.
    setChannelCasBits(0, 0x01);
    PackImage();
    EXPECT_EQ(checkImage(databaseImage()), ImageProblem::None);
}

TEST_F(DatabaseImageTest, ResetClearsImageCountAndHeader) {
    loadSmall();
    resetDatabaseImage();
    EXPECT_EQ(imageBytesRead(), 0u);
    EXPECT_EQ(imageBytes(), Bytes(ImageSize, 0));
    EXPECT_EQ(Bytes(workingHeader(), workingHeader() + HeaderSize), Bytes(HeaderSize, 0));
}
