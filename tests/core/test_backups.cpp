// The backup store: a sequence that only grows, whatever the clock does; names that never
// repeat; keys that tell files apart; pruning of nothing but this file's own backups; the
// folder the environment gives.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "dbfile/BackupList.h"
#include "dbfile/Backups.h"
#include "dbfile/FileSystem.h"
#include "dbfile/Sha256.h"
#include "support/TestImageBuilder.h"

namespace kavro {
namespace {

namespace kt = kavro::testing;

class BackupStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = kt::makeTempDir();
        folder_ = dir_ + "/backups";
        std::filesystem::create_directory(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // Backs up a file of `bytes` that `path` names, at the time `now`.
    std::string backUp(const std::string& path, const kt::Bytes& bytes, int64_t now) {
        kt::writeFileBytes(dir_ + "/source", bytes);
        fs::File source;
        EXPECT_TRUE(fs::openFile(dir_ + "/source", fs::Access::Read, source).ok());
        std::string made;
        const fs::Status status = backupFile(source, bytes.size(), path, folder_, made, now);
        EXPECT_TRUE(status.ok()) << status.reason;
        return fs::baseNameOf(made);
    }

    std::string dir_;
    std::string folder_;
};

// Saves within one second, then the clock set back, then forward again: every backup made is
// the newest when made, no name comes twice, and the newest ten stay.
TEST_F(BackupStoreTest, TheSequenceOnlyGrowsAndNamesNeverRepeat) {
    const std::string file = "/srv/lists/channels.tbn";
    const int64_t t0 = 1796601600;  // a day in 2026
    const std::vector<int64_t> clock = {t0,        t0,        t0,        t0,     t0,        t0, t0,
                                        t0,        t0,        t0,        t0,     t0,        t0, t0,
                                        t0 - 3600, t0 - 7200, t0 - 7200, t0 + 1, t0 + 86400};
    std::set<std::string> names;
    std::vector<std::string> made;
    for (size_t i = 0; i < clock.size(); ++i) {
        made.push_back(backUp(file, kt::Bytes(4, static_cast<uint8_t>(i)), clock[i]));
        EXPECT_TRUE(names.insert(made.back()).second) << made.back();
        const std::vector<std::string> kept = backupsOf(file, folder_);
        ASSERT_FALSE(kept.empty());
        EXPECT_EQ(kept.back(), made.back()) << i;
        EXPECT_EQ(kt::readFileBytes(folder_ + "/" + made.back()),
                  kt::Bytes(4, static_cast<uint8_t>(i)));
    }
    const std::vector<std::string> kept = backupsOf(file, folder_);
    EXPECT_EQ(kept, std::vector<std::string>(made.end() - BackupsKept, made.end()));
    EXPECT_EQ(backupTimeText(file, made.front()), "2026-12-07 00:00:00 UTC");
    // With every backup gone, the index still keeps the next name new.
    for (const std::string& name : kept) {
        std::filesystem::remove(folder_ + "/" + name);
    }
    EXPECT_EQ(names.count(backUp(file, kt::Bytes(1, 1), t0)), 0u);
}

// A name must read back as a backup to be listed and pruned: once the years run out (a clock
// far ahead, or an index saying so), no backup is made and no file left. An index cut short
// counts as none.
TEST_F(BackupStoreTest, NoBackupIsMadeBeyondTheNamesYears) {
    const std::string file = "/srv/lists/channels.tbn";
    const int64_t lastSecond = 253402300799;  // 9999-12-31 23:59:59 UTC
    EXPECT_TRUE(backUp(file, kt::Bytes(1, 1), lastSecond).ends_with("99991231-235959Z-0000.tbn"));
    fs::File source;
    ASSERT_TRUE(fs::openFile(dir_ + "/source", fs::Access::Read, source).ok());
    for (int64_t now : {lastSecond, lastSecond + 1}) {
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directory(folder_);
        std::string made = "unset";
        if (now == lastSecond) {  // the index's last name is the very last one
            const std::string index = "kavro backups\nlast 99991231-235959Z-9999\npath " + file;
            kt::writeFileBytes(folder_ + "/" + backupPrefix(file) + "index",
                               kt::Bytes(index.begin(), index.end()));
        }
        const fs::Status status = backupFile(source, 1, file, folder_, made, now);
        EXPECT_FALSE(status.ok()) << now;
        EXPECT_FALSE(status.reason.empty());
        EXPECT_TRUE(made.empty());
        EXPECT_TRUE(backupsOf(file, folder_).empty());
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}),
                  now == lastSecond ? 1 : 0);
    }
    const std::string index = "kavro backups\nlast 20261207-000000Z-0005\npath " + file;
    for (size_t cut = 0; cut < index.find(file); ++cut) {  // every cut before the path
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directory(folder_);
        kt::writeFileBytes(folder_ + "/" + backupPrefix(file) + "index",
                           kt::Bytes(index.begin(), index.begin() + cut));
        EXPECT_TRUE(
            backUp(file, kt::Bytes(1, 1), 1796601600).ends_with("20261207-000000Z-0000.tbn"))
            << cut;
    }
}

