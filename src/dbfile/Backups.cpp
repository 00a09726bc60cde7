#include "Backups.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "FileWriter.h"
#include "SaveFiles.h"
#include "Sha256.h"

namespace kavro {

namespace {

constexpr std::string_view BackupSuffix = ".tbn";
constexpr std::string_view IndexSuffix = "index";
constexpr std::string_view IndexHead = "kavro backups\nlast ";
constexpr std::string_view IndexPath = "\npath ";
// Room for the key, the time, the counter and the suffix within a 255-byte name.
constexpr size_t LongestNamePart = 200;
constexpr size_t KeyBytes = 8;         // 64 bits of the digest
constexpr size_t SequenceLength = 21;  // YYYYMMDD-HHMMSSZ-NNNN
constexpr int LastCounter = 9999;
constexpr int64_t SecondsPerDay = 86400;
// The last second a name can write, four digits of year: 9999-12-31 23:59:59 UTC. (Names
// never go back before the newest, which is 1970 at the earliest.)
constexpr int64_t LastSecond = 253402300799;

// Where a backup stands among those of its file: its time, then its counter.
struct Sequence {
    int64_t seconds = 0;
    int counter = 0;
    auto operator<=>(const Sequence&) const = default;
};

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

std::string sequenceText(const Sequence& sequence, const char* format) {
    using namespace std::chrono;
    const int64_t days = sequence.seconds >= 0 ? sequence.seconds / SecondsPerDay
                                               : (sequence.seconds + 1) / SecondsPerDay - 1;
    const int64_t second = sequence.seconds - days * SecondsPerDay;
    const year_month_day date{sys_days{std::chrono::days{days}}};
    char text[64];
    std::snprintf(text, sizeof text, format, static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60),
                  static_cast<int>(second % 60), sequence.counter);
    return text;
}

std::string nameText(const Sequence& sequence) {
    return sequenceText(sequence, "%04d%02u%02u-%02d%02d%02dZ-%04d");
}

int number(std::string_view text) {
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : -1;
}

// Reads "YYYYMMDD-HHMMSSZ-NNNN"; true only when writing it back gives the same text.
bool parseSequence(std::string_view text, Sequence& sequence) {
    if (text.size() != SequenceLength || !std::all_of(text.begin(), text.end(), [](char c) {
            return (c >= '0' && c <= '9') || c == '-' || c == 'Z';
        })) {
        return false;
    }
    using namespace std::chrono;
    const int y = number(text.substr(0, 4)), mo = number(text.substr(4, 2)),
              d = number(text.substr(6, 2)), h = number(text.substr(9, 2)),
              mi = number(text.substr(11, 2)), s = number(text.substr(13, 2));
    sequence.counter = number(text.substr(17, 4));
    if (y < 0 || mo < 1 || mo > 12 || d < 1 || d > 31 || h < 0 || mi < 0 || s < 0 ||
        sequence.counter < 0) {
        return false;
    }
    const year_month_day date{year{y}, month{static_cast<unsigned>(mo)},
                              day{static_cast<unsigned>(d)}};
    sequence.seconds =
        static_cast<int64_t>(sys_days{date}.time_since_epoch().count()) * SecondsPerDay + h * 3600 +
        mi * 60 + s;
    return nameText(sequence) == text;
}

// The sequence of a backup name of this file's, when it is one exactly.
bool parseName(const std::string& name, const std::string& prefix, Sequence& sequence) {
    return name.size() == prefix.size() + SequenceLength + BackupSuffix.size() &&
           name.compare(0, prefix.size(), prefix) == 0 && name.ends_with(BackupSuffix) &&
           parseSequence(std::string_view(name).substr(prefix.size(), SequenceLength), sequence);
}

// What the index of a file's backups records.
struct Index {
    bool present = false;
    std::string path;
    Sequence last;
};

std::string indexPath(const std::string& path, const std::string& folder) {
    return fs::joinPath(folder, backupPrefix(path) + std::string(IndexSuffix));
}

Index readIndex(const std::string& file) {
    Index index;
    fs::File handle;
    fs::FileInfo info;
    if (!fs::openFile(file, fs::Access::Read, handle).ok() || !fs::fileInfo(handle, info).ok() ||
        info.size > 64 * 1024) {
        return index;
    }
    std::string text(static_cast<size_t>(info.size), '\0');
    size_t got = 0;
    fs::readAt(handle, 0, reinterpret_cast<uint8_t*>(text.data()), text.size(), got);
    text.resize(got);
    const size_t pathAt = IndexHead.size() + SequenceLength;
    // An index cut short is none (compare would throw past the end).
    if (text.size() >= pathAt + IndexPath.size() && text.starts_with(IndexHead) &&
        text.compare(pathAt, IndexPath.size(), IndexPath) == 0 &&
        parseSequence(std::string_view(text).substr(IndexHead.size(), SequenceLength),
                      index.last)) {
        index.present = true;
        index.path = text.substr(pathAt + IndexPath.size());
    }
    return index;
}

// Writes the index anew, in one step.
fs::Status writeIndex(const std::string& file, const std::string& path, const Sequence& last) {
    const std::string text =
        std::string(IndexHead) + nameText(last) + std::string(IndexPath) + path;
    fs::File temp;
    std::string tempPath;
    fs::Status status = createTemporary(file, temp, tempPath);
    if (!status.ok()) {
        return status;
    }
    FileWriter& writer = systemFileWriter();
    status = writer.write(temp, 0, reinterpret_cast<const uint8_t*>(text.data()), text.size());
    if (status.ok()) {
        status = writer.sync(temp);
    }
    if (status.ok()) {
        status = fs::replaceFile(temp, tempPath, file);
    }
    if (!status.ok()) {
        temp.close();
        fs::removeFile(tempPath);
    }
    return status;
}

// The backups of this file with their sequences, oldest first.
std::vector<std::pair<Sequence, std::string>> orderedBackups(const std::string& path,
                                                             const std::string& folder) {
    std::vector<std::string> names;
    fs::listFolder(folder, names);
    const std::string prefix = backupPrefix(path);
    std::vector<std::pair<Sequence, std::string>> backups;
    for (std::string& name : names) {
        Sequence sequence;
        if (parseName(name, prefix, sequence)) {
            backups.emplace_back(sequence, std::move(name));
        }
    }
    std::sort(backups.begin(), backups.end());
    return backups;
}

// The one after both the newest backup and the last name given, or `utcNow` when later.
Sequence nextSequence(const Sequence& newest, int64_t utcNow) {
    if (utcNow > newest.seconds) {
        return {utcNow, 0};
    }
    if (newest.counter < LastCounter) {
        return {newest.seconds, newest.counter + 1};
    }
    return {newest.seconds + 1, 0};
}

// A name past year 9999 would not read back as a backup, so it would never be listed nor
// pruned: no backup is made then.
fs::Status noNameLeft() {
    return {fs::Failure::Other,
            "no backup name is left after " + nameText({LastSecond, LastCounter})};
}

fs::Status createBackupFile(const std::string& path, const std::string& folder, Sequence& sequence,
                            fs::File& file, std::string& backupPath) {
    fs::Status status;
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (sequence.seconds > LastSecond) {
            status = noNameLeft();
            break;
        }
        backupPath = fs::joinPath(
            folder, backupPrefix(path) + nameText(sequence) + std::string(BackupSuffix));
        status = fs::createNewFile(backupPath, file);
        if (status.failure != fs::Failure::Exists) {
            break;
        }
        sequence = nextSequence(sequence, sequence.seconds);
    }
    if (!status.ok()) {
        backupPath.clear();
    }
    return status;
}

