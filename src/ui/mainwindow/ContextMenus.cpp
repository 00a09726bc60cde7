// The popups of the list and the tree. A right press on an item or a row that is not
// selected selects it alone first (the views do that), so a popup at the mouse acts on what
// the user pointed at; a picked command makes the list, or the tree, the owner of the
// selection. The popups show the command table's actions, shared with the menu bar.
#include <QAction>
#include <QCursor>
#include <QMenu>

#include "ChannelListCtrl.h"
#include "CommandTable.h"
#include "MainWindow.h"
#include "SatelliteTree.h"
#include "session/EditSession.h"
#include "ui/dialogs/Interaction.h"

namespace kavro {

namespace {

struct PopupItem {
    int popup;
    int command;  // its text and key are in the command table; 0 is a separator
};

const PopupItem PopupItems[] = {
    {Popup0, CommandEditChannel},
    {Popup0, CommandDelete},
    {Popup0, CommandAddToFavorite},
    {Popup0, CommandEditFavorite},
    {Popup0, CommandEditFavoriteName},
    {Popup0, 0},
    {Popup0, CommandMoveToTop},
    {Popup0, CommandMoveToBottom},
    {Popup0, CommandMoveUp},
    {Popup0, CommandMoveDown},
    {Popup0, CommandMoveToPosition},
    {Popup0, 0},
    {Popup0, CommandSortByName},
    {Popup0, CommandSortByServiceId},
    {Popup0, CommandSortByTransponder},
    {Popup0, 0},
    {Popup0, CommandExportList},
    {Popup0, CommandApplyOrder},
    {Popup1, CommandDeleteTransponder},
    {Popup1, CommandAddChannel},
    {Popup2, CommandAddTransponder},
    {Popup2, 0},
    {Popup2, CommandHideSatellite},
    {Popup2, CommandRenameSatellite},
};

}  // namespace

std::unique_ptr<QMenu> MainWindow::buildPopup(int popup) {
    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("Popup%1").arg(popup));
    updateCommands();
    if (popup == Popup0) {
        menu->addAction(commands_->action(CommandUndo));
        menu->addAction(commands_->action(CommandRedo));
        menu->addSeparator();
    }
    for (const PopupItem& item : PopupItems) {
        if (item.popup != popup) {
            continue;
        }
        if (item.command == 0) {
            menu->addSeparator();
        } else {
            menu->addAction(commands_->action(item.command));
        }
    }
    if (popup == Popup0) {
        menu->addSeparator();
        menu->addMenu(selectCommands_.menu());
    }
    return menu;
}

int MainWindow::treePopup() const {
    const QTreeWidgetItem* item = tree_->selectedItem();
    if (!item) {
        return NoPopup;
    }
    return SatelliteTree::isTransponderItem(item) ? Popup1 : Popup2;
}

// The picked command, to run once the popup has closed.
int MainWindow::runPopup(int popup, const QPoint& globalPos) {
    const std::unique_ptr<QMenu> menu = buildPopup(popup);
    commands_->setPaused(true);
    const QAction* picked = interaction_.runPopup(*menu, globalPos);
    commands_->setPaused(false);
    return picked ? picked->data().toInt() : 0;
}

void MainWindow::showListPopup(const QPoint& globalPos) {
    if (!session_->isOpen()) {
        return;
    }
    const int command = runPopup(Popup0, globalPos);
    if (command != 0) {
        onListClicked();
        runCommand(command);
    }
}

void MainWindow::showTreePopup(const QPoint& globalPos) {
    const int popup = treePopup();
    if (!session_->isOpen() || popup == NoPopup) {
        return;
    }
    const int command = runPopup(popup, globalPos);
    if (command != 0) {
        selection_.takeTreeItem(tree_->selectedItem(), session_->viewIndex());
        runCommand(command);
    }
}

void MainWindow::runCommand(int command) {
    switch (command) {
        case CommandEditChannel:
            channelCommands_.editChannel();
            break;
        case CommandDelete:
            channelCommands_.deleteChannels();
            break;
        case CommandAddToFavorite:
            channelCommands_.addToFavorites();
            break;
        case CommandEditFavorite:
            channelCommands_.editFavorites();
            break;
        case CommandEditFavoriteName:
            channelCommands_.editGroupNames();
            break;
        case CommandDeleteTransponder:
            transponderCommands_.deleteTransponder();
            break;
        case CommandAddChannel:
            transponderCommands_.addChannel();
            break;
        case CommandAddTransponder:
            transponderCommands_.addTransponder();
            break;
        case CommandMoveToTop:
            orderCommands_.moveToTop();
            break;
        case CommandMoveToBottom:
            orderCommands_.moveToBottom();
            break;
        case CommandMoveUp:
            orderCommands_.moveUp();
            break;
        case CommandMoveDown:
            orderCommands_.moveDown();
            break;
        case CommandMoveToPosition:
            orderCommands_.moveToPosition();
            break;
        case CommandSortByName:
            orderCommands_.sort(SortKey::Name);
            break;
        case CommandSortByServiceId:
            orderCommands_.sort(SortKey::ServiceId);
            break;
        case CommandSortByTransponder:
            orderCommands_.sort(SortKey::Transponder);
            break;
        case CommandUndo:
            historyCommands_.undo();
            break;
        case CommandRedo:
            historyCommands_.redo();
            break;
        case CommandExportList:
            listCommands_.exportList();
            break;
        case CommandApplyOrder:
            listCommands_.applyOrder();
            break;
        case CommandImportFrom:
            listCommands_.importFrom();
            break;
        case CommandHideSatellite:
            satelliteCommands_.hideSelected();
            break;
        case CommandRenameSatellite:
            satelliteCommands_.renameSelected();
            break;
        default:
            selectCommands_.run(command);
            break;
    }
}

}  // namespace kavro
