#include "EditAppliers.h"

#include <algorithm>
#include <type_traits>

#include "ImportApplier.h"
#include "OrderApplier.h"
#include "StepLabels.h"
#include "database/ChannelDatabase.h"
#include "database/ChannelOrder.h"
#include "database/FieldRules.h"
#include "database/TableEditing.h"

namespace kavro {

namespace {

std::string outsideRange(int value, const FieldRange& range) {
    return value >= range.low && value <= range.high
               ? std::string()
               : twoLines(rangeMessage(range), fieldLine(range.name));
}

std::string tooLong(const std::string& name, int limit) {
    return static_cast<int>(name.size()) > limit ? lengthMessage(limit) : std::string();
}

// A new name past the limit; the stored name, which may fill its whole area, is no new one.
std::string tooLong(const std::string& name, std::string_view stored, int limit) {
    return name == stored ? std::string() : tooLong(name, limit);
}

// The first refusal of a list of checks, in order.
std::string firstOf(std::initializer_list<std::string> refusals) {
    for (const std::string& refusal : refusals) {
        if (!refusal.empty()) {
            return refusal;
        }
    }
    return {};
}

std::string deadTransponder(const ChannelDatabase& db, int t) {
    return db.isLiveTransponder(t) ? std::string() : noLiveTransponderMessage(std::to_string(t));
}

std::string deadChannel(const ChannelDatabase& db, int ch) {
    return db.isLiveChannel(ch) ? std::string() : noLiveChannelMessage(std::to_string(ch));
}

std::string deadChannels(const ChannelDatabase& db, const std::vector<int>& channels) {
    for (int ch : channels) {
        if (!db.isLiveChannel(ch)) {
            return deadChannel(db, ch);
        }
    }
    return {};
}

TableRange channelRecords(int first, int end) {
    return {table::channel(first), static_cast<size_t>(end - first) * ChannelRecordSize};
}

TableRange transponderRecord(int t) {
    return {table::transponder(t), TransponderRecordSize};
}

// The channel records pointing at slot t, as one stretch (none when there are none).
void addChannelsOf(const ChannelDatabase& db, int t, EditPlan& plan) {
    int first = -1;
    int last = -1;
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (db.channelTransponder(ch) == t) {
            first = first < 0 ? ch : first;
            last = ch;
        }
    }
    if (first >= 0) {
        plan.ranges.push_back(channelRecords(first, last + 1));
    }
}

// The channels of a list, ascending and each once.
std::vector<int> ascending(std::vector<int> channels) {
    if (!std::is_sorted(channels.begin(), channels.end())) {  // a selection comes sorted
        std::sort(channels.begin(), channels.end());
    }
    channels.erase(std::unique(channels.begin(), channels.end()), channels.end());
    return channels;
}

void planOf(const ChannelDatabase& db, const AddTransponder& e, EditPlan& plan) {
    plan.refusal =
        firstOf({outsideRange(e.satellite, SatelliteRange), outsideRange(e.mhz, FrequencyRange),
                 outsideRange(e.symbolRate, SymbolRateRange),
                 outsideRange(e.polarization, PolarizationRange)});
    const int t = firstFreeTransponder(db);
    if (plan.refusal.empty() && t == TransponderCapacity) {
        plan.refusal = transponderAddMessage();
    }
    if (plan.refusal.empty()) {
        plan.ranges.push_back(transponderRecord(t));
        addChannelsOf(db, t, plan);
        plan.reach = ChangeReach::Records;
        plan.label = AddTransponderLabel;
    }
}

void planOf(const ChannelDatabase& db, const EditTransponder& e, EditPlan& plan) {
    plan.refusal = firstOf(
        {deadTransponder(db, e.transponder), outsideRange(e.mhz, FrequencyRange),
         outsideRange(e.symbolRate, SymbolRateRange),
         e.polarization < 0 ? std::string() : outsideRange(e.polarization, PolarizationRange)});
    if (plan.refusal.empty()) {
        plan.ranges.push_back(transponderRecord(e.transponder));
        plan.label = EditTransponderLabel;
    }
}

void planOf(const ChannelDatabase& db, const DeleteTransponder& e, EditPlan& plan) {
    plan.refusal = deadTransponder(db, e.transponder);
    if (plan.refusal.empty()) {
        plan.ranges.push_back(transponderRecord(e.transponder));
        addChannelsOf(db, e.transponder, plan);
        for (int ch = 0; ch < ChannelCapacity; ++ch) {
            if (db.channelTransponder(ch) == e.transponder) {
                plan.channelsBefore.push_back(ch);
            }
        }
        plan.reach = ChangeReach::Records;
        plan.label = DeleteTransponderLabel;
    }
}

void planOf(const ChannelDatabase& db, const AddChannel& e, EditPlan& plan) {
    plan.refusal =
        firstOf({deadTransponder(db, e.transponder), tooLong(e.channel.name, ChannelNameLimit),
                 outsideRange(e.channel.serviceId, ServiceIdRange)});
    const int slot = findChannelSlot(db, UnassignedServiceId, e.transponder);
    if (plan.refusal.empty()) {
        plan.refusal = channelAddRefusal(e.view, e.channel, slot != ChannelCapacity);
    }
    if (plan.refusal.empty()) {
        plan.ranges.push_back(channelRecords(slot, slot + 1));
        if (db.isLiveChannel(slot)) {
            plan.channelsBefore.push_back(slot);
        }
        plan.channelsAfter.push_back(slot);
        plan.reach = ChangeReach::Records;
        plan.label = AddChannelLabel;
    }
}

void planOf(const ChannelDatabase& db, const EditChannel& e, EditPlan& plan) {
    if (!db.isLiveChannel(e.channel)) {
        plan.refusal = deadChannel(db, e.channel);
        return;
    }
    plan.refusal =
        firstOf({tooLong(e.name, db.channelName(e.channel), ChannelNameLimit),
                 outsideRange(e.videoPid, VideoPidRange), outsideRange(e.audioPid, AudioPidRange),
                 outsideRange(e.pcrPid, PcrPidRange), outsideRange(e.serviceId, ServiceIdRange),
                 e.casBits < 0 ? std::string() : outsideRange(e.casBits, CasBitsRange)});
    if (plan.refusal.empty()) {
        plan.ranges.push_back(channelRecords(e.channel, e.channel + 1));
        plan.channelsBefore = plan.channelsAfter = {e.channel};
        plan.label = EditChannelLabel;
    }
}

void planOf(const ChannelDatabase& db, const DeleteChannels& e, EditPlan& plan) {
    plan.refusal = deadChannels(db, e.channels);
    if (plan.refusal.empty()) {
        plan.channelsBefore = ascending(e.channels);
        if (!plan.channelsBefore.empty()) {
            plan.ranges.push_back(channelRecords(plan.channelsBefore.front(), ChannelCapacity));
        }
        plan.reach = ChangeReach::Records;
        plan.label =
            channelsLabel(DeleteChannelsLabel, static_cast<int>(plan.channelsBefore.size()));
    }
}

// The moved block lands where the channels staying before the insertion slot end.
void planOf(const ChannelDatabase& db, const MoveChannels& e, EditPlan& plan) {
    plan.refusal = deadChannels(db, e.channels);
    if (plan.refusal.empty() && e.target != MoveToEnd) {
        plan.refusal = deadChannel(db, e.target);
    }
    if (!plan.refusal.empty()) {
        return;
    }
    plan.channelsBefore = ascending(e.channels);
    plan.reach = ChangeReach::Order;
    plan.label = channelsLabel(MoveChannelsLabel, static_cast<int>(plan.channelsBefore.size()));
    const int x = moveInsertionSlot(db, ChannelSet(plan.channelsBefore), e.target);
    if (x < 0 || plan.channelsBefore.empty()) {
        plan.channelsAfter = plan.channelsBefore;  // nothing moves
        return;
    }
    const auto movedBeforeX =
        std::lower_bound(plan.channelsBefore.begin(), plan.channelsBefore.end(), x) -
        plan.channelsBefore.begin();
    const int block = x - static_cast<int>(movedBeforeX);
    for (size_t i = 0; i < plan.channelsBefore.size(); ++i) {
        plan.channelsAfter.push_back(block + static_cast<int>(i));
    }
    plan.ranges.push_back(channelRecords(std::min(plan.channelsBefore.front(), x),
                                         std::max(plan.channelsBefore.back() + 1, x)));
}

// The channels keep their slots as a set: the same slots before and after, and in between
// only theirs change.
void planOf(const ChannelDatabase& db, const SortChannels& e, EditPlan& plan) {
    plan.refusal = deadChannels(db, e.channels);
    if (!plan.refusal.empty()) {
        return;
    }
    plan.channelsBefore = plan.channelsAfter = ascending(e.channels);
    if (!plan.channelsBefore.empty()) {
        plan.ranges.push_back(
            channelRecords(plan.channelsBefore.front(), plan.channelsBefore.back() + 1));
    }
    plan.reach = ChangeReach::Order;
    plan.label = sortLabel(static_cast<int>(plan.channelsBefore.size()), sortKeyName(e.key));
}

void planOf(const ChannelDatabase& db, const SetFavorites& e, EditPlan& plan) {
    plan.refusal =
        firstOf({deadChannels(db, e.channels), outsideRange(e.groups, FavoriteMaskRange)});
    if (plan.refusal.empty()) {
        plan.channelsBefore = plan.channelsAfter = ascending(e.channels);
        for (int ch : plan.channelsBefore) {
            plan.ranges.push_back(channelRecords(ch, ch + 1));
        }
        plan.label = channelsLabel(SetFavoritesLabel, static_cast<int>(plan.channelsBefore.size()));
    }
}

void planOf(const ChannelDatabase& db, const RenameGroups& e, EditPlan& plan) {
    for (const GroupName& group : e.names) {
        plan.refusal = outsideRange(group.slot + 1, GroupNumberRange);
        if (plan.refusal.empty()) {
            plan.refusal = tooLong(group.name, db.favoriteGroupName(group.slot), GroupNameLimit);
        }
        if (!plan.refusal.empty()) {
            return;
        }
    }
    for (const GroupName& group : e.names) {
        plan.ranges.push_back({table::favoriteName(group.slot), FavoriteNameSize});
    }
    plan.label = RenameGroupsLabel;
}

std::string noSatellite(int s) {
    return outsideRange(s, SatelliteRange);
}

void planOf(const ChannelDatabase& db, const ShowSatellite& e, EditPlan& plan) {
    plan.refusal = noSatellite(e.satellite);
    if (plan.refusal.empty()) {
        plan.ranges.push_back({table::satellite(e.satellite) + sat::ShownFlags, 1});
        plan.reach = ChangeReach::Records;  // the tree gains or loses the satellite
        plan.label = satelliteLabel(e.shown ? ShowSatelliteLabel : HideSatelliteLabel,
                                    db.satelliteName(e.satellite));
    }
}

void planOf(const ChannelDatabase& db, const RenameSatellite& e, EditPlan& plan) {
    plan.refusal = noSatellite(e.satellite);
    if (plan.refusal.empty()) {
        plan.refusal = firstOf(
            {tooLong(e.name, db.satelliteName(e.satellite), SatelliteNameLimit),
             e.name.find('\0') == std::string::npos ? std::string() : std::string(NulInNameText)});
    }
    if (plan.refusal.empty()) {
        plan.ranges.push_back({table::satellite(e.satellite) + sat::Name, sat::NameArea});
        plan.reach = ChangeReach::Records;
        plan.label = satelliteLabel(RenameSatelliteLabel, db.satelliteName(e.satellite));
    }
}

void applyOf(ChannelDatabase& db, const ShowSatellite& e, std::vector<uint8_t>&, EditResult&) {
    db.setSatelliteShown(e.satellite, e.shown);
}

void applyOf(ChannelDatabase& db, const RenameSatellite& e, std::vector<uint8_t>&, EditResult&) {
    if (e.name != db.satelliteName(e.satellite)) {
        db.setSatelliteName(e.satellite, e.name);
    }
}

void applyOf(ChannelDatabase& db, const AddTransponder& e, std::vector<uint8_t>&, EditResult& r) {
    r.slot = addTransponder(db, e.satellite, e.mhz, e.symbolRate, e.polarization);
}

void applyOf(ChannelDatabase& db, const EditTransponder& e, std::vector<uint8_t>&, EditResult&) {
    const int t = e.transponder;
    if (e.mhz != db.transponderFrequencyMhz(t)) {
        db.setTransponderFrequencyMhz(t, e.mhz);
    }
    db.setTransponderSymbolRate(t, e.symbolRate);
    const int shown = db.transponderPolarization(t) != 0 ? 1 : 0;
    if (e.polarization >= 0 && e.polarization != shown) {
        db.setTransponderPolarization(t, e.polarization);
    }
}

void applyOf(ChannelDatabase& db, const DeleteTransponder& e, std::vector<uint8_t>&, EditResult&) {
    deleteTransponder(db, e.transponder);
}

void applyOf(ChannelDatabase& db, const AddChannel& e, std::vector<uint8_t>&, EditResult& r) {
    r.replaced = channelReusedByAdd(db, e.transponder);
    r.slot = addChannel(db, e.view, e.transponder, e.channel);
}

// A PID whose low 13 bits are unchanged keeps its whole stored word.
void storePid(ChannelDatabase& db, int ch, int value, int (ChannelDatabase::*get)(int) const,
              void (ChannelDatabase::*set)(int, int)) {
    if (((db.*get)(ch)&PidMask) != value) {
        (db.*set)(ch, value);
    }
}

void applyOf(ChannelDatabase& db, const EditChannel& e, std::vector<uint8_t>&, EditResult&) {
    const int ch = e.channel;
    if (e.name != db.channelName(ch)) {
        db.setChannelName(ch, e.name);
    }
    db.setChannelServiceId(ch, e.serviceId);
    storePid(db, ch, e.videoPid, &ChannelDatabase::channelVideoPid,
             &ChannelDatabase::setChannelVideoPid);
    storePid(db, ch, e.audioPid, &ChannelDatabase::channelAudioPid,
             &ChannelDatabase::setChannelAudioPid);
    storePid(db, ch, e.pcrPid, &ChannelDatabase::channelPcrPid, &ChannelDatabase::setChannelPcrPid);
    db.setChannelLocked(ch, e.locked);
    if (e.casBits >= 0 && e.casBits != db.channelCasBits(ch)) {
        db.setChannelCasBits(ch, e.casBits);
    }
}

void applyOf(ChannelDatabase& db, const DeleteChannels& e, std::vector<uint8_t>&, EditResult&) {
    deleteChannels(db, ChannelSet(e.channels));
}

void applyOf(ChannelDatabase& db, const MoveChannels& e, std::vector<uint8_t>& buffer,
             EditResult&) {
    moveChannels(db, ChannelSet(e.channels), e.target, buffer);
}

void applyOf(ChannelDatabase& db, const SortChannels& e, std::vector<uint8_t>& buffer,
             EditResult&) {
    sortChannels(db, ascending(e.channels), e.key, buffer);
}

void applyOf(ChannelDatabase& db, const SetFavorites& e, std::vector<uint8_t>&, EditResult&) {
    for (int ch : e.channels) {
        db.setFavoriteBits(ch, e.groups);
    }
}

void applyOf(ChannelDatabase& db, const RenameGroups& e, std::vector<uint8_t>&, EditResult&) {
    for (const GroupName& group : e.names) {
        if (group.name != db.favoriteGroupName(group.slot)) {
            db.setFavoriteGroupName(group.slot, group.name);
        }
    }
}

// Sorts the ranges and joins those that overlap or touch.
void joinRanges(std::vector<TableRange>& ranges) {
    std::sort(ranges.begin(), ranges.end(),
              [](const TableRange& a, const TableRange& b) { return a.offset < b.offset; });
    size_t kept = 0;
    for (const TableRange& range : ranges) {
        TableRange& last = ranges[kept > 0 ? kept - 1 : 0];
        if (kept > 0 && range.offset <= last.offset + last.length) {
            last.length = std::max(last.length, range.offset + range.length - last.offset);
        } else {
            ranges[kept++] = range;
        }
    }
    ranges.resize(kept);
}

}  // namespace

void planEdit(const ChannelDatabase& db, const Edit& edit, EditPlan& plan) {
    plan = EditPlan();
    std::visit([&](const auto& e) { planOf(db, e, plan); }, edit);
    if (!plan.refusal.empty()) {
        std::string refusal = std::move(plan.refusal);
        plan = EditPlan();
        plan.refusal = std::move(refusal);
    }
    joinRanges(plan.ranges);
}

void applyEdit(ChannelDatabase& db, const Edit& edit, const EditPlan& plan,
               std::vector<uint8_t>& buffer, EditResult& result) {
    std::visit(
        [&](const auto& e) {
            if constexpr (std::is_same_v<std::decay_t<decltype(e)>, ImportChannels>) {
                applyOf(db, e, plan.import, buffer);
            } else {
                applyOf(db, e, buffer, result);
            }
        },
        edit);
}

}  // namespace kavro
