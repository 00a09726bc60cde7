// The editor's one window: the satellite/transponder tree, the channel list with its row
// count, the ALL/TV/RADIO view buttons and the Open, Save, Save As and Exit buttons. It
// holds no database data: only what is shown and selected, and the file state.
#pragma once

#include <QDialog>
#include <QString>
#include <memory>

#include "database/RecordLayout.h"
#include "ui/dialogs/DialogOperations.h"

class QButtonGroup;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QTreeWidgetItem;

namespace kavro {

class ChannelListCtrl;
class ChannelListModel;
class Interaction;
class SatelliteTree;
struct DropTarget;

// What the user selected last; the list's commands test it.
enum SelectionKind : int {
    SelectionNone = 0,
    SelectionSatellite = 1,
    SelectionTransponder = 2,
    SelectionChannel = 3
};

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
    CommandEditFavorite = 32780
};

class MainWindow : public QDialog {
    Q_OBJECT

public:
    explicit MainWindow(Interaction& interaction, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Display and selection state.
    int viewMode = 0;  // 0 ALL, 1 TV, 2 RADIO; mirrored in the view index's currentView
    int isLoaded = 0;  // a database has been opened; until then every view handler is inert
    int isDirty = 0;   // the tables hold changes not yet written
    int refreshing = 0;
    SelectionKind selectionKind = SelectionNone;
    int showAllChannels = 1;
    int selectedSatellite = 0;
    int selectedTransponder = TransponderCapacity;
    int viewChannelCount = 0;
    QString currentPath;  // the file Save writes to

    // Window set-up, refreshing and the modified mark. RefreshAll keeps the tree's selected
    // item selected (its satellite's item when the item is gone and the list stays filtered),
    // so that the list's filter is always the one the tree shows.
    bool OnInitDialog();
    void RefreshAll();
    void MarkModified();

    // The channel list.
    void FillChannelList();
    int AppendChannelRow(int ch);
    void UpdateChannelRow(int row, int ch);

    // View handlers: inert while no database is loaded.
    void OnTreeSelChanged();
    void OnTreeDblClick();
    void OnTreeClick();
    void OnAll();
    void OnTv();
    void OnRadio();
    void OnListClick();
    void OnListDblClick();

    // Context menus and their commands. A right press on an item or a row that is not
    // selected selects it alone first (the views do that), so a popup at the mouse acts on
    // what the user pointed at; a picked command makes the list, or the tree, the owner of
    // the selection.
    void OnListRightClick();
    void OnTreeRightClick();
    // The popup `popup` with its items; each item carries its command number as data.
    std::unique_ptr<QMenu> buildPopup(int popup);
    // The popup the tree shows now: Popup1 or Popup2, NoPopup with no item selected.
    int treePopup() const;
    void OnCommand(int command);
    void OnDeleteChannels();
    void OnAddToFavorite();
    void OnEditFavorite();
    void OnEditFavoriteName();
    void OnDeleteTransponder();
    // Delete on the tree: "Delete TP" for a selected transponder item.
    void OnTreeDeleteKey();
    void OnAddChannel();
    void OnAddTransponder();
    // The end of a drag that moved the selected rows: after asking, moves their channels
    // as one block to `drop` and selects them.
    void MoveSelectedChannels(const DropTarget& drop);

    // The file flow.
    void OnOpen();
    void OnSave();
    void OnSaveAs();
    void OnExit();
    bool WriteCurrentFile();

    // The context the edit dialogs run in: this window, its interaction services and
    // MarkModified.
    DialogContext dialogContext();
    Interaction& interaction() { return interaction_; }

    SatelliteTree* tree() const { return tree_; }
    ChannelListCtrl* list() const { return list_; }
    ChannelListModel* listModel() const { return model_; }
    QLabel* rowCountField() const { return rowCount_; }
    QRadioButton* viewButton(int view) const;
    QPushButton* openButton() const { return openButton_; }
    QPushButton* saveButton() const { return saveButton_; }
    QPushButton* saveAsButton() const { return saveAsButton_; }
    QPushButton* exitButton() const { return exitButton_; }

public slots:
    // Escape and the close box: end a drag in the list (moving nothing), then ask about
    // unsaved changes.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    QWidget* buildViewGroup();
    void connectHandlers();
    void setViewMode(int view);
    void onViewButton(int view);
    // Moves the radio mark to viewMode.
    void showViewModeInControls();
    // The save question before Open and on close: Save, Don't Save or Cancel. False when
    // the caller must stop: the user cancelled, or the save asked for failed.
    bool settleUnsavedChanges();
    // The unsaved-changes flag and the Save button, always together.
    void setDirty(bool dirty);
    void showMessage(const QString& text);
    // After a successful open: the whole view, nothing selected.
    void resetSelection();
    // The selection members from a tree item, without refilling the list.
    void takeTreeSelection(const QTreeWidgetItem* item);
    // After a refill: selects the item of `transponder` under `satellite`, else the
    // satellite's item, without telling the selection handlers.
    void showSelectionInTree(int satellite, int transponder);
    void onTransponderEdited(int s, int j);
    void connectKeys();
    // The picked command, 0 when none was picked.
    int runPopup(int popup, const QPoint& globalPos);
    // The popups at a place; a picked command makes the list, or the tree, the owner of
    // the selection before it runs.
    void showListPopup(const QPoint& globalPos);
    void showTreePopup(const QPoint& globalPos);
    void onListMenuKey();
    void onTreeMenuKey();
    bool confirm(const QString& question);
    // The guard of the list's channel commands.
    bool channelCommandAllowed() const;

    Interaction& interaction_;
    SatelliteTree* tree_ = nullptr;
    ChannelListCtrl* list_ = nullptr;
    ChannelListModel* model_ = nullptr;
    QLabel* rowCount_ = nullptr;
    QButtonGroup* viewGroup_ = nullptr;
    QRadioButton* viewButtons_[3] = {};
    QPushButton* openButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* saveAsButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    bool focusPlaced_ = false;
};

}  // namespace kavro
