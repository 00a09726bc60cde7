#include <algorithm>
#include <random>
#include <set>

#include "ImageTestSupport.h"
#include "database/ByteOrder.h"

using namespace kavro;
using namespace kavro::imagetest;
namespace kt = kavro::testing;

namespace {

// The image on its own, unpacked into and packed from the fixture's database.
class DatabaseImageTest : public ImageTest {
protected:
    void SetUp() override {
        ImageTest::SetUp();
        image_ = std::make_unique<DatabaseImage>();
    }
    // A valid image taken as an open would, so that a later rejection has something to keep.
    void loadSmall() {
        loaded_ = kt::smallImage();
        ASSERT_TRUE(unpack(loaded_.data()));
        image_->adopt(loaded_.data(), ImageSize);
    }
    bool unpack(const uint8_t* image) { return image_->unpack(image, db()); }
    void pack() { image_->pack(db()); }
    Bytes packed() const { return Bytes(image_->bytes(), image_->bytes() + ImageSize); }
    void expectRejected(const Bytes& image, ImageProblem problem) {
        ASSERT_EQ(image.size(), static_cast<size_t>(ImageSize));
        EXPECT_EQ(checkImage(image.data()), problem);
        const Snapshot before = Snapshot::take(db(), *image_);
        EXPECT_FALSE(unpack(image.data()));
        EXPECT_TRUE(Snapshot::take(db(), *image_) == before);
    }
    Bytes loaded_;
    std::unique_ptr<DatabaseImage> image_;
};

}  // namespace

TEST_F(DatabaseImageTest, UnpackCopiesEveryRegionAndTheHeader) {
    const Bytes image = kt::smallImage(11);
    ImageProblem problem = ImageProblem::WrongMagic;
    ASSERT_TRUE(image_->unpack(image.data(), db(), problem));
    EXPECT_EQ(problem, ImageProblem::None);
    const ChannelTables& db = this->db().tables();
    EXPECT_EQ(0, std::memcmp(db.channels, &image[ChannelRegion], sizeof db.channels));
    EXPECT_EQ(0, std::memcmp(db.transponders, &image[TransponderRegion], sizeof db.transponders));
    EXPECT_EQ(0, std::memcmp(db.satellites, &image[SatelliteRegion], sizeof db.satellites));
    EXPECT_EQ(0,
              std::memcmp(db.favoriteNames, &image[FavoriteNameRegion], sizeof db.favoriteNames));
    EXPECT_EQ(0, std::memcmp(db.opaqueBlockA, &image[OpaqueBlockARegion], OpaqueBlockSize));
    EXPECT_EQ(0, std::memcmp(db.opaqueBlockB, &image[OpaqueBlockBRegion], OpaqueBlockSize));
    const uint8_t* header = image_->workingHeader();
    EXPECT_EQ(0, std::memcmp(header, image.data(), hdr::HeaderChecksum));
    EXPECT_EQ(readU16(header + hdr::HeaderChecksum), 0);
    EXPECT_EQ(0, std::memcmp(header + 28, &image[28], 4));
    EXPECT_EQ(this->db().channelName(13), "Velvet Cinema");
    EXPECT_TRUE(this->db().isChannelLocked(13));
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
    EXPECT_TRUE(unpack(image.data()));
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
        EXPECT_TRUE(unpack(image.data())) << length;
        writeU16(&image[hdr::DataChecksum], 0xFFFE);
        expectRejected(headerRefixed(image), ImageProblem::DataChecksum);
    }
}

TEST_F(DatabaseImageTest, BytesBeyondTheCoveredStretchAreNotChecked) {
    kt::TestImageBuilder builder(12);
    builder.coveredLength(1000);
    const Bytes image = builder.build();
    EXPECT_TRUE(unpack(flipByte(image, HeaderSize + 1000).data()));
    expectRejected(flipByte(image, HeaderSize + 999), ImageProblem::DataChecksum);
}

TEST_F(DatabaseImageTest, UneditedImagePacksToTheSameBytesEveryTime) {
    loadSmall();
    pack();
    EXPECT_EQ(packed(), loaded_);
    pack();
    EXPECT_EQ(packed(), loaded_);
}

