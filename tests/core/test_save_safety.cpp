// What a save does against a hostile folder and a careless user: a temporary name swapped
// for a symbolic link, owner, permissions and attributes carried over, short temporary names
// and the leftovers of killed saves, a folder that allows no new file, a file another
// program changed, backups, and a huge sparse tail.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifndef _WIN32
#include <sys/xattr.h>
#endif

#include <cerrno>
#include <cstring>
#include <functional>
#include <regex>

#include "ImageTestSupport.h"
#include "dbfile/Backups.h"
#include "dbfile/FileSystem.h"
#include "dbfile/FileWriter.h"
#include "dbfile/SaveFiles.h"
#include "support/ChildProcess.h"
#include "support/FaultyWriter.h"
#include "support/OtherUser.h"

using namespace kavro;
using namespace kavro::imagetest;
namespace kt = kavro::testing;

namespace {

// Symbolic links, owners, permission bits, extended attributes and other users: POSIX only.
// On Windows a save's temporary file cannot be renamed or deleted by others while it is
// open, and ReplaceFileW gives the new file the access control list and streams of the old.
#ifdef _WIN32
constexpr const char* PosixOnly =
    "symbolic links, owners, permission bits, extended attributes and other users are POSIX's";
#else
struct stat statOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info;
}

// An access control list value: the owner may read and write, user `user`, the group and
// the mask read, others nothing.
std::string accessList(uint32_t user, uint16_t userPermissions = 4) {
    std::string value;
    auto add32 = [&value](uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            value += static_cast<char>(v >> (8 * i));
        }
    };
    auto entry = [&](uint16_t tag, uint16_t permissions, uint32_t id) {
        add32(tag | static_cast<uint32_t>(permissions) << 16);
        add32(id);
    };
    add32(2);  // version
    entry(0x01, 6, ~0u);
    entry(0x02, userPermissions, user);
    entry(0x04, 4, ~0u);
    entry(0x10, userPermissions, ~0u);
    entry(0x20, 0, ~0u);
    return value;
}

// The value of an extended attribute; empty when there is none.
std::string attribute(const std::string& path, const char* name) {
    char buffer[256];
    const ssize_t size = ::getxattr(path.c_str(), name, buffer, sizeof buffer);
    return size < 0 ? std::string() : std::string(buffer, static_cast<size_t>(size));
}

bool setAttribute(const std::string& path, const char* name, const std::string& value) {
    return ::setxattr(path.c_str(), name, value.data(), value.size(), 0) == 0;
}

const char* outcomeName(SaveOutcome outcome) {
    static const char* const names[] = {"Written",       "CannotOpen",    "CannotCreate",
                                        "FolderRefused", "ChangedOnDisk", "BackupFailed",
                                        "WriteError",    "OwnerChange",   "LinkBreak"};
    return names[static_cast<int>(outcome)];
}
#endif

class SaveSafetyTest : public ImageTest {
protected:
    std::string openImage(const std::string& name, const Bytes& bytes) {
        const std::string p = writeFile(name, bytes);
        EXPECT_EQ(openFile(p).outcome, OpenOutcome::Accepted) << name;
        return p;
    }
    SaveResult save(bool saveAs, const std::string& p, const SaveOptions& options = {}) {
        return saveAs ? saveFileAs(p, options) : saveFile(p, options);
    }
    static std::string resolvedPath(const std::string& p) {
        std::string resolved;
        EXPECT_TRUE(fs::resolvePath(p, resolved).ok()) << p;
        return resolved;
    }
};

