// How the window shows its session: the channel list of the current view (filtered to the
// tree's satellite when a tree item was chosen, and to the channels Find matches), the tree,
// and the row count. It follows every change of the session once, and is the only one that
// refills: after an edit, an undo or a redo it shows the step's channels, selected where
// they still exist, keeps the tree's expansion and reveals a transponder the step added or
// brought back. It holds the list's filter (ListFilter), and only it changes the filter:
// the handlers of the tree, the view buttons, Find and the commands ask it to.
#pragma once

#include <span>
#include <vector>

#include "ListFilter.h"
#include "database/ChannelFind.h"
#include "database/RecordLayout.h"
#include "session/SessionObserver.h"

class QLabel;

namespace kavro {

class ChannelListView;
class ChannelListModel;
class EditSession;
class ListPane;
class SatelliteTree;
class TreePane;
class WindowSelection;

class WindowRefresh : public SessionObserver {
public:
    // Refills the panes' tree and list; the list pane's labels say the row count and what
    // the satellite filter shows ("Meridian 13.0E: 12 of 600 channels").
    WindowRefresh(EditSession& session, WindowSelection& selection, TreePane& tree, ListPane& list);

    void sessionChanged(const SessionChange& change) override;

    // What the list shows now.
    const ListFilter& filter() const { return filter_; }
    // The list anew and the tree's items where they changed. The tree's selected item stays
    // selected (its satellite's item when the item is gone and the list stays filtered), so
    // that the list's filter is always the one the tree shows; every expanded satellite
    // stays expanded.
    void refreshAll();
    // Find asks for `find` now: the list is filled anew, and the channels selected before
    // stay selected where they are still shown, the current one scrolled into view.
    void applyFind(ChannelFind find);
    // A tree item of satellite `s` was chosen: the list shows that satellite's channels.
    void filterBySatellite(int s);
    // The whole of view `view` (a view button, the View menu), through the session.
    void showView(View view);
    // Drops what hides channel `ch` but Find: another view (the list shows All then), another
    // satellite (the whole view).
    void revealChannel(int ch);
    // Drops the satellite filter: the list shows the whole view again, the tree selects
    // nothing.
    void showWholeView();
    // True while the tree is being refilled: its selection signals are the refill's.
    bool isRefreshing() const { return refreshing_; }

private:
    // The rows of the current view (or of the selected satellite) that Find matches, without
    // a selection.
    void fillChannelList();
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
    // The transponders that became live since the last look: one alone is selected in the
    // tree, its satellite shown in the list; of several, their satellites are expanded.
    void revealNewTransponders(bool reveal);

    EditSession& session_;
    WindowSelection& selection_;
    SatelliteTree& tree_;
    ChannelListView& list_;
    ChannelListModel& model_;
    QLabel& rowCount_;
    QLabel& filterStatus_;
    ListFilter filter_;
    std::vector<char> liveTransponders_;  // as the last change left them
    std::vector<int> beforeFind_;         // the channels selected when Find began
    int beforeFindCurrent_ = ChannelCapacity;
    bool refreshing_ = false;
};

}  // namespace kavro
