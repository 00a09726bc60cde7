#include "SatelliteChanges.h"

#include "ChannelDatabase.h"

namespace kavro {

std::vector<SatelliteChange> compareSatellites(const ChannelDatabase& a, const ChannelDatabase& b) {
    std::vector<SatelliteChange> changes;
    for (int s = 0; s < SatelliteCapacity; ++s) {
        const SatelliteChange change{s, a.isSatelliteShown(s) != b.isSatelliteShown(s),
                                     a.satelliteName(s) != b.satelliteName(s)};
        if (change.shown || change.renamed) {
            changes.push_back(change);
        }
    }
    return changes;
}

}  // namespace kavro
