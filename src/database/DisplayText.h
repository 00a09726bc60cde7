// The texts the editor shows for tree items, list cells and default names, written once
// for the window and the command-line tool. Texts are Latin-1 bytes, like the names.
#pragma once

#include <string>
#include <string_view>
#include "View.h"

namespace kavro {

class ChannelDatabase;
class ViewIndex;

// "%s (%d TPs, %d CHs)"
std::string satelliteItemText(const ChannelDatabase& db, const ViewIndex& index, int s);
// "%5d%c %5d", followed by " (%d CHs)" when the transponder has channels of the view
// the index was built for.
std::string transponderItemText(const ChannelDatabase& db, const ViewIndex& index, int t);
// The same appended to `text`.
void appendTransponderItemText(std::string& text, const ChannelDatabase& db, const ViewIndex& index,
                               int t);
// "%d%c": frequency in MHz and polarization letter, as the channel dialog shows it.
std::string transponderShortText(const ChannelDatabase& db, int t);
// The same appended to `text`, for texts built piece by piece.
void appendTransponderShortText(std::string& text, const ChannelDatabase& db, int t);
// "Video CH %3i" or, in the radio view, "Radio CH %3i".
std::string defaultChannelName(View view, int number);

enum ListColumn : int {
    ColumnNo,
    ColumnSat,
    ColumnTp,
    ColumnChannel,
    ColumnCas,
    ColumnFav,
    ColumnLock,
    ColumnIndex,  // the hidden channel-index column
    ListColumnCount
};

extern const char* const ListColumnTitles[ListColumnCount];

// A list cell's text in a fixed buffer: formatting a cell allocates nothing.
struct CellText {
    char text[72];
    int length = 0;
    std::string_view view() const { return {text, static_cast<size_t>(length)}; }
};

// The text of one cell of list row `row`, which shows channel `ch`.
CellText channelCellText(const ChannelDatabase& db, int row, int ch, int column);

}  // namespace kavro
