#include "SaveChecks.h"

#include <cstring>
#include <memory>

#include "FuzzChecks.h"
#include "ScratchFolder.h"
#include "database/ChannelDatabase.h"
#include "dbfile/DatabaseFile.h"
#include "dbfile/DatabaseImage.h"
#include "session/EditSession.h"

namespace kavro::fuzzing {

const ChannelDatabase& checkSavedFile(const EditSession& session, const std::string& path,
                                      std::string_view tail) {
    // Opened as Open opens, without a session's view index, which the checks of the saved
    // session have covered.
    static const auto reader = std::make_unique<DatabaseFile>();
    static const auto readTables = std::make_unique<ChannelDatabase>();
    const DatabaseImage& saved = session.file().image();
    const uint64_t size = tail.empty() ? saved.bytesRead() : ImageSize + tail.size();
    require(scratchFileSize(path) == size, "a save writes the image's bytes and the tail, no more");

    const OpenResult result = reader->open(path, *readTables);
    require(result.outcome == OpenOutcome::Accepted, "a saved file opens again");
    const DatabaseImage& read = reader->image();
    require(read.bytesRead() == saved.bytesRead(), "a saved file reads back as long as saved");
    require(std::memcmp(read.bytes(), saved.bytes(), ImageSize) == 0,
            "a saved file reads back as the image saved");
    require(std::memcmp(readTables->bytes(), session.database().bytes(), table::Size) == 0,
            "a saved file opens to the tables saved");
    if (!tail.empty()) {
        require(readScratchFileFrom(path, ImageSize) == tail, "a save keeps the tail");
    }
    return *readTables;
}

}  // namespace kavro::fuzzing
