// The backups target's checks: two backups of one file made into a folder that already holds
// an index and files of any names.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "FuzzChecks.h"
#include "ScratchFolder.h"
#include "dbfile/Backups.h"
#include "dbfile/FileSystem.h"

namespace kavro::fuzzing {

namespace {

// The clocks an input picks from: a day of 2026, the epoch, before it, the last second a
// backup name can write and a second before it.
constexpr int64_t Clocks[] = {1796601600, 0, -86400, 253402300799, 253402300798};

// The input's next part, up to a zero byte, with '@' standing for `prefix` and '%' for
// `path` so that short inputs reach the names and the index this file's backups use.
std::string nextPart(std::string_view& input, const std::string& prefix, const std::string& path) {
    const size_t end = std::min(input.find('\0'), input.size());
    std::string part;
    for (char c : input.substr(0, end)) {
        part += c == '@' ? prefix : c == '%' ? path : std::string(1, c);
    }
    input.remove_prefix(std::min(end + 1, input.size()));
    return part;
}

std::string emptyFolder() {
    const std::string folder = scratchFolder().path("backups");
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);  // files on disk need it
    std::vector<std::string> names;
    require(fs::listFolder(folder, names).ok(), "the backups folder can be listed");
    for (const std::string& name : names) {
        fs::removeFile(fs::joinPath(folder, name));
    }
    return folder;
}

// Places the input's files: the index, then each name (a slash made an underscore).
std::vector<std::string> placeFiles(std::string_view input, const std::string& folder,
                                    const std::string& path) {
    const std::string prefix = backupPrefix(path);
    const std::string index = nextPart(input, prefix, path);
    writeScratchFile(fs::joinPath(folder, prefix + "index"),
                     reinterpret_cast<const uint8_t*>(index.data()), index.size());
    std::vector<std::string> placed;
    while (!input.empty()) {
        std::string name = nextPart(input, prefix, path);
        std::replace(name.begin(), name.end(), '/', '_');
        fs::File file;
        if (name != "." && name != ".." && !name.empty() &&
            fs::createNewFile(fs::joinPath(folder, name), file).ok()) {
            placed.push_back(name);
        }
    }
    return placed;
}

// One backup of the source: when made, it holds the source's bytes, is the newest backup of
// the file and has a time; no other file's name is touched.
std::string backUp(const fs::File& source, const std::string& path, const std::string& folder,
                   int64_t clock, const std::vector<std::string>& others) {
    std::string backupPath;
    if (!backupFile(source, 5, path, folder, backupPath, clock).ok()) {
        require(backupPath.empty(), "a backup that failed leaves no file named");
        return {};
    }
    require(readScratchFileFrom(backupPath, 0) == "bytes", "a backup holds the file's bytes");
    const std::vector<std::string> backups = backupsOf(path, folder);
    const std::string name = fs::baseNameOf(backupPath);
    require(!backups.empty() && backups.back() == name, "a new backup is the newest");
    require(!backupTimeText(path, name).empty(), "a backup's name tells its time");
    for (const std::string& other : others) {
        fs::FileInfo info;
        require(fs::pathInfo(fs::joinPath(folder, other), false, info).ok(),
                "a backup touches no file but the backups of its own");
    }
    return name;
}

}  // namespace

bool checkBackupInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const int64_t clock = Clocks[(size > 0 ? data[0] : 0) % std::size(Clocks)];
    input.remove_prefix(std::min<size_t>(size, 1));
    const std::string path = scratchFolder().path("channels.tbn");
    writeScratchFile(path, reinterpret_cast<const uint8_t*>("bytes"), 5);
    std::string resolved;
    require(fs::resolvePath(path, resolved).ok(), "the source file resolves");
    const std::string folder = emptyFolder();
    const std::vector<std::string> placed = placeFiles(input, folder, resolved);
    std::vector<std::string> others;
    const std::vector<std::string> own = backupsOf(resolved, folder);
    for (const std::string& name : placed) {
        if (std::find(own.begin(), own.end(), name) == own.end()) {
            others.push_back(name);
        }
    }

    fs::File source;
    require(fs::openFile(path, fs::Access::Read, source).ok(), "the source file opens");
    const std::string first = backUp(source, resolved, folder, clock, others);
    const std::string second = backUp(source, resolved, folder, clock, others);
    require(first.empty() || second.empty() || first != second, "no backup name is given twice");
    require(backupsOf(resolved, folder).size() <= std::max<size_t>(own.size() + 2, BackupsKept),
            "pruning leaves the newest backups");
    return !first.empty() && !second.empty();
}

}  // namespace kavro::fuzzing
