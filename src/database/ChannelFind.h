// Finding channels by what the user types: the Find filter of the channel list and the
// list's type-ahead. Names are compared on their Latin-1 bytes without regard to letter
// case: A-Z and the Latin-1 capitals À-Þ (except ×) count as their small letters.
#pragma once

#include <string>
#include <string_view>

namespace kavro {

class ChannelDatabase;

// The small letter of a Latin-1 byte; every other byte as it is.
unsigned char foldLetterCase(unsigned char byte);

// A channel matches when its name contains the text; a text of digits only matches a
// channel whose service ID is that number as well. The empty text matches every channel.
class ChannelFind {
public:
    // Matches every channel.
    ChannelFind() = default;
    // `latin1`: the text as Latin-1 bytes.
    explicit ChannelFind(std::string_view latin1);
    // A text with a character that Latin-1 lacks, which no name can contain.
    static ChannelFind matchingNothing();

    bool isEmpty() const { return folded_.empty() && !nothing_; }
    // Reads the channel's record only; `ch` must be a slot of the table.
    bool matches(const ChannelDatabase& db, int ch) const;

private:
    std::string folded_;
    int serviceId_ = -1;  // the number of a digits-only text; -1 for any other text
    bool nothing_ = false;
};

// The channel's name starts with `latin1`, letter case aside; the empty text starts every
// name.
bool channelNameStartsWith(const ChannelDatabase& db, int ch, std::string_view latin1);

}  // namespace kavro
