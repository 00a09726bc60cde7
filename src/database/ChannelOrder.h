// Reordering channels as the user sees them, written once for the window and the tool: a
// block moved to a row of the list (Move to Top, to Bottom, Up, Down, to Position), and
// channels sorted among the slots they hold (Sort by Name, Service ID, Transponder).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace kavro {

class ChannelDatabase;
class ChannelSet;

// What rowMoveTarget answers when nothing moves: every listed channel is in the block.
constexpr int NothingMoves = -1;

// The target of moveChannels (a slot, or MoveToEnd) that puts the live channels of `block`,
// as one block in their order, so that its first channel stands at row `row` of the list
// `listed` (live channels in list order), counting only the listed channels that do not
// move; a row past the last of those puts the block directly after it. In table terms, with
// U the listed channels not in the block: before U[row] while row < |U|, else before the
// first live channel after U's last one in the table that is not in the block, else at the
// end. A row below 0 counts as 0. NothingMoves when U is empty. Changes nothing.
int rowMoveTarget(const ChannelDatabase& db, std::span<const int> listed, const ChannelSet& block,
                  int row);

enum class SortKey {
    Name,         // the name's bytes with A-Z as a-z, byte by byte; a shorter name first
    ServiceId,    // the number
    Transponder,  // satellite, frequency in kHz, polarization (vertical first), service ID
};

// The name of a key in the history's step labels ("sort 40 channels by name").
std::string_view sortKeyName(SortKey key);

// The order a sort by `key` gives the channels of `slots` (live, ascending, distinct):
// order[i] is the slot whose record goes to slots[i]. Ties keep their order. Changes
// nothing.
void sortOrder(const ChannelDatabase& db, std::span<const int> slots, SortKey key,
               std::vector<int>& order);

// Puts the records of `slots` (live, ascending, distinct) in sortOrder among these slots;
// every other slot stays as it is. `buffer` holds the records on the way.
void sortChannels(ChannelDatabase& db, std::span<const int> slots, SortKey key,
                  std::vector<uint8_t>& buffer);

}  // namespace kavro
