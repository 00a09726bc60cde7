#include "Tool.h"

#include <memory>
#include <ostream>

#include "Commands.h"
#include "Help.h"
#include "ToolMessages.h"
#include "ToolSupport.h"
#include "session/EditSession.h"

namespace kavro::cli {

namespace {

// "help" alone, or "help COMMAND" for the command's own help.
int runHelp(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1) {
        writeUsage(out);
        return ExitOk;
    }
    if (args.size() == 2 && writeCommandHelp(args[1], out)) {
        return ExitOk;
    }
    return usageError(err, messages::HelpTakesACommand);
}

// The session a command that reads one file loads it into: the caller's, else one made now.
class CommandSession {
public:
    explicit CommandSession(EditSession* given) : given_(given) {}
    operator EditSession&() {
        if (given_ == nullptr) {
            own_ = std::make_unique<EditSession>();
            given_ = own_.get();
        }
        return *given_;
    }

private:
    EditSession* given_;
    std::unique_ptr<EditSession> own_;
};

int runCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err, FileWriter& writer, bool outIsTerminal, EditSession* given,
               LintBuffers* lint) {
    if (args.empty()) {
        return usageError(err, messages::NoCommandGiven);
    }
    const std::string& command = args[0];
    if (command == "help" || command == "--help" || command == "-h") {
        return runHelp(args, out, err);
    }
    if (command == "--version") {
        writeVersion(out);
        return ExitOk;
    }
    if (asksForHelp(args) && writeCommandHelp(command, out)) {
        return ExitOk;
    }
    CommandSession session(given);
    if (command == "check") {
        return runCheck(args, session, out, err);
    }
    if (command == "info") {
        return runInfo(args, session, out, err);
    }
    if (command == "tree") {
        return runTree(args, session, out, err);
    }
    if (command == "list") {
        return runList(args, session, out, err, outIsTerminal);
    }
    if (command == "lint") {
        return runLint(args, session, out, err, lint);
    }
    if (command == "diff") {
        return runDiff(args, out, err);
    }
    if (command == "edit") {
        return runEdit(args, in, out, err, writer, outIsTerminal);
    }
    if (command == "backups") {
        return runBackups(args, out, err);
    }
    return usageError(err, messages::unknownCommand(command));
}

}  // namespace

int runTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
            std::ostream& err, FileWriter& writer, bool outIsTerminal, EditSession* session,
            LintBuffers* lint) {
    int code = runCommand(args, in, out, err, writer, outIsTerminal, session, lint);
    // A write that failed (a full disk, a closed stream) makes the run a failure.
    if (!out.flush()) {
        err << messages::CannotWriteOutput << "\n";
        code = ExitFailure;
    }
    if (!err.flush()) {
        code = ExitFailure;
    }
    return code;
}

}  // namespace kavro::cli
