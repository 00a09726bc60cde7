#include "FileWriter.h"

#include <utility>

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

RealFileWriter g_realWriter;
FileWriter* g_writer = &g_realWriter;
SaveStepHook g_hook;

}  // namespace

FileWriter& activeFileWriter() {
    return *g_writer;
}

FileWriter& systemFileWriter() {
    return g_realWriter;
}

ScopedFileWriter::ScopedFileWriter(FileWriter& writer) : previous_(g_writer) {
    g_writer = &writer;
}

ScopedFileWriter::~ScopedFileWriter() {
    g_writer = previous_;
}

ScopedSaveStepHook::ScopedSaveStepHook(SaveStepHook hook) : previous_(std::move(g_hook)) {
    g_hook = std::move(hook);
}

ScopedSaveStepHook::~ScopedSaveStepHook() {
    g_hook = std::move(previous_);
}

void reachSaveStep(SaveStep step, const std::string& tempPath) {
    if (g_hook) {
        g_hook(step, tempPath);
    }
}

}  // namespace kavro
