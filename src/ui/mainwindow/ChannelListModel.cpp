#include "ChannelListModel.h"

#include <QTextDocument>

#include <algorithm>

#include "ShownText.h"
#include "database/ChannelFind.h"
#include "database/DisplayText.h"
#include "database/RecordLayout.h"
#include "ui/language/CoreTexts.h"

namespace kavro {

ChannelListModel::ChannelListModel(const ChannelDatabase& db, QObject* parent)
    : QAbstractTableModel(parent), db_(db) {
    rows_.reserve(ChannelCapacity);
}

int ChannelListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ChannelListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ListColumnCount;
}

QVariant ChannelListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ListColumnCount) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole: {
            const CellText cell =
                channelCellText(db_, index.row(), rows_[index.row()], index.column());
            return shownText(cell.view());
        }
        case Qt::ToolTipRole: {
            // Names come from the file: a name that looks like markup is shown as it is.
            const CellText cell =
                channelCellText(db_, index.row(), rows_[index.row()], index.column());
            return Qt::convertFromPlainText(shownText(cell.view()), Qt::WhiteSpacePre);
        }
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        default:
            return {};
    }
}

QVariant ChannelListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ListColumnCount) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return translatedCoreText(ListColumnTitles[section]);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    }
    return {};
}

void ChannelListModel::beginFill() {
    beginResetModel();
    filling_ = true;
    hasSavedOrder_ = false;
    rows_.clear();
}

void ChannelListModel::endFill() {
    filling_ = false;
    endResetModel();
}

int ChannelListModel::appendRow(int ch) {
    const int row = static_cast<int>(rows_.size());
    if (filling_) {
        rows_.push_back(ch);
        return row;
    }
    beginInsertRows(QModelIndex(), row, row);
    rows_.push_back(ch);
    endInsertRows();
    return row;
}

void ChannelListModel::updateRow(int row, int ch) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    rows_[row] = ch;
    emit dataChanged(index(row, 0), index(row, ListColumnCount - 1));
}

// Only the rows between the first and the last place that a moved row leaves or takes
// change; the view is told about them at once.
void ChannelListModel::shiftRows(const QVector<int>& rows, int delta) {
    const int count = rowCount();
    if (rows.isEmpty() || delta == 0 || rows.first() + delta < 0 || rows.last() + delta >= count) {
        return;
    }
    newPlace_.assign(count, -1);
    placeTaken_.assign(count, 0);
    for (int row : rows) {
        newPlace_[row] = row + delta;
        placeTaken_[row + delta] = 1;
    }
    placeTheOthers(std::min(rows.first(), rows.first() + delta),
                   std::max(rows.last(), rows.last() + delta));
}

void ChannelListModel::gatherRows(const QVector<int>& rows) {
    const int count = rowCount();
    if (rows.isEmpty() || rows.first() < 0 || rows.last() >= count) {
        return;
    }
    newPlace_.assign(count, -1);
    placeTaken_.assign(count, 0);
    const int first = rows.first();
    for (int k = 0; k < rows.size(); ++k) {
        newPlace_[rows[k]] = first + k;
        placeTaken_[first + k] = 1;
    }
    placeTheOthers(first, rows.last());
}

void ChannelListModel::placeTheOthers(int low, int high) {
    const int count = rowCount();
    int free = 0;
    for (int row = 0; row < count; ++row) {
        if (newPlace_[row] < 0) {
            while (placeTaken_[free]) {
                ++free;
            }
            newPlace_[row] = free++;
        }
    }
    reordered_.resize(count);
    for (int row = 0; row < count; ++row) {
        reordered_[newPlace_[row]] = rows_[row];
    }
    rows_.swap(reordered_);
    emit dataChanged(index(low, 0), index(high, ListColumnCount - 1));
}

void ChannelListModel::saveOrder() {
    savedRows_ = rows_;
    hasSavedOrder_ = true;
}

bool ChannelListModel::restoreOrder() {
    if (!hasSavedOrder_) {
        return false;
    }
    hasSavedOrder_ = false;
    rows_.swap(savedRows_);
    if (!rows_.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, ListColumnCount - 1));
    }
    return true;
}

int ChannelListModel::placeAfterShift(int row) const {
    return row >= 0 && row < static_cast<int>(newPlace_.size()) ? newPlace_[row] : row;
}

void ChannelListModel::refreshAll() {
    if (!rows_.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, ListColumnCount - 1));
    }
}

std::vector<ListRow> ChannelListModel::rowsOf(std::span<const int> channels) const {
    std::vector<int> rowOfChannel(ChannelCapacity, -1);
    for (size_t row = 0; row < rows_.size(); ++row) {
        rowOfChannel[static_cast<size_t>(rows_[row])] = static_cast<int>(row);
    }
    std::vector<ListRow> rows;
    for (int ch : channels) {
        if (ch >= 0 && ch < ChannelCapacity && rowOfChannel[static_cast<size_t>(ch)] >= 0) {
            rows.emplace_back(rowOfChannel[static_cast<size_t>(ch)]);
        }
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

ListRow ChannelListModel::rowOf(ChannelSlot ch) const {
    const auto found = std::find(rows_.begin(), rows_.end(), ch.value);
    return ListRow(found == rows_.end() ? -1 : static_cast<int>(found - rows_.begin()));
}

ChannelSlot ChannelListModel::channelAt(ListRow row) const {
    return ChannelSlot(row.value >= 0 && row.value < rowCount() ? rows_[row.value]
                                                                : ChannelCapacity);
}

int ChannelListModel::nextRowStartingWith(std::string_view latin1, int from) const {
    const int count = rowCount();
    from = from >= 0 && from < count ? from : 0;
    for (int k = 0; k < count; ++k) {
        const int row = (from + k) % count;
        if (channelNameStartsWith(db_, rows_[row], latin1)) {
            return row;
        }
    }
    return -1;
}

}  // namespace kavro
