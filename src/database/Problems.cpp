#include "Problems.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstring>

#include "ByteOrder.h"
#include "ChannelDatabase.h"
#include "ChannelMatch.h"
#include "ProblemTexts.h"
#include "RecordLayout.h"

namespace kavro {

using namespace problems;

namespace {

bool isBlank(std::string_view name) {
    return name.find_first_not_of(" \t") == std::string_view::npos;
}

// A Latin-1 byte as the case-insensitive comparison sees it: letters in upper case, every
// control character alike (the list shows them all as one replacement character).
char folded(unsigned char c) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) {
        return 0x1A;
    }
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return static_cast<char>(c - 0x20);
    }
    return static_cast<char>(c);
}

// A folded name packed big-endian into words, zero after its end: as no byte folds to zero,
// comparing the words compares the names, shorter before longer.
struct FoldedName {
    static constexpr size_t Words = (ch::NameArea + 7) / 8;

    bool radio;
    std::array<uint64_t, Words> words;
    int slot;

    FoldedName(bool radio, std::string_view name, int slot) : radio(radio), words{}, slot(slot) {
        for (size_t i = 0; i < name.size(); ++i) {
            const auto byte =
                static_cast<unsigned char>(folded(static_cast<unsigned char>(name[i])));
            words[i / 8] |= uint64_t{byte} << (56 - 8 * (i % 8));
        }
    }
    bool sameName(const FoldedName& other) const {
        return radio == other.radio && words == other.words;
    }
    // Equal for the same name in the same view, and seldom otherwise.
    uint64_t hash() const {
        uint64_t h = radio ? 1 : 0;
        for (const uint64_t word : words) {
            h = (h ^ word) * 0x9E3779B97F4A7C15;
            h ^= h >> 29;
        }
        return h;
    }
    bool operator<(const FoldedName& other) const {
        if (radio != other.radio) {
            return !radio;
        }
        return words != other.words ? words < other.words : slot < other.slot;
    }
};

}  // namespace

struct ProblemFinder::Work {
    bool liveTransponder[TransponderCapacity];
    std::vector<int> live;  // the live channel slots, ascending
    std::vector<Found> found;
    std::vector<uint64_t> channelKeys;      // slotKey()s
    std::vector<uint64_t> transponderKeys;  // slotKey()s
    std::vector<FoldedName> names;
    std::vector<std::pair<uint64_t, size_t>> nameHashes;
    std::vector<const FoldedName*> sortedNames;
    std::vector<int> transponderChannels;  // how many live channels each transponder has
    TextSpace texts;
};

namespace {

// Every check first lists what it found; the texts are written after all of them.
class Checks {
public:
    Checks(const ChannelDatabase& db, ProblemFinder::Work& work)
        : db_(db), work_(work), found_(work.found) {
        found_.clear();
        for (int t = 0; t < TransponderCapacity; ++t) {
            work.liveTransponder[t] = db.isLiveTransponder(t);
        }
        // A live channel is one on a live transponder. The records are read directly, as
        // this is the one loop over every slot.
        work.live.clear();
        const ChannelTables& tables = db.tables();
        for (int ch = 0; ch < ChannelCapacity; ++ch) {
            const int t = readU16(tables.channels[ch] + ch::TransponderIndex);
            if (t < TransponderCapacity && work.liveTransponder[t]) {
                work.live.push_back(ch);
            }
        }
    }

    // Runs the checks into the work's list of what they found.
    void find() {
        duplicateChannels();
        duplicateNames();
        blankNames();
        pidRanges();
        hiddenSatellites();
        duplicateTransponders();
        emptyTransponders();
        unnamedGroups();
    }

private:
    // Lists, as `kind` with a = slot(later) and b = slot(first), the later members of every
    // run of equal items, by the later's slot: the order findings come in.
    template <typename Item, typename Same, typename Slot>
    void listRuns(KindAt kind, const std::vector<Item>& items, Same same, Slot slot) {
        const size_t first = found_.size();
        for (size_t i = 0; i < items.size();) {
            size_t end = i + 1;
            while (end < items.size() && same(items[i], items[end])) {
                found_.push_back({kind, slot(items[end++]), slot(items[i])});
            }
            i = end;
        }
        const auto bySlot = [](const Found& x, const Found& y) { return x.a < y.a; };
        const auto from = found_.begin() + static_cast<std::ptrdiff_t>(first);
        // One run, as when a whole table is alike, is in slot order already.
        if (!std::is_sorted(from, found_.end(), bySlot)) {
            std::sort(from, found_.end(), bySlot);
        }
    }

