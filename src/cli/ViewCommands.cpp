// tree and list: the editor's satellite tree and channel list for a view, as text, CSV or
// JSON. Every item and cell text is the editor's own; names are written out as UTF-8.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "ChannelList.h"
#include "Commands.h"
#include "TextOutput.h"
#include "ToolSupport.h"
#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/ListExport.h"
#include "database/ViewIndex.h"
#include "session/EditSession.h"

namespace kavro::cli {

namespace {

// Loads the file of the options; ExitOk or the exit code after a reported failure.
int prepare(EditSession& session, const Arguments& args, bool allowSatellite,
            const std::vector<std::string_view>& formats, ViewOptions& options, std::ostream& err) {
    std::string problem;
    if (!parseViewOptions(args, allowSatellite, formats, options, problem)) {
        return usageError(err, problem);
    }
    return loadDatabase(session, options.file, options.view, err);
}

void writeTreeText(const EditSession& session, std::ostream& out) {
    const ChannelDatabase& db = session.database();
    const ViewIndex& index = session.viewIndex();
    for (int s = 0; s < SatelliteCapacity; ++s) {
        if (!db.isSatelliteShown(s)) {
            continue;
        }
        out << shownText(satelliteItemText(db, index, s)) << "\n";
        for (int j = 0; j < index.satelliteTransponderCount(s); ++j) {
            const int t = index.satelliteTransponder(s, j);
            out << "  " << shownText(transponderItemText(db, index, t)) << "\n";
        }
    }
}

void writeTreeJson(const EditSession& session, std::ostream& out) {
    const ChannelDatabase& db = session.database();
    const ViewIndex& index = session.viewIndex();
    out << "[";
    const char* satelliteSeparator = "\n";
    for (int s = 0; s < SatelliteCapacity; ++s) {
        if (!db.isSatelliteShown(s)) {
            continue;
        }
        out << satelliteSeparator
            << "  {\"text\": " << jsonString(utf8Text(satelliteItemText(db, index, s)))
            << ", \"satellite\": " << s << ", \"transponders\": [";
        const int count = index.satelliteTransponderCount(s);
        for (int j = 0; j < count; ++j) {
            const int t = index.satelliteTransponder(s, j);
            out << (j == 0 ? "\n" : ",\n")
                << "    {\"text\": " << jsonString(utf8Text(transponderItemText(db, index, t)))
                << ", \"index\": " << t << "}";
        }
        out << (count == 0 ? "]}" : "\n  ]}");
        satelliteSeparator = ",\n";
    }
    out << (satelliteSeparator[0] == ',' ? "\n]\n" : "]\n");
}

// The channels of the list's rows, in the editor's order; with --select only those it names
// (`selected`, ascending).
std::vector<int> listRows(const EditSession& session, const ViewOptions& options,
                          const std::vector<int>& selected) {
    const ChannelDatabase& db = session.database();
    std::vector<int> rows;
    for (int ch : session.viewIndex().viewChannels(options.view)) {
        if (db.isLiveChannel(ch) &&
            (options.satellite < 0 || db.channelSatellite(ch) == options.satellite) &&
            (options.select.empty() || std::binary_search(selected.begin(), selected.end(), ch))) {
            rows.push_back(ch);
        }
    }
    return rows;
}

// Calls write(row, channel) for every row of the list, in the editor's order.
template <typename Write>
void forEachListRow(const std::vector<int>& rows, Write write) {
    int row = 0;
    for (int ch : rows) {
        write(row++, ch);
    }
}

void writeListText(const EditSession& session, const std::vector<int>& rows, std::ostream& out) {
    const ChannelDatabase& db = session.database();
    for (int column = 0; column < ListColumnCount; ++column) {
        out << (column ? "\t" : "") << listHeaderTitle(column);
    }
    out << "\n";
    std::string line;  // kept for every row
    forEachListRow(rows, [&out, &db, &line](int row, int ch) {
        line.clear();
        for (int column = 0; column < ListColumnCount; ++column) {
            line += column ? "\t" : "";
            appendShownText(line, channelCellText(db, row, ch, column).view());
        }
        line += '\n';
        out << line;
    });
}

// The very bytes the window's Export List writes.
void writeListCsv(const EditSession& session, const std::vector<int>& rows, std::ostream& out,
                  bool outIsTerminal) {
    out << listCsv(session.database(), rows, outIsTerminal);
}

void writeListJson(const EditSession& session, const std::vector<int>& rows, std::ostream& out) {
    const ChannelDatabase& db = session.database();
    static const char* const keys[ListColumnCount] = {"no",  "sat", "tp",   "channel",
                                                      "cas", "fav", "lock", "index"};
    out << "[";
    bool any = false;
    std::string line;  // kept for every row
    forEachListRow(rows, [&out, &any, &db, &line](int row, int ch) {
        line = any ? ",\n  {" : "\n  {";
        for (int column = 0; column < ColumnIndex; ++column) {
            line += '"';
            line += keys[column];
            line += "\": ";
            appendJsonLatin1(line, channelCellText(db, row, ch, column).view());
            line += ", ";
        }
        line += '"';
        line += keys[ColumnIndex];
        line += "\": " + std::to_string(ch) + "}";
        out << line;
        any = true;
    });
    out << (any ? "\n]\n" : "]\n");
}

}  // namespace

int runTree(const Arguments& args, EditSession& session, std::ostream& out, std::ostream& err) {
    ViewOptions options;
    const int code = prepare(session, args, false, {"text", "json"}, options, err);
    if (code != ExitOk) {
        return code;
    }
    if (options.format == "json") {
        writeTreeJson(session, out);
    } else {
        writeTreeText(session, out);
    }
    return ExitOk;
}

int runList(const Arguments& args, EditSession& session, std::ostream& out, std::ostream& err,
            bool outIsTerminal) {
    ViewOptions options;
    const int code = prepare(session, args, true, {"text", "csv", "json"}, options, err);
    if (code != ExitOk) {
        return code;
    }
    std::vector<int> selected;
    std::string problem;
    if (!options.select.empty() &&
        !parseChannelList(session.database(), options.select, selected, problem)) {
        return usageError(err, "--select: " + problem);
    }
    const std::vector<int> rows = listRows(session, options, selected);
    if (options.format == "json") {
        writeListJson(session, rows, out);
    } else if (options.format == "csv") {
        writeListCsv(session, rows, out, outIsTerminal);
    } else {
        writeListText(session, rows, out);
    }
    return ExitOk;
}

}  // namespace kavro::cli
