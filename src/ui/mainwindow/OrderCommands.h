// The list's commands that reorder channels: Move to Top (Ctrl+Home), Move to Bottom
// (Ctrl+End), Move Up (Ctrl+Up), Move Down (Ctrl+Down), Move to Position..., and Sort by
// Name, by Service ID and by Transponder. Each acts on the rows shown and selected, is one
// edit of the session (one step of the history) and leaves the channels it moved selected
// and in view. The rules are the core's (ChannelOrder.h).
#pragma once

#include <vector>

#include "ListRow.h"
#include "database/ChannelOrder.h"

namespace kavro {

struct WindowParts;

class OrderCommands {
public:
    explicit OrderCommands(const WindowParts& parts) : parts_(parts) {}

    // The selected rows' channels move as one block, in their order, so that its first row
    // is row N of the list, counting the rows that do not move: N = 0; N = all of them (the
    // block goes after the last); N = the first selected row - 1; that row + 1.
    void moveToTop();
    void moveToBottom();
    void moveUp();
    void moveDown();
    // N asked for, as "No." shows it.
    void moveToPosition();
    // Ctrl+`key` of the list: Qt::Key_Home, Key_End, Key_Up or Key_Down.
    void moveByKey(int key);
    // The selected channels change places among the rows they hold; with one row or none
    // selected, every row of the list changes places, and a selected channel stays selected.
    void sort(SortKey key);

private:
    // The selected rows' channels; none when no database is open.
    std::vector<int> selectedChannels(std::vector<ListRow>& rows) const;
    void moveToRow(int row);

    const WindowParts& parts_;
};

}  // namespace kavro
