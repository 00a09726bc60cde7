// The commands of the edit script. Each checks all its arguments with the editor's rules
// and messages, makes the edit the editor's dialog or command for it makes, and has the
// session apply it; undo and redo step through the session's history.
#include <string>
#include <vector>

#include "EditScript.h"
#include "ScriptCommand.h"
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

bool setView(Context& c) {
    View view = View::All;
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
    return args.integer(first, FrequencyRange, mhz) &&
           args.integer(first + 1, SymbolRateRange, symbolRate) &&
           args.integer(first + 2, PolarizationRange, polarization);
}

bool addTransponderCommand(Context& c) {
    int satellite = 0, mhz = 0, symbolRate = 0, polarization = 0;
    if (!c.args.integer(0, SatelliteRange, satellite) ||
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
           args.integer(first + 1, VideoPidRange, v.videoPid) &&
           args.integer(first + 2, AudioPidRange, v.audioPid) &&
           args.integer(first + 3, PcrPidRange, v.pcrPid) &&
           args.integer(first + 4, ServiceIdRange, v.serviceId);
}

bool addChannelCommand(Context& c) {
    int t = 0, cas = 0, lock = 0;
    ChannelValues v;
    if (!c.args.liveTransponder(0, t) || !channelValues(c.args, 1, v) ||
        !c.args.integer(6, CasRange, cas) || !c.args.integer(7, LockRange, lock)) {
        return false;
    }
    EditResult result;
    if (!c.apply(AddChannel{c.session.view(),
                            t,
                            {v.name, v.videoPid, v.audioPid, v.pcrPid, v.serviceId, cas, lock}},
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
        !c.args.integer(6, LockRange, lock)) {
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

bool setFavoritesCommand(Context& c) {
    const size_t count = c.args.size();
    std::vector<int> channels;
    int mask = 0;
    if (!c.args.liveChannels(0, count - 1, channels) ||
        !c.args.integer(count - 1, FavoriteMaskRange, mask)) {
        return false;
    }
    return c.apply(SetFavorites{std::move(channels), mask});
}

bool renameGroupCommand(Context& c) {
    int group = 0;
    std::string name;
    if (!c.args.integer(0, GroupNumberRange, group) || !c.args.name(1, GroupNameLimit, name)) {
        return false;
    }
    return c.apply(RenameGroups{{GroupName{group - 1, std::move(name)}}});
}

bool satelliteCommand(Context& c, bool shown) {
    int satellite = 0;
    return c.args.integer(0, SatelliteRange, satellite) && c.apply(ShowSatellite{satellite, shown});
}

bool showSatelliteCommand(Context& c) {
    return satelliteCommand(c, true);
}

bool hideSatelliteCommand(Context& c) {
    return satelliteCommand(c, false);
}

bool renameSatelliteCommand(Context& c) {
    int satellite = 0;
    std::string name;
    if (!c.args.integer(0, SatelliteRange, satellite) ||
        !c.args.name(1, SatelliteNameLimit, name)) {
        return false;
    }
    return c.apply(RenameSatellite{satellite, std::move(name)});
}

// Prints the counts even when the channels stand in the reference's order already.
bool applyOrderCommand(Context& c) {
    const std::string& path = c.args.word(0);
    const ReferenceOrder reference =
        readReferenceOrder(c.session.database(), path, c.session.otherDatabases());
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
    const char* otherUsage = nullptr;  // a second form of the command
};

// "usage: A", or "usage: A, or B" for a command of two forms.
std::string usageText(const CommandEntry& entry) {
    std::string text = std::string("usage: ") + entry.usage;
    if (entry.otherUsage != nullptr) {
        text += std::string(", or ") + entry.otherUsage;
    }
    return text;
}

constexpr size_t Any = static_cast<size_t>(-1);

const CommandEntry Commands[] = {
    {"view", "view all|tv|radio", 1, 1, setView},
    {"add-transponder", "add-transponder SAT MHZ SYMBOLRATE POL", 4, 4, addTransponderCommand},
    {"edit-transponder", "edit-transponder T MHZ SYMBOLRATE POL", 4, 4, editTransponderCommand},
    {"delete-transponder", "delete-transponder T", 1, 1, deleteTransponderCommand},
    {"add-channel", "add-channel T NAME VPID APID PCRPID SID CAS LOCK", 8, 8, addChannelCommand},
    {"edit-channel", "edit-channel CH NAME VPID APID PCRPID SID LOCK", 7, 7, editChannelCommand},
    {"delete-channels", "delete-channels CH [CH ...]", 1, Any, deleteChannelsCommand},
    {"move-channels", MoveBeforeUsage, 3, Any, moveChannelsCommand, MoveToRowUsage},
    {"sort-channels", SortUsage, 3, Any, sortChannelsCommand},
    {"set-favorites", "set-favorites CH [CH ...] MASK", 2, Any, setFavoritesCommand},
    {"rename-group", "rename-group G NAME", 2, 2, renameGroupCommand},
    {"apply-order", "apply-order FILE", 1, 1, applyOrderCommand},
    {"show-satellite", "show-satellite S", 1, 1, showSatelliteCommand},
    {"hide-satellite", "hide-satellite S", 1, 1, hideSatelliteCommand},
    {"rename-satellite", "rename-satellite S NAME", 2, 2, renameSatelliteCommand},
    {"import", ImportUsage, 1, Any, importCommand},
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
            return args.refuse("missing argument; " + usageText(entry));
        }
        if (args.size() > entry.most) {
            return args.refuse("too many arguments; " + usageText(entry));
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
        if (entry.otherUsage != nullptr) {
            usages.emplace_back(entry.otherUsage);
        }
    }
    return usages;
}

}  // namespace kavro::cli
