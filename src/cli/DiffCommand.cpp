// diff A B: what changed from one version of a list to another, as a summary line and one
// line per difference, or as JSON.
#include <memory>
#include <ostream>

#include "Commands.h"
#include "FileOptions.h"
#include "TextOutput.h"
#include "ToolSupport.h"
#include "database/ChannelDatabase.h"
#include "database/DatabaseDiff.h"
#include "database/DisplayText.h"
#include "database/SatelliteChanges.h"
#include "database/ViewIndex.h"
#include "session/EditSession.h"

namespace kavro::cli {

namespace {

constexpr int ExitDifferent = 1;

struct Sides {
    const ChannelDatabase& a;
    const ChannelDatabase& b;
    const DatabaseDiff& diff;
    const std::vector<SatelliteChange>& satellites;
};

char polarizationLetter(const ChannelDatabase& db, int t) {
    return db.transponderPolarization(t) != 0 ? 'H' : 'V';
}

// The favourite groups of a word, "1,3", or "none".
std::string groupsText(int bits) {
    std::string text;
    for (int g = 0; g < 16; ++g) {
        if ((bits >> g & 1) != 0) {
            text += (text.empty() ? "" : ",") + std::to_string(g + 1);
        }
    }
    return text.empty() ? "none" : text;
}

std::string casShown(int bits) {
    std::string text = bits & 0xFF ? casText(bits) : "none";
    if ((bits >> 8) != 0) {
        text += " (bits " + std::to_string(bits) + ")";
    }
    return text;
}

// One field of a channel as the text output shows it.
std::string fieldText(const ChannelDatabase& db, int ch, ChannelField field) {
    switch (field) {
        case ChannelField::Name:
            return "\"" + shownText(db.channelName(ch)) + "\"";
        case ChannelField::VideoPid:
            return std::to_string(db.channelVideoPid(ch));
        case ChannelField::AudioPid:
            return std::to_string(db.channelAudioPid(ch));
        case ChannelField::PcrPid:
            return std::to_string(db.channelPcrPid(ch));
        case ChannelField::Cas:
            return casShown(db.channelCasBits(ch));
        case ChannelField::Lock:
            return db.isChannelLocked(ch) ? "yes" : "no";
        case ChannelField::Favorites:
            return groupsText(db.channelFavoriteBits(ch));
        case ChannelField::Kind:
            return db.isRadioChannel(ch) ? "radio" : "TV";
    }
    return {};
}

// The same as a JSON value.
std::string fieldJson(const ChannelDatabase& db, int ch, ChannelField field) {
    switch (field) {
        case ChannelField::Name:
            return jsonString(utf8Text(db.channelName(ch)));
        case ChannelField::Cas:
            return std::to_string(db.channelCasBits(ch));
        case ChannelField::Lock:
            return db.isChannelLocked(ch) ? "true" : "false";
        case ChannelField::Favorites:
            return std::to_string(db.channelFavoriteBits(ch));
        case ChannelField::Kind:
            return db.isRadioChannel(ch) ? "\"radio\"" : "\"tv\"";
        default:
            return fieldText(db, ch, field);
    }
}

// "Das Erste" (Astra 19.2E 11727V, SID 28106)
std::string channelText(const ChannelDatabase& db, int ch) {
    const int t = db.channelTransponder(ch);
    return "\"" + shownText(db.channelName(ch)) + "\" (" +
           shownText(db.satelliteName(db.transponderSatellite(t))) + " " +
           shownText(transponderShortText(db, t)) + ", SID " +
           std::to_string(db.channelServiceId(ch)) + ")";
}

std::string transponderText(const ChannelDatabase& db, int t) {
    return shownText(db.satelliteName(db.transponderSatellite(t))) + " " +
           shownText(transponderShortText(db, t));
}

void writeSummaryText(const Sides& s, std::ostream& out) {
    out << diffSummaryText(s.diff) << "; satellites: " << s.satellites.size() << " changed\n";
}

void writeChannelsText(const Sides& s, std::ostream& out) {
    for (const ChannelDifference& c : s.diff.added) {
        out << "added: " << channelText(s.b, c.b.slot) << ", row " << c.b.row << "\n";
    }
    for (const ChannelDifference& c : s.diff.removed) {
        out << "removed: " << channelText(s.a, c.a.slot) << ", row " << c.a.row << "\n";
    }
    for (const ChannelDifference& c : s.diff.changed) {
        out << "changed: " << channelText(s.a, c.a.slot) << ":";
        const char* separator = " ";
        for (ChannelField field : c.fields) {
            out << separator << ChannelFieldNames[static_cast<int>(field)] << " "
                << fieldText(s.a, c.a.slot, field) << " -> " << fieldText(s.b, c.b.slot, field);
            separator = ", ";
        }
        out << "\n";
    }
    for (const ChannelDifference& c : s.diff.moved) {
        out << "moved: " << channelText(s.a, c.a.slot) << ", row " << c.a.row << " -> " << c.b.row
            << "\n";
    }
}

void writeOthersText(const Sides& s, std::ostream& out) {
    for (const TransponderDifference& t : s.diff.transpondersAdded) {
        out << "transponder added: " << transponderText(s.b, t.b) << ", symbol rate "
            << s.b.transponderSymbolRate(t.b) << "\n";
    }
    for (const TransponderDifference& t : s.diff.transpondersRemoved) {
        out << "transponder removed: " << transponderText(s.a, t.a) << ", symbol rate "
            << s.a.transponderSymbolRate(t.a) << "\n";
    }
    for (const TransponderDifference& t : s.diff.transpondersChanged) {
        out << "transponder changed: " << transponderText(s.a, t.a) << ", symbol rate "
            << s.a.transponderSymbolRate(t.a) << " -> " << s.b.transponderSymbolRate(t.b) << "\n";
    }
    for (int slot : s.diff.groupsRenamed) {
        out << "group " << slot + 1 << " renamed: \"" << shownText(s.a.favoriteGroupName(slot))
            << "\" -> \"" << shownText(s.b.favoriteGroupName(slot)) << "\"\n";
    }
    for (const SatelliteChange& c : s.satellites) {
        const std::string name = "\"" + shownText(s.a.satelliteName(c.satellite)) + "\"";
        if (c.shown) {
            out << "satellite " << c.satellite
                << (s.b.isSatelliteShown(c.satellite) ? " shown: " : " hidden: ") << name << "\n";
        }
        if (c.renamed) {
            out << "satellite " << c.satellite << " renamed: " << name << " -> \""
                << shownText(s.b.satelliteName(c.satellite)) << "\"\n";
        }
    }
}

std::string satelliteJson(const ChannelDatabase& db, int satellite) {
    return "{\"name\": " + jsonString(utf8Text(db.satelliteName(satellite))) +
           ", \"shown\": " + (db.isSatelliteShown(satellite) ? "true" : "false") + "}";
}

// {"row": 12, "index": 40} or null.
std::string placeJson(const ChannelPlace& place) {
    if (place.slot < 0) {
        return "null";
    }
    return "{\"row\": " + std::to_string(place.row) + ", \"index\": " + std::to_string(place.slot) +
           "}";
}

// The channel's key and name, from the side it is on (A when on both), and both places.
std::string channelJson(const Sides& s, const ChannelDifference& c) {
    const ChannelDatabase& db = c.a.slot >= 0 ? s.a : s.b;
    const int ch = c.a.slot >= 0 ? c.a.slot : c.b.slot;
    const int t = db.channelTransponder(ch);
    std::string json = "{\"name\": " + jsonString(utf8Text(db.channelName(ch))) +
                       ", \"satellite\": " + std::to_string(db.transponderSatellite(t)) +
                       ", \"frequency\": " + std::to_string(db.transponderFrequencyMhz(t)) +
                       ", \"polarization\": \"" + polarizationLetter(db, t) +
                       "\", \"sid\": " + std::to_string(db.channelServiceId(ch)) +
                       ", \"a\": " + placeJson(c.a) + ", \"b\": " + placeJson(c.b);
    if (!c.fields.empty()) {
        json += ", \"fields\": [";
        for (size_t i = 0; i < c.fields.size(); ++i) {
            const ChannelField field = c.fields[i];
            json += (i ? ", {\"field\": \"" : "{\"field\": \"") +
                    std::string(ChannelFieldNames[static_cast<int>(field)]) +
                    "\", \"a\": " + fieldJson(s.a, c.a.slot, field) +
                    ", \"b\": " + fieldJson(s.b, c.b.slot, field) + "}";
        }
        json += "]";
    }
    return json + "}";
}

std::string transponderJson(const ChannelDatabase& db, int t) {
    return "{\"index\": " + std::to_string(t) +
           ", \"satellite\": " + std::to_string(db.transponderSatellite(t)) +
           ", \"frequency\": " + std::to_string(db.transponderFrequencyMhz(t)) +
           ", \"polarization\": \"" + polarizationLetter(db, t) +
           "\", \"symbol_rate\": " + std::to_string(db.transponderSymbolRate(t)) + "}";
}

// "name": [ items... ] with one item a line, at `indent`.
template <typename Items, typename Item>
void writeJsonList(std::ostream& out, const char* name, const Items& items, Item item,
                   const char* indent, bool last) {
    out << indent << "\"" << name << "\": [";
    const char* separator = "\n";
    for (const auto& entry : items) {
        out << separator << indent << "  " << item(entry);
        separator = ",\n";
    }
    out << (items.empty() ? "]" : std::string("\n") + indent + "]") << (last ? "\n" : ",\n");
}

void writeDiffJson(const Sides& s, std::ostream& out) {
    const DatabaseDiff& d = s.diff;
    const auto channel = [&s](const ChannelDifference& c) { return channelJson(s, c); };
    out << "{\n  \"channels\": {\n";
    writeJsonList(out, "added", d.added, channel, "    ", false);
    writeJsonList(out, "removed", d.removed, channel, "    ", false);
    writeJsonList(out, "changed", d.changed, channel, "    ", false);
    writeJsonList(out, "moved", d.moved, channel, "    ", true);
    out << "  },\n  \"transponders\": {\n";
    const auto inA = [&s](const TransponderDifference& t) { return transponderJson(s.a, t.a); };
    const auto inB = [&s](const TransponderDifference& t) { return transponderJson(s.b, t.b); };
    const auto both = [&s](const TransponderDifference& t) {
        return "{\"a\": " + transponderJson(s.a, t.a) + ", \"b\": " + transponderJson(s.b, t.b) +
               "}";
    };
    writeJsonList(out, "added", d.transpondersAdded, inB, "    ", false);
    writeJsonList(out, "removed", d.transpondersRemoved, inA, "    ", false);
    writeJsonList(out, "changed", d.transpondersChanged, both, "    ", true);
    out << "  },\n";
    const auto group = [&s](int slot) {
        return "{\"group\": " + std::to_string(slot + 1) +
               ", \"a\": " + jsonString(utf8Text(s.a.favoriteGroupName(slot))) +
               ", \"b\": " + jsonString(utf8Text(s.b.favoriteGroupName(slot))) + "}";
    };
    writeJsonList(out, "groups", d.groupsRenamed, group, "  ", false);
    const auto satellite = [&s](const SatelliteChange& c) {
        return "{\"satellite\": " + std::to_string(c.satellite) +
               ", \"a\": " + satelliteJson(s.a, c.satellite) +
               ", \"b\": " + satelliteJson(s.b, c.satellite) + "}";
    };
    writeJsonList(out, "satellites", s.satellites, satellite, "  ", false);
    out << "  \"summary\": {\"added\": " << d.added.size() << ", \"removed\": " << d.removed.size()
        << ", \"changed\": " << d.changed.size() << ", \"moved\": " << d.moved.size()
        << ", \"transponders_added\": " << d.transpondersAdded.size()
        << ", \"transponders_removed\": " << d.transpondersRemoved.size()
        << ", \"transponders_changed\": " << d.transpondersChanged.size()
        << ", \"groups_renamed\": " << d.groupsRenamed.size()
        << ", \"satellites_changed\": " << s.satellites.size() << "}\n}\n";
}

}  // namespace

int runDiff(const Arguments& args, std::ostream& out, std::ostream& err) {
    FileOptions options;
    std::string problem;
    if (!parseFileOptions(args, 2, options, problem)) {
        return usageError(err, problem);
    }
    const auto a = std::make_unique<EditSession>();
    const auto b = std::make_unique<EditSession>();
    if (loadDatabase(*a, options.files[0], View::All, err) != ExitOk ||
        loadDatabase(*b, options.files[1], View::All, err) != ExitOk) {
        return ExitFailure;  // unreadable or invalid alike: 1 means different
    }
    const DatabaseDiff diff = compareDatabases(a->database(), b->database());
    const std::vector<SatelliteChange> satellites = compareSatellites(a->database(), b->database());
    const Sides sides{a->database(), b->database(), diff, satellites};
    if (options.format == "json") {
        writeDiffJson(sides, out);
    } else {
        writeSummaryText(sides, out);
        writeChannelsText(sides, out);
        writeOthersText(sides, out);
    }
    return diff.equal() && satellites.empty() ? ExitOk : ExitDifferent;
}

}  // namespace kavro::cli
