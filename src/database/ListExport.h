// The channel list as comma-separated values: the rows as shown, with the list's column
// texts, written once for the window's Export List and `kavro-tool list --format csv`.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace kavro {

class ChannelDatabase;

// The title of a column in a written list: the list's own, "Index" for the hidden column.
std::string_view listHeaderTitle(int column);

// The rows showing `channels`, in that order (row k shows channels[k], its "No." is k), as
// UTF-8 CSV: a header of the column titles, then one record per row, every line ended by
// CRLF. For a terminal, control characters in the texts are shown as U+FFFD.
std::string listCsv(const ChannelDatabase& db, std::span<const int> channels,
                    bool forTerminal = false);

}  // namespace kavro
