#include "Problems.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "ChannelDatabase.h"
#include "ChannelMatch.h"
#include "DisplayText.h"
#include "RecordLayout.h"

namespace kavro {

namespace {

// `value` in decimal, as std::to_string writes it.
void appendNumber(std::string& text, int value) {
    char digits[16];
    text.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void appendQuoted(std::string& text, std::string_view name) {
    text += '"';
    text += name;
    text += '"';
}

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

struct FoldedName {
    bool radio;
    uint8_t length;
    char text[ch::NameArea];
    int slot;

    std::string_view view() const { return {text, length}; }
    bool operator<(const FoldedName& other) const {
        if (radio != other.radio) {
            return !radio;
        }
        const int order = view().compare(other.view());
        return order != 0 ? order < 0 : slot < other.slot;
    }
};

// The later members of every run of equal items, each with the run's first, as pairs of
// `slot(later)` and `slot(first)` ordered by the later's slot: the order findings come in.
template <typename Item, typename Same, typename Slot>
void collectRuns(const std::vector<Item>& items, Same same, Slot slot,
                 std::vector<std::pair<int, int>>& runs) {
    runs.clear();
    for (size_t i = 0; i < items.size();) {
        size_t end = i + 1;
        while (end < items.size() && same(items[i], items[end])) {
            runs.emplace_back(slot(items[end++]), slot(items[i]));
        }
        i = end;
    }
    std::sort(runs.begin(), runs.end());
}

// Each text is built in one buffer kept for the whole check and copied into its finding
// once, so that a finding costs one allocation however many pieces its text has.
class ProblemFinder {
public:
    ProblemFinder(const ChannelDatabase& db, ChannelNaming naming, std::vector<Finding>& findings)
        : db_(db), naming_(naming), findings_(findings) {
        live_.reserve(ChannelCapacity);
        for (int ch = 0; ch < ChannelCapacity; ++ch) {
            if (db.isLiveChannel(ch)) {
                live_.push_back(ch);
            }
        }
        text_.reserve(256);
    }

    void run() {
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
    // The buffer the next finding's text is built in, emptied.
    std::string& newText() {
        text_.clear();
        return text_;
    }

    // A finding with the text built in newText().
    void add(std::string_view kind, int channel, int transponder) {
        findings_.push_back({kind, channel, transponder, allRow(channel), text_});
    }

    // The row of a live channel in the ALL list: its place among the live slots.
    int allRow(int ch) const {
        const auto at = std::lower_bound(live_.begin(), live_.end(), ch);
        return at != live_.end() && *at == ch ? static_cast<int>(at - live_.begin()) : -1;
    }

    // "channel 15" or "No. 0009".
    void appendChannelNumber(std::string& text, int ch) const {
        if (naming_ == ChannelNaming::Slot) {
            text += "channel ";
            appendNumber(text, ch);
            return;
        }
        text += "No. ";
        const size_t from = text.size();
        appendNumber(text, allRow(ch));
        const size_t digits = text.size() - from;
        if (digits < 4) {
            text.insert(from, 4 - digits, '0');
        }
    }

    // `channel 15 "News"`.
    void appendChannel(std::string& text, int ch) const {
        appendChannelNumber(text, ch);
        text += ' ';
        appendQuoted(text, db_.channelName(ch));
    }

    // `transponder 3 (11727H 27500 on "Astra")`.
    void appendTransponder(std::string& text, int t) const {
        text += "transponder ";
        appendNumber(text, t);
        text += " (";
        appendTransponderShortText(text, db_, t);
        text += ' ';
        appendNumber(text, db_.transponderSymbolRate(t));
        text += " on ";
        appendQuoted(text, db_.satelliteName(db_.transponderSatellite(t)));
        text += ')';
    }

    void duplicateChannels() {
        std::vector<std::pair<uint32_t, int>> keys;
        keys.reserve(live_.size());
        for (int ch : live_) {
            keys.emplace_back(static_cast<uint32_t>(db_.channelTransponder(ch)) << 16 |
                                  static_cast<uint32_t>(db_.channelServiceId(ch)),
                              ch);
        }
        std::sort(keys.begin(), keys.end());
        collectRuns(
            keys, [](const auto& x, const auto& y) { return x.first == y.first; },
            [](const auto& key) { return key.second; }, runs_);
        for (const auto& [ch, original] : runs_) {
            const int t = db_.channelTransponder(ch);
            std::string& text = newText();
            appendChannel(text, ch);
            text += " has the transponder (";
            appendTransponderShortText(text, db_, t);
            text += ") and service ID (";
            appendNumber(text, db_.channelServiceId(ch));
            text += ") of ";
            appendChannel(text, original);
            add(problem::DuplicateChannel, ch, t);
        }
    }

    void duplicateNames() {
        std::vector<FoldedName> names;
        names.reserve(live_.size());
        for (int ch : live_) {
            const std::string_view name = db_.channelName(ch);
            if (isBlank(name)) {
                continue;  // a blank name is a finding of its own
            }
            FoldedName entry{db_.isRadioChannel(ch), static_cast<uint8_t>(name.size()), {}, ch};
            for (size_t i = 0; i < name.size(); ++i) {
                entry.text[i] = folded(static_cast<unsigned char>(name[i]));
            }
            names.push_back(entry);
        }
        std::sort(names.begin(), names.end());
        collectRuns(
            names,
            [](const FoldedName& x, const FoldedName& y) {
                return x.radio == y.radio && x.view() == y.view();
            },
            [](const FoldedName& name) { return name.slot; }, runs_);
        for (const auto& [ch, original] : runs_) {
            std::string& text = newText();
            appendChannel(text, ch);
            text += " has the name of ";
            appendChannel(text, original);
            text += db_.isRadioChannel(ch) ? " (both radio)" : " (both TV)";
            add(problem::DuplicateName, ch, -1);
        }
    }

    void blankNames() {
        for (int ch : live_) {
            if (isBlank(db_.channelName(ch))) {
                const int t = db_.channelTransponder(ch);
                std::string& text = newText();
                appendChannelNumber(text, ch);
                text += " (";
                appendTransponderShortText(text, db_, t);
                text += ", service ID ";
                appendNumber(text, db_.channelServiceId(ch));
                text += ") has no name";
                add(problem::BlankName, ch, t);
            }
        }
    }

    void pidRanges() {
        for (int ch : live_) {
            const int pids[] = {db_.channelVideoPid(ch), db_.channelAudioPid(ch),
                                db_.channelPcrPid(ch)};
            const bool unassigned = db_.channelServiceId(ch) == UnassignedServiceId;
            if (!unassigned && std::none_of(std::begin(pids), std::end(pids),
                                            [](int pid) { return pid > PidLimit; })) {
                continue;
            }
            std::string& text = newText();
            appendChannel(text, ch);
            text += ": ";
            const size_t faults = text.size();
            const auto separate = [&] { text += text.size() == faults ? "" : ", "; };
            const char* const names[] = {"video PID", "audio PID", "PCR PID"};
            for (size_t i = 0; i < std::size(pids); ++i) {
                if (pids[i] > PidLimit) {
                    separate();
                    text += names[i];
                    text += ' ';
                    appendNumber(text, pids[i]);
                    text += " above ";
                    appendNumber(text, PidLimit);
                }
            }
            if (unassigned) {
                separate();
                text +=
                    "service ID 65535, which the next Add Channel on its transponder overwrites";
            }
            add(problem::PidRange, ch, -1);
        }
    }

    void hiddenSatellites() {
        int count[SatelliteCapacity] = {};
        int first[SatelliteCapacity];
        for (int ch : live_) {
            const int s = db_.channelSatellite(ch);
            if (!db_.isSatelliteShown(s) && count[s]++ == 0) {
                first[s] = ch;
            }
        }
        for (int s = 0; s < SatelliteCapacity; ++s) {
            if (count[s] > 0) {
                std::string& text = newText();
                text += "satellite ";
                appendNumber(text, s);
                text += ' ';
                appendQuoted(text, db_.satelliteName(s));
                text += " is not shown: its ";
                appendNumber(text, count[s]);
                text += count[s] == 1 ? " channel appears" : " channels appear";
                text += " in no tree";
                add(problem::HiddenSatellite, first[s], -1);
            }
        }
    }

    // Keyed as a comparison of two lists pairs transponders: satellite, MHz, polarization.
    void duplicateTransponders() {
        std::vector<std::pair<uint64_t, int>> keys;
        keys.reserve(TransponderCapacity);
        for (int t = 0; t < TransponderCapacity; ++t) {
            if (db_.isLiveTransponder(t)) {
                keys.emplace_back(transponderMatchKey(db_, t), t);
            }
        }
        std::sort(keys.begin(), keys.end());
        collectRuns(
            keys, [](const auto& x, const auto& y) { return x.first == y.first; },
            [](const auto& key) { return key.second; }, runs_);
        for (const auto& [t, original] : runs_) {
            std::string& text = newText();
            appendTransponder(text, t);
            text += " has the frequency and polarization of transponder ";
            appendNumber(text, original);
            add(problem::DuplicateTransponder, -1, t);
        }
    }

    void emptyTransponders() {
        std::vector<int> count(TransponderCapacity, 0);
        for (int ch : live_) {
            ++count[db_.channelTransponder(ch)];
        }
        for (int t = 0; t < TransponderCapacity; ++t) {
            if (db_.isLiveTransponder(t) && count[t] == 0) {
                std::string& text = newText();
                appendTransponder(text, t);
                text += " has no channel";
                add(problem::EmptyTransponder, -1, t);
            }
        }
    }

    void unnamedGroups() {
        int members[FavoriteGroupCount] = {};
        int first[FavoriteGroupCount];
        for (int ch : live_) {
            for (int g = 0; g < FavoriteGroupCount; ++g) {
                if (db_.isInFavoriteGroup(ch, g) && members[g]++ == 0) {
                    first[g] = ch;
                }
            }
        }
        for (int g = 0; g < FavoriteGroupCount; ++g) {
            if (members[g] > 0 && isBlank(db_.favoriteGroupName(g))) {
                std::string& text = newText();
                text += "favourite group ";
                appendNumber(text, g + 1);
                text += " holds ";
                appendNumber(text, members[g]);
                text += members[g] == 1 ? " channel" : " channels";
                text += " but has no name";
                add(problem::FavoriteUnnamed, first[g], -1);
            }
        }
    }

    const ChannelDatabase& db_;
    ChannelNaming naming_;
    std::vector<Finding>& findings_;
    std::vector<int> live_;
    std::vector<std::pair<int, int>> runs_;  // (later slot, first slot) of one kind's runs
    std::string text_;                       // the text of the finding being built
};

}  // namespace

std::vector<Finding> findProblems(const ChannelDatabase& db, ChannelNaming naming) {
    std::vector<Finding> findings;
    ProblemFinder(db, naming, findings).run();
    return findings;
}

std::array<int, ProblemKinds.size()> countProblems(const std::vector<Finding>& findings) {
    std::array<int, ProblemKinds.size()> counts{};
    size_t k = 0;  // the kind of the finding before: findings of one kind come together
    for (const Finding& finding : findings) {
        if (finding.kind != ProblemKinds[k]) {
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
