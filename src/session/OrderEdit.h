// The edit that takes the order of a reference list: one step however many channels move.
#pragma once

#include <string_view>
#include <vector>

namespace kavro {

// The channels, live and each named once, take the places of the first live channels in
// this order; every other live channel follows in its order. Free slots keep their place.
struct OrderChannels {
    std::vector<int> channels;
};

constexpr std::string_view OrderChannelsLabel = "order";  // "order 250 channels"

}  // namespace kavro
