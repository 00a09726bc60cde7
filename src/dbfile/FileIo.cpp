#include "FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

namespace kavro::fileio {

namespace {

// The real writer: opens the (already created) file, writes everything, flushes it to disk.
class PosixFileWriter : public FileWriter {
public:
    bool writeNewFile(const std::string& path, const uint8_t* data, size_t size,
                      std::string& reason) override {
        FileHandle file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
        if (!file.isOpen()) {
            reason = systemReason(errno);
            return false;
        }
        if (!writeFully(file.get(), data, size) || ::fsync(file.get()) != 0) {
            reason = systemReason(errno);
            return false;
        }
        return true;
    }
};

PosixFileWriter g_realWriter;
FileWriter* g_injectedWriter = nullptr;

}  // namespace

FileHandle::~FileHandle() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::string systemReason(int error) {
    return std::strerror(error);
}

bool readFully(int fd, uint8_t* buffer, size_t size, size_t& got) {
    got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, buffer + got, size - got);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<size_t>(n);
    }
    return true;
}

bool writeFully(int fd, const uint8_t* data, size_t size) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool createTempBeside(const std::string& target, std::string& tempPath) {
    static std::minstd_rand generator(static_cast<unsigned>(::getpid()) ^ std::random_device{}());
    const std::string prefix = folderOf(target) + "/." + baseNameOf(target) + ".saving-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(generator()));
        tempPath = prefix + suffix;
        const int fd =
            ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd >= 0) {
            ::close(fd);
            return true;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    // The name tried last is not ours: forget it, keeping errno.
    const int error = errno;
    tempPath.clear();
    errno = error;
    return false;
}

void syncFolder(const std::string& folder) {
    FileHandle dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.isOpen()) {
        ::fsync(dir.get());
    }
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

FileWriter& activeFileWriter() {
    return g_injectedWriter != nullptr ? *g_injectedWriter : g_realWriter;
}

}  // namespace kavro::fileio

namespace kavro {

void setFileWriterForTesting(FileWriter* writer) {
    fileio::g_injectedWriter = writer;
}

}  // namespace kavro
