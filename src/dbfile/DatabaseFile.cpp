#include "DatabaseFile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include "FileSystem.h"

namespace kavro {

namespace {

OpenResult openFailure(OpenOutcome outcome, std::string reason) {
    OpenResult result;
    result.outcome = outcome;
    result.systemReason = std::move(reason);
    return result;
}

// Reads up to ImageSize bytes from the start of `file` into `image`, the rest left zero;
// `got` tells how many came.
fs::Status readImageOverZeros(const fs::File& file, ImageBuffer& image, size_t& got) {
    const fs::Status status = fs::readAt(file, 0, image.readTarget(), ImageSize, got);
    if (status.ok()) {
        image.settle(got);
    } else {
        image.data();  // what a failed read left is not known
    }
    return status;
}

}  // namespace

DatabaseFile::DatabaseFile() : writer_(&systemFileWriter()) {}

void DatabaseFile::reset() {
    image_.reset();
    rememberedPath_.clear();
    rememberedInfo_ = {};
}

void DatabaseFile::remember(const std::string& path, const fs::FileInfo& info) {
    rememberedPath_ = path;
    rememberedInfo_ = info;
}

bool DatabaseFile::changedSinceRemembered(const std::string& path, const fs::File& file,
                                          const fs::FileInfo& info, fs::Status& status) const {
    if (rememberedPath_.empty()) {
        return false;
    }
    // Another file under the name (replaced, or a link repointed) counts as a change.
    if (rememberedPath_ != path || info.id != rememberedInfo_.id ||
        info.size != rememberedInfo_.size || info.modifiedNs != rememberedInfo_.modifiedNs) {
        return true;
    }
    // The image holds exactly the bytes last read or written at the start of the file.
    uint8_t* chunk = readBackChunk();
    const uint32_t length = image_.bytesRead();
    for (uint32_t offset = 0; offset < length; offset += ReadBackChunk) {
        const size_t want = std::min<size_t>(ReadBackChunk, length - offset);
        size_t got = 0;
        status = fs::readAt(file, offset, chunk, want, got);
        if (!status.ok()) {
            return false;
        }
        if (got != want || std::memcmp(chunk, image_.bytes() + offset, want) != 0) {
            return true;
        }
    }
    return false;
}

uint8_t* DatabaseFile::readBackChunk() const {
    if (!readBack_) {
        // Not cleared: only bytes just read are compared.
        readBack_ = std::make_unique_for_overwrite<uint8_t[]>(ReadBackChunk);
    }
    return readBack_.get();
}

OpenResult DatabaseFile::accept(size_t got, ChannelDatabase& db) {
    OpenResult result;
    result.bytesRead = static_cast<uint32_t>(got);
    const uint8_t* candidate = std::as_const(work_).data();
    result.problem = checkReadImage(candidate, got);
    if (result.problem != ImageProblem::None) {
        result.outcome = OpenOutcome::Invalid;
        return result;
    }
    image_.unpackChecked(candidate, db);
    image_.adopt(work_, result.bytesRead);
    result.outcome = OpenOutcome::Accepted;
    return result;
}

OpenResult DatabaseFile::open(const std::string& path, ChannelDatabase& db) {
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
    status = readImageOverZeros(file, work_, got);
    if (!status.ok()) {
        return openFailure(OpenOutcome::ReadError, status.reason);
    }
    const OpenResult result = accept(got, db);
    if (result.outcome == OpenOutcome::Accepted) {
        std::string resolved;
        remember(fs::resolvePath(path, resolved).ok() ? resolved : path, info);
    }
    return result;
}

OpenResult DatabaseFile::load(const uint8_t* data, size_t size, ChannelDatabase& db) {
    const size_t got = std::min<size_t>(size, ImageSize);
    std::memcpy(work_.readTarget(), data, got);
    work_.settle(got);
    const OpenResult result = accept(got, db);
    if (result.outcome == OpenOutcome::Accepted) {
        rememberedPath_.clear();
        rememberedInfo_ = {};
    }
    return result;
}

ScopedFileWriter::ScopedFileWriter(DatabaseFile& file, FileWriter& writer)
    : file_(file), previous_(file.writer()) {
    file_.setWriter(writer);
}

ScopedFileWriter::~ScopedFileWriter() {
    file_.setWriter(previous_);
}

ScopedSaveStepHook::ScopedSaveStepHook(DatabaseFile& file, SaveStepHook hook)
    : file_(file), previous_(file.saveStepHook()) {
    file_.setSaveStepHook(std::move(hook));
}

ScopedSaveStepHook::~ScopedSaveStepHook() {
    file_.setSaveStepHook(std::move(previous_));
}

std::vector<uint8_t> DatabaseFile::packed(const ChannelDatabase& db) {
    std::vector<uint8_t> bytes(image_.bytes(), image_.bytes() + ImageSize);
    image_.packInto(db, bytes.data());
    bytes.resize(bytesToWrite(bytes.data(), image_.bytesRead()));
    return bytes;
}

fs::Status lockFile(const std::string& path, int waitMs, fs::File& locked) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        fs::File file;
        fs::Status status = fs::openFile(path, fs::Access::Read, file);
        if (status.ok()) {
            status = fs::tryLockFile(file);
        }
        fs::FileInfo named, opened;
        if (status.ok() && fs::pathInfo(path, true, named).ok() &&
            fs::fileInfo(file, opened).ok() && named.id == opened.id) {
            locked = std::move(file);
            return status;
        }
        // Busy, or the holder put a new file in place meanwhile: try again.
        if ((!status.ok() && status.failure != fs::Failure::Busy) ||
            std::chrono::steady_clock::now() >= deadline) {
            return status.ok() ? fs::Status{fs::Failure::Busy, "the file keeps changing"} : status;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::string folderRefusedText(const std::string& folder, const std::string& reason) {
    return "The folder " + folder + " does not allow a safe save (" + reason +
           "): a save writes the new file beside the old one before it takes its place.";
}

}  // namespace kavro
