#include "ChannelList.h"

#include <algorithm>
#include <charconv>

#include "EditScript.h"
#include "database/ChannelDatabase.h"
#include "database/ChannelSets.h"
#include "database/FieldRules.h"
#include "session/OrderReference.h"

namespace kavro::cli {

namespace {

// A set to narrow by; a new-since set holds the channels its reference matched.
struct Narrowing {
    ChannelSetQuery query;
    std::vector<int> matched;
};

bool parseSlot(std::string_view text, int& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end;
}

// "N-M": the live channels from N to M. False when the word is no range at all.
bool readRange(const ChannelDatabase& db, const std::string& word, std::vector<int>& named,
               std::string& message, bool& ok) {
    const size_t dash = word.find('-');
    if (dash == 0 || dash == std::string::npos ||
        word.find_first_not_of("0123456789-") != std::string::npos) {
        return false;
    }
    int first = 0;
    int last = 0;
    ok = parseSlot(std::string_view(word).substr(0, dash), first) &&
         parseSlot(std::string_view(word).substr(dash + 1), last) && first <= last &&
         last < ChannelCapacity;
    if (!ok) {
        message = "bad range " + quotedWord(word) + " (N-M, from N up to M, 0 to " +
                  std::to_string(ChannelCapacity - 1) + ")";
        return true;
    }
    for (int ch = first; ch <= last; ++ch) {
        if (db.isLiveChannel(ch)) {
            named.push_back(ch);
        }
    }
    return true;
}

bool readNewSince(const ChannelDatabase& db, const std::string& word, Narrowing& set,
                  std::string& message) {
    const std::string path = word.substr(NewSincePrefix.size());
    const ReferenceOrder reference = readReferenceOrder(db, path);
    if (reference.outcome != ReferenceOutcome::Matched) {
        message = reference.message + " " + quotedWord(path) + ": " + reference.reason;
        return false;
    }
    set.matched = reference.edit.channels;
    return true;
}

// One word: a set goes to `sets`, a number or range to `named`.
bool readWord(const ChannelDatabase& db, const std::string& word, std::vector<int>& named,
              std::vector<Narrowing>& sets, std::string& message) {
    Narrowing set;
    if (word.rfind(NewSincePrefix, 0) == 0) {
        set.query.kind = ChannelSetKind::NotIn;
        sets.push_back(std::move(set));
        return readNewSince(db, word, sets.back(), message);
    }
    if (parseChannelSetName(word, set.query, message)) {
        sets.push_back(std::move(set));
        return true;
    }
    if (!message.empty()) {
        message += " (in " + quotedWord(word) + ")";
        return false;
    }
    bool rangeOk = true;
    if (readRange(db, word, named, message, rangeOk)) {
        return rangeOk;
    }
    int ch = 0;
    if (!parseIntegerField(word, ch)) {
        message = "unknown channel or set " + quotedWord(word);
        return false;
    }
    if (!db.isLiveChannel(ch)) {
        message = noLiveChannelMessage(word);
        return false;
    }
    named.push_back(ch);
    return true;
}

}  // namespace

bool parseChannelList(const ChannelDatabase& db, std::span<const std::string> words,
                      std::vector<int>& channels, std::string& message) {
    std::vector<int> named;
    std::vector<Narrowing> sets;
    bool anyNamed = false;
    for (const std::string& word : words) {
        const size_t before = sets.size();
        if (!readWord(db, word, named, sets, message)) {
            return false;
        }
        anyNamed = anyNamed || sets.size() == before;
    }
    if (!anyNamed) {
        for (int ch = 0; ch < ChannelCapacity; ++ch) {
            if (db.isLiveChannel(ch)) {
                named.push_back(ch);
            }
        }
    }
    std::sort(named.begin(), named.end());
    named.erase(std::unique(named.begin(), named.end()), named.end());
    for (Narrowing& set : sets) {
        set.query.others = set.matched;
        named = selectChannels(db, set.query, named);
    }
    channels.insert(channels.end(), named.begin(), named.end());
    return true;
}

}  // namespace kavro::cli
