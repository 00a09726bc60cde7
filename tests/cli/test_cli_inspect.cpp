// kavro-tool check and info, and the tool's usage errors.
#include <algorithm>
#include <filesystem>
#include <utility>

#include "CliTestSupport.h"
#include "database/ByteOrder.h"
#include "dbfile/ImageFormat.h"

namespace kavro::clitest {
namespace {

using testing::fixChecksums;
using testing::TestImageBuilder;

class CliInspect : public CliTest {};

// The stored and the computed value of an info checksum line.
std::pair<std::string, std::string> checksums(const std::string& line) {
    const size_t stored = line.find("stored ");
    const size_t computed = line.find(", computed ");
    if (stored == std::string::npos || computed == std::string::npos) {
        return {"?", "!"};
    }
    return {line.substr(stored + 7, computed - stored - 7), line.substr(computed + 11)};
}

TEST_F(CliInspect, CheckAcceptsAValidImage) {
    const std::string file = writeImage("valid.tbn", knownImage());
    const ToolRun run = runKavroTool({"check", file});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, "ok\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(CliInspect, CheckRejectsEachKindOfDamageWithItsReason) {
    struct Damage {
        const char* reason;
        Bytes image;
    };
    Bytes magic = knownImage();
    magic[0] = 0xC0;  // stored as C0 CE: the wrong byte order
    magic[1] = 0xCE;
    fixChecksums(magic);
    Bytes header = knownImage();
    header[hdr::HeaderChecksum] ^= 0x01;
    Bytes data = knownImage();
    data[ChannelRegion + 100] ^= 0x40;
    TestImageBuilder tooLong(4);
    tooLong.coveredLength(BodySize + 1);
    const Damage damages[] = {{"wrong magic number", magic},
                              {"header checksum mismatch", header},
                              {"data checksum mismatch", data},
                              {"covered length reaches beyond the image", tooLong.build()}};
    for (const Damage& damage : damages) {
        const std::string file = writeImage("damaged.tbn", damage.image);
        const ToolRun run = runKavroTool({"check", file});
        EXPECT_EQ(run.code, 1) << damage.reason;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "Invalid DB file!\n" + file + ": " + damage.reason + "\n");
    }
}

TEST_F(CliInspect, CheckReadsShortEmptyAndLongFilesAsOpenDoes) {
    // A short valid file and a file longer than the image are accepted.
    EXPECT_EQ(runKavroTool({"check", sampleFile("short-file.tbn")}).code, 0);
    Bytes longer = knownImage();
    longer.resize(ImageSize + 1000, 0x5A);
    EXPECT_EQ(runKavroTool({"check", writeImage("long.tbn", longer)}).code, 0);
    // An empty file reads nothing over a zero image.
    const ToolRun empty = runKavroTool({"check", writeImage("empty.tbn", {})});
    EXPECT_EQ(empty.code, 1);
    EXPECT_EQ(empty.err.rfind("Invalid DB file!\n", 0), 0u) << empty.err;
    // A file cut inside the header is rejected the same way.
    const Bytes image = knownImage();
    const ToolRun cut =
        runKavroTool({"check", writeImage("cut.tbn", Bytes(image.begin(), image.begin() + 10))});
    EXPECT_EQ(cut.code, 1);
}

TEST_F(CliInspect, UnreadableFilesExitWithTwo) {
    const ToolRun missing = runKavroTool({"check", path("missing.tbn")});
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.err.rfind("File open failed!\n" + path("missing.tbn") + ": ", 0), 0u);
    EXPECT_GT(missing.err.size(), ("File open failed!\n" + path("missing.tbn") + ": \n").size());
    const ToolRun directory = runKavroTool({"info", dir_});
    EXPECT_EQ(directory.code, 2);
    EXPECT_EQ(directory.out, "");
    EXPECT_EQ(directory.err.rfind("File open failed!\n", 0), 0u);
}

TEST_F(CliInspect, InfoSummarisesAnAcceptedImage) {
    const std::string file = writeImage("known.tbn", knownImage());
    const ToolRun run = runKavroTool({"info", file});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 26u) << run.out;
    // Stored and computed checksums agree on an accepted file.
    EXPECT_EQ(out[5].rfind("data checksum: stored 0x", 0), 0u);
    EXPECT_EQ(out[6].rfind("header checksum: stored 0x", 0), 0u);
    for (const std::string& line : {out[5], out[6]}) {
        EXPECT_EQ(checksums(line).first, checksums(line).second) << line;
    }
    EXPECT_EQ(run.out,
              "file: " + file +
                  "\nmagic: 0xC0CE\ndataLength: 1179680\ndataLengthExtra: 0\n"
                  "covered length: 1179648\n" +
                  out[5] + "\n" + out[6] +
                  "\nbytes read: 1179680\nshown satellites: 3\nsatellites:\n"
                  "  0: Astra 19.2E (2 transponders)\n  1: Hidden (1 transponder) not shown\n"
                  "  2: Hot Bird (0 transponders)\n  3: Caf\xC3\xA9 (1 transponder)\n"
                  "live transponders: 4\n"
                  "TV channels: 4\nradio channels: 2\nfavourite groups:\n  1: News\n  2: \n"
                  "  3: \n  4: \n  5: \n  6: \n  7: \n  8: Sport\n");
}

