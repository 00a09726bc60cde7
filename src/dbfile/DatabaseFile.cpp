#include "DatabaseFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "FileSystem.h"
#include "KnownFile.h"

namespace kavro {

namespace {

// The candidate of an open: the file's bytes read over zeros.
uint8_t g_candidate[ImageSize];

// The file last read or saved: its resolved path and what it was then.
struct Remembered {
    std::string path;
    fs::FileInfo info;
};
Remembered g_remembered;

constexpr size_t CompareChunk = 64 * 1024;

OpenResult openFailure(OpenOutcome outcome, std::string reason) {
    OpenResult result;
    result.outcome = outcome;
    result.systemReason = std::move(reason);
    return result;
}

}  // namespace

fs::Status readImageOverZeros(const fs::File& file, uint8_t* image, size_t& got) {
    const fs::Status status = fs::readAt(file, 0, image, ImageSize, got);
    std::memset(image + got, 0, ImageSize - got);
    return status;
}

void rememberFile(const std::string& path, const fs::FileInfo& info) {
    g_remembered = {path, info};
}

bool changedSinceRemembered(const std::string& path, const fs::File& file, const fs::FileInfo& info,
                            fs::Status& status) {
    if (g_remembered.path.empty() || g_remembered.path != path) {
        return false;
    }
    if (info.size != g_remembered.info.size || info.modifiedNs != g_remembered.info.modifiedNs) {
        return true;
    }
    // The image holds exactly the bytes last read or written at the start of the file.
    std::vector<uint8_t> chunk(CompareChunk);
    for (uint32_t offset = 0; offset < imageBytesRead(); offset += CompareChunk) {
        const size_t want = std::min<size_t>(CompareChunk, imageBytesRead() - offset);
        size_t got = 0;
        status = fs::readAt(file, offset, chunk.data(), want, got);
        if (!status.ok()) {
            return false;
        }
        if (got != want || std::memcmp(chunk.data(), databaseImage() + offset, want) != 0) {
            return true;
        }
    }
    return false;
}

OpenResult openDatabaseFile(const std::string& path) {
    fs::File file;
    fs::FileInfo info;
    fs::Status status = fs::openFile(path, fs::Access::Read, file);
    if (status.ok()) {
        status = fs::fileInfo(file, info);
    }
    if (!status.ok()) {
        return openFailure(OpenOutcome::CannotOpen, status.reason);
    }
    if (!info.regular) {
        return openFailure(OpenOutcome::CannotOpen,
                           info.folder ? std::strerror(EISDIR) : "Not a regular file");
    }
    size_t got = 0;
    status = readImageOverZeros(file, g_candidate, got);
    if (!status.ok()) {
        return openFailure(OpenOutcome::ReadError, status.reason);
    }
    OpenResult result;
    result.bytesRead = static_cast<uint32_t>(got);
    result.problem = checkReadImage(g_candidate, got);
    if (result.problem != ImageProblem::None || !UnpackImage(g_candidate, result.problem)) {
        result.outcome = OpenOutcome::Invalid;
        return result;
    }
    std::memcpy(databaseImage(), g_candidate, ImageSize);
    imageBytesRead() = result.bytesRead;
    std::string resolved;
    rememberFile(fs::resolvePath(path, resolved).ok() ? resolved : path, info);
    result.outcome = OpenOutcome::Accepted;
    return result;
}

std::string folderRefusedText(const std::string& folder, const std::string& reason) {
    return "The folder " + folder + " does not allow a safe save (" + reason +
           "): a save writes the new file beside the old one before it takes its place.";
}

}  // namespace kavro
