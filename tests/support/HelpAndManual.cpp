#include "HelpAndManual.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdio>
#include <sstream>

namespace kavro::testing {

namespace {

std::string collapsedBlanks(const std::string& text) {
    std::string result;
    bool blank = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n') {
            blank = !result.empty();
            continue;
        }
        if (blank) {
            result += ' ';
            blank = false;
        }
        result += c;
    }
    return result;
}

bool indentedBy(const std::string& line, size_t spaces) {
    return line.size() > spaces && line.find_first_not_of(' ') == spaces;
}

}  // namespace

std::vector<std::string> helpSynopsisAndOptionLines(const std::string& help) {
    const std::string usage = "usage: ";
    std::vector<std::string> result;
    std::istringstream stream(help);
    std::string line;
    bool inSynopsis = false;
    while (std::getline(stream, line)) {
        if (line.rfind(usage, 0) == 0) {
            result.push_back(collapsedBlanks(line.substr(usage.size())));
            inSynopsis = true;
        } else if (inSynopsis && indentedBy(line, usage.size())) {
            result.push_back(collapsedBlanks(line));
        } else {
            inSynopsis = false;
            if (indentedBy(line, 2)) {
                result.push_back(collapsedBlanks(line));
            }
        }
    }
    return result;
}

std::string renderedManualPage(const std::string& path) {
    const CommandRun run = runShellCommand("groff -man -Tascii -rLL=2000n -rHY=0 -P-cbou " +
                                           shellQuoted(path) + " 2>/dev/null");
    return run.code == 0 ? collapsedBlanks(run.out) : std::string();
}

std::vector<std::string> linesMissingFrom(const std::vector<std::string>& lines,
                                          const std::string& page) {
    std::vector<std::string> missing;
    for (const std::string& line : lines) {
        if (page.find(line) == std::string::npos) {
            missing.push_back(line);
        }
    }
    return missing;
}

CommandRun runShellCommand(const std::string& command) {
    CommandRun run;
#ifdef _WIN32
    static_cast<void>(command);  // no /bin/sh here
#else
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        return run;
    }
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.out.append(buffer, got);
    }
    const int status = ::pclose(pipe);
    if (WIFEXITED(status)) {
        run.code = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        run.code = 128 + WTERMSIG(status);
    }
#endif
    return run;
}

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

}  // namespace kavro::testing
