#include "OrderReference.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "database/ChannelDatabase.h"
#include "database/CsvText.h"
#include "database/OrderTransfer.h"
#include "dbfile/DatabaseReader.h"
#include "dbfile/FileSystem.h"

namespace kavro {

namespace {

ReferenceOrder failure(ReferenceOutcome outcome, const char* message, std::string reason) {
    ReferenceOrder order;
    order.outcome = outcome;
    order.message = message;
    order.reason = std::move(reason);
    return order;
}

ReferenceOrder matched(OrderMatch match) {
    ReferenceOrder order;
    order.outcome = ReferenceOutcome::Matched;
    order.edit.channels = std::move(match.channels);
    order.unmatched = match.unmatched;
    return order;
}

constexpr size_t ReadChunk = 64 * 1024;

// Opens a regular file of at most LongestListFile bytes.
fs::Status openListFile(const std::string& path, fs::File& file) {
    fs::FileInfo info;
    fs::Status status = fs::openFile(path, fs::Access::Read, file);
    if (status.ok()) {
        status = fs::fileInfo(file, info);
    }
    if (!status.ok()) {
        return status;
    }
    if (!info.regular) {
        return {fs::Failure::NotAFile, info.folder ? std::strerror(EISDIR) : "Not a regular file"};
    }
    if (info.size > LongestListFile) {
        return {fs::Failure::Other, "Longer than a channel list can be"};
    }
    return status;
}

// Reads the list a chunk at a time, keeping only the keys of its rows.
ReferenceOrder readListReference(const ChannelDatabase& db, const std::string& path) {
    fs::File file;
    fs::Status status = openListFile(path, file);
    std::vector<ListRowKey> rows;
    ListRowReader list(rows);
    CsvStreamReader reader([&list](CsvRecord& record) { return list.take(record); });
    std::string chunk(ReadChunk, '\0');
    bool read = true;
    for (uint64_t at = 0; status.ok() && read && at < LongestListFile;) {
        size_t got = 0;
        status = fs::readAt(file, at, reinterpret_cast<uint8_t*>(chunk.data()), chunk.size(), got);
        if (!status.ok() || got == 0) {
            break;
        }
        read = reader.feed(std::string_view(chunk).substr(0, got));
        at += got;
    }
    if (!status.ok()) {
        return failure(ReferenceOutcome::CannotRead, "File open failed!", status.reason);
    }
    if (!read || !reader.finish() || !list.finish()) {
        const CsvProblem& problem = reader.problem();
        return failure(ReferenceOutcome::InvalidList, "Invalid list file!",
                       !list.problem().empty()
                           ? list.problem()
                           : "line " + std::to_string(problem.line) + ": " + problem.message);
    }
    return matched(matchOrder(db, rows));
}

ReferenceOrder readDatabaseReference(const ChannelDatabase& db, const std::string& path,
                                     DatabaseReader& reader) {
    OpenResult opened;
    const std::shared_ptr<const ChannelDatabase> reference = reader.read(path, opened);
    switch (opened.outcome) {
        case OpenOutcome::Accepted:
            return matched(matchOrder(db, *reference));
        case OpenOutcome::Invalid:
            return failure(ReferenceOutcome::InvalidFile, "Invalid DB file!",
                           imageProblemText(opened.problem));
        case OpenOutcome::CannotOpen:
        case OpenOutcome::ReadError:
            break;
    }
    return failure(ReferenceOutcome::CannotRead, "File open failed!", opened.systemReason);
}

}  // namespace

bool isListPath(const std::string& path) {
    if (path.size() < 4) {
        return false;
    }
    std::string suffix = path.substr(path.size() - 4);
    for (char& c : suffix) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return suffix == ".csv";
}

ReferenceOrder readReferenceOrder(const ChannelDatabase& db, const std::string& path) {
    DatabaseReader reader;
    return readReferenceOrder(db, path, reader);
}

ReferenceOrder readReferenceOrder(const ChannelDatabase& db, const std::string& path,
                                  DatabaseReader& reader) {
    return isListPath(path) ? readListReference(db, path) : readDatabaseReference(db, path, reader);
}

}  // namespace kavro
