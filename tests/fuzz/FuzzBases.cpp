#include "FuzzBases.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "database/ByteOrder.h"
#include "dbfile/ImageFormat.h"
#include "support/TestImageBuilder.h"

namespace kavro::fuzzing {

namespace {

using testing::Bytes;
using testing::TestImageBuilder;

constexpr int TablesEnd = FavoriteNameRegion + FavoriteNameSlots * FavoriteNameSize;

// Free transponder slots between live ones, a hidden satellite with a transponder, channels
// left pointing at free transponder slots (one with the unassigned service ID), free channel
// slots between live ones, the last slots of both tables in use, and a file that ends soon
// after the last table.
Bytes gapsFile() {
    TestImageBuilder b(17);
    b.satellite(0, "Gap One").satellite(1, "Hidden", false).satellite(64, "Last");
    b.transponder(0, 0, 11727000, 27500, 0).transponder(3, 0, 12000000, 22000, 1);
    b.transponder(4, 1, 10000000, 27500, 0).transponder(2339, 64, 12500000, 30000, 1);
    b.channel(0, 0, "First", 1).channel(2, 3, "Radio Two", 2, false);
    b.channel(3, 4, "Hidden Sat", 3).channel(4, 1, "Orphan", 4);
    b.channel(5, 2, "Orphan Unset", 0xFFFF).channel(9, 0, "Unset", 0xFFFF, false);
    b.channel(10, 2339, "Far Away", 10).channel(ChannelCapacity - 1, 0, "Last Slot", 11);
    b.favoriteName(0, "Gaps");
    constexpr int FileSize = TablesEnd + 100;
    b.coveredLength(FileSize - HeaderSize);
    Bytes image = b.build();
    image.resize(FileSize);
    return image;
}

// A dozen satellites (one hidden) of ten transponders each, spread over the table, and 600
// channels on them with every eleventh slot free: TV and radio, favourites, locks, CAS bits
// and now and then the unassigned service ID.
Bytes mediumFile() {
    TestImageBuilder b(23);
    char name[24];
    for (int s = 0; s < 12; ++s) {
        std::snprintf(name, sizeof name, "Medium Sat %d", s + 1);
        b.satellite(s * 5, name, s != 7);
        for (int k = 0; k < 10; ++k) {
            b.transponder(s * 190 + k * 3, s * 5, 10700000 + k * 125000 + s * 250, 22000 + k * 500,
                          k % 2);
        }
    }
    for (int i = 0; i < 600; ++i) {
        const int c = i + i / 10;
        const int t = (i / 5 % 12) * 190 + (i / 60) * 3;
        std::snprintf(name, sizeof name, i % 4 == 3 ? "Radio %03d" : "Medium TV %03d", i);
        b.channel(c, t, name, i % 37 == 5 ? 0xFFFF : 1000 + i, i % 4 != 3, 0x100 + i, 0x200 + i);
        uint8_t* record = b.channelRecord(c);
        writeU16(record + ch::FavoriteBits, i % 7 == 0 ? 1 << (i % 8) : 0);
        writeU16(record + ch::CasBits, i % 9 == 0 ? i % 256 : 0);
        if (i % 23 == 0) {
            writeU16(record + ch::Flags, readU16(record + ch::Flags) | ChannelFlagLock);
        }
    }
    b.favoriteName(0, "Medium News").favoriteName(7, "Medium Last");
    return b.build();
}

// `image` with the covered length `length`, fresh checksums, and cut to `size` bytes.
Bytes coveredAndCut(Bytes image, int32_t length, size_t size) {
    const uint16_t extra = readU16(image.data() + hdr::DataLengthExtra);
    writeU32(image.data() + hdr::DataLength, static_cast<uint32_t>(length + HeaderSize - extra));
    image.resize(size);
    testing::fixChecksums(image);
    return image;
}

Bytes withTail(Bytes image, size_t extra) {
    for (size_t i = 0; i < extra; ++i) {
        image.push_back(static_cast<uint8_t>(i * 37 + 11));
    }
    return image;
}

std::vector<BaseFile> makeBases() {
    constexpr int InTransponders = TransponderRegion + 30 * TransponderRecordSize + 9;
    constexpr int InSatellites = SatelliteRegion + 3 * SatelliteRecordSize + 20;
    std::vector<BaseFile> bases;
    bases.push_back({"small", testing::smallImage(3)});
    bases.push_back({"empty", TestImageBuilder(19).build()});
    bases.push_back({"medium", mediumFile()});
    bases.push_back({"gaps", gapsFile()});
    // Files that end where the tables do, inside the transponders (every later slot reads as
    // a live transponder of satellite 0) and inside the satellites.
    bases.push_back(
        {"tables-end", coveredAndCut(testing::smallImage(5), TablesEnd - HeaderSize, TablesEnd)});
    bases.push_back(
        {"cut-transponders", coveredAndCut(testing::smallImage(6), BodySize, InTransponders)});
    bases.push_back({"cut-satellites",
                     coveredAndCut(testing::smallImage(8), InSatellites - 1000, InSatellites)});
    bases.push_back({"long", withTail(testing::smallImage(4), 300)});
    // Only the first 4,000 bytes of the body are covered by the data checksum.
    bases.push_back({"early", coveredAndCut(testing::smallImage(9), 4000, ImageSize)});
    bases.push_back({"full", testing::fullCapacityImage(7)});
    return bases;
}

}  // namespace

const std::vector<BaseFile>& baseFiles() {
    static const std::vector<BaseFile> bases = makeBases();
    return bases;
}

const BaseFile& baseFile(std::string_view name) {
    const std::vector<BaseFile>& bases = baseFiles();
    const auto found = std::find_if(bases.begin(), bases.end(),
                                    [&](const BaseFile& base) { return base.name == name; });
    return found != bases.end() ? *found : bases.front();
}

void readOverZeros(const std::vector<uint8_t>& file, std::vector<uint8_t>& image) {
    const size_t read = std::min<size_t>(file.size(), ImageSize);
    image.resize(ImageSize);
    std::memcpy(image.data(), file.data(), read);
    std::memset(image.data() + read, 0, ImageSize - read);
}

}  // namespace kavro::fuzzing
