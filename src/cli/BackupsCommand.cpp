// backups FILE: the backups the editor keeps of FILE, newest first, each with its time, size
// and what differs between it and FILE.
#include <memory>
#include <ostream>

#include "Commands.h"
#include "FileOptions.h"
#include "TextOutput.h"
#include "ToolMessages.h"
#include "ToolSupport.h"
#include "database/ViewIndex.h"
#include "dbfile/BackupList.h"
#include "dbfile/Backups.h"
#include "dbfile/FileSystem.h"
#include "session/EditSession.h"

namespace kavro::cli {

namespace {

// What differs from FILE; nothing to compare with when FILE itself is invalid.
std::string difference(const ChannelDatabase* db, const std::string& backup) {
    return db ? backupDifference(*db, backup) : std::string("FILE is invalid: not compared");
}

void writeText(const std::vector<BackupEntry>& entries, const ChannelDatabase* db,
               std::ostream& out) {
    for (const BackupEntry& entry : entries) {
        out << entry.time << "\t" << entry.size << " bytes\t" << shownPath(entry.path) << "\n  "
            << difference(db, entry.path) << "\n";
    }
}

void writeJson(const std::vector<BackupEntry>& entries, const ChannelDatabase* db,
               std::ostream& out) {
    out << "[";
    const char* separator = "\n  ";
    for (const BackupEntry& entry : entries) {
        out << separator << "{\"time\": " << jsonString(entry.time) << ", \"size\": " << entry.size
            << ", \"path\": " << jsonString(entry.path)
            << ", \"difference\": " << jsonString(difference(db, entry.path)) << "}";
        separator = ",\n  ";
    }
    out << (entries.empty() ? "]\n" : "\n]\n");
}

}  // namespace

int runBackups(const Arguments& args, std::ostream& out, std::ostream& err) {
    FileOptions options;
    std::string problem;
    if (!parseFileOptions(args, 1, options, problem)) {
        return usageError(err, problem);
    }
    const auto session = std::make_unique<EditSession>();
    const int code = loadDatabase(*session, options.files[0], View::All, err);
    std::string resolved;
    if (code == ExitFailure || !fs::resolvePath(options.files[0], resolved).ok()) {
        return ExitFailure;
    }
    const std::string folder = backupFolderIn(backupHomeFromEnvironment());
    if (folder.empty()) {
        err << messages::NoBackupFolder << "\n";
        return ExitFailure;
    }
    const std::vector<BackupEntry> entries = listBackups(resolved, folder);
    const ChannelDatabase* db = code == ExitOk ? &session->database() : nullptr;
    if (options.format == "json") {
        writeJson(entries, db, out);
    } else {
        writeText(entries, db, out);
    }
    return code;
}

}  // namespace kavro::cli
