// The window's menu bar: its commands in one table (CommandTable), the Open Recent
// submenu, the enabled states as the session and the tree's selection stand, and Help.
#include "MenuBar.h"
#include "ui/dialogs/ShownPath.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ChannelListView.h"
#include "CommandTable.h"
#include "FindField.h"
#include "KavroVersion.h"
#include "MainWindow.h"
#include "RecentFiles.h"
#include "SatelliteTree.h"
#include "database/ViewIndex.h"
#include "session/EditSession.h"
#include "ui/dialogs/Accessibility.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/ShownPath.h"

namespace kavro {

namespace {

// Keys that act without a menu entry.
const char* const OtherKeys[][2] = {
    {"Menu, Shift+F10", QT_TRANSLATE_NOOP("kavro::MenuBar", "The popup of the list or the tree")},
    {"Enter", QT_TRANSLATE_NOOP("kavro::MenuBar", "Presses the focused button")},
    {"Escape", QT_TRANSLATE_NOOP("kavro::MenuBar", "Ends a drag, or empties Find")},
};

}  // namespace

// The window's commands in their menus' order; Open Recent follows Open. A command that
// acts on the database waits for one to be open. Groups: neighbours of one group sit
// between the same separators, in the menu and in the popups.
std::vector<CommandEntry> MainWindow::commandEntries() {
    using I = CommandId;
    using M = MenuName;
    using A = Availability;
    using S = Scope;
    auto& ch = channelCommands_;
    auto& order = orderCommands_;
    auto& tp = transponderCommands_;
    auto& file = fileCommands_;
    auto& history = historyCommands_;
    auto& lists = listCommands_;
    auto& sat = satelliteCommands_;
    const unsigned bar = InToolbar;
    const unsigned pop = InListPopup;
    std::vector<CommandEntry> entries{
        {I::Open, QT_TRANSLATE_NOOP("kavro::MenuBar", "Open..."), M::File, "Ctrl+O", 0, bar,
         A::Always, S::Window, false, "document-open", false, [&file] { file.open(); }},
        {I::Save, QT_TRANSLATE_NOOP("kavro::MenuBar", "Save"), M::File, "Ctrl+S", 0, bar,
         A::WhenModified, S::Window, false, "document-save", false, [&file] { file.save(); }},
        {I::SaveAs, QT_TRANSLATE_NOOP("kavro::MenuBar", "Save As..."), M::File, "Ctrl+Shift+S", 0,
         bar, A::WhenOpen, S::Window, false, "document-save-as", false, [&file] { file.saveAs(); }},
        {I::Backups, QT_TRANSLATE_NOOP("kavro::MenuBar", "Backups..."), M::File, "", 0, InMenuOnly,
         A::WhenOpen, S::Window, false, nullptr, false, [&file] { file.showBackups(); }},
        {I::ExportList, QT_TRANSLATE_NOOP("kavro::MenuBar", "Export List..."), M::File,
         "Ctrl+Shift+X", 4, pop, A::WhenOpen, S::List, false, nullptr, false,
         [&lists] { lists.exportList(); }},
        {I::ImportFrom, QT_TRANSLATE_NOOP("kavro::MenuBar", "Import From..."), M::File, "Ctrl+I", 4,
         InMenuOnly, A::WhenOpen, S::List, false, nullptr, false, [&lists] { lists.importFrom(); }},
        {I::Exit, QT_TRANSLATE_NOOP("kavro::MenuBar", "Exit"), M::File, "Ctrl+Q", 5, InMenuOnly,
         A::Always, S::Window, false, nullptr, false, [&file] { file.exit(); }},
        {I::Undo, QT_TRANSLATE_NOOP("kavro::MenuBar", "Undo"), M::Edit, "Ctrl+Z", 0, bar | pop,
         A::WhenUndoable, S::Window, false, "edit-undo", false, [&history] { history.undo(); }},
        {I::Redo, QT_TRANSLATE_NOOP("kavro::MenuBar", "Redo"), M::Edit, "Ctrl+Y; Ctrl+Shift+Z", 0,
         bar | pop, A::WhenRedoable, S::Window, false, "edit-redo", false,
         [&history] { history.redo(); }},
        {I::Find, QT_TRANSLATE_NOOP("kavro::MenuBar", "Find"), M::Edit, "Ctrl+F", 1, InMenuOnly,
         A::Always, S::Window, false, nullptr, false, [this] { focusFind(); }},
        {I::EditChannel, QT_TRANSLATE_NOOP("kavro::MenuBar", "Edit Channel..."), M::Channels, "F2",
         1, pop, A::WhenOpen, S::List, true, nullptr, false, [&ch] { ch.editChannel(); }},
        {I::Delete, QT_TRANSLATE_NOOP("kavro::MenuBar", "Delete"), M::Edit, "Del", 1, pop,
         A::WhenOpen, S::Window, true, nullptr, false, [this] { deleteWhereFocused(); }},
        {I::SelectAll, QT_TRANSLATE_NOOP("kavro::MenuBar", "Select All"), M::Edit, "Ctrl+A", 1,
         InMenuOnly, A::WhenOpen, S::Window, false, nullptr, false,
         [this] { selectAllChannels(); }},
        {I::AddToFavorite, QT_TRANSLATE_NOOP("kavro::MenuBar", "Add to Favorite"), M::Channels,
         "Ctrl+D", 1, pop, A::WhenOpen, S::List, false, nullptr, false,
         [&ch] { ch.addToFavorites(); }},
        {I::EditFavorite, QT_TRANSLATE_NOOP("kavro::MenuBar", "Edit Favorite"), M::Channels,
         "Ctrl+E", 1, pop, A::WhenOpen, S::List, false, nullptr, false,
         [&ch] { ch.editFavorites(); }},
        {I::EditFavoriteName, QT_TRANSLATE_NOOP("kavro::MenuBar", "Edit Favorite Name"),
         M::Channels, "Ctrl+Shift+E", 1, pop, A::WhenOpen, S::List, false, nullptr, false,
         [&ch] { ch.editGroupNames(); }},
        {I::MoveToTop, QT_TRANSLATE_NOOP("kavro::MenuBar", "Move to Top"), M::Channels, "Ctrl+Home",
         2, pop, A::WhenOpen, S::List, true, nullptr, false, [&order] { order.moveToTop(); }},
        {I::MoveToBottom, QT_TRANSLATE_NOOP("kavro::MenuBar", "Move to Bottom"), M::Channels,
         "Ctrl+End", 2, pop, A::WhenOpen, S::List, true, nullptr, false,
         [&order] { order.moveToBottom(); }},
        {I::MoveUp, QT_TRANSLATE_NOOP("kavro::MenuBar", "Move Up"), M::Channels, "Ctrl+Up", 2, pop,
         A::WhenOpen, S::List, true, nullptr, false, [&order] { order.moveUp(); }},
        {I::MoveDown, QT_TRANSLATE_NOOP("kavro::MenuBar", "Move Down"), M::Channels, "Ctrl+Down", 2,
         pop, A::WhenOpen, S::List, true, nullptr, false, [&order] { order.moveDown(); }},
        {I::MoveToPosition, QT_TRANSLATE_NOOP("kavro::MenuBar", "Move to Position..."), M::Channels,
         "Ctrl+G", 2, pop, A::WhenOpen, S::List, false, nullptr, false,
         [&order] { order.moveToPosition(); }},
        {I::SortByName, QT_TRANSLATE_NOOP("kavro::MenuBar", "Sort by Name"), M::Channels,
         "Ctrl+Shift+N", 3, pop, A::WhenOpen, S::List, false, nullptr, false,
         [&order] { order.sort(SortKey::Name); }},
        {I::SortByServiceId, QT_TRANSLATE_NOOP("kavro::MenuBar", "Sort by Service ID"), M::Channels,
         "Ctrl+Shift+I", 3, pop, A::WhenOpen, S::List, false, nullptr, false,
         [&order] { order.sort(SortKey::ServiceId); }},
        {I::SortByTransponder, QT_TRANSLATE_NOOP("kavro::MenuBar", "Sort by Transponder"),
         M::Channels, "Ctrl+Shift+T", 3, pop, A::WhenOpen, S::List, false, nullptr, false,
         [&order] { order.sort(SortKey::Transponder); }},
        {I::ApplyOrder, QT_TRANSLATE_NOOP("kavro::MenuBar", "Apply Order From..."), M::Channels,
         "Ctrl+Shift+O", 4, pop, A::WhenOpen, S::List, false, nullptr, false,
         [&lists] { lists.applyOrder(); }},
        {I::AddTransponder, QT_TRANSLATE_NOOP("kavro::MenuBar", "Add TP"), M::Tree, "Ctrl+T", 0,
         InSatellitePopup, A::WhenOpen, S::SatelliteItem, false, nullptr, false,
         [&tp] { tp.addTransponder(); }},
        {I::DeleteTransponder, QT_TRANSLATE_NOOP("kavro::MenuBar", "Delete TP"), M::Tree, "Del", 0,
         InTransponderPopup, A::WhenOpen, S::TransponderItem, true, nullptr, false,
         [&tp] { tp.deleteTransponder(); }},
        {I::AddChannel, QT_TRANSLATE_NOOP("kavro::MenuBar", "Add Channel"), M::Tree, "Ctrl+N", 0,
         InTransponderPopup, A::WhenOpen, S::TransponderItem, false, nullptr, false,
         [&tp] { tp.addChannel(); }},
        {I::Satellites, QT_TRANSLATE_NOOP("kavro::MenuBar", "Satellites..."), M::Tree, "Ctrl+L", 1,
         InMenuOnly, A::WhenOpen, S::Window, false, nullptr, false, [&sat] { sat.openDialog(); }},
        {I::HideSatellite, QT_TRANSLATE_NOOP("kavro::MenuBar", "Hide Satellite"), M::Tree, "Ctrl+H",
         1, InSatellitePopup, A::WhenOpen, S::SatelliteItem, false, nullptr, false,
         [&sat] { sat.hideSelected(); }},
        {I::RenameSatellite, QT_TRANSLATE_NOOP("kavro::MenuBar", "Rename Satellite..."), M::Tree,
         "Ctrl+R", 1, InSatellitePopup, A::WhenOpen, S::SatelliteItem, false, nullptr, false,
         [&sat] { sat.renameSelected(); }},
        {I::ViewAll, QT_TRANSLATE_NOOP("kavro::MenuBar", "All"), M::View, "Ctrl+1", 0, InMenuOnly,
         A::WhenOpen, S::Window, false, nullptr, true, [this] { onViewButton(View::All); }},
        {I::ViewTv, QT_TRANSLATE_NOOP("kavro::MenuBar", "TV"), M::View, "Ctrl+2", 0, InMenuOnly,
         A::WhenOpen, S::Window, false, nullptr, true, [this] { onViewButton(View::Tv); }},
        {I::ViewRadio, QT_TRANSLATE_NOOP("kavro::MenuBar", "Radio"), M::View, "Ctrl+3", 0,
         InMenuOnly, A::WhenOpen, S::Window, false, nullptr, true,
         [this] { onViewButton(View::Radio); }},
        {I::KeyboardShortcuts, QT_TRANSLATE_NOOP("kavro::MenuBar", "Keyboard Shortcuts"), M::Help,
         "F1", 0, InMenuOnly, A::Always, S::Window, false, nullptr, false,
         [this] { showKeyboardShortcuts(); }},
        {I::About, QT_TRANSLATE_NOOP("kavro::MenuBar", "About Kavro"), M::Help, "", 0, InMenuOnly,
         A::Always, S::Window, false, nullptr, false, [this] { showAbout(); }},
    };
    // Edit > Select, last in the Edit menu and in the list's popup.
    for (CommandEntry& entry : selectCommands_.commandEntries(5)) {
        entries.push_back(std::move(entry));
    }
    return entries;
}

void MainWindow::buildMenuBar() {
    commands_ = std::make_unique<CommandTable>(*this);
    commands_->setBlocked([this] { return list_->isDragging(); });
    commands_->setScopeGuard([this](Scope scope) { return enterScope(scope); });
    auto* views = new QActionGroup(this);
    for (CommandEntry& entry : commandEntries()) {
        const bool view = entry.checkable;
        QAction* action = commands_->add(std::move(entry));
        if (view) {
            views->addAction(action);
        }
    }
    recentMenu_ = new QMenu(QCoreApplication::translate("kavro::MenuBar", "Open &Recent"), this);
    QMenu* file = commands_->menu(MenuName::File);
    file->insertMenu(file->actions().value(1), recentMenu_);
    connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    selectCommands_.nameGroupsIn(*commands_);
    setMenuBar(commands_->menuBar());
}

// The list, or the tree, becomes the owner of the selection before a command that acts on
// it runs, as after a pick in its popup. A tree command for the other kind of item does
// nothing, as its key does where its popup would not show.
bool MainWindow::enterScope(Scope scope) {
    switch (scope) {
        case Scope::Window:
            return true;
        case Scope::List:
            if (!session_->isOpen()) {
                return false;
            }
            onListClicked();
            return true;
        case Scope::TransponderItem:
        case Scope::SatelliteItem: {
            const Popup wanted =
                scope == Scope::TransponderItem ? Popup::Transponder : Popup::Satellite;
            if (!session_->isOpen() || treePopup() != wanted) {
                return false;
            }
            selection_.takeTreeItem(tree_->selectedItem(), session_->viewIndex());
            return true;
        }
    }
    return false;
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
    // The menus name the step; the toolbar keeps its short text and names it in its tip.
    QAction* undo = commands_->action(CommandId::Undo);
    undo->setText(HistoryCommands::undoText(*session_));
    undo->setToolTip(undo->text());
    QAction* redo = commands_->action(CommandId::Redo);
    redo->setText(HistoryCommands::redoText(*session_));
    redo->setToolTip(redo->text());
    const CommandId views[] = {CommandId::ViewAll, CommandId::ViewTv, CommandId::ViewRadio};
    commands_->action(views[viewNumber(session_->view())])->setChecked(true);
    recentMenu_->setEnabled(!RecentFiles(*settings_).paths().isEmpty());
}

void MainWindow::fillRecentMenu() {
    recentMenu_->clear();
    const QStringList paths = RecentFiles(*settings_).paths();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        const QString text = QStringLiteral("&%1 %2").arg(i + 1).arg(shownPath(path));
        connect(recentMenu_->addAction(text), &QAction::triggered, this, [this, path] {
            if (!list_->isDragging()) {
                openFile(path);
            }
        });
    }
    recentMenu_->addSeparator();
    QAction* clear =
        recentMenu_->addAction(QCoreApplication::translate("kavro::MenuBar", "Clear Menu"));
    clear->setObjectName(QStringLiteral("clearRecentAction"));
    connect(clear, &QAction::triggered, this, [this] {
        RecentFiles(*settings_).clear();
        updateCommands();
    });
}

