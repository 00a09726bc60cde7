// How an ImportChannels edit is checked and applied (see EditAppliers.h).
#pragma once

#include <cstdint>
#include <vector>

#include "Edit.h"

namespace kavro {

class ChannelDatabase;
struct EditPlan;
struct ImportPlan;

// Refuses what the import's plan refuses (a full table, a slot that holds no live record).
// The step may change the transponder slots it fills and the channel records from the first
// it writes to the end; it is about the channels it copies and updates.
// The import's own plan goes into the edit's, for the apply.
void planOf(const ChannelDatabase& db, const ImportChannels& edit, EditPlan& plan);
// Applies the accepted `import` that planOf() made on `db` as it is.
void applyOf(ChannelDatabase& db, const ImportChannels& edit, const ImportPlan& import,
             std::vector<uint8_t>& buffer);

}  // namespace kavro
