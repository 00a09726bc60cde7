// The window's menu bar: its commands in one table (CommandTable), the Open Recent
// submenu, the enabled states as the session and the tree's selection stand, and Help.
#include "MenuBar.h"

#include <QAction>
#include <QActionGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ChannelListCtrl.h"
#include "CommandTable.h"
#include "FindField.h"
#include "KavroVersion.h"
#include "MainWindow.h"
#include "RecentFiles.h"
#include "SatelliteTree.h"
#include "database/ViewIndex.h"
#include "session/EditSession.h"
#include "ui/dialogs/Interaction.h"

namespace kavro {

namespace {

const char* const MenuNames[MenuCount] = {"File", "Edit", "Channels", "Tree", "View", "Help"};

// Keys that act without a menu entry.
const char* const OtherKeys[][2] = {
    {"Menu, Shift+F10", "The popup of the list or the tree"},
    {"Enter", "Presses the focused button"},
    {"Escape", "Ends a drag; closes the window, asking to save changes"},
};

// The menu bar's entries in their order; Open Recent follows Open. Keys in portable text,
// the first one shown in the menu. The commands that act on the database wait for one to be
// open (the popups only show then); Delete is the Delete key of the list or tree.
struct MenuEntry {
    int command;
    const char* text;
    MenuName menu;
    const char* keys;
    Availability availability;
    bool keyOwnedByView;
};

using M = MenuName;
using A = Availability;

const MenuEntry MenuEntries[] = {
    {CommandOpen, "Open...", M::File, "Ctrl+O", A::Always, false},
    {CommandSave, "Save", M::File, "Ctrl+S", A::WhenModified, false},
    {CommandSaveAs, "Save As...", M::File, "Ctrl+Shift+S", A::WhenOpen, false},
    {CommandBackups, "Backups...", M::File, "", A::WhenOpen, false},
    {CommandExportList, "Export List...", M::File, "Ctrl+Shift+X", A::WhenOpen, false},
    {CommandImportFrom, "Import From...", M::File, "Ctrl+I", A::WhenOpen, false},
    {CommandExit, "Exit", M::File, "Ctrl+Q", A::Always, false},
    {CommandUndo, "Undo", M::Edit, "Ctrl+Z", A::WhenUndoable, false},
    {CommandRedo, "Redo", M::Edit, "Ctrl+Y; Ctrl+Shift+Z", A::WhenRedoable, false},
    {CommandFind, "Find", M::Edit, "Ctrl+F", A::Always, false},
    {CommandDelete, "Delete", M::Edit, "Del", A::WhenOpen, true},
    {CommandSelectAll, "Select All", M::Edit, "Ctrl+A", A::WhenOpen, false},
    {CommandEditChannel, "Edit Channel...", M::Channels, "F2", A::WhenOpen, true},
    {CommandAddToFavorite, "Add to Favorite", M::Channels, "Ctrl+D", A::WhenOpen, false},
    {CommandEditFavorite, "Edit Favorite", M::Channels, "Ctrl+E", A::WhenOpen, false},
    {CommandEditFavoriteName, "Edit Favorite Name", M::Channels, "Ctrl+Shift+E", A::WhenOpen,
     false},
    {CommandMoveToTop, "Move to Top", M::Channels, "Ctrl+Home", A::WhenOpen, true},
    {CommandMoveToBottom, "Move to Bottom", M::Channels, "Ctrl+End", A::WhenOpen, true},
    {CommandMoveUp, "Move Up", M::Channels, "Ctrl+Up", A::WhenOpen, true},
    {CommandMoveDown, "Move Down", M::Channels, "Ctrl+Down", A::WhenOpen, true},
    {CommandMoveToPosition, "Move to Position...", M::Channels, "Ctrl+G", A::WhenOpen, false},
    {CommandSortByName, "Sort by Name", M::Channels, "Ctrl+Shift+N", A::WhenOpen, false},
    {CommandSortByServiceId, "Sort by Service ID", M::Channels, "Ctrl+Shift+I", A::WhenOpen, false},
    {CommandSortByTransponder, "Sort by Transponder", M::Channels, "Ctrl+Shift+T", A::WhenOpen,
     false},
    {CommandApplyOrder, "Apply Order From...", M::Channels, "Ctrl+Shift+O", A::WhenOpen, false},
    {CommandAddTransponder, "Add TP", M::Tree, "Ctrl+T", A::WhenOpen, false},
    {CommandDeleteTransponder, "Delete TP", M::Tree, "Del", A::WhenOpen, true},
    {CommandAddChannel, "Add Channel", M::Tree, "Ctrl+N", A::WhenOpen, false},
    {CommandSatellites, "Satellites...", M::Tree, "Ctrl+L", A::WhenOpen, false},
    {CommandHideSatellite, "Hide Satellite", M::Tree, "Ctrl+H", A::WhenOpen, false},
    {CommandRenameSatellite, "Rename Satellite...", M::Tree, "Ctrl+R", A::WhenOpen, false},
    {CommandViewAll, "All", M::View, "Ctrl+1", A::WhenOpen, false},
    {CommandViewTv, "TV", M::View, "Ctrl+2", A::WhenOpen, false},
    {CommandViewRadio, "Radio", M::View, "Ctrl+3", A::WhenOpen, false},
    {CommandKeyboardShortcuts, "Keyboard Shortcuts", M::Help, "F1", A::Always, false},
    {CommandAbout, "About Kavro", M::Help, "", A::Always, false},
};

}  // namespace

void MainWindow::buildMenuBar() {
    commands_ = std::make_unique<CommandTable>(*this);
    commands_->setBlocked([this] { return list_->isDragging(); });
    auto* views = new QActionGroup(this);
    for (const MenuEntry& e : MenuEntries) {
        const QList<QKeySequence> keys =
            QKeySequence::listFromString(QString::fromLatin1(e.keys), QKeySequence::PortableText);
        QAction* action =
            commands_->add({e.command, e.text, e.menu, keys, e.availability, e.keyOwnedByView,
                            [this, c = e.command] { runMenuCommand(c); }});
        if (e.command == CommandOpen) {
            recentMenu_ = commands_->menu(M::File)->addMenu(QStringLiteral("Open &Recent"));
            connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
        }
        if (e.command == CommandImportFrom || e.command == CommandRedo ||
            e.command == CommandEditFavoriteName || e.command == CommandMoveToPosition ||
            e.command == CommandSortByTransponder || e.command == CommandAddChannel) {
            commands_->menu(e.menu)->addSeparator();
        }
        if (e.menu == M::View) {
            action->setCheckable(true);
            views->addAction(action);
        }
    }
    selectCommands_.addMenu(*commands_, [this](int command) { runOnList(command); });
}

void MainWindow::runMenuCommand(int command) {
    switch (command) {
        case CommandOpen:
            return fileCommands_.open();
        case CommandSave:
            return fileCommands_.save();
        case CommandSaveAs:
            return fileCommands_.saveAs();
        case CommandBackups:
            return fileCommands_.showBackups();
        case CommandExit:
            return fileCommands_.exit();
        case CommandUndo:
            return historyCommands_.undo();
        case CommandRedo:
            return historyCommands_.redo();
        case CommandFind:
            return focusFind();
        case CommandDelete:
            return deleteWhereFocused();
        case CommandSelectAll:
            return selectAllChannels();
        case CommandAddTransponder:
        case CommandDeleteTransponder:
        case CommandAddChannel:
        case CommandHideSatellite:
        case CommandRenameSatellite:
            return runOnTree(command);
        case CommandSatellites:
            return satelliteCommands_.openDialog();
        case CommandViewAll:
        case CommandViewTv:
        case CommandViewRadio:
            return onViewButton(ViewAll + command - CommandViewAll);
        case CommandKeyboardShortcuts:
            return showKeyboardShortcuts();
        case CommandAbout:
            return showAbout();
        default:
            return runOnList(command);
    }
}

void MainWindow::updateCommands() {
    if (!commands_) {
        return;
    }
    commands_->updateEnabled([this](Availability availability) {
        switch (availability) {
            case Availability::Always:
                return true;
            case Availability::WhenOpen:
                return session_->isOpen();
            case Availability::WhenModified:
                return session_->isModified();
            case Availability::WhenUndoable:
                return session_->canUndo();
            case Availability::WhenRedoable:
                return session_->canRedo();
        }
        return false;
    });
    commands_->action(CommandUndo)->setText(HistoryCommands::undoText(*session_));
    commands_->action(CommandRedo)->setText(HistoryCommands::redoText(*session_));
    if (QAction* view = commands_->action(CommandViewAll + session_->view())) {
        view->setChecked(true);
    }
    recentMenu_->setEnabled(!RecentFiles(*settings_).paths().isEmpty());
}

void MainWindow::fillRecentMenu() {
    recentMenu_->clear();
    const QStringList paths = RecentFiles(*settings_).paths();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        const QString text =
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path));
        connect(recentMenu_->addAction(text), &QAction::triggered, this, [this, path] {
            if (!list_->isDragging()) {
                openFile(path);
            }
        });
    }
    recentMenu_->addSeparator();
    QAction* clear = recentMenu_->addAction(QStringLiteral("Clear Menu"));
    clear->setObjectName(QStringLiteral("clearRecentAction"));
    connect(clear, &QAction::triggered, this, [this] {
        RecentFiles(*settings_).clear();
        updateCommands();
    });
}

