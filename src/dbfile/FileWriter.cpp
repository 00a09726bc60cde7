#include "FileWriter.h"

namespace kavro {

namespace {

class RealFileWriter : public FileWriter {
public:
    fs::Status write(const fs::File& file, uint64_t offset, const uint8_t* data,
                     size_t size) override {
        return fs::writeAt(file, offset, data, size);
    }
    fs::Status sync(const fs::File& file) override { return fs::sync(file); }
};

}  // namespace

FileWriter& systemFileWriter() {
    static RealFileWriter writer;
    return writer;
}

}  // namespace kavro
