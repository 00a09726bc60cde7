#include "FieldRules.h"

#include <climits>
#include <cstdint>
#include <utility>

#include "ViewIndex.h"

namespace kavro {

namespace {

enum class Parsed { NotInteger, Fits, TooLarge };

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// A decimal integer with optional sign and blanks or tabs around it. The value is clamped
// to the int range; TooLarge says that it did not fit.
Parsed parseInteger(std::string_view text, int& value) {
    size_t i = 0;
    size_t end = text.size();
    while (i < end && isBlank(text[i])) {
        ++i;
    }
    while (end > i && isBlank(text[end - 1])) {
        --end;
    }
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == end) {
        return Parsed::NotInteger;
    }
    const int64_t limit = negative ? -static_cast<int64_t>(INT_MIN) : INT_MAX;
    int64_t magnitude = 0;
    bool tooLarge = false;
    for (; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return Parsed::NotInteger;
        }
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit) {
            tooLarge = true;
            magnitude = limit;
        }
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return tooLarge ? Parsed::TooLarge : Parsed::Fits;
}

FieldCheck failure(std::string message, bool warning) {
    FieldCheck check;
    check.ok = false;
    check.message = std::move(message);
    check.warning = warning;
    return check;
}

}  // namespace

bool parseIntegerField(std::string_view text, int& value) {
    int parsed = 0;
    if (parseInteger(text, parsed) == Parsed::NotInteger) {
        return false;
    }
    value = parsed;
    return true;
}

std::string integerMessage() {
    return "Please enter an integer.";
}

std::string rangeMessage(int low, int high) {
    return "Please enter an integer between " + std::to_string(low) + " and " +
           std::to_string(high) + ".";
}

std::string rangeMessage(const FieldRange& range) {
    return rangeMessage(range.low, range.high);
}

std::string fieldLine(std::string_view name) {
    return "Field: " + std::string(name);
}

std::string twoLines(const std::string& first, const std::string& second) {
    return second.empty() ? first : first + "\n" + second;
}

std::string oneLine(const std::string& message) {
    const size_t end = message.find('\n');
    if (end == std::string::npos) {
        return message;
    }
    const bool sentence = end > 0 && message[end - 1] == '.';
    return message.substr(0, end) + (sentence ? " " : ": ") + oneLine(message.substr(end + 1));
}

std::string lengthMessage(int limit) {
    return "Please enter no more than " + std::to_string(limit) + " characters.";
}

std::string latin1Message() {
    return "Please enter only Latin-1 characters.";
}

FieldCheck checkIntegerField(std::string_view text, int low, int high) {
    int value = 0;
    Parsed parsed = parseInteger(text, value);
    if (parsed == Parsed::NotInteger) {
        return failure(integerMessage(), false);
    }
    if (parsed == Parsed::TooLarge || value < low || value > high) {
        return failure(rangeMessage(low, high), true);
    }
    FieldCheck check;
    check.value = value;
    return check;
}

FieldCheck checkIntegerField(std::string_view text, const FieldRange& range) {
    FieldCheck check = checkIntegerField(text, range.low, range.high);
    if (!check.ok && check.warning) {
        check.field = fieldLine(range.name);
    }
    return check;
}

FieldCheck checkTextLength(int characters, int limit) {
    if (characters > limit) {
        return failure(lengthMessage(limit), true);
    }
    return FieldCheck{};
}

std::string channelAddMessage() {
    return "Cannot add this channel";
}

std::string transponderAddMessage() {
    return "Cannot add tp";
}

std::string noLiveChannelMessage(std::string_view shown) {
    return "there is no live channel " + std::string(shown);
}

std::string noLiveTransponderMessage(std::string_view shown) {
    return "there is no live transponder " + std::string(shown);
}

ChannelAddFault channelAddFault(View view, const NewChannel& c, bool slotLeft) {
    const auto outside = [](int value, const FieldRange& range) {
        return value == 0 || value < range.low || value > range.high;
    };
    if (!slotLeft) {
        return ChannelAddFault::TableFull;
    }
    if (outside(c.videoPid, VideoPidRange)) {
        return ChannelAddFault::VideoPid;
    }
    if (outside(c.audioPid, AudioPidRange) || (view != View::Radio && c.audioPid == c.videoPid)) {
        return ChannelAddFault::AudioPid;
    }
    if (outside(c.pcrPid, PcrPidRange)) {
        return ChannelAddFault::PcrPid;
    }
    // The service ID's range is its field's rule; the table itself can hold 65535.
    return c.serviceId == 0 ? ChannelAddFault::ServiceId : ChannelAddFault::None;
}

namespace {

std::string valueRule(const FieldRange& range, int value) {
    if (value == 0) {
        return std::string(range.name) + " must not be 0.";
    }
    return std::string(range.name) + " must be between 1 and " + std::to_string(range.high) + ".";
}

}  // namespace

std::string channelAddReason(ChannelAddFault fault, View view, const NewChannel& c) {
    switch (fault) {
        case ChannelAddFault::None:
            return {};
        case ChannelAddFault::TableFull:
            return channelTableFullMessage();
        case ChannelAddFault::VideoPid:
            return valueRule(VideoPidRange, c.videoPid);
        case ChannelAddFault::AudioPid:
            if (view != View::Radio && c.audioPid == c.videoPid && c.audioPid != 0) {
                return "Audio PID must differ from Video PID in the TV and ALL views.";
            }
            return valueRule(AudioPidRange, c.audioPid);
        case ChannelAddFault::PcrPid:
            return valueRule(PcrPidRange, c.pcrPid);
        case ChannelAddFault::ServiceId:
            return valueRule(ServiceIdRange, c.serviceId);
    }
    return {};
}

std::string channelAddRefusal(View view, const NewChannel& channel, bool slotLeft) {
    const ChannelAddFault fault = channelAddFault(view, channel, slotLeft);
    if (fault == ChannelAddFault::None) {
        return {};
    }
    return twoLines(channelAddMessage(), channelAddReason(fault, view, channel));
}

// 15360 as "15,360".
std::string withThousands(int n) {
    std::string digits = std::to_string(n);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<size_t>(at), ",");
    }
    return digits;
}

std::string channelTableFullMessage() {
    return "The channel table is full (" + withThousands(ChannelCapacity) + " channels).";
}

std::string duplicateTransponderQuestion(std::string_view satellite, std::string_view shortText) {
    return std::string(satellite) + " already has " + std::string(shortText) + ". Keep both?";
}

// Latin-1 characters take one byte below 0x80 and two bytes (lead 0xC2 or 0xC3) above.
// Every other sequence is either not UTF-8 or a character beyond Latin-1.
bool utf8ToLatin1(std::string_view utf8, std::string& latin1) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            out.push_back(static_cast<char>(byte));
            continue;
        }
        if ((byte != 0xC2 && byte != 0xC3) || i + 1 == utf8.size()) {
            return false;
        }
        auto next = static_cast<unsigned char>(utf8[++i]);
        if ((next & 0xC0) != 0x80) {
            return false;
        }
        out.push_back(static_cast<char>(((byte & 0x03) << 6) | (next & 0x3F)));
    }
    latin1 = std::move(out);
    return true;
}

std::string latin1ToUtf8(std::string_view latin1) {
    std::string out;
    appendLatin1AsUtf8(out, latin1);
    return out;
}

void appendLatin1AsUtf8(std::string& out, std::string_view latin1) {
    out.reserve(out.size() + latin1.size() * 2);
    for (char c : latin1) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
}

}  // namespace kavro