    // `key` and `slot` in one number, which sorts as the pair (key, slot) does: `key` below
    // 2^(64 - SlotBits), `slot` below 2^SlotBits.
    static constexpr int SlotBits = 14;
    static_assert(ChannelCapacity <= 1 << SlotBits && TransponderCapacity <= 1 << SlotBits);
    static uint64_t slotKey(uint64_t key, int slot) {
        assert(key < uint64_t{1} << (64 - SlotBits));
        return key << SlotBits | static_cast<uint64_t>(slot);
    }
    struct SameKey {
        bool operator()(uint64_t x, uint64_t y) const { return x >> SlotBits == y >> SlotBits; }
    };
    struct SlotOf {
        int operator()(uint64_t key) const { return static_cast<int>(key & ((1 << SlotBits) - 1)); }
    };

    // a: the channel, b: the channel whose transponder and service ID it has.
    void duplicateChannels() {
        auto& keys = work_.channelKeys;
        keys.clear();
        keys.reserve(work_.live.size());
        for (int ch : work_.live) {
            const auto key = static_cast<uint32_t>(db_.channelTransponder(ch)) << 16 |
                             static_cast<uint32_t>(db_.channelServiceId(ch));
            keys.push_back(slotKey(key, ch));
        }
        std::sort(keys.begin(), keys.end());
        listRuns(DuplicateChannelAt, keys, SameKey(), SlotOf());
    }

    // a: the channel, b: the channel whose name it has.
    void duplicateNames() {
        std::vector<FoldedName>& names = work_.names;
        names.clear();
        names.reserve(work_.live.size());
        for (int ch : work_.live) {
            const std::string_view name = db_.channelName(ch);
            if (isBlank(name)) {
                continue;  // a blank name is a finding of its own
            }
            names.emplace_back(db_.isRadioChannel(ch), name, ch);
        }
        listRuns(
            DuplicateNameAt, sortedNames(),
            [](const FoldedName* x, const FoldedName* y) { return x->sameName(*y); },
            [](const FoldedName* name) { return name->slot; });
    }

    // The names in an order that brings equal names together, each name's by slot. Sorted
    // by hash, which compares numbers instead of texts; a run of one hash, mostly one name,
    // is sorted by name, which parts names that share a hash.
    const std::vector<const FoldedName*>& sortedNames() {
        const std::vector<FoldedName>& names = work_.names;
        auto& hashes = work_.nameHashes;
        hashes.clear();
        hashes.reserve(names.size());
        for (size_t i = 0; i < names.size(); ++i) {
            hashes.emplace_back(names[i].hash(), i);
        }
        std::sort(hashes.begin(), hashes.end());
        std::vector<const FoldedName*>& sorted = work_.sortedNames;
        sorted.clear();
        sorted.reserve(names.size());
        for (const auto& [hash, i] : hashes) {
            sorted.push_back(&names[i]);
        }
        for (size_t i = 0; i < hashes.size();) {
            size_t end = i + 1;
            while (end < hashes.size() && hashes[end].first == hashes[i].first) {
                ++end;
            }
            if (end - i > 1) {
                std::sort(sorted.begin() + static_cast<std::ptrdiff_t>(i),
                          sorted.begin() + static_cast<std::ptrdiff_t>(end),
                          [](const FoldedName* x, const FoldedName* y) { return *x < *y; });
            }
            i = end;
        }
        return sorted;
    }

    // a: the channel.
    void blankNames() {
        for (int ch : work_.live) {
            if (isBlank(db_.channelName(ch))) {
                found_.push_back({BlankNameAt, ch});
            }
        }
    }

    // a: the channel.
    void pidRanges() {
        for (int ch : work_.live) {
            if (db_.channelVideoPid(ch) > PidLimit || db_.channelAudioPid(ch) > PidLimit ||
                db_.channelPcrPid(ch) > PidLimit ||
                db_.channelServiceId(ch) == UnassignedServiceId) {
                found_.push_back({PidRangeAt, ch});
            }
        }
    }