// The popups' commands from the menu bar and their keys: the list, or the tree, becomes
// the owner of the selection first, as after a pick in its popup. A tree command for the
// other kind of item does nothing, as its key does where its popup would not show.
void MainWindow::runOnList(int command) {
    if (session_->isOpen()) {
        onListClicked();
        runCommand(command);
    }
}

void MainWindow::runOnTree(int command) {
    const bool forTransponder = command == CommandDeleteTransponder || command == CommandAddChannel;
    if (session_->isOpen() && treePopup() == (forTransponder ? Popup1 : Popup2)) {
        selection_.takeTreeItem(tree_->selectedItem(), session_->viewIndex());
        runCommand(command);
    }
}

void MainWindow::focusFind() {
    findField_->setFocus(Qt::ShortcutFocusReason);
    findField_->selectAll();
}

// Edit > Delete does what the Delete key does where the focus is.
void MainWindow::deleteWhereFocused() {
    if (tree_->hasFocus()) {
        transponderCommands_.deleteByKey();
    } else {
        runOnList(CommandDelete);
    }
}

void MainWindow::selectAllChannels() {
    if (session_->isOpen()) {
        list_->setFocus(Qt::ShortcutFocusReason);
        list_->selectAll();
        onListClicked();
    }
}

void MainWindow::showKeyboardShortcuts() {
    const std::unique_ptr<QDialog> dialog = keyboardShortcutsDialog(*commands_, this);
    interaction_.runDialog(*dialog);
}

