// kavro-tool lint and diff, and the script command apply-order: their outputs in text and
// JSON, their exit codes, and one refusal each.
#include <sstream>

#include "CliTestSupport.h"
#include "cli/Tool.h"

namespace kavro::clitest {
namespace {

class CliCompare : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        known_ = writeImage("known.tbn", knownImage());
        six_ = writeImage("six.tbn", sixChannelImage());
    }
    // `in` edited by the script into a new file `name`; its path.
    std::string edited(const std::string& in, const std::string& name, const std::string& script) {
        const ToolRun run = runKavroTool({"edit", in, path(name)}, script);
        EXPECT_EQ(run.code, 0) << run.err;
        return path(name);
    }
    std::string known_;
    std::string six_;
};

TEST_F(CliCompare, LintPrintsOneFindingALineOrJsonAndExitsByWhatItFound) {
    const ToolRun text = runKavroTool({"lint", known_});
    EXPECT_EQ(text.code, 1);
    EXPECT_EQ(text.out,
              "hidden-satellite: satellite 1 \"Hidden\" is not shown: its 1 channel appears in no "
              "tree\n");
    const ToolRun json = runKavroTool({"lint", "--format=json", known_});
    EXPECT_EQ(json.code, 1);
    EXPECT_EQ(
        json.out,
        "{\"findings\": [\n"
        "  {\"kind\": \"hidden-satellite\", \"channel\": 4, \"no\": 4, \"transponder\": null, "
        "\"text\": \"satellite 1 \\\"Hidden\\\" is not shown: its 1 channel appears in no "
        "tree\"}\n"
        "],\n"
        "\"counts\": {\"duplicate-channel\": 0, \"duplicate-name\": 0, \"blank-name\": 0, "
        "\"pid-range\": 0, \"hidden-satellite\": 1, \"duplicate-transponder\": 0, "
        "\"empty-transponder\": 0, "
        "\"favorite-unnamed\": 0}}\n");
    const ToolRun clean = runKavroTool({"lint", six_, "--format", "json"});
    EXPECT_EQ(clean.code, 0);
    EXPECT_EQ(clean.out.substr(0, 17), "{\"findings\": [],\n");
    EXPECT_EQ(runKavroTool({"lint", six_}).out, "");
}

// A caller's buffers kept from one lint to the next: each run writes what a lint of its own
// writes, a file of many findings first, then one of one, then a clean one.
TEST_F(CliCompare, LintWithKeptBuffersWritesWhatALintOfItsOwnWrites) {
    std::string script = "hide-satellite 0\n";
    for (int i = 0; i < 40; ++i) {
        script += "add-transponder 0 11000 22000 1\n";
    }
    const std::string many = edited(known_, "many.tbn", script);
    EditSession session;
    cli::LintBuffers lint;
    for (const std::string& file : {many, known_, six_}) {
        for (const char* format : {"text", "json"}) {
            std::istringstream in;
            std::ostringstream out, err;
            const int code = cli::runTool({"lint", file, "--format", format}, in, out, err,
                                          systemFileWriter(), false, &session, &lint);
            const ToolRun own = runKavroTool({"lint", file, "--format", format});
            EXPECT_EQ(code, own.code) << file;
            EXPECT_EQ(out.str(), own.out) << file;
        }
    }
    EXPECT_GT(lines(runKavroTool({"lint", many}).out).size(), 40u);
}

TEST_F(CliCompare, LintAndDiffExitTwoForAFileTheyCannotTake) {
    const std::string invalid = writeImage("bad.tbn", Bytes(100, 0));
    for (const std::vector<std::string>& args : {std::vector<std::string>{"lint", invalid},
                                                 {"lint", path("none.tbn")},
                                                 {"diff", six_, invalid},
                                                 {"diff", path("none.tbn"), six_},
                                                 {"lint"},
                                                 {"diff", six_},
                                                 {"lint", six_, "--format", "csv"},
                                                 {"diff", six_, six_, six_}}) {
        const ToolRun run = runKavroTool(args);
        EXPECT_EQ(run.code, 2) << args.back();
        EXPECT_EQ(run.out, "") << args.back();
        EXPECT_NE(run.err, "") << args.back();
    }
}

TEST_F(CliCompare, DiffOfAFileWithItselfIsEqual) {
    const ToolRun run = runKavroTool({"diff", known_, known_});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out,
              "0 added, 0 removed, 0 changed, 0 moved; transponders: 0 added, 0 removed, 0 "
              "changed; groups: 0 renamed; satellites: 0 changed\n");
}

