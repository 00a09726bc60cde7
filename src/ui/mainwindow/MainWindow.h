// The editor's one window: a menu bar; a toolbar with Open, Save, Save As, Undo, Redo and the
// Find field; the tree pane beside the list pane in a splitter; the Problems pane docked
// under them; a status bar with the row count and the Problems button. It owns the edit
// session it shows and composes the panes (WindowPanes.h), which own their widgets and
// wiring, the command groups (ChannelCommands, OrderCommands, ListCommands,
// TransponderCommands, FileCommands, HistoryCommands, SelectCommands, SatelliteCommands) and
// the command table (MenuBar.cpp), which puts the commands in the menus, the popups, the
// toolbar and the keys. Every change goes through the session, which the window follows
// (WindowRefresh) and whose file, modified mark and history its title and commands show.
#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

#include "ChannelCommands.h"
#include "CommandTable.h"
#include "FileCommands.h"
#include "HistoryCommands.h"
#include "ListCommands.h"
#include "OrderCommands.h"
#include "SatelliteCommands.h"
#include "SelectCommands.h"
#include "TransponderCommands.h"
#include "WindowPanes.h"
#include "WindowParts.h"
#include "WindowRefresh.h"
#include "WindowSelection.h"
#include "session/SessionObserver.h"

class QMenu;

namespace kavro {

class CommandTable;
class EditSession;
class FileDrop;
class StatusNotices;
class WindowSettings;
class Interaction;

class MainWindow : public QMainWindow, private SessionObserver {
    Q_OBJECT

public:
    // Without `settings` the window remembers nothing between runs; with them, it comes
    // back as it was left (restoreLayout) and keeps its layout when it closes.
    explicit MainWindow(Interaction& interaction, QWidget* parent = nullptr,
                        WindowSettings* settings = nullptr);
    ~MainWindow() override;

    // Opens `path` after the save question: the command line, a dropped file, Open Recent.
    bool openFile(const QString& path);
    // The size, place, splitter and column widths the settings keep; the default size,
    // within the screen, when they keep none.
    void restoreLayout();
    WindowSettings& settings() const { return *settings_; }
    CommandTable& commands() const { return *commands_; }
    // The panes, for the tests: each gives its widgets.
    const WindowPanes& panes() const { return panes_; }

    EditSession& session() { return *session_; }
    const EditSession& session() const { return *session_; }
    const WindowSelection& selection() const { return selection_; }
    // The file Save writes to; empty before a file was opened.
    QString currentPath() const;

    ChannelCommands& channelCommands() { return channelCommands_; }
    OrderCommands& orderCommands() { return orderCommands_; }
    TransponderCommands& transponderCommands() { return transponderCommands_; }
    FileCommands& fileCommands() { return fileCommands_; }
    HistoryCommands& historyCommands() { return historyCommands_; }
    ListCommands& listCommands() { return listCommands_; }
    SelectCommands& selectCommands() { return selectCommands_; }
    SatelliteCommands& satelliteCommands() { return satelliteCommands_; }
    WindowRefresh& refresh() { return *refresh_; }

    // The popup `popup` with its items, enabled as the session stands.
    std::unique_ptr<QMenu> buildPopup(Popup popup);
    // Runs `command` as its menu item does.
    void runCommand(CommandId command);

    QAction* action(CommandId command) const { return commands_->action(command); }

protected:
    // Escape ends a drag (moving nothing), else empties Find; it never closes the window.
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The close box, Exit and Ctrl+Q: a drag in the list ends (moving nothing), then the
    // save question; the layout goes to the settings once the window closes.
    void closeEvent(QCloseEvent* event) override;

private:
    void sessionChanged(const SessionChange& change) override;
    // The Save, Save As, Undo and Redo buttons as the session stands.
    void showSessionInControls();
    // The panes in the splitter, the toolbar and the status bar, and their tab order.
    void placePanes();
    void buildToolBar();
    // The name of the open file, its modified mark and the program.
    void showFileInTitle();
    void saveLayout();
    void setListColumnModes();
    // MenuBar.cpp: the command table and what its commands run.
    std::vector<CommandEntry> commandEntries();
    void buildMenuBar();
    // Makes the list, or the tree item, the owner of the selection for a command of `scope`;
    // false when the command is not for now.
    bool enterScope(Scope scope);
    // The menus' enabled states, Undo's and Redo's texts and the view's mark.
    void updateCommands();
    void fillRecentMenu();
    void showView(View view);
    void deleteWhereFocused();
    void selectAllChannels();
    void showKeyboardShortcuts();
    void showAbout();
    // ContextMenus.cpp: shows the popup and runs the picked command once it has closed.
    void runPopup(Popup popup, const QPoint& globalPos);

    Interaction& interaction_;
    std::unique_ptr<WindowSettings> ownSettings_;
    WindowSettings* settings_;
    std::unique_ptr<EditSession> session_;
    WindowSelection selection_;
    TreePane* treePane_;
    ListPane* listPane_;
    ProblemsPane* problemsPane_;
    QMenu* recentMenu_ = nullptr;
    std::unique_ptr<CommandTable> commands_;
    std::unique_ptr<StatusNotices> notices_;
    FileDrop* fileDrop_ = nullptr;
    std::unique_ptr<WindowRefresh> refresh_;
    WindowParts parts_;
    ChannelCommands channelCommands_;
    OrderCommands orderCommands_;
    TransponderCommands transponderCommands_;
    FileCommands fileCommands_;
    HistoryCommands historyCommands_;
    ListCommands listCommands_;
    SelectCommands selectCommands_;
    SatelliteCommands satelliteCommands_;
    PaneContext paneContext_;
    WindowPanes panes_;
    bool focusPlaced_ = false;
};

}  // namespace kavro
