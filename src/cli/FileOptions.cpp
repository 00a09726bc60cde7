#include "FileOptions.h"

namespace kavro::cli {

namespace {

constexpr std::string_view FormatOption = "--format";

bool takeFormat(const std::vector<std::string>& args, size_t& i, FileOptions& options,
                std::string& problem) {
    std::string value;
    if (args[i] == FormatOption) {
        if (i + 1 >= args.size()) {
            problem = "--format needs a value";
            return false;
        }
        value = args[++i];
    } else {
        value = args[i].substr(FormatOption.size() + 1);
    }
    if (value != "text" && value != "json") {
        problem = "unknown format \"" + value + "\"";
        return false;
    }
    options.format = value;
    return true;
}

bool isFormatOption(const std::string& arg) {
    return arg == FormatOption || (arg.size() > FormatOption.size() &&
                                   arg.compare(0, FormatOption.size(), FormatOption) == 0 &&
                                   arg[FormatOption.size()] == '=');
}

}  // namespace

bool parseFileOptions(const std::vector<std::string>& args, size_t fileCount, FileOptions& options,
                      std::string& problem) {
    bool optionsEnded = false;
    for (size_t i = 1; i < args.size(); ++i) {
        if (!optionsEnded && args[i] == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && isFormatOption(args[i])) {
            if (!takeFormat(args, i, options, problem)) {
                return false;
            }
        } else if (!optionsEnded && args[i].size() > 2 && args[i].compare(0, 2, "--") == 0) {
            problem = "unknown option \"" + args[i] + "\"";
            return false;
        } else if (options.files.size() < fileCount) {
            options.files.push_back(args[i]);
        } else {
            problem = "unexpected argument \"" + args[i] + "\"";
            return false;
        }
    }
    if (options.files.size() < fileCount) {
        problem = fileCount == 1 ? "missing FILE" : "missing a file: takes A and B";
        return false;
    }
    return true;
}

}  // namespace kavro::cli
