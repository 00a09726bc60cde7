// Copies of a database file kept before a save replaces it, in a folder of the user's own
// (never beside the file, where the receiver might see them), the newest few of each file.
//
// A backup's name is the file's name, a key of its full path (16 hex digits of its SHA-256),
// the UTC time and a counter, as in "channels.tbn.0123456789abcdef.20261207-084100Z-0000.tbn".
// The time and counter only ever grow in one folder, even when the clock goes back: a new
// backup follows the newest one made. An index beside them ("channels.tbn.<key>.index")
// records the file's full path and the last name given, so that no name is used twice and
// pruning touches only this file's own backups.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "FileSystem.h"

namespace kavro {

constexpr int BackupsKept = 10;

// Where the environment says the user's data belongs: XDG_DATA_HOME and HOME (POSIX), APPDATA
// (Windows). Relative values are no place at all and count as unset.
struct BackupHome {
    std::string dataHome;
    std::string home;
    std::string appData;
};
BackupHome backupHomeFromEnvironment();
// The backups folder under `home` ("kavro/backups" in the user's data folder); empty when the
// environment gives no absolute folder.
std::string backupFolderIn(const BackupHome& home);

// The start every backup of the file at `path` (resolved) shares: its file name, a dot, the
// key of its full path and a dot.
std::string backupPrefix(const std::string& path);

// The backups of `path` in `folder`, oldest first: only names that parse exactly as this
// program gives them.
std::vector<std::string> backupsOf(const std::string& path, const std::string& folder);

// When the backup `name` of `path` was made, as "2026-12-07 08:41:00 UTC"; empty when the name
// is not one.
std::string backupTimeText(const std::string& path, const std::string& name);

// Seconds since the epoch, UTC, now.
int64_t currentUtcSeconds();

// Copies the open file `source` of `size` bytes, which `path` (resolved) names, into
// `folder` under a fresh backup name (in `backupPath`), synced; then removes all but the
// newest BackupsKept backups of that file. `utcNow` is the time it is made at. The folder
// must exist.
fs::Status backupFile(const fs::File& source, uint64_t size, const std::string& path,
                      const std::string& folder, std::string& backupPath,
                      int64_t utcNow = currentUtcSeconds());

}  // namespace kavro
