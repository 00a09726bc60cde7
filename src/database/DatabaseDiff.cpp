#include "DatabaseDiff.h"

#include <algorithm>
#include <cstring>

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

// Every field compared is read from the channel's record alone, so records alike byte for
// byte differ in none; most paired channels are such.
bool sameRecord(const ChannelDatabase& a, int x, const ChannelDatabase& b, int y) {
    return std::memcmp(a.tables().channels[x], b.tables().channels[y], ChannelRecordSize) == 0;
}

// `to` a copy of `from`; by memcpy, as the sanitizers' memmove goes a byte at a time.
void copyEntries(const std::vector<MatchEntry>& from, std::vector<MatchEntry>& to) {
    to.resize(from.size());
    if (!from.empty()) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(MatchEntry));
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
    return DatabaseComparer().compare(a, b);
}

DatabaseDiff DatabaseComparer::compare(const ChannelDatabase& a, const ChannelDatabase& b) {
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

void DatabaseComparer::compareChannels(const ChannelDatabase& a, const ChannelDatabase& b,
                                       DatabaseDiff& diff) {
    channelEntries(a, entriesA_);
    if (&a == &b) {  // a database compared with itself
        copyEntries(entriesA_, entriesB_);
    } else {
        channelEntries(b, entriesB_);
    }
    pairEntries(entriesA_, entriesB_, true, partner_, pairWork_);
    pairedB_.assign(entriesB_.size(), 0);
    common_.clear();  // rows of A with a partner, in A's order
    rowsInB_.clear();
    for (size_t row = 0; row < entriesA_.size(); ++row) {
        const ChannelPlace place{entriesA_[row].id, static_cast<int>(row)};
        const int rowB = partner_[row];
        if (rowB < 0) {
            diff.removed.push_back({place, {}, {}});
            continue;
        }
        pairedB_[rowB] = 1;
        common_.push_back(static_cast<int>(row));
        rowsInB_.push_back(rowB);
        ChannelDifference difference{place, {entriesB_[rowB].id, rowB}, {}};
        if (sameRecord(a, place.slot, b, difference.b.slot)) {
            continue;
        }
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
    for (size_t row = 0; row < entriesB_.size(); ++row) {
        if (!pairedB_[row]) {
            diff.added.push_back({{}, {entriesB_[row].id, static_cast<int>(row)}, {}});
        }
    }
    longestIncreasing(rowsInB_, kept_, increasing_);
    for (size_t k = 0; k < common_.size(); ++k) {
        if (!kept_[k]) {
            diff.moved.push_back({{entriesA_[common_[k]].id, common_[k]},
                                  {entriesB_[rowsInB_[k]].id, rowsInB_[k]},
                                  {}});
        }
    }
}

// Transponders of one key pair first where one slot holds that key on both sides, then the
// rest in their order: a re-tune that makes a second transponder of a key leaves the first
// paired with itself. Pairs entriesA_ with entriesB_ into partner_.
void DatabaseComparer::pairTransponders() {
    const std::vector<MatchEntry>& a = entriesA_;
    const std::vector<MatchEntry>& b = entriesB_;
    partner_.assign(a.size(), -1);
    taken_.assign(b.size(), 0);
    positionB_.assign(TransponderCapacity, -1);
    for (size_t j = 0; j < b.size(); ++j) {
        positionB_[static_cast<size_t>(b[j].id)] = static_cast<int>(j);
    }
    for (size_t i = 0; i < a.size(); ++i) {
        const int j = positionB_[static_cast<size_t>(a[i].id)];
        if (j >= 0 && b[static_cast<size_t>(j)].key == a[i].key) {
            partner_[i] = j;
            taken_[static_cast<size_t>(j)] = 1;
        }
    }
    restA_.clear();
    restB_.clear();
    fromA_.clear();
    fromB_.clear();
    for (size_t i = 0; i < a.size(); ++i) {
        if (partner_[i] < 0) {
            restA_.push_back(a[i]);
            fromA_.push_back(static_cast<int>(i));
        }
    }
    for (size_t j = 0; j < b.size(); ++j) {
        if (!taken_[j]) {
            restB_.push_back(b[j]);
            fromB_.push_back(static_cast<int>(j));
        }
    }
    pairEntries(restA_, restB_, false, rest_, pairWork_);
    for (size_t k = 0; k < rest_.size(); ++k) {
        if (rest_[k] >= 0) {
            partner_[static_cast<size_t>(fromA_[k])] = fromB_[static_cast<size_t>(rest_[k])];
        }
    }
}

void DatabaseComparer::compareTransponders(const ChannelDatabase& a, const ChannelDatabase& b,
                                           DatabaseDiff& diff) {
    transponderEntries(a, entriesA_);
    if (&a == &b) {
        copyEntries(entriesA_, entriesB_);
    } else {
        transponderEntries(b, entriesB_);
    }
    pairTransponders();
    pairedB_.assign(entriesB_.size(), 0);
    for (size_t i = 0; i < entriesA_.size(); ++i) {
        const int t = entriesA_[i].id;
        if (partner_[i] < 0) {
            diff.transpondersRemoved.push_back({t, -1});
            continue;
        }
        pairedB_[partner_[i]] = 1;
        const int u = entriesB_[partner_[i]].id;
        if (a.transponderSymbolRate(t) != b.transponderSymbolRate(u)) {
            diff.transpondersChanged.push_back({t, u});
        }
    }
    for (size_t j = 0; j < entriesB_.size(); ++j) {
        if (!pairedB_[j]) {
            diff.transpondersAdded.push_back({-1, entriesB_[j].id});
        }
    }
}

// Patience: tails[k] is the position of the smallest value that ends an increasing run of
// length k + 1 so far; each value remembers the one before it in its run.
std::vector<char> longestIncreasing(std::span<const int> values) {
    std::vector<char> kept;
    IncreasingWork work;
    longestIncreasing(values, kept, work);
    return kept;
}

void longestIncreasing(std::span<const int> values, std::vector<char>& kept, IncreasingWork& work) {
    std::vector<int>& tails = work.tails;
    std::vector<int>& previous = work.previous;
    tails.clear();
    previous.assign(values.size(), -1);
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
    kept.assign(values.size(), 0);
    for (int i = tails.empty() ? -1 : tails.back(); i >= 0; i = previous[i]) {
        kept[i] = 1;
    }
}

}  // namespace kavro
