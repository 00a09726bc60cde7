// The file system interface kept in memory, for the fuzz build: every file the program
// opens, creates, writes, renames or removes is a byte vector in a map of this process, so
// that an open and a save cost copies and no system call. Folders are not kept: a folder
// is any path that files lie under, and a file can be made in any folder. Text streams
// (openStream) still go to the disk. A file's modification time is a counter that every
// change advances, so a changed file always looks changed.
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

#include "FileSystem.h"

namespace kavro::fs {

namespace {

// A file's bytes. Bytes it grows by are left as they were allocated: writeAt and setSize
// give each one its value, so that a file written whole is not cleared first.
class Bytes {
public:
    Bytes() = default;
    Bytes(Bytes&& other) noexcept { *this = std::move(other); }
    Bytes& operator=(Bytes&& other) noexcept {
        data_ = std::move(other.data_);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
        return *this;
    }

    const uint8_t* data() const { return data_.get(); }
    uint8_t* data() { return data_.get(); }
    size_t size() const { return size_; }
    size_t capacity() const { return capacity_; }
    void clear() { size_ = 0; }

    // Sets the size; the bytes added before `written` are zero, those from it on are for
    // the caller to write.
    void resize(size_t size, size_t written) {
        if (size > capacity_) {
            auto larger = std::make_unique_for_overwrite<uint8_t[]>(size);
            if (size_ > 0) {
                std::memcpy(larger.get(), data_.get(), size_);
            }
            data_ = std::move(larger);
            capacity_ = size;
        }
        if (written > size_) {
            std::memset(data_.get() + size_, 0, std::min(written, size) - size_);
        }
        size_ = size;
    }

private:
    std::unique_ptr<uint8_t[]> data_;
    size_t size_ = 0;
    size_t capacity_ = 0;
};

struct MemoryFile {
    MemoryFile();
    ~MemoryFile();
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    Bytes bytes;
    uint64_t inode = 0;
    int64_t modifiedNs = 0;
    uint32_t owner = 0;
    uint32_t group = 0;
    uint32_t permissions = 0600;
    std::intptr_t lockedBy = -1;  // the handle holding the lock
};

using FilePtr = std::shared_ptr<MemoryFile>;

// The files by their normalised paths and the open handles, each a slot of `handles`; the
// storage of files that went, kept for new ones so that a save writes into memory already
// mapped. Files are made and dropped only while the mutex is held.
struct Memory {
    ~Memory() {
        handles.clear();  // while `spare` still takes what the files leave
        files.clear();
    }

