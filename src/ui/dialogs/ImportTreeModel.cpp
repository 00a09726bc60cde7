#include "ui/dialogs/ImportTreeModel.h"

#include <QBrush>
#include <QPalette>

#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/FieldRules.h"

namespace kavro {

namespace {

// Latin-1 bytes of the file, control characters shown as U+FFFD so a row stays one line.
QString fileText(std::string_view latin1) {
    QString text = QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control) {
            c = QChar::ReplacementCharacter;
        }
    }
    return text;
}

Qt::CheckState combined(bool anyTicked, bool anyUnticked) {
    return !anyTicked ? Qt::Unchecked : anyUnticked ? Qt::PartiallyChecked : Qt::Checked;
}

}  // namespace

ImportTreeModel::ImportTreeModel(const ChannelDatabase& here, const ChannelDatabase& other,
                                 QObject* parent)
    : QAbstractItemModel(parent),
      here_(here),
      other_(other),
      channels_(TransponderCapacity),
      rowOf_(ChannelCapacity, -1),
      transponderRow_(TransponderCapacity, -1),
      listRow_(ChannelCapacity, -1),
      ticked_(ChannelCapacity, 0),
      transponderTicked_(TransponderCapacity, 0),
      tickedOf_(TransponderCapacity, 0) {
    matchImport(here, other, match_);
    satelliteRow_.fill(-1);
    for (int t = 0; t < TransponderCapacity; ++t) {
        if (other.isLiveTransponder(t)) {
            auto& list = transponders_[other.transponderSatellite(t)];
            transponderRow_[t] = static_cast<int>(list.size());
            list.push_back(t);
        }
    }
    for (int s = 0; s < SatelliteCapacity; ++s) {
        if (!transponders_[s].empty()) {
            satelliteRow_[s] = static_cast<int>(satellites_.size());
            satellites_.push_back(s);
        }
    }
    int row = 0;
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (other.isLiveChannel(ch)) {
            auto& list = channels_[other.channelTransponder(ch)];
            rowOf_[ch] = static_cast<int>(list.size());
            list.push_back(ch);
            listRow_[ch] = row++;
        }
    }
}

QModelIndex ImportTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= ColumnCount || row >= rowCount(parent)) {
        return {};
    }
    if (!parent.isValid()) {
        return createIndex(row, column, id(SatelliteKind, satellites_[row]));
    }
    const int slot = slotOf(parent);
    if (kindOf(parent) == SatelliteKind) {
        return createIndex(row, column, id(TransponderKind, transponders_[slot][row]));
    }
    return createIndex(row, column, id(ChannelKind, channels_[slot][row]));
}

QModelIndex ImportTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid()) {
        return {};
    }
    const int slot = slotOf(child);
    switch (kindOf(child)) {
        case TransponderKind:
            return satelliteItem(other_.transponderSatellite(slot));
        case ChannelKind:
            return transponderItem(other_.channelTransponder(slot));
        default:
            return {};
    }
}

int ImportTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) {
        return static_cast<int>(satellites_.size());
    }
    if (parent.column() != 0) {
        return 0;
    }
    switch (kindOf(parent)) {
        case SatelliteKind:
            return static_cast<int>(transponders_[slotOf(parent)].size());
        case TransponderKind:
            return static_cast<int>(channels_[slotOf(parent)].size());
        default:
            return 0;
    }
}

int ImportTreeModel::columnCount(const QModelIndex&) const {
    return ColumnCount;
}

QModelIndex ImportTreeModel::satelliteItem(int s) const {
    return isValidSatellite(s) && satelliteRow_[s] >= 0
               ? createIndex(satelliteRow_[s], 0, id(SatelliteKind, s))
               : QModelIndex();
}

QModelIndex ImportTreeModel::transponderItem(int t) const {
    return other_.isLiveTransponder(t) ? createIndex(transponderRow_[t], 0, id(TransponderKind, t))
                                       : QModelIndex();
}

QModelIndex ImportTreeModel::channelItem(int ch) const {
    return other_.isLiveChannel(ch) ? createIndex(rowOf_[ch], 0, id(ChannelKind, ch))
                                    : QModelIndex();
}

bool ImportTreeModel::importable(const QModelIndex& index) const {
    const int slot = slotOf(index);
    switch (kindOf(index)) {
        case SatelliteKind:
            return match_.satellites[slot] != NoMatch;
        case TransponderKind:
            return match_.satellites[other_.transponderSatellite(slot)] != NoMatch;
        case ChannelKind:
            return match_.satellites[other_.channelSatellite(slot)] != NoMatch;
        default:
            return false;
    }
}

QString ImportTreeModel::itemText(Kind kind, int slot) const {
    switch (kind) {
        case SatelliteKind:
            return fileText(other_.satelliteName(slot));
        case TransponderKind:
            return QStringLiteral("%1%2 %3")
                .arg(other_.transponderFrequencyMhz(slot))
                .arg(other_.transponderPolarization(slot) != 0 ? 'H' : 'V')
                .arg(other_.transponderSymbolRate(slot));
        default: {
            const CellText cell = channelCellText(other_, listRow_[slot], slot, ColumnNo);
            return fileText(cell.view());
        }
    }
}

