// The channel list view: a grid of whole-row selections over the ChannelListModel. It
// reports clicks and double-clicks anywhere in its area to the window, and finds the
// channel of a row through the row's channel-index column.
#pragma once

#include <QTableView>
#include <QVector>

namespace kavro {

class ChannelListModel;

class ChannelListCtrl : public QTableView {
    Q_OBJECT

public:
    explicit ChannelListCtrl(QWidget* parent = nullptr);

    // Attaches the model and sets up the eight columns: widths, centring, the hidden
    // channel-index column, grid, full-row and extended selection, no sorting.
    void SetupListColumns(ChannelListModel* model);
    ChannelListModel* listModel() const { return model_; }

    // The channel shown in `row`, read from its channel-index column; ChannelCapacity when
    // the row does not exist.
    int channelOfRow(int row) const;
    // Positions of the selected rows, ascending.
    QVector<int> selectedRowPositions() const;
    // The lowest selected row, -1 when none is selected.
    int firstSelectedRow() const;
    // Selects row `row` (adding to the selection) and scrolls it entirely into view; a row
    // that does not exist selects and shows nothing.
    void selectAndShowRow(int row);

    // Widths of the visible columns.
    static const int ColumnWidths[];

signals:
    // A left click or a double-click anywhere in the list's area.
    void listClicked();
    void listDoubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    bool textFitsCell(const QModelIndex& index) const;

    ChannelListModel* model_ = nullptr;
};

}  // namespace kavro
