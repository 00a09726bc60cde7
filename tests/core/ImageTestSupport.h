// Shared ground for the tests of the file image: a fixture with a database and its file, a
// scratch folder, a snapshot of everything an open may change, and helpers that damage an
// image.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "database/ChannelDatabase.h"
#include "dbfile/DatabaseFile.h"
#include "dbfile/DatabaseImage.h"
#include "support/TestImageBuilder.h"

namespace kavro::imagetest {

using Bytes = kavro::testing::Bytes;

// Everything a rejected open must leave as it was.
struct Snapshot {
    Bytes image;
    Bytes header;
    Bytes tables;
    uint32_t bytesRead = 0;

    static Snapshot take(const ChannelDatabase& db, const DatabaseImage& image) {
        Snapshot s;
        s.image.assign(image.bytes(), image.bytes() + ImageSize);
        s.header.assign(image.workingHeader(), image.workingHeader() + HeaderSize);
        s.tables.assign(db.bytes(), db.bytes() + table::Size);
        s.bytesRead = image.bytesRead();
        return s;
    }
    bool operator==(const Snapshot&) const = default;
};

inline Bytes flipByte(Bytes image, size_t offset) {
    image.at(offset) ^= 0x5A;
    return image;
}

inline Bytes truncated(Bytes image, size_t size) {
    image.resize(size);
    return image;
}

inline Bytes refixed(Bytes image) {
    kavro::testing::fixChecksums(image);
    return image;
}

// Renews only the header checksum, leaving the stored data checksum as it is.
inline Bytes headerRefixed(Bytes image) {
    image[hdr::HeaderChecksum] = image[hdr::HeaderChecksum + 1] = 0;
    const uint16_t sum = ComputeChecksum(image.data(), HeaderSize);
    image[hdr::HeaderChecksum] = static_cast<uint8_t>(sum);
    image[hdr::HeaderChecksum + 1] = static_cast<uint8_t>(sum >> 8);
    return image;
}

class ImageTest : public ::testing::Test {
protected:
    // A fresh database and file, as after start-up.
    void SetUp() override {
        db_ = std::make_unique<ChannelDatabase>();
        file_ = std::make_unique<DatabaseFile>();
    }

    ChannelDatabase& db() { return *db_; }
    DatabaseFile& file() { return *file_; }
    const DatabaseImage& image() { return file_->image(); }
    Bytes imageBytes() { return Bytes(image().bytes(), image().bytes() + ImageSize); }
    Snapshot snapshot() { return Snapshot::take(*db_, image()); }

    OpenResult openFile(const std::string& p) { return file_->open(p, *db_); }
    SaveResult saveFile(const std::string& p, const SaveOptions& options = {}) {
        return file_->save(p, *db_, options);
    }
    SaveResult saveFileAs(const std::string& p, const SaveOptions& options = {}) {
        return file_->saveAs(p, *db_, options);
    }
    // Loads `bytes` as an open of a file holding them would.
    bool load(const Bytes& bytes) {
        return file_->load(bytes.data(), bytes.size(), *db_).outcome == OpenOutcome::Accepted;
    }
    void TearDown() override {
        if (!dir_.empty()) {
            std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add);
            std::filesystem::remove_all(dir_);
        }
    }

    std::string dir() {
        if (dir_.empty()) {
            dir_ = kavro::testing::makeTempDir();
        }
        return dir_;
    }
    std::string path(const std::string& name) { return dir() + "/" + name; }
    std::string writeFile(const std::string& name, const Bytes& bytes) {
        const std::string p = path(name);
        kavro::testing::writeFileBytes(p, bytes);
        return p;
    }
    // Names in the scratch folder, to see that nothing was left behind.
    std::vector<std::string> folderEntries() {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string dir_;
    std::unique_ptr<ChannelDatabase> db_;
    std::unique_ptr<DatabaseFile> file_;
};

}  // namespace kavro::imagetest
