// The commands of the popups and the move at the end of a drag. Each checks for itself
// whether it can act and ends silently when it cannot; the destructive ones ask first.
// Channels of list rows are always read from the rows' channel-index column.
#include <algorithm>

#include "ChannelListCtrl.h"
#include "ChannelListModel.h"
#include "MainWindow.h"
#include "SatelliteTree.h"
#include "ShownText.h"
#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/TableEditing.h"
#include "ui/dialogs/Interaction.h"

namespace kavro {

namespace {

void markChannelsOfRows(const ChannelListCtrl& list, const QVector<int>& rows) {
    for (int row : rows) {
        const int ch = list.channelOfRow(row);
        if (ch != ChannelCapacity) {
            setMarked(ch, 1);
        }
    }
}

int rowOfChannel(const ChannelListModel& model, int ch) {
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.channelAt(row) == ch) {
            return row;
        }
    }
    return -1;
}

// The target slot for moveMarkedChannels, with the dragged channels marked.
int dropTargetSlot(const DropTarget& drop) {
    if (drop.beforeChannel != ChannelCapacity) {
        return drop.beforeChannel;
    }
    if (drop.afterChannel != ChannelCapacity) {
        for (int ch = drop.afterChannel + 1; ch < ChannelCapacity; ++ch) {
            if (isLiveChannel(ch) && !isMarked(ch)) {
                return ch;
            }
        }
    }
    return MoveToEnd;
}

// What a command acts on: one channel by its name, several by their number.
QString channelsText(const ChannelListCtrl& list, const QVector<int>& rows) {
    if (rows.size() == 1) {
        return QStringLiteral("channel \"%1\"")
            .arg(shownText(channelName(list.channelOfRow(rows[0]))));
    }
    return QStringLiteral("%1 channels").arg(rows.size());
}

QString transponderText(int t) {
    const QString tp = shownText(transponderShortText(t));
    const int channels = transponderLiveChannelCount(t);
    if (channels == 0) {
        return QStringLiteral("transponder %1").arg(tp);
    }
    return QStringLiteral("transponder %1 and its %2 channel%3")
        .arg(tp)
        .arg(channels)
        .arg(channels == 1 ? QString() : QStringLiteral("s"));
}

}  // namespace

bool MainWindow::confirm(const QString& question) {
    return interaction_.messageBox(this, question, Interaction::Buttons::OkCancel,
                                   Interaction::Icon::None) == Interaction::Answer::Ok;
}

bool MainWindow::channelCommandAllowed() const {
    return selectionKind == SelectionChannel && list_->firstSelectedRow() >= 0;
}

// The row selected afterwards is the one that followed the last deleted row: where the
// last selected row stood once the selected rows above it were gone.
void MainWindow::OnDeleteChannels() {
    if (!channelCommandAllowed()) {
        return;
    }
    const QVector<int> rows = list_->selectedRowPositions();
    if (!confirm(QStringLiteral("Are you sure to delete all selected channels?\nDelete %1?")
                     .arg(channelsText(*list_, rows)))) {
        return;
    }
    markChannelsOfRows(*list_, rows);
    const int lastDeleted = rows.last() - static_cast<int>(rows.size() - 1);
    deleteMarkedChannels();
    clearMarks();
    MarkModified();
    RefreshAll();
    list_->selectAndShowRow(std::min(lastDeleted, model_->rowCount() - 1));
}

void MainWindow::OnAddToFavorite() {
    if (!channelCommandAllowed()) {
        return;
    }
    const QVector<int> rows = list_->selectedRowPositions();
    const int mask = ChooseFavorites(dialogContext());
    if (mask == 0) {
        return;
    }
    bool changed = false;
    for (int row : rows) {
        const int ch = list_->channelOfRow(row);
        const int before = channelFavoriteBits(ch);
        if (setFavoriteBits(ch, mask) && channelFavoriteBits(ch) != before) {
            changed = true;
        }
    }
    if (changed) {
        MarkModified();
    }
    FillChannelList();
    list_->scrollTo(model_->index(rows.last(), 0), QAbstractItemView::EnsureVisible);
}

void MainWindow::OnEditFavorite() {
    if (!channelCommandAllowed()) {
        return;
    }
    const int row = list_->firstSelectedRow();
    if (EditFavorites(dialogContext(), list_->channelOfRow(row))) {
        FillChannelList();
        list_->selectAndShowRow(row);
    }
}

void MainWindow::OnEditFavoriteName() {
    EditFavoriteNames(dialogContext());
}

// A transponder already deleted is not deleted again.
void MainWindow::OnDeleteTransponder() {
    if (selectionKind != SelectionTransponder || !isLiveTransponder(selectedTransponder) ||
        !confirm(QStringLiteral("Are you sure to delete the selected transponder?\nDelete %1?")
                     .arg(transponderText(selectedTransponder)))) {
        return;
    }
    deleteTransponder(selectedTransponder);
    MarkModified();
    RefreshAll();
}

// Channels are added only to a transponder that still exists. The new channel's row is
// selected and shown when the list lists it.
void MainWindow::OnAddChannel() {
    if ((selectionKind != SelectionTransponder && selectionKind != SelectionChannel) ||
        !isLiveTransponder(selectedTransponder)) {
        return;
    }
    const int slot = findChannelSlot(UnassignedServiceId, selectedTransponder);
    if (!EditChannel(dialogContext(), selectedTransponder, EditMode::Add)) {
        return;
    }
    RefreshAll();
    list_->selectAndShowRow(rowOfChannel(*model_, slot));
}

void MainWindow::OnTreeDeleteKey() {
    QTreeWidgetItem* item = tree_->selectedItem();
    if (!isLoaded || !SatelliteTree::isTransponderItem(item)) {
        return;
    }
    takeTreeSelection(item);
    OnDeleteTransponder();
}

// The tree keeps the item it had selected, and the selection members follow it.
void MainWindow::OnAddTransponder() {
    if ((selectionKind != SelectionSatellite && selectionKind != SelectionTransponder) ||
        showAllChannels != 0) {
        return;
    }
    selectedTransponder = EditTransponder(dialogContext(), selectedSatellite, EditMode::Add);
    if (selectedTransponder != TransponderCapacity) {
        RefreshAll();
        takeTreeSelection(tree_->selectedItem());
    }
}

void MainWindow::MoveSelectedChannels(const DropTarget& drop) {
    if (!isLoaded) {
        return;
    }
    const QVector<int> rows = list_->selectedRowPositions();
    if (rows.isEmpty() ||
        !confirm(QStringLiteral("Are you sure to move all selected channels?\nMove %1?")
                     .arg(channelsText(*list_, rows)))) {
        return;
    }
    markChannelsOfRows(*list_, rows);
    moveMarkedChannels(dropTargetSlot(drop));
    FillChannelList();
    list_->selectAndShowRows(drop.row, static_cast<int>(rows.size()));
    MarkModified();
}

}  // namespace kavro
