#include "Tool.h"

#include <ostream>

#include "Commands.h"
#include "ToolSupport.h"

namespace kavro::cli {

int runTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
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

}  // namespace kavro::cli
