// Copies of a database file kept before a save replaces it, in a folder of the user's own
// (never beside the file, where the receiver might see them), the newest few of each file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "FileSystem.h"

namespace kavro {

constexpr int BackupsKept = 10;

// The start every backup of the file at `path` (resolved) shares: its file name, a dot, the
// hash of its full path and a dot. The local time and ".tbn" follow, as in
// "channels.tbn.1a2b3c4d.20261207-084100.tbn".
std::string backupPrefix(const std::string& path);

// The backups of `path` in `folder`, oldest first.
std::vector<std::string> backupsOf(const std::string& path, const std::string& folder);

// Copies the open file `source` of `size` bytes, which `path` (resolved) names, into
// `folder` under a fresh backup name (in `backupPath`), synced; then removes all but the
// newest BackupsKept backups of that file. The folder must exist.
fs::Status backupFile(const fs::File& source, uint64_t size, const std::string& path,
                      const std::string& folder, std::string& backupPath);

}  // namespace kavro
