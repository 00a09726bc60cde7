// What differs between the satellite tables of two databases: the shown bit and the name,
// the two fields of a satellite the editor changes.
#pragma once

#include <vector>

namespace kavro {

class ChannelDatabase;

struct SatelliteChange {
    int satellite = 0;
    bool shown = false;    // bit 0 of the shown flags differs
    bool renamed = false;  // the name differs
};

// The satellites whose shown bit or name differs from `a` to `b`, by index.
std::vector<SatelliteChange> compareSatellites(const ChannelDatabase& a, const ChannelDatabase& b);

}  // namespace kavro