TEST_F(CliInspect, InfoShowsTheHeaderOfARejectedImage) {
    Bytes image = knownImage();
    writeU16(image.data() + hdr::HeaderChecksum, 0x1234);
    const ToolRun run = runKavroTool({"info", writeImage("bad.tbn", image)});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err.rfind("Invalid DB file!\n", 0), 0u);
    const std::vector<std::string> out = lines(run.out);
    ASSERT_GE(out.size(), 8u) << run.out;
    EXPECT_NE(out[0].find("(rejected)"), std::string::npos);
    EXPECT_EQ(checksums(out[6]).first, "0x1234") << out[6];
    EXPECT_NE(checksums(out[6]).second, "0x1234") << out[6];
    EXPECT_EQ(checksums(out[5]).first, checksums(out[5]).second) << out[5];
    EXPECT_EQ(out[7], "bytes read: 1179680");
}

TEST_F(CliInspect, InfoOfAShortSampleFileCountsTheBytesRead) {
    const ToolRun run = runKavroTool({"info", sampleFile("short-file.tbn")});
    ASSERT_EQ(run.code, 0) << run.err;
    const auto size = std::filesystem::file_size(sampleFile("short-file.tbn"));
    EXPECT_NE(run.out.find("bytes read: " + std::to_string(size) + "\n"), std::string::npos);
}

// A caller may hand every command one session: whatever the one before loaded into it, long,
// full or refused, each command answers as it does in a session of its own.
TEST_F(CliInspect, CommandsInAReusedSessionAnswerAsAlone) {
    Bytes shortImage = knownImage();
    std::fill(shortImage.begin() + 200000, shortImage.end(), 0);
    fixChecksums(shortImage);
    const std::vector<std::string> files = {
        writeImage("full.tbn", testing::fullCapacityImage(3)),
        writeImage("short.tbn", Bytes(shortImage.begin(), shortImage.begin() + 200000)),
        writeImage("bad.tbn", Bytes(100, 0x5A)), writeImage("known.tbn", knownImage())};
    const std::vector<std::vector<std::string>> commands = {
        {"check"}, {"info"}, {"tree", "--format", "json"}, {"list", "--view", "radio"}, {"lint"}};
    EditSession reused;
    for (const auto& command : commands) {
        for (const std::string& file : files) {
            std::vector<std::string> args = command;
            args.insert(args.begin() + 1, file);
            const ToolRun alone = runKavroTool(args);
            const ToolRun again = runKavroTool(args, "", systemFileWriter(), &reused);
            EXPECT_EQ(again.code, alone.code) << command[0] << " " << file;
            EXPECT_EQ(again.out, alone.out) << command[0] << " " << file;
            EXPECT_EQ(again.err, alone.err) << command[0] << " " << file;
        }
    }
}

TEST(CliUsage, UsageErrorsExitWithTwoAndShowTheUsage) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"frobnicate"},
        {"check"},
        {"check", "a", "b"},
        {"info"},
        {"tree"},
        {"tree", "f.tbn", "--satellite", "1"},  // tree has no satellite filter
        {"tree", "f.tbn", "--format", "csv"},
        {"list", "f.tbn", "--view"},
        {"list", "f.tbn", "--view", "hd"},
        {"list", "f.tbn", "--format=xml"},
        {"list", "f.tbn", "--satellite", "65"},
        {"list", "f.tbn", "--satellite", "-1"},
        {"list", "f.tbn", "g.tbn"},
        {"list", "f.tbn", "--colour"},
        {"edit", "in.tbn"},
        {"edit", "in.tbn", "out.tbn", "s.txt", "extra"},
    };
    for (const auto& args : bad) {
        const ToolRun run = runKavroTool(args);
        EXPECT_EQ(run.code, 2) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("usage: kavro-tool"), std::string::npos);
    }
    const ToolRun help = runKavroTool({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.out.rfind("usage: kavro-tool", 0), 0u);
}

}  // namespace
}  // namespace kavro::clitest
