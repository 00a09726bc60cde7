// Pieces every kavro-tool command shares: loading a file as the editor's Open does, the
// exit codes and the option parsing of the viewing commands.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>
#include "database/View.h"

namespace kavro {
class EditSession;
}

namespace kavro::cli {

constexpr int ExitOk = 0;
constexpr int ExitRefused = 1;  // invalid file, refused script line
constexpr int ExitFailure = 2;  // usage error, unreadable or unwritable file

// Starts `session` anew in `view` (its buffers kept), then reads `path` exactly as Open does.
// Opens `path` into `session`, shown in `view`. Reports a failure on `err` ("File open
// failed!" or "Invalid DB file!" with the reason) and returns the exit code, the session then
// left as it was; ExitOk when the file was accepted.
int loadDatabase(EditSession& session, const std::string& path, View view, std::ostream& err);

// "all", "tv" or "radio".
bool parseViewName(std::string_view word, View& view);

// Writes the usage text.
void writeUsage(std::ostream& out);
// Reports a usage error on `err` and returns ExitFailure.
int usageError(std::ostream& err, std::string_view problem);

// The arguments of the viewing commands: FILE and the options.
struct ViewOptions {
    std::string file;
    View view = View::All;
    int satellite = -1;  // none: the whole view
    std::string format = "text";
    std::vector<std::string> select;  // list --select: the words of a channel list
};

// Parses the arguments after the command word (args[0]): FILE and --view, --format (one of
// `formats`) and, when allowed, --satellite. Options take their value as the next argument or after
// '='. On failure returns false with the problem in `problem`. "--" ends the options.
bool parseViewOptions(const std::vector<std::string>& args, bool allowSatellite,
                      const std::vector<std::string_view>& formats, ViewOptions& options,
                      std::string& problem);

}  // namespace kavro::cli
