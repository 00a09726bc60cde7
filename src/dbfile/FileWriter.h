// Where a save's bytes go, and the seams tests use to break a save on purpose: a writer put
// in place of the real one, and a hook called between the steps of a save. Both are
// settings of one DatabaseFile (see ScopedFileWriter and ScopedSaveStepHook there).
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

// The writer that writes to the file system. It holds no state.
FileWriter& systemFileWriter();

// The points of a save at which the hook is called, in order. The new file exists under its
// temporary name at each of them.
enum class SaveStep { Created, Written, Synced, PermissionsSet, AttributesCopied, Verified };

using SaveStepHook = std::function<void(SaveStep step, const std::string& tempPath)>;

}  // namespace kavro
