#include "ChannelFind.h"

#include <array>

#include "ChannelDatabase.h"

namespace kavro {

namespace {

constexpr unsigned char LatinCapitalFirst = 0xC0;  // À
constexpr unsigned char LatinCapitalLast = 0xDE;   // Þ
constexpr unsigned char MultiplicationSign = 0xD7;
constexpr unsigned char CaseDistance = 'a' - 'A';  // also between À and à

constexpr unsigned char foldByte(unsigned char byte) {
    const bool ascii = byte >= 'A' && byte <= 'Z';
    const bool latin =
        byte >= LatinCapitalFirst && byte <= LatinCapitalLast && byte != MultiplicationSign;
    return ascii || latin ? static_cast<unsigned char>(byte + CaseDistance) : byte;
}

// Find runs over every channel on each keystroke: a table instead of the comparisons.
constexpr std::array<unsigned char, 256> makeFoldTable() {
    std::array<unsigned char, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        table[byte] = foldByte(static_cast<unsigned char>(byte));
    }
    return table;
}

constexpr std::array<unsigned char, 256> FoldTable = makeFoldTable();

unsigned char folded(char c) {
    return FoldTable[static_cast<unsigned char>(c)];
}

// `name` holds `part` (already folded), letter case aside.
bool containsFolded(std::string_view name, std::string_view part) {
    if (part.size() > name.size()) {
        return false;
    }
    const unsigned char first = static_cast<unsigned char>(part[0]);
    for (size_t at = 0; at + part.size() <= name.size(); ++at) {
        if (folded(name[at]) != first) {
            continue;
        }
        size_t i = 1;
        while (i < part.size() && folded(name[at + i]) == static_cast<unsigned char>(part[i])) {
            ++i;
        }
        if (i == part.size()) {
            return true;
        }
    }
    return false;
}

// The number of a text of digits only, while it can still be a service ID; -1 otherwise.
int digitsNumber(std::string_view text) {
    constexpr int Beyond = 0x10000;  // past every 16-bit service ID
    if (text.empty()) {
        return -1;
    }
    int number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return -1;
        }
        number = number >= Beyond ? Beyond : number * 10 + (c - '0');
    }
    return number;
}

}  // namespace

unsigned char foldLetterCase(unsigned char byte) {
    return FoldTable[byte];
}

ChannelFind::ChannelFind(std::string_view latin1) : serviceId_(digitsNumber(latin1)) {
    folded_.reserve(latin1.size());
    for (char c : latin1) {
        folded_.push_back(static_cast<char>(folded(c)));
    }
}

ChannelFind ChannelFind::matchingNothing() {
    ChannelFind find;
    find.nothing_ = true;
    return find;
}

bool ChannelFind::matches(const ChannelDatabase& db, int ch) const {
    if (nothing_) {
        return false;
    }
    if (folded_.empty()) {
        return true;
    }
    return containsFolded(db.channelName(ch), folded_) ||
           (serviceId_ >= 0 && db.channelServiceId(ch) == serviceId_);
}

bool channelNameStartsWith(const ChannelDatabase& db, int ch, std::string_view latin1) {
    const std::string_view name = db.channelName(ch);
    if (latin1.size() > name.size()) {
        return false;
    }
    for (size_t i = 0; i < latin1.size(); ++i) {
        if (folded(name[i]) != folded(latin1[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace kavro
