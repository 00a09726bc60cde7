#include <cstring>

#include "EditAppliers.h"
#include "RestoreEdit.h"
#include "database/ChannelDatabase.h"

namespace kavro {

void planOf(const ChannelDatabase&, const RestoreTables& e, EditPlan& plan) {
    if (e.tables.size() != table::Size) {
        plan.refusal = "not a whole database";
        return;
    }
    plan.ranges.push_back({0, table::Size});
    plan.reach = ChangeReach::Records;
    plan.label = RestoreTablesLabel;
}

void applyOf(ChannelDatabase& db, const RestoreTables& e, std::vector<uint8_t>&, EditResult&) {
    std::memcpy(db.mutableBytes(), e.tables.data(), table::Size);
}

}  // namespace kavro