void MainWindow::focusFind() {
    findField_->setFocus(Qt::ShortcutFocusReason);
    findField_->selectAll();
}

// Edit > Delete does what the Delete key does where the focus is.
void MainWindow::deleteWhereFocused() {
    if (tree_->hasFocus()) {
        transponderCommands_.deleteByKey();
    } else if (enterScope(Scope::List)) {
        channelCommands_.deleteChannels();
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
        QCoreApplication::translate(
            "kavro::MenuBar",
            "Kavro %1\n\nEdits the channel database of a digital satellite receiver.")
            .arg(QString::fromUtf8(KavroVersion.data(), KavroVersion.size())),
        Interaction::Buttons::Ok, Interaction::Icon::Information);
}

std::unique_ptr<QDialog> keyboardShortcutsDialog(const CommandTable& table, QWidget* parent) {
    auto dialog = std::make_unique<QDialog>(parent);
    dialog->setWindowTitle(QCoreApplication::translate("kavro::MenuBar", "Keyboard Shortcuts"));
    auto* keys = new QTableWidget(0, 2, dialog.get());
    keys->setObjectName(QStringLiteral("shortcutTable"));
    keys->setHorizontalHeaderLabels({QCoreApplication::translate("kavro::MenuBar", "Key"),
                                     QCoreApplication::translate("kavro::MenuBar", "Command")});
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
        for (const QKeySequence& key : table.action(entry.id)->shortcuts()) {
            texts.append(keyText(key));
        }
        if (!texts.isEmpty()) {
            addRow(texts.join(QStringLiteral(", ")),
                   QStringLiteral("%1 > %2").arg(
                       CommandTable::menuTitle(entry.menu),
                       QCoreApplication::translate("kavro::MenuBar", entry.text)));
        }
    }
    for (const auto& other : OtherKeys) {
        addRow(QString::fromLatin1(other[0]),
               QCoreApplication::translate("kavro::MenuBar", other[1]));
    }
    keys->resizeColumnsToContents();
    keys->horizontalHeader()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog.get());
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog.get(), &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog.get());
    layout->addWidget(keys);
    layout->addWidget(buttons);
    dialog->resize(520, 460);
    describeControls(*dialog);
    return dialog;
}

}  // namespace kavro
