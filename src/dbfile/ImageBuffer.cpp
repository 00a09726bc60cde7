#include "ImageBuffer.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace kavro {

namespace {

// Zeroed memory straight from the allocator: a large block comes as fresh pages that are
// zero without being written, so an image nobody reads into costs no page at all.
uint8_t* allocateZeroed() {
    void* bytes = std::calloc(ImageSize, 1);
    if (bytes == nullptr) {
        throw std::bad_alloc();
    }
    return static_cast<uint8_t*>(bytes);
}

}  // namespace

ImageBuffer::ImageBuffer() : bytes_(allocateZeroed()) {}

ImageBuffer::ImageBuffer(const ImageBuffer& other)
    : bytes_(allocateZeroed()), zeroFrom_(other.zeroFrom_) {
    std::memcpy(bytes_.get(), other.bytes_.get(), zeroFrom_);
}

ImageBuffer& ImageBuffer::operator=(const ImageBuffer& other) {
    if (this != &other) {
        // Only what the copy does not cover is cleared.
        std::memcpy(bytes_.get(), other.bytes_.get(), other.zeroFrom_);
        settle(other.zeroFrom_);
    }
    return *this;
}

void ImageBuffer::settle(size_t written) {
    written = std::min<size_t>(written, ImageSize);
    if (written < zeroFrom_) {
        std::memset(bytes_.get() + written, 0, zeroFrom_ - written);
    }
    zeroFrom_ = written;
}

void ImageBuffer::knowZeroFrom(size_t offset) {
    zeroFrom_ = std::min<size_t>(offset, ImageSize);
}

void ImageBuffer::swap(ImageBuffer& other) noexcept {
    std::swap(bytes_, other.bytes_);
    std::swap(zeroFrom_, other.zeroFrom_);
}

}  // namespace kavro
