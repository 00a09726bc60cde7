// Database files read apart from any session, each into a database of its own, as Open reads
// them: the files Import From copies from and the reference files of Apply Order.
#pragma once

#include <memory>
#include <string>

#include "DatabaseFile.h"

namespace kavro {

class ChannelDatabase;

// One reader kept by a caller that reads many files reads each into memory it holds already:
// the file's buffers, and the database of the file before once no one else holds it.
class DatabaseReader {
public:
    DatabaseReader();
    ~DatabaseReader();
    DatabaseReader(const DatabaseReader&) = delete;
    DatabaseReader& operator=(const DatabaseReader&) = delete;

    // The database read from `path`; null when the open was not accepted (`result` says why).
    std::shared_ptr<const ChannelDatabase> read(const std::string& path, OpenResult& result);

private:
    DatabaseFile file_;
    std::shared_ptr<ChannelDatabase> spare_;  // the last database read
};

}  // namespace kavro
