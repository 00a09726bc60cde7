#include "ScratchFolder.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "FuzzChecks.h"

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

void writeScratchFile(const std::string& path, const uint8_t* data, size_t size) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    file.close();
    require(!file.fail(), "a scratch file takes its bytes");
}

uint64_t scratchFileSize(const std::string& path) {
    std::error_code error;
    const uint64_t size = std::filesystem::file_size(path, error);
    require(!error, "a saved file has a size");
    return size;
}

std::string readScratchFileFrom(const std::string& path, uint64_t offset) {
    std::ifstream file(path, std::ios::binary);
    file.seekg(static_cast<std::streamoff>(offset));
    require(file.good(), "a saved file can be read");
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace kavro::fuzzing
