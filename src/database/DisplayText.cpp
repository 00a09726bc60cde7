#include "DisplayText.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "ByteOrder.h"
#include "ChannelDatabase.h"
#include "ViewIndex.h"

namespace kavro {

namespace {

char polarizationLetter(const ChannelDatabase& db, int t) {
    return db.transponderPolarization(t) != 0 ? 'H' : 'V';
}

// `value` in decimal, right-aligned in `width` characters as printf's "%5d" does.
void appendNumber(std::string& text, int value, int width) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    const int length = static_cast<int>(end - digits);
    if (length < width) {
        text.append(static_cast<size_t>(width - length), ' ');
    }
    text.append(digits, end);
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

// Cell texts are built in place, the way "%s" and "%Nd" / "%0Nd" would, without printf:
// the list formats every cell of every row on each fill.
void append(CellText& cell, std::string_view text) {
    size_t room = sizeof cell.text - 1 - static_cast<size_t>(cell.length);
    size_t count = text.size() < room ? text.size() : room;
    char* out = cell.text + cell.length;
    for (size_t i = 0; i < count; ++i) {  // short texts: cheaper than a call
        out[i] = text[i];
    }
    cell.length += static_cast<int>(count);
}

// Appends the first `length` bytes of a source of `Size` bytes. Where the cell has room, the
// whole source is copied (a fixed-size copy is cheaper than a byte loop) and only its first
// `length` bytes count.
template <int Size>
void appendBlock(CellText& cell, const void* source, int length) {
    static_assert(Size < static_cast<int>(sizeof cell.text));
    if (cell.length + Size < static_cast<int>(sizeof cell.text)) {
        std::memcpy(cell.text + cell.length, source, Size);
        cell.length += length;
    } else {
        append(cell, {static_cast<const char*>(source), static_cast<size_t>(length)});
    }
}

// A name up to the first NUL of its area, or the whole area when it holds none.
template <int AreaSize>
void appendName(CellText& cell, const uint8_t* area) {
    const void* nul = std::memchr(area, 0, AreaSize);
    const int length = nul ? static_cast<int>(static_cast<const uint8_t*>(nul) - area) : AreaSize;
    appendBlock<AreaSize>(cell, area, length);
}

// `value` right-aligned in at least `width` characters, padded with `pad`; a '0' pad goes
// after the sign, a blank pad before it.
void appendNumber(CellText& cell, int value, int width, char pad) {
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : value;
    int digits = 1;
    for (unsigned rest = magnitude; rest >= 10; rest /= 10) {
        ++digits;
    }
    int sign = value < 0 ? 1 : 0;
    int padding = width > digits + sign ? width - digits - sign : 0;
    if (cell.length + padding + sign + digits >= static_cast<int>(sizeof cell.text)) {
        return;
    }
    char* out = cell.text + cell.length;
    if (sign != 0 && pad == '0') {
        *out++ = '-';
    }
    for (int i = 0; i < padding; ++i) {
        *out++ = pad;
    }
    if (sign != 0 && pad != '0') {
        *out++ = '-';
    }
    char* digit = out + digits;
    do {
        *--digit = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    cell.length = static_cast<int>(out + digits - cell.text);
}

// The texts of all 256 combinations of the named CAS bits, made once.
struct CasTexts {
    char text[256][32];
    uint8_t length[256];

    CasTexts() {
        for (int bits = 0; bits < 256; ++bits) {
            const std::string joined = casText(bits);
            std::memcpy(text[bits], joined.data(), joined.size());
            length[bits] = static_cast<uint8_t>(joined.size());
        }
    }

    void appendTo(CellText& cell, int bits) const {
        appendBlock<sizeof text[0]>(cell, text[bits & 0xFF], length[bits & 0xFF]);
    }
};

const CasTexts& casTexts() {
    static const CasTexts texts;
    return texts;
}

}  // namespace

const char* const ListColumnTitles[ListColumnCount] = {"No.", "Sat", "Tp",   "Channel",
                                                       "CAS", "FAV", "Lock", ""};

std::string satelliteItemText(const ChannelDatabase& db, const ViewIndex& index, int s) {
    std::string_view name = db.satelliteName(s);
    char buffer[sat::NameArea + 48];
    int length = formatInto(buffer, "%.*s (%d TPs, %d CHs)", viewLength(name), name.data(),
                            index.satelliteTransponderCount(s), index.satelliteChannelCount(s));
    return {buffer, static_cast<size_t>(length)};
}

// Formatted by hand, as is the short text below: the tree formats every transponder after
// each change, and printf's format parsing was most of the cost.
std::string transponderItemText(const ChannelDatabase& db, const ViewIndex& index, int t) {
    std::string text;
    text.reserve(32);
    appendTransponderItemText(text, db, index, t);
    return text;
}

void appendTransponderItemText(std::string& text, const ChannelDatabase& db, const ViewIndex& index,
                               int t) {
    appendNumber(text, db.transponderFrequencyMhz(t), 5);
    text += polarizationLetter(db, t);
    text += ' ';
    appendNumber(text, db.transponderSymbolRate(t), 5);
    if (int count = index.transponderChannelCount(t); count != 0) {
        text += " (";
        appendNumber(text, count, 0);
        text += " CHs)";
    }
}

std::string transponderShortText(const ChannelDatabase& db, int t) {
    std::string text;
    appendTransponderShortText(text, db, t);
    return text;
}

void appendTransponderShortText(std::string& text, const ChannelDatabase& db, int t) {
    appendNumber(text, db.transponderFrequencyMhz(t), 0);
    text += polarizationLetter(db, t);
}

std::string defaultChannelName(View view, int number) {
    char buffer[32];
    int length = formatInto(buffer, view == View::Radio ? "Radio CH %3i" : "Video CH %3i", number);
    return {buffer, static_cast<size_t>(length)};
}

// Reads the records directly rather than through the accessors: the list formats every
// cell of every row on each fill.
CellText channelCellText(const ChannelDatabase& db, int row, int channel, int column) {
    const ChannelTables& tables = db.tables();
    const uint8_t* rec = tables.channels[channel];
    int t = readU16(rec + ch::TransponderIndex);
    const uint8_t* transponder = t < TransponderCapacity ? tables.transponders[t] : nullptr;
    CellText cell;
    switch (column) {
        case ColumnNo:
            appendNumber(cell, row, 4, '0');
            break;
        case ColumnSat:
            if (transponder && isValidSatellite(transponder[tp::SatelliteIndex])) {
                appendName<sat::NameArea>(
                    cell, tables.satellites[transponder[tp::SatelliteIndex]] + sat::Name);
            }
            break;
        case ColumnTp:
            if (transponder) {
                appendNumber(cell,
                             static_cast<int>(readU32(transponder + tp::FrequencyKhz) / 1000u), 5,
                             ' ');
                append(cell, transponder[tp::Polarization] != 0 ? "H" : "V");
            }
            break;
        case ColumnChannel:
            appendName<ch::NameArea>(cell, rec + ch::Name);
            append(cell, (readU16(rec + ch::Flags) & ChannelFlagTv) == 0 ? "[R]" : "");
            break;
        case ColumnCas:
            casTexts().appendTo(cell, readU16(rec + ch::CasBits));
            break;
        case ColumnFav:
            append(cell, readU16(rec + ch::FavoriteBits) != 0 ? "V" : "");
            break;
        case ColumnLock:
            append(cell, (readU16(rec + ch::Flags) & ChannelFlagLock) != 0 ? "V" : "");
            break;
        case ColumnIndex:
            appendNumber(cell, channel, 0, ' ');
            break;
        default:
            break;
    }
    cell.text[cell.length] = 0;
    return cell;
}

}  // namespace kavro
