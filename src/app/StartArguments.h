// The command line of kavro. --help and --version are answered before any window or
// display is needed; every other argument goes on to the editor's start-up, which opens the
// file it names.
#pragma once

namespace kavro {

enum class StartRequest { OpenWindow, ShowHelp, ShowVersion, MissingLanguage };

// The first "--help"/"-h" or "--version" before any "--" decides; a "--lang" with no code
// after it is MissingLanguage; otherwise OpenWindow.
StartRequest readStartArguments(int argc, const char* const* argv);

// The file to open: the first argument that is not an option, or the one after "--"; null
// when there is none. The code after "--lang" is not a file. Read once Qt has taken its own
// options out of argv.
const char* fileArgument(int argc, const char* const* argv);

// The language code of "--lang CODE" or "--lang=CODE" before any "--"; null when none is
// given (the window then follows the system's language).
const char* languageArgument(int argc, const char* const* argv);

// Writes the help or the version on standard output; the exit code: 0, or 2 with a
// message on standard error when the text could not be written or a --lang had no code.
int answerOnStandardOutput(StartRequest request);

// The identifier of the desktop entry, the AppStream metadata and the icon.
inline constexpr const char* DesktopId = "org.kavro.Kavro";

}  // namespace kavro
