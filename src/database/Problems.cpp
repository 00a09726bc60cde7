#include "Problems.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "ChannelDatabase.h"
#include "ChannelMatch.h"
#include "DisplayText.h"
#include "RecordLayout.h"

namespace kavro {

namespace {

std::string quoted(std::string_view name) {
    return "\"" + std::string(name) + "\"";
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

// Adds a finding for every later member of a run of equal items, naming the run's first.
template <typename Item, typename Same, typename Write>
void reportRuns(const std::vector<Item>& items, Same same, Write write) {
    for (size_t i = 0; i < items.size();) {
        size_t end = i + 1;
        while (end < items.size() && same(items[i], items[end])) {
            write(items[i], items[end++]);
        }
        i = end;
    }
}

class ProblemFinder {
public:
    ProblemFinder(const ChannelDatabase& db, ChannelNaming naming, std::vector<Finding>& findings)
        : db_(db), naming_(naming), findings_(findings) {
        for (int ch = 0; ch < ChannelCapacity; ++ch) {
            if (db.isLiveChannel(ch)) {
                live_.push_back(ch);
            }
        }
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
    void add(std::string_view kind, int channel, int transponder, std::string text) {
        findings_.push_back({kind, channel, transponder, allRow(channel), std::move(text)});
    }

    // The row of a live channel in the ALL list: its place among the live slots.
    int allRow(int ch) const {
        const auto at = std::lower_bound(live_.begin(), live_.end(), ch);
        return at != live_.end() && *at == ch ? static_cast<int>(at - live_.begin()) : -1;
    }

    // "channel 15" or "No. 0009".
    std::string channelNumber(int ch) const {
        if (naming_ == ChannelNaming::Slot) {
            return "channel " + std::to_string(ch);
        }
        std::string number = std::to_string(allRow(ch));
        return "No. " + std::string(number.size() < 4 ? 4 - number.size() : 0, '0') + number;
    }

    std::string channelText(int ch) const {
        return channelNumber(ch) + " " + quoted(db_.channelName(ch));
    }

    // Built in one buffer with room for what the findings append to it.
    std::string transponderText(int t) const {
        std::string text;
        text.reserve(160);
        text += "transponder ";
        text += std::to_string(t);
        text += " (";
        text += transponderShortText(db_, t);
        text += " ";
        text += std::to_string(db_.transponderSymbolRate(t));
        text += " on ";
        text += quoted(db_.satelliteName(db_.transponderSatellite(t)));
        text += ")";
        return text;
    }

    // The findings of one kind from `first` on, by slot.
    void sortFrom(size_t first) {
        std::sort(findings_.begin() + static_cast<std::ptrdiff_t>(first), findings_.end(),
                  [](const Finding& x, const Finding& y) { return x.channel < y.channel; });
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
        const size_t first = findings_.size();
        reportRuns(
            keys, [](const auto& x, const auto& y) { return x.first == y.first; },
            [&](const auto& original, const auto& copy) {
                const int ch = copy.second;
                add(problem::DuplicateChannel, ch, db_.channelTransponder(ch),
                    channelText(ch) + " has the transponder (" +
                        transponderShortText(db_, db_.channelTransponder(ch)) +
                        ") and service ID (" + std::to_string(db_.channelServiceId(ch)) + ") of " +
                        channelText(original.second));
            });
        sortFrom(first);
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
        const size_t first = findings_.size();
        reportRuns(
            names,
            [](const FoldedName& x, const FoldedName& y) {
                return x.radio == y.radio && x.view() == y.view();
            },
            [&](const FoldedName& original, const FoldedName& copy) {
                add(problem::DuplicateName, copy.slot, -1,
                    channelText(copy.slot) + " has the name of " + channelText(original.slot) +
                        (copy.radio ? " (both radio)" : " (both TV)"));
            });
        sortFrom(first);
    }

    void blankNames() {
        for (int ch : live_) {
            if (isBlank(db_.channelName(ch))) {
                const int t = db_.channelTransponder(ch);
                add(problem::BlankName, ch, t,
                    channelNumber(ch) + " (" + transponderShortText(db_, t) + ", service ID " +
                        std::to_string(db_.channelServiceId(ch)) + ") has no name");
            }
        }
    }

    void pidRanges() {
        for (int ch : live_) {
            std::string faults;
            const auto check = [&](const char* what, int value) {
                if (value > PidLimit) {
                    faults += (faults.empty() ? "" : ", ") + std::string(what) + " " +
                              std::to_string(value) + " above " + std::to_string(PidLimit);
                }
            };
            check("video PID", db_.channelVideoPid(ch));
            check("audio PID", db_.channelAudioPid(ch));
            check("PCR PID", db_.channelPcrPid(ch));
            if (db_.channelServiceId(ch) == UnassignedServiceId) {
                faults += (faults.empty() ? "" : ", ") +
                          std::string(
                              "service ID 65535, which the next Add Channel on its "
                              "transponder overwrites");
            }
            if (!faults.empty()) {
                add(problem::PidRange, ch, -1, channelText(ch) + ": " + faults);
            }
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
                add(problem::HiddenSatellite, first[s], -1,
                    "satellite " + std::to_string(s) + " " + quoted(db_.satelliteName(s)) +
                        " is not shown: its " + std::to_string(count[s]) +
                        (count[s] == 1 ? " channel appears" : " channels appear") + " in no tree");
            }
        }
    }

    // Keyed as a comparison of two lists pairs transponders: satellite, MHz, polarization.
    void duplicateTransponders() {
        std::vector<std::pair<uint64_t, int>> keys;
        for (int t = 0; t < TransponderCapacity; ++t) {
            if (db_.isLiveTransponder(t)) {
                keys.emplace_back(transponderMatchKey(db_, t), t);
            }
        }
        std::sort(keys.begin(), keys.end());
        const size_t first = findings_.size();
        reportRuns(
            keys, [](const auto& x, const auto& y) { return x.first == y.first; },
            [&](const auto& original, const auto& copy) {
                add(problem::DuplicateTransponder, -1, copy.second,
                    transponderText(copy.second) + " has the frequency and polarization of " +
                        "transponder " + std::to_string(original.second));
            });
        std::sort(findings_.begin() + static_cast<std::ptrdiff_t>(first), findings_.end(),
                  [](const Finding& x, const Finding& y) { return x.transponder < y.transponder; });
    }

    void emptyTransponders() {
        std::vector<int> count(TransponderCapacity, 0);
        for (int ch : live_) {
            ++count[db_.channelTransponder(ch)];
        }
        for (int t = 0; t < TransponderCapacity; ++t) {
            if (db_.isLiveTransponder(t) && count[t] == 0) {
                add(problem::EmptyTransponder, -1, t, transponderText(t) + " has no channel");
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
                add(problem::FavoriteUnnamed, first[g], -1,
                    "favourite group " + std::to_string(g + 1) + " holds " +
                        std::to_string(members[g]) + (members[g] == 1 ? " channel" : " channels") +
                        " but has no name");
            }
        }
    }

    const ChannelDatabase& db_;
    ChannelNaming naming_;
    std::vector<Finding>& findings_;
    std::vector<int> live_;
};

}  // namespace

std::vector<Finding> findProblems(const ChannelDatabase& db, ChannelNaming naming) {
    std::vector<Finding> findings;
    ProblemFinder(db, naming, findings).run();
    return findings;
}

std::array<int, ProblemKinds.size()> countProblems(const std::vector<Finding>& findings) {
    std::array<int, ProblemKinds.size()> counts{};
    for (const Finding& finding : findings) {
        for (size_t k = 0; k < ProblemKinds.size(); ++k) {
            counts[k] += finding.kind == ProblemKinds[k] ? 1 : 0;
        }
    }
    return counts;
}

}  // namespace kavro
