// What the channel list shows: the channels of the current view, only those of one
// satellite after a tree item was chosen, and of those the ones Find matches. WindowRefresh
// holds the one ListFilter of the window and is the only one that changes it; the view is
// the session's (its view index is built for it), so a new view goes through the session
// and comes back with its change notification.
#pragma once

#include <utility>

#include "database/ChannelFind.h"
#include "database/ViewIndex.h"

namespace kavro {

class ChannelDatabase;

struct ListFilter {
    View view = View::All;
    // The list shows only the channels of `satellite`.
    bool bySatellite = false;
    int satellite = 0;
    // What Find asks of the channels; it stays through opens, views and edits.
    ChannelFind find;

    // True when channel `ch` of the view passes the satellite filter and Find.
    bool passes(const ChannelDatabase& db, int ch) const;
    // The same filter showing the whole view, or only satellite `s`.
    ListFilter wholeView() const {
        ListFilter next = *this;
        next.bySatellite = false;
        return next;
    }
    ListFilter ofSatellite(int s) const {
        ListFilter next = *this;
        next.bySatellite = true;
        next.satellite = s;
        return next;
    }
};

}  // namespace kavro
