// The help texts of kavro-tool: the usage of the whole tool (writeUsage, declared in
// ToolSupport.h), one help text per command, and the version. Every synopsis and option
// line of these texts also stands in the manual page docs/man/kavro-tool.1.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace kavro::cli {

// Writes the help of `command` ("list"); false, writing nothing, when there is no such command.
bool writeCommandHelp(std::string_view command, std::ostream& out);

// "kavro-tool VERSION".
void writeVersion(std::ostream& out);

// Whether the arguments after the command word (args[0]) ask for the command's help: a
// "--help" or "-h" before any "--".
bool asksForHelp(const std::vector<std::string>& args);

}  // namespace kavro::cli
