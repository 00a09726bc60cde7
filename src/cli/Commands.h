// The commands of kavro-tool. Each takes the arguments after the program name, the command
// word included, and returns the exit code.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "dbfile/FileWriter.h"

namespace kavro {
class EditSession;
}

namespace kavro::cli {

using Arguments = std::vector<std::string>;

struct LintBuffers;

// The commands that read one file load it into `session`.
int runCheck(const Arguments& args, EditSession& session, std::ostream& out, std::ostream& err);
int runInfo(const Arguments& args, EditSession& session, std::ostream& out, std::ostream& err);
int runTree(const Arguments& args, EditSession& session, std::ostream& out, std::ostream& err);
int runList(const Arguments& args, EditSession& session, std::ostream& out, std::ostream& err,
            bool outIsTerminal);
// lint finds the problems with `lint`'s buffers, or with its own when there are none.
int runLint(const Arguments& args, EditSession& session, std::ostream& out, std::ostream& err,
            LintBuffers* lint);
int runDiff(const Arguments& args, std::ostream& out, std::ostream& err);
int runEdit(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err,
            FileWriter& writer, bool outIsTerminal);
int runBackups(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace kavro::cli
