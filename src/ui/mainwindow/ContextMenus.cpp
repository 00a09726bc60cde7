// The popups of the list and the tree, and the keys that reach the same handlers: the menu
// key, Delete on the list and on the tree, and Ctrl+O, Ctrl+S and Ctrl+Shift+S for Open,
// Save and Save As.
#include <QAction>
#include <QCursor>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>

#include "ChannelListCtrl.h"
#include "MainWindow.h"
#include "SatelliteTree.h"
#include "ui/dialogs/Interaction.h"

namespace kavro {

namespace {

struct PopupItem {
    int popup;
    const char* text;
    int command;
};

const PopupItem PopupItems[] = {
    {Popup0, "Delete", CommandDelete},
    {Popup0, "Add to Favorite", CommandAddToFavorite},
    {Popup0, "Edit Favorite", CommandEditFavorite},
    {Popup0, "Edit Favorite Name", CommandEditFavoriteName},
    {Popup1, "Delete TP", CommandDeleteTransponder},
    {Popup1, "Add Channel", CommandAddChannel},
    {Popup2, "Add TP", CommandAddTransponder},
};

}  // namespace

std::unique_ptr<QMenu> MainWindow::buildPopup(int popup) {
    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("Popup%1").arg(popup));
    for (const PopupItem& item : PopupItems) {
        if (item.popup == popup) {
            menu->addAction(QString::fromLatin1(item.text))->setData(item.command);
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

void MainWindow::OnListRightClick() {
    showListPopup(QCursor::pos());
}

void MainWindow::showListPopup(const QPoint& globalPos) {
    if (!isLoaded) {
        return;
    }
    const int command = runPopup(Popup0, globalPos);
    if (command != 0) {
        OnListClick();
        OnCommand(command);
    }
}

void MainWindow::OnTreeRightClick() {
    showTreePopup(QCursor::pos());
}

void MainWindow::showTreePopup(const QPoint& globalPos) {
    const int popup = treePopup();
    if (!isLoaded || popup == NoPopup) {
        return;
    }
    const int command = runPopup(popup, globalPos);
    if (command != 0) {
        takeTreeSelection(tree_->selectedItem());
        OnCommand(command);
    }
}

void MainWindow::onListMenuKey() {
    showListPopup(list_->keyboardMenuPosition());
}

void MainWindow::onTreeMenuKey() {
    showTreePopup(tree_->keyboardMenuPosition());
}

void MainWindow::OnCommand(int command) {
    switch (command) {
        case CommandDelete:
            OnDeleteChannels();
            break;
        case CommandAddToFavorite:
            OnAddToFavorite();
            break;
        case CommandEditFavorite:
            OnEditFavorite();
            break;
        case CommandEditFavoriteName:
            OnEditFavoriteName();
            break;
        case CommandDeleteTransponder:
            OnDeleteTransponder();
            break;
        case CommandAddChannel:
            OnAddChannel();
            break;
        case CommandAddTransponder:
            OnAddTransponder();
            break;
        default:
            break;
    }
}

// A selection made in the list with the keys makes the list the owner of the selection,
// as a click does, so that Delete acts on it.
void MainWindow::connectKeys() {
    connect(list_, &ChannelListCtrl::selectedByKeyboard, this, &MainWindow::OnListClick);
    connect(list_, &ChannelListCtrl::deleteKeyPressed, this, &MainWindow::OnDeleteChannels);
    connect(list_, &ChannelListCtrl::menuKeyPressed, this, &MainWindow::onListMenuKey);
    connect(tree_, &SatelliteTree::menuKeyPressed, this, &MainWindow::onTreeMenuKey);
    connect(tree_, &SatelliteTree::deleteKeyPressed, this, &MainWindow::OnTreeDeleteKey);
    const struct {
        QKeySequence keys;
        void (MainWindow::*handler)();
    } shortcuts[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::OnOpen},
        {QKeySequence(Qt::CTRL | Qt::Key_S), &MainWindow::OnSave},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &MainWindow::OnSaveAs},
    };
    for (const auto& shortcut : shortcuts) {
        auto* keys = new QShortcut(shortcut.keys, this);
        const auto handler = shortcut.handler;
        connect(keys, &QShortcut::activated, this, [this, handler] {
            if (!list_->dragging) {
                (this->*handler)();
            }
        });
    }
}

}  // namespace kavro
