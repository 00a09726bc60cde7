#include "SaveChecks.h"

#include <cstring>

#include "FuzzChecks.h"
#include "ScratchFolder.h"
#include "database/ChannelDatabase.h"
#include "dbfile/DatabaseImage.h"
#include "session/EditSession.h"

namespace kavro::fuzzing {

void checkSavedFile(const EditSession& session, const std::string& path, std::string_view tail) {
    static EditSession reader;
    const DatabaseImage& saved = session.file().image();
    const uint64_t size = tail.empty() ? saved.bytesRead() : ImageSize + tail.size();
    require(scratchFileSize(path) == size, "a save writes the image's bytes and the tail, no more");

    const OpenResult result = reader.open(path);
    require(result.outcome == OpenOutcome::Accepted, "a saved file opens again");
    const DatabaseImage& read = reader.file().image();
    require(read.bytesRead() == saved.bytesRead(), "a saved file reads back as long as saved");
    require(std::memcmp(read.bytes(), saved.bytes(), ImageSize) == 0,
            "a saved file reads back as the image saved");
    require(std::memcmp(reader.database().bytes(), session.database().bytes(), table::Size) == 0,
            "a saved file opens to the tables saved");
    if (!tail.empty()) {
        require(readScratchFileFrom(path, ImageSize) == tail, "a save keeps the tail");
    }
}

}  // namespace kavro::fuzzing
