// The arguments of lint and diff: their files and --format.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kavro::cli {

struct FileOptions {
    std::vector<std::string> files;
    std::string format = "text";
};

// Parses the arguments after the command word (args[0]): exactly `fileCount` files and
// --format text|json, its value as the next argument or after '='. "--" ends the options.
// On failure returns false with the problem in `problem`.
bool parseFileOptions(const std::vector<std::string>& args, size_t fileCount, FileOptions& options,
                      std::string& problem);

}  // namespace kavro::cli
