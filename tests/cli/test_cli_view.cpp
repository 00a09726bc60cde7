// kavro-tool tree and list: the editor's texts for each view, in text, CSV and JSON.
#include "CliTestSupport.h"

namespace kavro::clitest {
namespace {

using testing::TestImageBuilder;

class CliView : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        file_ = writeImage("known.tbn", knownImage());
    }
    ToolRun run(std::vector<std::string> options, const std::string& command) {
        options.insert(options.begin(), {command, file_});
        return runKavroTool(options);
    }
    std::string file_;
};

const char* const Cafe = "Caf\xC3\xA9";   // the Latin-1 name written as UTF-8
const std::string Fffd = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

TEST_F(CliView, TreeTextShowsEachViewsCounts) {
    const std::string cafe = Cafe;
    EXPECT_EQ(run({}, "tree").out,
              "Astra 19.2E (2 TPs, 4 CHs)\n"
              "  11727V 27500 (3 CHs)\n"
              "   9750H  5000 (1 CHs)\n"
              "Hot Bird (0 TPs, 0 CHs)\n" +
                  cafe + " (1 TPs, 1 CHs)\n" + "  12000H 22000 (1 CHs)\n");
    EXPECT_EQ(run({"--view", "tv"}, "tree").out,
              "Astra 19.2E (2 TPs, 3 CHs)\n"
              "  11727V 27500 (2 CHs)\n"
              "   9750H  5000 (1 CHs)\n"
              "Hot Bird (0 TPs, 0 CHs)\n" +
                  cafe + " (1 TPs, 1 CHs)\n" + "  12000H 22000 (1 CHs)\n");
    const ToolRun radio = run({"--view=radio", "--format", "text"}, "tree");
    EXPECT_EQ(radio.code, 0);
    EXPECT_EQ(radio.out,
              "Astra 19.2E (2 TPs, 1 CHs)\n"
              "  11727V 27500 (1 CHs)\n"
              "   9750H  5000\n"
              "Hot Bird (0 TPs, 0 CHs)\n" +
                  cafe + " (1 TPs, 0 CHs)\n" + "  12000H 22000\n");
}

TEST_F(CliView, TreeJson) {
    const ToolRun tree = run({"--format", "json"}, "tree");
    EXPECT_EQ(tree.code, 0);
    EXPECT_EQ(tree.out, std::string("[\n") +
                            "  {\"text\": \"Astra 19.2E (2 TPs, 4 CHs)\", \"satellite\": 0, "
                            "\"transponders\": [\n"
                            "    {\"text\": \"11727V 27500 (3 CHs)\", \"index\": 0},\n"
                            "    {\"text\": \" 9750H  5000 (1 CHs)\", \"index\": 1}\n"
                            "  ]},\n"
                            "  {\"text\": \"Hot Bird (0 TPs, 0 CHs)\", \"satellite\": 2, "
                            "\"transponders\": []},\n"
                            "  {\"text\": \"" +
                            Cafe +
                            " (1 TPs, 1 CHs)\", \"satellite\": 3, \"transponders\": [\n"
                            "    {\"text\": \"12000H 22000 (1 CHs)\", \"index\": 2}\n"
                            "  ]}\n"
                            "]\n");
}

TEST_F(CliView, ListTextInEachView) {
    const std::string cafe = Cafe;
    const std::string header = "No.\tSat\tTp\tChannel\tCAS\tFAV\tLock\tIndex\n";
    const std::string erste = "\tAstra 19.2E\t11727V\tDas Erste\t\t\t\t0\n";
    const std::string eins = "\tAstra 19.2E\t11727V\tRadio, Eins[R]\t\t\t\t1\n";
    const std::string hi = "\tAstra 19.2E\t 9750H\tSay \"Hi\"\t\t\t\t2\n";
    const std::string cafeTv = "\t" + cafe + "\t12000H\t" + cafe + " TV\tSeca/Other\tV\tV\t3\n";
    const std::string hidden = "\tHidden\t10000V\tHidden One[R]\t\t\t\t4\n";
    const std::string gap = "\tAstra 19.2E\t11727V\tAfter Gap\t\t\t\t6\n";
    // The all view lists live channels in table order; free slot 5 is no row.
    EXPECT_EQ(run({}, "list").out, header + "0000" + erste + "0001" + eins + "0002" + hi + "0003" +
                                       cafeTv + "0004" + hidden + "0005" + gap);
    EXPECT_EQ(run({"--view", "tv"}, "list").out,
              header + "0000" + erste + "0001" + hi + "0002" + cafeTv + "0003" + gap);
    EXPECT_EQ(run({"--view", "radio"}, "list").out, header + "0000" + eins + "0001" + hidden);
}

