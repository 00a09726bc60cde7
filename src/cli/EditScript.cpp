#include "EditScript.h"

namespace kavro::cli {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Reads a quoted word from just after its opening quote up to its closing quote.
bool readQuotedWord(std::string_view line, size_t& i, std::string& word, std::string& problem) {
    while (i < line.size()) {
        const char c = line[i++];
        if (c == '"') {
            if (i < line.size() && !isBlank(line[i])) {
                problem = "a closing quote must end its word";
                return false;
            }
            return true;
        }
        if (c != '\\') {
            word += c;
            continue;
        }
        if (i == line.size()) {
            break;
        }
        const char escaped = line[i++];
        if (escaped != '"' && escaped != '\\') {
            problem = "unknown escape " + quotedWord(std::string("\\") + escaped) +
                      " in quotes (only \\\" and \\\\)";
            return false;
        }
        word += escaped;
    }
    problem = "unterminated quoted text";
    return false;
}

bool readBareWord(std::string_view line, size_t& i, std::string& word, std::string& problem) {
    while (i < line.size() && !isBlank(line[i])) {
        if (line[i] == '"') {
            problem = "a quote may only start a word";
            return false;
        }
        word += line[i++];
    }
    return true;
}

bool isSkipped(std::string_view line) {
    for (char c : line) {
        if (!isBlank(c)) {
            return c == '#';
        }
    }
    return true;
}

}  // namespace

bool splitScriptLine(std::string_view line, Words& words, std::string& problem) {
    words.clear();
    size_t i = 0;
    for (;;) {
        while (i < line.size() && isBlank(line[i])) {
            ++i;
        }
        if (i == line.size()) {
            return true;
        }
        std::string word;
        const bool ok = line[i] == '"' ? readQuotedWord(line, ++i, word, problem)
                                       : readBareWord(line, i, word, problem);
        if (!ok) {
            return false;
        }
        words.push_back(std::move(word));
    }
}

bool ScriptRunner::runLine(std::string_view line) {
    ++lineNumber_;
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (isSkipped(line)) {
        return true;
    }
    if (!splitScriptLine(line, words_, outcome_.message) ||
        !runScriptCommand(session_, words_, outcome_.output, outcome_.notices, outcome_.message)) {
        outcome_.ok = false;
        outcome_.line = lineNumber_;
        return false;
    }
    return true;
}

void ScriptRunner::refuseLine(std::string message) {
    outcome_.ok = false;
    outcome_.line = ++lineNumber_;
    outcome_.message = std::move(message);
}

ScriptOutcome runEditScript(EditSession& session, std::string_view script) {
    ScriptRunner runner(session);
    for (size_t start = 0; start < script.size();) {
        size_t end = script.find('\n', start);
        if (end == std::string_view::npos) {
            end = script.size();
        }
        if (!runner.runLine(script.substr(start, end - start))) {
            break;
        }
        start = end + 1;
    }
    return runner.outcome();
}

std::string quotedWord(std::string_view word) {
    constexpr size_t Longest = 40;
    size_t shownLength = word.size();
    if (shownLength > Longest) {
        shownLength = Longest;
        // Never cut a UTF-8 sequence apart.
        while (shownLength > 0 && (static_cast<unsigned char>(word[shownLength]) & 0xC0) == 0x80) {
            --shownLength;
        }
    }
    std::string shown = "\"";
    for (size_t i = 0; i < shownLength; ++i) {
        const unsigned char c = static_cast<unsigned char>(word[i]);
        shown += (c < 0x20 || c == 0x7F) ? '?' : static_cast<char>(c);
    }
    if (shownLength < word.size()) {
        shown += "...";
    }
    return shown + "\"";
}

}  // namespace kavro::cli
