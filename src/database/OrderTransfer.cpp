#include "OrderTransfer.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "ChannelDatabase.h"
#include "ChannelMatch.h"
#include "CsvText.h"
#include "DisplayText.h"
#include "FieldRules.h"

namespace kavro {

namespace {

std::vector<int> liveSlots(const ChannelDatabase& db) {
    std::vector<int> live;
    live.reserve(ChannelCapacity);
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (db.isLiveChannel(ch)) {
            live.push_back(ch);
        }
    }
    return live;
}

std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The texts a row of a written list matches by, joined into one key.
std::string rowKey(std::string_view satellite, std::string_view transponder,
                   std::string_view channel) {
    std::string key(satellite);
    key += '\x1F';
    key += trimmed(transponder);
    key += '\x1F';
    key += channel;
    return key;
}

std::string cellUtf8(const ChannelDatabase& db, int ch, int column) {
    return latin1ToUtf8(channelCellText(db, 0, ch, column).view());
}

int columnOf(const CsvRecord& header, std::string_view title) {
    for (size_t i = 0; i < header.size(); ++i) {
        if (header[i] == title) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

void orderWithFirst(const ChannelDatabase& db, std::span<const int> first,
                    std::vector<int>& order) {
    std::vector<char> placed(ChannelCapacity, 0);
    order.clear();
    for (int ch : first) {
        order.push_back(ch);
        placed[ch] = 1;
    }
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (!placed[ch] && db.isLiveChannel(ch)) {
            order.push_back(ch);
        }
    }
}

void placeChannelsFirst(ChannelDatabase& db, std::span<const int> first,
                        std::vector<uint8_t>& buffer) {
    std::vector<int> order;
    orderWithFirst(db, first, order);
    const std::vector<int> live = liveSlots(db);
    size_t from = 0;
    while (from < live.size() && order[from] == live[from]) {
        ++from;
    }
    size_t end = live.size();
    while (end > from && order[end - 1] == live[end - 1]) {
        --end;
    }
    buffer.resize((end - from) * ChannelRecordSize);
    for (size_t k = from; k < end; ++k) {
        std::memcpy(buffer.data() + (k - from) * ChannelRecordSize, db.tables().channels[order[k]],
                    ChannelRecordSize);
    }
    for (size_t k = from; k < end; ++k) {
        std::memcpy(db.mutableTables().channels[live[k]],
                    buffer.data() + (k - from) * ChannelRecordSize, ChannelRecordSize);
    }
}

OrderMatch matchOrder(const ChannelDatabase& db, const ChannelDatabase& reference) {
    const std::vector<MatchEntry> rows = channelEntries(reference);
    const std::vector<MatchEntry> channels = channelEntries(db);
    const std::vector<int> partner = pairEntries(rows, channels);
    OrderMatch match;
    for (int p : partner) {
        if (p >= 0) {
            match.channels.push_back(channels[p].id);
        }
    }
    match.unmatched = static_cast<int>(channels.size() - match.channels.size());
    return match;
}

OrderMatch matchOrder(const ChannelDatabase& db, std::span<const ListRowKey> rows) {
    std::unordered_map<std::string, uint64_t> keys;
    const auto keyOf = [&keys](std::string key) {
        return keys.emplace(std::move(key), keys.size()).first->second;
    };
    std::vector<MatchEntry> rowEntries;
    rowEntries.reserve(rows.size());
    for (size_t r = 0; r < rows.size(); ++r) {
        const ListRowKey& row = rows[r];
        rowEntries.push_back(
            {keyOf(rowKey(row.satellite, row.transponder, row.channel)), {}, static_cast<int>(r)});
    }
    std::vector<MatchEntry> channels;
    for (int ch : liveSlots(db)) {
        channels.push_back({keyOf(rowKey(cellUtf8(db, ch, ColumnSat), cellUtf8(db, ch, ColumnTp),
                                         cellUtf8(db, ch, ColumnChannel))),
                            {},
                            ch});
    }
    OrderMatch match;
    for (int p : pairEntries(rowEntries, channels, false)) {
        if (p >= 0) {
            match.channels.push_back(channels[p].id);
        }
    }
    match.unmatched = static_cast<int>(channels.size() - match.channels.size());
    return match;
}

bool readListRows(std::string_view csv, std::vector<ListRowKey>& rows, std::string& problem) {
    std::vector<CsvRecord> records;
    CsvProblem read;
    if (!readCsv(csv, records, read)) {
        problem = "line " + std::to_string(read.line) + ": " + read.message;
        return false;
    }
    if (records.empty()) {
        problem = "the list is empty";
        return false;
    }
    const int columns[3] = {columnOf(records[0], ListColumnTitles[ColumnSat]),
                            columnOf(records[0], ListColumnTitles[ColumnTp]),
                            columnOf(records[0], ListColumnTitles[ColumnChannel])};
    for (int i = 0; i < 3; ++i) {
        if (columns[i] < 0) {
            problem = "the first line names no column \"" +
                      std::string(ListColumnTitles[ColumnSat + i]) + "\"";
            return false;
        }
    }
    const size_t needed = static_cast<size_t>(std::max({columns[0], columns[1], columns[2]})) + 1;
    rows.clear();
    for (size_t r = 1; r < records.size(); ++r) {
        if (records[r].size() < needed) {
            problem = "record " + std::to_string(r + 1) + " has " +
                      std::to_string(records[r].size()) + " fields, too few for the columns";
            return false;
        }
        rows.push_back({records[r][columns[0]], records[r][columns[1]], records[r][columns[2]]});
    }
    return true;
}

std::string orderCountsText(int ordered, int unmatched) {
    return std::to_string(ordered) + (ordered == 1 ? " channel" : " channels") + " ordered, " +
           std::to_string(unmatched) + " without a match";
}

}  // namespace kavro
