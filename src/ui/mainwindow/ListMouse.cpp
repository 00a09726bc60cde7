// The channel list's mouse: presses, drags begun by moving far enough, releases, double
// clicks and the right button's popup (see ChannelListView.h).
#include <QApplication>
#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QMouseEvent>

#include "ChannelListModel.h"
#include "ChannelListView.h"

namespace kavro {

int ChannelListView::rowUnder(const QPoint& pos) const {
    return viewport()->rect().contains(pos) ? rowAt(pos.y()) : -1;
}

// The mouse. A press of either button on a row may become a drag: until the mouse has
// moved far enough, its moves change nothing (the view would otherwise select rows as it
// goes), so a press on a row of a multi-selection keeps the selection for the drag. The
// left button selects as usual on press and release; the right one selects a row that is
// not selected alone, keeps the selection on a selected row, and opens the popup when it
// comes up without a drag.
void ChannelListView::mousePressEvent(QMouseEvent* event) {
    if (ignoreUntilButtonsUp_ && event->buttons() == event->button()) {
        ignoreUntilButtonsUp_ = false;
    }
    if (pressButton_ != Qt::NoButton && !(event->buttons() & pressButton_)) {
        pressButton_ = Qt::NoButton;  // its release went elsewhere
    }
    if (dragging_ || ignoreUntilButtonsUp_ || pressButton_ != Qt::NoButton) {
        event->accept();  // another button during a gesture of the first one
        return;
    }
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        notePress(event);
    }
    if (event->button() == Qt::RightButton) {
        selectForRightPress(pressRow_);
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void ChannelListView::selectForRightPress(int row) {
    if (!model_) {
        return;
    }
    if (row < 0) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = model_->index(row, 0);
    if (!selectionModel()->isRowSelected(row)) {
        selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        emit listClicked();
    }
}

void ChannelListView::notePress(QMouseEvent* event) {
    pressButton_ = event->button();
    pressPos_ = event->position().toPoint();
    pressRow_ = rowUnder(pressPos_);
}

void ChannelListView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (pressButton_ != Qt::NoButton && !(event->buttons() & pressButton_)) {
        pressButton_ = Qt::NoButton;  // its release went elsewhere
    }
    if (dragging_) {
        dragMouseMove(pos);
    } else if (ignoreUntilButtonsUp_) {
        // The rest of a drag that has ended.
    } else if (pressButton_ != Qt::NoButton && pressRow_ >= 0) {
        startDragIfMovedFar(pos);
    } else if (pressButton_ == Qt::RightButton) {
        // A right press beside the rows: nothing to drag.
    } else {
        QTableView::mouseMoveEvent(event);
        return;
    }
    event->accept();
}

void ChannelListView::startDragIfMovedFar(const QPoint& pos) {
    if (pressRow_ < 0 || (pos - pressPos_).manhattanLength() < QApplication::startDragDistance()) {
        return;
    }
    emit listClicked();  // the rows being dragged are the user's selection now
    beginDrag(pressRow_);
    dragMouseMove(pos);
}

void ChannelListView::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_) {
        if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
            endDrag(event);
        }
        event->accept();
        return;
    }
    if (ignoreUntilButtonsUp_) {
        ignoreUntilButtonsUp_ = event->buttons() != Qt::NoButton;
        event->accept();
        return;
    }
    const Qt::MouseButton pressed = pressButton_;
    if (pressed != Qt::NoButton && event->button() != pressed) {
        event->accept();
        return;
    }
    pressButton_ = Qt::NoButton;
    pressRow_ = -1;
    if (event->button() == Qt::RightButton) {
        event->accept();
        if (pressed == Qt::RightButton) {
            emit listRightClicked();
        }
        return;
    }
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit listClicked();
    }
}

void ChannelListView::endDrag(QMouseEvent* event) {
    pressButton_ = Qt::NoButton;
    pressRow_ = -1;
    ignoreUntilButtonsUp_ = event->buttons() != Qt::NoButton;
    dragButtonUp();
}

void ChannelListView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || dragging_ || ignoreUntilButtonsUp_ ||
        pressButton_ != Qt::NoButton) {
        mousePressEvent(event);
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
    emit listDoubleClicked();
}

// The popup comes from the right button's release and from the keys, never from here.
void ChannelListView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
}

}  // namespace kavro
