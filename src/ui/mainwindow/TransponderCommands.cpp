#include "TransponderCommands.h"

#include <QCoreApplication>

#include "ChannelListModel.h"
#include "ChannelListView.h"
#include "ListPane.h"
#include "SatelliteTree.h"
#include "ShownText.h"
#include "TreePane.h"
#include "WindowParts.h"
#include "WindowRefresh.h"
#include "WindowSelection.h"
#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/TableEditing.h"
#include "session/EditSession.h"

namespace kavro {

namespace {

QString transponderText(const ChannelDatabase& db, int t) {
    const QString tp = shownText(transponderShortText(db, t));
    const int channels = transponderLiveChannelCount(db, t);
    if (channels == 0) {
        return QCoreApplication::translate("kavro::TransponderCommands", "transponder %1").arg(tp);
    }
    return QCoreApplication::translate("kavro::TransponderCommands",
                                       "transponder %1 and its %n channel(s)", nullptr, channels)
        .arg(tp);
}

}  // namespace

void TransponderCommands::deleteTransponder() {
    const ChannelDatabase& db = parts_.session.database();
    const int t = parts_.selection.transponder();
    if (parts_.selection.kind() != SelectionTransponder || !db.isLiveTransponder(t) ||
        !parts_.confirm(QCoreApplication::translate(
                            "kavro::TransponderCommands",
                            "Are you sure to delete the selected transponder?\nDelete %1?")
                            .arg(transponderText(db, t)))) {
        return;
    }
    parts_.session.apply(DeleteTransponder{t});
}

void TransponderCommands::deleteByKey() {
    QTreeWidgetItem* item = parts_.tree.tree()->selectedItem();
    if (!parts_.session.isOpen() || !SatelliteTree::isTransponderItem(item)) {
        return;
    }
    parts_.selection.takeTreeItem(item, parts_.session.viewIndex());
    deleteTransponder();
}

void TransponderCommands::addChannel() {
    const int t = parts_.selection.transponder();
    const SelectionKind kind = parts_.selection.kind();
    if ((kind != SelectionTransponder && kind != SelectionChannel) ||
        !parts_.session.database().isLiveTransponder(t)) {
        return;
    }
    const EditResult result = runChannelDialog(parts_.dialogContext(), t, EditMode::Add);
    if (result.applied) {
        parts_.list.view()->selectAndShowRow(parts_.list.model()->rowOf(ChannelSlot(result.slot)));
    }
}

void TransponderCommands::addTransponder() {
    const SelectionKind kind = parts_.selection.kind();
    if ((kind != SelectionSatellite && kind != SelectionTransponder) ||
        !parts_.refresh.filter().bySatellite) {
        return;
    }
    const int satellite = parts_.selection.satellite();
    const int t = runTransponderDialog(parts_.dialogContext(), satellite, EditMode::Add);
    // The refresh has selected the new transponder in the tree.
    if (t == TransponderCapacity) {
        parts_.selection.setTransponder(t);
    }
}

void TransponderCommands::editTransponder() {
    const QTreeWidgetItem* item = parts_.tree.tree()->selectedItem();
    const ViewIndex& index = parts_.session.viewIndex();
    if (!SatelliteTree::isTransponderItem(item) ||
        SatelliteTree::itemSatellite(item) != parts_.selection.satellite() ||
        SatelliteTree::itemTransponder(item, index) != parts_.selection.transponder()) {
        return;
    }
    runTransponderDialog(parts_.dialogContext(), parts_.selection.transponder(), EditMode::Edit);
}

}  // namespace kavro
