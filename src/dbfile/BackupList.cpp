#include "BackupList.h"

#include <memory>

#include "Backups.h"
#include "DatabaseFile.h"
#include "database/ChannelDatabase.h"
#include "database/DatabaseDiff.h"

namespace kavro {

std::vector<BackupEntry> listBackups(const std::string& path, const std::string& folder) {
    std::vector<BackupEntry> entries;
    const std::vector<std::string> names = backupsOf(path, folder);
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        BackupEntry entry;
        entry.path = fs::joinPath(folder, *name);
        entry.time = backupTimeText(path, *name);
        fs::FileInfo info;
        if (fs::pathInfo(entry.path, false, info).ok()) {
            entry.size = info.size;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string backupDifference(const ChannelDatabase& current, const std::string& backupPath) {
    const auto backup = std::make_unique<ChannelDatabase>();
    const auto file = std::make_unique<DatabaseFile>();
    const OpenResult opened = file->open(backupPath, *backup);
    switch (opened.outcome) {
        case OpenOutcome::Accepted:
            return diffSummaryText(compareDatabases(current, *backup));
        case OpenOutcome::Invalid:
            return std::string("invalid: ") + imageProblemText(opened.problem);
        case OpenOutcome::CannotOpen:
        case OpenOutcome::ReadError:
            break;
    }
    return "cannot be read: " + opened.systemReason;
}

}  // namespace kavro
