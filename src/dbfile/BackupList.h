// The backups of one file as a user looks for them: when each was made, its size, and what
// differs between it and the database open now.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kavro {

class ChannelDatabase;

struct BackupEntry {
    std::string path;
    std::string time;  // "2026-12-07 08:41:00 UTC"
    uint64_t size = 0;
};

// The backups of the file at `path` (resolved) in `folder`, newest first.
std::vector<BackupEntry> listBackups(const std::string& path, const std::string& folder);

// What differs from `current` to the backup at `backupPath`, as the diff summary says it; why
// not when the backup cannot be read or is invalid.
std::string backupDifference(const ChannelDatabase& current, const std::string& backupPath);

}  // namespace kavro
