// Lists and counts derived from the tables for the tree and the channel list, for one view.
// A value: rebuilt from a database whenever its liveness, order, TV bits or transponder
// satellites change. About 0.8 MB: owners keep it on the heap.
#pragma once

#include <span>

#include "RecordLayout.h"
#include "View.h"

namespace kavro {

class ChannelDatabase;

class ViewIndex {
public:
    // Empty, for View::All.
    ViewIndex();

    // Lists every live channel and transponder of `db`; the channel counts are those of
    // `view` (none for a view other than the three).
    void rebuild(const ChannelDatabase& db, View view);
    // The view the counts were made for.
    View view() const { return view_; }

    int viewCount(View view) const;
    // The live channels of a view, ascending; empty for a view other than the three.
    std::span<const int> viewChannels(View view) const;
    // The channel shown in a row of a view. A row at or beyond the view's count answers the
    // first row. False (channel untouched) for a view other than the three.
    bool viewChannel(View view, int row, int& channel) const;

    // The live transponders of satellite s, in table order; hidden satellites included.
    int satelliteTransponderCount(int s) const { return satelliteTransponderCount_[s]; }
    int satelliteTransponder(int s, int i) const { return satelliteTransponderList_[s][i]; }
    // Channels of the view on transponder t and on satellite s.
    int transponderChannelCount(int t) const { return transponderChannelCount_[t]; }
    int satelliteChannelCount(int s) const { return satelliteChannelCount_[s]; }

private:
    View view_ = View::All;
    int tvList_[ChannelCapacity];
    int tvCount_ = 0;
    int radioList_[ChannelCapacity];
    int radioCount_ = 0;
    int allList_[ChannelCapacity];  // the rows of the all view
    int allCount_ = 0;
    int transponderChannelCount_[TransponderCapacity];
    int satelliteChannelCount_[SatelliteCapacity];
    int satelliteTransponderCount_[SatelliteCapacity];
    int satelliteTransponderList_[SatelliteCapacity][TransponderCapacity];
};

}  // namespace kavro
