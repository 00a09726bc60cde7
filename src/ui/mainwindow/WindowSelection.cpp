#include "WindowSelection.h"

#include "SatelliteTree.h"

namespace kavro {

void WindowSelection::takeTreeItem(const QTreeWidgetItem* item, const ViewIndex& index) {
    if (!item) {
        return;
    }
    satellite_ = SatelliteTree::itemSatellite(item);
    if (SatelliteTree::isTransponderItem(item)) {
        transponder_ = SatelliteTree::itemTransponder(item, index);
        kind_ = SelectionTransponder;
    } else {
        kind_ = SelectionSatellite;
    }
}

void WindowSelection::reset() {
    kind_ = SelectionNone;
    satellite_ = 0;
    transponder_ = TransponderCapacity;
}

}  // namespace kavro
