// A folder of the process's own for the files the fuzz checks write and save, in memory
// where the system has such a folder, removed when the process ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kavro::fuzzing {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The path of the file `name` in the folder.
    std::string path(std::string_view name) const;

private:
    std::string folder_;
};

// The one folder of the process.
const ScratchFolder& scratchFolder();

// Makes the file at `path` hold exactly `size` bytes of `data`.
void writeScratchFile(const std::string& path, const uint8_t* data, size_t size);
// The size of the file at `path` and its bytes from `offset` on.
uint64_t scratchFileSize(const std::string& path);
std::string readScratchFileFrom(const std::string& path, uint64_t offset);

}  // namespace kavro::fuzzing