TEST_F(SaveSafetyTest, ATemporaryNameSwappedForALinkTouchesNothingOutside) {
#ifdef _WIN32
    GTEST_SKIP() << PosixOnly;
#else
    const Bytes original = kt::smallImage(61);
    const std::string p = openImage("channels.tbn", original);
    ASSERT_EQ(::chmod(p.c_str(), 0644), 0);
    std::filesystem::create_directory(path("outside"));
    const Bytes victimBytes(1000, 0x11);
    const std::string victim = writeFile("outside/victim", victimBytes);
    ASSERT_EQ(::chmod(victim.c_str(), 0600), 0);
    db().setChannelName(0, "Swapped");
    for (SaveStep step :
         {SaveStep::Created, SaveStep::Written, SaveStep::Synced, SaveStep::PermissionsSet,
          SaveStep::AttributesCopied, SaveStep::Verified}) {
        for (bool saveAs : {false, true}) {
            SCOPED_TRACE(::testing::Message() << int(step) << (saveAs ? " Save As" : " Save"));
            std::string swapped;
            ScopedSaveStepHook hook(file(), [&](SaveStep at, const std::string& temp) {
                if (at == step) {
                    ::unlink(temp.c_str());
                    ASSERT_EQ(::symlink(victim.c_str(), temp.c_str()), 0);
                    swapped = temp;
                }
            });
            const SaveResult result = save(saveAs, p);
            EXPECT_EQ(result.outcome, SaveOutcome::WriteError);
            EXPECT_NE(result.systemReason.find("was replaced by another program"),
                      std::string::npos)
                << result.systemReason;
            EXPECT_EQ(kt::readFileBytes(victim), victimBytes);
            EXPECT_EQ(statOf(victim).st_mode & 07777, 0600u);
            EXPECT_EQ(kt::readFileBytes(p), original);
            // The link is not the save's to remove.
            ASSERT_TRUE(S_ISLNK(statOf(swapped).st_mode));
            ::unlink(swapped.c_str());
        }
    }
    EXPECT_EQ(saveFile(p).outcome, SaveOutcome::Written);
#endif
}

TEST_F(SaveSafetyTest, OwnerPermissionsAttributesAndAccessListAreCarried) {
#ifdef _WIN32
    GTEST_SKIP() << PosixOnly;
#else
    const std::string p = openImage("channels.tbn", kt::smallImage(62));
    ASSERT_EQ(::chown(p.c_str(), 4321, 4322), 0);
    ASSERT_EQ(::chmod(p.c_str(), 0640), 0);
    if (!setAttribute(p, "user.origin", "receiver") ||
        !setAttribute(p, "system.posix_acl_access", accessList(4242))) {
        GTEST_SKIP() << "no extended attributes here: " << std::strerror(errno);
    }
    for (bool saveAs : {false, true}) {
        db().setChannelName(0, saveAs ? "As" : "Saved");
        ASSERT_EQ(save(saveAs, p).outcome, SaveOutcome::Written);
        const struct stat info = statOf(p);
        EXPECT_EQ(info.st_uid, 4321u);
        EXPECT_EQ(info.st_gid, 4322u);
        EXPECT_EQ(info.st_mode & 07777, 0640u);
        EXPECT_EQ(attribute(p, "user.origin"), "receiver");
        EXPECT_EQ(attribute(p, "system.posix_acl_access"), accessList(4242));
    }
    // A folder's default list gives the new file nothing the old one did not have.
    const std::string plain = writeFile("plain.tbn", kt::smallImage(63));
    ASSERT_EQ(::chmod(plain.c_str(), 0640), 0);
    ASSERT_TRUE(setAttribute(dir(), "system.posix_acl_default", accessList(4242, 7)));
    ASSERT_EQ(openFile(plain).outcome, OpenOutcome::Accepted);
    db().setChannelName(0, "Plain");
    ASSERT_EQ(saveFile(plain).outcome, SaveOutcome::Written);
    EXPECT_EQ(attribute(plain, "system.posix_acl_access"), "");
    EXPECT_EQ(statOf(plain).st_mode & 07777, 0640u);
#endif
}

