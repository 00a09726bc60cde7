// The picker's tree of another database: its satellites, their transponders and their
// channels, each with a check box and what this database already holds of it. It keeps no
// copy of either database: rows hold slot numbers, and every text is made from the tables
// when the view asks for it.
#pragma once

#include <QAbstractItemModel>
#include <array>
#include <vector>

#include "database/ChannelImport.h"

namespace kavro {

class ChannelDatabase;

class ImportTreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    // The first column holds the tree and the check boxes (a satellite's name, a
    // transponder's frequency, a channel's No. in the other list), then the list's columns,
    // then what this database holds. Both databases must outlive the model.
    enum Column { ColumnItem, ColumnFirstListColumn, ColumnHere = 7, ColumnCount };

    ImportTreeModel(const ChannelDatabase& here, const ChannelDatabase& other,
                    QObject* parent = nullptr);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The item of a satellite, transponder or channel slot of the other database; invalid
    // when the tree does not show it.
    QModelIndex satelliteItem(int s) const;
    QModelIndex transponderItem(int t) const;
    QModelIndex channelItem(int ch) const;

    // What the ticks ask for: the ticked channels, and the ticked transponders (a
    // transponder ticked without channels comes alone).
    void fillRequest(ImportRequest& request) const;
    int tickedChannels() const { return tickedChannels_; }
    const ImportMatch& match() const { return match_; }

private:
    enum Kind : quintptr { NoKind = 0, SatelliteKind = 1, TransponderKind = 2, ChannelKind = 3 };
    static quintptr id(Kind kind, int slot) { return kind << 16 | static_cast<quintptr>(slot); }
    static Kind kindOf(const QModelIndex& index) { return Kind(index.internalId() >> 16); }
    static int slotOf(const QModelIndex& index) { return int(index.internalId() & 0xFFFF); }

    Qt::CheckState satelliteState(int s) const;
    Qt::CheckState transponderState(int t) const;
    void tickChannel(int ch, bool ticked);
    void tickTransponder(int t, bool ticked);
    bool importable(const QModelIndex& index) const;
    QString hereText(Kind kind, int slot) const;
    QString itemText(Kind kind, int slot) const;

    const ChannelDatabase& here_;
    const ChannelDatabase& other_;
    ImportMatch match_;
    std::vector<int> satellites_;                                   // rows of the top level
    std::array<std::vector<int>, SatelliteCapacity> transponders_;  // of each satellite
    std::vector<std::vector<int>> channels_;                        // of each transponder
    std::vector<int> rowOf_;           // channel slot: row under its tp
    std::vector<int> transponderRow_;  // tp slot: row under its satellite
    std::array<int, SatelliteCapacity> satelliteRow_{};
    std::vector<int> listRow_;  // channel slot: its No. in the other list
    std::vector<char> ticked_;
    std::vector<char> transponderTicked_;
    std::vector<int> tickedOf_;  // ticked channels of each transponder
    int tickedChannels_ = 0;
};

}  // namespace kavro
