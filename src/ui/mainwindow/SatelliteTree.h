// The satellite/transponder tree: one root item per shown satellite, its transponders as
// children. Every fill rebuilds it from the tables and the view index; it keeps nothing
// between fills but the items' texts and data. An item keeps its text as the core writes
// it and translates it when first shown.
#pragma once

#include <QList>
#include <QTreeWidget>

namespace kavro {

class ChannelDatabase;
class ViewIndex;

class SatelliteTree : public QTreeWidget {
    Q_OBJECT

public:
    // The role that carries an item's data: s for a satellite item, s * 65536 + j for the
    // item of the j-th transponder of satellite s.
    static constexpr int ItemDataRole = Qt::UserRole;
    // The role that carries the index of the transponder a transponder item stood for
    // when the tree was filled.
    static constexpr int TransponderRole = Qt::UserRole + 1;

    explicit SatelliteTree(QWidget* parent = nullptr);

    // Deletes every item and adds one per shown satellite with its transponders, collapsed
    // and unselected, with the texts of the index's view.
    void fill(const ChannelDatabase& db, const ViewIndex& index);
    // The tree as fill() would make it, changing only what differs: a satellite's transponder
    // items are made anew when its transponders changed, the whole tree when the shown
    // satellites did; every other item keeps its expansion and selection and gets its text
    // anew.
    void update(const ChannelDatabase& db, const ViewIndex& index);
    // Adds the transponder items of satellite `s` under `satelliteItem`.
    static void addTransponderItems(QTreeWidgetItem* satelliteItem, const ChannelDatabase& db,
                                    const ViewIndex& index, int s);
    // Gives every item the text it would get now, leaving the items, their expansion and
    // the selection as they are: for changes that leave every item in place.
    void refreshTexts(const ChannelDatabase& db, const ViewIndex& index);
    // The satellites whose items are expanded, and their expansion again after a fill.
    QList<int> expandedSatellites() const;
    void expandSatellites(const QList<int>& satellites);

    static bool isTransponderItem(const QTreeWidgetItem* item);
    static int itemData(const QTreeWidgetItem* item);
    // The satellite of an item: its data for a satellite item, the upper 16 bits for a
    // transponder item.
    static int itemSatellite(const QTreeWidgetItem* item);
    // The transponder a transponder item stands for, as `index` lists it now.
    static int itemTransponder(const QTreeWidgetItem* item, const ViewIndex& index);
    // The transponder a transponder item stood for when the tree was filled, whatever the
    // view index lists now; TransponderCapacity for any other item.
    static int filledTransponder(const QTreeWidgetItem* item);

    // The single selected item, nullptr when none.
    QTreeWidgetItem* selectedItem() const;
    // The item of satellite s and of its j-th transponder; nullptr when there is none.
    QTreeWidgetItem* satelliteItem(int s) const;
    QTreeWidgetItem* transponderItem(int s, int j) const;
    // The item of transponder t under the item of satellite s; nullptr when there is none.
    QTreeWidgetItem* itemOfTransponder(int s, int t) const;
    // Where a popup opened from the keyboard goes, in screen coordinates: under the
    // selected item when it is visible, else at the tree's top-left corner.
    QPoint keyboardMenuPosition() const;

signals:
    // A double-click with the left button anywhere in the tree's area.
    void treeDoubleClicked();
    // A right click on an item; a press on an item that was not selected selected it.
    void treeRightClicked();
    // The Delete key.
    void deleteKeyPressed();
    // A click on empty space, or Escape while an item is selected: every satellite again.
    void showAllRequested();
    // The menu key or Shift+F10.
    void menuKeyPressed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // True when the items under `satellite` stand for the transponders of satellite s, in
    // the index's order.
    static bool holdsTransponders(const QTreeWidgetItem* satellite, const ViewIndex& index, int s);
    // True when a text changed; the view is then to be told (textsChanged).
    static bool refreshChildTexts(QTreeWidgetItem* satellite, const ChannelDatabase& db,
                                  const ViewIndex& index);
    void textsChanged();

    bool rightPressedOnItem_ = false;
};

}  // namespace kavro
