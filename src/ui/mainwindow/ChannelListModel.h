// The channel list's model. It keeps no copy of the database: each row holds only the
// index of the channel it shows, and every cell text is formatted from the tables when the
// view asks for it.
#pragma once

#include <QAbstractTableModel>
#include <vector>

namespace kavro {

class ChannelListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ChannelListModel(QObject* parent = nullptr);

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
    // Exchanges the channels of two rows.
    void swapRows(int a, int b);
    // Has the view redraw one column of every row, after a change behind the texts.
    void refreshColumn(int column);

    // The channel a row shows; ChannelCapacity for a row that does not exist.
    int channelAt(int row) const;

private:
    std::vector<int> rows_;
    bool filling_ = false;
};

}  // namespace kavro
