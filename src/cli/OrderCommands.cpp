// The script commands that reorder channels: move-channels before a slot (as a drag in the
// list does) or to a row of the current view (as the list's Move commands do), and
// sort-channels (as the list's Sort commands do).
#include <climits>
#include <initializer_list>
#include <string_view>

#include "ScriptCommand.h"
#include "database/ChannelOrder.h"
#include "database/TableEditing.h"
#include "database/ViewIndex.h"

namespace kavro::cli {

namespace {

// Commands of the form "CH [CH ...] KEYWORD VALUE": the keyword is the word before the last,
// and no channel may be one of the keywords.
bool keywordAt(const ScriptArguments& args, std::initializer_list<std::string_view> keywords) {
    const size_t count = args.size();
    auto isKeyword = [&](const std::string& word) {
        for (std::string_view keyword : keywords) {
            if (word == keyword) {
                return true;
            }
        }
        return false;
    };
    for (size_t i = 0; i + 2 < count; ++i) {
        if (isKeyword(args.word(i))) {
            return false;
        }
    }
    return count >= 3 && isKeyword(args.word(count - 2));
}

bool parseSortKey(std::string_view word, SortKey& key) {
    if (word == "name") {
        key = SortKey::Name;
    } else if (word == "sid") {
        key = SortKey::ServiceId;
    } else if (word == "tp") {
        key = SortKey::Transponder;
    } else {
        return false;
    }
    return true;
}

// The block goes to row N of the current view, counting the rows that do not move.
bool moveToRow(Context& c, std::vector<int> channels) {
    int row = 0;
    if (!c.args.integer(c.args.size() - 1, FieldRange{RowNumberLow, INT_MAX, "N"}, row)) {
        return false;
    }
    const ViewIndex& index = c.session.viewIndex();
    const int target = rowMoveTarget(c.session.database(), index.viewChannels(c.session.view()),
                                     ChannelSet(channels), row);
    return target == NothingMoves || c.apply(MoveChannels{std::move(channels), target});
}

}  // namespace

bool moveChannelsCommand(Context& c) {
    const size_t count = c.args.size();
    if (!keywordAt(c.args, {"before", "to"})) {
        return c.args.refuse(std::string("usage: ") + MoveBeforeUsage + ", or " + MoveToRowUsage);
    }
    std::vector<int> channels;
    if (!c.args.liveChannels(0, count - 2, channels)) {
        return false;
    }
    if (c.args.word(count - 2) == "to") {
        return moveToRow(c, std::move(channels));
    }
    int target = MoveToEnd;
    if (c.args.word(count - 1) != "end" && !c.args.liveChannel(count - 1, target)) {
        return false;
    }
    return c.apply(MoveChannels{std::move(channels), target});
}

bool sortChannelsCommand(Context& c) {
    const size_t count = c.args.size();
    if (!keywordAt(c.args, {"by"})) {
        return c.args.refuse(std::string("usage: ") + SortUsage);
    }
    std::vector<int> channels;
    if (!c.args.liveChannels(0, count - 2, channels)) {
        return false;
    }
    SortKey key = SortKey::Name;
    if (!parseSortKey(c.args.word(count - 1), key)) {
        return c.args.refuse("unknown sort key " + quotedWord(c.args.word(count - 1)) +
                             " (name, sid or tp)");
    }
    return c.apply(SortChannels{std::move(channels), key});
}

}  // namespace kavro::cli