void pruneBackups(const std::string& path, const std::string& folder) {
    const auto backups = orderedBackups(path, folder);
    for (size_t i = 0; i + BackupsKept < backups.size(); ++i) {
        fs::removeFile(fs::joinPath(folder, backups[i].second));
    }
}

fs::Status copyInto(const fs::File& source, uint64_t size, const fs::File& backup) {
    FileWriter& writer = systemFileWriter();
    fs::Status status = copyStretch(source, 0, size, backup, 0, writer);
    if (status.ok()) {
        status = fs::setSize(backup, size);
    }
    if (status.ok()) {
        status = writer.sync(backup);
    }
    return status;
}

bool isAbsolute(const std::string& path) {
#ifdef _WIN32
    return path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
#else
    return !path.empty() && path.front() == '/';
#endif
}

}  // namespace

BackupHome backupHomeFromEnvironment() {
    return {fs::environmentVariable("XDG_DATA_HOME"), fs::environmentVariable("HOME"),
            fs::environmentVariable("APPDATA")};
}

std::string backupFolderIn(const BackupHome& home) {
    std::string data;
#if defined(_WIN32)
    data = isAbsolute(home.appData) ? home.appData : std::string();
#elif defined(__APPLE__)
    data = isAbsolute(home.home) ? fs::joinPath(home.home, "Library/Application Support")
                                 : std::string();
#else
    if (isAbsolute(home.dataHome)) {
        data = home.dataHome;
    } else if (isAbsolute(home.home)) {
        data = fs::joinPath(home.home, ".local/share");
    }
#endif
    return data.empty() ? data : fs::joinPath(fs::joinPath(data, "kavro"), "backups");
}

std::string backupPrefix(const std::string& path) {
    return namePart(path) + "." + sha256Hex(path, KeyBytes) + ".";
}

std::vector<std::string> backupsOf(const std::string& path, const std::string& folder) {
    std::vector<std::string> names;
    for (auto& backup : orderedBackups(path, folder)) {
        names.push_back(std::move(backup.second));
    }
    return names;
}

std::string backupTimeText(const std::string& path, const std::string& name) {
    Sequence sequence;
    if (!parseName(name, backupPrefix(path), sequence)) {
        return {};
    }
    return sequenceText(sequence, "%04d-%02u-%02u %02d:%02d:%02d UTC");
}

int64_t currentUtcSeconds() {
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

fs::Status backupFile(const fs::File& source, uint64_t size, const std::string& path,
                      const std::string& folder, std::string& backupPath, int64_t utcNow) {
    const std::string indexFile = indexPath(path, folder);
    const Index index = readIndex(indexFile);
    const auto existing = orderedBackups(path, folder);
    Sequence newest = index.present ? index.last : Sequence{};
    if (!existing.empty()) {
        newest = std::max(newest, existing.back().first);
    }
    Sequence sequence = nextSequence(newest, utcNow);
    fs::File backup;
    fs::Status status = createBackupFile(path, folder, sequence, backup, backupPath);
    if (status.ok()) {
        status = copyInto(source, size, backup);
    }
    // Another file's index under this key (a collision of 64 bits) is left, and so are its
    // backups.
    const bool ours = !index.present || index.path == path;
    if (status.ok() && ours) {
        status = writeIndex(indexFile, path, sequence);
    }
    if (!status.ok()) {
        if (!backupPath.empty()) {
            backup.close();  // Windows removes no file that is held open
            fs::removeFile(backupPath);
            backupPath.clear();
        }
        return status;
    }
    if (ours) {
        pruneBackups(path, folder);
    }
    return status;
}

}  // namespace kavro