    std::mutex mutex;
    std::vector<Bytes> spare;
    std::map<std::string, FilePtr, std::less<>> files;
    std::vector<FilePtr> handles;
    uint64_t nextInode = 1;
    int64_t clock = 1;
};

constexpr size_t SpareFiles = 8;

Memory& memory() {
    static Memory m;
    return m;
}

MemoryFile::MemoryFile() {
    Memory& m = memory();
    if (!m.spare.empty()) {
        bytes = std::move(m.spare.back());
        m.spare.pop_back();
        bytes.clear();
    }
}

MemoryFile::~MemoryFile() {
    Memory& m = memory();
    if (m.spare.size() < SpareFiles && bytes.capacity() > 0) {
        m.spare.push_back(std::move(bytes));
    }
}

Status failure(Failure what, int error) {
    return {what, std::strerror(error)};
}

// True for an absolute path without ".", ".." or empty parts: its own normal form, which is
// what the program mostly asks for.
bool isNormal(std::string_view path) {
    if (path.empty() || path[0] != '/' || (path.size() > 1 && path.back() == '/')) {
        return false;
    }
    for (size_t at = 0; at < path.size();) {
        const size_t end = std::min(path.find('/', at + 1), path.size());
        const std::string_view part = path.substr(at + 1, end - at - 1);
        if ((part.empty() && path.size() > 1) || part == "." || part == "..") {
            return false;
        }
        at = end;
    }
    return true;
}

// `path` absolute with "." and ".." and repeated slashes taken out.
std::string normalised(const std::string& path) {
    if (isNormal(path)) {
        return path;
    }
    std::vector<std::string> parts;
    std::string absolute = path;
    if (absolute.empty() || absolute[0] != '/') {
        char* cwd = ::getcwd(nullptr, 0);
        absolute = std::string(cwd != nullptr ? cwd : "") + "/" + path;
        std::free(cwd);
    }
    size_t start = 0;
    while (start <= absolute.size()) {
        const size_t slash = std::min(absolute.find('/', start), absolute.size());
        const std::string part = absolute.substr(start, slash - start);
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = slash + 1;
    }
    std::string result;
    for (const std::string& part : parts) {
        result += "/" + part;
    }
    return result.empty() ? "/" : result;
}

bool isFolder(const Memory& m, const std::string& path) {
    const std::string prefix = path == "/" ? path : path + "/";
    const auto next = m.files.lower_bound(prefix);
    return next != m.files.end() && next->first.compare(0, prefix.size(), prefix) == 0;
}

FilePtr fileOf(const Memory& m, const File& file) {
    const std::intptr_t slot = file.native();
    return slot >= 0 && static_cast<size_t>(slot) < m.handles.size() ? m.handles[slot] : nullptr;
}

File openHandle(Memory& m, FilePtr file) {
    auto free = std::find(m.handles.begin(), m.handles.end(), nullptr);
    if (free == m.handles.end()) {
        free = m.handles.insert(free, nullptr);
    }
    *free = std::move(file);
    return File(free - m.handles.begin());
}

FileInfo infoOf(const MemoryFile& file) {
    FileInfo info;
    info.id = {1, file.inode};
    info.size = file.bytes.size();
    info.modifiedNs = file.modifiedNs;
    info.regular = true;
    info.ownedByUser = true;
    info.owner = file.owner;
    info.group = file.group;
    info.permissions = file.permissions;
    return info;
}

FileInfo folderInfo() {
    FileInfo info;
    info.folder = true;
    info.ownedByUser = true;
    info.permissions = 0700;
    return info;
}

}  // namespace

void File::close() {
    if (native_ >= 0) {
        Memory& m = memory();
        const std::lock_guard lock(m.mutex);
        if (const FilePtr file = fileOf(m, *this); file && file->lockedBy == native_) {
            file->lockedBy = -1;
        }
        m.handles[native_] = nullptr;
        native_ = -1;
    }
}

Status openFile(const std::string& path, Access, File& file) {
    Memory& m = memory();
    const std::lock_guard lock(m.mutex);
    const std::string name = normalised(path);
    const auto found = m.files.find(name);
    if (found == m.files.end()) {
        return isFolder(m, name) ? failure(Failure::NotAFile, EISDIR)
                                 : failure(Failure::NotFound, ENOENT);
    }
    file = openHandle(m, found->second);
    return Status::success();
}

Status createNewFile(const std::string& path, File& file) {
    Memory& m = memory();
    const std::lock_guard lock(m.mutex);
    const std::string name = normalised(path);
    if (m.files.count(name) != 0 || isFolder(m, name)) {
        return failure(Failure::Exists, EEXIST);
    }
    auto created = std::make_shared<MemoryFile>();
    created->inode = m.nextInode++;
    created->modifiedNs = m.clock++;
    m.files.emplace(name, created);
    file = openHandle(m, std::move(created));
    return Status::success();
}

Status fileInfo(const File& file, FileInfo& info) {
    Memory& m = memory();
    const std::lock_guard lock(m.mutex);
    const FilePtr opened = fileOf(m, file);
    if (!opened) {
        return failure(Failure::Other, EBADF);
    }
    info = infoOf(*opened);
    return Status::success();
}

Status pathInfo(const std::string& path, bool, FileInfo& info) {
    Memory& m = memory();
    const std::lock_guard lock(m.mutex);
    const std::string name = normalised(path);
    const auto found = m.files.find(name);
    if (found != m.files.end()) {
        info = infoOf(*found->second);
    } else if (isFolder(m, name)) {
        info = folderInfo();
    } else {
        return failure(Failure::NotFound, ENOENT);
    }
    return Status::success();
}

Status readAt(const File& file, uint64_t offset, uint8_t* buffer, size_t size, size_t& got) {
    Memory& m = memory();
    const std::lock_guard lock(m.mutex);
    got = 0;
    const FilePtr opened = fileOf(m, file);
    if (!opened) {
        return failure(Failure::Other, EBADF);
    }
    if (offset < opened->bytes.size()) {
        got = std::min<size_t>(size, opened->bytes.size() - offset);
        std::memcpy(buffer, opened->bytes.data() + offset, got);
    }
    return Status::success();
}

Status writeAt(const File& file, uint64_t offset, const uint8_t* data, size_t size) {
    Memory& m = memory();
    const std::lock_guard lock(m.mutex);
    const FilePtr opened = fileOf(m, file);
    if (!opened) {
        return failure(Failure::Other, EBADF);
    }
    // Copied by memcpy, not by the vector's insert: the sanitizers' memmove, which the
    // vector's copies end in, goes a byte at a time.
    Bytes& bytes = opened->bytes;
    if (size > 0) {
        if (offset + size > bytes.size()) {
            bytes.resize(offset + size, offset);
        }
        std::memcpy(bytes.data() + offset, data, size);
    }
    opened->modifiedNs = m.clock++;
    return Status::success();
}

Status setSize(const File& file, uint64_t size) {
    Memory& m = memory();
    const std::lock_guard lock(m.mutex);
    const FilePtr opened = fileOf(m, file);
    if (!opened) {
        return failure(Failure::Other, EBADF);
    }
    opened->bytes.resize(size, size);
    opened->modifiedNs = m.clock++;
    return Status::success();
}

Status sync(const File&) {
    return Status::success();
}

Status nextDataStretch(const File&, uint64_t from, uint64_t size, uint64_t& start, uint64_t& end) {
    start = std::min(from, size);
    end = size;
    return Status::success();
}

Status keepOwnerAndPermissions(const File& file, const FileInfo& like) {
    Memory& m = memory();
    const std::lock_guard lock(m.mutex);
    if (const FilePtr opened = fileOf(m, file)) {
        opened->owner = like.owner;
        opened->group = like.group;
        opened->permissions = like.permissions;
    }
    return Status::success();
}

Status giveNewFilePermissions(const File& file) {
    FileInfo info;
    info.permissions = 0644;
    return keepOwnerAndPermissions(file, info);
}

Status copyAttributes(const File&, const File&) {
    return Status::success();
}

Status replaceFile(File&, const std::string& from, const std::string& to) {
    Memory& m = memory();
    const std::lock_guard lock(m.mutex);
    const auto found = m.files.find(normalised(from));
    if (found == m.files.end()) {
        return failure(Failure::NotFound, ENOENT);
    }
    FilePtr moved = found->second;
    m.files.erase(found);
    m.files[normalised(to)] = std::move(moved);
    return Status::success();
}

bool namesFile(const std::string& path, const File& file) {
    Memory& m = memory();
    const std::lock_guard lock(m.mutex);
    const auto found = m.files.find(normalised(path));
    return found != m.files.end() && found->second == fileOf(m, file);
}

Status removeFile(const std::string& path) {
    Memory& m = memory();
    const std::lock_guard lock(m.mutex);
    return m.files.erase(normalised(path)) != 0 ? Status::success()
                                                : failure(Failure::NotFound, ENOENT);
}

void syncFolder(const std::string&) {}

Status listFolder(const std::string& folder, std::vector<std::string>& names) {
    Memory& m = memory();
    const std::lock_guard lock(m.mutex);
    const std::string name = normalised(folder);
    const std::string prefix = name == "/" ? name : name + "/";
    for (auto it = m.files.lower_bound(prefix);
         it != m.files.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it) {
        const std::string rest = it->first.substr(prefix.size());
        if (rest.find('/') == std::string::npos) {
            names.push_back(rest);
        }
    }
    return Status::success();
}

Status resolvePath(const std::string& path, std::string& resolved) {
    Memory& m = memory();
    const std::lock_guard lock(m.mutex);
    const std::string name = normalised(path);
    if (m.files.count(name) == 0 && !isFolder(m, name)) {
        return failure(Failure::NotFound, ENOENT);
    }
    resolved = name;
    return Status::success();
}

Status tryLockFile(const File& file) {
    Memory& m = memory();
    const std::lock_guard lock(m.mutex);
    const FilePtr opened = fileOf(m, file);
    if (!opened) {
        return failure(Failure::Other, EBADF);
    }
    if (opened->lockedBy >= 0 && opened->lockedBy != file.native()) {
        return failure(Failure::Busy, EWOULDBLOCK);
    }
    opened->lockedBy = file.native();
    return Status::success();
}

int currentProcessId() {
    return static_cast<int>(::getpid());
}

bool processRunning(int pid) {
    return pid > 0 && (::kill(pid, 0) == 0 || errno != ESRCH);
}

Status linkTarget(const std::string&, std::string&) {
    return failure(Failure::Other, EINVAL);  // no name here is a symbolic link
}

std::string ownerName(const FileInfo& info) {
    return std::to_string(info.owner);
}

}  // namespace kavro::fs