// A group member's save would make the file theirs: refused unless allowed, and then the
// group is kept.
TEST_F(SaveSafetyTest, AnOwnerThatCannotBeKeptIsRefusedUnlessAllowedAndTheGroupIsKept) {
#ifdef _WIN32
    GTEST_SKIP() << PosixOnly;
#else
    const std::string p = writeFile("shared.tbn", kt::smallImage(64));
    ASSERT_EQ(::chown(p.c_str(), 4000, 4001), 0);
    ASSERT_EQ(::chmod(p.c_str(), 0664), 0);
    ASSERT_EQ(::chmod(dir().c_str(), 0777), 0);
    const Bytes before = kt::readFileBytes(p);
    const auto report = kt::runAsOtherUser({4003, 4002, {4001}}, [&] {
        if (openFile(p).outcome != OpenOutcome::Accepted) {
            return std::string("not opened");
        }
        db().setChannelName(0, "Group");
        const SaveResult refused = saveFile(p);
        if (kt::readFileBytes(p) != before) {
            return std::string("written when refused");
        }
        SaveOptions allow;
        allow.allowOwnerChange = true;
        return std::string(outcomeName(refused.outcome)) + ": " + refused.systemReason + " / " +
               outcomeName(saveFile(p, allow).outcome);
    });
    if (!report) {
        GTEST_SKIP() << "needs root to act as other users";
    }
    EXPECT_EQ(*report, "OwnerChange: " + resolvedPath(p) +
                           " belongs to 4000; after saving it will belong to you. / Written");
    const struct stat info = statOf(p);
    EXPECT_EQ(info.st_uid, 4003u);
    EXPECT_EQ(info.st_gid, 4001u);  // not the saver's own group 4002
    EXPECT_EQ(info.st_mode & 07777, 0664u);
#endif
}

TEST_F(SaveSafetyTest, AFolderThatAllowsNoNewFileIsToldApart) {
#ifdef _WIN32
    GTEST_SKIP() << PosixOnly;
#else
    ASSERT_EQ(::chmod(dir().c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(path("locked").c_str(), 0755), 0);
    const Bytes original = kt::smallImage(65);
    const std::string p = writeFile("locked/channels.tbn", original);
    ASSERT_EQ(::chmod(p.c_str(), 0666), 0);  // the file itself may be written
    const auto report = kt::runAsOtherUser({}, [&] {
        if (openFile(p).outcome != OpenOutcome::Accepted) {
            return std::string("not opened");
        }
        db().setChannelName(0, "Nowhere");
        std::string text;
        for (bool saveAs : {false, true}) {
            const SaveResult result = save(saveAs, p);
            text += std::string(outcomeName(result.outcome)) + ": " + result.systemReason + "\n";
        }
        return text;
    });
    if (!report) {
        GTEST_SKIP() << "needs root to act as other users";
    }
    const std::string denied = std::strerror(EACCES);
    EXPECT_EQ(*report, "FolderRefused: " + denied + "\nFolderRefused: " + denied + "\n");
    EXPECT_EQ(kt::readFileBytes(p), original);
#endif
}

TEST_F(SaveSafetyTest, AnyLegalNameSavesAndTemporariesOfEndedSavesGo) {
    const std::string longest = std::string(251, 'n') + ".tbn";  // 255 bytes
    const std::string p = openImage(longest, kt::smallImage(66));
    std::string tempName;
    {
        ScopedSaveStepHook hook(
            file(), [&](SaveStep, const std::string& temp) { tempName = fs::baseNameOf(temp); });
        db().setChannelName(0, "Long");
        ASSERT_EQ(saveFile(p).outcome, SaveOutcome::Written);
        ASSERT_EQ(saveFileAs(p).outcome, SaveOutcome::Written);
    }
    EXPECT_LT(tempName.size(), 40u) << tempName;
    EXPECT_EQ(tempName.rfind(temporaryPrefix(p) + std::to_string(::getpid()) + "-", 0), 0u);

    const int ended = kt::endedProcessId();
    ASSERT_GT(ended, 0);
    const std::string prefix = temporaryPrefix(p);
    const std::string left = prefix + std::to_string(ended) + "-0badf00d";
    const std::string running = prefix + std::to_string(::getpid()) + "-0badf00d";
    const std::string foreign = prefix + std::to_string(ended) + "-1badf00d";
    const std::string otherFile = temporaryPrefix(path("other.tbn")) + std::to_string(ended) + "-0";
    for (const std::string& name : {left, running, foreign, otherFile}) {
        writeFile(name, Bytes(10, 1));
    }
    std::vector<std::string> expected = {longest, running, otherFile};
#ifndef _WIN32  // another user's temporary stays (owners are POSIX's here)
    ASSERT_EQ(::chown(path(foreign).c_str(), 4444, 4444), 0);
    expected.push_back(foreign);
#endif
    ASSERT_EQ(saveFile(p).outcome, SaveOutcome::Written);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folderEntries(), expected);
}

