// Reordering by drag-and-drop. As soon as a drag moves, the selected rows stand gathered
// into one block, in their order, at the first selected row's place; then the block moves
// through the list with the mouse. The list's model only changes its row order, so a step
// costs the same for one row as for thousands. On release the drop target is read from the
// rows as shown and the window asks, over the rows as shown, whether to move the channels
// in the table: they land exactly as they were shown. Otherwise the rows go back to their
// stored order.
#include <QHeaderView>
#include <QItemSelection>
#include <QSignalBlocker>
#include <algorithm>

#include "ChannelListModel.h"
#include "ChannelListView.h"

namespace kavro {

void ChannelListView::beginDrag(int row) {
    dragging_ = true;
    savedSelection_ = selectionModel()->selection();
    savedCurrentRow_ = currentIndex().row();
    if (model_) {
        model_->saveOrder();
    }
    gatherSelection();
    dragStartRow_ = row;
    dragCurrentRow_ = row;
    viewport()->grabMouse();
}

void ChannelListView::gatherSelection() {
    const QVector<int> rows = selectedRowPositions();
    gathered_ = !rows.isEmpty() && rows.last() - rows.first() + 1 != rows.size();
    if (!gathered_) {
        return;
    }
    model_->gatherRows(rows);
    const QModelIndex top = model_->index(rows.first(), 0);
    const QModelIndex bottom = model_->index(rows.first() + rows.size() - 1, 0);
    const QItemSelection block(top, bottom);
    QItemSelectionModel* selection = selectionModel();
    const QSignalBlocker quiet(selection);
    // Cleared first: the selection model compares a new selection with a non-empty old one
    // range by range, at a cost that grows with the square of thousands of ranges.
    selection->clearSelection();
    selection->select(block, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (savedCurrentRow_ >= 0) {
        selection->setCurrentIndex(model_->index(model_->placeAfterShift(savedCurrentRow_), 0),
                                   QItemSelectionModel::NoUpdate);
    }
    viewport()->update();
}

void ChannelListView::dragMouseMove(const QPoint& pos) {
    if (!dragging_) {
        return;
    }
    const int target = dragTargetRow(pos);
    if (target >= 0) {
        moveSelectionTo(target);
    }
}

void ChannelListView::dragButtonUp() {
    if (!dragging_) {
        return;
    }
    dragging_ = false;
    viewport()->releaseMouse();
    const DropTarget drop = dropTargetAsShown();
    // A drag that shows the rows in their stored order is no reorder: nothing to ask.
    if (gathered_ || dragCurrentRow_ != dragStartRow_) {
        emit channelsDropped(drop);
    }
    restoreStoredOrder();
}

void ChannelListView::cancelDrag() {
    if (!dragging_) {
        return;
    }
    dragging_ = false;
    viewport()->releaseMouse();
    pressButton_ = Qt::NoButton;
    pressRow_ = -1;
    ignoreUntilButtonsUp_ = true;
    restoreStoredOrder();
}

// After a refill there is nothing to bring back.
void ChannelListView::restoreStoredOrder() {
    if (!model_ || !model_->restoreOrder()) {
        savedSelection_.clear();
        return;
    }
    QItemSelectionModel* selection = selectionModel();
    {
        const QSignalBlocker quiet(selection);
        selection->clearSelection();
        selection->select(savedSelection_, QItemSelectionModel::Select);
        if (savedCurrentRow_ >= 0) {
            selection->setCurrentIndex(model_->index(savedCurrentRow_, 0),
                                       QItemSelectionModel::NoUpdate);
        }
    }
    savedSelection_.clear();
    if (savedCurrentRow_ >= 0) {
        scrollTo(model_->index(savedCurrentRow_, 0), QAbstractItemView::EnsureVisible);
    }
    viewport()->update();
}

bool ChannelListView::moveSelectionTo(int target) {
    int delta = target - dragCurrentRow_;
    if (delta == 0 || !model_) {
        return false;
    }
    const QVector<int> rows = selectedRowPositions();
    if (rows.isEmpty()) {
        dragCurrentRow_ = target;
        return false;
    }
    // The block stops at the first and the last row; its gaps stay as they are.
    const int count = model_->rowCount();
    delta = delta < 0 ? std::max(delta, -rows.first()) : std::min(delta, count - 1 - rows.last());
    if (delta == 0) {
        return false;
    }
    viewport()->setUpdatesEnabled(false);
    const QItemSelection selected = selectionModel()->selection();
    const QModelIndex current = currentIndex();
    model_->shiftRows(rows, delta);
    carrySelection(selected, delta, current);
    dragCurrentRow_ += delta;
    scrollTo(model_->index(std::clamp(dragCurrentRow_, 0, count - 1), 0),
             QAbstractItemView::EnsureVisible);
    viewport()->setUpdatesEnabled(true);
    return true;
}

// The selection moves with its rows: every range by the same offset. Qt's persistent
// indexes follow a change of row order only at a cost that grows faster than the number
// of selected rows, so the selection is set anew instead, in two steps that each compare
// it with nothing. The view repaints everything after a step anyway: no signals.
void ChannelListView::carrySelection(const QItemSelection& selected, int delta,
                                     const QModelIndex& current) {
    QItemSelection moved;
    moved.reserve(selected.size());
    for (const QItemSelectionRange& range : selected) {
        moved.append(QItemSelectionRange(model_->index(range.top() + delta, range.left()),
                                         model_->index(range.bottom() + delta, range.right())));
    }
    QItemSelectionModel* selection = selectionModel();
    const QSignalBlocker quiet(selection);
    selection->clearSelection();
    selection->select(moved, QItemSelectionModel::Select);
    if (current.isValid()) {
        selection->setCurrentIndex(
            model_->index(model_->placeAfterShift(current.row()), current.column()),
            QItemSelectionModel::NoUpdate);
    }
}

// Above the rows the target is the row before the first visible one, so that each move
// there scrolls one row further; once the first row is visible it is the first row. Below
// them it is the first row not entirely visible (past the last row, the block goes to the
// end).
int ChannelListView::dragTargetRow(const QPoint& pos) const {
    if (!model_ || model_->rowCount() == 0) {
        return -1;
    }
    const QRect area = viewport()->rect();
    if (area.contains(pos)) {
        return rowAt(pos.y());
    }
    const int top = std::max(rowAt(0), 0);
    if (pos.y() >= area.height()) {
        const int page = std::max(area.height() / verticalHeader()->defaultSectionSize(), 1);
        return top + page;
    }
    if (pos.y() < 0) {
        return std::max(top - 1, 0);
    }
    return -1;
}

// The rows above the first selected one are not selected, and stay in front of the block:
// it goes before the first unselected row after that one. When there is none, directly
// after the last unselected row; when every row is selected, where the first one is.
DropTarget ChannelListView::dropTargetAsShown() const {
    DropTarget drop;
    const QVector<int> rows = selectedRowPositions();
    if (rows.isEmpty() || !model_) {
        return drop;
    }
    const int first = rows.first();
    drop.row = first;
    int next = 0;
    for (int row = first; row < model_->rowCount(); ++row) {
        if (next < rows.size() && rows[next] == row) {
            ++next;
            continue;
        }
        drop.beforeChannel = model_->channelAt(ListRow(row)).value;
        return drop;
    }
    if (first > 0) {
        drop.afterChannel = model_->channelAt(ListRow(first - 1)).value;
    } else {
        drop.beforeChannel = model_->channelAt(ListRow(first)).value;
    }
    return drop;
}

}  // namespace kavro
