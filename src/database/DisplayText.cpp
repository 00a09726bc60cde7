#include "DisplayText.h"

#include <cstdio>
#include <cstring>

#include "ChannelDatabase.h"
#include "ViewIndex.h"

namespace kavro {

namespace {

char polarizationLetter(int t) {
    return transponderPolarization(t) != 0 ? 'H' : 'V';
}

// snprintf into a fixed buffer, keeping the length within the buffer.
template <size_t Size, typename... Args>
int formatInto(char (&buffer)[Size], const char* format, Args... args) {
    int written = std::snprintf(buffer, Size, format, args...);
    if (written < 0) {
        buffer[0] = 0;
        return 0;
    }
    return written < static_cast<int>(Size) ? written : static_cast<int>(Size) - 1;
}

int viewLength(std::string_view text) {
    return static_cast<int>(text.size());
}

// Builds a cell text in place, the way "%s" and "%Nd" / "%0Nd" would, without printf: the
// list formats every cell of every row on each fill.
class CellWriter {
public:
    void bytes(std::string_view text) {
        size_t room = sizeof cell_.text - 1 - static_cast<size_t>(cell_.length);
        size_t count = text.size() < room ? text.size() : room;
        std::memcpy(cell_.text + cell_.length, text.data(), count);
        cell_.length += static_cast<int>(count);
    }

    void number(int value, int width, char pad) {
        char digits[16];
        int count = 0;
        unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : value;
        do {
            digits[count++] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        int length = count + (value < 0 ? 1 : 0);
        char out[32];
        int n = 0;
        if (value < 0 && pad == '0') {
            out[n++] = '-';
        }
        for (; length < width; ++length) {
            out[n++] = pad;
        }
        if (value < 0 && pad != '0') {
            out[n++] = '-';
        }
        while (count > 0) {
            out[n++] = digits[--count];
        }
        bytes({out, static_cast<size_t>(n)});
    }

    CellText finish() {
        cell_.text[cell_.length] = 0;
        return cell_;
    }

private:
    CellText cell_;
};

}  // namespace

const char* const ListColumnTitles[ListColumnCount] = {"No.", "Sat", "Tp",   "Channel",
                                                       "CAS", "FAV", "Lock", ""};

std::string satelliteItemText(int s) {
    std::string_view name = satelliteName(s);
    char buffer[sat::NameArea + 48];
    int length = formatInto(buffer, "%.*s (%d TPs, %d CHs)", viewLength(name), name.data(),
                            satelliteTransponderCount(s), satelliteChannelCount(s));
    return {buffer, static_cast<size_t>(length)};
}

std::string transponderItemText(int t) {
    char buffer[64];
    int length = formatInto(buffer, "%5d%c %5d", transponderFrequencyMhz(t), polarizationLetter(t),
                            transponderSymbolRate(t));
    std::string text(buffer, static_cast<size_t>(length));
    if (int count = transponderChannelCount(t); count != 0) {
        length = formatInto(buffer, " (%d CHs)", count);
        text.append(buffer, static_cast<size_t>(length));
    }
    return text;
}

std::string transponderShortText(int t) {
    char buffer[32];
    int length = formatInto(buffer, "%d%c", transponderFrequencyMhz(t), polarizationLetter(t));
    return {buffer, static_cast<size_t>(length)};
}

std::string defaultChannelName(int view, int number) {
    char buffer[32];
    int length = formatInto(buffer, view == ViewRadio ? "Radio CH %3i" : "Video CH %3i", number);
    return {buffer, static_cast<size_t>(length)};
}

CellText channelCellText(int row, int ch, int column) {
    CellWriter cell;
    switch (column) {
        case ColumnNo:
            cell.number(row, 4, '0');
            break;
        case ColumnSat:
            if (int s = channelSatellite(ch); isValidSatellite(s)) {
                cell.bytes(satelliteName(s));
            }
            break;
        case ColumnTp:
            if (int t = channelTransponder(ch); t < TransponderCapacity) {
                cell.number(transponderFrequencyMhz(t), 5, ' ');
                char letter = polarizationLetter(t);
                cell.bytes({&letter, 1});
            }
            break;
        case ColumnChannel:
            cell.bytes(channelName(ch));
            cell.bytes(isRadioChannel(ch) ? "[R]" : "");
            break;
        case ColumnCas:
            cell.bytes(casText(channelCasBits(ch)));
            break;
        case ColumnFav:
            cell.bytes(hasFavorites(ch) ? "V" : "");
            break;
        case ColumnLock:
            cell.bytes(isChannelLocked(ch) ? "V" : "");
            break;
        case ColumnIndex:
            cell.number(ch, 0, ' ');
            break;
        default:
            break;
    }
    return cell.finish();
}

}  // namespace kavro
