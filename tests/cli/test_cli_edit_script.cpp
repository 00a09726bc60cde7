// The edit-script language and the all-or-nothing rule of kavro-tool edit.
#include <cerrno>
#include <filesystem>
#include <random>

#include "CliTestSupport.h"
#include "cli/EditScript.h"
#include "database/ChannelDatabase.h"
#include "database/ViewIndex.h"
#include "dbfile/DatabaseFile.h"
#include "dbfile/FileWriter.h"
#include "support/FaultyWriter.h"

namespace kavro::clitest {
namespace {

using cli::splitScriptLine;
using cli::Words;
using testing::readFileBytes;

Words split(const std::string& line, std::string* problem = nullptr) {
    Words words;
    std::string message;
    if (!splitScriptLine(line, words, message)) {
        words = {"<refused>"};
    }
    if (problem) {
        *problem = message;
    }
    return words;
}

TEST(CliScriptWords, BlanksSeparateAndQuotesKeepBlanks) {
    EXPECT_EQ(split("  add-channel\t0  \"BBC One\" 1 "),
              (Words{"add-channel", "0", "BBC One", "1"}));
    EXPECT_EQ(split("x \"say \\\"hi\\\"\" \"a\\\\b\""), (Words{"x", "say \"hi\"", "a\\b"}));
    EXPECT_EQ(split("x \"\" y"), (Words{"x", "", "y"}));
    EXPECT_EQ(split("a\\b"), (Words{"a\\b"}));  // backslashes outside quotes are plain
    EXPECT_EQ(split("   "), Words{});
}

TEST(CliScriptWords, MalformedQuotesAreRefused) {
    std::string problem;
    EXPECT_EQ(split("x \"open", &problem), Words{"<refused>"});
    EXPECT_EQ(problem, "unterminated quoted text");
    EXPECT_EQ(split("x \"open\\\"", &problem), Words{"<refused>"});
    EXPECT_EQ(problem, "unterminated quoted text");
    EXPECT_EQ(split("x \"tab\\t\"", &problem), Words{"<refused>"});
    EXPECT_EQ(problem, "unknown escape \"\\t\" in quotes (only \\\" and \\\\)");
    EXPECT_EQ(split("x ab\"cd\"", &problem), Words{"<refused>"});
    EXPECT_EQ(split("x \"ab\"cd", &problem), Words{"<refused>"});
}

class CliEditScript : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        in_ = writeImage("in.tbn", knownImage());
        original_ = readFileBytes(in_);
    }
    ToolRun edit(const std::string& script) {
        return runKavroTool({"edit", in_, path("out.tbn")}, script);
    }
    std::string in_;
    Bytes original_;
};

TEST_F(CliEditScript, ErrorsNameTheirLineCountingCommentsAndBlankLines) {
    const ToolRun run =
        edit("# rename\n\nrename-group 1 A\r\n  # more\nfrobnicate 1\nrename-group 2 B\n");
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "line 5: unknown command \"frobnicate\"\n");
    EXPECT_EQ(edit("rename-group 1\n").err,
              "line 1: missing argument; usage: rename-group G NAME\n");
    EXPECT_EQ(edit("view tv\ndelete-transponder 0 1\n").err,
              "line 2: too many arguments; usage: delete-transponder T\n");
    EXPECT_EQ(edit("\n\nrename-group 1 \"x\n").err, "line 3: unterminated quoted text\n");
    EXPECT_EQ(edit("delete-channels x\n").err, "line 1: unknown channel or set \"x\"\n");
    EXPECT_EQ(edit("delete-channels 99999999999999\n").err,
              "line 1: there is no live channel 99999999999999\n");
    EXPECT_EQ(edit("delete-channels -1\n").err, "line 1: there is no live channel -1\n");
    EXPECT_EQ(edit("View all\n").err, "line 1: unknown command \"View\"\n");
    // Control characters in a shown word do not reach the terminal.
    EXPECT_EQ(edit(std::string("bad\x1b[2J 1\n")).err, "line 1: unknown command \"bad?[2J\"\n");
}