TEST_F(SaveSafetyTest, AFileChangedOnDiskIsNotOverwrittenUnlessAskedTo) {
    const Bytes original = kt::smallImage(67);
    const std::string p = writeFile("channels.tbn", original);
    // Whole seconds, which every system stores as they are.
    const auto opened = std::filesystem::file_time_type(std::chrono::seconds(1700000000));
    const struct {
        const char* what;
        std::function<void()> change;
    } changes[] = {
        {"content, same size and time",
         [&] {
             kt::writeFileBytes(p, refixed(flipByte(original, ChannelRegion + 5)));
             std::filesystem::last_write_time(p, opened);
         }},
        {"time only",
         [&] { std::filesystem::last_write_time(p, opened + std::chrono::seconds(12345)); }},
        {"size",
         [&] {
             Bytes grown = original;
             grown.push_back(0x42);
             kt::writeFileBytes(p, grown);
         }},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.what);
        kt::writeFileBytes(p, original);
        std::filesystem::last_write_time(p, opened);
        ASSERT_EQ(openFile(p).outcome, OpenOutcome::Accepted);
        db().setChannelName(0, "Mine");
        c.change();
        const Bytes theirs = kt::readFileBytes(p);
        EXPECT_EQ(saveFile(p).outcome, SaveOutcome::ChangedOnDisk);
        EXPECT_EQ(kt::readFileBytes(p), theirs);
        SaveOptions overwrite;
        overwrite.overwriteChanges = true;
        ASSERT_EQ(saveFile(p, overwrite).outcome, SaveOutcome::Written);
        EXPECT_EQ(db().channelName(0), "Mine");
        EXPECT_EQ(saveFile(p).outcome, SaveOutcome::Written);  // now it is ours
    }
    // Neither a save nor a failed one makes the next Save see a change.
    db().setChannelName(1, "Again");
    {
        kt::FaultyWriter full = kt::FaultyWriter::failingAfter(1000, ENOSPC);
        ScopedFileWriter scoped(file(), full);
        ASSERT_EQ(saveFile(p).outcome, SaveOutcome::WriteError);
    }
    EXPECT_EQ(saveFile(p).outcome, SaveOutcome::Written);
}

