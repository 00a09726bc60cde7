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

void ChannelListView::selectOnlyRows(std::span<const ListRow> rows) {
    QItemSelectionModel* selection = selectionModel();
    if (!model_ || !selection) {
        return;
    }
    QItemSelection ranges;
    for (size_t i = 0; i < rows.size();) {
        size_t end = i + 1;
        while (end < rows.size() && rows[end].value == rows[end - 1].value + 1) {
            ++end;
        }
        ranges.append(QItemSelectionRange(model_->index(rows[i].value, 0),
                                          model_->index(rows[end - 1].value, ListColumnCount - 1)));
        i = end;
    }
    {
        // Cleared first: comparing with a large old selection costs far more.
        const QSignalBlocker quiet(selection);
        selection->clearSelection();
        selection->select(ranges, QItemSelectionModel::Select);
        if (!rows.empty()) {
            selection->setCurrentIndex(model_->index(rows.front().value, 0),
                                       QItemSelectionModel::NoUpdate);
        }
    }
    viewport()->update();
    if (!rows.empty()) {
        scrollTo(model_->index(rows.back().value, 0), QAbstractItemView::EnsureVisible);
        scrollTo(model_->index(rows.front().value, 0), QAbstractItemView::EnsureVisible);
    }
}

void ChannelListView::selectAndShowRow(ListRow row) {
    selectAndShowRows(row.value, 1);
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
