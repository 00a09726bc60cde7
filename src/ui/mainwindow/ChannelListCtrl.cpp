#include "ChannelListCtrl.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>

#include "ChannelListModel.h"
#include "database/DisplayText.h"
#include "database/RecordLayout.h"

namespace kavro {

const int ChannelListCtrl::ColumnWidths[] = {50, 120, 70, 180, 44, 44, 44, 0};

ChannelListCtrl::ChannelListCtrl(QWidget* parent) : QTableView(parent) {
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

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

void ChannelListCtrl::SetupListColumns(ChannelListModel* model) {
    model_ = model;
    setModel(model);
    for (int column = 0; column < ListColumnCount; ++column) {
        setColumnWidth(column, ColumnWidths[column]);
    }
    setColumnHidden(ColumnIndex, true);
}

int ChannelListCtrl::channelOfRow(int row) const {
    if (!model_ || row < 0 || row >= model_->rowCount()) {
        return ChannelCapacity;
    }
    bool ok = false;
    const int ch = model_->index(row, ColumnIndex).data(Qt::DisplayRole).toString().toInt(&ok);
    return ok ? ch : ChannelCapacity;
}

QVector<int> ChannelListCtrl::selectedRowPositions() const {
    QVector<int> rows;
    if (!selectionModel()) {
        return rows;
    }
    const QModelIndexList selected = selectionModel()->selectedRows();
    rows.reserve(selected.size());
    for (const QModelIndex& index : selected) {
        rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

int ChannelListCtrl::firstSelectedRow() const {
    const QVector<int> rows = selectedRowPositions();
    return rows.isEmpty() ? -1 : rows.first();
}

void ChannelListCtrl::selectAndShowRow(int row) {
    if (!model_ || row < 0 || row >= model_->rowCount()) {
        return;
    }
    const QModelIndex index = model_->index(row, 0);
    selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    scrollTo(index, QAbstractItemView::EnsureVisible);
}

void ChannelListCtrl::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit listClicked();
    }
}

void ChannelListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit listDoubleClicked();
    }
}

// Tooltips only for cells whose text is cut off.
bool ChannelListCtrl::viewportEvent(QEvent* event) {
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

bool ChannelListCtrl::textFitsCell(const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    return fontMetrics().horizontalAdvance(text) + margins <= visualRect(index).width();
}

}  // namespace kavro
