// kavro-tool: check, info, tree, list and edit on channel database files.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "database/Problems.h"
#include "dbfile/FileWriter.h"

namespace kavro {
class EditSession;
}

namespace kavro::cli {

// What lint keeps from one run to the next for a caller that runs it often: the work space
// of its checks and the storage of its findings.
struct LintBuffers {
    ProblemFinder finder;
    FindingList findings;
};

// Runs the tool with its arguments (without the program name); returns the exit code. Every
// write to `out` and `err` is checked: one that failed makes the exit code ExitFailure. The
// files edit writes go through `writer`. `outIsTerminal` tells that `out` goes to a terminal.
// check, info, tree, list and lint load their file into `session` when one is given (started
// anew first, so that a caller running many commands keeps its buffers), else into their own;
// lint likewise finds its problems with `lint` when one is given.
int runTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
            std::ostream& err, FileWriter& writer = systemFileWriter(), bool outIsTerminal = false,
            EditSession* session = nullptr, LintBuffers* lint = nullptr);

}  // namespace kavro::cli
