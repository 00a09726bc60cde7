// Checks that a program's --help stands in its manual page, and running a program as a
// user does, for the tests of both programs' command lines.
#pragma once

#include <string>
#include <vector>

namespace kavro::testing {

// The synopsis and option lines of a help text, blanks collapsed: the synopsis after
// "usage: " and its continuation lines (indented by seven spaces), and every line indented
// by exactly two spaces (an option or script command; its description is indented deeper).
std::vector<std::string> helpSynopsisAndOptionLines(const std::string& help);

// The manual page at `path` as a reader sees it, rendered by groff as plain text on lines
// long enough that nothing wraps or is hyphenated, blanks collapsed. Empty when it cannot
// be rendered.
std::string renderedManualPage(const std::string& path);

// The lines of `lines` that do not stand in `page`.
std::vector<std::string> linesMissingFrom(const std::vector<std::string>& lines,
                                          const std::string& page);

struct CommandRun {
    int code = -1;  // the exit status, or 128 + the signal that ended it
    std::string out;
};

// Runs `command` with /bin/sh and returns its standard output (none on Windows).
CommandRun runShellCommand(const std::string& command);

// `text` quoted for /bin/sh.
std::string shellQuoted(const std::string& text);

}  // namespace kavro::testing
