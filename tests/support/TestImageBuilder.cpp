#include "TestImageBuilder.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "database/ByteOrder.h"
#include "database/ChannelDatabase.h"
#include "database/ViewIndex.h"
#include "dbfile/DatabaseImage.h"
#include "session/EditSession.h"

namespace kavro::testing {

namespace {

// A small, fast generator with a fixed sequence for a seed on every platform.
class SplitMix {
public:
    explicit SplitMix(uint64_t seed) : state_(seed) {}
    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

private:
    uint64_t state_;
};

void fillRandom(Bytes& bytes, uint32_t seed) {
    SplitMix random(0xC0CE0000ull ^ seed);
    size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        const uint64_t value = random.next();
        for (int b = 0; b < 8; ++b) {
            bytes[i + b] = static_cast<uint8_t>(value >> (8 * b));
        }
    }
    for (; i < bytes.size(); ++i) {
        bytes[i] = static_cast<uint8_t>(random.next());
    }
}

// Copies at most `limit` bytes of `text` followed by a NUL.
void putName(uint8_t* field, std::string_view text, size_t limit) {
    const size_t length = std::min(text.size(), limit);
    std::memcpy(field, text.data(), length);
    field[length] = 0;
}

}  // namespace

TestImageBuilder::TestImageBuilder(uint32_t seed) : image_(ImageSize) {
    fillRandom(image_, seed);
    writeU16(image_.data() + hdr::Magic, ImageMagic);
    coveredLength(BodySize);
    for (int s = 0; s < SatelliteCapacity; ++s) {
        uint8_t* record = satelliteRecord(s);
        record[sat::ShownFlags] &= 0xFE;
        record[sat::Name] = 0;
    }
    for (int t = 0; t < TransponderCapacity; ++t) {
        transponderRecord(t)[tp::SatelliteIndex] = DeletedSatelliteIndex;
    }
    for (int c = 0; c < ChannelCapacity; ++c) {
        writeU16(channelRecord(c) + ch::TransponderIndex, DeletedTransponderIndex);
    }
    // Slots 0..7 are the groups the editor shows: empty names. Slots 8..15 stay random.
    for (int slot = 0; slot < FavoriteGroupCount; ++slot) {
        image_[FavoriteNameRegion + slot * FavoriteNameSize] = 0;
    }
}

TestImageBuilder& TestImageBuilder::satellite(int s, std::string_view name, bool shown) {
    uint8_t* record = satelliteRecord(s);
    record[sat::ShownFlags] = static_cast<uint8_t>((record[sat::ShownFlags] & 0xFE) | shown);
    putName(record + sat::Name, name, sat::NameArea - 1);
    return *this;
}

TestImageBuilder& TestImageBuilder::transponder(int t, int satellite, uint32_t frequencyKhz,
                                                int symbolRate, int polarization) {
    uint8_t* record = transponderRecord(t);
    record[tp::SatelliteIndex] = static_cast<uint8_t>(satellite);
    writeU32(record + tp::FrequencyKhz, frequencyKhz);
    writeU16(record + tp::SymbolRate, symbolRate);
    record[tp::Polarization] = static_cast<uint8_t>(polarization);
    return *this;
}

TestImageBuilder& TestImageBuilder::channel(int c, int transponder, std::string_view name,
                                            int serviceId, bool tv, int videoPid, int audioPid,
                                            int pcrPid) {
    uint8_t* record = channelRecord(c);
    writeU16(record + ch::TransponderIndex, transponder);
    writeU16(record + ch::ServiceId, serviceId);
    writeU16(record + ch::AudioPid, audioPid);
    writeU16(record + ch::VideoPid, videoPid);
    writeU16(record + ch::PcrPid, pcrPid);
    writeU16(record + ch::Flags, tv ? 3 : 1);
    writeU16(record + ch::FavoriteBits, 0);
    std::memset(record + ch::Name, 0, ch::NameArea);  // the name and nameTail
    putName(record + ch::Name, name, ch::NameLimit);
    writeU16(record + ch::CasBits, 0);
    return *this;
}

TestImageBuilder& TestImageBuilder::favoriteName(int slot, std::string_view name) {
    uint8_t* field = image_.data() + FavoriteNameRegion + slot * FavoriteNameSize;
    std::memset(field, 0, FavoriteNameSize);
    putName(field, name, FavoriteNameLimit);
    return *this;
}

TestImageBuilder& TestImageBuilder::coveredLength(int32_t length, uint16_t extra) {
    const uint32_t dataLength = static_cast<uint32_t>(length) + HeaderSize - extra;
    writeU32(image_.data() + hdr::DataLength, dataLength);
    writeU16(image_.data() + hdr::DataLengthExtra, extra);
    return *this;
}

uint8_t* TestImageBuilder::channelRecord(int c) {
    return image_.data() + ChannelRegion + c * ChannelRecordSize;
}

uint8_t* TestImageBuilder::transponderRecord(int t) {
    return image_.data() + TransponderRegion + t * TransponderRecordSize;
}

uint8_t* TestImageBuilder::satelliteRecord(int s) {
    return image_.data() + SatelliteRegion + s * SatelliteRecordSize;
}

Bytes TestImageBuilder::build() const {
    Bytes image = image_;
    fixChecksums(image);
    return image;
}

void fixChecksums(Bytes& image) {
    if (image.size() < static_cast<size_t>(HeaderSize)) {
        return;
    }
    // Bytes missing from a short image count as zeros (an open over a zero image), and zero
    // bytes add nothing to the sum, so the stretch simply ends with the image.
    const int32_t available = static_cast<int32_t>(std::min<size_t>(image.size(), ImageSize));
    const int32_t length = std::min(coveredLength(image.data()), available - HeaderSize);
    writeU16(image.data() + hdr::DataChecksum, ComputeChecksum(image.data() + HeaderSize, length));
    writeU16(image.data() + hdr::HeaderChecksum, 0);
    writeU16(image.data() + hdr::HeaderChecksum, ComputeChecksum(image.data(), HeaderSize));
}

bool loadImage(EditSession& session, const Bytes& image) {
    return session.load(image.data(), image.size()).outcome == OpenOutcome::Accepted;
}

Bytes readFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFileBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::string makeTempDir() {
#ifdef _WIN32
    // No mkdtemp here: a random name, taken only when the folder did not exist.
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path folder =
            std::filesystem::temp_directory_path() / ("kavro-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(folder)) {
            return folder.string();
        }
    }
    throw std::runtime_error("cannot create a temporary directory");
#else
    std::string pattern = (std::filesystem::temp_directory_path() / "kavro-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary directory");
    }
    return pattern;
#endif
}

}  // namespace kavro::testing
