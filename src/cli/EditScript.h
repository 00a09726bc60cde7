// The edit-script language of kavro-tool edit: one command per line, words separated by
// blanks, names with blanks in double quotes (\" and \\ inside quotes stand for " and \).
// Blank lines and lines whose first non-blank character is '#' are skipped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kavro {
class EditSession;
}

namespace kavro::cli {

using Words = std::vector<std::string>;

// Splits one line into its words. False with the problem for an unterminated quote, an
// unknown escape or a quote inside a word.
bool splitScriptLine(std::string_view line, Words& words, std::string& problem);

struct ScriptOutcome {
    bool ok = true;
    int line = 0;         // the refused line, counted from 1
    std::string message;  // why it was refused
    std::string output;   // what the commands printed, one line each
    std::string notices;  // what they reported for standard error, one line each
};

// Applies script lines to the session's database one at a time, in order, counting them,
// and stops at the first refused one. Nothing is written; the caller decides what becomes of
// the database.
class ScriptRunner {
public:
    explicit ScriptRunner(EditSession& session) : session_(session) {}
    // Runs the next line (without its line break). False once a line was refused.
    bool runLine(std::string_view line);
    // Refuses the next line with `message` (a line that could not be read whole, say).
    void refuseLine(std::string message);
    int lineNumber() const { return lineNumber_; }
    const ScriptOutcome& outcome() const { return outcome_; }

private:
    EditSession& session_;
    ScriptOutcome outcome_;
    Words words_;
    int lineNumber_ = 0;
};

// Applies the commands of `script` to the session with a ScriptRunner.
ScriptOutcome runEditScript(EditSession& session, std::string_view script);

// One command, its name being words[0], through the session. False with the editor's
// message when refused; a refused command changes nothing.
bool runScriptCommand(EditSession& session, const Words& words, std::string& output,
                      std::string& notices, std::string& message);

// The synopsis of every script command ("rename-group G NAME"), in the order of the help.
std::vector<std::string_view> scriptCommandUsages();

// A word shown inside a message: quoted, control characters as '?', cut when very long.
std::string quotedWord(std::string_view word);

}  // namespace kavro::cli
