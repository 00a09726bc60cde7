// kavro's command line, run as a user runs it: --help and --version answer on standard
// output with no display at all (DISPLAY and WAYLAND_DISPLAY unset, the X11 platform
// forced), so they cannot have created a window; the help stands in the manual page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KavroVersion.h"
#include "app/StartArguments.h"
#include "support/HelpAndManual.h"

namespace kavro {
namespace {

using testing::CommandRun;
using testing::runShellCommand;
using testing::shellQuoted;

CommandRun runKavro(const std::vector<std::string>& args, const std::string& redirect = "") {
    std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb ";
    command += shellQuoted(KAVRO_PROGRAM);
    for (const std::string& arg : args) {
        command += " " + shellQuoted(arg);
    }
    return runShellCommand(command + " " + redirect + " 2>/dev/null");
}

TEST(StartArguments, HelpAndVersionAnswerWithoutADisplay) {
    struct Case {
        std::vector<std::string> args;
        std::string start;  // of standard output
    };
    const std::string version = "kavro " + std::string(KavroVersion) + "\n";
    const Case cases[] = {
        {{"--help"}, "usage: kavro [--lang CODE] [FILE]\n"},
        {{"-h"}, "usage: kavro [--lang CODE] [FILE]\n"},
        {{"--version"}, version},
        {{"--version", "--help"}, version},  // the first one decides
        {{"file.tbn", "--help"}, "usage: kavro [--lang CODE] [FILE]\n"},
    };
    for (const Case& c : cases) {
        const CommandRun run = runKavro(c.args);
        EXPECT_EQ(run.code, 0) << c.args.front();
        EXPECT_EQ(run.out.substr(0, c.start.size()), c.start) << c.args.front();
    }
    EXPECT_EQ(runKavro({"--version"}).out, version);
}

TEST(StartArguments, OtherArgumentsAndFailedWritesDoNotPassAsAnAnswer) {
    // After "--" nothing is an option: the editor starts, and with no display it fails.
    const CommandRun window = runKavro({"--", "--help"});
    EXPECT_NE(window.code, 0);
    EXPECT_EQ(window.out, "");
    // A help that could not be written is a failure.
    EXPECT_EQ(runKavro({"--help"}, ">/dev/full").code, 2);
}

// What is left once Qt has taken its own options: the first argument that is not an option,
// or the one after "--", is the file to open.
TEST(StartArguments, FileArgument) {
    struct Case {
        std::vector<const char*> args;
        const char* file;
    };
    const Case cases[] = {
        {{"kavro"}, nullptr},
        {{"kavro", "db.tbn"}, "db.tbn"},
        {{"kavro", "-x", "a.tbn", "b.tbn"}, "a.tbn"},
        {{"kavro", "--", "-odd name.tbn"}, "-odd name.tbn"},
        {{"kavro", "--"}, nullptr},
        {{"kavro", "-"}, nullptr},
        {{"kavro", "--lang", "de", "db.tbn"}, "db.tbn"},
        {{"kavro", "--lang=ar", "db.tbn"}, "db.tbn"},
        {{"kavro", "--lang", "de"}, nullptr},
    };
    for (const Case& c : cases) {
        const char* file = fileArgument(static_cast<int>(c.args.size()), c.args.data());
        EXPECT_EQ(file ? std::string(file) : "(none)", c.file ? std::string(c.file) : "(none)")
            << c.args.back();
    }
}

// "--lang CODE" and "--lang=CODE" name the window's language; a "--lang" with no code (or
// with an option after it) is refused before any window opens.
TEST(StartArguments, LanguageArgument) {
    struct Case {
        std::vector<const char*> args;
        const char* language;
        StartRequest request;
    };
    const Case cases[] = {
        {{"kavro", "db.tbn"}, nullptr, StartRequest::OpenWindow},
        {{"kavro", "--lang", "de", "db.tbn"}, "de", StartRequest::OpenWindow},
        {{"kavro", "db.tbn", "--lang=pt_BR"}, "pt_BR", StartRequest::OpenWindow},
        {{"kavro", "--", "--lang", "de"}, nullptr, StartRequest::OpenWindow},
        {{"kavro", "--lang"}, nullptr, StartRequest::MissingLanguage},
        {{"kavro", "--lang="}, nullptr, StartRequest::MissingLanguage},
        {{"kavro", "--lang", "--help"}, nullptr, StartRequest::MissingLanguage},
    };
    for (const Case& c : cases) {
        const int argc = static_cast<int>(c.args.size());
        const char* language = languageArgument(argc, c.args.data());
        EXPECT_EQ(language ? std::string(language) : "(none)",
                  c.language ? std::string(c.language) : "(none)")
            << c.args.back();
        EXPECT_EQ(readStartArguments(argc, c.args.data()), c.request) << c.args.back();
    }
    const CommandRun run = runKavro({"--lang"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, "");
}

TEST(StartArguments, EverySynopsisAndOptionLineStandsInTheManualPage) {
    const std::string page = testing::renderedManualPage(KAVRO_MANUAL_DIR "/kavro.1");
    ASSERT_NE(page, "") << "groff could not render kavro.1";
    const std::vector<std::string> checked =
        testing::helpSynopsisAndOptionLines(runKavro({"--help"}).out);
    EXPECT_EQ(checked.size(), 6u);  // two synopsis lines, FILE, --lang, --help and --version
    EXPECT_EQ(testing::linesMissingFrom(checked, page), std::vector<std::string>{});
}

}  // namespace
}  // namespace kavro
