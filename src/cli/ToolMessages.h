// Every message kavro-tool gives to a person on standard error, in one place: the tool
// stays English (its output is read by scripts), but these could follow the locale one day
// without a search through the commands. The messages about a file are the window's too and
// live in the core (dbfile/FileMessages.h); usage problems of the options are built where
// the options are read and go out through usageError.
#pragma once

#include <string>
#include <string_view>

#include "dbfile/FileMessages.h"

namespace kavro::cli::messages {

constexpr std::string_view Program = "kavro-tool: ";
constexpr std::string_view CannotReadScript = "Cannot read the script";
constexpr std::string_view CannotReadFile = "Cannot read the file";
constexpr std::string_view NoBackupFolder =
    "kavro-tool: no folder for backups: neither XDG_DATA_HOME nor HOME is an absolute path";
constexpr std::string_view CannotWriteOutput = "kavro-tool: cannot write to standard output";
constexpr std::string_view NoCommandGiven = "no command given";
constexpr std::string_view HelpTakesACommand =
    "help takes one of the commands check, info, tree, list, lint, diff, edit, backups";

inline std::string unknownCommand(std::string_view command) {
    return "unknown command \"" + std::string(command) + "\"";
}

inline std::string writeElsewhere(std::string_view file) {
    return "Write " + std::string(file) + " into another folder, or make that folder writable.";
}

inline std::string changedWhileEditing(std::string_view file) {
    return std::string(file) +
           " was changed by another program while the edit ran; nothing was written";
}

// `option` is the option that writes all the same.
inline std::string nothingWritten(std::string_view option) {
    return "Nothing was written; give " + std::string(option) + " to write it all the same.";
}

inline std::string outputNotWritten(std::string_view file) {
    return "kavro-tool: cannot write the edit's output; " + std::string(file) + " was not written";
}

inline std::string lockUnavailable(std::string_view file, std::string_view reason) {
    return "kavro-tool: warning: " + std::string(file) + " cannot be locked (" +
           std::string(reason) + "); an edit of it running at the same time could be lost";
}

inline std::string editedElsewhere(std::string_view file) {
    return "kavro-tool: " + std::string(file) +
           " is being edited by another kavro-tool edit; nothing was changed. Try again when it "
           "has finished.";
}

}  // namespace kavro::cli::messages
