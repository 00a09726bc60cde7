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
#include "ListPane.h"
#include "SatelliteTree.h"
#include "TreePane.h"
#include "WindowSelection.h"
#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/ViewIndex.h"
#include "session/EditSession.h"

namespace kavro {

WindowRefresh::WindowRefresh(EditSession& session, WindowSelection& selection, TreePane& tree,
                             ListPane& list)
    : session_(session),
      selection_(selection),
      tree_(*tree.tree()),
      list_(*list.view()),
      model_(*list.model()),
      rowCount_(*list.rowCountField()),
      filterStatus_(*list.filterStatus()) {}

void WindowRefresh::sessionChanged(const SessionChange& change) {
    switch (change.event) {
        case SessionEvent::Loaded:
            selection_.reset();
            filter_ = filter_.wholeView();
            filter_.view = session_.view();
            fillChannelList();
            tree_.fill(session_.database(), session_.viewIndex());
            revealNewTransponders(false);
            break;
        case SessionEvent::ViewChanged:
            filter_.view = session_.view();
            refreshAll();
            break;
        case SessionEvent::Edited:
        case SessionEvent::Undone:
        case SessionEvent::Redone:
            // A new order or new records refill the list: the channels the change is about
            // are selected (those moved, added or restored); a change of fields keeps the
            // rows and their selection.
            show(change.reach);
            if (change.reach == ChangeReach::Records) {
                revealNewTransponders(true);
            }
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
    for (int ch : session_.viewIndex().viewChannels(session_.view())) {
        if (filter_.passes(db, ch)) {
            model_.appendRow(ch);
        }
    }
    model_.endFill();
    rowCount_.setText(QString::asprintf("%5d", model_.rowCount()));
    filterStatus_.setText(
        filter_.bySatellite
            ? QCoreApplication::translate("kavro::WindowRefresh", "%1: %2 of %3 channels")
                  .arg(QString::fromLatin1(db.satelliteName(filter_.satellite)).trimmed(),
                       QString::number(model_.rowCount()),
                       QString::number(session_.viewIndex().viewCount(session_.view())))
            : QString());
}

void WindowRefresh::showWholeView() {
    filter_ = filter_.wholeView();
    tree_.clearSelection();
    fillChannelList();
}

// The tree's selection signals during a refill are the refill's: it fills the list itself.
void WindowRefresh::filterBySatellite(int s) {
    filter_ = filter_.ofSatellite(s);
    if (!refreshing_) {
        fillChannelList();
    }
}

// The session's notification of the new view refills.
void WindowRefresh::showView(View view) {
    filter_ = filter_.wholeView();
    filter_.view = view;
    session_.setView(view);
}

void WindowRefresh::revealChannel(int ch) {
    const std::span<const int> shown = session_.viewIndex().viewChannels(session_.view());
    if (!std::binary_search(shown.begin(), shown.end(), ch)) {
        showView(View::All);
    } else if (filter_.bySatellite &&
               session_.database().channelSatellite(ch) != filter_.satellite) {
        showWholeView();
    }
}

// The selection the user had when Find began comes back when Find is emptied with nothing
// selected in between.
void WindowRefresh::applyFind(ChannelFind find) {
    const bool starting = filter_.find.isEmpty() && !find.isEmpty();
    const bool ending = !filter_.find.isEmpty() && find.isEmpty();
    if (starting) {
        beforeFind_ = selectedChannels();
        beforeFindCurrent_ = model_.channelAt(ListRow(list_.currentIndex().row())).value;
    }
    filter_.find = std::move(find);
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
        selected.push_back(model_.channelAt(ListRow(row)).value);
    }
    return selected;
}

void WindowRefresh::showCurrent(int channel) {
    const ListRow currentRow = model_.rowOf(ChannelSlot(channel));
    if (currentRow.exists()) {
        list_.selectionModel()->setCurrentIndex(model_.index(currentRow.value, 0),
                                                QItemSelectionModel::NoUpdate);
        list_.scrollTo(model_.index(currentRow.value, 0), QAbstractItemView::EnsureVisible);
    }
}

void WindowRefresh::refillKeepingSelection() {
    const std::vector<int> selected = selectedChannels();
    const int current = model_.channelAt(ListRow(list_.currentIndex().row())).value;
    fillChannelList();
    list_.selectOnlyRows(model_.rowsOf(selected));
    showCurrent(current);
}

void WindowRefresh::refreshAll() {
    refreshing_ = true;
    const QTreeWidgetItem* shown = tree_.selectedItem();
    const int satellite = shown ? SatelliteTree::itemSatellite(shown) : filter_.satellite;
    const int transponder = SatelliteTree::filledTransponder(shown);
    const QList<int> expanded = tree_.expandedSatellites();
    fillChannelList();
    {
        // Items that go take the selection along; what the tree selects is set below.
        const QSignalBlocker quiet(&tree_);
        tree_.update(session_.database(), session_.viewIndex());
        if (!filter_.bySatellite) {
            tree_.clearSelection();
        }
    }
    tree_.expandSatellites(expanded);
    if (filter_.bySatellite) {
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
    if (filter_.find.isEmpty()) {
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
    // Marked once: a search of the view for each of thousands of channels costs more.
    std::vector<char> inView(ChannelCapacity, 0);
    for (int ch : session_.viewIndex().viewChannels(session_.view())) {
        inView[static_cast<size_t>(ch)] = 1;
    }
    std::vector<int> shown;
    for (int ch : channels) {
        if (ch >= 0 && ch < ChannelCapacity && inView[static_cast<size_t>(ch)] &&
            db.isLiveChannel(ch)) {
            shown.push_back(ch);
        }
    }
    if (shown.empty()) {
        return;
    }
    std::vector<ListRow> rows = model_.rowsOf(shown);
    if (rows.size() < shown.size() && filter_.bySatellite) {
        showWholeView();
        rows = model_.rowsOf(shown);
    }
    // Find stays: the channels it hides stay hidden, and may be all of them.
    list_.selectOnlyRows(rows);
    if (!rows.empty()) {
        selection_.takeList();
    }
}

void WindowRefresh::revealNewTransponders(bool reveal) {
    const ChannelDatabase& db = session_.database();
    liveTransponders_.resize(TransponderCapacity);
    std::vector<int> added;
    for (int t = 0; t < TransponderCapacity; ++t) {
        const bool live = db.isLiveTransponder(t);
        if (live && !liveTransponders_[t]) {
            added.push_back(t);
        }
        liveTransponders_[t] = live;
    }
    if (!reveal || added.empty()) {
        return;
    }
    if (added.size() > 1) {
        for (int t : added) {
            if (QTreeWidgetItem* item = tree_.satelliteItem(db.transponderSatellite(t))) {
                item->setExpanded(true);
            }
        }
        return;
    }
    const int satellite = db.transponderSatellite(added.front());
    QTreeWidgetItem* item = tree_.itemOfTransponder(satellite, added.front());
    if (!item) {
        return;
    }
    {
        const QSignalBlocker quiet(&tree_);
        tree_.setCurrentItem(item);
        tree_.scrollToItem(item);
    }
    selection_.takeTreeItem(item, session_.viewIndex());
    if (!filter_.bySatellite || filter_.satellite != satellite) {
        filter_ = filter_.ofSatellite(satellite);
        fillChannelList();
    }
}

}  // namespace kavro