TEST_F(SaveSafetyTest, BackupsKeepTheVersionReplacedAndOnlyTheNewestTen) {
    const std::string p = openImage("channels.tbn", kt::smallImage(68));
    std::string resolved;
    ASSERT_TRUE(fs::resolvePath(p, resolved).ok());
    const std::string folder = path("backups");
    std::filesystem::create_directory(folder);
    const std::string prefix = backupPrefix(resolved);
    for (int day = 10; day <= 20; ++day) {
        kt::writeFileBytes(
            folder + "/" + prefix + "202001" + std::to_string(day) + "-000000Z-0000.tbn",
            Bytes(5, 5));
    }
    const std::string otherFile = "other.tbn.0badf00d0badf00d.20200101-000000Z-0000.tbn";
    kt::writeFileBytes(folder + "/" + otherFile, Bytes(5, 5));

    SaveOptions options;
    options.backupFolder = folder;
    std::vector<std::string> made;
    for (int round = 0; round < 3; ++round) {  // within a second or two
        const Bytes before = kt::readFileBytes(p);
        db().setChannelName(0, "Round " + std::to_string(round));
        const SaveResult result = saveFile(p, options);
        ASSERT_EQ(result.outcome, SaveOutcome::Written) << result.systemReason;
        EXPECT_EQ(kt::readFileBytes(result.backupPath), before);
        made.push_back(fs::baseNameOf(result.backupPath));
    }
    EXPECT_TRUE(std::regex_match(
        made[0], std::regex(R"(channels\.tbn\.[0-9a-f]{16}\.\d{8}-\d{6}Z-\d{4}\.tbn)")))
        << made[0];
    const std::vector<std::string> kept = backupsOf(resolved, folder);
    ASSERT_EQ(kept.size(), size_t(BackupsKept));
    EXPECT_EQ(kept.front(), prefix + "20200114-000000Z-0000.tbn");  // the four oldest went
    EXPECT_EQ(std::vector<std::string>(kept.end() - 3, kept.end()), made);
    EXPECT_TRUE(std::filesystem::exists(folder + "/" + otherFile));

    // No backup, no save.
    options.backupFolder = path("missing");
    const Bytes before = kt::readFileBytes(p);
    db().setChannelName(0, "Unsaved");
    const SaveResult refused = saveFile(p, options);
    EXPECT_EQ(refused.outcome, SaveOutcome::BackupFailed);
    EXPECT_FALSE(refused.systemReason.empty());
    EXPECT_EQ(kt::readFileBytes(p), before);
}

TEST_F(SaveSafetyTest, AHugeSparseTailIsCopiedInChunksWithItsHoles) {
#ifdef _WIN32
    GTEST_SKIP() << "holes are not told apart on Windows, where the tail is copied as data";
#else
    const std::string p = writeFile("huge.tbn", kt::smallImage(69));
    const uint64_t gib = uint64_t{1} << 30;
    const uint64_t size = ImageSize + 6 * gib + 7;
    {
        const int fd = ::open(p.c_str(), O_RDWR);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::pwrite(fd, "START", 5, ImageSize), 5);
        ASSERT_EQ(::pwrite(fd, "MIDDLE", 6, ImageSize + 3 * gib), 6);
        ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(size)), 0);
        const off_t hole = ::lseek(fd, ImageSize + 1024 * 1024, SEEK_HOLE);
        ::close(fd);
        if (hole < 0 || static_cast<uint64_t>(hole) >= size) {
            GTEST_SKIP() << "this file system does not report holes";
        }
    }
    ASSERT_EQ(openFile(p).outcome, OpenOutcome::Accepted);
    db().setChannelName(0, "Huge");
    ASSERT_EQ(saveFile(p).outcome, SaveOutcome::Written);
    const struct stat info = statOf(p);
    EXPECT_EQ(static_cast<uint64_t>(info.st_size), size);
    EXPECT_LT(static_cast<uint64_t>(info.st_blocks) * 512, uint64_t{64} << 20);
    const int fd = ::open(p.c_str(), O_RDONLY);
    char start[5] = {}, middle[6] = {}, end[7] = {1};
    EXPECT_EQ(::pread(fd, start, 5, ImageSize), 5);
    EXPECT_EQ(::pread(fd, middle, 6, ImageSize + 3 * gib), 6);
    EXPECT_EQ(::pread(fd, end, 7, static_cast<off_t>(size - 7)), 7);
    ::close(fd);
    EXPECT_EQ(std::string(start, 5), "START");
    EXPECT_EQ(std::string(middle, 6), "MIDDLE");
    EXPECT_EQ(std::string(end, 7), std::string(7, '\0'));
    SetUp();
    ASSERT_EQ(openFile(p).outcome, OpenOutcome::Accepted);
    EXPECT_EQ(db().channelName(0), "Huge");
#endif
}

}  // namespace
