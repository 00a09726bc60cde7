// The files a save makes on its way: the temporary file beside the target, removing the
// ones a killed save left, and copying stretches of a file in bounded chunks.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "FileSystem.h"

namespace kavro {

// Eight hex digits that stand for `text` in file names.
std::string shortHash(std::string_view text);

// The start every temporary name of `target` shares: a dot, "kavro-", the hash of the
// target's file name and a dash. The process ID, a dash and a random part follow, so a
// temporary name has at most 32 bytes, however long the target's name.
std::string temporaryPrefix(const std::string& target);

// The random parts of temporary names, for a caller that saves often. The system's random
// source is asked once, on the first name; each name after mixes the clock in, so that the
// next name cannot be told from the last.
class TemporaryNames {
public:
    uint32_t next();

private:
    std::optional<std::minstd_rand> generator_;
};

// Creates a new, empty file beside `target` under a fresh temporary name (in `tempPath`).
fs::Status createTemporary(const std::string& target, fs::File& file, std::string& tempPath);
fs::Status createTemporary(const std::string& target, fs::File& file, std::string& tempPath,
                           TemporaryNames& names);

// Removes the temporary files of `target` left by saves whose process no longer runs, where
// they belong to the user. Returns how many went.
int removeStaleTemporaries(const std::string& target);

class FileWriter;

// Copies `size` bytes of `from`, starting at `fromOffset`, into `to` at `toOffset` through
// `writer`, a chunk at a time; holes are skipped, so the caller sets the final size.
fs::Status copyStretch(const fs::File& from, uint64_t fromOffset, uint64_t size, const fs::File& to,
                       uint64_t toOffset, FileWriter& writer);

}  // namespace kavro
