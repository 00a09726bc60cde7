// The editor's one window: a menu bar; a toolbar with Open, Save, Save As, Undo, Redo and the
// Find field; the satellite/transponder tree, with the ALL/TV/RADIO view buttons under it,
// beside the channel list in a splitter; the Problems panel docked under them; a status bar
// with the row count and the Problems button. It owns the edit session it shows; every
// change goes through the session, which the window follows (WindowRefresh) and whose file,
// modified mark and history its title and commands show. The commands live in their groups
// (ChannelCommands, OrderCommands, ListCommands, TransponderCommands, FileCommands,
// HistoryCommands); the command table (MenuBar.cpp) puts them in the menus, the popups, the
// toolbar and the keys.
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
#include "WindowParts.h"
#include "WindowRefresh.h"
#include "WindowSelection.h"
#include "session/SessionObserver.h"

class QButtonGroup;
class QDockWidget;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QSplitter;
class QTreeWidgetItem;

namespace kavro {

class ChannelListView;
class ChannelListModel;
class CommandTable;
class EditSession;
class FileDrop;
class FindField;
class StatusNotices;
class WindowSettings;
class Interaction;
class ProblemsPanel;
class SatelliteTree;

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
    QSplitter* splitter() const { return splitter_; }
    // The status bar's note of the satellite the list is filtered to.
    QLabel* filterStatus() const { return filterStatus_; }

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
    // The popup the tree shows now: for its selected item's kind; None with none selected.
    Popup treePopup() const;
    // Runs `command` as its menu item does.
    void runCommand(CommandId command);

    SatelliteTree* tree() const { return tree_; }
    ChannelListView* list() const { return list_; }
    ChannelListModel* listModel() const { return model_; }
    FindField* findField() const { return findField_; }
    QLabel* rowCountField() const { return rowCount_; }
    QRadioButton* viewButton(View view) const;
    QAction* action(CommandId command) const { return commands_->action(command); }
    QPushButton* problemsButton() const { return problemsButton_; }
    ProblemsPanel* problemsPanel() const { return problems_; }
    QDockWidget* problemsDock() const { return problemsDock_; }

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
    void buildControls();
    QWidget* buildViewGroup();
    void buildToolBar();
    void buildStatusBar();
    // ListToolsWiring.cpp: the Problems panel docked under the list, and the wiring of the
    // panel and its button.
    void buildProblemsDock();
    void connectListTools();
    void showProblemCount(int count);
    QWidget* buildLeftPane(QWidget* viewGroup);
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
    void focusFind();
    void deleteWhereFocused();
    void selectAllChannels();
    void showKeyboardShortcuts();
    void showAbout();
    // WindowWiring.cpp: the handlers of the controls, the popups' runs and the keys.
    void connectHandlers();
    void connectKeys();
    void onTreeSelectionChanged();
    void onTreeDoubleClicked();
    void onListClicked();
    void onListDoubleClicked();
    // Enter or F2 on the list: the current row's channel.
    void onListOpenKey();
    void onFindChanged();
    bool goToFirstMatch();
    void onViewButton(View view);
    // Moves the radio mark to the session's view.
    void showViewInControls();
    // Shows the popup and runs the picked command once it has closed.
    void runPopup(Popup popup, const QPoint& globalPos);
    // The popups at a place; a picked command makes the list, or the tree, the owner of
    // the selection before it runs.
    void showListPopup(const QPoint& globalPos);
    void showTreePopup(const QPoint& globalPos);

    Interaction& interaction_;
    std::unique_ptr<WindowSettings> ownSettings_;
    WindowSettings* settings_;
    std::unique_ptr<EditSession> session_;
    WindowSelection selection_;
    SatelliteTree* tree_ = nullptr;
    ChannelListView* list_ = nullptr;
    ChannelListModel* model_ = nullptr;
    QLabel* filterStatus_ = nullptr;
    FindField* findField_ = nullptr;
    QLabel* rowCount_ = nullptr;
    QButtonGroup* viewGroup_ = nullptr;
    QRadioButton* viewButtons_[3] = {};
    QPushButton* problemsButton_ = nullptr;
    ProblemsPanel* problems_ = nullptr;
    QDockWidget* problemsDock_ = nullptr;
    QSplitter* splitter_ = nullptr;
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
    bool focusPlaced_ = false;
};

}  // namespace kavro
