// Channels chosen by what they are: scrambled, radio, in a favourite group, on a satellite,
// duplicated, new since an older list... The one rule behind the window's Select commands
// and the named sets a script's channel lists take.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace kavro {

class ChannelDatabase;

enum class ChannelSetKind {
    None,
    All,
    Tv,
    Radio,
    Scrambled,  // the CAS column shows a value
    FreeToAir,  // it shows none
    Locked,
    Favorite,     // in favourite group `value` (1..8)
    NoFavorite,   // in no favourite group
    Satellite,    // on satellite `value`
    Transponder,  // on transponder `value`
    Duplicate,    // same name and service ID on one transponder as an earlier slot
    Problems,     // named by a finding of the problems check
    NotIn,        // not among `others` (Invert: the selection; New Since: the matched channels)
};

struct ChannelSetQuery {
    ChannelSetKind kind = ChannelSetKind::None;
    int value = 0;
    std::span<const int> others;  // NotIn: channel slots, any order
};

// The channels of `rows` (live channel slots, e.g. the rows a list shows) that belong to the
// set, in the order of `rows`.
std::vector<int> selectChannels(const ChannelDatabase& db, const ChannelSetQuery& query,
                                std::span<const int> rows);

// A set's name as a script writes it: all, tv, radio, scrambled, fta, locked, fav:N, nofav,
// sat:S, tp:T, dup, problems. False for any other word; `problem` then says what is wrong
// with a word that looks like a set ("fav:9"), empty for a word that does not.
bool parseChannelSetName(std::string_view word, ChannelSetQuery& query, std::string& problem);

// The prefix of the set of channels a reference list does not hold ("new-since:FILE").
constexpr std::string_view NewSincePrefix = "new-since:";

}  // namespace kavro
