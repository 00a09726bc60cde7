// Every call the file layer and the tool make to the operating system's file system, behind
// one narrow interface: a handle type that owns an open file, plain information records and
// results that carry a reason. FileSystemPosix.cpp implements it for POSIX systems,
// FileSystemWindows.cpp for Windows; nothing else in the core or the tool calls the system
// directly. Paths and reasons are UTF-8 on every system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace kavro::fs {

// What went wrong, as far as callers tell failures apart.
enum class Failure {
    None,
    NotFound,      // no such file or folder
    Exists,        // the name is taken
    AccessDenied,  // permissions, a read-only file system
    NotAFile,      // a folder, a device, a pipe
    Busy,          // a lock is held by someone else
    Other,
};

// The outcome of a call: ok, or a failure with the system's text for it.
struct Status {
    Failure failure = Failure::None;
    std::string reason;

    bool ok() const { return failure == Failure::None; }
    static Status success() { return {}; }
};

// An open file. Closes it when it goes; can be moved, not copied. Its native handle is wide
// enough for a descriptor or a Windows HANDLE; -1 when none is open.
class File {
public:
    File() = default;
    explicit File(std::intptr_t native) : native_(native) {}
    ~File();
    File(File&& other) noexcept : native_(other.release()) {}
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    bool isOpen() const { return native_ >= 0; }
    std::intptr_t native() const { return native_; }
    void close();

private:
    std::intptr_t release();
    std::intptr_t native_ = -1;
};

// Which file a name refers to, whatever its name.
struct FileId {
    uint64_t device = 0;
    uint64_t inode = 0;
    bool operator==(const FileId&) const = default;
};

struct FileInfo {
    FileId id;
    uint64_t size = 0;
    int64_t modifiedNs = 0;  // last modification, nanoseconds since the epoch
    bool regular = false;
    bool folder = false;
    bool symlink = false;      // the name itself is a symbolic link (pathInfo without following)
    uint32_t links = 1;        // the names the file has (hard links)
    bool ownedByUser = false;  // owned by the user this process runs as
    // POSIX only (zero on Windows, where the access control list stands for all three).
    uint32_t owner = 0;
    uint32_t group = 0;
    uint32_t permissions = 0;  // the permission bits, set-id and sticky bits included
};

enum class Access { Read, Write, ReadWrite };

// Opens an existing file, following symbolic links. It never waits for a writer or reader
// on a named pipe. On Windows, others may go on reading, renaming and deleting the file
// while it is open, but only a file opened for reading may be written by others too.
Status openFile(const std::string& path, Access access, File& file);
// Creates a new file for reading and writing, readable and writable by its owner only (on
// Windows: with the access its folder gives new files; others may read it but neither
// write, rename nor delete it while it is open). Fails with Exists when the name is taken,
// by a symbolic link too.
Status createNewFile(const std::string& path, File& file);

Status fileInfo(const File& file, FileInfo& info);
// The information of the file `path` names; a symbolic link itself when `followLinks` is false.
Status pathInfo(const std::string& path, bool followLinks, FileInfo& info);

// Reads up to `size` bytes at `offset`; `got` tells how many came (fewer at the end only).
Status readAt(const File& file, uint64_t offset, uint8_t* buffer, size_t size, size_t& got);
// Writes all `size` bytes at `offset`.
Status writeAt(const File& file, uint64_t offset, const uint8_t* data, size_t size);
Status setSize(const File& file, uint64_t size);
// Flushes the file's content and size to the disk.
Status sync(const File& file);
// The first stretch holding data at or after `from` in a file of `size` bytes: [start, end).
// start == size when only a hole follows. Where holes cannot be told, all of it is data.
Status nextDataStretch(const File& file, uint64_t from, uint64_t size, uint64_t& start,
                       uint64_t& end);

// Gives `file` the owner and group of `like`, or, where the owner cannot be given, its group
// alone; then its permission bits. Only the permission bits can fail the call. Nothing to
// do on Windows, where replaceFile carries the access control list.
Status keepOwnerAndPermissions(const File& file, const FileInfo& like);
// Gives `file` the permissions a newly created file gets here (on Windows it has them).
Status giveNewFilePermissions(const File& file);
// Makes the extended attributes of `to` those of `from`, its access control list included.
// Attributes that only the system may set are tried and left when refused. Nothing to do on
// Windows, where replaceFile carries the alternate data streams.
Status copyAttributes(const File& from, const File& to);

// Puts the new file `file`, open under the name `from`, in place of `to` in one step (both
// in the same folder). On Windows `file` is closed first, as Windows renames no file that is
// held open this way; an existing `to` gives the new file its access control list,
// attributes and alternate data streams. After a failure `file` is open again while `from`
// still names it, and `to` is as it was.
Status replaceFile(File& file, const std::string& from, const std::string& to);
// True when `path` (not followed) still names `file`.
bool namesFile(const std::string& path, const File& file);
Status removeFile(const std::string& path);
// Flushes a folder's entries to disk after a rename; failures are ignored. (On Windows the
// replace itself writes through.)
void syncFolder(const std::string& folder);
Status listFolder(const std::string& folder, std::vector<std::string>& names);
// The path with its symbolic links, "." and ".." resolved; the file must exist.
Status resolvePath(const std::string& path, std::string& resolved);
// What the symbolic link `path` points to, as written in it (empty where links cannot be read).
Status linkTarget(const std::string& path, std::string& target);
// The name of the user `info` says owns the file; the number when it has none (empty on
// Windows).
std::string ownerName(const FileInfo& info);
// True when the program's standard output is a terminal (a console on Windows).
bool standardOutputIsTerminal();

// An advisory lock on the whole file, for as long as this handle keeps it open. Busy when
// another handle holds it; never waits. It keeps no one from reading or writing the file.
Status tryLockFile(const File& file);

int currentProcessId();
// True unless the process is known to have ended.
bool processRunning(int pid);

// The folder part of `path` ("." when it has none) and its last component. On Windows
// both '/' and '\' separate components, and joinPath puts '\' between them.
std::string folderOf(const std::string& path);
std::string baseNameOf(const std::string& path);
std::string joinPath(const std::string& folder, const std::string& name);

// Opens a file for the C library's streams, with fopen's modes; errno tells why not.
std::FILE* openStream(const std::string& path, const char* mode);
// The program's arguments after its name, as UTF-8 whatever the system's code page.
std::vector<std::string> programArguments(int argc, char** argv);
// The value of the environment variable `name` (ASCII), as UTF-8 whatever the system's code
// page; empty when it is unset.
std::string environmentVariable(const char* name);
// Makes standard input, output and error carry bytes unchanged: no line ends added or
// taken away, as on Windows text streams otherwise do.
void useBinaryStandardStreams();

}  // namespace kavro::fs
