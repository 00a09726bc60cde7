// How an ImportChannels edit is checked and applied (see EditAppliers.h).
#pragma once

#include <cstdint>
#include <vector>

#include "Edit.h"

namespace kavro {

class ChannelDatabase;
struct EditPlan;

// Refuses what the import's plan refuses (a full table, a slot that holds no live record).
// The step may change the transponder slots it fills and the channel records from the first
// it writes to the end; it is about the channels it copies and updates.
void planOf(const ChannelDatabase& db, const ImportChannels& edit, EditPlan& plan);
void applyOf(ChannelDatabase& db, const ImportChannels& edit, std::vector<uint8_t>& buffer,
             EditResult& result);

}  // namespace kavro
