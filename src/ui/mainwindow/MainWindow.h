// The editor's one window: the satellite/transponder tree, the Find field over the channel
// list, the list with its row count and the Problems button, the ALL/TV/RADIO view buttons and
// the Undo, Redo, Open, Save, Save As, Export List and Exit buttons; the Problems panel opens
// below the list. It owns the edit session it shows; every change goes through the session,
// which the window follows (WindowRefresh) and whose modified mark and history its buttons
// show. The commands live in their groups (ChannelCommands, OrderCommands, ListCommands,
// TransponderCommands, FileCommands, HistoryCommands); the window wires them to the controls,
// the popups and the keys.
#pragma once

#include <QDialog>
#include <QString>
#include <memory>

#include "ChannelCommands.h"
#include "FileCommands.h"
#include "HistoryCommands.h"
#include "ListCommands.h"
#include "OrderCommands.h"
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
class QTreeWidgetItem;

namespace kavro {

class ChannelListCtrl;
class ChannelListModel;
class EditSession;
class FindField;
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
};

class MainWindow : public QDialog, private SessionObserver {
    Q_OBJECT

public:
    explicit MainWindow(Interaction& interaction, QWidget* parent = nullptr);
    ~MainWindow() override;

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
    QPushButton* exportButton() const { return exportButton_; }
    QPushButton* problemsButton() const { return problemsButton_; }
    ProblemsPanel* problemsPanel() const { return problems_; }

public slots:
    // Escape and the close box: end a drag in the list (moving nothing), then ask about
    // unsaved changes.
    void reject() override;

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
    // its button and Export List.
    QSplitter* buildListArea();
    void connectListTools();
    void showProblemCount(int count);
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
    std::unique_ptr<EditSession> session_;
    WindowSelection selection_;
    SatelliteTree* tree_ = nullptr;
    ChannelListCtrl* list_ = nullptr;
    ChannelListModel* model_ = nullptr;
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
    QPushButton* exportButton_ = nullptr;
    QPushButton* problemsButton_ = nullptr;
    ProblemsPanel* problems_ = nullptr;
    std::unique_ptr<WindowRefresh> refresh_;
    WindowParts parts_;
    ChannelCommands channelCommands_;
    OrderCommands orderCommands_;
    TransponderCommands transponderCommands_;
    FileCommands fileCommands_;
    HistoryCommands historyCommands_;
    ListCommands listCommands_;
    bool focusPlaced_ = false;
};

}  // namespace kavro
