#include "DatabaseFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "FileIo.h"

namespace kavro {

namespace {

using fileio::FileHandle;
using fileio::systemReason;

// The candidate of an open: the current image with the file's bytes read over it.
uint8_t g_candidate[ImageSize];

const char* const NotRegularFile = "Not a regular file";

// A temporary file that is removed when it goes, unless it was put in place.
struct TempFile {
    std::string path;
    bool placed = false;
    ~TempFile() {
        if (!path.empty() && !placed) {
            ::unlink(path.c_str());
        }
    }
};

SaveResult saveResult(SaveOutcome outcome, std::string reason = {}) {
    SaveResult result;
    result.outcome = outcome;
    result.systemReason = std::move(reason);
    return result;
}

// The file a path names once its symbolic links are followed; false (errno kept) when it
// does not exist.
bool resolvePath(const std::string& path, std::string& resolved) {
    char buffer[PATH_MAX];
    if (::realpath(path.c_str(), buffer) == nullptr) {
        return false;
    }
    resolved = buffer;
    return true;
}

// Writes `size` bytes into the temporary file through the active writer, gives it the
// owner and permissions of the file it replaces (`keep`) or those of a new file, and renames
// it over the target.
SaveResult placeContent(TempFile& temp, const std::string& target, const uint8_t* data, size_t size,
                        const struct stat* keep) {
    std::string reason;
    if (!fileio::activeFileWriter().writeNewFile(temp.path, data, size, reason)) {
        return saveResult(SaveOutcome::WriteError, reason);
    }
    if (keep != nullptr) {
        // Ownership is kept where allowed; permissions always.
        [[maybe_unused]] int ignored = ::chown(temp.path.c_str(), keep->st_uid, keep->st_gid);
    }
    const mode_t mode = keep != nullptr ? keep->st_mode & 07777 : fileio::newFileMode();
    if (::chmod(temp.path.c_str(), mode) != 0 || ::rename(temp.path.c_str(), target.c_str()) != 0) {
        return saveResult(SaveOutcome::WriteError, systemReason(errno));
    }
    temp.placed = true;
    fileio::syncFolder(fileio::folderOf(target));
    return saveResult(SaveOutcome::Written);
}

// What the open file holds beyond the first imageBytesRead() bytes. False (errno kept) when
// it cannot be read.
bool readTail(int fd, off_t fileSize, std::vector<uint8_t>& tail) {
    const uint32_t head = imageBytesRead();
    tail.resize(fileSize > static_cast<off_t>(head) ? fileSize - head : 0);
    if (tail.empty()) {
        return true;
    }
    size_t got = 0;
    if (::lseek(fd, head, SEEK_SET) < 0 || !fileio::readFully(fd, tail.data(), tail.size(), got)) {
        return false;
    }
    tail.resize(got);
    return true;
}

}  // namespace

OpenResult openDatabaseFile(const std::string& path) {
    OpenResult result;
    // Non-blocking, so that a named pipe cannot hang the open; it is refused below.
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info;
    if (!file.isOpen() || ::fstat(file.get(), &info) != 0) {
        result.outcome = OpenOutcome::CannotOpen;
        result.systemReason = systemReason(errno);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.outcome = OpenOutcome::CannotOpen;
        result.systemReason = S_ISDIR(info.st_mode) ? systemReason(EISDIR) : NotRegularFile;
        return result;
    }
    size_t got = 0;
    if (!fileio::readFully(file.get(), g_candidate, ImageSize, got)) {
        result.outcome = OpenOutcome::ReadError;
        result.systemReason = systemReason(errno);
        return result;
    }
    // Bytes beyond a short file keep what the current image holds there.
    std::memcpy(g_candidate + got, databaseImage() + got, ImageSize - got);
    result.bytesRead = static_cast<uint32_t>(got);
    // A file without a whole header of its own would pass as the image it is read over.
    if (got < static_cast<size_t>(HeaderSize)) {
        result.outcome = OpenOutcome::Invalid;
        result.problem = checkImage(g_candidate);
        if (result.problem == ImageProblem::None) {
            result.problem = ImageProblem::ShorterThanHeader;
        }
        return result;
    }
    if (!UnpackImage(g_candidate, result.problem)) {
        result.outcome = OpenOutcome::Invalid;
        return result;
    }
    std::memcpy(databaseImage(), g_candidate, ImageSize);
    imageBytesRead() = result.bytesRead;
    result.outcome = OpenOutcome::Accepted;
    return result;
}

SaveResult saveDatabaseFile(const std::string& path) {
    std::string target;
    if (!resolvePath(path, target)) {
        return saveResult(SaveOutcome::CannotOpen, systemReason(errno));
    }
    FileHandle file(::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK));
    struct stat info;
    if (!file.isOpen() || ::fstat(file.get(), &info) != 0) {
        return saveResult(SaveOutcome::CannotOpen, systemReason(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return saveResult(SaveOutcome::CannotOpen, NotRegularFile);
    }
    TempFile temp;
    if (!fileio::createTempBeside(target, temp.path)) {
        const std::string reason = systemReason(errno);
        return saveResult(SaveOutcome::WriteError, "cannot create a temporary file in " +
                                                       fileio::folderOf(target) + ": " + reason);
    }
    std::vector<uint8_t> content;
    if (!readTail(file.get(), info.st_size, content)) {
        return saveResult(SaveOutcome::WriteError, systemReason(errno));
    }
    PackImage();
    if (content.empty()) {
        return placeContent(temp, target, databaseImage(), imageBytesRead(), &info);
    }
    // A longer file keeps its bytes beyond the image: the image goes in front of them.
    content.insert(content.begin(), databaseImage(), databaseImage() + imageBytesRead());
    return placeContent(temp, target, content.data(), content.size(), &info);
}

SaveResult saveDatabaseFileAs(const std::string& path) {
    std::string target = path;
    struct stat info;
    const bool exists = resolvePath(path, target) && ::stat(target.c_str(), &info) == 0;
    if (exists) {
        if (!S_ISREG(info.st_mode)) {
            return saveResult(SaveOutcome::CannotCreate,
                              S_ISDIR(info.st_mode) ? systemReason(EISDIR) : NotRegularFile);
        }
        // A file the user may not write is not replaced behind its back.
        if (::access(target.c_str(), W_OK) != 0) {
            return saveResult(SaveOutcome::CannotCreate, systemReason(errno));
        }
    }
    TempFile temp;
    if (!fileio::createTempBeside(target, temp.path)) {
        return saveResult(SaveOutcome::CannotCreate, systemReason(errno));
    }
    PackImage();
    return placeContent(temp, target, databaseImage(), imageBytesRead(), exists ? &info : nullptr);
}

}  // namespace kavro
