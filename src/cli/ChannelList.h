// The channel lists of script commands and of `list --select`: channel numbers, ranges N-M
// (the live channels in them) and named sets, mixed freely. Numbers and ranges name channels;
// each set keeps only its own of them, or of every live channel when no number is given:
// "scrambled radio sat:3" is every scrambled radio channel of satellite 3.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace kavro {
class ChannelDatabase;
}

namespace kavro::cli {

// The synopsis of a channel list in usage texts.
constexpr const char* ChannelListUsage = "CH|N-M|SET [...]";

// The channels `words` name, in ascending slot order, each once. False with the editor's
// message for a channel that is not live, a bad range, a bad set or an unreadable
// new-since file.
bool parseChannelList(const ChannelDatabase& db, std::span<const std::string> words,
                      std::vector<int>& channels, std::string& message);

}  // namespace kavro::cli
