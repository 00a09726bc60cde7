// The bytes of one whole image on the heap, kept by a file across its opens and saves and
// swapped rather than copied. The buffer knows from where on all its bytes are zero, so
// that reading a short file over it clears only what a longer content left, and a fresh
// buffer, zero from the start, is never written over with zeros.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "ImageFormat.h"

namespace kavro {

class ImageBuffer {
public:
    ImageBuffer();  // ImageSize zero bytes
    ImageBuffer(const ImageBuffer& other);
    ImageBuffer& operator=(const ImageBuffer& other);
    ~ImageBuffer() = default;

    const uint8_t* data() const { return bytes_.get(); }
    // For writing anywhere in the image: afterwards nothing is known to be zero.
    uint8_t* data() {
        zeroFrom_ = ImageSize;
        return bytes_.get();
    }
    // Where to read a file into: the caller writes at most the first ImageSize bytes, then
    // calls settle() with how many it wrote.
    uint8_t* readTarget() { return bytes_.get(); }
    // Bytes [0, written) were just written through readTarget() and nothing past them since
    // the buffer was last settled: zeros what an earlier, longer content left beyond them.
    void settle(size_t written);
    // Everything zero, touching only bytes that may not be.
    void clear() { settle(0); }
    // All bytes from `offset` on are zero, as the caller knows (after a save wrote them).
    void knowZeroFrom(size_t offset);

    void swap(ImageBuffer& other) noexcept;

private:
    struct Free {
        void operator()(uint8_t* bytes) const { std::free(bytes); }
    };
    std::unique_ptr<uint8_t, Free> bytes_;
    size_t zeroFrom_ = 0;  // every byte from here on is zero
};

}  // namespace kavro
