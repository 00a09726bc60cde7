// The popups of the list and the tree. A right press on an item or a row that is not
// selected selects it alone first (the views do that), so a popup at the mouse acts on what
// the user pointed at; a picked command makes the list, or the tree, the owner of the
// selection.
#include <QAction>
#include <QCursor>
#include <QKeySequence>
#include <QMenu>

#include "ChannelListCtrl.h"
#include "MainWindow.h"
#include "SatelliteTree.h"
#include "session/EditSession.h"
#include "ui/dialogs/Interaction.h"

namespace kavro {

namespace {

// An item without a text is a separator; `keys` are shown beside the text.
struct PopupItem {
    int popup;
    const char* text;
    int command;
    const char* keys = nullptr;
};

const PopupItem PopupItems[] = {
    {Popup0, "Delete", CommandDelete},
    {Popup0, "Add to Favorite", CommandAddToFavorite},
    {Popup0, "Edit Favorite", CommandEditFavorite},
    {Popup0, "Edit Favorite Name", CommandEditFavoriteName},
    {Popup0, nullptr, 0},
    {Popup0, "Move to Top", CommandMoveToTop, "Ctrl+Home"},
    {Popup0, "Move to Bottom", CommandMoveToBottom, "Ctrl+End"},
    {Popup0, "Move Up", CommandMoveUp, "Ctrl+Up"},
    {Popup0, "Move Down", CommandMoveDown, "Ctrl+Down"},
    {Popup0, "Move to Position...", CommandMoveToPosition},
    {Popup0, nullptr, 0},
    {Popup0, "Sort by Name", CommandSortByName},
    {Popup0, "Sort by Service ID", CommandSortByServiceId},
    {Popup0, "Sort by Transponder", CommandSortByTransponder},
    {Popup0, nullptr, 0},
    {Popup0, "Export List...", CommandExportList},
    {Popup0, "Apply Order From...", CommandApplyOrder},
    {Popup1, "Delete TP", CommandDeleteTransponder},
    {Popup1, "Add Channel", CommandAddChannel},
    {Popup2, "Add TP", CommandAddTransponder},
};

}  // namespace

std::unique_ptr<QMenu> MainWindow::buildPopup(int popup) {
    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("Popup%1").arg(popup));
    if (popup == Popup0) {
        QAction* undo = menu->addAction(HistoryCommands::undoText(*session_));
        undo->setData(CommandUndo);
        undo->setEnabled(session_->canUndo());
        QAction* redo = menu->addAction(HistoryCommands::redoText(*session_));
        redo->setData(CommandRedo);
        redo->setEnabled(session_->canRedo());
        menu->addSeparator();
    }
    for (const PopupItem& item : PopupItems) {
        if (item.popup != popup) {
            continue;
        }
        if (item.text == nullptr) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromLatin1(item.text));
        action->setData(item.command);
        if (item.keys != nullptr) {
            // Shown only: the list's keys run the command; the popup's own copy stays idle.
            action->setShortcut(QKeySequence(QString::fromLatin1(item.keys)));
            action->setShortcutContext(Qt::WidgetShortcut);
        }
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
    const QAction* picked = interaction_.runPopup(*menu, globalPos);
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
        default:
            break;
    }
}

}  // namespace kavro