TEST_F(CliView, ListSatelliteFilterNumbersRowsFromZero) {
    const std::string header = "No.\tSat\tTp\tChannel\tCAS\tFAV\tLock\tIndex\n";
    EXPECT_EQ(run({"--satellite", "0", "--view", "tv"}, "list").out,
              header + "0000\tAstra 19.2E\t11727V\tDas Erste\t\t\t\t0\n" +
                  "0001\tAstra 19.2E\t 9750H\tSay \"Hi\"\t\t\t\t2\n" +
                  "0002\tAstra 19.2E\t11727V\tAfter Gap\t\t\t\t6\n");
    // A satellite the tree hides still filters, like the list does.
    EXPECT_EQ(run({"--satellite=1"}, "list").out,
              header + "0000\tHidden\t10000V\tHidden One[R]\t\t\t\t4\n");
    EXPECT_EQ(run({"--satellite", "2"}, "list").out, header);
}

TEST_F(CliView, ListCsvQuotesAsRfc4180) {
    const std::string cafe = Cafe;
    const ToolRun csv = run({"--format", "csv", "--satellite", "0"}, "list");
    EXPECT_EQ(csv.code, 0);
    EXPECT_EQ(csv.out,
              "No.,Sat,Tp,Channel,CAS,FAV,Lock,Index\r\n"
              "0000,Astra 19.2E,11727V,Das Erste,,,,0\r\n"
              "0001,Astra 19.2E,11727V,\"Radio, Eins[R]\",,,,1\r\n"
              "0002,Astra 19.2E,\" 9750H\",\"Say \"\"Hi\"\"\",,,,2\r\n"
              "0003,Astra 19.2E,11727V,After Gap,,,,6\r\n");
    EXPECT_EQ(run({"--format", "csv", "--satellite", "3"}, "list").out,
              "No.,Sat,Tp,Channel,CAS,FAV,Lock,Index\r\n0000," + cafe + ",12000H," + cafe +
                  " TV,Seca/Other,V,V,3\r\n");
}

TEST_F(CliView, ListJson) {
    EXPECT_EQ(run({"--format", "json", "--view", "radio"}, "list").out,
              "[\n"
              "  {\"no\": \"0000\", \"sat\": \"Astra 19.2E\", \"tp\": \"11727V\", \"channel\": "
              "\"Radio, Eins[R]\", \"cas\": \"\", \"fav\": \"\", \"lock\": \"\", \"index\": 1},\n"
              "  {\"no\": \"0001\", \"sat\": \"Hidden\", \"tp\": \"10000V\", \"channel\": "
              "\"Hidden One[R]\", \"cas\": \"\", \"fav\": \"\", \"lock\": \"\", \"index\": 4}\n"
              "]\n");
    EXPECT_EQ(
        run({"--format", "json", "--satellite", "3"}, "list").out,
        std::string("[\n  {\"no\": \"0000\", \"sat\": \"") + Cafe +
            "\", \"tp\": \"12000H\", \"channel\": \"" + Cafe +
            " TV\", \"cas\": \"Seca/Other\", \"fav\": \"V\", \"lock\": \"V\", \"index\": 3}\n]\n");
    EXPECT_EQ(run({"--format", "json", "--satellite", "2"}, "list").out, "[]\n");
}

TEST_F(CliView, AwkwardNameBytesStayInsideTheirCell) {
    TestImageBuilder builder(2);
    builder.satellite(0, "S\\1").transponder(0, 0, 11000000, 27500, 0);
    builder.channel(0, 0, "a\\b\x01\tc", 1).channel(1, 0, "x\ny\"", 2);
    const std::string file = writeImage("awkward.tbn", builder.build());
    EXPECT_EQ(
        runKavroTool({"list", file, "--format", "json"}).out,
        "[\n"
        "  {\"no\": \"0000\", \"sat\": \"S\\\\1\", \"tp\": \"11000V\", \"channel\": "
        "\"a\\\\b\\u0001\\tc\", \"cas\": \"\", \"fav\": \"\", \"lock\": \"\", \"index\": 0},\n"
        "  {\"no\": \"0001\", \"sat\": \"S\\\\1\", \"tp\": \"11000V\", \"channel\": "
        "\"x\\ny\\\"\", \"cas\": \"\", \"fav\": \"\", \"lock\": \"\", \"index\": 1}\n"
        "]\n");
    EXPECT_EQ(runKavroTool({"list", file, "--format", "csv"}).out,
              "No.,Sat,Tp,Channel,CAS,FAV,Lock,Index\r\n"
              "0000,S\\1,11000V,\"a\\b\x01\tc\",,,,0\r\n"
              "0001,S\\1,11000V,\"x\ny\"\"\",,,,1\r\n");
    // Text output keeps every row on one line with eight fields: control characters show as
    // U+FFFD.
    const std::vector<std::string> text = lines(runKavroTool({"list", file}).out);
    ASSERT_EQ(text.size(), 3u);
    EXPECT_EQ(text[1], "0000\tS\\1\t11000V\ta\\b" + Fffd + Fffd + "c\t\t\t\t0");
    EXPECT_EQ(text[2], "0001\tS\\1\t11000V\tx" + Fffd + "y\"\t\t\t\t1");
}

