// The edit that copies transponders and channels from another database: one step however
// much it copies.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "database/ChannelImport.h"

namespace kavro {

class ChannelDatabase;
class DatabaseReader;

struct ImportChannels {
    std::shared_ptr<const ChannelDatabase> source;
    std::string sourceName;  // as the step's name shows it, e.g. the file's name
    ImportRequest request;
};

constexpr std::string_view ImportChannelsLabel = "import";  // "import 212 channels from B.tbn"

// The database file to import from, opened read-only and checked as Open checks.
struct ImportSource {
    std::shared_ptr<const ChannelDatabase> database;  // null when it could not be used
    std::string message;                              // "File open failed!", "Invalid DB file!"
    std::string reason;                               // the system's or the check's reason
};
ImportSource readImportSource(const std::string& path);
// The same through `reader`, which a caller that reads many sources keeps.
ImportSource readImportSource(const std::string& path, DatabaseReader& reader);

// What the edit would do to `db` as it stands: the plan its apply follows.
void planImportEdit(const ChannelDatabase& db, const ImportChannels& edit, ImportPlan& plan);

}  // namespace kavro
