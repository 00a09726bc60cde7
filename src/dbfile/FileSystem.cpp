// The parts of the platform layer that are the same everywhere: a File owns its native
// descriptor or handle until it closes it or hands it on; close() is each platform's own.
#include "FileSystem.h"

namespace kavro::fs {

File::~File() {
    close();
}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        close();
        native_ = other.release();
    }
    return *this;
}

std::intptr_t File::release() {
    const std::intptr_t native = native_;
    native_ = -1;
    return native;
}

}  // namespace kavro::fs
