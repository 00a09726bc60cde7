#include "SaveFiles.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "FileWriter.h"

namespace kavro {

namespace {

constexpr size_t CopyChunk = 1 << 20;

// The process ID between the prefix and the next dash of a temporary name; 0 when the name
// is not one of ours or the number is no process ID.
int processOfTemporary(const std::string& name, size_t prefixLength) {
    const size_t dash = name.find('-', prefixLength);
    if (dash == std::string::npos || dash == prefixLength) {
        return 0;
    }
    int pid = 0;
    const char* first = name.data() + prefixLength;
    const char* last = name.data() + dash;
    const auto [end, error] = std::from_chars(first, last, pid);
    return error == std::errc() && end == last && pid > 0 ? pid : 0;
}

}  // namespace

std::string shortHash(std::string_view text) {
    uint32_t hash = 2166136261u;  // FNV-1a
    for (char c : text) {
        hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
    }
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08x", hash);
    return digits;
}

std::string temporaryPrefix(const std::string& target) {
    return ".kavro-" + shortHash(fs::baseNameOf(target)) + "-";
}

uint32_t TemporaryNames::next() {
    if (!generator_) {
        generator_.emplace(std::random_device{}());
    }
    const auto clock = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<uint32_t>((*generator_)()) ^ static_cast<uint32_t>(clock);
}

fs::Status createTemporary(const std::string& target, fs::File& file, std::string& tempPath) {
    TemporaryNames names;
    return createTemporary(target, file, tempPath, names);
}

fs::Status createTemporary(const std::string& target, fs::File& file, std::string& tempPath,
                           TemporaryNames& names) {
    const std::string stem = fs::joinPath(fs::folderOf(target), temporaryPrefix(target)) +
                             std::to_string(fs::currentProcessId()) + "-";
    fs::Status status;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char random[16];
        std::snprintf(random, sizeof random, "%08x", static_cast<unsigned>(names.next()));
        tempPath = stem + random;
        status = fs::createNewFile(tempPath, file);
        if (status.failure != fs::Failure::Exists) {
            break;
        }
    }
    if (!status.ok()) {
        tempPath.clear();
    }
    return status;
}

int removeStaleTemporaries(const std::string& target) {
    const std::string folder = fs::folderOf(target);
    const std::string prefix = temporaryPrefix(target);
    std::vector<std::string> names;
    if (!fs::listFolder(folder, names).ok()) {
        return 0;
    }
    int removed = 0;
    for (const std::string& name : names) {
        if (name.rfind(prefix, 0) != 0) {
            continue;
        }
        const int pid = processOfTemporary(name, prefix.size());
        const std::string path = fs::joinPath(folder, name);
        fs::FileInfo info;
        if (pid == 0 || fs::processRunning(pid) || !fs::pathInfo(path, false, info).ok() ||
            !info.regular || !info.ownedByUser) {
            continue;
        }
        removed += fs::removeFile(path).ok() ? 1 : 0;
    }
    return removed;
}

fs::Status copyStretch(const fs::File& from, uint64_t fromOffset, uint64_t size, const fs::File& to,
                       uint64_t toOffset, FileWriter& writer) {
    const uint64_t end = fromOffset + size;
    std::vector<uint8_t> buffer;
    for (uint64_t position = fromOffset; position < end;) {
        uint64_t start = 0, stop = 0;
        fs::Status status = fs::nextDataStretch(from, position, end, start, stop);
        if (!status.ok() || start >= end) {
            return status;
        }
        // No bigger than the stretch: a tail of a few bytes needs no megabyte zeroed.
        buffer.resize(static_cast<size_t>(std::min<uint64_t>(CopyChunk, stop - start)));
        for (position = start; position < stop;) {
            const size_t want = static_cast<size_t>(std::min<uint64_t>(CopyChunk, stop - position));
            size_t got = 0;
            status = fs::readAt(from, position, buffer.data(), want, got);
            if (status.ok() && got < want) {
                status = {fs::Failure::Other, "the file got shorter while it was copied"};
            }
            if (!status.ok() ||
                !(status = writer.write(to, toOffset + (position - fromOffset), buffer.data(), got))
                     .ok()) {
                return status;
            }
            position += got;
        }
    }
    return fs::Status::success();
}

}  // namespace kavro
