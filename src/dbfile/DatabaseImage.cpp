#include "DatabaseImage.h"

#include <cstring>

#include "database/ByteOrder.h"
#include "database/ChannelDatabase.h"

namespace kavro {

namespace {

uint8_t g_image[ImageSize];
uint32_t g_imageBytesRead = 0;
uint8_t g_workingHeader[HeaderSize];

// The header checksum: over the 32 header bytes with the header checksum field as zero.
uint16_t headerChecksumOf(const uint8_t* header) {
    uint8_t copy[HeaderSize];
    std::memcpy(copy, header, HeaderSize);
    writeU16(copy + hdr::HeaderChecksum, 0);
    return ComputeChecksum(copy, HeaderSize);
}

// One table region of the image and its working copy in the database.
struct Region {
    int offset;
    uint8_t* table;
    int size;
};

constexpr int RegionCount = 6;

void tableRegions(Region (&regions)[RegionCount]) {
    ChannelDatabase& db = channelDatabase();
    regions[0] = {SatelliteRegion, &db.satellites[0][0], sizeof db.satellites};
    regions[1] = {TransponderRegion, &db.transponders[0][0], sizeof db.transponders};
    regions[2] = {ChannelRegion, &db.channels[0][0], sizeof db.channels};
    regions[3] = {FavoriteNameRegion, &db.favoriteNames[0][0], sizeof db.favoriteNames};
    regions[4] = {OpaqueBlockARegion, db.opaqueBlockA, sizeof db.opaqueBlockA};
    regions[5] = {OpaqueBlockBRegion, db.opaqueBlockB, sizeof db.opaqueBlockB};
}

}  // namespace

uint8_t* databaseImage() {
    return g_image;
}

uint32_t& imageBytesRead() {
    return g_imageBytesRead;
}

uint8_t* workingHeader() {
    return g_workingHeader;
}

void resetDatabaseImage() {
    std::memset(g_image, 0, sizeof g_image);
    std::memset(g_workingHeader, 0, sizeof g_workingHeader);
    g_imageBytesRead = 0;
}

uint16_t ComputeChecksum(const uint8_t* data, int32_t count) {
    if (count <= 0) {
        return 0xFFFF;
    }
    uint32_t acc = 0;  // wraps modulo 2^32: carries out of bit 31 are dropped
    const int32_t words = count / 2;
    for (int32_t i = 0; i < words; ++i) {
        acc += readU16(data + 2 * i);
    }
    if (count % 2 != 0) {
        acc += data[count - 1];
    }
    uint32_t s = (acc & 0xFFFF) + (acc >> 16);
    s += s >> 16;
    return static_cast<uint16_t>(~s);
}

const char* imageProblemText(ImageProblem problem) {
    switch (problem) {
        case ImageProblem::None:
            return "valid";
        case ImageProblem::WrongMagic:
            return "wrong magic number";
        case ImageProblem::HeaderChecksum:
            return "header checksum mismatch";
        case ImageProblem::DataChecksum:
            return "data checksum mismatch";
        case ImageProblem::CoveredLengthTooLong:
            return "covered length reaches beyond the image";
        case ImageProblem::ShorterThanHeader:
            return "file is shorter than the 32-byte header";
    }
    return "unknown problem";
}

int32_t coveredLength(const uint8_t* header) {
    // Signed 32-bit arithmetic with wrap-around, done in unsigned to stay well defined.
    const uint32_t sum = readU32(header + hdr::DataLength) +
                         readU16(header + hdr::DataLengthExtra) - static_cast<uint32_t>(HeaderSize);
    return static_cast<int32_t>(sum);
}

ImageProblem checkImage(const uint8_t* image) {
    if (readU16(image + hdr::Magic) != ImageMagic) {
        return ImageProblem::WrongMagic;
    }
    if (readU16(image + hdr::HeaderChecksum) != headerChecksumOf(image)) {
        return ImageProblem::HeaderChecksum;
    }
    const int32_t length = coveredLength(image);
    if (length > BodySize) {
        return ImageProblem::CoveredLengthTooLong;
    }
    if (readU16(image + hdr::DataChecksum) != ComputeChecksum(image + HeaderSize, length)) {
        return ImageProblem::DataChecksum;
    }
    return ImageProblem::None;
}

ImageProblem checkReadImage(const uint8_t* image, size_t got) {
    if (got < static_cast<size_t>(HeaderSize)) {
        return ImageProblem::ShorterThanHeader;
    }
    return checkImage(image);
}

bool UnpackImage(const uint8_t* image, ImageProblem& problem) {
    problem = checkImage(image);
    if (problem != ImageProblem::None) {
        return false;
    }
    Region regions[RegionCount];
    tableRegions(regions);
    for (const Region& region : regions) {
        std::memcpy(region.table, image + region.offset, region.size);
    }
    std::memcpy(g_workingHeader, image, HeaderSize);
    writeU16(g_workingHeader + hdr::HeaderChecksum, 0);
    return true;
}

bool UnpackImage(const uint8_t* image) {
    ImageProblem problem;
    return UnpackImage(image, problem);
}

void PackImage() {
    packImageInto(g_image);
}

void packImageInto(uint8_t* image) {
    Region regions[RegionCount];
    tableRegions(regions);
    for (const Region& region : regions) {
        std::memcpy(image + region.offset, region.table, region.size);
    }
    // The working header was accepted by an unpack, so L fits the body; the bound only
    // guards the zero header of start-up and keeps the stretch inside the image.
    int32_t length = coveredLength(g_workingHeader);
    if (length > BodySize) {
        length = BodySize;
    }
    writeU16(g_workingHeader + hdr::DataChecksum, ComputeChecksum(image + HeaderSize, length));
    // The working header keeps its header checksum field zero; the image gets the sum.
    std::memcpy(image, g_workingHeader, HeaderSize);
    writeU16(image + hdr::HeaderChecksum, headerChecksumOf(g_workingHeader));
}

uint32_t bytesToWrite(const uint8_t* image, uint32_t bytesRead) {
    uint32_t end = ImageSize;
    while (end > bytesRead && image[end - 1] == 0) {
        --end;
    }
    return end;
}

}  // namespace kavro
