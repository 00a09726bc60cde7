// kavro-tool and the files around it: an in-place edit that another program interferes with,
// files it must not replace silently, standard output as OUT, a terminal, and backups.
#ifndef _WIN32
#include <unistd.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "CliTestSupport.h"
#include "cli/Tool.h"
#include "dbfile/Backups.h"
#include "dbfile/FileSystem.h"

namespace kavro::clitest {
namespace {

using testing::readFileBytes;
using testing::writeFileBytes;

// A script read from standard input that, when it has been read to its end, lets another
// program replace `file` (as a script from a pipe would while the edit waits).
class ReplacingScript : public std::stringbuf {
public:
    ReplacingScript(const std::string& script, std::string file, Bytes replacement)
        : std::stringbuf(script), file_(std::move(file)), replacement_(std::move(replacement)) {}

protected:
    int_type underflow() override {
        const int_type next = std::stringbuf::underflow();
        if (next == traits_type::eof() && !replaced_) {
            replaced_ = true;
            const std::string temp = file_ + ".theirs";
            writeFileBytes(temp, replacement_);
            std::filesystem::rename(temp, file_);
        }
        return next;
    }

private:
    std::string file_;
    Bytes replacement_;
    bool replaced_ = false;
};

struct TerminalRun {
    int code;
    std::string out;
    std::string err;
};

TerminalRun runOnTerminal(const std::vector<std::string>& args) {
    std::istringstream in;
    std::ostringstream out, err;
    const int code = cli::runTool(args, in, out, err, systemFileWriter(), true);
    return {code, out.str(), err.str()};
}

class CliFiles : public CliTest {};

// Links, renames over an open file and the environment: POSIX's.
#ifndef _WIN32
TEST_F(CliFiles, AnInPlaceEditOfAFileAnotherProgramReplacedWritesNothing) {
    const std::string file = writeImage("f.tbn", knownImage());
    const Bytes theirs = sixChannelImage();
    ReplacingScript script("rename-group 1 Mine\n", file, theirs);
    std::istream in(&script);
    std::ostringstream out, err;
    const int code = cli::runTool({"edit", file, file}, in, out, err);
    EXPECT_EQ(code, 2);
    EXPECT_EQ(err.str(),
              file + " was changed by another program while the edit ran; nothing was written\n");
    EXPECT_EQ(readFileBytes(file), theirs);
}

TEST_F(CliFiles, FilesThatWouldChangeSilentlyAreRefusedUnlessAllowed) {
    const std::string in = writeImage("in.tbn", knownImage());
    const Bytes old = sixChannelImage();
    const std::string out = writeImage("out.tbn", old);
    ASSERT_EQ(::link(out.c_str(), path("other.tbn").c_str()), 0);
    const ToolRun refused = runKavroTool({"edit", in, out}, "");
    EXPECT_EQ(refused.code, 2);
    EXPECT_NE(refused.err.find("has 1 other name; it will keep the old contents.\nNothing was "
                               "written; give --allow-link-break"),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(readFileBytes(out), old);
    EXPECT_EQ(runKavroTool({"edit", "--allow-link-break", in, out}, "").code, 0);
    EXPECT_EQ(readFileBytes(out), knownImage());
    EXPECT_EQ(readFileBytes(path("other.tbn")), old);

    ASSERT_EQ(::symlink("store/new.tbn", path("dangling.tbn").c_str()), 0);
    const ToolRun dangling = runKavroTool({"edit", in, path("dangling.tbn")}, "");
    EXPECT_EQ(dangling.code, 2);
    EXPECT_NE(dangling.err.find("a symbolic link to store/new.tbn, which does not exist"),
              std::string::npos)
        << dangling.err;
    EXPECT_FALSE(std::filesystem::exists(path("store")));
}
#endif

TEST_F(CliFiles, OutDashWritesTheFileToStandardOutputButNotToATerminal) {
    const std::string in = writeImage("in.tbn", knownImage());
    const ToolRun piped =
        runKavroTool({"edit", in, "-"}, "rename-group 1 Piped\nadd-transponder 2 11000 22000 1\n");
    ASSERT_EQ(piped.code, 0) << piped.err;
    EXPECT_EQ(piped.err, "transponder 3\n");
    ASSERT_EQ(runKavroTool({"edit", in, path("out.tbn")},
                           "rename-group 1 Piped\nadd-transponder 2 11000 22000 1\n")
                  .code,
              0);
    EXPECT_EQ(Bytes(piped.out.begin(), piped.out.end()), readFileBytes(path("out.tbn")));
    EXPECT_FALSE(exists("-"));
    const TerminalRun terminal = runOnTerminal({"edit", in, "-"});
    EXPECT_EQ(terminal.code, 2);
    EXPECT_EQ(terminal.out, "");
    EXPECT_NE(terminal.err.find("a terminal"), std::string::npos);
}

// Control characters reach a terminal neither from the list nor from a file name.
TEST_F(CliFiles, ATerminalGetsNoControlCharacters) {
    testing::TestImageBuilder builder(5);
    builder.satellite(0, "Sat").transponder(0, 0, 11727000, 27500, 0).channel(0, 0, "A\x1b[2JB", 7);
    const std::string in = writeImage("in.tbn", builder.build());
    const std::string replacement = "\xEF\xBF\xBD";
    const TerminalRun terminal = runOnTerminal({"list", in, "--format", "csv"});
    EXPECT_EQ(terminal.code, 0);
    EXPECT_EQ(terminal.out.find('\x1b'), std::string::npos);
    EXPECT_NE(terminal.out.find("A" + replacement + "[2JB"), std::string::npos) << terminal.out;
    const ToolRun piped = runKavroTool({"list", in, "--format", "csv"});
    EXPECT_NE(piped.out.find("A\x1b[2JB"), std::string::npos);
    const ToolRun named = runKavroTool({"check", path("bad\x1b]0;x\x07.tbn")});
    EXPECT_EQ(named.code, 2);
    EXPECT_EQ(named.err.find('\x1b'), std::string::npos);
    EXPECT_NE(named.err.find("bad" + replacement + "]0;x" + replacement + ".tbn"),
              std::string::npos)
        << named.err;
}

#ifndef _WIN32
TEST_F(CliFiles, BackupsListsTheBackupsOfAFile) {
    const std::string file = writeImage("db.tbn", knownImage());
    const std::string data = path("data");
    ::setenv("XDG_DATA_HOME", data.c_str(), 1);
    const std::string folder = backupFolderIn(backupHomeFromEnvironment());
    std::filesystem::create_directories(folder);
    std::string resolved;
    ASSERT_TRUE(fs::resolvePath(file, resolved).ok());
    const std::string older = writeImage("older.tbn", sixChannelImage());
    fs::File source;
    ASSERT_TRUE(fs::openFile(older, fs::Access::Read, source).ok());
    std::string made;
    ASSERT_TRUE(backupFile(source, sixChannelImage().size(), resolved, folder, made).ok());
    const ToolRun json = runKavroTool({"backups", file, "--format", "json"});
    EXPECT_EQ(json.code, 0) << json.err;
    EXPECT_NE(json.out.find("\"path\": \"" + made + "\""), std::string::npos) << json.out;
    EXPECT_NE(json.out.find(" UTC\", \"size\": " + std::to_string(sixChannelImage().size())),
              std::string::npos)
        << json.out;
    EXPECT_NE(json.out.find(" added, "), std::string::npos) << json.out;
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    ::setenv("XDG_DATA_HOME", "relative", 1);
    ::setenv("HOME", "also/relative", 1);
    const ToolRun none = runKavroTool({"backups", file});
    ::setenv("HOME", savedHome.c_str(), 1);
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(none.code, 2);
    EXPECT_NE(none.err.find("no folder for backups"), std::string::npos);
}
#endif

}  // namespace
}  // namespace kavro::clitest
