// Taking the order of a reference list: which channels of a database match the reference's
// rows, in the reference's order, and the reordering that puts them there.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// Reads the rows of a written list: a header naming the columns "Sat", "Tp" and "Channel"
// (others may stand beside them), then the rows. False with the problem otherwise.
bool readListRows(std::string_view csv, std::vector<ListRowKey>& rows, std::string& problem);

// "N channels ordered, M without a match".
std::string orderCountsText(int ordered, int unmatched);

}  // namespace kavro