// Terminal control codes in names (ESC sequences, BEL, C1 codes) never reach the output
// raw: text shows them as U+FFFD, JSON escapes them, CSV quotes the field and keeps them.
TEST_F(CliView, ControlCodesInNamesAreShownEscapedOrQuoted) {
    TestImageBuilder builder(3);
    builder.satellite(0, "\x1B]0;owned\x07Sat").transponder(0, 0, 11000000, 27500, 0);
    builder
        .channel(0, 0,
                 "C1\x9B"
                 "2J\x85\x7F",
                 1)
        .favoriteName(0, "Bell\x07");
    const std::string file = writeImage("codes.tbn", builder.build());
    const std::string sat = Fffd + "]0;owned" + Fffd + "Sat";
    EXPECT_EQ(lines(runKavroTool({"tree", file}).out)[0], sat + " (1 TPs, 1 CHs)");
    EXPECT_EQ(lines(runKavroTool({"list", file}).out)[1],
              "0000\t" + sat + "\t11000V\tC1" + Fffd + "2J" + Fffd + Fffd + "\t\t\t\t0");
    EXPECT_NE(runKavroTool({"info", file}).out.find("  1: Bell" + Fffd + "\n"), std::string::npos);
    const std::string json = runKavroTool({"list", file, "--format", "json"}).out;
    EXPECT_NE(json.find("\"sat\": \"\\u001b]0;owned\\u0007Sat\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"channel\": \"C1\\u009b2J\\u0085\\u007f\""), std::string::npos) << json;
    EXPECT_NE(runKavroTool({"tree", file, "--format", "json"}).out.find("\\u001b]0;owned"),
              std::string::npos);
    EXPECT_EQ(lines(runKavroTool({"list", file, "--format", "csv"}).out)[1],
              "0000,\"\x1B]0;owned\x07Sat\",11000V,\"C1\xC2\x9B"
              "2J\xC2\x85\x7F\",,,,0\r");
}

TEST_F(CliView, AnEmptyDatabaseListsNothing) {
    const std::string file = writeImage("empty.tbn", TestImageBuilder(9).build());
    EXPECT_EQ(runKavroTool({"tree", file}).out, "");
    EXPECT_EQ(runKavroTool({"tree", file, "--format", "json"}).out, "[]\n");
    EXPECT_EQ(runKavroTool({"list", file, "--format", "json"}).out, "[]\n");
    EXPECT_EQ(runKavroTool({"list", file, "--format", "csv"}).out,
              "No.,Sat,Tp,Channel,CAS,FAV,Lock,Index\r\n");
}

TEST_F(CliView, RejectedAndMissingFilesPrintNothing) {
    Bytes image = knownImage();
    image[0] ^= 1;
    const ToolRun invalid = runKavroTool({"list", writeImage("bad.tbn", image)});
    EXPECT_EQ(invalid.code, 1);
    EXPECT_EQ(invalid.out, "");
    const ToolRun missing = runKavroTool({"tree", path("none.tbn")});
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.out, "");
}

// The sample files: every view lists each live channel once, and the tree's channel
// counts add up to the list rows of the shown satellites.
TEST(CliViewSamples, ListsAndTreesAgreeOnTheSampleFiles) {
    for (const char* name :
         {"typical.tbn", "gaps-and-orphans.tbn", "short-file.tbn", "full-capacity.tbn"}) {
        const std::string file = sampleFile(name);
        const size_t all = lines(runKavroTool({"list", file}).out).size() - 1;
        const size_t tv = lines(runKavroTool({"list", file, "--view", "tv"}).out).size() - 1;
        const size_t radio = lines(runKavroTool({"list", file, "--view", "radio"}).out).size() - 1;
        EXPECT_EQ(all, tv + radio) << name;
        const ToolRun info = runKavroTool({"info", file});
        EXPECT_NE(info.out.find("TV channels: " + std::to_string(tv) + "\n"), std::string::npos);
        EXPECT_NE(info.out.find("radio channels: " + std::to_string(radio) + "\n"),
                  std::string::npos);
        // Satellite lines end in "(N TPs, M CHs)"; the M of shown satellites never exceed
        // the channels listed.
        size_t treeChannels = 0;
        for (const std::string& line : lines(runKavroTool({"tree", file}).out)) {
            if (line.find(" TPs, ") == std::string::npos) {
                continue;  // a transponder item
            }
            const size_t comma = line.rfind(", ");
            treeChannels += std::stoul(line.substr(comma + 2));
        }
        EXPECT_LE(treeChannels, all) << name;
        EXPECT_EQ(runKavroTool({"tree", file, "--format", "json"}).code, 0);
        EXPECT_EQ(runKavroTool({"list", file, "--format", "csv"}).code, 0);
    }
}

}  // namespace
}  // namespace kavro::clitest
