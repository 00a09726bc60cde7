#include "StartArguments.h"

#include <cstdio>
#include <string_view>

#include "KavroVersion.h"

namespace kavro {

namespace {

// Option lines are indented by two spaces, their descriptions by eight; each synopsis and
// option line also stands in the manual page docs/man/kavro.1.
constexpr std::string_view HelpText =
    "usage: kavro [--lang CODE] [FILE]\n"
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
    "  --lang CODE\n"
    "        shows the window in the language CODE (de, fr, ar, ...) instead of the\n"
    "        system's language; en for English\n"
    "  --help\n"
    "        prints this text\n"
    "  --version\n"
    "        prints the version\n";

constexpr std::string_view LanguageOption = "--lang";

// The code of "--lang CODE" or "--lang=CODE" at argv[i], null when argv[i] is another
// argument; `taken` is how many arguments it spans.
const char* languageAt(int argc, const char* const* argv, int i, int& taken) {
    const std::string_view arg = argv[i];
    taken = 1;
    if (arg == LanguageOption) {
        // A code never starts with '-': "--lang --help" lacks its code.
        const bool hasCode = i + 1 < argc && argv[i + 1][0] != '-' && argv[i + 1][0] != '\0';
        taken = hasCode ? 2 : 1;
        return hasCode ? argv[i + 1] : "";
    }
    if (arg.size() > LanguageOption.size() &&
        arg.substr(0, LanguageOption.size() + 1) == "--lang=") {
        return argv[i] + LanguageOption.size() + 1;
    }
    return nullptr;
}

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
        int taken = 1;
        const char* language = languageAt(argc, argv, i, taken);
        if (language && *language == '\0') {
            return StartRequest::MissingLanguage;
        }
        i += taken - 1;
    }
    return StartRequest::OpenWindow;
}

const char* languageArgument(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--") {
            return nullptr;
        }
        int taken = 1;
        if (const char* language = languageAt(argc, argv, i, taken)) {
            return *language != '\0' ? language : nullptr;
        }
    }
    return nullptr;
}

const char* fileArgument(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") {
            return i + 1 < argc ? argv[i + 1] : nullptr;
        }
        int taken = 1;
        if (languageAt(argc, argv, i, taken)) {
            i += taken - 1;
            continue;
        }
        if (!arg.empty() && arg.front() != '-') {
            return argv[i];
        }
    }
    return nullptr;
}

int answerOnStandardOutput(StartRequest request) {
    if (request == StartRequest::MissingLanguage) {
        std::fputs("kavro: --lang needs a language code, such as de or fr\n", stderr);
        return 2;
    }
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
