#include "SatelliteCommands.h"

#include "ListPane.h"
#include "SatelliteTree.h"
#include "TreePane.h"
#include "WindowParts.h"
#include "WindowSelection.h"
#include "session/EditSession.h"
#include "ui/dialogs/SatellitesDialog.h"

namespace kavro {

void SatelliteCommands::openDialog(int satellite) {
    if (parts_.session.isOpen()) {
        runSatellitesDialog(parts_.dialogContext(), satellite);
    }
}

int SatelliteCommands::selectedSatellite() const {
    const QTreeWidgetItem* item = parts_.tree.tree()->selectedItem();
    if (!parts_.session.isOpen() || item == nullptr || SatelliteTree::isTransponderItem(item)) {
        return -1;
    }
    return SatelliteTree::itemSatellite(item);
}

void SatelliteCommands::hideSelected() {
    const int s = selectedSatellite();
    if (s >= 0) {
        parts_.session.apply(ShowSatellite{s, false});
    }
}

void SatelliteCommands::renameSelected() {
    const int s = selectedSatellite();
    if (s >= 0) {
        openDialog(s);
    }
}

}  // namespace kavro
