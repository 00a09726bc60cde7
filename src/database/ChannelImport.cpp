#include "ChannelImport.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <utility>

#include "ByteOrder.h"
#include "ChannelDatabase.h"
#include "ChannelMatch.h"
#include "FieldRules.h"

namespace kavro {

namespace {

using KeyedSlot = std::pair<uint64_t, int>;

// The live records of one kind, by key and then slot.
template <typename Live, typename Key>
std::vector<KeyedSlot> keyedSlots(int capacity, Live live, Key key) {
    std::vector<KeyedSlot> slots;
    slots.reserve(static_cast<size_t>(capacity));
    for (int slot = 0; slot < capacity; ++slot) {
        if (live(slot)) {
            slots.emplace_back(key(slot), slot);
        }
    }
    std::sort(slots.begin(), slots.end());
    return slots;
}

std::pair<size_t, size_t> keyRange(const std::vector<KeyedSlot>& slots, uint64_t key) {
    const auto first = std::lower_bound(slots.begin(), slots.end(), KeyedSlot{key, -1});
    auto last = first;
    while (last != slots.end() && last->first == key) {
        ++last;
    }
    return {static_cast<size_t>(first - slots.begin()), static_cast<size_t>(last - slots.begin())};
}

void matchSatellites(const ChannelDatabase& here, const ChannelDatabase& other,
                     ImportMatch& match) {
    std::array<bool, SatelliteCapacity> taken{};
    for (int s = 0; s < SatelliteCapacity; ++s) {
        match.satellites[s] = NoMatch;
        const std::string_view name = other.satelliteName(s);
        for (int h = 0; h < SatelliteCapacity && !name.empty(); ++h) {
            if (!taken[h] && here.satelliteName(h) == name) {
                taken[h] = true;
                match.satellites[s] = h;
                break;
            }
        }
    }
}

void matchTransponders(const ChannelDatabase& here, const ChannelDatabase& other,
                       ImportMatch& match) {
    const auto slots = keyedSlots(
        TransponderCapacity, [&](int t) { return here.isLiveTransponder(t); },
        [&](int t) { return transponderMatchKey(here, t); });
    match.transponders.assign(TransponderCapacity, NoMatch);
    for (int t = 0; t < TransponderCapacity; ++t) {
        if (!other.isLiveTransponder(t) || match.satellites[other.transponderSatellite(t)] < 0) {
            continue;
        }
        const uint64_t key = static_cast<uint64_t>(match.satellites[other.transponderSatellite(t)])
                                 << 40 |
                             (transponderMatchKey(other, t) & ((uint64_t{1} << 40) - 1));
        const auto [first, last] = keyRange(slots, key);
        if (first != last) {
            match.transponders[t] = slots[first].second;
        }
    }
}

// The channel here a channel there is: among those here of its key, the first of its name;
// else the only one, when the key stands once on each side.
int channelPartner(const ChannelDatabase& here, const ChannelDatabase& other, int ch,
                   const std::vector<KeyedSlot>& hereSlots,
                   const std::vector<KeyedSlot>& otherSlots, uint64_t key) {
    const auto [first, last] = keyRange(hereSlots, key);
    for (size_t i = first; i < last; ++i) {
        if (here.channelName(hereSlots[i].second) == other.channelName(ch)) {
            return hereSlots[i].second;
        }
    }
    if (last - first == 1) {
        const auto [otherFirst, otherLast] = keyRange(otherSlots, channelMatchKey(other, ch));
        if (otherLast - otherFirst == 1) {
            return hereSlots[first].second;
        }
    }
    return NoMatch;
}

// The live channels by key and then slot.
std::vector<KeyedSlot> keyedChannels(const ChannelDatabase& db) {
    const TransponderKeys transponders(db);
    std::vector<KeyedSlot> slots;
    slots.reserve(static_cast<size_t>(ChannelCapacity));
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (uint64_t key = 0; transponders.liveChannelKey(ch, key)) {
            slots.emplace_back(key, ch);
        }
    }
    std::sort(slots.begin(), slots.end());
    return slots;
}

void matchChannels(const ChannelDatabase& here, const ChannelDatabase& other, ImportMatch& match) {
    const auto hereSlots = keyedChannels(here);
    const auto otherSlots = keyedChannels(other);
    match.channels.assign(ChannelCapacity, NoMatch);
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (!other.isLiveChannel(ch)) {
            continue;
        }
        const int t = match.transponders[other.channelTransponder(ch)];
        if (t != NoMatch) {
            const uint64_t key = transponderMatchKey(here, t) << 16 |
                                 static_cast<uint64_t>(other.channelServiceId(ch));
            match.channels[ch] = channelPartner(here, other, ch, hereSlots, otherSlots, key);
        }
    }
}

