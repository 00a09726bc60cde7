#include "ImageInput.h"

#include <algorithm>
#include <cstring>

#include "FuzzBases.h"
#include "FuzzChecks.h"
#include "database/ByteOrder.h"
#include "dbfile/ImageFormat.h"
#include "support/TestImageBuilder.h"

namespace kavro::fuzzing {

namespace {

constexpr int Widths[] = {1, 2, 4, 1};
constexpr size_t LongestTail = 4096;

// Reads the input front to back; past its end every byte is zero.
class InputReader {
public:
    InputReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool atEnd() const { return at_ >= size_; }
    uint8_t byte() { return at_ < size_ ? data_[at_++] : (++at_, 0); }
    uint16_t u16() { return static_cast<uint16_t>(byte() | byte() << 8); }
    uint32_t u32() { return u16() | static_cast<uint32_t>(u16()) << 16; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

Mutation readMutation(InputReader& in) {
    Mutation m;
    const uint8_t head = in.byte();
    m.kind = static_cast<MutationKind>(head & 7);
    m.width = Widths[(head >> 3) & 3];
    m.index = in.u16();
    m.offset = in.byte();
    m.value = in.u32();
    return m;
}

// Writes the value's low `width` bytes from `at` on, those that lie in [0, size) and that
// `allowed` lets through.
template <typename Allowed>
void writeValue(uint8_t* field, int size, int at, const Mutation& m, Allowed allowed) {
    for (int i = 0; i < m.width && at + i < size; ++i) {
        if (allowed(at + i)) {
            field[at + i] = static_cast<uint8_t>(m.value >> (8 * i));
        }
    }
}

// A stretch of the image a decode changed: its offset and length.
using Changed = std::pair<uint32_t, uint32_t>;
Changed changedAt(int offset, int length) {
    return {static_cast<uint32_t>(offset), static_cast<uint32_t>(length)};
}

Changed writeRecordBytes(uint8_t* image, int region, int capacity, int recordSize,
                         const Mutation& m) {
    const int at = region + (m.index % capacity) * recordSize;
    writeValue(image + at, recordSize, m.offset % recordSize, m, [](int) { return true; });
    return changedAt(at, recordSize);
}

Changed copyRecord(uint8_t* image, int region, int capacity, int recordSize, const Mutation& m) {
    const int at = region + (m.index % capacity) * recordSize;
    std::memmove(image + at, image + region + static_cast<int>(m.value % capacity) * recordSize,
                 recordSize);
    return changedAt(at, recordSize);
}

bool isSealField(int at) {
    return at < hdr::Magic + 2 || (at >= hdr::DataChecksum && at < hdr::HeaderChecksum + 2);
}

// Applies `m` and tells the record it changed.
Changed applyMutation(uint8_t* image, const Mutation& m, bool raw) {
    switch (m.kind) {
        case MutationKind::ChannelBytes:
            return writeRecordBytes(image, ChannelRegion, ChannelCapacity, ChannelRecordSize, m);
        case MutationKind::TransponderBytes:
            return writeRecordBytes(image, TransponderRegion, TransponderCapacity,
                                    TransponderRecordSize, m);
        case MutationKind::SatelliteBytes:
            return writeRecordBytes(image, SatelliteRegion, SatelliteCapacity, SatelliteRecordSize,
                                    m);
        case MutationKind::FavoriteNameBytes:
            return writeRecordBytes(image, FavoriteNameRegion, FavoriteNameSlots, FavoriteNameSize,
                                    m);
        case MutationKind::HeaderBytes:
            writeValue(image, HeaderSize, m.offset % HeaderSize, m,
                       [raw](int at) { return raw || !isSealField(at); });
            return changedAt(0, HeaderSize);
        case MutationKind::CopyChannel:
            return copyRecord(image, ChannelRegion, ChannelCapacity, ChannelRecordSize, m);
        case MutationKind::CopyTransponder:
            return copyRecord(image, TransponderRegion, TransponderCapacity, TransponderRecordSize,
                              m);
        case MutationKind::FillRecord: {
            static constexpr int Tables[3][3] = {
                {ChannelRegion, ChannelCapacity, ChannelRecordSize},
                {TransponderRegion, TransponderCapacity, TransponderRecordSize},
                {SatelliteRegion, SatelliteCapacity, SatelliteRecordSize}};
            const int* table = Tables[m.offset % 3];
            const int at = table[0] + (m.index % table[1]) * table[2];
            std::memset(image + at, static_cast<uint8_t>(m.value), table[2]);
            return changedAt(at, table[2]);
        }
    }
    return {0, 0};
}

// The base files as an open reads them, made once.
const std::vector<uint8_t>& baseImage(int base) {
    static std::vector<std::vector<uint8_t>> images;
    if (images.empty()) {
        images.resize(ImageTargetBaseCount);
        for (int b = 0; b < ImageTargetBaseCount; ++b) {
            readOverZeros(baseFiles()[b].bytes, images[b]);
        }
    }
    return images[base];
}

// Makes out.image the image of `base`: copied whole when the decode before was of another
// base, else only the stretches that decode changed copied back.
void startFromBase(int base, DecodedImage& out) {
    const std::vector<uint8_t>& bytes = baseImage(base);
    if (out.base != base || out.image.size() != static_cast<size_t>(ImageSize)) {
        copyBytes(out.image, bytes.data(), ImageSize);
    } else {
        for (const auto& [offset, length] : out.changed) {
            std::memcpy(out.image.data() + offset, bytes.data() + offset, length);
        }
    }
    out.base = base;
    out.changed.assign(1, changedAt(0, HeaderSize));  // the checksums
}

}  // namespace

std::vector<uint8_t> encodeImageInput(int base, uint8_t lengthAndFlags, uint32_t parameter,
                                      const std::vector<Mutation>& mutations) {
    std::vector<uint8_t> input = {static_cast<uint8_t>(base), lengthAndFlags, 0, 0, 0, 0};
    writeU32(input.data() + 2, parameter);
    for (const Mutation& m : mutations) {
        const int width = m.width == 4 ? 2 : m.width == 2 ? 1 : 0;
        uint8_t bytes[MutationSize] = {static_cast<uint8_t>(static_cast<int>(m.kind) | width << 3)};
        writeU16(bytes + 1, m.index);
        bytes[3] = m.offset;
        writeU32(bytes + 4, m.value);
        input.insert(input.end(), bytes, bytes + MutationSize);
    }
    return input;
}

void decodeImageInput(const uint8_t* data, size_t size, DecodedImage& out) {
    InputReader in(data, size);
    const int base = in.byte() % ImageTargetBaseCount;
    const std::vector<uint8_t>& baseFileBytes = baseFiles()[base].bytes;
    const uint8_t flags = in.byte();
    const uint32_t parameter = in.u32();
    const bool raw = (flags & Raw) != 0;
    out.toolCommand = flags >> 3;

    std::vector<uint8_t>& image = out.image;
    startFromBase(base, out);
    for (int n = 0; n < MaxMutations && !in.atEnd(); ++n) {
        out.changed.push_back(applyMutation(image.data(), readMutation(in), raw));
    }

    size_t length = baseFileBytes.size();
    switch (static_cast<FileLength>(flags & 3)) {
        case FileLength::Base:
            break;
        case FileLength::Cut:
            length = OpaqueBlockARegion + parameter % (ImageSize - OpaqueBlockARegion + 1);
            break;
        case FileLength::Long:
            length = ImageSize + 1 + parameter % LongestTail;
            break;
        case FileLength::BelowHeader:
            length = parameter % HeaderSize;
            break;
    }
    const size_t read = std::min<size_t>(length, ImageSize);
    std::memset(image.data() + read, 0, ImageSize - read);
    out.changed.push_back(changedAt(static_cast<int>(read), static_cast<int>(ImageSize - read)));
    if (!raw && read >= static_cast<size_t>(HeaderSize)) {
        testing::fixChecksums(image);
    }

    out.fileSize = length;
    if (length > read) {
        copyBytes(out.longFile, image.data(), read);
        for (size_t i = ImageSize; i < length; ++i) {
            out.longFile.push_back(i < baseFileBytes.size()
                                       ? baseFileBytes[i]
                                       : static_cast<uint8_t>(i * 37 + parameter));
        }
    }
}

}  // namespace kavro::fuzzing
