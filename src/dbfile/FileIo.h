// Thin POSIX file helpers for reading and writing the database file: whole reads and writes
// that ride over short transfers and interrupted calls, reasons from errno, and the temporary
// file that a save writes before it puts the new content in place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include <sys/types.h>

#include "DatabaseFile.h"

namespace kavro::fileio {

std::string systemReason(int error);

// Reads until `size` bytes arrived or the file ended; `got` counts them. False (errno kept)
// on a read error.
bool readFully(int fd, uint8_t* buffer, size_t size, size_t& got);
// Writes all `size` bytes. False (errno kept) on a write error.
bool writeFully(int fd, const uint8_t* data, size_t size);

// Holds an open descriptor and closes it when it goes.
class FileHandle {
public:
    explicit FileHandle(int fd = -1) : fd_(fd) {}
    ~FileHandle();
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }

private:
    int fd_;
};

// The folder part of `path` ("." when it has none) and the last component.
std::string folderOf(const std::string& path);
std::string baseNameOf(const std::string& path);

// Creates an empty, not yet used file beside `target`, readable and writable by its owner
// only until it gets its final permissions. Its path goes to `tempPath`; false (with
// `tempPath` empty and errno kept) when the folder refuses it.
bool createTempBeside(const std::string& target, std::string& tempPath);

// The permissions a newly created file gets: 0666 less the process's umask.
mode_t newFileMode();

// Flushes a folder's entries to disk after a rename; failures are ignored.
void syncFolder(const std::string& folder);

// The writer used by the saves: the injected one, or the real one.
FileWriter& activeFileWriter();

}  // namespace kavro::fileio
