// The file layer's Windows side (built for Windows only): ReplaceFileW keeps the old file
// whole when it cannot replace it, a long tail travels whole, the edit lock refuses a second holder
// without keeping anyone from the file's bytes, sharing keeps others from writing what a save uses,
// UTF-8 names reach the system as their characters, and paths split at either separator.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "ImageTestSupport.h"
#include "dbfile/FileSystem.h"
#include "support/ChildProcess.h"

using namespace kavro;
using namespace kavro::imagetest;
namespace kt = kavro::testing;
using kavro::testing::wide;

namespace {

// Another program's handle on `path`, sharing what `share` says.
class OtherProgramHandle {
public:
    OtherProgramHandle(const std::string& path, DWORD access, DWORD share)
        : handle_(::CreateFileW(wide(path).c_str(), access, share, nullptr, OPEN_EXISTING, 0,
                                nullptr)) {}
    ~OtherProgramHandle() { close(); }
    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    void close() {
        if (isOpen()) {
            ::CloseHandle(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
    }

private:
    HANDLE handle_;
};

// A new file made through the file layer, as a save makes its temporary file.
fs::File newFileWith(const std::string& path, const Bytes& bytes) {
    fs::File file;
    EXPECT_TRUE(fs::createNewFile(path, file).ok()) << path;
    EXPECT_TRUE(fs::writeAt(file, 0, bytes.data(), bytes.size()).ok());
    EXPECT_TRUE(fs::sync(file).ok());
    return file;
}

class WindowsFilesTest : public ImageTest {};

TEST_F(WindowsFilesTest, AReplaceThatFailsKeepsTheOldFileAndOneThatWorksTakesTheNew) {
    const Bytes oldBytes(5000, 0x0D), newBytes(7000, 0x0A);
    const std::string target = writeFile("target.tbn", oldBytes);
    const std::string temp = path("new.tmp");
    fs::File file = newFileWith(temp, newBytes);
    {
        // Another program has the target open and does not share deleting it.
        OtherProgramHandle other(target, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_TRUE(other.isOpen());
        EXPECT_FALSE(fs::replaceFile(file, temp, target).ok());
        EXPECT_EQ(kt::readFileBytes(target), oldBytes);
        EXPECT_EQ(kt::readFileBytes(temp), newBytes);
        // The new file is the caller's again, to remove or to try once more.
        EXPECT_TRUE(file.isOpen());
        EXPECT_TRUE(fs::namesFile(temp, file));
    }
    ASSERT_TRUE(fs::replaceFile(file, temp, target).ok());
    EXPECT_EQ(kt::readFileBytes(target), newBytes);
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"target.tbn"});
    // Onto a name that does not exist yet.
    fs::File second = newFileWith(temp, oldBytes);
    ASSERT_TRUE(fs::replaceFile(second, temp, path("fresh.tbn")).ok());
    EXPECT_EQ(kt::readFileBytes(path("fresh.tbn")), oldBytes);
    EXPECT_EQ(folderEntries(), (std::vector<std::string>{"fresh.tbn", "target.tbn"}));
}

TEST_F(WindowsFilesTest, ASaveThatCannotReplaceTheFileKeepsItAndLeavesNoTemporary) {
    const Bytes original = kt::smallImage(71);
    const std::string p = writeFile("channels.tbn", original);
    ASSERT_EQ(openFile(p).outcome, OpenOutcome::Accepted);
    db().setChannelName(0, "Blocked");
    {
        OtherProgramHandle other(p, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_TRUE(other.isOpen());
        for (const SaveResult& save : {saveFile(p), saveFileAs(p)}) {
            EXPECT_EQ(save.outcome, SaveOutcome::WriteError);
            EXPECT_FALSE(save.systemReason.empty());
        }
        EXPECT_EQ(kt::readFileBytes(p), original);
        EXPECT_EQ(folderEntries(), std::vector<std::string>{"channels.tbn"});
    }
    ASSERT_EQ(saveFile(p).outcome, SaveOutcome::Written);
    ASSERT_EQ(openFile(p).outcome, OpenOutcome::Accepted);
    EXPECT_EQ(db().channelName(0), "Blocked");
}

TEST_F(WindowsFilesTest, ATailOfSeveralChunksIsCarriedWhole) {
    // No holes are told apart here: the tail is copied as data, a chunk at a time.
    Bytes file = kt::smallImage(75);
    for (uint32_t i = 0, x = 1; i < 5 * 512 * 1024 + 7; ++i) {
        x = x * 1103515245u + 12345u;
        file.push_back(static_cast<uint8_t>(x >> 24));
    }
    const std::string p = writeFile("long.tbn", file);
    ASSERT_EQ(openFile(p).outcome, OpenOutcome::Accepted);
    db().setChannelName(0, "Long Tail");
    ASSERT_EQ(saveFile(p).outcome, SaveOutcome::Written);
    const Bytes saved = kt::readFileBytes(p);
    ASSERT_EQ(saved.size(), file.size());
    EXPECT_TRUE(std::equal(saved.begin() + ImageSize, saved.end(), file.begin() + ImageSize));
}

TEST_F(WindowsFilesTest, ASecondLockIsRefusedWhileTheFirstHoldsAndNeitherKeepsReaders) {
    const Bytes original = kt::smallImage(72);
    const std::string p = writeFile("channels.tbn", original);
    fs::File first, second;
    ASSERT_TRUE(fs::openFile(p, fs::Access::Read, first).ok());
    ASSERT_TRUE(fs::openFile(p, fs::Access::Read, second).ok());
    ASSERT_TRUE(fs::tryLockFile(first).ok());
    EXPECT_EQ(fs::tryLockFile(second).failure, fs::Failure::Busy);
    // Windows locks are mandatory: the lock lies beyond the bytes, so all of them read.
    EXPECT_EQ(kt::readFileBytes(p), original);
    // A save waits for the holder (an in-place edit) and writes once it has let go.
    ASSERT_EQ(openFile(p).outcome, OpenOutcome::Accepted);
    db().setChannelName(0, "Under Lock");
    SaveOptions shortWait;
    shortWait.lockWaitMs = 50;
    EXPECT_EQ(saveFile(p, shortWait).outcome, SaveOutcome::WriteError);
    first.close();
    EXPECT_EQ(saveFile(p).outcome, SaveOutcome::Written);
    EXPECT_TRUE(fs::tryLockFile(second).ok());
}

TEST_F(WindowsFilesTest, SharingKeepsOthersFromWritingWhatASaveUses) {
    const std::string p = writeFile("channels.tbn", kt::smallImage(73));
    fs::File writing, reader, other;
    ASSERT_TRUE(fs::openFile(p, fs::Access::ReadWrite, writing).ok());
    EXPECT_TRUE(fs::openFile(p, fs::Access::Read, reader).ok());
    EXPECT_EQ(fs::openFile(p, fs::Access::Write, other).failure, fs::Failure::Busy);
    // A new file: others may read it, but neither write, rename nor delete it.
    const std::string temp = path("temp");
    fs::File created = newFileWith(temp, Bytes(10, 1));
    EXPECT_TRUE(fs::openFile(temp, fs::Access::Read, other).ok());
    other.close();
    EXPECT_EQ(fs::openFile(temp, fs::Access::Write, other).failure, fs::Failure::Busy);
    EXPECT_FALSE(::MoveFileW(wide(temp).c_str(), wide(path("moved")).c_str()));
    EXPECT_FALSE(fs::removeFile(temp).ok());
    created.close();
    EXPECT_TRUE(fs::removeFile(temp).ok());
}

TEST_F(WindowsFilesTest, Utf8NamesReachTheSystemAsTheirCharacters) {
    const std::string name =
        "Kan\xC3\xA4le \xCE\xA9 \xE9\xA2\x91\xE9\x81\x93.tbn";  // Kanäle Ω 频道
    const std::string p = path(name);
    const Bytes original = kt::smallImage(74);
    newFileWith(p, original);
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW(wide(p).c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    ::FindClose(search);
    EXPECT_EQ(std::wstring(found.cFileName), L"Kan\u00E4le \u03A9 \u9891\u9053.tbn");
    std::vector<std::string> names;
    ASSERT_TRUE(fs::listFolder(dir(), names).ok());
    EXPECT_EQ(names, std::vector<std::string>{name});

    ASSERT_EQ(openFile(p).outcome, OpenOutcome::Accepted);
    db().setChannelName(0, "Renamed");
    ASSERT_EQ(saveFile(p).outcome, SaveOutcome::Written);
    names.clear();
    ASSERT_TRUE(fs::listFolder(dir(), names).ok());
    EXPECT_EQ(names, std::vector<std::string>{name});  // no temporary left beside it
    // The tool takes such a name from its command line.
    kt::ChildProcess tool({KAVRO_TOOL_PATH, "check", p});
    EXPECT_EQ(tool.wait(), 0);
    kt::ChildProcess missing({KAVRO_TOOL_PATH, "check", path("\xC3\xA4-missing.tbn")});
    EXPECT_EQ(missing.wait(), 2);

    // Reasons come as UTF-8 text without the system's closing period and line break.
    fs::File none;
    const fs::Status status = fs::openFile(path("\xC3\xA4-missing.tbn"), fs::Access::Read, none);
    EXPECT_EQ(status.failure, fs::Failure::NotFound);
    ASSERT_FALSE(status.reason.empty());
    EXPECT_EQ(status.reason.find_first_of("\r\n"), std::string::npos) << status.reason;
    EXPECT_NE(status.reason.back(), '.') << status.reason;
}

TEST(WindowsPaths, FoldersAndNamesSplitAtEitherSeparatorAndJoinWithABackslash) {
    const struct {
        const char* path;
        const char* folder;
        const char* name;
    } cases[] = {
        {"C:\\dir\\sub\\a.tbn", "C:\\dir\\sub", "a.tbn"},
        {"C:/dir/a.tbn", "C:/dir", "a.tbn"},
        {"dir/sub\\a.tbn", "dir/sub", "a.tbn"},
        {"C:\\a.tbn", "C:\\", "a.tbn"},
        {"C:a.tbn", "C:", "a.tbn"},
        {"\\a.tbn", "\\", "a.tbn"},
        {"\\\\server\\share\\a.tbn", "\\\\server\\share", "a.tbn"},
        {"a.tbn", ".", "a.tbn"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fs::folderOf(c.path), c.folder) << c.path;
        EXPECT_EQ(fs::baseNameOf(c.path), c.name) << c.path;
    }
    EXPECT_EQ(fs::joinPath("C:\\dir", "a.tbn"), "C:\\dir\\a.tbn");
    EXPECT_EQ(fs::joinPath("C:\\", "a.tbn"), "C:\\a.tbn");
    EXPECT_EQ(fs::joinPath("C:/dir/", "a.tbn"), "C:/dir/a.tbn");
    EXPECT_EQ(fs::joinPath("C:", "a.tbn"), "C:a.tbn");
}

}  // namespace
