// The list pane: the channel list view over its model, the Find field that filters it (in
// the toolbar), and in the status bar the row count and the note of the satellite the list
// is filtered to. Clicks and the keys make the list the owner of the selection; a
// double-click, Enter and F2 edit a channel; the right button and the menu key open the
// list's popup; Delete deletes, Ctrl+Home/End/Up/Down move; a drag moves the channels.
#pragma once

#include <QObject>

#include "ListRow.h"

class QLabel;
class QPoint;
class QStatusBar;
class QToolBar;
class QWidget;

namespace kavro {

class ChannelDatabase;
class ChannelListView;
class ChannelListModel;
class FindField;
struct PaneContext;

class ListPane : public QObject {
    Q_OBJECT

public:
    // Rows show channels of `db`; the widgets belong to `window` until they are placed.
    ListPane(const ChannelDatabase& db, QWidget* window);

    // Connects the list and Find to what they run.
    void wire(const PaneContext& context);
    // Find with its label at the end of `bar`; the filter note and the row count in `bar`.
    void addFindTo(QToolBar& bar);
    void addCountsTo(QStatusBar& bar);

    // With a database open and a row selected, the list owns the selection.
    void takeSelection(const PaneContext& context);
    // Gives Find the focus, its text selected.
    void focusFind();
    // Escape: ends a drag (moving nothing), else empties Find.
    void escape();

    // The channels of the first selected row and of the current row; none without one.
    ChannelSlot firstSelectedChannel() const;
    ChannelSlot currentChannel() const;

    ChannelListView* view() const { return view_; }
    ChannelListModel* model() const { return model_; }
    FindField* findField() const { return find_; }
    QLabel* rowCountField() const { return rowCount_; }
    // The status bar's note of the satellite the list is filtered to.
    QLabel* filterStatus() const { return filterStatus_; }

private:
    void wireKeys(const PaneContext& context);
    void wireFind(const PaneContext& context);
    // From Find to the list, its first row selected; false when the list shows nothing.
    bool goToFirstMatch(const PaneContext& context);
    void showPopup(const PaneContext& context, const QPoint& globalPos);

    ChannelListView* view_;
    ChannelListModel* model_;
    FindField* find_;
    QLabel* rowCount_;
    QLabel* filterStatus_;
};

}  // namespace kavro
