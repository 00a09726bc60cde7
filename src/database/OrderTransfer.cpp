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
    // A channel whose key no row has gets one key beyond the rows': it pairs with nothing.
    // Its key is built in one string kept for all, as rowKey() builds a row's.
    std::vector<MatchEntry> channels;
    std::string key;
    for (int ch : liveSlots(db)) {
        key.clear();
        appendLatin1AsUtf8(key, channelCellText(db, 0, ch, ColumnSat).view());
        key += '\x1F';
        appendLatin1AsUtf8(key, trimmed(channelCellText(db, 0, ch, ColumnTp).view()));
        key += '\x1F';
        appendLatin1AsUtf8(key, channelCellText(db, 0, ch, ColumnChannel).view());
        const auto found = keys.find(key);
        channels.push_back({found != keys.end() ? found->second : keys.size(), {}, ch});
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

bool ListRowReader::take(const CsvRecord& record) {
    ++records_;
    if (records_ == 1) {
        for (int i = 0; i < 3; ++i) {
            columns_[i] = columnOf(record, ListColumnTitles[ColumnSat + i]);
            if (columns_[i] < 0) {
                problem_ = "the first line names no column \"" +
                           std::string(ListColumnTitles[ColumnSat + i]) + "\"";
                return false;
            }
        }
        needed_ = static_cast<size_t>(std::max({columns_[0], columns_[1], columns_[2]})) + 1;
        return true;
    }
    if (record.size() < needed_) {
        problem_ = "record " + std::to_string(records_) + " has " + std::to_string(record.size()) +
                   " fields, too few for the columns";
        return false;
    }
    if (rows_.size() >= MostListRows) {
        problem_ = "more than " + std::to_string(MostListRows) +
                   " rows, far more than a channel list can have";
        return false;
    }
    rows_.push_back({record[columns_[0]], record[columns_[1]], record[columns_[2]]});
    return true;
}

bool ListRowReader::finish() {
    if (records_ == 0) {
        problem_ = "the list is empty";
        return false;
    }
    return true;
}

bool readListRows(std::string_view csv, std::vector<ListRowKey>& rows, std::string& problem) {
    ListRowReader list(rows);
    CsvStreamReader reader([&list](CsvRecord& record) { return list.take(record); });
    if (reader.feed(csv) && reader.finish() && list.finish()) {
        return true;
    }
    problem = !list.problem().empty() ? list.problem()
                                      : "line " + std::to_string(reader.problem().line) + ": " +
                                            reader.problem().message;
    return false;
}

std::string orderCountsText(int ordered, int unmatched) {
    return std::to_string(ordered) + (ordered == 1 ? " channel" : " channels") + " ordered, " +
           std::to_string(unmatched) + " without a match";
}

}  // namespace kavro
