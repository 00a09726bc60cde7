#include "ScriptGenerator.h"

#include "FuzzChecks.h"
#include "cli/EditScript.h"
#include "database/ChannelDatabase.h"
#include "database/ViewIndex.h"
#include "session/EditSession.h"
#include "support/TestImageBuilder.h"

namespace kavro::fuzzing {

int ScriptGenerator::liveChannel(const EditSession& session) {
    const auto live = session.viewIndex().viewChannels(View::All);
    return live.empty() ? below(ChannelCapacity) : live[below(static_cast<int>(live.size()))];
}

int ScriptGenerator::channel(const EditSession& session) {
    return chance(3) ? below(ChannelCapacity) : liveChannel(session);
}

// The first live transponder from a random slot on, or now and then any slot.
int ScriptGenerator::transponder(const EditSession& session) {
    const int start = below(TransponderCapacity);
    if (chance(3)) {
        return start;
    }
    for (int i = 0; i < TransponderCapacity; ++i) {
        const int t = (start + i) % TransponderCapacity;
        if (session.database().isLiveTransponder(t)) {
            return t;
        }
    }
    return start;
}

// Mostly a few channels, sometimes a long run of them; now and then one that is not live.
std::string ScriptGenerator::channels(const EditSession& session, int most) {
    const int count = chance(10) ? between(1, most) : between(1, 4);
    std::string words;
    for (int i = 0; i < count; ++i) {
        words += " " + std::to_string(liveChannel(session));
    }
    return chance(3) ? words + " " + std::to_string(below(ChannelCapacity)) : words;
}

std::string ScriptGenerator::name(int limit) {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz ABC-.0123456789";
    std::string text = "\"";
    const int length = chance(5) ? limit + 1 : between(0, limit);
    for (int i = 0; i < length; ++i) {
        text += letters[below(static_cast<int>(sizeof letters) - 1)];
    }
    return text + "\"";
}

std::string ScriptGenerator::nextLine(const EditSession& session) {
    const auto number = [](int value) { return " " + std::to_string(value); };
    const auto pids = [&] {
        return number(between(1, 8191)) + number(between(1, 8191)) + number(between(1, 8191));
    };
    switch (below(22)) {
        case 0:
            return "view" + std::string(chance(50) ? " all" : chance(50) ? " tv" : " radio");
        case 1:
            return "add-transponder" + number(below(SatelliteCapacity)) +
                   number(between(1000, 13000)) + number(between(1000, 50000)) + number(below(2));
        case 2:
        case 3:
            return "edit-transponder" + number(transponder(session)) +
                   number(between(1000, 13000)) + number(between(1000, 50000)) + number(below(2));
        case 4:
            return "delete-transponder" + number(transponder(session));
        case 5:
        case 6:
        case 20:
        case 21:
            return "add-channel" + number(transponder(session)) + " " + name(16) + pids() +
                   number(between(chance(5) ? 0 : 1, 65534)) + number(below(2)) + number(below(2));
        case 7:
        case 8:
        case 9:
        case 10:
            return "edit-channel" + number(channel(session)) + " " + name(16) + pids() +
                   number(between(0, 65534)) + number(below(2));
        case 11:
        case 12:
            return "delete-channels" + channels(session, chance(2) ? 3000 : 8);
        case 13:
        case 14:
        case 15:
            return "move-channels" + channels(session, 7000) + " before" +
                   (chance(20) ? std::string(" end") : number(channel(session)));
        case 16:
        case 17:
            return "set-favorites" + channels(session, 200) + number(below(256));
        default:
            return "rename-group" + number(between(1, 8)) + " " + name(15);
    }
}

std::string randomScript(std::string_view base, uint32_t seed, int lines) {
    EditSession session;
    testing::loadImage(session, scriptBaseImage(base));
    ScriptGenerator generator(seed);
    std::string script = "# image: " + std::string(base) + "\n";
    for (int kept = 0; kept < lines;) {
        const std::string line = generator.nextLine(session);
        if (cli::runEditScript(session, line).ok) {
            script += line + "\n";
            ++kept;
        }
    }
    return script;
}

}  // namespace kavro::fuzzing
