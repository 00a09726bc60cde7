// The reference list whose order Apply Order takes: a database file, opened beside the one
// being edited, or a list written as CSV (by Export List or `kavro-tool list --format csv`).
#pragma once

#include <string>

#include "OrderEdit.h"

namespace kavro {

class ChannelDatabase;
class DatabaseReader;

enum class ReferenceOutcome {
    Matched,
    CannotRead,   // the file cannot be opened or read
    InvalidFile,  // a database file that Open refuses
    InvalidList,  // a CSV file that is no written list
};

struct ReferenceOrder {
    ReferenceOutcome outcome = ReferenceOutcome::CannotRead;
    std::string message;  // "File open failed!", "Invalid DB file!", "Invalid list file!"
    std::string reason;   // the system's or the check's reason
    OrderChannels edit;   // the matched channels in the reference's order
    int unmatched = 0;    // live channels without a match
};

// The biggest list file read: far more than a full list's CSV takes.
constexpr size_t LongestListFile = size_t{32} << 20;

// A path whose name ends in ".csv", in any letter case: read as a written list.
bool isListPath(const std::string& path);

// Reads the reference at `path` and matches the live channels of `db` against it.
ReferenceOrder readReferenceOrder(const ChannelDatabase& db, const std::string& path);
// The same, a database file read through `reader`, which a caller that reads many keeps.
ReferenceOrder readReferenceOrder(const ChannelDatabase& db, const std::string& path,
                                  DatabaseReader& reader);

}  // namespace kavro
