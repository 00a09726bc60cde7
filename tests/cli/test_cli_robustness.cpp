// kavro-tool against a full disk, endless and odd scripts, concurrent in-place edits, a
// longer IN, and a folder that allows no safe save. Some run the built binary.
#include <sys/stat.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>

#include "CliTestSupport.h"
#include "cli/EditLock.h"
#include "cli/ScriptReader.h"
#include "cli/Tool.h"
#include "database/ByteOrder.h"
#include "database/ChannelDatabase.h"
#include "database/ViewIndex.h"
#include "dbfile/DatabaseFile.h"
#include "dbfile/FileSystem.h"
#include "dbfile/ImageFormat.h"
#include "support/ChildProcess.h"
#include "support/OtherUser.h"

namespace kavro::clitest {
namespace {

using testing::readFileBytes;

const std::string CannotWrite = "kavro-tool: cannot write to standard output\n";

// A stream buffer that takes `room` characters and then fails, as a full disk does.
class FullBuffer : public std::streambuf {
public:
    explicit FullBuffer(size_t room) : room_(room) {}

protected:
    int_type overflow(int_type c) override {
        if (room_ == 0 || traits_type::eq_int_type(c, traits_type::eof())) {
            return traits_type::eof();
        }
        --room_;
        return c;
    }

private:
    size_t room_;
};

// Runs the tool with standard output (or standard error) failing after `room` characters.
ToolRun runWithFullStream(const std::vector<std::string>& args, size_t room, bool errorFull) {
    std::istringstream in;
    FullBuffer full(room);
    std::ostream fullStream(&full);
    std::ostringstream text;
    ToolRun run;
    run.code = errorFull ? cli::runTool(args, in, text, fullStream)
                         : cli::runTool(args, in, fullStream, text);
    (errorFull ? run.out : run.err) = text.str();
    return run;
}

// The built kavro-tool through the shell; returns its exit status.
int runBinary(const std::string& arguments) {
    const int status = std::system((std::string(KAVRO_TOOL_PATH) + " " + arguments).c_str());
#ifdef _WIN32
    return status;
#else
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

std::string readText(const std::string& path) {
    const Bytes bytes = readFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

class CliRobustness : public CliTest {};

TEST_F(CliRobustness, AFailedWriteToStandardOutputOrErrorIsExitTwo) {
    const std::string file = writeImage("db.tbn", knownImage());
    const std::vector<std::vector<std::string>> commands = {
        {"check", file},
        {"info", file},
        {"tree", file},
        {"tree", file, "--format", "json"},
        {"list", file},
        {"list", file, "--format", "csv"},
        {"list", file, "--format", "json"},
        {"help"},
    };
    for (const auto& args : commands) {
        for (size_t room : {size_t{0}, size_t{2}}) {
            const ToolRun run = runWithFullStream(args, room, false);
            EXPECT_EQ(run.code, 2) << args[0] << " " << room;
            EXPECT_EQ(run.err, CannotWrite) << args[0];
        }
    }
    const std::string script = path("add.txt");
    std::ofstream(script) << "add-transponder 2 11000 22000 1\n";
    // All or nothing: output that cannot be written leaves OUT as it was, IN too.
    const Bytes before = testing::readFileBytes(file);
    for (const std::string& out : {path("out.tbn"), file}) {
        const ToolRun edit = runWithFullStream({"edit", file, out, script}, 0, false);
        EXPECT_EQ(edit.code, 2);
        EXPECT_EQ(edit.err, "kavro-tool: cannot write the edit's output; " + out +
                                " was not written\n" + CannotWrite);
        EXPECT_EQ(testing::readFileBytes(file), before);
    }
    EXPECT_FALSE(exists("out.tbn"));
    // A failing standard error still makes a failure the exit code.
    EXPECT_EQ(runWithFullStream({"check", path("missing.tbn")}, 0, true).code, 2);
    EXPECT_EQ(runWithFullStream({"nonsense"}, 5, true).code, 2);
    EXPECT_EQ(runWithFullStream({"check", file}, 0, true).code, 0);

    // The built tool, its output sent to a full device.
    if (std::filesystem::exists("/dev/full")) {
        const std::string err = path("err.txt");
        EXPECT_EQ(runBinary("list '" + file + "' > /dev/full 2> '" + err + "'"), 2);
        EXPECT_EQ(readText(err), CannotWrite);
        EXPECT_EQ(runBinary("check '" + file + "' > /dev/null 2> '" + err + "'"), 0);
    }
}

TEST_F(CliRobustness, ScriptsAreReadLineByLineWithinALimit) {
    const std::string in = writeImage("in.tbn", knownImage());
    const std::string out = path("out.tbn");
    // Endless bytes without a line break end at the first line.
    if (std::filesystem::exists("/dev/zero")) {
        const ToolRun zero = runKavroTool({"edit", in, out, "/dev/zero"});
        EXPECT_EQ(zero.code, 1);
        EXPECT_EQ(zero.err, "line 1: line too long\n");
        EXPECT_FALSE(exists("out.tbn"));
    }
    const std::string longest(cli::LongestScriptLine, '#');
    EXPECT_EQ(runKavroTool({"edit", in, out}, longest + "\nrename-group 1 Long\n").code, 0);
    const ToolRun tooLong = runKavroTool({"edit", in, path("other.tbn")}, "\n" + longest + "#\n");
    EXPECT_EQ(tooLong.code, 1);
    EXPECT_EQ(tooLong.err, "line 2: line too long\n");
    EXPECT_FALSE(exists("other.tbn"));
    // A byte-order mark opens the script unseen; anywhere else it is part of a word.
    const std::string bom = "\xEF\xBB\xBF";
    const ToolRun marked = runKavroTool({"edit", in, out}, bom + "rename-group 1 Marked\r\n");
    ASSERT_EQ(marked.code, 0) << marked.err;
    ASSERT_TRUE(load(readFileBytes(out)));
    EXPECT_EQ(db().favoriteGroupName(0), "Marked");
    EXPECT_EQ(runKavroTool({"edit", in, out}, bom).code, 0);
    const ToolRun second = runKavroTool({"edit", in, out}, "\n" + bom + "rename-group 1 X\n");
    EXPECT_EQ(second.code, 1);
    EXPECT_EQ(second.err.rfind("line 2: unknown command", 0), 0u) << second.err;
}

TEST_F(CliRobustness, AnInPlaceEditWaitsForTheLockOrIsRefused) {
    const Bytes image = knownImage();
    const std::string file = writeImage("db.tbn", image);
    fs::File holder;
    ASSERT_TRUE(fs::openFile(file, fs::Access::Read, holder).ok());
    ASSERT_TRUE(fs::tryLockFile(holder).ok());
    cli::ScopedEditLockWait shortWait(std::chrono::milliseconds(60));
    const ToolRun refused = runKavroTool({"edit", file, path("./db.tbn")}, "rename-group 1 Late\n");
    EXPECT_EQ(refused.code, 2);
    EXPECT_EQ(refused.err, "kavro-tool: " + file +
                               " is being edited by another kavro-tool edit; nothing was changed."
                               " Try again when it has finished.\n");
    EXPECT_EQ(readFileBytes(file), image);
    // Writing elsewhere takes no lock.
    EXPECT_EQ(runKavroTool({"edit", file, path("copy.tbn")}, "rename-group 1 Copy\n").code, 0);
    holder.close();
    EXPECT_EQ(runKavroTool({"edit", file, file}, "rename-group 1 Now\n").code, 0);
}

TEST_F(CliRobustness, ConcurrentInPlaceEditsAllLand) {
    const std::string file = writeImage("db.tbn", knownImage());
    constexpr int Editors = 8;
    std::vector<testing::ChildProcess> editors;
    for (int i = 0; i < Editors; ++i) {
        const std::string script = path("script" + std::to_string(i));
        std::ofstream(script) << "add-transponder 2 " << 11000 + i << " 22000 1\n";
        editors.emplace_back(std::vector<std::string>{KAVRO_TOOL_PATH, "edit", file, file, script});
        ASSERT_TRUE(editors.back().started());
    }
    for (testing::ChildProcess& editor : editors) {
        EXPECT_EQ(editor.wait(), 0);
    }
    ASSERT_TRUE(load(readFileBytes(file)));
    EXPECT_EQ(session_->viewIndex().satelliteTransponderCount(2), Editors);
}

TEST_F(CliRobustness, ALongerInKeepsItsTailInOut) {
    Bytes image = knownImage();
    for (int i = 0; i < 5000; ++i) {
        image.push_back(static_cast<uint8_t>(i * 7));
    }
    const std::string in = writeImage("in.tbn", image);
    ASSERT_EQ(runKavroTool({"edit", in, path("same.tbn")}, "").code, 0);
    EXPECT_EQ(readFileBytes(path("same.tbn")), image);
    ASSERT_EQ(runKavroTool({"edit", in, in}, "rename-group 2 Tail\n").code, 0);
    const Bytes edited = readFileBytes(in);
    ASSERT_EQ(edited.size(), image.size());
    EXPECT_TRUE(std::equal(edited.begin() + ImageSize, edited.end(), image.begin() + ImageSize));
    ASSERT_TRUE(load(Bytes(edited.begin(), edited.begin() + ImageSize)));
    EXPECT_EQ(db().favoriteGroupName(1), "Tail");
}

TEST_F(CliRobustness, AFolderThatAllowsNoSafeSaveIsNamedWithWhatToDo) {
#ifdef _WIN32
    GTEST_SKIP() << "needs POSIX permission bits and another user";
#else
    const std::string in = writeImage("in.tbn", knownImage());
    ASSERT_EQ(::chmod(dir_.c_str(), 0755), 0);
    ASSERT_EQ(::chmod(in.c_str(), 0644), 0);
    ASSERT_EQ(::mkdir(path("locked").c_str(), 0755), 0);
    const std::string out = writeImage("locked/out.tbn", Bytes{1, 2, 3});
    ASSERT_EQ(::chmod(out.c_str(), 0666), 0);
    const auto report = testing::runAsOtherUser({}, [&] {
        const ToolRun run = runKavroTool({"edit", in, out}, "rename-group 1 X\n");
        return std::to_string(run.code) + "\n" + run.err;
    });
    if (!report) {
        GTEST_SKIP() << "needs root to act as other users";
    }
    EXPECT_EQ(*report, "2\nFile create failed!\n" +
                           folderRefusedText(path("locked"), std::strerror(EACCES)) + "\nWrite " +
                           out + " into another folder, or make that folder writable.\n");
    EXPECT_EQ(readFileBytes(out), (Bytes{1, 2, 3}));
#endif
}

}  // namespace
}  // namespace kavro::clitest
