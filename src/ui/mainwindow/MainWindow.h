// The editor's one window: a menu bar; the satellite/transponder tree and, beside it in a
// splitter, the Find field over the channel list; the ALL/TV/RADIO view buttons under the tree;
// the row count, the Problems button and the Undo, Redo, Open, Save, Save As and
// Exit buttons under the list, the Problems panel opening below it; a status bar. It owns the
// edit session it shows; every change goes through the session, which the window follows
// (WindowRefresh) and whose file, modified mark and history its title, buttons and menus show.
// The commands live in their groups (ChannelCommands, OrderCommands, ListCommands,
// TransponderCommands, FileCommands, HistoryCommands); the window wires them to the controls,
// and the command table (MenuBar.cpp) to the menus, the popups and the keys.
#pragma once

#include <QDialog>
#include <QString>
#include <memory>

#include "ChannelCommands.h"
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
class QLabel;
class QLayout;
class QMenu;
class QPushButton;
class QRadioButton;
class QSplitter;
class QStatusBar;
class QTreeWidgetItem;

namespace kavro {

class ChannelListCtrl;
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

// The popups: on the list; on the tree for a transponder item; for a satellite item.
enum Popup : int { NoPopup = -1, Popup0 = 0, Popup1 = 1, Popup2 = 2 };

// The popups' commands.
enum Command : int {
    CommandDelete = 32771,
    CommandAddToFavorite = 32775,
    CommandDeleteTransponder = 32776,
    CommandAddChannel = 32777,
    CommandAddTransponder = 32778,
    CommandEditFavoriteName = 32779,
    CommandEditFavorite = 32780,
    CommandUndo = 32781,
    CommandRedo = 32782,
    CommandMoveToTop = 32790,
    CommandMoveToBottom = 32791,
    CommandMoveUp = 32792,
    CommandMoveDown = 32793,
    CommandMoveToPosition = 32794,
    CommandSortByName = 32795,
    CommandSortByServiceId = 32796,
    CommandSortByTransponder = 32797,
    CommandExportList = 32798,
    CommandApplyOrder = 32799,
    CommandImportFrom = 32800,
    CommandEditChannel = 32801,
    CommandHideSatellite = 32802,
    CommandRenameSatellite = 32803,
};

class MainWindow : public QDialog, private SessionObserver {
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
    QStatusBar* statusBar() const { return statusBar_; }
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

    // The popup `popup` with its items; each item carries its command number as data. The
    // list's popup starts with Undo and Redo, enabled when there is a step for them.
    std::unique_ptr<QMenu> buildPopup(int popup);
    // The popup the tree shows now: Popup1 or Popup2, NoPopup with no item selected.
    int treePopup() const;
    void runCommand(int command);

    SatelliteTree* tree() const { return tree_; }
    ChannelListCtrl* list() const { return list_; }
    ChannelListModel* listModel() const { return model_; }
    FindField* findField() const { return findField_; }
    QLabel* rowCountField() const { return rowCount_; }
    QRadioButton* viewButton(int view) const;
    QPushButton* undoButton() const { return undoButton_; }
    QPushButton* redoButton() const { return redoButton_; }
    QPushButton* openButton() const { return openButton_; }
    QPushButton* saveButton() const { return saveButton_; }
    QPushButton* saveAsButton() const { return saveAsButton_; }
    QPushButton* exitButton() const { return exitButton_; }
    QPushButton* problemsButton() const { return problemsButton_; }
    ProblemsPanel* problemsPanel() const { return problems_; }

public slots:
    // Escape and the close box: end a drag in the list (moving nothing), then ask about
    // unsaved changes.
    void reject() override;
    // Every close: the layout goes to the settings first.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void sessionChanged(const SessionChange& change) override;
    // The Save, Save As, Undo and Redo buttons as the session stands.
    void showSessionInControls();
    void buildControls();
    QWidget* buildViewGroup();
    QLayout* buildFindRow();
    void buildButtons();
    // ListToolsWiring.cpp: the list above the Problems panel, and the wiring of the panel,
    // its button.
    QSplitter* buildListArea();
    void connectListTools();
    void showProblemCount(int count);
    QWidget* buildLeftPane(QWidget* viewGroup);
    QWidget* buildRightPane();
    // The name of the open file, its modified mark and the program.
    void showFileInTitle();
    void saveLayout();
    void setListColumnModes();
    // MenuBar.cpp: the command table and what its commands run.
    void buildMenuBar();
    // The menus' enabled states, Undo's and Redo's texts and the view's mark.
    void updateCommands();
    void fillRecentMenu();
    void runMenuCommand(int command);
    void runOnList(int command);
    void runOnTree(int command);
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
    void onViewButton(int view);
    // Moves the radio mark to the session's view.
    void showViewInControls();
    // The picked command, 0 when none was picked.
    int runPopup(int popup, const QPoint& globalPos);
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
    ChannelListCtrl* list_ = nullptr;
    ChannelListModel* model_ = nullptr;
    QLabel* filterStatus_ = nullptr;
    FindField* findField_ = nullptr;
    QLabel* rowCount_ = nullptr;
    QButtonGroup* viewGroup_ = nullptr;
    QRadioButton* viewButtons_[3] = {};
    QPushButton* undoButton_ = nullptr;
    QPushButton* redoButton_ = nullptr;
    QPushButton* openButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* saveAsButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QPushButton* problemsButton_ = nullptr;
    ProblemsPanel* problems_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
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
