// Composes valid database images in memory for tests, benchmarks and the demo database.
// Every uninterpreted stretch, header byte and opaque block gets random bytes from the
// seed, so tests see whether those bytes travel unchanged.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kavro {
class EditSession;
}

namespace kavro::testing {

using Bytes = std::vector<uint8_t>;

class TestImageBuilder {
public:
    // An image with no shown satellite, every transponder slot free (satellite index 238)
    // and every channel slot free (transponder index 0xEEEE), covered length = whole body.
    explicit TestImageBuilder(uint32_t seed = 1);

    TestImageBuilder& satellite(int s, std::string_view name, bool shown = true);
    TestImageBuilder& transponder(int t, int satellite, uint32_t frequencyKhz, int symbolRate,
                                  int polarization);
    // A live channel: flags 3 (TV) or 1 (radio), PIDs, service ID; other fields zero.
    TestImageBuilder& channel(int ch, int transponder, std::string_view name, int serviceId,
                              bool tv = true, int videoPid = 101, int audioPid = 102,
                              int pcrPid = 101);
    TestImageBuilder& favoriteName(int slot, std::string_view name);
    // Sets dataLength and dataLengthExtra so that L = dataLength + extra - 32.
    TestImageBuilder& coveredLength(int32_t length, uint16_t extra = 0);

    // Raw access to the image being built (offsets as in the file).
    uint8_t* bytes() { return image_.data(); }
    uint8_t* channelRecord(int ch);
    uint8_t* transponderRecord(int t);
    uint8_t* satelliteRecord(int s);

    // The image with both checksums fixed, ImageSize bytes.
    Bytes build() const;

private:
    Bytes image_;
};

// Renews the data checksum and then the header checksum of an image in place.
void fixChecksums(Bytes& image);

// A database at full capacity: all 65 satellites shown, all 2,340 transponders and all
// 15,360 channels live (every third channel a radio channel).
Bytes fullCapacityImage(uint32_t seed = 7);
// A small typical database: a few satellites, transponders, TV and radio channels.
Bytes smallImage(uint32_t seed = 3);

// Loads `image` into the session as an open of a file holding it would; false when rejected
// (the session unchanged).
bool loadImage(EditSession& session, const Bytes& image);

Bytes readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const Bytes& bytes);

// A fresh empty directory under the system's temporary directory.
std::string makeTempDir();

}  // namespace kavro::testing
