#include "WindowRefresh.h"

#include <QCoreApplication>
#include <QItemSelection>
#include <QLabel>
#include <QSignalBlocker>
#include <QTreeWidgetItem>
#include <algorithm>
#include <vector>

#include "ChannelListModel.h"
#include "ChannelListView.h"
#include "SatelliteTree.h"
#include "WindowSelection.h"
#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/ViewIndex.h"
#include "session/EditSession.h"

namespace kavro {

namespace {}  // namespace

WindowRefresh::WindowRefresh(EditSession& session, WindowSelection& selection, SatelliteTree& tree,
                             ChannelListView& list, ChannelListModel& model, QLabel& rowCount)
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
            tree_.fill(session_.database(), session_.viewIndex());
            break;
        case SessionEvent::ViewChanged:
            refreshAll();
            break;
        case SessionEvent::Edited:
        case SessionEvent::Undone:
        case SessionEvent::Redone:
            // A new order or new records refill the list: the channels the change is about
            // are selected (those moved, added or restored); a change of fields keeps the
            // rows and their selection.
            show(change.reach);
            if (change.reach != ChangeReach::Fields || change.event != SessionEvent::Edited) {
                showChannels(change.channels);
            }
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
                ? QCoreApplication::translate("kavro::WindowRefresh", "%1: %2 of %3 channels")
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
        list_.selectOnlyRows(model_.rowsOf(beforeFind_));
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
    const std::vector<int> currentRow = model_.rowsOf(std::vector<int>{channel});
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
    list_.selectOnlyRows(model_.rowsOf(selected));
    showCurrent(current);
}

void WindowRefresh::refreshAll() {
    refreshing_ = true;
    const QTreeWidgetItem* shown = tree_.selectedItem();
    const int satellite = shown ? SatelliteTree::itemSatellite(shown) : selection_.satellite();
    const int transponder = SatelliteTree::filledTransponder(shown);
    const QList<int> expanded = tree_.expandedSatellites();
    fillChannelList();
    {
        // Items that go take the selection along; what the tree selects is set below.
        const QSignalBlocker quiet(&tree_);
        tree_.update(session_.database(), session_.viewIndex());
        if (!selection_.filtersBySatellite()) {
            tree_.clearSelection();
        }
    }
    tree_.expandSatellites(expanded);
    if (selection_.filtersBySatellite()) {
        showSelectionInTree(satellite, transponder);
    }
    refreshing_ = false;
}

// A new order changes the list only: the tree's items and counts stay; new records keep the
// tree's expansion.
void WindowRefresh::show(ChangeReach reach) {
    switch (reach) {
        case ChangeReach::Fields:
            refreshTexts();
            break;
        case ChangeReach::Order:
            fillChannelList();
            break;
        case ChangeReach::Records:
            refreshAll();
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
    std::vector<int> rows = model_.rowsOf(shown);
    if (rows.size() < shown.size() && selection_.filtersBySatellite()) {
        selection_.showWholeView();
        fillChannelList();
        rows = model_.rowsOf(shown);
    }
    // Find stays: the channels it hides stay hidden, and may be all of them.
    list_.selectOnlyRows(rows);
    if (!rows.empty()) {
        selection_.takeList();
    }
}

}  // namespace kavro
