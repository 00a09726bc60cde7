#include "Tool.h"

#include <ostream>

#include "Commands.h"
#include "ToolSupport.h"

namespace kavro::cli {

namespace {

int runCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err) {
    if (args.empty()) {
        return usageError(err, "no command given");
    }
    const std::string& command = args[0];
    if (command == "check") {
        return runCheck(args, out, err);
    }
    if (command == "info") {
        return runInfo(args, out, err);
    }
    if (command == "tree") {
        return runTree(args, out, err);
    }
    if (command == "list") {
        return runList(args, out, err);
    }
    if (command == "edit") {
        return runEdit(args, in, out, err);
    }
    if (command == "help" || command == "--help" || command == "-h") {
        writeUsage(out);
        return ExitOk;
    }
    return usageError(err, "unknown command \"" + command + "\"");
}

}  // namespace

int runTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
            std::ostream& err) {
    int code = runCommand(args, in, out, err);
    // A write that failed (a full disk, a closed stream) makes the run a failure.
    if (!out.flush()) {
        err << "kavro-tool: cannot write to standard output\n";
        code = ExitFailure;
    }
    if (!err.flush()) {
        code = ExitFailure;
    }
    return code;
}

}  // namespace kavro::cli
