// The window's commands, one QAction each, shared by the menu bar, the popups and the keys:
// a command's text, key and enabled state are set once and agree wherever it appears.
// Adding a command is adding one entry.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace kavro {

// The menus of the menu bar, in their order.
enum class MenuName { File, Edit, Channels, Tree, View, Help };
inline constexpr int MenuCount = 6;

// When a command can run.
enum class Availability {
    Always,
    WhenOpen,      // a database is open
    WhenModified,  // it has unsaved changes
    WhenUndoable,  // the history has a step to undo
    WhenRedoable,  // ... to redo
};

struct CommandEntry {
    int command;       // the popups carry it as their items' data
    const char* text;  // Undo and Redo change theirs with the history
    MenuName menu;
    QList<QKeySequence> keys;  // the menu shows the first
    Availability availability = Availability::WhenOpen;
    // The list or the tree acts on the key itself (Delete): the menu shows it, the key does
    // not go through the action.
    bool keyOwnedByView = false;
    std::function<void()> run;
};

class CommandTable {
public:
    explicit CommandTable(QWidget& window);

    // Makes the entry's action (owned by the window), puts it at the end of its menu and
    // makes its keys work in the whole window.
    QAction* add(CommandEntry entry);
    // The action of `command`; nullptr when there is none.
    QAction* action(int command) const;
    QMenu* menu(MenuName name) const { return menus_[static_cast<int>(name)]; }
    QMenuBar* menuBar() const { return menuBar_; }
    const std::vector<CommandEntry>& entries() const { return entries_; }
    // Enables each command by its availability; `available` answers for one.
    void updateEnabled(const std::function<bool(Availability)>& available) const;
    // While set, picking an item runs nothing: a popup's caller runs the picked command.
    void setPaused(bool paused) { paused_ = paused; }
    // While `blocked` answers true (a drag in the list), no command runs.
    void setBlocked(std::function<bool()> blocked) { blocked_ = std::move(blocked); }

private:
    QWidget& window_;
    QMenuBar* menuBar_;
    QMenu* menus_[MenuCount] = {};
    std::vector<CommandEntry> entries_;
    std::vector<QAction*> actions_;
    std::function<bool()> blocked_;
    bool paused_ = false;
};

// "Ctrl+O": a key as the menus show it.
QString keyText(const QKeySequence& key);

}  // namespace kavro
