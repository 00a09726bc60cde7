// What each command of the edit script works with: its arguments with the checks they
// undergo, and the session it has apply its edit. The command table is in EditCommands.cpp;
// the commands that reorder channels are in OrderCommands.cpp.
#pragma once

#include <span>
#include <string>
#include <utility>
#include <vector>

#include "ChannelList.h"
#include "EditScript.h"
#include "database/ChannelDatabase.h"
#include "database/FieldRules.h"
#include "session/EditSession.h"

namespace kavro::cli {

// The arguments of one command (its words after the name) with the checks they undergo.
class ScriptArguments {
public:
    ScriptArguments(const ChannelDatabase& db, const Words& words, std::string& message)
        : db_(db), words_(words), message_(message) {}

    size_t size() const { return words_.size() - 1; }
    const std::string& word(size_t i) const { return words_[i + 1]; }

    bool refuse(std::string message) {
        message_ = std::move(message);
        return false;
    }

    // A decimal integer in its range, with the dialogs' first lines: the command's
    // synopsis names the fields.
    bool integer(size_t i, const FieldRange& range, int& value) {
        const FieldCheck check = checkIntegerField(word(i), range);
        if (!check.ok) {
            return refuse(check.message);
        }
        value = check.value;
        return true;
    }

    bool liveTransponder(size_t i, int& t) {
        if (!parseIntegerField(word(i), t)) {
            return refuse(integerMessage());
        }
        // The word as typed: it holds only digits, a sign and blanks, and a value too large
        // for an int was clamped by the parse.
        return db_.isLiveTransponder(t) || refuse(noLiveTransponderMessage(word(i)));
    }

    bool liveChannel(size_t i, int& ch) {
        if (!parseIntegerField(word(i), ch)) {
            return refuse(integerMessage());
        }
        return db_.isLiveChannel(ch) || refuse(noLiveChannelMessage(word(i)));
    }

    // A name of Latin-1 characters, at most `limit` of them, converted to its bytes.
    bool name(size_t i, int limit, std::string& latin1) {
        if (!utf8ToLatin1(word(i), latin1)) {
            return refuse(latin1Message());
        }
        if (latin1.find('\0') != std::string::npos) {
            return refuse(std::string(NulInNameText));
        }
        const FieldCheck check = checkTextLength(static_cast<int>(latin1.size()), limit);
        return check.ok || refuse(check.message);
    }

    // The channel list from argument `first` up to, not including, `end` (ChannelList.h).
    bool liveChannels(size_t first, size_t end, std::vector<int>& channels) {
        const std::span<const std::string> list(words_.data() + first + 1, end - first);
        return parseChannelList(db_, list, channels, message_);
    }

private:
    const ChannelDatabase& db_;
    const Words& words_;
    std::string& message_;
};

struct Context {
    EditSession& session;
    ScriptArguments& args;
    std::string& output;
    std::string& notices;

    // Has the session apply the edit; its refusal is the command's.
    bool apply(const Edit& edit, EditResult* result = nullptr) {
        EditResult applied = session.apply(edit);
        if (!applied.applied) {
            return args.refuse(oneLine(applied.refusal));
        }
        if (result) {
            *result = std::move(applied);
        }
        return true;
    }
};

// The synopses of the commands that reorder channels.
constexpr const char* MoveBeforeUsage = "move-channels CH [CH ...] before TARGET|end";
constexpr const char* MoveToRowUsage = "move-channels CH [CH ...] to N";
constexpr const char* SortUsage = "sort-channels CH [CH ...] by name|sid|tp";

constexpr const char* ImportUsage =
    "import FILE [sat NAME ...] [tp SAT MHZ V|H ...] [ch CH ...] [before CH] [--update] "
    "[--by-name]";

// ImportCommand.cpp: import from another database file.
bool importCommand(Context& c);

// OrderCommands.cpp: move-channels (before a slot or to a row) and sort-channels.
bool moveChannelsCommand(Context& c);
bool sortChannelsCommand(Context& c);

}  // namespace kavro::cli
