#include "ToolSupport.h"

#include <algorithm>

#include <ostream>

#include "TextOutput.h"
#include "ToolMessages.h"
#include "database/ChannelDatabase.h"
#include "database/ViewIndex.h"
#include "dbfile/DatabaseFile.h"
#include "session/EditSession.h"

namespace kavro::cli {

int loadDatabase(EditSession& session, const std::string& path, View view, std::ostream& err) {
    // An accepted open replaces all the session held (tables, image, file, history), so the
    // session is not reset first; after a failure the caller uses it no more.
    const OpenResult result = session.open(path);
    switch (result.outcome) {
        case OpenOutcome::Accepted:
            if (session.view() != view) {
                session.setView(view);
            }
            break;
        case OpenOutcome::CannotOpen:
        case OpenOutcome::ReadError:
            err << FileOpenFailedText << "\n"
                << shownPath(path) << ": " << result.systemReason << "\n";
            return ExitFailure;
        case OpenOutcome::Invalid:
            err << InvalidFileText << "\n"
                << shownPath(path) << ": " << imageProblemText(result.problem) << "\n";
            return ExitRefused;
    }
    return ExitOk;
}

bool parseViewName(std::string_view word, View& view) {
    if (word == "all") {
        view = View::All;
    } else if (word == "tv") {
        view = View::Tv;
    } else if (word == "radio") {
        view = View::Radio;
    } else {
        return false;
    }
    return true;
}

int usageError(std::ostream& err, std::string_view problem) {
    err << messages::Program << shownPath(problem) << "\n";
    writeUsage(err);
    return ExitFailure;
}

namespace {

// Splits "--name=value" or takes the value from the next argument.
bool optionValue(const std::vector<std::string>& args, size_t& i, std::string_view name,
                 std::string& value, std::string& problem) {
    const std::string& arg = args[i];
    if (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 &&
        arg[name.size()] == '=') {
        value = arg.substr(name.size() + 1);
        return true;
    }
    if (i + 1 >= args.size()) {
        problem = std::string(name) + " needs a value";
        return false;
    }
    value = args[++i];
    return true;
}

bool startsOption(const std::string& arg, std::string_view name) {
    return arg == name || (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 &&
                           arg[name.size()] == '=');
}

bool parseSatellite(const std::string& value, int& satellite) {
    if (value.empty() || value.size() > 2) {
        return false;
    }
    int s = 0;
    for (char c : value) {
        if (c < '0' || c > '9') {
            return false;
        }
        s = s * 10 + (c - '0');
    }
    if (!isValidSatellite(s)) {
        return false;
    }
    satellite = s;
    return true;
}

// The blank-separated words of an option's value.
void splitWords(const std::string& value, std::vector<std::string>& words) {
    size_t start = 0;
    while ((start = value.find_first_not_of(" \t", start)) != std::string::npos) {
        const size_t end = std::min(value.find_first_of(" \t", start), value.size());
        words.push_back(value.substr(start, end - start));
        start = end;
    }
}

bool applyOption(const std::vector<std::string>& args, size_t& i, bool allowSatellite,
                 const std::vector<std::string_view>& formats, ViewOptions& options,
                 std::string& problem) {
    std::string value;
    if (startsOption(args[i], "--view")) {
        if (!optionValue(args, i, "--view", value, problem)) {
            return false;
        }
        if (!parseViewName(value, options.view)) {
            problem = "unknown view \"" + value + "\" (all, tv or radio)";
            return false;
        }
    } else if (startsOption(args[i], "--format")) {
        if (!optionValue(args, i, "--format", value, problem)) {
            return false;
        }
        bool known = false;
        for (std::string_view format : formats) {
            known = known || value == format;
        }
        if (!known) {
            problem = "unknown format \"" + value + "\"";
            return false;
        }
        options.format = value;
    } else if (allowSatellite && startsOption(args[i], "--satellite")) {
        if (!optionValue(args, i, "--satellite", value, problem)) {
            return false;
        }
        if (!parseSatellite(value, options.satellite)) {
            problem = "--satellite needs a satellite index 0..64, not \"" + value + "\"";
            return false;
        }
    } else if (allowSatellite && startsOption(args[i], "--select")) {
        if (!optionValue(args, i, "--select", value, problem)) {
            return false;
        }
        splitWords(value, options.select);
    } else {
        problem = "unknown option \"" + args[i] + "\"";
        return false;
    }
    return true;
}

}  // namespace

bool parseViewOptions(const std::vector<std::string>& args, bool allowSatellite,
                      const std::vector<std::string_view>& formats, ViewOptions& options,
                      std::string& problem) {
    bool haveFile = false;
    bool optionsEnded = false;
    for (size_t i = 1; i < args.size(); ++i) {
        if (!optionsEnded && args[i] == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && args[i].size() > 2 && args[i].compare(0, 2, "--") == 0) {
            if (!applyOption(args, i, allowSatellite, formats, options, problem)) {
                return false;
            }
        } else if (!haveFile) {
            options.file = args[i];
            haveFile = true;
        } else {
            problem = "unexpected argument \"" + args[i] + "\"";
            return false;
        }
    }
    if (!haveFile) {
        problem = "missing FILE";
        return false;
    }
    return true;
}

}  // namespace kavro::cli
