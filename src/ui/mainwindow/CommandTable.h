// The window's commands in one registry: each command is one entry (its id, text, keys,
// icon, the places it appears in, when it can run and what it runs), and one QAction made
// from it serves the menu bar, the popups, the toolbar, the keys and Help > Keyboard
// Shortcuts alike, so a command's text, key and enabled state agree wherever it appears.
// Adding a command is adding one entry with its handler (WindowCommands.cpp).
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace kavro {

// Every command of the window.
enum class CommandId {
    Open,
    Save,
    SaveAs,
    Backups,
    ExportList,
    ImportFrom,
    Exit,
    Undo,
    Redo,
    Find,
    Delete,
    SelectAll,
    EditChannel,
    AddToFavorite,
    EditFavorite,
    EditFavoriteName,
    MoveToTop,
    MoveToBottom,
    MoveUp,
    MoveDown,
    MoveToPosition,
    SortByName,
    SortByServiceId,
    SortByTransponder,
    ApplyOrder,
    AddTransponder,
    DeleteTransponder,
    AddChannel,
    Satellites,
    HideSatellite,
    RenameSatellite,
    ViewAll,
    ViewTv,
    ViewRadio,
    KeyboardShortcuts,
    About,
    // Edit > Select
    SelectAllShown,
    SelectNone,
    SelectInvert,
    SelectScrambled,
    SelectFreeToAir,
    SelectTv,
    SelectRadio,
    SelectLocked,
    SelectNoGroup,
    SelectTransponder,
    SelectSatellite,
    SelectDuplicates,
    SelectProblems,
    SelectNewSince,
    SelectGroup1,  // ... SelectGroup1 + 7: one per favourite group
    SelectGroup8 = SelectGroup1 + 7,
};

// The menus of the menu bar, in their order.
enum class MenuName { File, Edit, Channels, Tree, View, Help };
inline constexpr int MenuCount = 6;

// The popups: on the list's rows, on a transponder item of the tree, on a satellite item.
enum class Popup { None, List, Transponder, Satellite };

// Where a command appears besides its menu; a set of these.
enum Place : unsigned {
    InMenuOnly = 0,
    InListPopup = 1U << 0,
    InTransponderPopup = 1U << 1,
    InSatellitePopup = 1U << 2,
    InToolbar = 1U << 3,
};

// When a command can run.
enum class Availability {
    Always,
    WhenOpen,      // a database is open
    WhenModified,  // it has unsaved changes
    WhenUndoable,  // the history has a step to undo
    WhenRedoable,  // ... to redo
};

// What a command acts on. Before a List command runs the list becomes the owner of the
// selection; a tree command runs only for its kind of selected item, which becomes the owner.
enum class Scope { Window, List, TransponderItem, SatelliteItem };

struct CommandEntry {
    CommandId id;
    const char* text;  // Undo and Redo change theirs with the history
    MenuName menu;
    const char* keys;  // portable text, "; " between keys; the menu shows the first
    // Neighbours of one group sit together in a menu or a popup; a separator comes between
    // groups.
    int group;
    unsigned places = InMenuOnly;
    Availability availability = Availability::WhenOpen;
    Scope scope = Scope::Window;
    // The list or the tree acts on the key itself (Delete): the menu shows it, the key does
    // not go through the action.
    bool keyOwnedByView = false;
    // The desktop theme's icon by name (on the toolbar); Qt's own when the theme has none.
    const char* icon = nullptr;
    bool checkable = false;  // the View commands: the menu marks the view shown
    std::function<void()> run;
    // The submenus of its menu it sits in, outermost first (titles marked for translation
    // in the kavro::MenuBar context); empty: the menu itself. A popup that shows the command
    // shows its outermost submenu, the same one.
    std::vector<const char*> submenus = {};
};

class CommandTable {
public:
    explicit CommandTable(QWidget& window);
    ~CommandTable();

    // Makes the entry's action (owned by the window), puts it in its menu (a separator
    // before it when its group differs from the one before) and makes its keys work in the
    // whole window.
    QAction* add(CommandEntry entry);
    // The action of `id`; nullptr when there is none.
    QAction* action(CommandId id) const;
    const CommandEntry* entry(CommandId id) const;
    QMenu* menu(MenuName name) const { return menus_[static_cast<int>(name)]; }
    // The menu or submenu that holds the action of `id`.
    QMenu* menuOf(CommandId id) const;
    QMenuBar* menuBar() const { return menuBar_; }
    const std::vector<CommandEntry>& entries() const { return entries_; }
    // The popup's commands in table order, grouped; its items' data are their ids.
    std::unique_ptr<QMenu> buildPopup(Popup popup, QWidget* parent) const;
    // The toolbar's commands, in table order.
    void fillToolBar(QToolBar& toolBar) const;

    // Enables each command by its availability; `available` answers for one.
    void updateEnabled(const std::function<bool(Availability)>& available) const;
    // Runs `id` as its menu item does: nothing while blocked or while the scope's guard
    // refuses.
    void run(CommandId id) const;
    // While set, picking an item runs nothing: a popup's caller runs the picked command.
    void setPaused(bool paused) { paused_ = paused; }
    // While `blocked` answers true (a drag in the list), no command runs.
    void setBlocked(std::function<bool()> blocked) { blocked_ = std::move(blocked); }
    // Called before a command of that scope runs; false keeps it from running.
    void setScopeGuard(std::function<bool(Scope)> guard) { guard_ = std::move(guard); }

    static QString menuTitle(MenuName name);

private:
    size_t indexOf(CommandId id) const;
    QMenu* placeIn(const CommandEntry& entry);
    void addGrouped(QMenu& menu, QAction* action, int group);

    QWidget& window_;
    QMenuBar* menuBar_;
    QMenu* menus_[MenuCount] = {};
    std::map<const QMenu*, int> lastGroup_;
    // The submenus made so far: their parent menu, title and menu.
    struct Submenu {
        QMenu* parent;
        const char* title;
        QMenu* menu;
    };
    std::vector<Submenu> submenus_;
    std::vector<QMenu*> homes_;  // the menu each action sits in
    std::vector<CommandEntry> entries_;
    std::vector<QAction*> actions_;
    std::function<bool()> blocked_;
    std::function<bool(Scope)> guard_;
    bool paused_ = false;
};

// The command a popup item stands for.
CommandId commandOf(const QAction& action);

// "Ctrl+O": a key as the menus show it.
QString keyText(const QKeySequence& key);

}  // namespace kavro
