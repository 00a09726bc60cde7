// tree and list: the editor's satellite tree and channel list for a view, as text, CSV or
// JSON. Every item and cell text is the editor's own; names are written out as UTF-8.
#include <ostream>
#include <string>

#include "Commands.h"
#include "TextOutput.h"
#include "ToolSupport.h"
#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/ViewIndex.h"

namespace kavro::cli {

namespace {

// Loads the file of the options; ExitOk or the exit code after a reported failure.
int prepare(const Arguments& args, bool allowSatellite,
            const std::vector<std::string_view>& formats, ViewOptions& options, std::ostream& err) {
    std::string problem;
    if (!parseViewOptions(args, allowSatellite, formats, options, problem)) {
        return usageError(err, problem);
    }
    return loadDatabase(options.file, options.view, err);
}

void writeTreeText(std::ostream& out) {
    for (int s = 0; s < SatelliteCapacity; ++s) {
        if (!isSatelliteShown(s)) {
            continue;
        }
        out << shownText(satelliteItemText(s)) << "\n";
        for (int j = 0; j < satelliteTransponderCount(s); ++j) {
            const int t = satelliteTransponder(s, j);
            out << "  " << shownText(transponderItemText(t)) << "\n";
        }
    }
}

void writeTreeJson(std::ostream& out) {
    out << "[";
    const char* satelliteSeparator = "\n";
    for (int s = 0; s < SatelliteCapacity; ++s) {
        if (!isSatelliteShown(s)) {
            continue;
        }
        out << satelliteSeparator << "  {\"text\": " << jsonString(utf8Text(satelliteItemText(s)))
            << ", \"satellite\": " << s << ", \"transponders\": [";
        const int count = satelliteTransponderCount(s);
        for (int j = 0; j < count; ++j) {
            const int t = satelliteTransponder(s, j);
            out << (j == 0 ? "\n" : ",\n")
                << "    {\"text\": " << jsonString(utf8Text(transponderItemText(t)))
                << ", \"index\": " << t << "}";
        }
        out << (count == 0 ? "]}" : "\n  ]}");
        satelliteSeparator = ",\n";
    }
    out << (satelliteSeparator[0] == ',' ? "\n]\n" : "]\n");
}

// Calls write(row, channel) for every row of the list, in the editor's order.
template <typename Write>
void forEachListRow(const ViewOptions& options, Write write) {
    const int count = viewCount(options.view);
    int row = 0;
    for (int i = 0; i < count; ++i) {
        int ch = ChannelCapacity;
        if (!viewChannel(options.view, i, ch) || !isLiveChannel(ch)) {
            continue;
        }
        if (options.satellite >= 0 && channelSatellite(ch) != options.satellite) {
            continue;
        }
        write(row++, ch);
    }
}

// A cell's text as UTF-8: as shown in the text output, or as it is for CSV and JSON.
std::string cell(int row, int ch, int column, bool shown = false) {
    const CellText text = channelCellText(row, ch, column);
    return shown ? shownText(text.view()) : utf8Text(text.view());
}

std::string_view headerTitle(int column) {
    return column == ColumnIndex ? std::string_view("Index") : ListColumnTitles[column];
}

void writeListText(const ViewOptions& options, std::ostream& out) {
    for (int column = 0; column < ListColumnCount; ++column) {
        out << (column ? "\t" : "") << headerTitle(column);
    }
    out << "\n";
    forEachListRow(options, [&out](int row, int ch) {
        for (int column = 0; column < ListColumnCount; ++column) {
            out << (column ? "\t" : "") << cell(row, ch, column, true);
        }
        out << "\n";
    });
}

void writeListCsv(const ViewOptions& options, std::ostream& out) {
    for (int column = 0; column < ListColumnCount; ++column) {
        out << (column ? "," : "") << csvField(headerTitle(column));
    }
    out << "\r\n";
    forEachListRow(options, [&out](int row, int ch) {
        for (int column = 0; column < ListColumnCount; ++column) {
            out << (column ? "," : "") << csvField(cell(row, ch, column));
        }
        out << "\r\n";
    });
}

void writeListJson(const ViewOptions& options, std::ostream& out) {
    static const char* const keys[ListColumnCount] = {"no",  "sat", "tp",   "channel",
                                                      "cas", "fav", "lock", "index"};
    out << "[";
    bool any = false;
    forEachListRow(options, [&out, &any](int row, int ch) {
        out << (any ? ",\n  {" : "\n  {");
        for (int column = 0; column < ColumnIndex; ++column) {
            out << "\"" << keys[column] << "\": " << jsonString(cell(row, ch, column)) << ", ";
        }
        out << "\"" << keys[ColumnIndex] << "\": " << ch << "}";
        any = true;
    });
    out << (any ? "\n]\n" : "]\n");
}

}  // namespace

int runTree(const Arguments& args, std::ostream& out, std::ostream& err) {
    ViewOptions options;
    const int code = prepare(args, false, {"text", "json"}, options, err);
    if (code != ExitOk) {
        return code;
    }
    if (options.format == "json") {
        writeTreeJson(out);
    } else {
        writeTreeText(out);
    }
    return ExitOk;
}

int runList(const Arguments& args, std::ostream& out, std::ostream& err) {
    ViewOptions options;
    const int code = prepare(args, true, {"text", "csv", "json"}, options, err);
    if (code != ExitOk) {
        return code;
    }
    if (options.format == "json") {
        writeListJson(options, out);
    } else if (options.format == "csv") {
        writeListCsv(options, out);
    } else {
        writeListText(options, out);
    }
    return ExitOk;
}

}  // namespace kavro::cli
