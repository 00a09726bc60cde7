// The file image last accepted, its working header, the checksum of the format, and the
// unpacking into the working tables and packing back.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ImageFormat.h"

namespace kavro {

// The process-wide image: zero at start-up, then the bytes of the file last accepted.
uint8_t* databaseImage();
// Bytes the last successful open read (0 at start-up); every save writes this many.
uint32_t& imageBytesRead();
// The 32-byte working header taken at unpack, with its header checksum field zero.
uint8_t* workingHeader();

// Resets the image, the byte count and the working header to their start-up state.
void resetDatabaseImage();

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

// Checks `image` (ImageSize bytes); when valid copies its regions into the working tables
// and its header into the working header. Changes nothing when invalid.
bool UnpackImage(const uint8_t* image);
// The same, telling which check failed (None when accepted).
bool UnpackImage(const uint8_t* image, ImageProblem& problem);

// Copies the working tables into the process-wide image and renews both checksums.
void PackImage();
// The same into `image` (ImageSize bytes), which holds the bytes between the tables.
void packImageInto(uint8_t* image);

// How many bytes of `image` a save writes when `bytesRead` were read: all those and, past
// them, up to the last non-zero byte, so that the file opens again as exactly this image.
uint32_t bytesToWrite(const uint8_t* image, uint32_t bytesRead);

}  // namespace kavro
