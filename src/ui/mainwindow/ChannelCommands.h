// The list's channel commands: Delete, Add to Favorite, Edit Favorite, Edit Favorite Name,
// the edit of a double-clicked channel and the move at the end of a drag. Each checks for
// itself whether it can act and ends silently when it cannot; the destructive ones ask
// first. Each change is one edit of the session, so one step of the history.
#pragma once

#include <QVector>
#include <vector>

namespace kavro {

struct DropTarget;
struct WindowParts;

class ChannelCommands {
public:
    explicit ChannelCommands(const WindowParts& parts) : parts_(parts) {}

    // The row selected afterwards is the one that followed the last deleted row.
    void deleteChannels();
    // The chosen groups replace those of every selected channel.
    void addToFavorites();
    // The groups of the topmost selected channel.
    void editFavorites();
    void editGroupNames();
    // The channel of row `row`, or of the topmost selected row when `row` is -1, in the
    // channel dialog.
    void editChannel(int row = -1);
    // After asking, moves the channels of the selected rows as one block to `drop` and
    // selects them where the drop put them.
    void moveDropped(const DropTarget& drop);

private:
    // The list owns the selection and has a selected row.
    bool allowed() const;
    std::vector<int> channelsOf(const QVector<int>& rows) const;

    const WindowParts& parts_;
};

}  // namespace kavro
