#include "ScratchFolder.h"

#include <filesystem>
#include <random>

#include "FuzzChecks.h"
#include "dbfile/FileSystem.h"

namespace kavro::fuzzing {

ScratchFolder::ScratchFolder() {
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    std::random_device random;
    for (int attempt = 0;; ++attempt) {
        require(attempt < 100, "a scratch folder can be made");
        const std::filesystem::path folder =
            base / ("kavro-fuzz-" + std::to_string(random()) + std::to_string(random()));
        std::error_code error;
        if (std::filesystem::create_directory(folder, error)) {
            folder_ = folder.string();
            return;
        }
    }
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string ScratchFolder::path(std::string_view name) const {
    return (std::filesystem::path(folder_) / name).string();
}

const ScratchFolder& scratchFolder() {
    static const ScratchFolder folder;
    return folder;
}

// Through the program's own file layer, which keeps the fuzz build's files in memory.
void writeScratchFile(const std::string& path, const uint8_t* data, size_t size) {
    fs::File file;
    fs::Status status = fs::openFile(path, fs::Access::ReadWrite, file);
    if (status.failure == fs::Failure::NotFound) {
        status = fs::createNewFile(path, file);
    }
    if (status.ok()) {
        status = fs::setSize(file, size);
    }
    if (status.ok()) {
        status = fs::writeAt(file, 0, data, size);
    }
    require(status.ok(), "a scratch file takes its bytes");
}

uint64_t scratchFileSize(const std::string& path) {
    fs::FileInfo info;
    require(fs::pathInfo(path, true, info).ok(), "a saved file has a size");
    return info.size;
}

std::string readScratchFileFrom(const std::string& path, uint64_t offset) {
    fs::File file;
    fs::FileInfo info;
    require(fs::openFile(path, fs::Access::Read, file).ok() && fs::fileInfo(file, info).ok() &&
                info.size >= offset,
            "a saved file can be read");
    std::string bytes(info.size - offset, '\0');
    size_t got = 0;
    require(fs::readAt(file, offset, reinterpret_cast<uint8_t*>(bytes.data()), bytes.size(), got)
                    .ok() &&
                got == bytes.size(),
            "a saved file can be read");
    return bytes;
}

}  // namespace kavro::fuzzing
