// Shared ground for the tests of the file image: a fixture that resets the process-wide
// database and image, a scratch folder, a snapshot of everything an open may change, and
// helpers that damage an image.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
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

    static Snapshot take() {
        Snapshot s;
        s.image.assign(databaseImage(), databaseImage() + ImageSize);
        s.header.assign(workingHeader(), workingHeader() + HeaderSize);
        const auto* db = reinterpret_cast<const uint8_t*>(&channelDatabase());
        s.tables.assign(db, db + sizeof(ChannelDatabase));
        s.bytesRead = imageBytesRead();
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

inline Bytes imageBytes() {
    return Bytes(databaseImage(), databaseImage() + ImageSize);
}

class ImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetChannelDatabase();
        resetDatabaseImage();
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
};

}  // namespace kavro::imagetest
