// What a save does when other programs, links and the system get in the way: the file under
// the name is no longer the one opened, another program holds the edit lock, OUT is a link to
// nothing, a file with other names or another owner, a socket, a leftover temporary name
// whose number overflows.
#ifndef _WIN32
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#include "ImageTestSupport.h"
#include "dbfile/FileSystem.h"
#include "dbfile/SaveFiles.h"

using namespace kavro;
using namespace kavro::imagetest;
namespace kt = kavro::testing;

namespace {

class SaveIdentityTest : public ImageTest {
protected:
    std::string openImage(const std::string& name, const Bytes& bytes) {
        const std::string p = writeFile(name, bytes);
        EXPECT_EQ(openFile(p).outcome, OpenOutcome::Accepted) << name;
        return p;
    }
};

#ifndef _WIN32
// Each way another program puts a different file under the name makes Save ask; nothing is
// written until the user says to overwrite.
TEST_F(SaveIdentityTest, AnotherFileUnderTheNameCountsAsChangedOnDisk) {
    struct Case {
        const char* name;
        std::function<void(const std::string& link, const std::string& other)> change;
    };
    const Case cases[] = {
        {"link repointed",
         [](const std::string& link, const std::string& other) {
             ::unlink(link.c_str());
             ASSERT_EQ(::symlink(other.c_str(), link.c_str()), 0);
         }},
        {"replaced by the same bytes",
         [](const std::string& link, const std::string&) {
             const std::string target = std::filesystem::canonical(link).string();
             const Bytes same = kt::readFileBytes(target);
             ::unlink(target.c_str());
             kt::writeFileBytes(target, same);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        const std::string n = std::to_string(&c - cases);
        const std::string a = writeFile("a" + n + ".tbn", kt::smallImage(71));
        const Bytes bBytes = kt::smallImage(72);
        const std::string b = writeFile("b" + n + ".tbn", bBytes);
        const std::string current = path("current" + n + ".tbn");
        ASSERT_EQ(::symlink(a.c_str(), current.c_str()), 0);
        ASSERT_EQ(openFile(current).outcome, OpenOutcome::Accepted);
        db().setChannelName(0, "Mine");
        c.change(current, b);
        const Bytes before = kt::readFileBytes(current);
        EXPECT_EQ(saveFile(current).outcome, SaveOutcome::ChangedOnDisk);
        EXPECT_EQ(kt::readFileBytes(current), before);
        EXPECT_EQ(kt::readFileBytes(b), bBytes);
        SaveOptions overwrite;
        overwrite.overwriteChanges = true;
        EXPECT_EQ(saveFile(current, overwrite).outcome, SaveOutcome::Written);
        EXPECT_EQ(saveFile(current).outcome, SaveOutcome::Written);  // it is ours now
    }
}

// Save waits for the lock of an in-place edit and then sees what that edit wrote; an in-place
// Save As checks the file as Save does.
TEST_F(SaveIdentityTest, SaveTakesTheEditLockAndAnInPlaceSaveAsChecksTheFile) {
    const std::string p = openImage("locked.tbn", kt::smallImage(73));
    db().setChannelName(0, "Mine");
    fs::File holder;
    ASSERT_TRUE(lockFile(p, 0, holder).ok());
    SaveOptions shortWait;
    shortWait.lockWaitMs = 50;
    const SaveResult busy = saveFile(p, shortWait);
    EXPECT_EQ(busy.outcome, SaveOutcome::WriteError);
    EXPECT_NE(busy.systemReason.find("another program is editing"), std::string::npos);
    holder.close();

    SaveOptions inPlace;
    inPlace.checkChanges = true;
    kt::writeFileBytes(p, kt::smallImage(74));  // another program's save
    const Bytes theirs = kt::readFileBytes(p);
    EXPECT_EQ(saveFileAs(p, inPlace).outcome, SaveOutcome::ChangedOnDisk);
    EXPECT_EQ(kt::readFileBytes(p), theirs);
    ASSERT_EQ(openFile(p).outcome, OpenOutcome::Accepted);
    EXPECT_EQ(saveFileAs(p, inPlace).outcome, SaveOutcome::Written);
}

TEST_F(SaveIdentityTest, ALinkToNothingIsRefusedAndLeftALink) {
    openImage("in.tbn", kt::smallImage(75));
    const std::string out = path("out.tbn");
    ASSERT_EQ(::symlink("store/new.tbn", out.c_str()), 0);
    const SaveResult result = saveFileAs(out);
    EXPECT_EQ(result.outcome, SaveOutcome::CannotCreate);
    EXPECT_EQ(result.systemReason,
              "a symbolic link to store/new.tbn, which does not exist; nothing is written "
              "through it");
    struct stat info {};
    ASSERT_EQ(::lstat(out.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    // Through a link to a file in another folder, the save names that folder.
    std::filesystem::create_directory(path("store"));
    kt::writeFileBytes(path("store/new.tbn"), kt::smallImage(76));
    EXPECT_EQ(saveFileAs(out).target, std::filesystem::canonical(path("store/new.tbn")).string());
}

TEST_F(SaveIdentityTest, AFileWithOtherNamesIsRefusedUnlessAllowed) {
    const Bytes original = kt::smallImage(77);
    const std::string p = openImage("linked.tbn", original);
    const std::string other = path("receiver.tbn");
    ASSERT_EQ(::link(p.c_str(), other.c_str()), 0);
    db().setChannelName(0, "Linked");
    for (bool saveAs : {false, true}) {
        const SaveResult refused = saveAs ? saveFileAs(p) : saveFile(p);
        EXPECT_EQ(refused.outcome, SaveOutcome::LinkBreak) << saveAs;
        EXPECT_EQ(refused.systemReason, std::filesystem::canonical(p).string() +
                                            " has 1 other name; it will keep the old contents.");
        EXPECT_EQ(kt::readFileBytes(p), original);
    }
    SaveOptions allow;
    allow.allowLinkBreak = true;
    EXPECT_EQ(saveFile(p, allow).outcome, SaveOutcome::Written);
    EXPECT_EQ(kt::readFileBytes(other), original);
    EXPECT_NE(kt::readFileBytes(p), original);
}

TEST_F(SaveIdentityTest, ASocketIsNotARegularFile) {
    const std::string p = path("socket.tbn");
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(p.size(), sizeof address.sun_path);
    std::strcpy(address.sun_path, p.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const OpenResult opened = openFile(p);
    ::close(fd);
    EXPECT_EQ(opened.outcome, OpenOutcome::CannotOpen);
    EXPECT_EQ(opened.systemReason, "Not a regular file");
}
#endif

// A temporary name with a number no process ID can have is not one of ours: left, and read
// without overflow.
TEST_F(SaveIdentityTest, TemporaryNamesWithImpossibleNumbersAreLeft) {
    const std::string target = path("t.tbn");
    const std::string prefix = temporaryPrefix(target);
    const std::vector<std::string> foreign = {prefix + "9999999999-x", prefix + "-12-x",
                                              prefix + "99999999999999999999-x", prefix + "0-x",
                                              prefix + "+5-x"};
    for (const std::string& name : foreign) {
        kt::writeFileBytes(path(name), Bytes(3, 3));
    }
    EXPECT_EQ(removeStaleTemporaries(target), 0);
    for (const std::string& name : foreign) {
        EXPECT_TRUE(std::filesystem::exists(path(name))) << name;
    }
}

}  // namespace
