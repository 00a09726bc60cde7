// Taking the order of a reference list: which channels of a database match the reference's
// rows, in the reference's order, and the reordering that puts them there.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "CsvText.h"

namespace kavro {

class ChannelDatabase;

// The new order of the live channels of `db`: those of `first` (live, each once) in that
// order, then every other live channel in its order. `order` receives it, one entry per live
// slot in ascending slot order.
void orderWithFirst(const ChannelDatabase& db, std::span<const int> first, std::vector<int>& order);

// Puts the records of the live channels of `db` into its live slots in the order that
// orderWithFirst gives: the slot of the k-th live channel receives the k-th record of the
// order. Free slots keep their place, and so does every record whose slot gets it back.
// `buffer` holds the records on the way.
void placeChannelsFirst(ChannelDatabase& db, std::span<const int> first,
                        std::vector<uint8_t>& buffer);

// The channels of `db` matched to a reference, in the reference's order, and how many live
// channels found no match.
struct OrderMatch {
    std::vector<int> channels;
    int unmatched = 0;
};

// Against another database: channels pair by their key, where it is not unique in a file by
// key and name (ChannelMatch.h); the order is the reference's list order (its all view).
OrderMatch matchOrder(const ChannelDatabase& db, const ChannelDatabase& reference);

// A row of a written list (ListExport.h) as matching reads it: the texts of its Sat, Tp and
// Channel columns, UTF-8.
struct ListRowKey {
    std::string satellite;
    std::string transponder;
    std::string channel;
};

// Against the rows of a written list, in their order: a channel matches a row with the same
// satellite name, transponder text (blanks at its ends aside) and channel text (its name,
// "[R]" after a radio channel's); rows and channels of the same texts pair in their order.
OrderMatch matchOrder(const ChannelDatabase& db, std::span<const ListRowKey> rows);

// The most rows a reference list may have: four times a full table, far more than could match.
constexpr size_t MostListRows = 4 * 15360;

// Takes the records of a written list one at a time, the header first, and keeps only what
// matching needs: the texts of each row's Sat, Tp and Channel columns.
class ListRowReader {
public:
    explicit ListRowReader(std::vector<ListRowKey>& rows) : rows_(rows) { rows_.clear(); }
    // False, with the problem, for a header that names no column "Sat", "Tp" or "Channel"
    // (others may stand beside them), a row with too few fields, or more than MostListRows
    // rows.
    bool take(const CsvRecord& record);
    // False, with the problem, for a list without a header.
    bool finish();
    const std::string& problem() const { return problem_; }

private:
    std::vector<ListRowKey>& rows_;
    int columns_[3] = {-1, -1, -1};
    size_t needed_ = 0;
    size_t records_ = 0;
    std::string problem_;
};

// Reads the rows of a whole written list as ListRowReader does. False with the problem
// otherwise.
bool readListRows(std::string_view csv, std::vector<ListRowKey>& rows, std::string& problem);

// "N channels ordered, M without a match".
std::string orderCountsText(int ordered, int unmatched);

}  // namespace kavro