TEST_F(CliCompare, DiffTextSummarisesThenListsEachDifference) {
    const std::string b = edited(known_, "b.tbn",
                                 "delete-channels 2\n"
                                 "move-channels 5 before 0\n"
                                 "edit-transponder 2 12000 27500 1\n"
                                 "rename-group 8 Sports\n");
    const ToolRun run = runKavroTool({"diff", known_, b});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out,
              "0 added, 1 removed, 0 changed, 1 moved; transponders: 0 added, 0 removed, 1 "
              "changed; groups: 1 renamed; satellites: 0 changed\n"
              "removed: \"Say \"Hi\"\" (Astra 19.2E 9750H, SID 17), row 2\n"
              "moved: \"After Gap\" (Astra 19.2E 11727V, SID 66), row 5 -> 0\n"
              "transponder changed: Caf\xC3\xA9 12000H, symbol rate 22000 -> 27500\n"
              "group 8 renamed: \"Sport\" -> \"Sports\"\n");
}

TEST_F(CliCompare, DiffReportsSatellitesShownHiddenAndRenamed) {
    const std::string b =
        edited(known_, "b.tbn", "hide-satellite 0\nshow-satellite 1\nrename-satellite 2 Aurora\n");
    const ToolRun run = runKavroTool({"diff", known_, b});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out,
              "0 added, 0 removed, 0 changed, 0 moved; transponders: 0 added, 0 removed, 0 "
              "changed; groups: 0 renamed; satellites: 3 changed\n"
              "satellite 0 hidden: \"Astra 19.2E\"\n"
              "satellite 1 shown: \"Hidden\"\n"
              "satellite 2 renamed: \"Hot Bird\" -> \"Aurora\"\n");
    const ToolRun json = runKavroTool({"diff", "--format=json", known_, b});
    EXPECT_NE(json.out.find("  \"satellites\": [\n    {\"satellite\": 0, \"a\": {\"name\": "
                            "\"Astra 19.2E\", \"shown\": true}, \"b\": {\"name\": \"Astra "
                            "19.2E\", \"shown\": false}},\n"),
              std::string::npos)
        << json.out;
}

TEST_F(CliCompare, DiffJsonNamesEachChangedFieldWithBothValues) {
    const std::string b = edited(six_, "b.tbn", "edit-channel 1 B 101 102 101 101 1\n");
    const ToolRun run = runKavroTool({"diff", "--format", "json", six_, b});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out,
              "{\n"
              "  \"channels\": {\n"
              "    \"added\": [],\n"
              "    \"removed\": [],\n"
              "    \"changed\": [\n"
              "      {\"name\": \"b\", \"satellite\": 0, \"frequency\": 11000, "
              "\"polarization\": \"V\", \"sid\": 101, \"a\": {\"row\": 1, \"index\": 1}, "
              "\"b\": {\"row\": 1, \"index\": 1}, \"fields\": [{\"field\": \"name\", \"a\": "
              "\"b\", \"b\": \"B\"}, {\"field\": \"lock\", \"a\": false, \"b\": true}]}\n"
              "    ],\n"
              "    \"moved\": []\n"
              "  },\n"
              "  \"transponders\": {\n"
              "    \"added\": [],\n"
              "    \"removed\": [],\n"
              "    \"changed\": []\n"
              "  },\n"
              "  \"groups\": [],\n"
              "  \"satellites\": [],\n"
              "  \"summary\": {\"added\": 0, \"removed\": 0, \"changed\": 1, \"moved\": 0, "
              "\"transponders_added\": 0, \"transponders_removed\": 0, "
              "\"transponders_changed\": 0, \"groups_renamed\": 0, \"satellites_changed\": 0}\n"
              "}\n");
}

// The reference lists e f a b d: c has no match and follows them.
TEST_F(CliCompare, ApplyOrderTakesTheOrderOfADatabaseOrOfItsWrittenList) {
    const std::string reference =
        edited(six_, "ref.tbn", "move-channels 4 5 before 0\ndelete-channels 4\n");
    const ToolRun csv = runKavroTool({"list", reference, "--format", "csv"});
    ASSERT_EQ(csv.code, 0);
    testing::writeFileBytes(path("ref.csv"), Bytes(csv.out.begin(), csv.out.end()));
    for (const std::string& file : {reference, path("ref.csv")}) {
        const ToolRun run = runKavroTool({"edit", six_, path("out.tbn")}, "apply-order " + file);
        EXPECT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(run.out, "5 channels ordered, 1 without a match\n");
        const ToolRun list = runKavroTool({"list", path("out.tbn"), "--format", "json"});
        std::string order;
        for (const std::string& line : lines(list.out)) {
            const size_t at = line.find("\"channel\": \"");
            order += at == std::string::npos ? "" : line.substr(at + 12, 1);
        }
        EXPECT_EQ(order, "efabdc") << file;
    }
    const ToolRun missing =
        runKavroTool({"edit", six_, path("out2.tbn")}, "apply-order " + path("none.csv"));
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err.rfind("line 1: File open failed! \"", 0), 0u) << missing.err;
    EXPECT_FALSE(exists("out2.tbn"));
}

}  // namespace
}  // namespace kavro::clitest
