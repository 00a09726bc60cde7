#include "StartArguments.h"

#include <cstdio>
#include <string_view>

#include "KavroVersion.h"

namespace kavro {

namespace {

// Option lines are indented by two spaces, their descriptions by eight; each synopsis and
// option line also stands in the manual page docs/man/kavro.1.
constexpr std::string_view HelpText =
    "usage: kavro [FILE]\n"
    "       kavro --help | --version\n"
    "\n"
    "Kavro edits the channel database of a digital satellite receiver: the channel list\n"
    "file (*.tbn) that the receiver loads. It opens FILE, or a file chosen with Open in its\n"
    "window.\n"
    "\n"
    "arguments:\n"
    "  FILE\n"
    "        the channel list file to open\n"
    "\n"
    "options:\n"
    "  --help\n"
    "        prints this text\n"
    "  --version\n"
    "        prints the version\n";

bool writeAll(std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
}

}  // namespace

StartRequest readStartArguments(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") {
            break;
        }
        if (arg == "--help" || arg == "-h") {
            return StartRequest::ShowHelp;
        }
        if (arg == "--version") {
            return StartRequest::ShowVersion;
        }
    }
    return StartRequest::OpenWindow;
}

const char* fileArgument(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") {
            return i + 1 < argc ? argv[i + 1] : nullptr;
        }
        if (!arg.empty() && arg.front() != '-') {
            return argv[i];
        }
    }
    return nullptr;
}

int answerOnStandardOutput(StartRequest request) {
    bool written = request == StartRequest::ShowHelp
                       ? writeAll(HelpText)
                       : writeAll("kavro ") && writeAll(KavroVersion) && writeAll("\n");
    written = std::fflush(stdout) == 0 && written;
    if (!written) {
        std::fputs("kavro: cannot write to standard output\n", stderr);
        return 2;
    }
    return 0;
}

}  // namespace kavro