std::string satelliteReason(const ChannelDatabase& other, int s) {
    const std::string_view name = other.satelliteName(s);
    if (name.empty()) {
        return "satellite " + std::to_string(s) + " has no name to find it by here";
    }
    return "satellite \"" + latin1ToUtf8(name) + "\" is not in this database";
}

std::string roomText(std::string_view table, int room, int wanted, std::string_view what) {
    return "The " + std::string(table) + " table has room for " + std::to_string(room) +
           " of the " + std::to_string(wanted) + " " + std::string(what) +
           ": nothing was imported.";
}

// The request's slots, ascending and each once; false with the refusal for a slot that
// holds no live record there.
bool requestedSlots(const ChannelDatabase& other, const ImportRequest& request,
                    std::vector<int>& transponders, std::vector<int>& channels,
                    std::string& refusal) {
    channels = request.channels;
    std::sort(channels.begin(), channels.end());
    channels.erase(std::unique(channels.begin(), channels.end()), channels.end());
    std::vector<char> wanted(TransponderCapacity, 0);
    for (int t : request.transponders) {
        if (!other.isLiveTransponder(t)) {
            refusal = noLiveTransponderMessage(std::to_string(t)) + InOtherDatabase;
            return false;
        }
        wanted[t] = 1;
    }
    for (int ch : channels) {
        if (!other.isLiveChannel(ch)) {
            refusal = noLiveChannelMessage(std::to_string(ch)) + InOtherDatabase;
            return false;
        }
        wanted[other.channelTransponder(ch)] = 1;
    }
    for (int t = 0; t < TransponderCapacity; ++t) {
        if (wanted[t] != 0) {
            transponders.push_back(t);
        }
    }
    return true;
}

// Where each involved transponder's channels go: the one here, or a new one.
void planTransponders(const ChannelDatabase& here, const ChannelDatabase& other,
                      const ImportMatch& match, const std::vector<int>& transponders,
                      ImportPlan& plan) {
    std::array<bool, SatelliteCapacity> told{};
    for (int t : transponders) {
        const int s = other.transponderSatellite(t);
        if (match.satellites[s] == NoMatch) {
            if (!told[s]) {
                told[s] = true;
                plan.notImportable.push_back(satelliteReason(other, s));
            }
        } else if (match.transponders[t] != NoMatch) {
            plan.transponderTarget[t] = match.transponders[t];
        } else {
            plan.newTransponders.push_back(t);
        }
    }
    for (int t = 0;
         t < TransponderCapacity && plan.transponderSlots.size() < plan.newTransponders.size();
         ++t) {
        if (!here.isLiveTransponder(t)) {
            plan.transponderSlots.push_back(t);
        }
    }
    const auto room = static_cast<int>(plan.transponderSlots.size());
    const auto wanted = static_cast<int>(plan.newTransponders.size());
    if (room < wanted) {
        int free = 0;
        for (int t = 0; t < TransponderCapacity; ++t) {
            free += here.isLiveTransponder(t) ? 0 : 1;
        }
        plan.refusal = roomText("transponder", free, wanted, "transponders to add");
        return;
    }
    for (size_t k = 0; k < plan.newTransponders.size(); ++k) {
        plan.transponderTarget[plan.newTransponders[k]] = plan.transponderSlots[k];
    }
}

