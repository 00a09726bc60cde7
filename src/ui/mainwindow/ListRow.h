// A channel's slot in the tables and a row of the channel list are both small ints, and
// one is easily taken for the other; these types keep them apart where the list turns one
// into the other (ChannelListModel::channelAt and rowOf, the one place that answers which
// row shows a channel).
#pragma once

#include "database/RecordLayout.h"

namespace kavro {

// A channel's slot; ChannelCapacity for no channel.
struct ChannelSlot {
    constexpr explicit ChannelSlot(int slot = ChannelCapacity) : value(slot) {}
    constexpr bool exists() const { return value >= 0 && value < ChannelCapacity; }
    friend constexpr bool operator==(ChannelSlot, ChannelSlot) = default;

    int value;
};

// A row of the list as shown, 0 at the top; -1 for no row.
struct ListRow {
    constexpr explicit ListRow(int row = -1) : value(row) {}
    constexpr bool exists() const { return value >= 0; }
    friend constexpr auto operator<=>(ListRow, ListRow) = default;

    int value;
};

}  // namespace kavro