// Only this file's exact names are listed and pruned: not another file's (even under the same
// file name), not a user's file that looks alike, not the names of an older scheme.
TEST_F(BackupStoreTest, PruningTouchesOnlyThisFilesExactNames) {
    const std::string mine = "/a/1498b/ch.tbn";
    const std::string theirs = "/a/578b8/ch.tbn";
    const std::string prefix = backupPrefix(mine);
    EXPECT_NE(prefix, backupPrefix(theirs));
    EXPECT_EQ(prefix, "ch.tbn." + sha256Hex(mine, 8) + ".");
    const std::vector<std::string> strangers = {
        prefix + "00000000-000000-keep.tbn",   prefix + "20261207-084100.tbn",
        prefix + "20261307-084100Z-0000.tbn",  prefix + "20261207-084100Z-0000.tbn.part",
        prefix + "20261207-084100Z-00001.tbn", "ch.tbn.865f352d.20261207-084100.tbn"};
    for (const std::string& name : strangers) {
        kt::writeFileBytes(folder_ + "/" + name, kt::Bytes(2, 2));
    }
    const int64_t t0 = 1796601600;
    const std::string theirFirst = backUp(theirs, kt::Bytes(3, 3), t0);
    for (int i = 0; i < 2 * BackupsKept; ++i) {
        backUp(mine, kt::Bytes(3, 4), t0 + i);
    }
    EXPECT_EQ(backupsOf(mine, folder_).size(), size_t(BackupsKept));
    EXPECT_EQ(backupsOf(theirs, folder_), std::vector<std::string>{theirFirst});
    for (const std::string& name : strangers) {
        EXPECT_TRUE(std::filesystem::exists(folder_ + "/" + name)) << name;
    }
    // An index under this key that records another path (a collision): nothing is pruned.
    const std::string index = "kavro backups\nlast 20261207-000000Z-0000\npath /elsewhere";
    kt::writeFileBytes(folder_ + "/" + prefix + "index", kt::Bytes(index.begin(), index.end()));
    backUp(mine, kt::Bytes(3, 5), t0 + 100);
    EXPECT_EQ(backupsOf(mine, folder_).size(), size_t(BackupsKept) + 1);
}

TEST_F(BackupStoreTest, ListsNewestFirstWithTimeAndSize) {
    const std::string file = "/x/list.tbn";
    backUp(file, kt::Bytes(5, 1), 1796601600);
    backUp(file, kt::Bytes(7, 2), 1796601661);
    const std::vector<BackupEntry> entries = listBackups(file, folder_);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].time, "2026-12-07 00:01:01 UTC");
    EXPECT_EQ(entries[0].size, 7u);
    EXPECT_EQ(entries[1].size, 5u);
    EXPECT_EQ(fs::folderOf(entries[1].path), folder_);
}

TEST(BackupFolder, RelativeValuesAreNoPlaceAtAll) {
    struct Case {
        BackupHome home;
        std::string folder;
    };
    const Case cases[] = {
        {{"/data", "/home/u", ""}, "/data/kavro/backups"},
        {{"", "/home/u", ""}, "/home/u/.local/share/kavro/backups"},
        {{"data", "/home/u", ""}, "/home/u/.local/share/kavro/backups"},
        {{"./data", "home", ""}, ""},
        {{"", "", ""}, ""},
    };
    for (const Case& c : cases) {
#if defined(__linux__)
        EXPECT_EQ(backupFolderIn(c.home), c.folder) << c.home.dataHome << " " << c.home.home;
#else
        (void)c;
#endif
    }
}

// The standard's own examples, one and two blocks, and the lengths around a block's end.
TEST(Sha256, GivesTheStandardsDigests) {
    EXPECT_EQ(sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(sha256Hex("abc", 8), "ba7816bf8f01cfea");
}

}  // namespace
}  // namespace kavro
