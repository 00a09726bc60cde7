// The commands of the edit script. Each checks all its arguments with the editor's rules
// and messages, makes the edit the editor's dialog or command for it makes, and has the
// session apply it; undo and redo step through the session's history.
#include <string>
#include <vector>

#include "EditScript.h"
#include "ToolSupport.h"
#include "database/ChannelDatabase.h"
#include "database/FieldRules.h"
#include "database/OrderTransfer.h"
#include "database/ViewIndex.h"
#include "session/EditSession.h"
#include "session/OrderReference.h"
#include "session/StepLabels.h"

namespace kavro::cli {

namespace {

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

    // A decimal integer in low..high, with the dialogs' messages.
    bool integer(size_t i, int low, int high, int& value) {
        const FieldCheck check = checkIntegerField(word(i), low, high);
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
            return refuse("a name cannot hold a NUL character");
        }
        const FieldCheck check = checkTextLength(static_cast<int>(latin1.size()), limit);
        return check.ok || refuse(check.message);
    }

    // Channels from argument `first` up to, not including, `end`; all must be live.
    bool liveChannels(size_t first, size_t end, std::vector<int>& channels) {
        for (size_t i = first; i < end; ++i) {
            int ch = 0;
            if (!liveChannel(i, ch)) {
                return false;
            }
            channels.push_back(ch);
        }
        return true;
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
            return args.refuse(applied.refusal);
        }
        if (result) {
            *result = std::move(applied);
        }
        return true;
    }
};

bool setView(Context& c) {
    int view = ViewAll;
    if (!parseViewName(c.args.word(0), view)) {
        return c.args.refuse("unknown view " + quotedWord(c.args.word(0)) + " (all, tv or radio)");
    }
    c.session.setView(view);
    return true;
}

bool undoCommand(Context& c) {
    return c.session.undo() || c.args.refuse(std::string(NothingToUndoText));
}

bool redoCommand(Context& c) {
    return c.session.redo() || c.args.refuse(std::string(NothingToRedoText));
}

// MHZ SYMBOLRATE POL from argument `first` on, in the transponder dialog's order.
bool transponderValues(ScriptArguments& args, size_t first, int& mhz, int& symbolRate,
                       int& polarization) {
    return args.integer(first, FrequencyLowMhz, FrequencyHighMhz, mhz) &&
           args.integer(first + 1, SymbolRateLow, SymbolRateHigh, symbolRate) &&
           args.integer(first + 2, 0, PolarizationHigh, polarization);
}

bool addTransponderCommand(Context& c) {
    int satellite = 0, mhz = 0, symbolRate = 0, polarization = 0;
    if (!c.args.integer(0, 0, SatelliteCapacity - 1, satellite) ||
        !transponderValues(c.args, 1, mhz, symbolRate, polarization)) {
        return false;
    }
    EditResult result;
    if (!c.apply(AddTransponder{satellite, mhz, symbolRate, polarization}, &result)) {
        return false;
    }
    c.output += "transponder " + std::to_string(result.slot) + "\n";
    return true;
}

bool editTransponderCommand(Context& c) {
    int t = 0, mhz = 0, symbolRate = 0, polarization = 0;
    if (!c.args.liveTransponder(0, t) ||
        !transponderValues(c.args, 1, mhz, symbolRate, polarization)) {
        return false;
    }
    // As the dialog: a frequency left as shown keeps its kHz part, and a polarization left
    // as shown keeps the stored byte (the edit's rules).
    return c.apply(EditTransponder{t, mhz, symbolRate, polarization});
}

bool deleteTransponderCommand(Context& c) {
    int t = 0;
    if (!c.args.liveTransponder(0, t)) {
        return false;
    }
    return c.apply(DeleteTransponder{t});
}

// NAME VPID APID PCRPID SID from argument `first` on, in the channel dialog's order.
struct ChannelValues {
    std::string name;
    int videoPid = 0, audioPid = 0, pcrPid = 0, serviceId = 0;
};

bool channelValues(ScriptArguments& args, size_t first, ChannelValues& v) {
    return args.name(first, ChannelNameLimit, v.name) &&
           args.integer(first + 1, PidLow, PidHigh, v.videoPid) &&
           args.integer(first + 2, PidLow, PidHigh, v.audioPid) &&
           args.integer(first + 3, PidLow, PidHigh, v.pcrPid) &&
           args.integer(first + 4, ServiceIdLow, ServiceIdHigh, v.serviceId);
}

bool addChannelCommand(Context& c) {
    int t = 0, cas = 0, lock = 0;
    ChannelValues v;
    if (!c.args.liveTransponder(0, t) || !channelValues(c.args, 1, v) ||
        !c.args.integer(6, 0, 1, cas) || !c.args.integer(7, 0, 1, lock)) {
        return false;
    }
    EditResult result;
    if (!c.apply(AddChannel{c.session.view(), t, v.name, v.videoPid, v.audioPid, v.pcrPid,
                            v.serviceId, cas, lock},
                 &result)) {
        return false;
    }
    // Scripts rely on the reuse; it is said aloud all the same.
    if (result.replaced != ChannelCapacity) {
        c.notices += "replaces channel " + std::to_string(result.replaced) + "\n";
    }
    c.output += "channel " + std::to_string(result.slot) + "\n";
    return true;
}

