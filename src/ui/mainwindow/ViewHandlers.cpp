// What a new tree selection, a click or double-click in the tree or the list, the list's
// open keys, a change of Find and the view buttons do. Every handler but Find's is inert
// until a database has been opened.
#include <QTreeWidgetItem>

#include "ChannelListView.h"
#include "FindField.h"
#include "MainWindow.h"
#include "SatelliteTree.h"
#include "session/EditSession.h"

namespace kavro {

// A refill selects the tree's item itself; the list is already filled then.
void MainWindow::onTreeSelectionChanged() {
    QTreeWidgetItem* item = tree_->selectedItem();
    if (!session_->isOpen() || !item) {
        return;
    }
    selection_.takeTreeItem(item, session_->viewIndex());
    if (!refresh_->isRefreshing()) {
        refresh_->fillChannelList();
    }
}

void MainWindow::onTreeDoubleClicked() {
    if (session_->isOpen()) {
        transponderCommands_.editTransponder();
    }
}

void MainWindow::onViewButton(View view) {
    if (!session_->isOpen()) {
        return;
    }
    selection_.showWholeView();
    session_->setView(view);
}

void MainWindow::onListClicked() {
    if (session_->isOpen() && list_->firstSelectedRow() >= 0) {
        selection_.takeList();
    }
}

void MainWindow::onListDoubleClicked() {
    if (session_->isOpen()) {
        channelCommands_.editChannel();
    }
}

void MainWindow::onListOpenKey() {
    if (session_->isOpen()) {
        channelCommands_.editChannel(list_->currentIndex().row());
    }
}

// A drag in the list ends without a move: its rows are about to be filled anew.
void MainWindow::onFindChanged() {
    list_->cancelDrag();
    refresh_->applyFind(findField_->find());
}

}  // namespace kavro
