#include "ChannelCommands.h"

#include <QCoreApplication>

#include <algorithm>

#include "ChannelListModel.h"
#include "ChannelListView.h"
#include "ListPane.h"
#include "ShownText.h"
#include "TreePane.h"
#include "WindowParts.h"
#include "WindowRefresh.h"
#include "WindowSelection.h"
#include "database/ChannelDatabase.h"
#include "session/EditSession.h"

namespace kavro {

namespace {

// What a command acts on: one channel by its name, several by their number.
QString channelsText(const ChannelDatabase& db, const std::vector<int>& channels) {
    if (channels.size() == 1) {
        return QCoreApplication::translate("kavro::ChannelCommands", "channel \"%1\"")
            .arg(shownText(db.channelName(channels[0])));
    }
    const int count = static_cast<int>(channels.size());
    return QCoreApplication::translate("kavro::ChannelCommands", "%n channel(s)", nullptr, count);
}

// The slot a move of `moved` to `drop` goes before: the channel the block stands before,
// else the first live channel not moved after the one it stands after, else the end.
int dropTargetSlot(const ChannelDatabase& db, const DropTarget& drop,
                   const std::vector<int>& moved) {
    if (drop.beforeChannel != ChannelCapacity) {
        return drop.beforeChannel;
    }
    if (drop.afterChannel != ChannelCapacity) {
        for (int ch = drop.afterChannel + 1; ch < ChannelCapacity; ++ch) {
            if (db.isLiveChannel(ch) && !std::binary_search(moved.begin(), moved.end(), ch)) {
                return ch;
            }
        }
    }
    return MoveToEnd;
}

}  // namespace

bool ChannelCommands::allowed() const {
    return parts_.selection.kind() == SelectionChannel && parts_.list.view()->hasSelectedRows();
}

std::vector<int> ChannelCommands::channelsOf(const QVector<int>& rows) const {
    std::vector<int> channels;
    for (int row : rows) {
        const int ch = parts_.list.model()->channelAt(ListRow(row)).value;
        if (ch != ChannelCapacity) {
            channels.push_back(ch);
        }
    }
    return channels;
}

void ChannelCommands::deleteChannels() {
    if (!allowed()) {
        return;
    }
    const QVector<int> rows = parts_.list.view()->selectedRowPositions();
    std::vector<int> channels = channelsOf(rows);
    if (!parts_.confirm(
            QCoreApplication::translate("kavro::ChannelCommands",
                                        "Are you sure to delete all selected channels?\nDelete %1?")
                .arg(channelsText(parts_.session.database(), channels)))) {
        return;
    }
    const int lastDeleted = rows.last() - static_cast<int>(rows.size() - 1);
    parts_.session.apply(DeleteChannels{std::move(channels)});
    parts_.list.view()->selectAndShowRow(
        std::min(lastDeleted, parts_.list.model()->rowCount() - 1));
}

void ChannelCommands::addToFavorites() {
    if (!allowed()) {
        return;
    }
    const QVector<int> rows = parts_.list.view()->selectedRowPositions();
    const int mask = chooseFavorites(parts_.dialogContext());
    if (mask == 0) {
        return;
    }
    parts_.session.apply(SetFavorites{channelsOf(rows), mask});
}

void ChannelCommands::editFavorites() {
    if (!allowed()) {
        return;
    }
    runFavoriteDialog(parts_.dialogContext(), parts_.list.firstSelectedChannel().value);
}

void ChannelCommands::editGroupNames() {
    runGroupNameDialog(parts_.dialogContext());
}

void ChannelCommands::editChannel(int row) {
    const ChannelSlot ch = row >= 0 ? parts_.list.model()->channelAt(ListRow(row))
                                    : parts_.list.firstSelectedChannel();
    if (ch.exists()) {
        runChannelDialog(parts_.dialogContext(), ch.value, EditMode::Edit);
    }
}

void ChannelCommands::moveDropped(const DropTarget& drop) {
    const QVector<int> rows = parts_.list.view()->selectedRowPositions();
    std::vector<int> channels = channelsOf(rows);
    if (channels.empty() ||
        !parts_.confirmUnlessSkipped(
            QCoreApplication::translate("kavro::ChannelCommands",
                                        "Are you sure to move all selected channels?\nMove %1?")
                .arg(channelsText(parts_.session.database(), channels)),
            QStringLiteral("moveDropped"))) {
        return;
    }
    std::vector<int> moved = channels;
    std::sort(moved.begin(), moved.end());
    const int target = dropTargetSlot(parts_.session.database(), drop, moved);
    // Unmoved, the list takes back its stored order and selection when the drag ends.
    if (parts_.session.apply(MoveChannels{std::move(channels), target}).changed) {
        parts_.list.view()->selectAndShowRows(drop.row, static_cast<int>(rows.size()));
    }
}

}  // namespace kavro