bool editChannelCommand(Context& c) {
    int channel = 0, lock = 0;
    ChannelValues v;
    if (!c.args.liveChannel(0, channel) || !channelValues(c.args, 1, v) ||
        !c.args.integer(6, 0, 1, lock)) {
        return false;
    }
    // As the dialog: a PID whose 13 bits are unchanged keeps its whole stored word.
    return c.apply(
        EditChannel{channel, v.name, v.videoPid, v.audioPid, v.pcrPid, v.serviceId, lock != 0});
}

bool deleteChannelsCommand(Context& c) {
    std::vector<int> channels;
    if (!c.args.liveChannels(0, c.args.size(), channels)) {
        return false;
    }
    return c.apply(DeleteChannels{std::move(channels)});
}

bool moveChannelsCommand(Context& c) {
    const size_t count = c.args.size();
    for (size_t i = 0; i + 1 < count; ++i) {
        if (c.args.word(i) == "before" && i + 2 != count) {
            return c.args.refuse("usage: move-channels CH [CH ...] before TARGET|end");
        }
    }
    if (count < 3 || c.args.word(count - 2) != "before") {
        return c.args.refuse("usage: move-channels CH [CH ...] before TARGET|end");
    }
    std::vector<int> channels;
    int target = MoveToEnd;
    if (!c.args.liveChannels(0, count - 2, channels) ||
        (c.args.word(count - 1) != "end" && !c.args.liveChannel(count - 1, target))) {
        return false;
    }
    return c.apply(MoveChannels{std::move(channels), target});
}

bool setFavoritesCommand(Context& c) {
    const size_t count = c.args.size();
    std::vector<int> channels;
    int mask = 0;
    if (!c.args.liveChannels(0, count - 1, channels) ||
        !c.args.integer(count - 1, 0, FavoriteMaskHigh, mask)) {
        return false;
    }
    return c.apply(SetFavorites{std::move(channels), mask});
}

bool renameGroupCommand(Context& c) {
    int group = 0;
    std::string name;
    if (!c.args.integer(0, 1, FavoriteGroupCount, group) || !c.args.name(1, GroupNameLimit, name)) {
        return false;
    }
    return c.apply(RenameGroups{{GroupName{group - 1, std::move(name)}}});
}

// Prints the counts even when the channels stand in the reference's order already.
bool applyOrderCommand(Context& c) {
    const std::string& path = c.args.word(0);
    const ReferenceOrder reference = readReferenceOrder(c.session.database(), path);
    if (reference.outcome != ReferenceOutcome::Matched) {
        return c.args.refuse(reference.message + " " + quotedWord(path) + ": " + reference.reason);
    }
    if (!c.apply(reference.edit)) {
        return false;
    }
    c.output +=
        orderCountsText(static_cast<int>(reference.edit.channels.size()), reference.unmatched) +
        "\n";
    return true;
}

struct CommandEntry {
    const char* name;
    const char* usage;
    size_t least;  // arguments
    size_t most;
    bool (*run)(Context&);
};

constexpr size_t Any = static_cast<size_t>(-1);

const CommandEntry Commands[] = {
    {"view", "view all|tv|radio", 1, 1, setView},
    {"add-transponder", "add-transponder SAT MHZ SYMBOLRATE POL", 4, 4, addTransponderCommand},
    {"edit-transponder", "edit-transponder T MHZ SYMBOLRATE POL", 4, 4, editTransponderCommand},
    {"delete-transponder", "delete-transponder T", 1, 1, deleteTransponderCommand},
    {"add-channel", "add-channel T NAME VPID APID PCRPID SID CAS LOCK", 8, 8, addChannelCommand},
    {"edit-channel", "edit-channel CH NAME VPID APID PCRPID SID LOCK", 7, 7, editChannelCommand},
    {"delete-channels", "delete-channels CH [CH ...]", 1, Any, deleteChannelsCommand},
    {"move-channels", "move-channels CH [CH ...] before TARGET|end", 3, Any, moveChannelsCommand},
    {"set-favorites", "set-favorites CH [CH ...] MASK", 2, Any, setFavoritesCommand},
    {"rename-group", "rename-group G NAME", 2, 2, renameGroupCommand},
    {"apply-order", "apply-order FILE", 1, 1, applyOrderCommand},
    {"undo", "undo", 0, 0, undoCommand},
    {"redo", "redo", 0, 0, redoCommand},
};

}  // namespace

bool runScriptCommand(EditSession& session, const Words& words, std::string& output,
                      std::string& notices, std::string& message) {
    if (words.empty()) {
        return true;
    }
    for (const CommandEntry& entry : Commands) {
        if (words[0] != entry.name) {
            continue;
        }
        ScriptArguments args(session.database(), words, message);
        if (args.size() < entry.least) {
            return args.refuse(std::string("missing argument; usage: ") + entry.usage);
        }
        if (args.size() > entry.most) {
            return args.refuse(std::string("too many arguments; usage: ") + entry.usage);
        }
        Context context{session, args, output, notices};
        return entry.run(context);
    }
    message = "unknown command " + quotedWord(words[0]);
    return false;
}

std::vector<std::string_view> scriptCommandUsages() {
    std::vector<std::string_view> usages;
    for (const CommandEntry& entry : Commands) {
        usages.emplace_back(entry.usage);
    }
    return usages;
}

}  // namespace kavro::cli