    // a: the satellite, b: how many channels it has, c: the first of them.
    void hiddenSatellites() {
        int count[SatelliteCapacity] = {};
        int first[SatelliteCapacity];
        for (int ch : work_.live) {
            const int s = db_.channelSatellite(ch);
            if (!db_.isSatelliteShown(s) && count[s]++ == 0) {
                first[s] = ch;
            }
        }
        for (int s = 0; s < SatelliteCapacity; ++s) {
            if (count[s] > 0) {
                found_.push_back({HiddenSatelliteAt, s, count[s], first[s]});
            }
        }
    }

    // a: the transponder, b: the transponder whose satellite, MHz and polarization it has
    // (the key a comparison of two lists pairs transponders by).
    void duplicateTransponders() {
        auto& keys = work_.transponderKeys;
        keys.clear();
        keys.reserve(TransponderCapacity);
        for (int t = 0; t < TransponderCapacity; ++t) {
            if (work_.liveTransponder[t]) {
                // Below 2^48: a satellite's index below 2^8, then MHz below 2^32 / 1000.
                keys.push_back(slotKey(transponderMatchKey(db_, t), t));
            }
        }
        std::sort(keys.begin(), keys.end());
        listRuns(DuplicateTransponderAt, keys, SameKey(), SlotOf());
    }

    // a: the transponder.
    void emptyTransponders() {
        std::vector<int>& count = work_.transponderChannels;
        count.assign(TransponderCapacity, 0);
        for (int ch : work_.live) {
            ++count[db_.channelTransponder(ch)];
        }
        for (int t = 0; t < TransponderCapacity; ++t) {
            if (work_.liveTransponder[t] && count[t] == 0) {
                found_.push_back({EmptyTransponderAt, t});
            }
        }
    }

    // a: the group, b: how many channels it holds, c: the first of them.
    void unnamedGroups() {
        int members[FavoriteGroupCount] = {};
        int first[FavoriteGroupCount];
        for (int ch : work_.live) {
            const int bits = db_.channelFavoriteBits(ch);
            for (int g = 0; g < FavoriteGroupCount; ++g) {
                if ((bits >> g & 1) != 0 && members[g]++ == 0) {
                    first[g] = ch;
                }
            }
        }
        for (int g = 0; g < FavoriteGroupCount; ++g) {
            if (members[g] > 0 && isBlank(db_.favoriteGroupName(g))) {
                found_.push_back({FavoriteUnnamedAt, g, members[g], first[g]});
            }
        }
    }

    const ChannelDatabase& db_;
    ProblemFinder::Work& work_;
    std::vector<Found>& found_;
};

}  // namespace

ProblemFinder::ProblemFinder() : work_(std::make_unique<Work>()) {}

ProblemFinder::~ProblemFinder() = default;

void ProblemFinder::find(const ChannelDatabase& db, ChannelNaming naming, FindingList& findings) {
    Checks(db, *work_).find();
    findings.clear();
    findings.reserve(work_->found.size());
    FindingTexts texts(db, naming, work_->live, work_->texts, findings);
    for (const Found& found : work_->found) {
        texts.write(found);
    }
}

FindingList findProblems(const ChannelDatabase& db, ChannelNaming naming) {
    FindingList findings;
    ProblemFinder().find(db, naming, findings);
    return findings;
}

std::array<int, ProblemKinds.size()> countProblems(std::span<const Finding> findings) {
    std::array<int, ProblemKinds.size()> counts{};
    size_t k = 0;  // the kind of the finding before: findings of one kind come together
    for (const Finding& finding : findings) {
        // The findings of one kind share the bytes of its name.
        const bool same = finding.kind.data() == ProblemKinds[k].data() &&
                          finding.kind.size() == ProblemKinds[k].size();
        if (!same && finding.kind != ProblemKinds[k]) {
            k = static_cast<size_t>(
                std::find(ProblemKinds.begin(), ProblemKinds.end(), finding.kind) -
                ProblemKinds.begin());
            if (k == ProblemKinds.size()) {
                k = 0;
                continue;  // of no kind, counted nowhere
            }
        }
        ++counts[k];
    }
    return counts;
}

}  // namespace kavro
