#include "OrderApplier.h"

#include <algorithm>

#include "EditAppliers.h"
#include "StepLabels.h"
#include "database/ChannelDatabase.h"
#include "database/FieldRules.h"
#include "database/OrderTransfer.h"

namespace kavro {

namespace {

std::string refusalOf(const ChannelDatabase& db, const std::vector<int>& channels) {
    std::vector<char> named(ChannelCapacity, 0);
    for (int ch : channels) {
        if (!db.isLiveChannel(ch)) {
            return noLiveChannelMessage(std::to_string(ch));
        }
        if (named[ch]++ != 0) {
            return "channel " + std::to_string(ch) + " is named twice";
        }
    }
    return {};
}

}  // namespace

void planOf(const ChannelDatabase& db, const OrderChannels& e, EditPlan& plan) {
    plan.refusal = refusalOf(db, e.channels);
    if (!plan.refusal.empty()) {
        return;
    }
    std::vector<int> order;
    orderWithFirst(db, e.channels, order);
    int first = -1;
    int last = -1;
    int k = 0;
    for (int slot = 0; slot < ChannelCapacity; ++slot) {
        if (!db.isLiveChannel(slot)) {
            continue;
        }
        if (order[k] != slot) {
            plan.channelsBefore.push_back(order[k]);
            plan.channelsAfter.push_back(slot);
            first = first < 0 ? slot : first;
            last = slot;
        }
        ++k;
    }
    std::sort(plan.channelsBefore.begin(), plan.channelsBefore.end());
    if (first >= 0) {
        plan.ranges.push_back(
            {table::channel(first), static_cast<size_t>(last + 1 - first) * ChannelRecordSize});
    }
    plan.reach = ChangeReach::Order;
    plan.label = channelsLabel(OrderChannelsLabel, static_cast<int>(e.channels.size()));
}

void applyOf(ChannelDatabase& db, const OrderChannels& e, std::vector<uint8_t>& buffer,
             EditResult&) {
    placeChannelsFirst(db, e.channels, buffer);
}

}  // namespace kavro
