// What the user selected last, in one place: the kind of item, the satellite and
// transponder the tree gave, whether the list shows only that satellite's channels, and the
// text of Find that the list's channels match. The commands read it to know what they act
// on.
#pragma once

#include <utility>

#include "database/ChannelFind.h"
#include "database/RecordLayout.h"

class QTreeWidgetItem;

namespace kavro {

class ViewIndex;

enum SelectionKind : int {
    SelectionNone = 0,
    SelectionSatellite = 1,
    SelectionTransponder = 2,
    SelectionChannel = 3
};

class WindowSelection {
public:
    SelectionKind kind() const { return kind_; }
    int satellite() const { return satellite_; }
    int transponder() const { return transponder_; }
    // The list shows only the channels of satellite(): a tree item was chosen last, not a
    // view button.
    bool filtersBySatellite() const { return filtered_; }
    // What Find asks of the list's channels; it stays through opens, views and edits.
    const ChannelFind& find() const { return find_; }
    void setFind(ChannelFind find) { find_ = std::move(find); }

    // A tree item was chosen: its satellite, its transponder (as the index lists it now)
    // for a transponder item, and the filter.
    void takeTreeItem(const QTreeWidgetItem* item, const ViewIndex& index);
    // The list owns the selection now.
    void takeList() { kind_ = SelectionChannel; }
    // The transponder an Add TP made, TransponderCapacity when it made none.
    void setTransponder(int t) { transponder_ = t; }
    // A view button: the whole view again.
    void showWholeView() { filtered_ = false; }
    // After an open: the whole view, nothing selected.
    void reset();

private:
    SelectionKind kind_ = SelectionNone;
    int satellite_ = 0;
    int transponder_ = TransponderCapacity;
    bool filtered_ = false;
    ChannelFind find_;
};

}  // namespace kavro
