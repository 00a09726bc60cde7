// kavro-tool's help and version, and the manual page that must carry every synopsis and
// option line of the help.
#include <regex>

#include "CliTestSupport.h"
#include "KavroVersion.h"
#include "cli/EditScript.h"
#include "support/HelpAndManual.h"

namespace kavro::clitest {
namespace {

using testing::helpSynopsisAndOptionLines;
using testing::linesMissingFrom;

// The commands the tool's usage names: "kavro-tool WORD ..." with WORD in lower case.
std::vector<std::string> commandsOfUsage(const std::string& usage) {
    std::vector<std::string> commands;
    const std::regex synopsis(R"(kavro-tool ([a-z]+))");
    for (const std::string& line : helpSynopsisAndOptionLines(usage)) {
        std::smatch match;
        if (std::regex_search(line, match, synopsis)) {
            commands.push_back(match[1]);
        }
    }
    return commands;
}

TEST(CliHelp, EverySynopsisAndOptionLineStandsInTheManualPage) {
#ifdef _WIN32
    GTEST_SKIP() << "groff renders the manual page on Linux, from the same help texts";
#endif
    const std::string page = testing::renderedManualPage(KAVRO_MANUAL_DIR "/kavro-tool.1");
    ASSERT_NE(page, "") << "groff could not render kavro-tool.1";

    const ToolRun usage = runKavroTool({"--help"});
    const std::vector<std::string> commands = commandsOfUsage(usage.out);
    EXPECT_EQ(commands, (std::vector<std::string>{"check", "info", "tree", "list", "lint", "diff",
                                                  "edit", "backups"}));
    EXPECT_EQ(linesMissingFrom(helpSynopsisAndOptionLines(usage.out), page),
              std::vector<std::string>{});
    for (const std::string& command : commands) {
        const ToolRun help = runKavroTool({command, "--help"});
        const std::vector<std::string> checked = helpSynopsisAndOptionLines(help.out);
        EXPECT_GE(checked.size(), 2u) << command;  // its synopsis and --help at least
        EXPECT_EQ(linesMissingFrom(checked, page), std::vector<std::string>{}) << command;
    }
}

TEST(CliHelp, HelpAndVersionAnswerOnStandardOutput) {
    struct Case {
        std::vector<std::string> args;
        std::string start;  // of standard output
    };
    const std::string version = "kavro-tool " + std::string(KavroVersion) + "\n";
    const Case cases[] = {
        {{"--help"}, "usage: kavro-tool check FILE\n"},
        {{"-h"}, "usage: kavro-tool check FILE\n"},
        {{"help"}, "usage: kavro-tool check FILE\n"},
        {{"--version"}, version},
        {{"help", "list"}, "usage: kavro-tool list FILE"},
        {{"list", "--help"}, "usage: kavro-tool list FILE"},
        {{"list", "f.tbn", "--view", "tv", "--help"}, "usage: kavro-tool list FILE"},
        {{"edit", "in.tbn", "out.tbn", "-h"}, "usage: kavro-tool edit IN OUT"},
        {{"check", "--help", "extra"}, "usage: kavro-tool check FILE\n"},
    };
    for (const Case& c : cases) {
        const ToolRun run = runKavroTool(c.args);
        EXPECT_EQ(run.code, 0) << c.args.back();
        EXPECT_EQ(run.out.substr(0, c.start.size()), c.start) << c.args.back();
        EXPECT_EQ(run.err, "");
    }
    // The edit help lists every script command, from the table the script runs on.
    const std::string edit = runKavroTool({"edit", "--help"}).out;
    for (const std::string_view usage : cli::scriptCommandUsages()) {
        EXPECT_NE(edit.find("\n  " + std::string(usage) + "\n"), std::string::npos) << usage;
    }
}

TEST(CliHelp, HelpIsNotTakenForAFileOrAnUnknownCommand) {
    // After "--", "--help" is a FILE; help for an unknown command is a usage error.
    const ToolRun file = runKavroTool({"list", "--", "--help"});
    EXPECT_EQ(file.code, 2);
    EXPECT_EQ(file.out, "");
    EXPECT_EQ(file.err.rfind("File open failed!\n--help: ", 0), 0u) << file.err;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"help", "frobnicate"}, {"frobnicate", "--help"}}) {
        const ToolRun run = runKavroTool(args);
        EXPECT_EQ(run.code, 2) << args[0];
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("usage: kavro-tool"), std::string::npos);
    }
}

}  // namespace
}  // namespace kavro::clitest
