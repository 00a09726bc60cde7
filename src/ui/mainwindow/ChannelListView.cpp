#include "ChannelListView.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QToolTip>
#include <algorithm>

#include "ChannelListModel.h"
#include "PlainTextDelegate.h"
#include "database/DisplayText.h"
#include "database/RecordLayout.h"

namespace kavro {

const int ChannelListView::ColumnWidths[] = {50, 120, 70, 180, 44, 44, 44, 0};

ChannelListView::ChannelListView(QWidget* parent) : QTableView(parent) {
    // The cells draw the grid (see PlainTextDelegate).
    setShowGrid(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setItemDelegate(new PlainTextDelegate(Qt::AlignCenter, PlainTextDelegate::Grid::Lines, this));

    // The selection stays visible when the focus is elsewhere.
    QPalette shown = palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        shown.setColor(QPalette::Inactive, role, shown.color(QPalette::Active, role));
    }
    setPalette(shown);

    // Uniform fixed row heights: the view never measures rows, so a refill costs nothing
    // per row.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

void ChannelListView::setUpColumns(ChannelListModel* model) {
    model_ = model;
    setModel(model);
    for (int column = 0; column < ListColumnCount; ++column) {
        setColumnWidth(column, ColumnWidths[column]);
    }
    setColumnHidden(ColumnIndex, true);
    // The header shows no selection (its sections neither highlight nor select): on a
    // selection of its own it does not ask at each paint whether every row of each column
    // is selected, a pass over all rows once they all are.
    horizontalHeader()->setSelectionModel(new QItemSelectionModel(model, horizontalHeader()));
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { keyChangedSelection_ = keyChangedSelection_ || handlingKey_; });
}

// Read from the selection's ranges: asking row by row costs a pass over every range for
// each row, far too slow for thousands of scattered rows.
QVector<int> ChannelListView::selectedRowPositions() const {
    QVector<int> rows;
    if (!selectionModel()) {
        return rows;
    }
    const QItemSelection selection = selectionModel()->selection();
    for (const QItemSelectionRange& range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            rows.append(row);
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int ChannelListView::firstSelectedRow() const {
    int first = -1;
    if (selectionModel()) {
        for (const QItemSelectionRange& range : selectionModel()->selection()) {
            if (first < 0 || range.top() < first) {
                first = range.top();
            }
        }
    }
    return first;
}

bool ChannelListView::hasSelectedRows() const {
    return selectionModel() && selectionModel()->hasSelection();
}

void ChannelListView::selectOnlyRows(const std::vector<int>& rows) {
    QItemSelectionModel* selection = selectionModel();
    if (!model_ || !selection) {
        return;
    }
    QItemSelection ranges;
    for (size_t i = 0; i < rows.size();) {
        size_t end = i + 1;
        while (end < rows.size() && rows[end] == rows[end - 1] + 1) {
            ++end;
        }
        ranges.append(QItemSelectionRange(model_->index(rows[i], 0),
                                          model_->index(rows[end - 1], ListColumnCount - 1)));
        i = end;
    }
    {
        // Cleared first: comparing with a large old selection costs far more.
        const QSignalBlocker quiet(selection);
        selection->clearSelection();
        selection->select(ranges, QItemSelectionModel::Select);
        if (!rows.empty()) {
            selection->setCurrentIndex(model_->index(rows.front(), 0),
                                       QItemSelectionModel::NoUpdate);
        }
    }
    viewport()->update();
    if (!rows.empty()) {
        scrollTo(model_->index(rows.back(), 0), QAbstractItemView::EnsureVisible);
        scrollTo(model_->index(rows.front(), 0), QAbstractItemView::EnsureVisible);
    }
}

void ChannelListView::selectAndShowRow(int row) {
    selectAndShowRows(row, 1);
}

void ChannelListView::selectAndShowRows(int first, int count) {
    const int last = first + count - 1;
    if (!model_ || count <= 0 || first < 0 || last >= model_->rowCount()) {
        return;
    }
    const QModelIndex top = model_->index(first, 0);
    const QModelIndex bottom = model_->index(last, 0);
    selectionModel()->select(QItemSelection(top, bottom),
                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selectionModel()->setCurrentIndex(top, QItemSelectionModel::NoUpdate);
    scrollTo(bottom, QAbstractItemView::EnsureVisible);
    scrollTo(top, QAbstractItemView::EnsureVisible);
}

QPoint ChannelListView::keyboardMenuPosition() const {
    int row = currentIndex().isValid() ? currentIndex().row() : firstSelectedRow();
    const QRect rect = row >= 0 && model_ ? visualRect(model_->index(row, 0)) : QRect();
    if (rect.isValid() && viewport()->rect().contains(rect.bottomLeft())) {
        return viewport()->mapToGlobal(QPoint(rect.left() + rect.height(), rect.bottom()));
    }
    return viewport()->mapToGlobal(QPoint(0, 0));
}

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

// Tooltips only for cells whose text is cut off.
bool ChannelListView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        if (!index.isValid() || textFitsCell(index)) {
            QToolTip::hideText();
            return true;
        }
    }
    return QTableView::viewportEvent(event);
}

bool ChannelListView::textFitsCell(const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    return fontMetrics().horizontalAdvance(text) + margins <= visualRect(index).width();
}

}  // namespace kavro
