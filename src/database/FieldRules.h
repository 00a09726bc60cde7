// The validation rules of the edit dialogs, written once for the dialogs and the
// command-line tool, with their exact messages.
#pragma once

#include <string>
#include <string_view>

#include "RecordLayout.h"
#include "View.h"

namespace kavro {

// An integer field: its range and its name as the dialogs label it.
struct FieldRange {
    int low = 0;
    int high = 0;
    std::string_view name;
};

// The ranges and limits of the edit fields.
constexpr FieldRange FrequencyRange{1000, 13000, "Frequency"};
constexpr FieldRange SymbolRateRange{1000, 50000, "Symbol Rate"};
constexpr FieldRange PolarizationRange{0, 1, "Polarity"};  // 0 vertical, 1 horizontal
constexpr FieldRange VideoPidRange{0, PidLimit, "Video PID"};
constexpr FieldRange AudioPidRange{0, PidLimit, "Audio PID"};
constexpr FieldRange PcrPidRange{0, PidLimit, "PCR PID"};
// UnassignedServiceId marks the record the next Add Channel on its transponder fills, so
// no channel may be given it.
constexpr FieldRange ServiceIdRange{0, UnassignedServiceId - 1, "Service ID"};
constexpr FieldRange SatelliteRange{0, SatelliteCapacity - 1, "Satellite"};
constexpr FieldRange CasRange{0, 1, "CAS"};           // the choices Off and On
constexpr FieldRange CasBitsRange{0, 0xFFFF, "CAS"};  // any stored CAS word
constexpr FieldRange LockRange{0, 1, "LOCK"};
constexpr FieldRange FavoriteMaskRange{0, (1 << FavoriteGroupCount) - 1, "Favourites"};
constexpr FieldRange GroupNumberRange{1, FavoriteGroupCount, "Group"};
constexpr int ChannelNameLimit = ch::NameLimit;
constexpr int GroupNameLimit = FavoriteNameLimit;
constexpr int SatelliteNameLimit = sat::NameLimit;
constexpr int RowNumberLow = 0;  // a row of the channel list, as its "No." column counts

struct FieldCheck {
    bool ok = true;
    int value = 0;
    std::string message;   // empty when ok
    std::string field;     // the second line: which field, empty when none is named
    bool warning = false;  // warning box (range, length, characters) or plain box (integer)
};

// A decimal integer, optionally signed, with blanks or tabs before and after it.
bool parseIntegerField(std::string_view text, int& value);

std::string integerMessage();                 // "Please enter an integer."
std::string rangeMessage(int low, int high);  // "Please enter an integer between %1 and %2."
std::string rangeMessage(const FieldRange& range);
// The second line of a field's messages: "Field: Video PID".
std::string fieldLine(std::string_view name);
// A message of two lines, as the dialogs show it.
std::string twoLines(const std::string& first, const std::string& second);
// The lines of a message on one line, for the command-line tool: "Cannot add this channel:
// Service ID must not be 0.", "Please enter an integer between 0 and 64. Field: Satellite".
std::string oneLine(const std::string& message);
std::string lengthMessage(int limit);  // "Please enter no more than %1 characters."
std::string latin1Message();
constexpr std::string_view NulInNameText = "a name cannot hold a NUL character";

// Integer field, then its range.
FieldCheck checkIntegerField(std::string_view text, int low, int high);
// The same, naming the field in the message's second line.
FieldCheck checkIntegerField(std::string_view text, const FieldRange& range);
// Text of `characters` characters against its limit.
FieldCheck checkTextLength(int characters, int limit);

// The values of Add Channel. casIndex is stored as casBits (a negative one as 0), a
// positive lockIndex sets the lock.
struct NewChannel {
    std::string name;  // Latin-1 bytes
    int videoPid = 0;
    int audioPid = 0;
    int pcrPid = 0;
    int serviceId = 0;
    int casIndex = 0;
    int lockIndex = 0;
};

// Add Channel refuses a PID or service ID of 0 or out of its range, a video PID equal to the
// audio PID outside the radio view, and any channel when the table has no free slot. The
// first fault, in the channel dialog's field order; TableFull before the fields.
enum class ChannelAddFault { None, TableFull, VideoPid, AudioPid, PcrPid, ServiceId };
ChannelAddFault channelAddFault(View view, const NewChannel& channel, bool slotLeft = true);
// The second line of the refusal: the field and the rule ("Service ID must not be 0.").
std::string channelAddReason(ChannelAddFault fault, View view, const NewChannel& channel);
// Both lines: "Cannot add this channel" and the reason; empty for None.
std::string channelAddRefusal(View view, const NewChannel& channel, bool slotLeft = true);
std::string channelAddMessage();        // "Cannot add this channel"
std::string channelTableFullMessage();  // "The channel table is full (15,360 channels)."
std::string transponderAddMessage();    // "Cannot add tp"
// Asked before Add or Edit TP makes a second transponder with one frequency and
// polarization on a satellite: "Aurora already has 11222V. Keep both?"
std::string duplicateTransponderQuestion(std::string_view satellite, std::string_view shortText);

// "there is no live channel N", "there is no live transponder N", with N as the user wrote it.
std::string noLiveChannelMessage(std::string_view shown);
std::string noLiveTransponderMessage(std::string_view shown);

// Names are Latin-1 bytes. UTF-8 text converts when every character exists in Latin-1.
bool utf8ToLatin1(std::string_view utf8, std::string& latin1);
std::string latin1ToUtf8(std::string_view latin1);
// The same, appended to `out`.
void appendLatin1AsUtf8(std::string& out, std::string_view latin1);

}  // namespace kavro
