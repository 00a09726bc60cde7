// The file system interface on POSIX systems (Linux, and macOS where noted): descriptors,
// pread/pwrite, fsync, fchown/fchmod, the xattr calls (which carry the access control list
// as the attribute system.posix_acl_access on Linux), rename, flock.
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "FileSystem.h"

namespace kavro::fs {

namespace {

int fd(const File& file) {
    return static_cast<int>(file.native());
}

#ifdef __APPLE__
// macOS's calls take options (and a position, for resource forks) and name times apart.
ssize_t listAttributes(int fd, char* names, size_t size) {
    return ::flistxattr(fd, names, size, 0);
}
ssize_t getAttribute(int fd, const char* name, void* value, size_t size) {
    return ::fgetxattr(fd, name, value, size, 0, 0);
}
int setAttribute(int fd, const char* name, const void* value, size_t size) {
    return ::fsetxattr(fd, name, value, size, 0, 0);
}
int removeAttribute(int fd, const char* name) {
    return ::fremovexattr(fd, name, 0);
}
constexpr int NoSuchAttribute = ENOATTR;
const timespec& modificationTime(const struct stat& st) {
    return st.st_mtimespec;
}
// fsync leaves the data in the drive's cache there; F_FULLFSYNC flushes that too.
int flushToDisk(int fd) {
    return ::fcntl(fd, F_FULLFSYNC) == 0 ? 0 : ::fsync(fd);
}
#else
ssize_t listAttributes(int fd, char* names, size_t size) {
    return ::flistxattr(fd, names, size);
}
ssize_t getAttribute(int fd, const char* name, void* value, size_t size) {
    return ::fgetxattr(fd, name, value, size);
}
int setAttribute(int fd, const char* name, const void* value, size_t size) {
    return ::fsetxattr(fd, name, value, size, 0);
}
int removeAttribute(int fd, const char* name) {
    return ::fremovexattr(fd, name);
}
constexpr int NoSuchAttribute = ENODATA;
const timespec& modificationTime(const struct stat& st) {
    return st.st_mtim;
}
int flushToDisk(int fd) {
    return ::fsync(fd);
}
#endif

Failure failureOf(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return Failure::NotFound;
        case EEXIST:
            return Failure::Exists;
        case EACCES:
        case EPERM:
        case EROFS:
            return Failure::AccessDenied;
        case EISDIR:
        case ENXIO:
            return Failure::NotAFile;
        case EWOULDBLOCK:
            return Failure::Busy;
        default:
            return Failure::Other;
    }
}

Status fromErrno(int error = errno) {
    return Status{failureOf(error), std::strerror(error)};
}

FileInfo infoFrom(const struct stat& st) {
    FileInfo info;
    info.id = {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
    info.size = static_cast<uint64_t>(st.st_size);
    const timespec& modified = modificationTime(st);
    info.modifiedNs = static_cast<int64_t>(modified.tv_sec) * 1000000000 + modified.tv_nsec;
    info.regular = S_ISREG(st.st_mode);
    info.folder = S_ISDIR(st.st_mode);
    info.symlink = S_ISLNK(st.st_mode);
    info.links = static_cast<uint32_t>(st.st_nlink);
    info.ownedByUser = st.st_uid == ::geteuid();
    info.owner = st.st_uid;
    info.group = st.st_gid;
    info.permissions = st.st_mode & 07777;
    return info;
}

// Attributes whose loss would change who may use the file, or that the user set.
bool mustCarry(const std::string& name) {
    return name.rfind("user.", 0) == 0 || name.rfind("system.posix_acl_", 0) == 0;
}

// The names of a file's extended attributes.
bool attributeNames(int fd, std::vector<std::string>& names) {
    const ssize_t size = listAttributes(fd, nullptr, 0);
    if (size < 0) {
        return errno == ENOTSUP;  // none can exist here
    }
    std::string list(static_cast<size_t>(size), '\0');
    const ssize_t got = listAttributes(fd, list.data(), list.size());
    if (got < 0) {
        return false;
    }
    list.resize(static_cast<size_t>(got));
    for (size_t start = 0; start < list.size();) {
        const size_t end = list.find('\0', start);
        names.push_back(list.substr(start, end - start));
        start = end == std::string::npos ? list.size() : end + 1;
    }
    return true;
}

bool attributeValue(int fd, const std::string& name, std::string& value) {
    const ssize_t size = getAttribute(fd, name.c_str(), nullptr, 0);
    if (size < 0) {
        return false;
    }
    value.assign(static_cast<size_t>(size), '\0');
    const ssize_t got = getAttribute(fd, name.c_str(), value.data(), value.size());
    if (got < 0) {
        return false;
    }
    value.resize(static_cast<size_t>(got));
    return true;
}

}  // namespace

void File::close() {
    if (native_ >= 0) {
        ::close(static_cast<int>(native_));
        native_ = -1;
    }
}

Status openFile(const std::string& path, Access access, File& file) {
    const int mode = access == Access::Read    ? O_RDONLY
                     : access == Access::Write ? O_WRONLY
                                               : O_RDWR;
    const int fd = ::open(path.c_str(), mode | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        struct stat st;
        if (error == ENXIO && ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
            return {Failure::NotAFile, "Not a regular file"};  // a socket, say
        }
        return fromErrno(error);
    }
    file = File(fd);
    return Status::success();
}

Status createNewFile(const std::string& path, File& file) {
    const int fd =
        ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0600);
    if (fd < 0) {
        return fromErrno();
    }
    file = File(fd);
    return Status::success();
}

