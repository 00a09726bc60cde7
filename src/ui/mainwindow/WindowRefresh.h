// How the window shows its session: the channel list of the current view (filtered to the
// tree's satellite when a tree item was chosen, and to the channels Find matches), the tree,
// and the row count. It follows every change of the session once, and is the only one that
// refills: after an edit, an undo or a redo it shows the step's channels, selected where
// they still exist, and keeps the tree's expansion.
#pragma once

#include <span>
#include <vector>

#include "database/ChannelFind.h"
#include "database/RecordLayout.h"
#include "session/SessionObserver.h"

class QLabel;

namespace kavro {

class ChannelListView;
class ChannelListModel;
class EditSession;
class SatelliteTree;
class WindowSelection;

class WindowRefresh : public SessionObserver {
public:
    WindowRefresh(EditSession& session, WindowSelection& selection, SatelliteTree& tree,
                  ChannelListView& list, ChannelListModel& model, QLabel& rowCount);

    void sessionChanged(const SessionChange& change) override;

    // The list anew and the tree's items where they changed. The tree's selected item stays
    // selected (its satellite's item when the item is gone and the list stays filtered), so
    // that the list's filter is always the one the tree shows; every expanded satellite
    // stays expanded.
    void refreshAll();
    // The rows of the current view (or of the selected satellite) that Find matches, without
    // a selection.
    void fillChannelList();
    // Find asks for `find` now: the list is filled anew, and the channels selected before
    // stay selected where they are still shown, the current one scrolled into view.
    void applyFind(ChannelFind find);
    // Where a fill says what the satellite filter shows ("Meridian 13.0E: 12 of 600
    // channels"); empty while no filter is on.
    void setFilterStatus(QLabel* label) { filterStatus_ = label; }
    // Drops the satellite filter: the list shows the whole view again.
    void showWholeView();
    // True while the tree is being refilled: its selection signals are the refill's.
    bool isRefreshing() const { return refreshing_; }

private:
    // A change of the tables of that reach, after a command or after an undo or a redo.
    void show(ChangeReach reach);
    void refreshTexts();
    // The list filled anew, the channels selected before selected where they are still
    // shown, the current one scrolled into view.
    void refillKeepingSelection();
    std::vector<int> selectedChannels() const;
    // Makes the row of `channel`, if shown, the current one and scrolls it into view.
    void showCurrent(int channel);
    // After a refill: selects the item of `transponder` under `satellite`, else the
    // satellite's item, without telling the selection handlers.
    void showSelectionInTree(int satellite, int transponder);
    // Selects the rows of the live channels among `channels` and shows the first; drops the
    // satellite filter when it hides one of them.
    void showChannels(std::span<const int> channels);

    EditSession& session_;
    WindowSelection& selection_;
    SatelliteTree& tree_;
    ChannelListView& list_;
    ChannelListModel& model_;
    QLabel& rowCount_;
    QLabel* filterStatus_ = nullptr;
    std::vector<int> beforeFind_;  // the channels selected when Find began
    int beforeFindCurrent_ = ChannelCapacity;
    bool refreshing_ = false;
};

}  // namespace kavro
