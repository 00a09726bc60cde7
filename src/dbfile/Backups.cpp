#include "Backups.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "FileWriter.h"
#include "SaveFiles.h"

namespace kavro {

namespace {

constexpr const char* BackupSuffix = ".tbn";
// Room for the hash, the time, a counter and the suffix within a 255-byte name.
constexpr size_t LongestNamePart = 200;
constexpr size_t TimeStampLength = 15;  // YYYYMMDD-HHMMSS
constexpr int MostCopiesPerSecond = 99;

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

// What orders backups: the time in the name, then the counter a second backup within the
// same second gets ("-2", "-3", ...; none for the first).
std::pair<std::string, int> orderKey(const std::string& name, size_t prefixLength) {
    const std::string stamp = name.substr(prefixLength, TimeStampLength);
    const size_t counter = prefixLength + TimeStampLength + 1;
    int copy = 1;
    if (name.size() > counter && name[counter - 1] == '-') {
        copy = std::atoi(name.c_str() + counter);
    }
    return {stamp, copy};
}

fs::Status createBackupFile(const std::string& path, const std::string& folder, fs::File& file,
                            std::string& backupPath) {
    const std::string stem = fs::joinPath(folder, backupPrefix(path) + fs::localTimeStamp());
    fs::Status status;
    for (int copy = 1; copy <= MostCopiesPerSecond; ++copy) {
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
    std::sort(names.begin(), names.end(), [&prefix](const std::string& a, const std::string& b) {
        return orderKey(a, prefix.size()) < orderKey(b, prefix.size());
    });
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
        backup.close();  // Windows removes no file that is held open
        fs::removeFile(backupPath);
        backupPath.clear();
        return status;
    }
    pruneBackups(path, folder);
    return status;
}

}  // namespace kavro
