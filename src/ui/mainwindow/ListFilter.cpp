#include "ListFilter.h"

#include "database/ChannelDatabase.h"

namespace kavro {

bool ListFilter::passes(const ChannelDatabase& db, int ch) const {
    return (!bySatellite || db.channelSatellite(ch) == satellite) && find.matches(db, ch);
}

}  // namespace kavro
