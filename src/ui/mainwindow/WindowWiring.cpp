// The window's wiring: what each control, view signal and key runs. The keys: the menu key,
// Delete on the list and on the tree, Ctrl+Home, Ctrl+End, Ctrl+Up and Ctrl+Down, Enter and F2
// on the list, Ctrl+F for Find, Ctrl+O, Ctrl+S and Ctrl+Shift+S for Open, Save and Save As,
// Ctrl+Z for Undo, Ctrl+Y and Ctrl+Shift+Z for Redo.
#include <QCursor>
#include <QKeySequence>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <functional>

#include "ChannelListCtrl.h"
#include "FindField.h"
#include "MainWindow.h"
#include "SatelliteTree.h"
#include "database/ViewIndex.h"
#include "session/EditSession.h"

namespace kavro {

void MainWindow::connectHandlers() {
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, &MainWindow::onTreeSelectionChanged);
    connect(tree_, &SatelliteTree::treeDoubleClicked, this, &MainWindow::onTreeDoubleClicked);
    connect(tree_, &SatelliteTree::treeRightClicked, this,
            [this] { showTreePopup(QCursor::pos()); });
    connect(list_, &ChannelListCtrl::listClicked, this, &MainWindow::onListClicked);
    connect(list_, &ChannelListCtrl::listDoubleClicked, this, &MainWindow::onListDoubleClicked);
    connect(list_, &ChannelListCtrl::listRightClicked, this,
            [this] { showListPopup(QCursor::pos()); });
    connect(list_, &ChannelListCtrl::channelsDropped, this, [this](const DropTarget& drop) {
        if (session_->isOpen()) {
            channelCommands_.moveDropped(drop);
        }
    });
    connect(findField_, &QLineEdit::textChanged, this, &MainWindow::onFindChanged);
    connect(findField_, &QLineEdit::returnPressed, this,
            [this] { list_->setFocus(Qt::OtherFocusReason); });
    for (int view = ViewAll; view <= ViewRadio; ++view) {
        connect(viewButtons_[view], &QRadioButton::clicked, this,
                [this, view] { onViewButton(view); });
    }
    connect(undoButton_, &QPushButton::clicked, this, [this] { historyCommands_.undo(); });
    connect(redoButton_, &QPushButton::clicked, this, [this] { historyCommands_.redo(); });
    connect(openButton_, &QPushButton::clicked, this, [this] { fileCommands_.open(); });
    connect(saveButton_, &QPushButton::clicked, this, [this] { fileCommands_.save(); });
    connect(saveAsButton_, &QPushButton::clicked, this, [this] { fileCommands_.saveAs(); });
    connect(exitButton_, &QPushButton::clicked, this, [this] { fileCommands_.exit(); });
    connectKeys();
}

// A selection made in the list with the keys makes the list the owner of the selection,
// as a click does, so that Delete acts on it. No shortcut acts during a drag.
void MainWindow::connectKeys() {
    connect(list_, &ChannelListCtrl::selectedByKeyboard, this, &MainWindow::onListClicked);
    connect(list_, &ChannelListCtrl::deleteKeyPressed, this,
            [this] { channelCommands_.deleteChannels(); });
    connect(list_, &ChannelListCtrl::menuKeyPressed, this,
            [this] { showListPopup(list_->keyboardMenuPosition()); });
    connect(list_, &ChannelListCtrl::moveKeyPressed, this, [this](int key) {
        onListClicked();
        orderCommands_.moveByKey(key);
    });
    connect(list_, &ChannelListCtrl::openKeyPressed, this, &MainWindow::onListOpenKey);
    connect(tree_, &SatelliteTree::menuKeyPressed, this,
            [this] { showTreePopup(tree_->keyboardMenuPosition()); });
    connect(tree_, &SatelliteTree::deleteKeyPressed, this,
            [this] { transponderCommands_.deleteByKey(); });
    const struct {
        QKeySequence keys;
        std::function<void()> run;
    } shortcuts[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_F),
         [this] {
             findField_->setFocus(Qt::ShortcutFocusReason);
             findField_->selectAll();
         }},
        {QKeySequence(Qt::CTRL | Qt::Key_O), [this] { fileCommands_.open(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_S), [this] { fileCommands_.save(); }},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { fileCommands_.saveAs(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { historyCommands_.undo(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { historyCommands_.redo(); }},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { historyCommands_.redo(); }},
    };
    for (const auto& shortcut : shortcuts) {
        auto* keys = new QShortcut(shortcut.keys, this);
        connect(keys, &QShortcut::activated, this, [this, run = shortcut.run] {
            if (!list_->isDragging()) {
                run();
            }
        });
    }
}

}  // namespace kavro