void MainWindow::showAbout() {
    interaction_.messageBox(
        this,
        QStringLiteral("Kavro %1\n\nEdits the channel database of a digital satellite receiver.")
            .arg(QString::fromUtf8(KavroVersion.data(), KavroVersion.size())),
        Interaction::Buttons::Ok, Interaction::Icon::Information);
}

std::unique_ptr<QDialog> keyboardShortcutsDialog(const CommandTable& table, QWidget* parent) {
    auto dialog = std::make_unique<QDialog>(parent);
    dialog->setWindowTitle(QStringLiteral("Keyboard Shortcuts"));
    auto* keys = new QTableWidget(0, 2, dialog.get());
    keys->setObjectName(QStringLiteral("shortcutTable"));
    keys->setHorizontalHeaderLabels({QStringLiteral("Key"), QStringLiteral("Command")});
    keys->verticalHeader()->hide();
    keys->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto addRow = [keys](const QString& key, const QString& command) {
        const int row = keys->rowCount();
        keys->insertRow(row);
        keys->setItem(row, 0, new QTableWidgetItem(key));
        keys->setItem(row, 1, new QTableWidgetItem(command));
    };
    for (const CommandEntry& entry : table.entries()) {
        QStringList texts;
        for (const QKeySequence& key : entry.keys) {
            texts.append(keyText(key));
        }
        if (!texts.isEmpty()) {
            addRow(texts.join(QStringLiteral(", ")),
                   QStringLiteral("%1 > %2").arg(
                       QString::fromLatin1(MenuNames[static_cast<int>(entry.menu)]),
                       QString::fromLatin1(entry.text)));
        }
    }
    for (const auto& other : OtherKeys) {
        addRow(QString::fromLatin1(other[0]), QString::fromLatin1(other[1]));
    }
    keys->resizeColumnsToContents();
    keys->horizontalHeader()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog.get());
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog.get(), &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog.get());
    layout->addWidget(keys);
    layout->addWidget(buttons);
    dialog->resize(520, 460);
    return dialog;
}

}  // namespace kavro
