#include "WindowRefresh.h"

#include <QItemSelection>
#include <QLabel>
#include <QSignalBlocker>
#include <QTreeWidgetItem>
#include <algorithm>
#include <vector>

#include "ChannelListCtrl.h"
#include "ChannelListModel.h"
#include "SatelliteTree.h"
#include "WindowSelection.h"
#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/ViewIndex.h"
#include "session/EditSession.h"

namespace kavro {

namespace {

// The rows of the model that show `channels`, ascending; a channel not shown has none.
std::vector<int> rowsOf(const ChannelListModel& model, const std::vector<int>& channels) {
    std::vector<int> rowOf(ChannelCapacity, -1);
    for (int row = 0; row < model.rowCount(); ++row) {
        rowOf[model.channelAt(row)] = row;
    }
    std::vector<int> rows;
    for (int ch : channels) {
        if (ch >= 0 && ch < ChannelCapacity && rowOf[ch] >= 0) {
            rows.push_back(rowOf[ch]);
        }
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

}  // namespace

WindowRefresh::WindowRefresh(EditSession& session, WindowSelection& selection, SatelliteTree& tree,
                             ChannelListCtrl& list, ChannelListModel& model, QLabel& rowCount)
    : session_(session),
      selection_(selection),
      tree_(tree),
      list_(list),
      model_(model),
      rowCount_(rowCount) {}

void WindowRefresh::sessionChanged(const SessionChange& change) {
    switch (change.event) {
        case SessionEvent::Loaded:
            selection_.reset();
            fillChannelList();
            tree_.FillSatelliteTree(session_.database(), session_.viewIndex());
            break;
        case SessionEvent::ViewChanged:
            refreshAll();
            break;
        case SessionEvent::Edited:
            show(change.reach, false);
            break;
        case SessionEvent::Undone:
        case SessionEvent::Redone:
            show(change.reach, true);
            showChannels(change.channels);
            break;
        case SessionEvent::Saved:
            break;
    }
}

void WindowRefresh::fillChannelList() {
    const ChannelDatabase& db = session_.database();
    model_.beginFill();
    const ChannelFind& find = selection_.find();
    for (int ch : session_.viewIndex().viewChannels(session_.view())) {
        if ((!selection_.filtersBySatellite() ||
             db.channelSatellite(ch) == selection_.satellite()) &&
            find.matches(db, ch)) {
            model_.appendRow(ch);
        }
    }
    model_.endFill();
    rowCount_.setText(QString::asprintf("%5d", model_.rowCount()));
    if (filterStatus_ != nullptr) {
        filterStatus_->setText(
            selection_.filtersBySatellite()
                ? QStringLiteral("%1: %2 of %3 channels")
                      .arg(QString::fromLatin1(db.satelliteName(selection_.satellite())).trimmed())
                      .arg(model_.rowCount())
                      .arg(session_.viewIndex().viewCount(session_.view()))
                : QString());
    }
}

void WindowRefresh::showWholeView() {
    selection_.showWholeView();
    tree_.clearSelection();
    fillChannelList();
}

// The selection the user had when Find began comes back when Find is emptied with nothing
// selected in between.
void WindowRefresh::applyFind(ChannelFind find) {
    const bool starting = selection_.find().isEmpty() && !find.isEmpty();
    const bool ending = !selection_.find().isEmpty() && find.isEmpty();
    if (starting) {
        beforeFind_ = selectedChannels();
        beforeFindCurrent_ = model_.channelAt(list_.currentIndex().row());
    }
    selection_.setFind(std::move(find));
    if (ending && list_.selectedRowPositions().empty() && !beforeFind_.empty()) {
        fillChannelList();
        list_.selectOnlyRows(rowsOf(model_, beforeFind_));
        showCurrent(beforeFindCurrent_);
        return;
    }
    refillKeepingSelection();
}

std::vector<int> WindowRefresh::selectedChannels() const {
    std::vector<int> selected;
    for (int row : list_.selectedRowPositions()) {
        selected.push_back(model_.channelAt(row));
    }
    return selected;
}

void WindowRefresh::showCurrent(int channel) {
    const std::vector<int> currentRow = rowsOf(model_, {channel});
    if (!currentRow.empty()) {
        list_.selectionModel()->setCurrentIndex(model_.index(currentRow.front(), 0),
                                                QItemSelectionModel::NoUpdate);
        list_.scrollTo(model_.index(currentRow.front(), 0), QAbstractItemView::EnsureVisible);
    }
}

void WindowRefresh::refillKeepingSelection() {
    const std::vector<int> selected = selectedChannels();
    const int current = model_.channelAt(list_.currentIndex().row());
    fillChannelList();
    list_.selectOnlyRows(rowsOf(model_, selected));
    showCurrent(current);
}

void WindowRefresh::refreshAll(bool keepExpansion) {
    refreshing_ = true;
    const QTreeWidgetItem* shown = tree_.selectedItem();
    const int satellite = shown ? SatelliteTree::itemSatellite(shown) : selection_.satellite();
    const int transponder = SatelliteTree::filledTransponder(shown);
    const QList<int> expanded = keepExpansion ? tree_.expandedSatellites() : QList<int>();
    fillChannelList();
    tree_.FillSatelliteTree(session_.database(), session_.viewIndex());
    tree_.expandSatellites(expanded);
    if (selection_.filtersBySatellite()) {
        showSelectionInTree(satellite, transponder);
    }
    refreshing_ = false;
}

// A new order changes the list only: the tree's items and counts stay.
void WindowRefresh::show(ChangeReach reach, bool keepExpansion) {
    switch (reach) {
        case ChangeReach::Fields:
            refreshTexts();
            break;
        case ChangeReach::Order:
            fillChannelList();
            break;
        case ChangeReach::Records:
            refreshAll(keepExpansion);
            break;
    }
}

// With Find in use, a renamed channel may start or stop matching: the list is filled anew.
void WindowRefresh::refreshTexts() {
    if (selection_.find().isEmpty()) {
        model_.refreshAll();
    } else {
        refillKeepingSelection();
    }
    tree_.refreshTexts(session_.database(), session_.viewIndex());
}

void WindowRefresh::showSelectionInTree(int satellite, int transponder) {
    QTreeWidgetItem* item = tree_.itemOfTransponder(satellite, transponder);
    if (!item) {
        item = tree_.satelliteItem(satellite);
    }
    if (!item) {
        return;
    }
    const QSignalBlocker quiet(&tree_);
    tree_.setCurrentItem(item);
    tree_.scrollToItem(item);
}

void WindowRefresh::showChannels(std::span<const int> channels) {
    const ChannelDatabase& db = session_.database();
    const std::span<const int> viewRows = session_.viewIndex().viewChannels(session_.view());
    std::vector<int> shown;
    for (int ch : channels) {
        if (db.isLiveChannel(ch) && std::binary_search(viewRows.begin(), viewRows.end(), ch)) {
            shown.push_back(ch);
        }
    }
    if (shown.empty()) {
        return;
    }
    std::vector<int> rows = rowsOf(model_, shown);
    if (rows.size() < shown.size() && selection_.filtersBySatellite()) {
        selection_.showWholeView();
        fillChannelList();
        rows = rowsOf(model_, shown);
    }
    // Find stays: the channels it hides stay hidden, and may be all of them.
    list_.selectOnlyRows(rows);
    if (!rows.empty()) {
        selection_.takeList();
    }
}

}  // namespace kavro
