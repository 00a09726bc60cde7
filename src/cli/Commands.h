// The commands of kavro-tool. Each takes the arguments after the program name, the command
// word included, and returns the exit code.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "dbfile/FileWriter.h"

namespace kavro::cli {

using Arguments = std::vector<std::string>;

int runCheck(const Arguments& args, std::ostream& out, std::ostream& err);
int runInfo(const Arguments& args, std::ostream& out, std::ostream& err);
int runTree(const Arguments& args, std::ostream& out, std::ostream& err);
int runList(const Arguments& args, std::ostream& out, std::ostream& err, bool outIsTerminal);
int runLint(const Arguments& args, std::ostream& out, std::ostream& err);
int runDiff(const Arguments& args, std::ostream& out, std::ostream& err);
int runEdit(const Arguments& args, std::istream& in, std::ostream& out, std::ostream& err,
            FileWriter& writer, bool outIsTerminal);
int runBackups(const Arguments& args, std::ostream& out, std::ostream& err);

}  // namespace kavro::cli
