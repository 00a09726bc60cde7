#include "ImportApplier.h"

#include <algorithm>

#include "EditAppliers.h"
#include "StepLabels.h"
#include "database/ChannelDatabase.h"
#include "dbfile/DatabaseReader.h"

namespace kavro {

namespace {

// Where the copies and the channels updated stand once the copies are moved as one block
// before the chosen channel, or after the last channel already here (when one is).
void slotsAfter(const ChannelDatabase& db, const ImportPlan& plan, std::vector<int>& slots) {
    int lastStaying = -1;
    for (int ch = ChannelCapacity - 1; ch >= 0 && lastStaying < 0; --ch) {
        lastStaying = db.isLiveChannel(ch) ? ch : -1;
    }
    const std::vector<int>& copies = plan.copySlots;
    const int x = lastStaying < 0 ? -1 : plan.before == MoveToEnd ? lastStaying + 1 : plan.before;
    const auto below = [&](int slot) {
        return static_cast<int>(std::lower_bound(copies.begin(), copies.end(), slot) -
                                copies.begin());
    };
    for (size_t k = 0; k < copies.size(); ++k) {
        slots.push_back(x < 0 ? copies[k] : x - below(x) + static_cast<int>(k));
    }
    for (const ImportItem& item : plan.channels) {
        if (item.fate == ImportFate::Updated) {
            const int p = item.partner;
            slots.push_back(x < 0 || copies.empty()
                                ? p
                                : p - below(p) + (p >= x ? static_cast<int>(copies.size()) : 0));
        }
    }
}

}  // namespace

ImportSource readImportSource(const std::string& path) {
    DatabaseReader reader;
    return readImportSource(path, reader);
}

ImportSource readImportSource(const std::string& path, DatabaseReader& reader) {
    OpenResult opened;
    ImportSource source;
    source.database = reader.read(path, opened);
    switch (opened.outcome) {
        case OpenOutcome::Accepted:
            break;
        case OpenOutcome::Invalid:
            source.message = "Invalid DB file!";
            source.reason = imageProblemText(opened.problem);
            break;
        case OpenOutcome::CannotOpen:
        case OpenOutcome::ReadError:
            source.message = "File open failed!";
            source.reason = opened.systemReason;
            break;
    }
    return source;
}

void planImportEdit(const ChannelDatabase& db, const ImportChannels& edit, ImportPlan& plan) {
    if (!edit.source) {
        plan = ImportPlan();
        plan.refusal = "there is no database to import from";
        return;
    }
    ImportMatch match;
    matchImport(db, *edit.source, match);
    planImport(db, *edit.source, match, edit.request, plan);
}

void planOf(const ChannelDatabase& db, const ImportChannels& e, EditPlan& plan) {
    ImportPlan& import = plan.import;
    planImportEdit(db, e, import);
    plan.refusal = import.refusal;
    if (!plan.refusal.empty()) {
        return;
    }
    for (int t : import.transponderSlots) {
        plan.ranges.push_back({table::transponder(t), TransponderRecordSize});
    }
    if (import.firstChannelSlot < ChannelCapacity) {
        plan.ranges.push_back(
            {table::channel(import.firstChannelSlot),
             static_cast<size_t>(ChannelCapacity - import.firstChannelSlot) * ChannelRecordSize});
    }
    for (const ImportItem& item : import.channels) {
        if (item.fate == ImportFate::Updated) {
            plan.channelsBefore.push_back(item.partner);
        }
    }
    slotsAfter(db, import, plan.channelsAfter);
    std::sort(plan.channelsBefore.begin(), plan.channelsBefore.end());
    std::sort(plan.channelsAfter.begin(), plan.channelsAfter.end());
    plan.reach = ChangeReach::Records;
    plan.label = channelsLabel(ImportChannelsLabel, import.copied + import.updated) + " from " +
                 e.sourceName;
}

void applyOf(ChannelDatabase& db, const ImportChannels& e, const ImportPlan& import,
             std::vector<uint8_t>& buffer) {
    if (import.refusal.empty()) {
        applyImport(db, *e.source, import, buffer);
    }
}

}  // namespace kavro
