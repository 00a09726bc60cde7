#include "DatabaseDiff.h"

#include <algorithm>

#include "ChannelDatabase.h"
#include "ChannelMatch.h"
#include "RecordLayout.h"

namespace kavro {

namespace {

bool fieldDiffers(const ChannelDatabase& a, int x, const ChannelDatabase& b, int y,
                  ChannelField field) {
    switch (field) {
        case ChannelField::Name:
            return a.channelName(x) != b.channelName(y);
        case ChannelField::VideoPid:
            return a.channelVideoPid(x) != b.channelVideoPid(y);
        case ChannelField::AudioPid:
            return a.channelAudioPid(x) != b.channelAudioPid(y);
        case ChannelField::PcrPid:
            return a.channelPcrPid(x) != b.channelPcrPid(y);
        case ChannelField::Cas:
            return a.channelCasBits(x) != b.channelCasBits(y);
        case ChannelField::Lock:
            return a.isChannelLocked(x) != b.isChannelLocked(y);
        case ChannelField::Favorites:
            return a.channelFavoriteBits(x) != b.channelFavoriteBits(y);
        case ChannelField::Kind:
            return a.isRadioChannel(x) != b.isRadioChannel(y);
    }
    return false;
}

void compareChannels(const ChannelDatabase& a, const ChannelDatabase& b, DatabaseDiff& diff) {
    const std::vector<MatchEntry> entriesA = channelEntries(a);
    const std::vector<MatchEntry> entriesB = channelEntries(b);
    const std::vector<int> partner = pairEntries(entriesA, entriesB);
    std::vector<char> pairedB(entriesB.size(), 0);
    std::vector<int> common;  // rows of A with a partner, in A's order
    std::vector<int> rowsInB;
    for (size_t row = 0; row < entriesA.size(); ++row) {
        const ChannelPlace place{entriesA[row].id, static_cast<int>(row)};
        const int rowB = partner[row];
        if (rowB < 0) {
            diff.removed.push_back({place, {}, {}});
            continue;
        }
        pairedB[rowB] = 1;
        common.push_back(static_cast<int>(row));
        rowsInB.push_back(rowB);
        ChannelDifference difference{place, {entriesB[rowB].id, rowB}, {}};
        for (int f = 0; f < ChannelFieldCount; ++f) {
            const auto field = static_cast<ChannelField>(f);
            if (fieldDiffers(a, place.slot, b, difference.b.slot, field)) {
                difference.fields.push_back(field);
            }
        }
        if (!difference.fields.empty()) {
            diff.changed.push_back(std::move(difference));
        }
    }
    for (size_t row = 0; row < entriesB.size(); ++row) {
        if (!pairedB[row]) {
            diff.added.push_back({{}, {entriesB[row].id, static_cast<int>(row)}, {}});
        }
    }
    const std::vector<char> kept = longestIncreasing(rowsInB);
    for (size_t k = 0; k < common.size(); ++k) {
        if (!kept[k]) {
            diff.moved.push_back(
                {{entriesA[common[k]].id, common[k]}, {entriesB[rowsInB[k]].id, rowsInB[k]}, {}});
        }
    }
}

// Transponders of one key pair first where one slot holds that key on both sides, then the
// rest in their order: a re-tune that makes a second transponder of a key leaves the first
// paired with itself.
std::vector<int> pairTransponders(std::span<const MatchEntry> a, std::span<const MatchEntry> b) {
    std::vector<int> partner(a.size(), -1);
    std::vector<char> taken(b.size(), 0);
    std::vector<int> positionB(TransponderCapacity, -1);
    for (size_t j = 0; j < b.size(); ++j) {
        positionB[static_cast<size_t>(b[j].id)] = static_cast<int>(j);
    }
    for (size_t i = 0; i < a.size(); ++i) {
        const int j = positionB[static_cast<size_t>(a[i].id)];
        if (j >= 0 && b[static_cast<size_t>(j)].key == a[i].key) {
            partner[i] = j;
            taken[static_cast<size_t>(j)] = 1;
        }
    }
    std::vector<MatchEntry> restA;
    std::vector<MatchEntry> restB;
    std::vector<int> fromA;
    std::vector<int> fromB;
    for (size_t i = 0; i < a.size(); ++i) {
        if (partner[i] < 0) {
            restA.push_back(a[i]);
            fromA.push_back(static_cast<int>(i));
        }
    }
    for (size_t j = 0; j < b.size(); ++j) {
        if (!taken[j]) {
            restB.push_back(b[j]);
            fromB.push_back(static_cast<int>(j));
        }
    }
    const std::vector<int> rest = pairEntries(restA, restB, false);
    for (size_t k = 0; k < rest.size(); ++k) {
        if (rest[k] >= 0) {
            partner[static_cast<size_t>(fromA[k])] = fromB[static_cast<size_t>(rest[k])];
        }
    }
    return partner;
}

void compareTransponders(const ChannelDatabase& a, const ChannelDatabase& b, DatabaseDiff& diff) {
    const std::vector<MatchEntry> entriesA = transponderEntries(a);
    const std::vector<MatchEntry> entriesB = transponderEntries(b);
    const std::vector<int> partner = pairTransponders(entriesA, entriesB);
    std::vector<char> pairedB(entriesB.size(), 0);
    for (size_t i = 0; i < entriesA.size(); ++i) {
        const int t = entriesA[i].id;
        if (partner[i] < 0) {
            diff.transpondersRemoved.push_back({t, -1});
            continue;
        }
        pairedB[partner[i]] = 1;
        const int u = entriesB[partner[i]].id;
        if (a.transponderSymbolRate(t) != b.transponderSymbolRate(u)) {
            diff.transpondersChanged.push_back({t, u});
        }
    }
    for (size_t j = 0; j < entriesB.size(); ++j) {
        if (!pairedB[j]) {
            diff.transpondersAdded.push_back({-1, entriesB[j].id});
        }
    }
}

}  // namespace

const std::string_view ChannelFieldNames[ChannelFieldCount] = {
    "name", "video-pid", "audio-pid", "pcr-pid", "cas", "lock", "favorites", "type"};

bool DatabaseDiff::equal() const {
    return added.empty() && removed.empty() && changed.empty() && moved.empty() &&
           transpondersAdded.empty() && transpondersRemoved.empty() &&
           transpondersChanged.empty() && groupsRenamed.empty();
}

std::string diffSummaryText(const DatabaseDiff& d) {
    const auto n = [](size_t count) { return std::to_string(count); };
    return n(d.added.size()) + " added, " + n(d.removed.size()) + " removed, " +
           n(d.changed.size()) + " changed, " + n(d.moved.size()) +
           " moved; transponders: " + n(d.transpondersAdded.size()) + " added, " +
           n(d.transpondersRemoved.size()) + " removed, " + n(d.transpondersChanged.size()) +
           " changed; groups: " + n(d.groupsRenamed.size()) + " renamed";
}

DatabaseDiff compareDatabases(const ChannelDatabase& a, const ChannelDatabase& b) {
    DatabaseDiff diff;
    compareChannels(a, b, diff);
    compareTransponders(a, b, diff);
    for (int slot = 0; slot < FavoriteGroupCount; ++slot) {
        if (a.favoriteGroupName(slot) != b.favoriteGroupName(slot)) {
            diff.groupsRenamed.push_back(slot);
        }
    }
    return diff;
}

// Patience: tails[k] is the position of the smallest value that ends an increasing run of
// length k + 1 so far; each value remembers the one before it in its run.
std::vector<char> longestIncreasing(std::span<const int> values) {
    std::vector<int> tails;
    std::vector<int> previous(values.size(), -1);
    for (size_t i = 0; i < values.size(); ++i) {
        const auto at =
            std::lower_bound(tails.begin(), tails.end(), values[i],
                             [&](int position, int value) { return values[position] < value; });
        previous[i] = at == tails.begin() ? -1 : *(at - 1);
        if (at == tails.end()) {
            tails.push_back(static_cast<int>(i));
        } else {
            *at = static_cast<int>(i);
        }
    }
    std::vector<char> kept(values.size(), 0);
    for (int i = tails.empty() ? -1 : tails.back(); i >= 0; i = previous[i]) {
        kept[i] = 1;
    }
    return kept;
}

}  // namespace kavro
