// How each kind of edit is checked, what it may touch and how it is applied: the rules the
// window's dialogs and the tool's script commands share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Edit.h"
#include "SessionObserver.h"

namespace kavro {

class ChannelDatabase;

// A stretch of the tables, in the database's bytes (offsets of namespace table).
struct TableRange {
    size_t offset = 0;
    size_t length = 0;
};

// What is decided about an edit from the tables before it is applied.
struct EditPlan {
    std::string refusal;  // empty when the edit may be applied
    // The stretches applying it may change, ascending and apart; nothing outside them
    // changes.
    std::vector<TableRange> ranges;
    // The channels it is about, as slots before and after it is applied.
    std::vector<int> channelsBefore;
    std::vector<int> channelsAfter;
    // How far it reaches: beyond fields, the view index must be rebuilt.
    ChangeReach reach = ChangeReach::Fields;
    std::string label;  // the step's name, e.g. "delete 3 channels"
    // An import's plan, which its apply follows rather than planning it again.
    ImportPlan import;
};

// Plans `edit` on `db` as it is now. A refused plan has only its refusal.
void planEdit(const ChannelDatabase& db, const Edit& edit, EditPlan& plan);

// Applies an edit whose `plan`, made by planEdit on `db` as it is now, was accepted; fills
// the result's slot and replaced. `buffer` is work space for a move.
void applyEdit(ChannelDatabase& db, const Edit& edit, const EditPlan& plan,
               std::vector<uint8_t>& buffer, EditResult& result);

}  // namespace kavro
