// The tree, the channel list and the view buttons: filling the list and what a click,
// a double-click or a new selection does. Every handler is inert until a database has
// been opened.
#include <QLabel>

#include "ChannelListCtrl.h"
#include "ChannelListModel.h"
#include "MainWindow.h"
#include "SatelliteTree.h"
#include "ShownText.h"
#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/ViewIndex.h"

namespace kavro {

void MainWindow::FillChannelList() {
    model_->beginFill();
    viewChannelCount = viewCount(viewMode);
    for (int i = 0; i < viewChannelCount; ++i) {
        int ch = ChannelCapacity;
        if (viewChannel(viewMode, i, ch) &&
            (showAllChannels == 1 || channelSatellite(ch) == selectedSatellite)) {
            AppendChannelRow(ch);
        }
    }
    model_->endFill();
    rowCount_->setText(QString::asprintf("%5d", model_->rowCount()));
}

int MainWindow::AppendChannelRow(int ch) {
    return model_->appendRow(ch);
}

void MainWindow::UpdateChannelRow(int row, int ch) {
    model_->updateRow(row, ch);
}

void MainWindow::OnTreeSelChanged() {
    if (!isLoaded) {
        return;
    }
    QTreeWidgetItem* item = tree_->selectedItem();
    if (!item) {
        return;
    }
    takeTreeSelection(item);
    if (!refreshing) {
        FillChannelList();
    }
}

void MainWindow::takeTreeSelection(const QTreeWidgetItem* item) {
    if (!item) {
        return;
    }
    showAllChannels = 0;
    selectedSatellite = SatelliteTree::itemSatellite(item);
    if (SatelliteTree::isTransponderItem(item)) {
        selectedTransponder = SatelliteTree::itemTransponder(item);
        selectionKind = SelectionTransponder;
    } else {
        selectionKind = SelectionSatellite;
    }
}

void MainWindow::OnTreeDblClick() {
    if (!isLoaded) {
        return;
    }
    QTreeWidgetItem* item = tree_->selectedItem();
    if (!SatelliteTree::isTransponderItem(item) ||
        SatelliteTree::itemSatellite(item) != selectedSatellite ||
        SatelliteTree::itemTransponder(item) != selectedTransponder) {
        return;
    }
    const int data = SatelliteTree::itemData(item);
    const int t = EditTransponder(dialogContext(), selectedTransponder, EditMode::Edit);
    if (t != TransponderCapacity) {
        onTransponderEdited(data >> 16, data & 0xFFFF);
    }
}

// Shows an edited transponder's new values in its tree item and in the list's "Tp"
// column, leaving the tree's expansion and selection as they are.
void MainWindow::onTransponderEdited(int s, int j) {
    if (QTreeWidgetItem* item = tree_->transponderItem(s, j)) {
        const std::string text = transponderItemText(satelliteTransponder(s, j));
        item->setText(0, shownText(text));
    }
    model_->refreshColumn(ColumnTp);
}

void MainWindow::OnTreeClick() {}

void MainWindow::OnAll() {
    onViewButton(ViewAll);
}

void MainWindow::OnTv() {
    onViewButton(ViewTv);
}

void MainWindow::OnRadio() {
    onViewButton(ViewRadio);
}

void MainWindow::onViewButton(int view) {
    if (!isLoaded) {
        return;
    }
    showAllChannels = 1;
    setViewMode(view);
    RefreshAll();
}

void MainWindow::OnListClick() {
    if (!isLoaded || list_->firstSelectedRow() < 0) {
        return;
    }
    selectionKind = SelectionChannel;
}

void MainWindow::OnListDblClick() {
    if (!isLoaded) {
        return;
    }
    const int row = list_->firstSelectedRow();
    const int ch = list_->channelOfRow(row);
    if (row < 0 || ch == ChannelCapacity) {
        return;
    }
    if (EditChannel(dialogContext(), ch, EditMode::Edit)) {
        UpdateChannelRow(row, ch);
    }
}

}  // namespace kavro
