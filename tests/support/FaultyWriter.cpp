#include "FaultyWriter.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace kavro::testing {

FaultyWriter FaultyWriter::failingAfter(size_t limit, int error) {
    return FaultyWriter(Fault::WriteLimit, limit, error);
}

FaultyWriter FaultyWriter::failingAtSync(int error) {
    return FaultyWriter(Fault::Sync, 0, error);
}

FaultyWriter FaultyWriter::flippingByte(uint64_t offset) {
    return FaultyWriter(Fault::FlipByte, offset, 0);
}

fs::Status FaultyWriter::fail() {
    if (atFault) {
        atFault();
    }
    return {fs::Failure::Other, std::strerror(error_)};
}

fs::Status FaultyWriter::write(const fs::File& file, uint64_t offset, const uint8_t* data,
                               size_t size) {
    if (fault_ == Fault::FlipByte && where_ >= offset && where_ < offset + size) {
        std::vector<uint8_t> changed(data, data + size);
        changed[where_ - offset] ^= 0x01;
        written_ += size;
        return fs::writeAt(file, offset, changed.data(), size);
    }
    if (fault_ != Fault::WriteLimit || written_ + size <= where_) {
        written_ += size;
        return fs::writeAt(file, offset, data, size);
    }
    const size_t part = where_ - written_;
    written_ += part;
    fs::writeAt(file, offset, data, part);
    return fail();
}

fs::Status FaultyWriter::sync(const fs::File& file) {
    return fault_ == Fault::Sync ? fail() : fs::sync(file);
}

}  // namespace kavro::testing