TEST_F(CliEditScript, ARefusedLineWritesNothingAndPrintsNothing) {
    const ToolRun run = edit(
        "add-transponder 2 11000 22000 1\nrename-group 1 Changed\nadd-channel 3 X 1 1 1 1 0 0\n");
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "");  // "transponder 3" only once the output is written
    EXPECT_EQ(run.err,
              "line 3: Cannot add this channel: Audio PID must differ from Video PID in the TV "
              "and ALL views.\n");
    EXPECT_FALSE(exists("out.tbn"));
    EXPECT_EQ(readFileBytes(in_), original_);
    // An existing OUT stays as it was.
    testing::writeFileBytes(path("out.tbn"), Bytes{1, 2, 3});
    EXPECT_EQ(edit("rename-group 1 Changed\nrename-group 0 x\n").code, 1);
    EXPECT_EQ(readFileBytes(path("out.tbn")), (Bytes{1, 2, 3}));
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir_)) {
        ++files;
    }
    EXPECT_EQ(files, 2);  // no temporary file left behind
}

TEST_F(CliEditScript, ASuccessfulEditLeavesTheInputAlone) {
    const ToolRun run = edit("add-transponder 2 11000 22000 1\ndelete-channels 0 1 2\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "transponder 3\n");
    EXPECT_EQ(readFileBytes(in_), original_);
    const Bytes out = readFileBytes(path("out.tbn"));
    EXPECT_EQ(out.size(), original_.size());
    EXPECT_EQ(runKavroTool({"check", path("out.tbn")}).code, 0);
}

TEST_F(CliEditScript, TheScriptComesFromAFileStandardInputOrDash) {
    const std::string script = "rename-group 3 F\n";
    testing::writeFileBytes(path("script.txt"), Bytes(script.begin(), script.end()));
    ASSERT_EQ(runKavroTool({"edit", in_, path("out.tbn"), path("script.txt")}, "junk").code, 0);
    ASSERT_TRUE(load(readFileBytes(path("out.tbn"))));
    EXPECT_EQ(db().favoriteGroupName(2), "F");
    ASSERT_EQ(runKavroTool({"edit", in_, path("out.tbn"), "-"}, "rename-group 3 G").code, 0);
    ASSERT_TRUE(load(readFileBytes(path("out.tbn"))));
    EXPECT_EQ(db().favoriteGroupName(2), "G");
    const ToolRun missing = runKavroTool({"edit", in_, path("out2.tbn"), path("none.txt")});
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.err.rfind("Cannot read the script\n", 0), 0u);
    EXPECT_FALSE(exists("out2.tbn"));
}

TEST_F(CliEditScript, BadInputAndOutputFilesAreReported) {
    Bytes bad = knownImage();
    bad[5] ^= 1;  // an uninterpreted header byte: the header checksum no longer fits
    const ToolRun invalid = runKavroTool({"edit", writeImage("bad.tbn", bad), path("out.tbn")}, "");
    EXPECT_EQ(invalid.code, 1);
    EXPECT_EQ(invalid.err.rfind("Invalid DB file!\n", 0), 0u);
    EXPECT_FALSE(exists("out.tbn"));
    const ToolRun missing = runKavroTool({"edit", path("none.tbn"), path("out.tbn")}, "");
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.err.rfind("File open failed!\n", 0), 0u);
    const ToolRun unwritable = runKavroTool({"edit", in_, path("no/such/dir/out.tbn")}, "");
    EXPECT_EQ(unwritable.code, 2);
    EXPECT_EQ(unwritable.err.rfind("File create failed!\n", 0), 0u);
    EXPECT_EQ(unwritable.out, "");
}

TEST_F(CliEditScript, AFailedWriteIsReportedAndPrintsNothing) {
    testing::writeFileBytes(path("out.tbn"), Bytes{7, 7});
    testing::FaultyWriter writer = testing::FaultyWriter::failingAfter(100, ENOSPC);
    const ToolRun run =
        runKavroTool({"edit", in_, path("out.tbn")}, "add-transponder 2 11000 22000 1\n", writer);
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "File create failed!\n" + path("out.tbn") + ": No space left on device\n");
    EXPECT_EQ(readFileBytes(path("out.tbn")), (Bytes{7, 7}));
}

