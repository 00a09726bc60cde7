// A save that dies part-way or runs out of room leaves the file on disk as it was: a child
// process is killed in the middle of writing, and saves meet a full tmpfs and a file size
// limit. The file is always the old one or the new one whole, and still passes the checks.
#ifdef _WIN32
#include <gtest/gtest.h>

TEST(SaveCrashSafetyTest, NeedsPosix) {
    GTEST_SKIP() << "these kill a forked saver, mount a tmpfs and set a file size limit; on Windows"
                    " the injected write, sync and verify failures of the file tests show the old"
                    " file kept";
}
#else
#include <poll.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "ImageTestSupport.h"
#include "dbfile/FileWriter.h"
#include "dbfile/SaveFiles.h"
#include "support/FaultyWriter.h"

using namespace kavro;
using namespace kavro::imagetest;
namespace kt = kavro::testing;

namespace {

// How a child's save is meant to end.
enum class Stall { Wait, KillSelf };

// Writes the first `limit` bytes of the new content into the temporary file for real (all of
// them up to the sync), tells the parent through `notifyFd`, and then either waits to be
// killed or kills itself.
kt::FaultyWriter stallingWriter(size_t limit, int notifyFd, Stall stall) {
    kt::FaultyWriter writer = limit < ImageSize ? kt::FaultyWriter::failingAfter(limit, EIO)
                                                : kt::FaultyWriter::failingAtSync(EIO);
    writer.atFault = [notifyFd, stall] {
        const char written = 'w';
        [[maybe_unused]] ssize_t ignored = ::write(notifyFd, &written, 1);
        if (stall == Stall::KillSelf) {
            ::raise(SIGKILL);
        }
        for (;;) {
            ::pause();
        }
    };
    return writer;
}

// A child process that runs `body` and ends without returning into the test.
template <typename Body>
pid_t forkChild(Body body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        body();
        ::_exit(0);
    }
    return pid;
}

// Waits up to 30 s for one byte on `fd`; false when none came.
bool awaitByte(int fd) {
    pollfd waiting{fd, POLLIN, 0};
    char byte = 0;
    return ::poll(&waiting, 1, 30000) == 1 && ::read(fd, &byte, 1) == 1;
}

