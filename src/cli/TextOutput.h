// Texts from the file as the tool's output formats show them. Names are Latin-1 bytes; the
// output is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace kavro::cli {

// A text as the text output shows it, like the editor: UTF-8, with every control character
// (C0, DEL and the C1 codes 0x80-0x9F) as U+FFFD, so that nothing reaches the terminal as
// a control sequence and every item stays on its line.
std::string shownText(std::string_view latin1);
// The same, appended to `out`.
void appendShownText(std::string& out, std::string_view latin1);

// A file name (UTF-8 from the system) as messages show it: control characters and bytes that
// are no UTF-8 as U+FFFD, so that a name cannot send control sequences to the terminal.
std::string shownPath(std::string_view name);

// A JSON string literal of a UTF-8 text, quotes included: '"' and '\' escaped, control
// characters (DEL and C1 too) as \n, \t, ... or \u00XX.
std::string jsonString(std::string_view text);

// Latin-1 bytes as UTF-8, ready for jsonString.
std::string utf8Text(std::string_view latin1);

// Appends jsonString(utf8Text(latin1)) to `out` without building either on its own.
void appendJsonLatin1(std::string& out, std::string_view latin1);

}  // namespace kavro::cli
