// The channel list's model. It keeps no copy of the database: each row holds only the
// index of the channel it shows, and every cell text is formatted from the tables when the
// view asks for it.
#pragma once

#include <QAbstractTableModel>
#include <QVector>
#include <span>
#include <string_view>
#include <vector>

#include "ListRow.h"

namespace kavro {

class ChannelDatabase;

class ChannelListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Rows show channels of `db`, which must outlive the model.
    explicit ChannelListModel(const ChannelDatabase& db, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // A refill: beginFill drops every row, appendRow adds rows without notifying the view
    // row by row, endFill tells the view once.
    void beginFill();
    void endFill();
    // Appends the row for channel `ch` and returns its position. Outside a fill the view is
    // told about the new row.
    int appendRow(int ch);
    // Makes row `row` show channel `ch` and has the view redraw it.
    void updateRow(int row, int ch);
    // Moves the rows at `rows` (ascending, distinct) each by `delta` places, every row
    // staying within the list; the other rows keep their order in the places left over.
    // The view is told that the rows in between changed their texts: keeping the selection
    // and the current row with their channels is the view's part (see placeAfterShift). A
    // row's "No." stays its position.
    void shiftRows(const QVector<int>& rows, int delta);
    // Moves the rows at `rows` (ascending, distinct) together into one block, in their
    // order, starting where the first of them stands; the other rows after it keep their
    // order behind the block. As for shiftRows, the view is told that the texts changed.
    void gatherRows(const QVector<int>& rows);
    // Where the last shiftRows or gatherRows put the channel that stood in `row`.
    int placeAfterShift(int row) const;
    // The row order before a drag, and its return when the drag ends; false, changing
    // nothing, when the list was refilled since.
    void saveOrder();
    bool restoreOrder();
    // Has the view redraw every cell, after a change behind the texts.
    void refreshAll();

    // The channel a row shows; none for a row that does not exist.
    ChannelSlot channelAt(ListRow row) const;
    // The channels of the rows, in row order.
    std::span<const int> channels() const { return rows_; }
    // Which rows show `channels`, ascending; a channel not shown has none.
    std::vector<ListRow> rowsOf(std::span<const int> channels) const;
    // The row that shows channel `ch`; none when no row does.
    ListRow rowOf(ChannelSlot ch) const;
    // The first row from `from` on, going round past the last row, whose channel's name
    // starts with `latin1` (letter case aside); -1 when there is none.
    int nextRowStartingWith(std::string_view latin1, int from) const;

private:
    // Places every row that newPlace_ leaves at -1 in the places placeTaken_ leaves free, in
    // order; then reorders the rows and tells the view about rows low to high.
    void placeTheOthers(int low, int high);

    const ChannelDatabase& db_;
    std::vector<int> rows_;
    std::vector<int> savedRows_;
    bool hasSavedOrder_ = false;
    bool filling_ = false;
    // Work space of shiftRows, kept so that a drag step allocates nothing.
    std::vector<int> newPlace_;
    std::vector<int> reordered_;
    std::vector<char> placeTaken_;
};

}  // namespace kavro
