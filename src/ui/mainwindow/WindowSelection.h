// What the user selected last, in one place: the kind of item, and the satellite and
// transponder the tree gave. The commands read it to know what they act on; what the list
// shows is the ListFilter's (WindowRefresh).
#pragma once

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
    // A tree item was chosen: its satellite, and its transponder (as the index lists it now)
    // for a transponder item.
    void takeTreeItem(const QTreeWidgetItem* item, const ViewIndex& index);
    // The list owns the selection now.
    void takeList() { kind_ = SelectionChannel; }
    // The transponder an Add TP made, TransponderCapacity when it made none.
    void setTransponder(int t) { transponder_ = t; }
    // After an open: nothing selected.
    void reset();

private:
    SelectionKind kind_ = SelectionNone;
    int satellite_ = 0;
    int transponder_ = TransponderCapacity;
};

}  // namespace kavro