TEST_F(CliEditScript, OutMayBeTheInputFileItself) {
    const ToolRun run = runKavroTool({"edit", in_, in_}, "rename-group 1 Same\n");
    ASSERT_EQ(run.code, 0) << run.err;
    ASSERT_TRUE(load(readFileBytes(in_)));
    EXPECT_EQ(db().favoriteGroupName(0), "Same");
}

// Every sample file: an empty script gives it back byte for byte, and a real edit gives a
// file that is accepted and shows the change.
TEST_F(CliEditScript, SampleFilesRoundTripAndTakeEdits) {
    for (const char* name :
         {"typical.tbn", "gaps-and-orphans.tbn", "short-file.tbn", "full-capacity.tbn"}) {
        const std::string in = sampleFile(name);
        ASSERT_EQ(runKavroTool({"edit", in, path("same.tbn")}, "").code, 0) << name;
        EXPECT_EQ(readFileBytes(path("same.tbn")), readFileBytes(in)) << name;

        ASSERT_TRUE(load(readFileBytes(in)));
        const int before = viewCount(View::All);
        const int first = session_->viewIndex().viewChannels(View::All)[0];
        const std::string script =
            "delete-channels " + std::to_string(first) + "\nrename-group 4 \"Edited \\\"4\\\"\"\n";
        const ToolRun run = runKavroTool({"edit", in, path("edited.tbn")}, script);
        ASSERT_EQ(run.code, 0) << name << ": " << run.err;
        EXPECT_EQ(runKavroTool({"check", path("edited.tbn")}).code, 0);
        ASSERT_TRUE(load(readFileBytes(path("edited.tbn"))));
        EXPECT_EQ(viewCount(View::All), before - 1) << name;
        EXPECT_EQ(db().favoriteGroupName(3), "Edited \"4\"");
        EXPECT_EQ(readFileBytes(path("edited.tbn")).size(), readFileBytes(in).size());
    }
}

// Random scripts from the language's own words: the tool answers 0 or 1, never more,
// and a refused script leaves no output file.
TEST_F(CliEditScript, RandomScriptsNeverCrash) {
    const std::vector<std::string> groups[] = {
        {"view", "add-transponder", "edit-transponder", "delete-transponder", "add-channel",
         "edit-channel", "delete-channels", "move-channels", "set-favorites", "rename-group",
         "import"},
        {"before", "end", "all", "tv", "radio"},
        {"0", "1", "2", "3", "5", "6", "7", "100", "255", "8191", "8192", "11000", "27500", "65535",
         "-1"},
        {"\"A B\"", "\"\"", "\"x\\\"", "#", "\"", "\xC3\xA9", "\xFF", "99999999999999999999"}};
    std::vector<std::string> vocabulary;
    for (const auto& group : groups) {
        vocabulary.insert(vocabulary.end(), group.begin(), group.end());
    }
    std::mt19937 random(12345);
    for (int round = 0; round < 150; ++round) {
        std::string script;
        const int lineCount = 1 + static_cast<int>(random() % 6);
        for (int l = 0; l < lineCount; ++l) {
            const int wordCount = 1 + static_cast<int>(random() % 9);
            for (int w = 0; w < wordCount; ++w) {
                script += vocabulary[random() % vocabulary.size()] + " ";
            }
            script += "\n";
        }
        std::filesystem::remove(path("out.tbn"));
        const ToolRun run = edit(script);
        ASSERT_TRUE(run.code == 0 || run.code == 1) << script << run.err;
        EXPECT_EQ(run.code == 0, exists("out.tbn")) << script;
        if (run.code == 0) {
            EXPECT_EQ(runKavroTool({"check", path("out.tbn")}).code, 0) << script;
        }
    }
}

}  // namespace
}  // namespace kavro::clitest
