#include "OrderReference.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "database/ChannelDatabase.h"
#include "database/OrderTransfer.h"
#include "dbfile/DatabaseFile.h"
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

// The whole of a regular file of at most LongestListFile bytes.
fs::Status readWholeFile(const std::string& path, std::string& text) {
    fs::File file;
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
    text.assign(static_cast<size_t>(info.size), '\0');
    size_t done = 0;
    while (done < text.size()) {
        size_t got = 0;
        status = fs::readAt(file, done, reinterpret_cast<uint8_t*>(text.data()) + done,
                            text.size() - done, got);
        if (!status.ok()) {
            return status;
        }
        if (got == 0) {
            break;  // shorter than when it was looked at
        }
        done += got;
    }
    text.resize(done);
    return status;
}

ReferenceOrder readListReference(const ChannelDatabase& db, const std::string& path) {
    std::string text;
    const fs::Status status = readWholeFile(path, text);
    if (!status.ok()) {
        return failure(ReferenceOutcome::CannotRead, "File open failed!", status.reason);
    }
    std::vector<ListRowKey> rows;
    std::string problem;
    if (!readListRows(text, rows, problem)) {
        return failure(ReferenceOutcome::InvalidList, "Invalid list file!", problem);
    }
    return matched(matchOrder(db, rows));
}

ReferenceOrder readDatabaseReference(const ChannelDatabase& db, const std::string& path) {
    const auto reference = std::make_unique<ChannelDatabase>();
    const auto file = std::make_unique<DatabaseFile>();
    const OpenResult opened = file->open(path, *reference);
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
    return isListPath(path) ? readListReference(db, path) : readDatabaseReference(db, path);
}

}  // namespace kavro
