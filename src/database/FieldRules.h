// The validation rules of the edit dialogs, written once for the dialogs and the
// command-line tool, with their exact messages.
#pragma once

#include <string>
#include <string_view>

#include "RecordLayout.h"

namespace kavro {

// The ranges and limits of the edit fields.
constexpr int FrequencyLowMhz = 1000;
constexpr int FrequencyHighMhz = 13000;
constexpr int SymbolRateLow = 1000;
constexpr int SymbolRateHigh = 50000;
constexpr int PolarizationHigh = 1;  // 0 vertical, 1 horizontal
constexpr int PidLow = 0;
constexpr int PidHigh = PidLimit;
constexpr int ServiceIdLow = 0;
// UnassignedServiceId marks the record the next Add Channel on its transponder fills, so
// no channel may be given it.
constexpr int ServiceIdHigh = UnassignedServiceId - 1;
constexpr int ChannelNameLimit = ch::NameLimit;
constexpr int GroupNameLimit = FavoriteNameLimit;
constexpr int SatelliteNameLimit = sat::NameLimit;
constexpr int FavoriteMaskHigh = (1 << FavoriteGroupCount) - 1;
constexpr int RowNumberLow = 0;  // a row of the channel list, as its "No." column counts

struct FieldCheck {
    bool ok = true;
    int value = 0;
    std::string message;   // empty when ok
    bool warning = false;  // warning box (range, length, characters) or plain box (integer)
};

// A decimal integer, optionally signed, with blanks or tabs before and after it.
bool parseIntegerField(std::string_view text, int& value);

std::string integerMessage();                 // "Please enter an integer."
std::string rangeMessage(int low, int high);  // "Please enter an integer between %1 and %2."
std::string lengthMessage(int limit);         // "Please enter no more than %1 characters."
std::string latin1Message();
constexpr std::string_view NulInNameText = "a name cannot hold a NUL character";

// Integer field, then its range.
FieldCheck checkIntegerField(std::string_view text, int low, int high);
// Text of `characters` characters against its limit.
FieldCheck checkTextLength(int characters, int limit);

// Add Channel refuses a zero PID or service ID, and a video PID equal to the audio PID
// outside the radio view. The first field at fault, in the channel dialog's field order.
enum class ChannelAddFault { None, VideoPid, AudioPid, PcrPid, ServiceId };
ChannelAddFault channelAddFault(int view, int videoPid, int audioPid, int pcrPid, int serviceId);
std::string channelAddMessage();      // "Cannot add this channel"
std::string transponderAddMessage();  // "Cannot add tp"

// "there is no live channel N", "there is no live transponder N", with N as the user wrote it.
std::string noLiveChannelMessage(std::string_view shown);
std::string noLiveTransponderMessage(std::string_view shown);

// Names are Latin-1 bytes. UTF-8 text converts when every character exists in Latin-1.
bool utf8ToLatin1(std::string_view utf8, std::string& latin1);
std::string latin1ToUtf8(std::string_view latin1);

}  // namespace kavro