// The free slots the copies take: at the end, those after the last live channel when there
// are enough of them, so that no record here moves; else the first free ones, and the move
// to the end closes the gaps they leave.
void takeFreeSlots(const ChannelDatabase& here, ImportPlan& plan) {
    int from = 0;
    if (plan.before == MoveToEnd) {
        int last = ChannelCapacity - 1;
        while (last >= 0 && !here.isLiveChannel(last)) {
            --last;
        }
        const auto wanted = static_cast<int>(plan.copies.size());
        from = ChannelCapacity - (last + 1) >= wanted ? last + 1 : 0;
    }
    for (int ch = from; ch < ChannelCapacity && plan.copySlots.size() < plan.copies.size(); ++ch) {
        if (!here.isLiveChannel(ch)) {
            plan.copySlots.push_back(ch);
        }
    }
}

void planChannels(const ChannelDatabase& here, const ChannelDatabase& other,
                  const ImportMatch& match, const ImportRequest& request,
                  const std::vector<int>& channels, ImportPlan& plan) {
    std::vector<char> partnerTaken(ChannelCapacity, 0);
    for (int ch : channels) {
        ImportItem item{ch, ImportFate::Copied, match.channels[ch], {}};
        const int s = other.transponderSatellite(other.channelTransponder(ch));
        if (plan.transponderTarget[other.channelTransponder(ch)] == NoMatch) {
            item.fate = ImportFate::NotImportable;
            item.reason = satelliteReason(other, s);
            ++plan.refused;
        } else if (item.partner != NoMatch) {
            const bool update = request.update && partnerTaken[item.partner]++ == 0;
            item.fate = update ? ImportFate::Updated : ImportFate::Present;
            ++(update ? plan.updated : plan.present);
        } else {
            plan.copies.push_back(ch);
            ++plan.copied;
        }
        plan.channels.push_back(std::move(item));
    }
    takeFreeSlots(here, plan);
    if (plan.copySlots.size() < plan.copies.size()) {
        plan.refusal = roomText("channel", static_cast<int>(plan.copySlots.size()), plan.copied,
                                "channels to copy");
    }
}

void planGroups(const ChannelDatabase& here, const ChannelDatabase& other, FavoriteMatch favorites,
                ImportPlan& plan) {
    int used = 0;
    for (const ImportItem& item : plan.channels) {
        if (item.fate == ImportFate::Copied || item.fate == ImportFate::Updated) {
            used |= other.channelFavoriteBits(item.source);
        }
    }
    for (int g = 0; g < 16; ++g) {
        plan.groupTarget[g] = g;
        if (favorites == FavoriteMatch::ByNumber || g >= FavoriteGroupCount) {
            continue;
        }
        const std::string_view name = other.favoriteGroupName(g);
        plan.groupTarget[g] = name.empty() && here.favoriteGroupName(g).empty() ? g : NoMatch;
        for (int h = 0; h < FavoriteGroupCount && !name.empty(); ++h) {
            if (here.favoriteGroupName(h) == name) {
                plan.groupTarget[g] = h;
                break;
            }
        }
        if (plan.groupTarget[g] == NoMatch && (used >> g & 1) != 0) {
            plan.droppedGroups.push_back(name.empty() ? "Fav" + std::to_string(g + 1)
                                                      : latin1ToUtf8(name));
        }
    }
}

// The lowest channel slot the import writes: a copy's, a partner's, the insertion point's or
// that of a free record pointing at a transponder slot the import fills.
int firstChannelSlot(const ChannelDatabase& here, const ImportPlan& plan) {
    int first = plan.copySlots.empty() ? ChannelCapacity : plan.copySlots.front();
    if (!plan.copies.empty()) {
        first = std::min(first, plan.before);
    }
    for (const ImportItem& item : plan.channels) {
        if (item.fate == ImportFate::Updated) {
            first = std::min(first, item.partner);
        }
    }
    std::vector<char> filled(TransponderCapacity, 0);
    for (int t : plan.transponderSlots) {
        filled[t] = 1;
    }
    for (int ch = 0; ch < first; ++ch) {
        const int t = here.channelTransponder(ch);
        if (t < TransponderCapacity && filled[t] != 0) {
            return ch;
        }
    }
    return first;
}

