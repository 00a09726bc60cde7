// The popups of the list and the tree. A right press on an item or a row that is not
// selected selects it alone first (the views do that), so a popup at the mouse acts on what
// the user pointed at; a picked command makes the list, or the tree, the owner of the
// selection. The popups show the command table's actions, shared with the menu bar.
#include <QAction>
#include <QCursor>
#include <QMenu>

#include "ChannelListView.h"
#include "CommandTable.h"
#include "MainWindow.h"
#include "SatelliteTree.h"
#include "session/EditSession.h"
#include "ui/dialogs/Interaction.h"

namespace kavro {

std::unique_ptr<QMenu> MainWindow::buildPopup(Popup popup) {
    updateCommands();
    return commands_->buildPopup(popup, this);
}

Popup MainWindow::treePopup() const {
    const QTreeWidgetItem* item = tree_->selectedItem();
    if (!item) {
        return Popup::None;
    }
    return SatelliteTree::isTransponderItem(item) ? Popup::Transponder : Popup::Satellite;
}

// The picked command runs once the popup has closed, as its menu item would.
void MainWindow::runPopup(Popup popup, const QPoint& globalPos) {
    const std::unique_ptr<QMenu> menu = buildPopup(popup);
    commands_->setPaused(true);
    const QAction* picked = interaction_.runPopup(*menu, globalPos);
    commands_->setPaused(false);
    if (picked) {
        commands_->run(commandOf(*picked));
    }
}

void MainWindow::showListPopup(const QPoint& globalPos) {
    if (session_->isOpen()) {
        runPopup(Popup::List, globalPos);
    }
}

void MainWindow::showTreePopup(const QPoint& globalPos) {
    const Popup popup = treePopup();
    if (session_->isOpen() && popup != Popup::None) {
        runPopup(popup, globalPos);
    }
}

void MainWindow::runCommand(CommandId command) {
    commands_->run(command);
}

}  // namespace kavro