// Packing into a buffer of other bytes, readied by copyBetweenTables(), gives the image
// itself: every byte outside the tables comes from the image, every table byte is packed.
TEST_F(DatabaseImageTest, BytesBetweenTablesAndPackedTablesMakeTheWholeImage) {
    std::mt19937 random(26);
    Bytes image(ImageSize);
    std::generate(image.begin(), image.end(), [&] { return static_cast<uint8_t>(random()); });
    writeU16(image.data() + hdr::Magic, ImageMagic);
    writeU32(image.data() + hdr::DataLength, BodySize + HeaderSize);
    writeU16(image.data() + hdr::DataLengthExtra, 0);
    kt::fixChecksums(image);
    ASSERT_TRUE(unpack(image.data()));
    image_->adopt(image.data(), ImageSize);
    Bytes other(ImageSize, 0xA5);
    image_->copyBetweenTables(other.data());
    EXPECT_EQ(image_->packInto(db(), other.data()), ImageProblem::None);
    EXPECT_EQ(other, image);
}

TEST_F(DatabaseImageTest, EditChangesOnlyTheFieldAndBothChecksums) {
    loadSmall();
    db().setChannelServiceId(7, db().channelServiceId(7) ^ 0x1234);
    db().setTransponderFrequencyMhz(3, 12001);
    pack();
    const Bytes packed = this->packed();
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
    db().setChannelCasBits(0, 0xFF);
    pack();
    EXPECT_EQ(readU16(image_->workingHeader() + hdr::HeaderChecksum), 0);
    EXPECT_EQ(readU16(image_->workingHeader() + hdr::DataChecksum),
              readU16(image_->bytes() + hdr::DataChecksum));
    // A second pack after another edit still yields a valid image.
    db().setChannelCasBits(0, 0x01);
    pack();
    EXPECT_EQ(checkImage(image_->bytes()), ImageProblem::None);
}

TEST_F(DatabaseImageTest, ResetClearsImageCountAndHeader) {
    loadSmall();
    image_->reset();
    EXPECT_EQ(image_->bytesRead(), 0u);
    EXPECT_EQ(packed(), Bytes(ImageSize, 0));
    EXPECT_EQ(Bytes(image_->workingHeader(), image_->workingHeader() + HeaderSize),
              Bytes(HeaderSize, 0));
}

// A save writes the bytes read and, past them, up to the last non-zero byte: for each place
// of that byte around the end, around a count read and at word edges, against a plain scan.
TEST(BytesToWrite, ReachesTheLastNonZeroByteAndNoLessThanTheCountRead) {
    Bytes image(ImageSize, 0);
    const uint32_t places[] = {
        0, 1, 7, 8, 9, 15, 16, 4095, 600001, ImageSize - 9, ImageSize - 8, ImageSize - 1};
    const uint32_t counts[] = {0, 1, 8, 600000, 600003, ImageSize - 4, ImageSize};
    for (uint32_t place : places) {
        image[place] = 0x80;
        for (uint32_t count : counts) {
            EXPECT_EQ(bytesToWrite(image.data(), count), std::max(count, place + 1))
                << place << " " << count;
        }
        image[place] = 0;
    }
    for (uint32_t count : counts) {
        EXPECT_EQ(bytesToWrite(image.data(), count), count) << "all zero, " << count;
    }
}

// A buffer copied over, or read into anew, holds the new bytes and zeros after them, whatever
// it held before: shorter, longer or the whole image.
TEST(ImageBuffer, CopiesAndNewContentsLeaveNothingOfTheOldBehind) {
    const auto filled = [](size_t length, uint8_t value) {
        ImageBuffer buffer;
        std::memset(buffer.readTarget(), value, length);
        buffer.settle(length);
        return buffer;
    };
    const auto holds = [](const ImageBuffer& buffer, size_t length, uint8_t value) {
        const uint8_t* bytes = buffer.data();
        return std::all_of(bytes, bytes + length, [&](uint8_t b) { return b == value; }) &&
               std::all_of(bytes + length, bytes + ImageSize, [](uint8_t b) { return b == 0; });
    };
    const size_t lengths[] = {0, 50, 100, 200, ImageSize};
    for (size_t before : lengths) {
        for (size_t after : lengths) {
            ImageBuffer copied = filled(before, 1);
            copied = filled(after, 2);
            EXPECT_TRUE(holds(copied, after, 2)) << before << " " << after;
            ImageBuffer read = filled(before, 1);
            std::memset(read.readTarget(), 3, after);
            read.settle(after);
            EXPECT_TRUE(holds(read, after, 3)) << before << " " << after;
        }
    }
}
