// How an OrderChannels edit is checked and applied (see EditAppliers.h).
#pragma once

#include <cstdint>
#include <vector>

#include "Edit.h"

namespace kavro {

class ChannelDatabase;
struct EditPlan;

// Refuses a channel that is not live or is named twice. The step is about the channels
// whose slot changes; it may change the channel records from the first of those slots to
// the last.
void planOf(const ChannelDatabase& db, const OrderChannels& edit, EditPlan& plan);
void applyOf(ChannelDatabase& db, const OrderChannels& edit, std::vector<uint8_t>& buffer,
             EditResult& result);

}  // namespace kavro
