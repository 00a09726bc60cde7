#include "OrderCommands.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "ChannelListModel.h"
#include "ChannelListView.h"
#include "ListPane.h"
#include "TreePane.h"
#include "WindowParts.h"
#include "database/ChannelDatabase.h"
#include "database/TableEditing.h"
#include "session/EditSession.h"
#include "ui/dialogs/PositionDialog.h"

namespace kavro {

namespace {

// The rows first .. first + count - 1.
std::vector<ListRow> rowBlock(int first, int count) {
    std::vector<ListRow> rows;
    rows.reserve(static_cast<size_t>(count));
    for (int k = 0; k < count; ++k) {
        rows.emplace_back(first + k);
    }
    return rows;
}

// A stable sort keeps records with the same bytes in their order, so a channel is found
// again after a sort of `channels` (ascending) as the same copy of its record.
bool sameRecord(const ChannelDatabase& db, int a, int b) {
    return std::memcmp(db.tables().channels[a], db.tables().channels[b], ChannelRecordSize) == 0;
}

// Which copy of its record, counted over `channels`, the channel in slot `ch` is.
int copyBefore(const ChannelDatabase& db, std::span<const int> channels, int ch) {
    int copies = 0;
    for (int other : channels) {
        if (other == ch) {
            return copies;
        }
        copies += sameRecord(db, other, ch) ? 1 : 0;
    }
    return copies;
}

// The slot among `channels` that holds copy `copy` of the record in `record`.
int slotOfCopy(const ChannelDatabase& db, std::span<const int> channels, const uint8_t* record,
               int copy) {
    for (int ch : channels) {
        if (std::memcmp(db.tables().channels[ch], record, ChannelRecordSize) == 0 && copy-- == 0) {
            return ch;
        }
    }
    return ChannelCapacity;
}

}  // namespace

std::vector<int> OrderCommands::selectedChannels(std::vector<ListRow>& rows) const {
    rows.clear();
    std::vector<int> channels;
    if (!parts_.session.isOpen() || parts_.list.view()->isDragging()) {
        return channels;
    }
    for (int position : parts_.list.view()->selectedRowPositions()) {
        const ListRow row(position);
        rows.push_back(row);
        channels.push_back(parts_.list.model()->channelAt(row).value);
    }
    return channels;
}

void OrderCommands::moveToTop() {
    moveToRow(0);
}

void OrderCommands::moveToBottom() {
    moveToRow(parts_.list.model()->rowCount());  // past the last row that does not move
}

void OrderCommands::moveUp() {
    moveToRow(std::max(parts_.list.view()->firstSelectedRow() - 1, 0));
}

void OrderCommands::moveDown() {
    moveToRow(parts_.list.view()->firstSelectedRow() + 1);
}

void OrderCommands::moveToPosition() {
    std::vector<ListRow> rows;
    if (selectedChannels(rows).empty() ||
        static_cast<int>(rows.size()) == parts_.list.model()->rowCount()) {
        return;  // nothing that could move
    }
    const int row =
        askListRow(parts_.dialogContext(), rows.front().value, parts_.list.model()->rowCount() - 1);
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
    std::vector<ListRow> rows;
    std::vector<int> channels = selectedChannels(rows);
    if (channels.empty()) {
        return;
    }
    const int target = rowMoveTarget(parts_.session.database(), parts_.list.model()->channels(),
                                     ChannelSet(channels), row);
    if (target == NothingMoves) {
        return;
    }
    const int count = static_cast<int>(rows.size());
    const int first = std::clamp(row, 0, parts_.list.model()->rowCount() - count);
    parts_.session.apply(MoveChannels{std::move(channels), target});
    parts_.list.view()->selectOnlyRows(rowBlock(first, count));
}

void OrderCommands::sort(SortKey key) {
    std::vector<ListRow> rows;
    std::vector<int> channels = selectedChannels(rows);
    if (!parts_.session.isOpen() || parts_.list.view()->isDragging()) {
        return;
    }
    const int followed = rows.size() == 1 ? channels.front() : ChannelCapacity;
    if (rows.size() <= 1) {
        const std::span<const int> shown = parts_.list.model()->channels();
        channels.assign(shown.begin(), shown.end());
    }
    if (channels.size() < 2) {
        return;
    }
    if (followed == ChannelCapacity) {
        parts_.session.apply(SortChannels{std::move(channels), key});
        parts_.list.view()->selectOnlyRows(rows);  // the same rows hold the sorted channels
        return;
    }
    const ChannelDatabase& db = parts_.session.database();
    std::array<uint8_t, ChannelRecordSize> record;
    std::memcpy(record.data(), db.tables().channels[followed], ChannelRecordSize);
    std::vector<int> ascendingSlots = channels;
    if (!std::is_sorted(ascendingSlots.begin(), ascendingSlots.end())) {
        std::sort(ascendingSlots.begin(), ascendingSlots.end());  // the order the sort works in
    }
    const int copy = copyBefore(db, ascendingSlots, followed);
    parts_.session.apply(SortChannels{std::move(channels), key});
    const ListRow row = parts_.list.model()->rowOf(
        ChannelSlot(slotOfCopy(db, ascendingSlots, record.data(), copy)));
    if (row.exists()) {
        parts_.list.view()->selectOnlyRows({&row, 1});
    }
}

}  // namespace kavro