int mappedGroups(const ImportPlan& plan, int bits) {
    int mapped = 0;
    for (int g = 0; g < 16; ++g) {
        if ((bits >> g & 1) != 0 && plan.groupTarget[g] != NoMatch) {
            mapped |= 1 << plan.groupTarget[g];
        }
    }
    return mapped;
}

// The other's record into slot ch here, pointing at transponder t.
void copyChannel(ChannelDatabase& here, const ChannelDatabase& other, const ImportPlan& plan,
                 int source, int ch, int t) {
    uint8_t* rec = here.mutableTables().channels[ch];
    std::memcpy(rec, other.tables().channels[source], ChannelRecordSize);
    writeU16(rec + ch::TransponderIndex, static_cast<uint32_t>(t));
    writeU16(rec + ch::FavoriteBits,
             static_cast<uint32_t>(mappedGroups(plan, readU16(rec + ch::FavoriteBits))));
}

}  // namespace

void matchImport(const ChannelDatabase& here, const ChannelDatabase& other, ImportMatch& match) {
    matchSatellites(here, other, match);
    matchTransponders(here, other, match);
    matchChannels(here, other, match);
}

void planImport(const ChannelDatabase& here, const ChannelDatabase& other, const ImportMatch& match,
                const ImportRequest& request, ImportPlan& plan) {
    plan = ImportPlan();
    plan.before = request.before;
    plan.transponderTarget.assign(TransponderCapacity, NoMatch);
    plan.satelliteTarget = match.satellites;
    if (request.before != MoveToEnd && !here.isLiveChannel(request.before)) {
        plan.refusal = noLiveChannelMessage(std::to_string(request.before));
        return;
    }
    std::vector<int> transponders;
    std::vector<int> channels;
    if (!requestedSlots(other, request, transponders, channels, plan.refusal)) {
        return;
    }
    planTransponders(here, other, match, transponders, plan);
    if (plan.refusal.empty()) {
        planChannels(here, other, match, request, channels, plan);
    }
    if (!plan.refusal.empty()) {
        return;
    }
    planGroups(here, other, request.favorites, plan);
    plan.firstChannelSlot = firstChannelSlot(here, plan);
}

void applyImport(ChannelDatabase& here, const ChannelDatabase& other, const ImportPlan& plan,
                 std::vector<uint8_t>& buffer) {
    std::vector<char> filled(TransponderCapacity, 0);
    for (size_t k = 0; k < plan.newTransponders.size(); ++k) {
        const int t = plan.transponderSlots[k];
        const int source = plan.newTransponders[k];
        uint8_t* rec = here.mutableTables().transponders[t];
        std::memcpy(rec, other.tables().transponders[source], TransponderRecordSize);
        rec[tp::SatelliteIndex] =
            static_cast<uint8_t>(plan.satelliteTarget[other.transponderSatellite(source)]);
        filled[t] = 1;
    }
    for (int ch = plan.firstChannelSlot; ch < ChannelCapacity && !plan.transponderSlots.empty();
         ++ch) {  // a new transponder starts without channels
        const int t = here.channelTransponder(ch);
        if (t < TransponderCapacity && filled[t] != 0) {
            writeU16(here.mutableTables().channels[ch] + ch::TransponderIndex,
                     DeletedTransponderIndex);
        }
    }
    for (const ImportItem& item : plan.channels) {
        if (item.fate == ImportFate::Updated) {
            copyChannel(here, other, plan, item.source, item.partner,
                        here.channelTransponder(item.partner));
        }
    }
    for (size_t k = 0; k < plan.copies.size(); ++k) {
        const int source = plan.copies[k];
        copyChannel(here, other, plan, source, plan.copySlots[k],
                    plan.transponderTarget[other.channelTransponder(source)]);
    }
    if (!plan.copies.empty()) {
        moveChannels(here, ChannelSet(plan.copySlots), plan.before, buffer);
    }
}

std::string importCountsText(const ImportPlan& plan) {
    return std::to_string(plan.copied) + (plan.copied == 1 ? " channel" : " channels") +
           " copied, " + std::to_string(plan.updated) + " updated, " +
           std::to_string(plan.present) + " skipped as present, " + std::to_string(plan.refused) +
           " not importable";
}

}  // namespace kavro
