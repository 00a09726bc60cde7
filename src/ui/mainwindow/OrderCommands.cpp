#include "OrderCommands.h"

#include <algorithm>

#include "ChannelListModel.h"
#include "ChannelListView.h"
#include "WindowParts.h"
#include "database/TableEditing.h"
#include "session/EditSession.h"
#include "ui/dialogs/PositionDialog.h"

namespace kavro {

namespace {

// The rows first .. first + count - 1.
std::vector<int> rowBlock(int first, int count) {
    std::vector<int> rows(static_cast<size_t>(count));
    for (int k = 0; k < count; ++k) {
        rows[static_cast<size_t>(k)] = first + k;
    }
    return rows;
}

// Where a sort puts the channel in slot `ch` of `channels` (ascending).
int slotAfterSort(const ChannelDatabase& db, const std::vector<int>& channels, SortKey key,
                  int ch) {
    std::vector<int> order;
    sortOrder(db, channels, key, order);
    const auto at = std::find(order.begin(), order.end(), ch);
    return at == order.end() ? ch : channels[static_cast<size_t>(at - order.begin())];
}

}  // namespace

std::vector<int> OrderCommands::selectedChannels(std::vector<int>& rows) const {
    rows.clear();
    std::vector<int> channels;
    if (!parts_.session.isOpen() || parts_.list.isDragging()) {
        return channels;
    }
    for (int row : parts_.list.selectedRowPositions()) {
        rows.push_back(row);
        channels.push_back(parts_.model.channelAt(row));
    }
    return channels;
}

void OrderCommands::moveToTop() {
    moveToRow(0);
}

void OrderCommands::moveToBottom() {
    moveToRow(parts_.model.rowCount());  // past the last row that does not move
}

void OrderCommands::moveUp() {
    moveToRow(std::max(parts_.list.firstSelectedRow() - 1, 0));
}

void OrderCommands::moveDown() {
    moveToRow(parts_.list.firstSelectedRow() + 1);
}

void OrderCommands::moveToPosition() {
    std::vector<int> rows;
    if (selectedChannels(rows).empty() ||
        static_cast<int>(rows.size()) == parts_.model.rowCount()) {
        return;  // nothing that could move
    }
    const int row = askListRow(parts_.dialogContext(), rows.front(), parts_.model.rowCount() - 1);
    if (row >= 0) {
        moveToRow(row);
    }
}

void OrderCommands::moveByKey(int key) {
    switch (key) {
        case Qt::Key_Home:
            moveToTop();
            break;
        case Qt::Key_End:
            moveToBottom();
            break;
        case Qt::Key_Up:
            moveUp();
            break;
        case Qt::Key_Down:
            moveDown();
            break;
        default:
            break;
    }
}

// The rows that stay keep their order, so the block's first row is `row`, or the row after
// the last of them.
void OrderCommands::moveToRow(int row) {
    std::vector<int> rows;
    std::vector<int> channels = selectedChannels(rows);
    if (channels.empty()) {
        return;
    }
    const int target = rowMoveTarget(parts_.session.database(), parts_.model.channels(),
                                     ChannelSet(channels), row);
    if (target == NothingMoves) {
        return;
    }
    const int count = static_cast<int>(rows.size());
    const int first = std::clamp(row, 0, parts_.model.rowCount() - count);
    parts_.session.apply(MoveChannels{std::move(channels), target});
    parts_.list.selectOnlyRows(rowBlock(first, count));
}

void OrderCommands::sort(SortKey key) {
    std::vector<int> rows;
    std::vector<int> channels = selectedChannels(rows);
    if (!parts_.session.isOpen() || parts_.list.isDragging()) {
        return;
    }
    const int followed = rows.size() == 1 ? channels.front() : ChannelCapacity;
    if (rows.size() <= 1) {
        const std::span<const int> shown = parts_.model.channels();
        channels.assign(shown.begin(), shown.end());
    }
    if (channels.size() < 2) {
        return;
    }
    const int followedTo = followed == ChannelCapacity
                               ? followed
                               : slotAfterSort(parts_.session.database(), channels, key, followed);
    parts_.session.apply(SortChannels{std::move(channels), key});
    if (followed == ChannelCapacity) {
        parts_.list.selectOnlyRows(rows);  // the same rows hold the sorted channels
        return;
    }
    const std::span<const int> shown = parts_.model.channels();
    const auto at = std::find(shown.begin(), shown.end(), followedTo);
    if (at != shown.end()) {
        parts_.list.selectOnlyRows({static_cast<int>(at - shown.begin())});
    }
}

}  // namespace kavro
