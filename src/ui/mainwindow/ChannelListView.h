// The channel list view: a grid of whole-row selections over the ChannelListModel. It
// reports clicks, double-clicks, right-clicks and the Delete, menu, move and open keys to the
// window, jumps to a channel by the first letters of its name as they are typed, and
// lets the user reorder the selected rows by dragging them with either mouse button: as
// soon as a drag moves, the selected rows stand gathered into one block, which follows the
// mouse. The channel of a row is the model's (ChannelListModel::channelAt).
#pragma once

#include <QElapsedTimer>
#include <QItemSelection>
#include <QPoint>
#include <QString>
#include <QTableView>
#include <QVector>
#include <vector>

#include "database/RecordLayout.h"

namespace kavro {

class ChannelListModel;

// Where a drop puts the dragged channels: directly before `beforeChannel`; when that is
// ChannelCapacity, directly after `afterChannel` (before the next unmoved live channel);
// when both are ChannelCapacity, at the end. `row` is the list row at which the block then
// starts: where its first row stood when the button was released.
struct DropTarget {
    int row = 0;
    int beforeChannel = ChannelCapacity;
    int afterChannel = ChannelCapacity;
};

class ChannelListView : public QTableView {
    Q_OBJECT

public:
    explicit ChannelListView(QWidget* parent = nullptr);

    // Attaches the model and sets up the eight columns: widths, centring, the hidden
    // channel-index column, grid, full-row and extended selection, no sorting.
    void setUpColumns(ChannelListModel* model);
    ChannelListModel* listModel() const { return model_; }

    // Positions of the selected rows, ascending.
    QVector<int> selectedRowPositions() const;
    // The lowest selected row, -1 when none is selected.
    int firstSelectedRow() const;
    // Whether any row is selected; unlike the two above, without reading the whole
    // selection, which costs a pass over thousands of scattered rows.
    bool hasSelectedRows() const;
    // Selects row `row` (adding to the selection) and scrolls it entirely into view; a row
    // that does not exist selects and shows nothing.
    void selectAndShowRow(int row);
    // Selects rows first .. first + count - 1 (adding to the selection), makes the first the
    // current row and scrolls so that as much of them as fits is visible, the first surely.
    void selectAndShowRows(int first, int count);
    // Selects exactly `rows` (ascending, existing), makes the first the current row and
    // scrolls so that as much of them as fits is visible, the first surely; none selects
    // nothing.
    void selectOnlyRows(const std::vector<int>& rows);
    // Where a popup opened from the keyboard goes, in screen coordinates: under the current
    // row when it is visible, else at the list's top-left corner.
    QPoint keyboardMenuPosition() const;

    // Drag-and-drop reordering. While a drag runs the viewport holds the mouse until a
    // button is released; the selected rows stand gathered into one block at the first
    // selected row's place, moved on by dragCurrentRow() - dragStartRow() places: the block
    // follows the mouse.
    bool isDragging() const { return dragging_; }
    int dragStartRow() const { return dragStartRow_; }      // the row pressed at the start
    int dragCurrentRow() const { return dragCurrentRow_; }  // where the mouse carried it

    // A drag begins on `row`: the selected rows are gathered into one block (in their
    // order, at the first one's place) and the mouse is captured.
    void beginDrag(int row);
    // The mouse moved to `pos` (viewport coordinates) during a drag: the selected rows
    // follow it.
    void dragMouseMove(const QPoint& pos);
    // A button came up during a drag: the drop target is taken from the rows as shown and,
    // unless they are shown in their stored order, the window is asked to move the
    // channels while the rows stay as shown. Unless the window then refilled the list, the
    // rows and the selection go back to their stored order.
    void dragButtonUp();
    // Ends a drag without a move, as when the window closes during it: the rows and the
    // selection go back, and the buttons still held belong to the ended drag.
    void cancelDrag();
    // Moves every selected row by target - dragCurrentRow places, or by as many as keep
    // the whole selection inside the list, and scrolls the pressed row's new place into
    // view. False when nothing moved.
    bool moveSelectionTo(int target);
    // The row a drag aims at with the mouse at `pos`: the row under it; above the rows the
    // one before the first visible row, below them the first row not entirely visible;
    // -1 beside the rows or under the last one.
    int dragTargetRow(const QPoint& pos) const;
    // The drop target for the rows as they are shown now.
    DropTarget dropTargetAsShown() const;

    // Widths of the visible columns.
    static const int ColumnWidths[];

signals:
    // A left click or a double-click anywhere in the list's area.
    void listClicked();
    void listDoubleClicked();
    // A right click that did not become a drag. A right press on a row that was not
    // selected selected it alone (reported as a click); one beside the rows cleared the
    // selection.
    void listRightClicked();
    // The selection was changed from the keyboard.
    void selectedByKeyboard();
    void deleteKeyPressed();
    // The menu key or Shift+F10.
    void menuKeyPressed();
    // Ctrl+Home, Ctrl+End, Ctrl+Up or Ctrl+Down: `key` is Qt::Key_Home, _End, _Up or _Down.
    void moveKeyPressed(int key);
    // Enter, Return or F2: the current row is to be opened, as by a double-click.
    void openKeyPressed();
    // A drag that moved the rows ended; the rows are still shown where it left them.
    void channelsDropped(const DropTarget& target);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // ListKeys.cpp: the keys; Home and End go to the first and the last row; typed letters
    // jump to the next row whose channel's name starts with them.
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyboardSearch(const QString& search) override;
    bool viewportEvent(QEvent* event) override;

private:
    bool textFitsCell(const QModelIndex& index) const;
    int rowUnder(const QPoint& pos) const;
    void notePress(QMouseEvent* event);
    void startDragIfMovedFar(const QPoint& pos);
    void endDrag(QMouseEvent* event);
    void selectForRightPress(int row);
    // Gathers the selected rows into one block for a drag; the current row goes along.
    void gatherSelection();
    void restoreStoredOrder();
    void carrySelection(const QItemSelection& selected, int delta, const QModelIndex& current);

    ChannelListModel* model_ = nullptr;
    bool dragging_ = false;
    int dragStartRow_ = 0;
    int dragCurrentRow_ = 0;
    // A press on a row that may still become a drag.
    Qt::MouseButton pressButton_ = Qt::NoButton;
    int pressRow_ = -1;
    QPoint pressPos_;
    // After a drag ended with one button, the events of the other are the drag's too.
    bool ignoreUntilButtonsUp_ = false;
    // The order and selection before the drag, and whether gathering changed the order.
    QItemSelection savedSelection_;
    int savedCurrentRow_ = -1;
    bool gathered_ = false;
    // Set while a key is handled, to tell keyboard selections from others.
    bool handlingKey_ = false;
    bool keyChangedSelection_ = false;
    // The letters typed in a row, each within the keyboard input interval of the last.
    QString typed_;
    QElapsedTimer typedTime_;
};

}  // namespace kavro
