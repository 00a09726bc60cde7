// Where a save's bytes go, and the seams tests use to break a save on purpose: a writer put
// in place of the real one, and a hook called between the steps of a save.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "FileSystem.h"

namespace kavro {

// Writes and syncs the new file a save created. The real one passes straight to the file
// system; tests put one in its place that fails or stalls.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    virtual fs::Status write(const fs::File& file, uint64_t offset, const uint8_t* data,
                             size_t size) = 0;
    virtual fs::Status sync(const fs::File& file) = 0;
};

// The writer the saves use now, and the one that writes to the file system.
FileWriter& activeFileWriter();
FileWriter& systemFileWriter();

// Puts `writer` in place of the one used now for as long as the guard lives.
class ScopedFileWriter {
public:
    explicit ScopedFileWriter(FileWriter& writer);
    ~ScopedFileWriter();
    ScopedFileWriter(const ScopedFileWriter&) = delete;
    ScopedFileWriter& operator=(const ScopedFileWriter&) = delete;

private:
    FileWriter* previous_;
};

// The points of a save at which the hook is called, in order. The new file exists under its
// temporary name at each of them.
enum class SaveStep { Created, Written, Synced, PermissionsSet, AttributesCopied, Verified };

using SaveStepHook = std::function<void(SaveStep step, const std::string& tempPath)>;

// Calls `hook` at every step of every save for as long as the guard lives.
class ScopedSaveStepHook {
public:
    explicit ScopedSaveStepHook(SaveStepHook hook);
    ~ScopedSaveStepHook();
    ScopedSaveStepHook(const ScopedSaveStepHook&) = delete;
    ScopedSaveStepHook& operator=(const ScopedSaveStepHook&) = delete;

private:
    SaveStepHook previous_;
};

// Calls the hook in place, if any.
void reachSaveStep(SaveStep step, const std::string& tempPath);

}  // namespace kavro
