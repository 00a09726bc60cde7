#include "Backups.h"

#include <algorithm>

#include "FileWriter.h"
#include "SaveFiles.h"

namespace kavro {

namespace {

constexpr const char* BackupSuffix = ".tbn";
// Room for the hash, the time, a counter and the suffix within a 255-byte name.
constexpr size_t LongestNamePart = 200;

// The file name, cut to LongestNamePart bytes without splitting a UTF-8 sequence.
std::string namePart(const std::string& path) {
    std::string name = fs::baseNameOf(path);
    if (name.size() > LongestNamePart) {
        size_t cut = LongestNamePart;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        name.resize(cut);
    }
    return name;
}

// The part of a backup name that orders it: everything before the suffix. A counter added
// for a second backup within one second sorts after the one without.
std::string orderKey(const std::string& name) {
    const size_t suffix = std::string(BackupSuffix).size();
    return name.size() >= suffix ? name.substr(0, name.size() - suffix) : name;
}

fs::Status createBackupFile(const std::string& path, const std::string& folder, fs::File& file,
                            std::string& backupPath) {
    const std::string stem = fs::joinPath(folder, backupPrefix(path) + fs::localTimeStamp());
    fs::Status status;
    for (int copy = 1; copy <= 9; ++copy) {
        backupPath = stem + (copy == 1 ? "" : "-" + std::to_string(copy)) + BackupSuffix;
        status = fs::createNewFile(backupPath, file);
        if (status.failure != fs::Failure::Exists) {
            break;
        }
    }
    if (!status.ok()) {
        backupPath.clear();
    }
    return status;
}

void pruneBackups(const std::string& path, const std::string& folder) {
    const std::vector<std::string> names = backupsOf(path, folder);
    for (size_t i = 0; i + BackupsKept < names.size(); ++i) {
        fs::removeFile(fs::joinPath(folder, names[i]));
    }
}

}  // namespace

std::string backupPrefix(const std::string& path) {
    return namePart(path) + "." + shortHash(path) + ".";
}

std::vector<std::string> backupsOf(const std::string& path, const std::string& folder) {
    std::vector<std::string> names;
    fs::listFolder(folder, names);
    const std::string prefix = backupPrefix(path);
    std::erase_if(names, [&prefix](const std::string& name) {
        return name.rfind(prefix, 0) != 0 || name.size() < prefix.size() + 4 ||
               name.compare(name.size() - 4, 4, BackupSuffix) != 0;
    });
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return orderKey(a) < orderKey(b); });
    return names;
}

fs::Status backupFile(const fs::File& source, uint64_t size, const std::string& path,
                      const std::string& folder, std::string& backupPath) {
    fs::File backup;
    fs::Status status = createBackupFile(path, folder, backup, backupPath);
    if (!status.ok()) {
        return status;
    }
    FileWriter& writer = systemFileWriter();
    status = copyStretch(source, 0, size, backup, 0, writer);
    if (status.ok()) {
        status = fs::setSize(backup, size);
    }
    if (status.ok()) {
        status = writer.sync(backup);
    }
    if (!status.ok()) {
        fs::removeFile(backupPath);
        backupPath.clear();
        return status;
    }
    pruneBackups(path, folder);
    return status;
}

}  // namespace kavro
