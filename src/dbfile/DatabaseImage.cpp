#include "DatabaseImage.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>
#include <utility>

#include "database/ByteOrder.h"
#include "database/ChannelDatabase.h"

namespace kavro {

namespace {

// The header checksum: over the 32 header bytes with the header checksum field as zero.
uint16_t headerChecksumOf(const uint8_t* header) {
    uint8_t copy[HeaderSize];
    std::memcpy(copy, header, HeaderSize);
    writeU16(copy + hdr::HeaderChecksum, 0);
    return ComputeChecksum(copy, HeaderSize);
}

// One table region of the image and its working copy in the database.
struct Region {
    int offset;    // in the image
    size_t table;  // in the database's bytes
    size_t size;
};

// The regions in the order of the tables, which lie one after another in the database.
constexpr Region Regions[] = {
    {SatelliteRegion, table::Satellites, table::Transponders - table::Satellites},
    {TransponderRegion, table::Transponders, table::Channels - table::Transponders},
    {ChannelRegion, table::Channels, table::FavoriteNames - table::Channels},
    {FavoriteNameRegion, table::FavoriteNames, table::OpaqueBlockA - table::FavoriteNames},
    {OpaqueBlockARegion, table::OpaqueBlockA, OpaqueBlockSize},
    {OpaqueBlockBRegion, table::OpaqueBlockB, OpaqueBlockSize},
};

}  // namespace

uint16_t ComputeChecksum(const uint8_t* data, int32_t count) {
    if (count <= 0) {
        return 0xFFFF;
    }
    // The sum wraps modulo 2^32 (carries out of bit 31 are dropped). A 64-bit sum taken
    // modulo 2^32 at the end is the same, so on a little-endian machine the words are added
    // from 8-byte loads, the checksum of a full image being taken on every open and save:
    // the even and the odd words of each load into two 32-bit lanes apiece, which take at
    // most 0xFFFF a load and so are emptied into the 64-bit sum before 65,536 loads.
    uint64_t wide = 0;
    int32_t done = 0;
    if constexpr (std::endian::native == std::endian::little) {
        constexpr int32_t LoadsPerBlock = 32768;
        constexpr uint64_t LowWords = 0x0000FFFF0000FFFF;
        while (count - done >= 8) {
            const int32_t loads = std::min(LoadsPerBlock, (count - done) / 8);
            uint64_t even = 0;
            uint64_t odd = 0;
            for (int32_t i = 0; i < loads; ++i, done += 8) {
                uint64_t w;
                std::memcpy(&w, data + done, sizeof w);
                even += w & LowWords;
                odd += (w >> 16) & LowWords;
            }
            wide += (even & 0xFFFFFFFF) + (even >> 32) + (odd & 0xFFFFFFFF) + (odd >> 32);
        }
    }
    uint32_t acc = static_cast<uint32_t>(wide);
    for (; done + 2 <= count; done += 2) {
        acc += readU16(data + done);
    }
    if (done < count) {
        acc += data[done];
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

DatabaseImage::DatabaseImage() = default;

bool DatabaseImage::unpack(const uint8_t* image, ChannelDatabase& db, ImageProblem& problem) {
    problem = checkImage(image);
    if (problem != ImageProblem::None) {
        return false;
    }
    unpackChecked(image, db);
    return true;
}

void DatabaseImage::unpackChecked(const uint8_t* image, ChannelDatabase& db) {
    for (const Region& region : Regions) {
        std::memcpy(db.mutableBytes() + region.table, image + region.offset, region.size);
    }
    std::memcpy(header_.data(), image, HeaderSize);
    writeU16(header_.data() + hdr::HeaderChecksum, 0);
}

bool DatabaseImage::unpack(const uint8_t* image, ChannelDatabase& db) {
    ImageProblem problem;
    return unpack(image, db, problem);
}

void DatabaseImage::adopt(const uint8_t* image, uint32_t bytesRead) {
    if (image != std::as_const(bytes_).data()) {
        std::memcpy(bytes_.data(), image, ImageSize);
    }
    bytesRead_ = bytesRead;
}

void DatabaseImage::adopt(ImageBuffer& buffer, uint32_t bytesRead) {
    bytes_.swap(buffer);
    bytesRead_ = bytesRead;
}

void DatabaseImage::pack(const ChannelDatabase& db) {
    packInto(db, bytes_.data());
}

ImageProblem DatabaseImage::packInto(const ChannelDatabase& db, uint8_t* image) {
    for (const Region& region : Regions) {
        std::memcpy(image + region.offset, db.bytes() + region.table, region.size);
    }
    // The working header was accepted by an unpack, so L fits the body; the bound only
    // guards the zero header of a database never opened and keeps the stretch in the image.
    const int32_t length = coveredLength(header_.data());
    writeU16(header_.data() + hdr::DataChecksum,
             ComputeChecksum(image + HeaderSize, std::min(length, BodySize)));
    // The working header keeps its header checksum field zero; the image gets the sum.
    std::memcpy(image, header_.data(), HeaderSize);
    writeU16(image + hdr::HeaderChecksum, headerChecksumOf(header_.data()));
    // Both checksums are right by construction; what checkImage() can still find is in the
    // header alone.
    if (readU16(image + hdr::Magic) != ImageMagic) {
        return ImageProblem::WrongMagic;
    }
    return length > BodySize ? ImageProblem::CoveredLengthTooLong : ImageProblem::None;
}

void DatabaseImage::copyBetweenTables(uint8_t* image) const {
    Region byOffset[std::size(Regions)];
    std::copy(std::begin(Regions), std::end(Regions), byOffset);
    std::sort(std::begin(byOffset), std::end(byOffset),
              [](const Region& a, const Region& b) { return a.offset < b.offset; });
    size_t at = 0;
    for (const Region& region : byOffset) {
        const size_t begin = static_cast<size_t>(region.offset);
        std::memcpy(image + at, bytes() + at, begin - at);
        at = begin + region.size;
    }
    std::memcpy(image + at, bytes() + at, ImageSize - at);
}

void DatabaseImage::reset() {
    bytes_.clear();
    header_.fill(0);
    bytesRead_ = 0;
}

uint32_t bytesToWrite(const uint8_t* image, uint32_t bytesRead) {
    uint32_t end = ImageSize;
    // Eight bytes at a time while a whole word lies past the count read: a short file leaves
    // about a megabyte of zeros to pass over.
    for (uint64_t word = 0; end >= bytesRead + 8; end -= 8) {
        std::memcpy(&word, image + end - 8, sizeof word);
        if (word != 0) {
            break;
        }
    }
    while (end > bytesRead && image[end - 1] == 0) {
        --end;
    }
    return end;
}

}  // namespace kavro