// Waits for the child and tells whether SIGKILL ended it.
bool killedBySigkill(pid_t pid) {
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

class SaveCrashSafetyTest : public ImageTest {
protected:
    // The saved file of a test and the bytes it starts with.
    std::string file_;
    Bytes original_;

    void writeOriginal(const Bytes& bytes) {
        original_ = bytes;
        file_ = writeFile("channels.tbn", bytes);
    }
    // The file is the original, byte for byte, and opens as a valid database.
    void expectOriginalIntact() {
        EXPECT_EQ(kt::readFileBytes(file_), original_);
        EXPECT_EQ(openFile(file_).outcome, OpenOutcome::Accepted);
    }
    // The hidden temporary files a killed save left in the scratch folder.
    std::vector<std::string> leftTemporaries() {
        std::vector<std::string> names;
        for (const std::string& name : folderEntries()) {
            if (name.rfind(temporaryPrefix(file_), 0) == 0) {
                names.push_back(name);
            }
        }
        return names;
    }
};

TEST_F(SaveCrashSafetyTest, KillingTheSaverPartWayLeavesTheFileIntact) {
    writeOriginal(kt::smallImage(21));
    for (Stall stall : {Stall::Wait, Stall::KillSelf}) {
        for (size_t limit : {size_t{0}, size_t{4096}, size_t{ImageSize / 2}, size_t{ImageSize}}) {
            SCOPED_TRACE(limit);
            int pipeFds[2];
            ASSERT_EQ(::pipe(pipeFds), 0);
            const pid_t child = forkChild([&] {
                ::close(pipeFds[0]);
                if (openFile(file_).outcome != OpenOutcome::Accepted) {
                    ::_exit(3);
                }
                db().setChannelName(0, "Never Saved");
                kt::FaultyWriter writer = stallingWriter(limit, pipeFds[1], stall);
                ScopedFileWriter scoped(file(), writer);
                saveFile(file_);
                ::_exit(4);  // the writer never returns
            });
            ::close(pipeFds[1]);
            const bool writing = awaitByte(pipeFds[0]);
            ::close(pipeFds[0]);
            if (stall == Stall::Wait) {
                ::kill(child, SIGKILL);
            }
            ASSERT_TRUE(killedBySigkill(child));
            ASSERT_TRUE(writing);
            expectOriginalIntact();
            // The part written lies in a hidden temporary file beside it; the next save
            // removes it, as its process has ended.
            const std::vector<std::string> temporaries = leftTemporaries();
            ASSERT_EQ(temporaries.size(), 1u);
            EXPECT_EQ(kt::readFileBytes(path(temporaries[0])).size(), limit);
            EXPECT_EQ(removeStaleTemporaries(file_), 1);
        }
    }
    // A later save is not hindered by what a killed one left, and clears it away.
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    const pid_t child = forkChild([&] {
        kt::FaultyWriter writer = stallingWriter(100, pipeFds[1], Stall::KillSelf);
        ScopedFileWriter scoped(file(), writer);
        saveFileAs(file_);
    });
    ASSERT_TRUE(killedBySigkill(child));
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    ASSERT_EQ(leftTemporaries().size(), 1u);
    ASSERT_EQ(openFile(file_).outcome, OpenOutcome::Accepted);
    db().setChannelName(0, "Saved Later");
    EXPECT_EQ(saveFile(file_).outcome, SaveOutcome::Written);
    EXPECT_TRUE(leftTemporaries().empty());
    EXPECT_EQ(openFile(file_).outcome, OpenOutcome::Accepted);
    EXPECT_EQ(db().channelName(0), "Saved Later");
}

// The image a save of the original with channel 0 renamed writes.
Bytes savedVersion(const std::string& file, std::string_view name) {
    const auto db = std::make_unique<ChannelDatabase>();
    const auto opened = std::make_unique<DatabaseFile>();
    EXPECT_EQ(opened->open(file, *db).outcome, OpenOutcome::Accepted);
    db->setChannelName(0, name);
    const auto image = std::make_unique<DatabaseImage>(opened->image());
    image->pack(*db);
    return Bytes(image->bytes(), image->bytes() + image->bytesRead());
}

TEST_F(SaveCrashSafetyTest, RealSavesKilledAtRandomMomentsLeaveOneWholeVersion) {
    writeOriginal(kt::smallImage(22));
    const Bytes versionA = savedVersion(file_, "Version A");
    const Bytes versionB = savedVersion(file_, "Version B");
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE(round);
        int pipeFds[2];
        ASSERT_EQ(::pipe(pipeFds), 0);
        const pid_t child = forkChild([&] {
            ::close(pipeFds[0]);
            if (openFile(file_).outcome != OpenOutcome::Accepted) {
                ::_exit(3);
            }
            const char started = 's';
            [[maybe_unused]] ssize_t ignored = ::write(pipeFds[1], &started, 1);
            // Saves without end, each one with the other name, until killed.
            for (int n = 0;; ++n) {
                db().setChannelName(0, n % 2 == 0 ? "Version A" : "Version B");
                saveFile(file_);
            }
        });
        ::close(pipeFds[1]);
        ASSERT_TRUE(awaitByte(pipeFds[0]));
        ::close(pipeFds[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(1000 + round * 5000));
        ::kill(child, SIGKILL);
        ASSERT_TRUE(killedBySigkill(child));
        const Bytes onDisk = kt::readFileBytes(file_);
        EXPECT_TRUE(onDisk == original_ || onDisk == versionA || onDisk == versionB);
        EXPECT_EQ(openFile(file_).outcome, OpenOutcome::Accepted);
        for (const std::string& name : leftTemporaries()) {
            std::filesystem::remove(path(name));
        }
    }
}

TEST_F(SaveCrashSafetyTest, AFileSizeLimitFailsTheSaveWithItsReason) {
    writeOriginal(kt::smallImage(23));
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    const pid_t child = forkChild([&] {
        ::close(pipeFds[0]);
        // Writing past the limit then fails with EFBIG instead of raising SIGXFSZ.
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{600 * 1024, 600 * 1024};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0 ||
            openFile(file_).outcome != OpenOutcome::Accepted) {
            ::_exit(3);
        }
        db().setChannelName(0, "Too Big");
        std::string report;
        for (const SaveResult& save : {saveFile(file_), saveFileAs(file_)}) {
            report += save.outcome == SaveOutcome::WriteError ? "WriteError: " : "other: ";
            report += save.systemReason + "\n";
        }
        [[maybe_unused]] ssize_t ignored = ::write(pipeFds[1], report.data(), report.size());
    });
    ::close(pipeFds[1]);
    char buffer[512] = {};
    ssize_t got = 0;
    for (ssize_t n; (n = ::read(pipeFds[0], buffer + got, sizeof buffer - 1 - got)) > 0;) {
        got += n;
    }
    ::close(pipeFds[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    const std::string tooLarge = std::string(std::strerror(EFBIG));
    EXPECT_EQ(std::string(buffer), "WriteError: " + tooLarge + "\nWriteError: " + tooLarge + "\n");
    expectOriginalIntact();
    EXPECT_TRUE(leftTemporaries().empty());
}

// A tmpfs of a given size mounted on a fresh folder for the length of a test; empty path
// when this machine does not allow it.
class SmallTmpfs {
public:
    explicit SmallTmpfs(const std::string& folder, const char* size) {
        std::filesystem::create_directory(folder);
        const std::string options = std::string("size=") + size;
        if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0) {
            folder_ = folder;
        } else {
            reason_ = std::strerror(errno);
        }
    }
    ~SmallTmpfs() {
        if (!folder_.empty() && ::umount2(folder_.c_str(), 0) != 0) {
            ::umount2(folder_.c_str(), MNT_DETACH);
        }
    }
    const std::string& folder() const { return folder_; }
    const std::string& reason() const { return reason_; }

private:
    std::string folder_;
    std::string reason_;
};

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(SaveCrashSafetyTest, AFullDiskFailsTheSaveAndKeepsTheOldFile) {
    // Too small for the 1,179,680-byte image beside a small existing file.
    SmallTmpfs disk(path("small-disk"), "600k");
    if (disk.folder().empty()) {
        GTEST_SKIP() << "no tmpfs can be mounted here (" << disk.reason()
                     << "); the size limit and the injected failures cover a full disk";
    }
    const std::string old = disk.folder() + "/old.tbn";
    const Bytes oldBytes(100000, 0x5A);
    kt::writeFileBytes(old, oldBytes);
    ASSERT_EQ(openFile(writeFile("full.tbn", kt::smallImage(24))).outcome, OpenOutcome::Accepted);
    db().setChannelName(0, "No Room");
    const std::string noSpace = std::string(std::strerror(ENOSPC));
    for (const std::string& target : {old, disk.folder() + "/new.tbn"}) {
        const SaveResult save = saveFileAs(target);
        EXPECT_EQ(save.outcome, SaveOutcome::WriteError) << target;
        EXPECT_EQ(save.systemReason, noSpace) << target;
    }
    EXPECT_EQ(kt::readFileBytes(old), oldBytes);
    EXPECT_EQ(namesIn(disk.folder()), std::vector<std::string>{"old.tbn"});
}

TEST_F(SaveCrashSafetyTest, SavingOverAFileOnAFullDiskKeepsIt) {
    // Room for the file, not for a second copy while it is replaced.
    SmallTmpfs disk(path("half-disk"), "1700k");
    if (disk.folder().empty()) {
        GTEST_SKIP() << "no tmpfs can be mounted here (" << disk.reason() << ")";
    }
    original_ = kt::smallImage(25);
    file_ = disk.folder() + "/channels.tbn";
    kt::writeFileBytes(file_, original_);
    ASSERT_EQ(openFile(file_).outcome, OpenOutcome::Accepted);
    db().setChannelName(0, "No Room");
    const SaveResult save = saveFile(file_);
    EXPECT_EQ(save.outcome, SaveOutcome::WriteError);
    EXPECT_EQ(save.systemReason, std::string(std::strerror(ENOSPC)));
    EXPECT_EQ(kt::readFileBytes(file_), original_);
    EXPECT_EQ(namesIn(disk.folder()), std::vector<std::string>{"channels.tbn"});
    // The database in memory keeps the edit for a save elsewhere.
    EXPECT_EQ(db().channelName(0), "No Room");
}

}  // namespace
#endif
