// The script command import: copies transponders and channels from another database file as
// the window's Import From does.
#include <string_view>

#include "ScriptCommand.h"
#include "database/ChannelImport.h"
#include "session/ImportEdit.h"

namespace kavro::cli {

namespace {

enum class Part { None, Satellites, Transponders, Channels, Before };

Part partOf(std::string_view word) {
    return word == "sat"      ? Part::Satellites
           : word == "tp"     ? Part::Transponders
           : word == "ch"     ? Part::Channels
           : word == "before" ? Part::Before
                              : Part::None;
}

std::string_view fileName(std::string_view path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// What the words ask of the other database.
class ImportWords {
public:
    ImportWords(Context& c, const ChannelDatabase& other) : c_(c), other_(other) {}

    bool read(ImportRequest& request) {
        Part part = Part::None;
        bool chosen = false;
        for (size_t i = 1; i < c_.args.size(); ++i) {
            const std::string& word = c_.args.word(i);
            if (word == "--update" || word == "--by-name") {
                (word == "--update" ? request.update : byName_) = true;
            } else if (partOf(word) != Part::None) {
                part = partOf(word);
                chosen = chosen || part != Part::Before;
            } else if (!take(part, i, request)) {
                return false;
            }
        }
        request.favorites = byName_ ? FavoriteMatch::ByName : FavoriteMatch::ByNumber;
        if (!chosen) {
            everything(request);
        }
        channelsOfTransponders(request);
        return true;
    }

private:
    bool take(Part part, size_t& i, ImportRequest& request) {
        switch (part) {
            case Part::Satellites:
                return satellite(c_.args.word(i), request);
            case Part::Transponders:
                return transponder(i, request);
            case Part::Channels:
                return channel(c_.args.word(i), request);
            case Part::Before:
                return c_.args.liveChannel(i, request.before);
            case Part::None:
                break;
        }
        return c_.args.refuse("unexpected word " + quotedWord(c_.args.word(i)) + "; " +
                              ImportUsage);
    }

    bool satellite(const std::string& word, ImportRequest& request) {
        std::string name;
        bool found = false;
        if (utf8ToLatin1(word, name)) {
            for (int t = 0; t < TransponderCapacity; ++t) {
                if (other_.isLiveTransponder(t) &&
                    other_.satelliteName(other_.transponderSatellite(t)) == name) {
                    addTransponder(t, request);
                }
            }
            for (int s = 0; s < SatelliteCapacity; ++s) {
                found = found || other_.satelliteName(s) == name;
            }
        }
        return found || c_.args.refuse("the other database has no satellite " + quotedWord(word));
    }

    // SAT MHZ POL: a satellite name of the other database, whole MHz and V or H.
    bool transponder(size_t& i, ImportRequest& request) {
        if (i + 2 >= c_.args.size()) {
            return c_.args.refuse(std::string("tp needs SAT MHZ POL; ") + ImportUsage);
        }
        std::string name;
        int mhz = 0;
        const std::string& pol = c_.args.word(i + 2);
        if (!utf8ToLatin1(c_.args.word(i), name) || !parseIntegerField(c_.args.word(i + 1), mhz) ||
            (pol != "V" && pol != "H")) {
            return c_.args.refuse("tp needs a satellite name, whole MHz and V or H");
        }
        bool found = false;
        for (int t = 0; t < TransponderCapacity; ++t) {
            if (other_.isLiveTransponder(t) &&
                other_.satelliteName(other_.transponderSatellite(t)) == name &&
                other_.transponderFrequencyMhz(t) == mhz &&
                (other_.transponderPolarization(t) != 0) == (pol == "H")) {
                addTransponder(t, request);
                found = true;
            }
        }
        if (!found) {
            return c_.args.refuse(
                "the other database has no transponder " +
                quotedWord(c_.args.word(i) + " " + c_.args.word(i + 1) + " " + pol));
        }
        i += 2;
        return true;
    }

    bool channel(const std::string& word, ImportRequest& request) {
        int ch = 0;
        if (!parseIntegerField(word, ch)) {
            return c_.args.refuse(integerMessage());
        }
        if (!other_.isLiveChannel(ch)) {
            return c_.args.refuse(noLiveChannelMessage(word) + InOtherDatabase);
        }
        request.channels.push_back(ch);
        return true;
    }

    void addTransponder(int t, ImportRequest& request) {
        request.transponders.push_back(t);
        wanted_[t] = 1;
    }

    // The channels of the transponders asked for, with those asked for one by one.
    void channelsOfTransponders(ImportRequest& request) const {
        for (int ch = 0; ch < ChannelCapacity; ++ch) {
            const int t = other_.channelTransponder(ch);
            if (other_.isLiveChannel(ch) && wanted_[t] != 0) {
                request.channels.push_back(ch);
            }
        }
    }

    void everything(ImportRequest& request) {
        for (int t = 0; t < TransponderCapacity; ++t) {
            if (other_.isLiveTransponder(t)) {
                addTransponder(t, request);
            }
        }
    }

    Context& c_;
    const ChannelDatabase& other_;
    bool byName_ = false;
    std::vector<char> wanted_ = std::vector<char>(TransponderCapacity, 0);
};

}  // namespace

bool importCommand(Context& c) {
    const std::string& path = c.args.word(0);
    const ImportSource source = readImportSource(path, c.session.otherDatabases());
    if (!source.database) {
        return c.args.refuse(source.message + " " + quotedWord(path) + ": " + source.reason);
    }
    ImportChannels edit{source.database, std::string(fileName(path)), {}};
    if (!ImportWords(c, *source.database).read(edit.request)) {
        return false;
    }
    if (!c.apply(edit)) {
        return false;
    }
    const ImportPlan& plan = c.session.lastImportPlan();
    c.output += importCountsText(plan) + "\n";
    for (const std::string& reason : plan.notImportable) {
        c.notices += "not importable: " + reason + "\n";
    }
    for (const std::string& group : plan.droppedGroups) {
        c.notices += "favourite group " + quotedWord(group) + " is not here: left out\n";
    }
    return true;
}

}  // namespace kavro::cli
