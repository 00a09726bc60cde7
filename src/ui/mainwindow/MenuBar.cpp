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
#include "KavroVersion.h"
#include "MainWindow.h"
#include "RecentFiles.h"
#include "SatelliteTree.h"
#include "database/ViewIndex.h"
#include "session/EditSession.h"
#include "ui/dialogs/Interaction.h"

namespace kavro {

namespace {

using Keys = QList<QKeySequence>;

QKeySequence ctrl(int key) {
    return QKeySequence(Qt::CTRL | key);
}

QKeySequence ctrlShift(int key) {
    return QKeySequence(Qt::CTRL | Qt::SHIFT | key);
}

const char* const MenuNames[MenuCount] = {"File", "Edit", "Channels", "Tree", "View", "Help"};

// Keys that act without a menu entry.
const char* const OtherKeys[][2] = {
    {"Menu, Shift+F10", "The popup of the list or the tree"},
    {"Enter", "Presses the focused button"},
    {"Escape", "Ends a drag; closes the window, asking to save changes"},
};

}  // namespace

void MainWindow::buildMenuBar() {
    commands_ = std::make_unique<CommandTable>(*this);
    CommandTable& t = *commands_;
    t.setBlocked([this] { return list_->isDragging(); });
    using M = MenuName;
    using A = Availability;
    auto file = [this](void (FileCommands::*run)()) {
        return [this, run] { (fileCommands_.*run)(); };
    };
    auto onList = [this](int command) { return [this, command] { runOnList(command); }; };
    auto onTree = [this](int command) { return [this, command] { runOnTree(command); }; };
    t.add({CommandOpen,
           "Open",
           M::File,
           {ctrl(Qt::Key_O)},
           A::Always,
           false,
           file(&FileCommands::open)});
    recentMenu_ = t.menu(M::File)->addMenu(QStringLiteral("Open &Recent"));
    connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    t.add({CommandSave,
           "Save",
           M::File,
           {ctrl(Qt::Key_S)},
           A::WhenModified,
           false,
           file(&FileCommands::save)});
    t.add({CommandSaveAs,
           "Save As",
           M::File,
           {ctrlShift(Qt::Key_S)},
           A::WhenOpen,
           false,
           file(&FileCommands::saveAs)});
    t.menu(M::File)->addSeparator();
    t.add({CommandExit,
           "Exit",
           M::File,
           {ctrl(Qt::Key_Q)},
           A::Always,
           false,
           file(&FileCommands::exit)});
    t.add({CommandUndo, "Undo", M::Edit, {ctrl(Qt::Key_Z)}, A::WhenUndoable, false, [this] {
               historyCommands_.undo();
           }});
    t.add({CommandRedo,
           "Redo",
           M::Edit,
           {ctrl(Qt::Key_Y), ctrlShift(Qt::Key_Z)},
           A::WhenRedoable,
           false,
           [this] { historyCommands_.redo(); }});
    t.menu(M::Edit)->addSeparator();
    t.add({CommandDelete,
           "Delete",
           M::Edit,
           {QKeySequence(Qt::Key_Delete)},
           A::WhenOpen,
           true,
           [this] { deleteWhereFocused(); }});
    t.add({CommandSelectAll, "Select All", M::Edit, {ctrl(Qt::Key_A)}, A::WhenOpen, false, [this] {
               selectAllChannels();
           }});
    t.add({CommandAddToFavorite,
           "Add to Favorite",
           M::Channels,
           {ctrl(Qt::Key_D)},
           A::WhenOpen,
           false,
           onList(CommandAddToFavorite)});
    t.add({CommandEditFavorite,
           "Edit Favorite",
           M::Channels,
           {ctrl(Qt::Key_E)},
           A::WhenOpen,
           false,
           onList(CommandEditFavorite)});
    t.add({CommandEditFavoriteName,
           "Edit Favorite Name",
           M::Channels,
           {ctrlShift(Qt::Key_E)},
           A::WhenOpen,
           false,
           onList(CommandEditFavoriteName)});
    t.add({CommandAddTransponder,
           "Add TP",
           M::Tree,
           {ctrl(Qt::Key_T)},
           A::WhenSatellite,
           false,
           onTree(CommandAddTransponder)});
    t.add({CommandDeleteTransponder,
           "Delete TP",
           M::Tree,
           {QKeySequence(Qt::Key_Delete)},
           A::WhenTransponder,
           true,
           onTree(CommandDeleteTransponder)});
    t.add({CommandAddChannel,
           "Add Channel",
           M::Tree,
           {ctrl(Qt::Key_N)},
           A::WhenTransponder,
           false,
           onTree(CommandAddChannel)});
    auto* views = new QActionGroup(this);
    const char* const viewTexts[] = {"All", "TV", "Radio"};
    for (int view = ViewAll; view <= ViewRadio; ++view) {
        QAction* action = t.add({CommandViewAll + view,
                                 viewTexts[view],
                                 M::View,
                                 {ctrl(Qt::Key_1 + view)},
                                 A::WhenOpen,
                                 false,
                                 [this, view] { onViewButton(view); }});
        action->setCheckable(true);
        views->addAction(action);
    }
    t.add({CommandKeyboardShortcuts,
           "Keyboard Shortcuts",
           M::Help,
           {QKeySequence(Qt::Key_F1)},
           A::Always,
           false,
           [this] { showKeyboardShortcuts(); }});
    t.add({CommandAbout, "About Kavro", M::Help, {}, A::Always, false, [this] { showAbout(); }});
}

void MainWindow::updateCommands() {
    if (!commands_) {
        return;
    }
    const int popup = session_->isOpen() ? treePopup() : NoPopup;
    commands_->updateEnabled([this, popup](Availability availability) {
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
            case Availability::WhenTransponder:
                return popup == Popup1;
            case Availability::WhenSatellite:
                return popup == Popup2;
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
}

// The popups' commands from the menu bar and their keys: the list, or the tree, becomes
// the owner of the selection first, as after a pick in its popup.
void MainWindow::runOnList(int command) {
    if (session_->isOpen()) {
        onListClicked();
        runCommand(command);
    }
}

void MainWindow::runOnTree(int command) {
    if (session_->isOpen() && tree_->selectedItem()) {
        selection_.takeTreeItem(tree_->selectedItem(), session_->viewIndex());
        runCommand(command);
    }
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
