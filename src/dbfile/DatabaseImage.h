// The file image last accepted, its working header, the checksum of the format, and the
// unpacking into the working tables and packing back.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "ImageBuffer.h"
#include "ImageFormat.h"

namespace kavro {

class ChannelDatabase;

uint16_t ComputeChecksum(const uint8_t* data, int32_t count);

enum class ImageProblem {
    None,
    WrongMagic,
    HeaderChecksum,
    DataChecksum,
    CoveredLengthTooLong,  // the covered stretch would reach past the image
    ShorterThanHeader,     // an open read less than the 32-byte header
};

const char* imageProblemText(ImageProblem problem);

// Covered length L of a header: dataLength + dataLengthExtra - 32, signed.
int32_t coveredLength(const uint8_t* header);

// The checks of an image that has just been read, in order; the first failure is reported.
ImageProblem checkImage(const uint8_t* image);
// The checks Open makes of `got` bytes read over an image of zeros: a file without a whole
// header of its own is refused, then come those of checkImage.
ImageProblem checkReadImage(const uint8_t* image, size_t got);

// How many bytes of `image` a save writes when `bytesRead` were read: all those and, past
// them, up to the last non-zero byte, so that the file opens again as exactly this image.
uint32_t bytesToWrite(const uint8_t* image, uint32_t bytesRead);

// The image of one open file: the bytes last accepted (zero before any), how many of them
// the open read, and the 32-byte working header taken at unpack with its header checksum
// field zero. The bytes (about 1.2 MB) lie on the heap, in an ImageBuffer.
class DatabaseImage {
public:
    DatabaseImage();

    const uint8_t* bytes() const { return bytes_.data(); }
    // Bytes the last successful open read (0 before any); every save writes this many.
    uint32_t bytesRead() const { return bytesRead_; }
    const uint8_t* workingHeader() const { return header_.data(); }

    // Checks `image` (ImageSize bytes); when valid copies its regions into the tables of `db`
    // and its header into the working header. Changes nothing when invalid.
    bool unpack(const uint8_t* image, ChannelDatabase& db, ImageProblem& problem);
    bool unpack(const uint8_t* image, ChannelDatabase& db);
    // The same for an image checkImage() has just passed, which is not checked again.
    void unpackChecked(const uint8_t* image, ChannelDatabase& db);
    // Takes `image` (ImageSize bytes) as the bytes of the file, of which `bytesRead` came from
    // it: after an accepted open, and after a save wrote them.
    void adopt(const uint8_t* image, uint32_t bytesRead);
    // The same without a copy: `buffer` is swapped in and gets the bytes held until now.
    void adopt(ImageBuffer& buffer, uint32_t bytesRead);
    // Copies the tables of `db` into this image and renews both checksums.
    void pack(const ChannelDatabase& db);
    // The same into `image` (ImageSize bytes), which holds the bytes between the tables.
    // Returns what checkImage() would find in the result, without summing the body again.
    ImageProblem packInto(const ChannelDatabase& db, uint8_t* image);
    // Copies every byte of this image that lies outside the tables into `image` (ImageSize
    // bytes): readies it for packInto() without copying what the tables overwrite.
    void copyBetweenTables(uint8_t* image) const;
    // Everything zero again.
    void reset();

private:
    ImageBuffer bytes_;
    uint32_t bytesRead_ = 0;
    std::array<uint8_t, HeaderSize> header_{};
};

}  // namespace kavro
