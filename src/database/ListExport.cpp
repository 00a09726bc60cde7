#include "ListExport.h"

#include "CsvText.h"
#include "DisplayText.h"
#include "FieldRules.h"

namespace kavro {

std::string_view listHeaderTitle(int column) {
    return column == ColumnIndex ? std::string_view("Index") : ListColumnTitles[column];
}

std::string listCsv(const ChannelDatabase& db, std::span<const int> channels, bool forTerminal) {
    std::string out;
    out.reserve(64 * (channels.size() + 1));
    for (int column = 0; column < ListColumnCount; ++column) {
        out += column ? "," : "";
        out += csvField(listHeaderTitle(column));
    }
    out += "\r\n";
    int row = 0;
    std::string text;  // kept for every cell
    for (int ch : channels) {
        for (int column = 0; column < ListColumnCount; ++column) {
            out += column ? "," : "";
            text.clear();
            appendLatin1AsUtf8(text, channelCellText(db, row, ch, column).view());
            if (forTerminal) {
                appendCsvField(out, withoutControls(text));
            } else {
                appendCsvField(out, text);
            }
        }
        out += "\r\n";
        ++row;
    }
    return out;
}

}  // namespace kavro