Status fileInfo(const File& file, FileInfo& info) {
    struct stat st;
    if (::fstat(fd(file), &st) != 0) {
        return fromErrno();
    }
    info = infoFrom(st);
    return Status::success();
}

Status pathInfo(const std::string& path, bool followLinks, FileInfo& info) {
    struct stat st;
    const int result = followLinks ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st);
    if (result != 0) {
        return fromErrno();
    }
    info = infoFrom(st);
    return Status::success();
}

Status readAt(const File& file, uint64_t offset, uint8_t* buffer, size_t size, size_t& got) {
    got = 0;
    while (got < size) {
        const ssize_t n =
            ::pread(fd(file), buffer + got, size - got, static_cast<off_t>(offset + got));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fromErrno();
        }
        if (n == 0) {
            break;
        }
        got += static_cast<size_t>(n);
    }
    return Status::success();
}

Status writeAt(const File& file, uint64_t offset, const uint8_t* data, size_t size) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n =
            ::pwrite(fd(file), data + done, size - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fromErrno();
        }
        if (n == 0) {
            return fromErrno(EIO);
        }
        done += static_cast<size_t>(n);
    }
    return Status::success();
}

Status setSize(const File& file, uint64_t size) {
    return ::ftruncate(fd(file), static_cast<off_t>(size)) == 0 ? Status::success() : fromErrno();
}

Status sync(const File& file) {
    return flushToDisk(fd(file)) == 0 ? Status::success() : fromErrno();
}

Status nextDataStretch(const File& file, uint64_t from, uint64_t size, uint64_t& start,
                       uint64_t& end) {
    start = end = size;
    if (from >= size) {
        return Status::success();
    }
    const off_t data = ::lseek(fd(file), static_cast<off_t>(from), SEEK_DATA);
    if (data < 0) {
        if (errno == ENXIO) {  // nothing but a hole up to the end
            return Status::success();
        }
        if (errno != EINVAL && errno != ENOTSUP) {
            return fromErrno();
        }
        start = from;  // holes cannot be told here
        return Status::success();
    }
    start = static_cast<uint64_t>(data) < size ? static_cast<uint64_t>(data) : size;
    const off_t hole = ::lseek(fd(file), data, SEEK_HOLE);
    end = hole < 0 || static_cast<uint64_t>(hole) > size ? size : static_cast<uint64_t>(hole);
    return Status::success();
}

Status keepOwnerAndPermissions(const File& file, const FileInfo& like) {
    if (::fchown(fd(file), like.owner, like.group) != 0) {
        // Not allowed to give the file away: keep at least the group where allowed.
        [[maybe_unused]] const int ignored = ::fchown(fd(file), static_cast<uid_t>(-1), like.group);
    }
    return ::fchmod(fd(file), like.permissions) == 0 ? Status::success() : fromErrno();
}

Status giveNewFilePermissions(const File& file) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return ::fchmod(fd(file), 0666 & ~mask) == 0 ? Status::success() : fromErrno();
}

Status copyAttributes(const File& from, const File& to) {
    std::vector<std::string> wanted, present;
    if (!attributeNames(fd(from), wanted) || !attributeNames(fd(to), present)) {
        return fromErrno();
    }
    // What the new file got by itself (a folder's default access list, say) and the old one
    // lacks goes, so that access is neither widened nor narrowed.
    for (const std::string& name : present) {
        if (mustCarry(name) && std::find(wanted.begin(), wanted.end(), name) == wanted.end() &&
            removeAttribute(fd(to), name.c_str()) != 0 && errno != NoSuchAttribute) {
            return fromErrno();
        }
    }
    std::string value;
    for (const std::string& name : wanted) {
        const bool copied = attributeValue(fd(from), name, value) &&
                            setAttribute(fd(to), name.c_str(), value.data(), value.size()) == 0;
        if (!copied && mustCarry(name)) {
            return fromErrno();
        }
    }
    return Status::success();
}

Status replaceFile(File&, const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? Status::success() : fromErrno();
}

bool namesFile(const std::string& path, const File& file) {
    FileInfo named, opened;
    return pathInfo(path, false, named).ok() && fileInfo(file, opened).ok() &&
           named.id == opened.id;
}

Status removeFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0 ? Status::success() : fromErrno();
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

Status listFolder(const std::string& folder, std::vector<std::string>& names) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return fromErrno();
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    ::closedir(dir);
    return Status::success();
}

Status resolvePath(const std::string& path, std::string& resolved) {
    char* full = ::realpath(path.c_str(), nullptr);
    if (full == nullptr) {
        return fromErrno();
    }
    resolved = full;
    std::free(full);
    return Status::success();
}

Status tryLockFile(const File& file) {
    while (::flock(fd(file), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EINTR) {
            return fromErrno();
        }
    }
    return Status::success();
}

int currentProcessId() {
    return static_cast<int>(::getpid());
}

bool processRunning(int pid) {
    return pid > 0 && (::kill(pid, 0) == 0 || errno != ESRCH);
}

Status linkTarget(const std::string& path, std::string& target) {
    std::string buffer(PATH_MAX, '\0');
    const ssize_t size = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (size < 0) {
        return fromErrno();
    }
    target.assign(buffer.data(), static_cast<size_t>(size));
    return Status::success();
}

std::string ownerName(const FileInfo& info) {
    struct passwd entry;
    struct passwd* found = nullptr;
    std::string buffer(16384, '\0');
    if (::getpwuid_r(info.owner, &entry, buffer.data(), buffer.size(), &found) == 0 && found) {
        return found->pw_name;
    }
    return std::to_string(info.owner);
}

}  // namespace kavro::fs
