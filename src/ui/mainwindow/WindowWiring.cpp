// The window's wiring: what each control and view signal runs, and the keys the views
// handle themselves: the menu key, Delete on the list and on the tree, and on the list
// Ctrl+Home, Ctrl+End, Ctrl+Up, Ctrl+Down, Enter and F2. The other keys are those of the
// command table's actions (MenuBar.cpp).
#include <QCursor>
#include <QRadioButton>

#include "ChannelListModel.h"
#include "ChannelListView.h"
#include "FindField.h"
#include "MainWindow.h"
#include "SatelliteTree.h"
#include "database/ViewIndex.h"
#include "session/EditSession.h"

namespace kavro {

void MainWindow::connectHandlers() {
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, &MainWindow::onTreeSelectionChanged);
    connect(tree_, &SatelliteTree::treeDoubleClicked, this, &MainWindow::onTreeDoubleClicked);
    connect(tree_, &SatelliteTree::showAllRequested, this, [this] {
        if (session_->isOpen() && !list_->isDragging()) {
            refresh_->showWholeView();
        }
    });
    connect(tree_, &SatelliteTree::treeRightClicked, this,
            [this] { showTreePopup(QCursor::pos()); });
    connect(list_, &ChannelListView::listClicked, this, &MainWindow::onListClicked);
    connect(list_, &ChannelListView::listDoubleClicked, this, &MainWindow::onListDoubleClicked);
    connect(list_, &ChannelListView::listRightClicked, this,
            [this] { showListPopup(QCursor::pos()); });
    connect(list_, &ChannelListView::channelsDropped, this, [this](const DropTarget& drop) {
        if (session_->isOpen()) {
            channelCommands_.moveDropped(drop);
        }
    });
    connect(findField_, &QLineEdit::textChanged, this, &MainWindow::onFindChanged);
    connect(findField_, &FindField::downPressed, this, [this] { goToFirstMatch(); });
    connect(findField_, &QLineEdit::returnPressed, this, [this] {
        if (goToFirstMatch()) {
            channelCommands_.editChannel(0);
        }
    });
    for (View view : Views) {
        connect(viewButtons_[viewNumber(view)], &QRadioButton::clicked, this,
                [this, view] { onViewButton(view); });
    }
    connectKeys();
}

// From Find to the list, its first row selected; false when the list shows nothing.
bool MainWindow::goToFirstMatch() {
    list_->setFocus(Qt::OtherFocusReason);
    if (!session_->isOpen() || model_->rowCount() == 0) {
        return false;
    }
    list_->clearSelection();
    list_->selectAndShowRow(0);
    selection_.takeList();
    return true;
}

// A selection made in the list with the keys makes the list the owner of the selection,
// as a click does, so that Delete acts on it.
void MainWindow::connectKeys() {
    connect(list_, &ChannelListView::selectedByKeyboard, this, &MainWindow::onListClicked);
    connect(list_, &ChannelListView::deleteKeyPressed, this,
            [this] { channelCommands_.deleteChannels(); });
    connect(list_, &ChannelListView::menuKeyPressed, this,
            [this] { showListPopup(list_->keyboardMenuPosition()); });
    connect(list_, &ChannelListView::moveKeyPressed, this, [this](int key) {
        onListClicked();
        orderCommands_.moveByKey(key);
    });
    connect(list_, &ChannelListView::openKeyPressed, this, &MainWindow::onListOpenKey);
    connect(tree_, &SatelliteTree::menuKeyPressed, this,
            [this] { showTreePopup(tree_->keyboardMenuPosition()); });
    connect(tree_, &SatelliteTree::deleteKeyPressed, this,
            [this] { transponderCommands_.deleteByKey(); });
}

}  // namespace kavro