QString ImportTreeModel::hereText(Kind kind, int slot) const {
    const int s = kind == SatelliteKind     ? slot
                  : kind == TransponderKind ? other_.transponderSatellite(slot)
                                            : other_.channelSatellite(slot);
    if (match_.satellites[s] == NoMatch) {
        return other_.satelliteName(s).empty() ? tr("Not importable: the satellite has no name")
                                               : tr("Not importable: no such satellite here");
    }
    switch (kind) {
        case SatelliteKind:
            return tr("Here");
        case TransponderKind:
            return match_.transponders[slot] != NoMatch ? tr("Here") : tr("New");
        default:
            return match_.channels[slot] != NoMatch ? tr("Here") : tr("New");
    }
}

QVariant ImportTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const Kind kind = kindOf(index);
    const int slot = slotOf(index);
    const int column = index.column();
    if (role == Qt::CheckStateRole && column == ColumnItem && importable(index)) {
        return kind == SatelliteKind     ? satelliteState(slot)
               : kind == TransponderKind ? transponderState(slot)
               : ticked_[slot] != 0      ? Qt::Checked
                                         : Qt::Unchecked;
    }
    if (role == Qt::ForegroundRole && !importable(index)) {
        return QPalette().brush(QPalette::Disabled, QPalette::Text);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (column == ColumnItem) {
        return itemText(kind, slot);
    }
    if (column == ColumnHere) {
        return hereText(kind, slot);
    }
    if (kind != ChannelKind) {
        return {};
    }
    const int listColumn = ColumnSat + column - ColumnFirstListColumn;
    return fileText(channelCellText(other_, listRow_[slot], slot, listColumn).view());
}

Qt::ItemFlags ImportTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == ColumnItem && importable(index)) {
        flags |= Qt::ItemIsUserCheckable;
    }
    return flags;
}

QVariant ImportTreeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    if (section == ColumnItem) {
        return tr("Satellite / TP / No.");
    }
    if (section == ColumnHere) {
        return tr("This database");
    }
    if (section > ColumnItem && section < ColumnHere) {
        return QString::fromLatin1(ListColumnTitles[ColumnSat + section - ColumnFirstListColumn]);
    }
    return {};
}

Qt::CheckState ImportTreeModel::transponderState(int t) const {
    const int count = static_cast<int>(channels_[t].size());
    if (count == 0 || tickedOf_[t] == 0) {
        return transponderTicked_[t] != 0 ? (count == 0 ? Qt::Checked : Qt::PartiallyChecked)
                                          : Qt::Unchecked;
    }
    return tickedOf_[t] == count ? Qt::Checked : Qt::PartiallyChecked;
}

Qt::CheckState ImportTreeModel::satelliteState(int s) const {
    bool anyTicked = false;
    bool anyUnticked = false;
    for (int t : transponders_[s]) {
        const Qt::CheckState state = transponderState(t);
        anyTicked = anyTicked || state != Qt::Unchecked;
        anyUnticked = anyUnticked || state != Qt::Checked;
    }
    return combined(anyTicked, anyUnticked);
}

void ImportTreeModel::tickChannel(int ch, bool ticked) {
    if ((ticked_[ch] != 0) == ticked) {
        return;
    }
    ticked_[ch] = ticked ? 1 : 0;
    const int step = ticked ? 1 : -1;
    tickedOf_[other_.channelTransponder(ch)] += step;
    tickedChannels_ += step;
}

void ImportTreeModel::tickTransponder(int t, bool ticked) {
    transponderTicked_[t] = ticked ? 1 : 0;
    for (int ch : channels_[t]) {
        tickChannel(ch, ticked);
    }
    if (!channels_[t].empty()) {
        const QModelIndex item = transponderItem(t);
        emit dataChanged(index(0, 0, item), index(rowCount(item) - 1, 0, item),
                         {Qt::CheckStateRole});
    }
}

bool ImportTreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::CheckStateRole || index.column() != ColumnItem ||
        !importable(index)) {
        return false;
    }
    // A partly ticked item is ticked whole by a click.
    const bool ticked = value.toInt() != Qt::Unchecked;
    const int slot = slotOf(index);
    int t = slot;
    switch (kindOf(index)) {
        case SatelliteKind:
            for (int each : transponders_[slot]) {
                tickTransponder(each, ticked);
            }
            if (!transponders_[slot].empty()) {
                emit dataChanged(this->index(0, 0, index),
                                 this->index(rowCount(index) - 1, 0, index), {Qt::CheckStateRole});
            }
            emit dataChanged(index, index, {Qt::CheckStateRole});
            return true;
        case TransponderKind:
            tickTransponder(slot, ticked);
            break;
        case ChannelKind:
            tickChannel(slot, ticked);
            t = other_.channelTransponder(slot);
            emit dataChanged(index, index, {Qt::CheckStateRole});
            break;
        default:
            return false;
    }
    const QModelIndex transponder = transponderItem(t);
    emit dataChanged(transponder, transponder, {Qt::CheckStateRole});
    const QModelIndex satellite = parent(transponder);
    emit dataChanged(satellite, satellite, {Qt::CheckStateRole});
    return true;
}

void ImportTreeModel::fillRequest(ImportRequest& request) const {
    request.transponders.clear();
    request.channels.clear();
    for (int t = 0; t < TransponderCapacity; ++t) {
        if (transponderTicked_[t] != 0 &&
            match_.satellites[other_.transponderSatellite(t)] != NoMatch) {
            request.transponders.push_back(t);
        }
    }
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (ticked_[ch] != 0) {
            request.channels.push_back(ch);
        }
    }
}

}  // namespace kavro
