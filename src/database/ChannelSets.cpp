#include "ChannelSets.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>

#include "ChannelDatabase.h"
#include "FieldRules.h"
#include "Problems.h"
#include "RecordLayout.h"

namespace kavro {

namespace {

using Marks = std::vector<char>;

// Every live channel past the first of its transponder, service ID and name, in slot order,
// over the whole table: the first is the one kept, shown or not. Channels are grouped by
// transponder and service ID first (one integer sort); names are compared within a group.
void markDuplicates(const ChannelDatabase& db, Marks& marks) {
    std::vector<uint64_t> keyed;
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (db.isLiveChannel(ch)) {
            const uint64_t key = static_cast<uint64_t>(db.channelTransponder(ch)) << 16 |
                                 static_cast<uint64_t>(db.channelServiceId(ch));
            keyed.push_back(key << 16 | static_cast<uint64_t>(ch));
        }
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<int> group;
    for (size_t i = 0; i < keyed.size();) {
        size_t end = i + 1;
        while (end < keyed.size() && keyed[end] >> 16 == keyed[i] >> 16) {
            ++end;
        }
        if (end - i > 1) {
            group.clear();
            for (size_t k = i; k < end; ++k) {
                group.push_back(static_cast<int>(keyed[k] & 0xFFFF));
            }
            // By name, then slot: each name's first slot is kept.
            std::stable_sort(group.begin(), group.end(),
                             [&](int a, int b) { return db.channelName(a) < db.channelName(b); });
            for (size_t k = 1; k < group.size(); ++k) {
                if (db.channelName(group[k]) == db.channelName(group[k - 1])) {
                    marks[static_cast<size_t>(group[k])] = 1;
                }
            }
        }
        i = end;
    }
}

// The channels the findings name; a satellite not shown names all of its channels.
void markProblems(const ChannelDatabase& db, std::span<const int> rows, Marks& marks) {
    Marks hiddenSatellite(SatelliteCapacity, 0);
    for (const Finding& finding : findProblems(db)) {
        if (finding.channel < 0) {
            continue;
        }
        marks[finding.channel] = 1;
        if (finding.kind == problem::HiddenSatellite) {
            hiddenSatellite[db.channelSatellite(finding.channel)] = 1;
        }
    }
    for (int ch : rows) {
        const int s = db.channelSatellite(ch);
        if (isValidSatellite(s) && hiddenSatellite[s] != 0) {
            marks[ch] = 1;
        }
    }
}

bool isMember(const ChannelDatabase& db, const ChannelSetQuery& q, int ch) {
    switch (q.kind) {
        case ChannelSetKind::All:
            return true;
        case ChannelSetKind::Tv:
            return !db.isRadioChannel(ch);
        case ChannelSetKind::Radio:
            return db.isRadioChannel(ch);
        case ChannelSetKind::Scrambled:
            return showsCas(db.channelCasBits(ch));
        case ChannelSetKind::FreeToAir:
            return !showsCas(db.channelCasBits(ch));
        case ChannelSetKind::Locked:
            return db.isChannelLocked(ch);
        case ChannelSetKind::Favorite:
            return q.value >= 1 && q.value <= FavoriteGroupCount &&
                   db.isInFavoriteGroup(ch, q.value - 1);
        case ChannelSetKind::NoFavorite:
            return !db.hasFavorites(ch);
        case ChannelSetKind::Satellite:
            return db.channelSatellite(ch) == q.value;
        case ChannelSetKind::Transponder:
            return db.channelTransponder(ch) == q.value;
        default:
            return false;
    }
}

// Sets whose membership depends on other channels, marked over the whole list at once.
bool markWhole(const ChannelDatabase& db, const ChannelSetQuery& q, std::span<const int> rows,
               Marks& marks) {
    switch (q.kind) {
        case ChannelSetKind::Duplicate:
            markDuplicates(db, marks);
            return true;
        case ChannelSetKind::Problems:
            markProblems(db, rows, marks);
            return true;
        case ChannelSetKind::NotIn:
            std::fill(marks.begin(), marks.end(), 1);
            for (int ch : q.others) {
                if (ch >= 0 && ch < ChannelCapacity) {
                    marks[ch] = 0;
                }
            }
            return true;
        default:
            return false;
    }
}

bool parseNumber(std::string_view text, int low, int high, int& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end && value >= low && value <= high;
}

struct SetName {
    std::string_view name;
    ChannelSetKind kind;
    int high;  // > 0: the name takes ":N", N in 0..high (fav: 1..high)
};

constexpr SetName SetNames[] = {
    {"all", ChannelSetKind::All, 0},
    {"tv", ChannelSetKind::Tv, 0},
    {"radio", ChannelSetKind::Radio, 0},
    {"scrambled", ChannelSetKind::Scrambled, 0},
    {"fta", ChannelSetKind::FreeToAir, 0},
    {"locked", ChannelSetKind::Locked, 0},
    {"fav", ChannelSetKind::Favorite, FavoriteGroupCount},
    {"nofav", ChannelSetKind::NoFavorite, 0},
    {"sat", ChannelSetKind::Satellite, SatelliteCapacity - 1},
    {"tp", ChannelSetKind::Transponder, TransponderCapacity - 1},
    {"dup", ChannelSetKind::Duplicate, 0},
    {"problems", ChannelSetKind::Problems, 0},
};

}  // namespace

std::vector<int> selectChannels(const ChannelDatabase& db, const ChannelSetQuery& query,
                                std::span<const int> rows) {
    std::vector<int> selected;
    if (query.kind == ChannelSetKind::None) {
        return selected;
    }
    Marks marks;
    if (query.kind >= ChannelSetKind::Duplicate) {
        marks.assign(ChannelCapacity, 0);
        markWhole(db, query, rows, marks);
    }
    for (int ch : rows) {
        if (marks.empty() ? isMember(db, query, ch) : marks[ch] != 0) {
            selected.push_back(ch);
        }
    }
    return selected;
}

bool parseChannelSetName(std::string_view word, ChannelSetQuery& query, std::string& problem) {
    problem.clear();
    const size_t colon = word.find(':');
    const std::string_view name = word.substr(0, colon);
    for (const SetName& set : SetNames) {
        if (name != set.name) {
            continue;
        }
        query = ChannelSetQuery{set.kind, 0, {}};
        if (set.high == 0) {
            return colon == std::string_view::npos ||
                   (problem = "the set " + std::string(name) + " takes no number", false);
        }
        const int low = set.kind == ChannelSetKind::Favorite ? 1 : 0;
        if (colon == std::string_view::npos ||
            !parseNumber(word.substr(colon + 1), low, set.high, query.value)) {
            problem = "the set " + std::string(name) + ":N takes N from " + std::to_string(low) +
                      " to " + std::to_string(set.high);
            return false;
        }
        return true;
    }
    return false;
}

}  // namespace kavro
