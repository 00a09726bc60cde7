// Taking back a whole earlier version of the tables (a backup opened), as one step that Undo
// takes back and Save writes to the current file.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace kavro {

class ChannelDatabase;
struct EditPlan;
struct EditResult;

struct RestoreTables {
    std::vector<uint8_t> tables;  // every byte of the tables (table::Size)
};

constexpr std::string_view RestoreTablesLabel = "restore a backup";

// Refuses tables of another size; may change every byte.
void planOf(const ChannelDatabase& db, const RestoreTables& edit, EditPlan& plan);
void applyOf(ChannelDatabase& db, const RestoreTables& edit, std::vector<uint8_t>& buffer,
             EditResult& result);

}  // namespace kavro
