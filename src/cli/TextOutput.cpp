#include "TextOutput.h"

#include <cstdint>
#include <cstring>

#include "database/FieldRules.h"

namespace kavro::cli {

namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

bool isControl(unsigned char latin1) {
    return latin1 < 0x20 || (latin1 >= 0x7F && latin1 <= 0x9F);
}

// The control character that starts at text[i] of a UTF-8 text, and its length in bytes;
// 0 when there is none.
size_t controlAt(std::string_view text, size_t i, unsigned& code) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) {
        code = byte;
        return 1;
    }
    if (byte == 0xC2 && i + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if (next >= 0x80 && next <= 0x9F) {
            code = next;
            return 2;
        }
    }
    return 0;
}

void appendJsonControl(std::string& out, unsigned code) {
    static const char hex[] = "0123456789abcdef";
    switch (code) {
        case '\b':
            out += "\\b";
            return;
        case '\f':
            out += "\\f";
            return;
        case '\n':
            out += "\\n";
            return;
        case '\r':
            out += "\\r";
            return;
        case '\t':
            out += "\\t";
            return;
        default:
            out += "\\u00";
            out += hex[code >> 4];
            out += hex[code & 0xF];
    }
}

// The length of the valid UTF-8 sequence at text[i]; 0 when there is none.
size_t utf8Length(std::string_view text, size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const size_t length = lead < 0x80                    ? 1
                          : lead >= 0xC2 && lead <= 0xDF ? 2
                          : lead >= 0xE0 && lead <= 0xEF ? 3
                          : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                         : 0;
    if (length == 0 || i + length > text.size()) {
        return 0;
    }
    for (size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    const auto second = static_cast<unsigned char>(text[i + 1 < text.size() ? i + 1 : i]);
    const bool overlong = (lead == 0xE0 && second < 0xA0) || (lead == 0xF0 && second < 0x90);
    const bool beyond = (lead == 0xED && second >= 0xA0) || (lead == 0xF4 && second >= 0x90);
    return overlong || beyond ? 0 : length;
}

// Whether a Latin-1 byte needs more than copying into a JSON string: an escape, or two
// bytes in UTF-8.
bool needsWork(unsigned char byte) {
    return byte < 0x20 || byte >= 0x7F || byte == '"' || byte == '\\';
}

// needsWork() for any of the eight bytes at `bytes`, tested together: the bit tricks find
// whether some byte is below a bound or zero after an exclusive or, not which one.
bool anyNeedsWork(const char* bytes) {
    constexpr uint64_t Ones = 0x0101010101010101;
    constexpr uint64_t High = Ones * 0x80;
    uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    const auto below = [&](uint64_t bound) { return (word - Ones * bound) & ~word & High; };
    const auto equal = [&](unsigned char byte) {
        const uint64_t x = word ^ (Ones * byte);
        return (x - Ones) & ~x & High;
    };
    return ((word & High) | below(0x20) | equal(0x7F) | equal('"') | equal('\\')) != 0;
}

}  // namespace

std::string shownPath(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        unsigned code = 0;
        if (const size_t control = controlAt(text, i, code)) {
            out += ReplacementCharacter;
            i += control;
        } else if (const size_t length = utf8Length(text, i)) {
            out.append(text.substr(i, length));
            i += length;
        } else {
            out += ReplacementCharacter;
            ++i;
        }
    }
    return out;
}

std::string shownText(std::string_view latin1) {
    std::string shown;
    appendShownText(shown, latin1);
    return shown;
}

void appendShownText(std::string& out, std::string_view latin1) {
    size_t plain = 0;  // the start of the run of bytes that are no control characters
    for (size_t i = 0; i < latin1.size(); ++i) {
        if (isControl(static_cast<unsigned char>(latin1[i]))) {
            appendLatin1AsUtf8(out, latin1.substr(plain, i - plain));
            out += ReplacementCharacter;
            plain = i + 1;
        }
    }
    appendLatin1AsUtf8(out, latin1.substr(plain));
}

std::string jsonString(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    // Bytes that need no escape are appended a run at a time.
    size_t plain = 0;
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        unsigned code = 0;
        const size_t control = byte >= 0x20 && byte < 0x7F ? 0 : controlAt(text, i, code);
        if (control == 0 && byte != '"' && byte != '\\') {
            ++i;
            continue;
        }
        out.append(text.substr(plain, i - plain));
        if (control != 0) {
            appendJsonControl(out, code);
            i += control;
        } else {
            out += '\\';
            out += text[i++];
        }
        plain = i;
    }
    out.append(text.substr(plain));
    out += '"';
    return out;
}

std::string utf8Text(std::string_view latin1) {
    return latin1ToUtf8(latin1);
}

void appendJsonLatin1(std::string& out, std::string_view latin1) {
    out += '"';
    size_t plain = 0;  // the first byte not appended yet
    for (size_t i = 0; i < latin1.size();) {
        // Plain bytes are passed over eight at a time and appended a run at a time.
        if (i + 8 <= latin1.size() && !anyNeedsWork(latin1.data() + i)) {
            i += 8;
            continue;
        }
        const auto byte = static_cast<unsigned char>(latin1[i]);
        if (!needsWork(byte)) {
            ++i;
            continue;
        }
        out.append(latin1.substr(plain, i - plain));
        plain = ++i;
        if (isControl(byte)) {
            appendJsonControl(out, byte);
        } else if (byte < 0x80) {
            out += '\\';
            out += static_cast<char>(byte);
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    out.append(latin1.substr(plain));
    out += '"';
}

}  // namespace kavro::cli
