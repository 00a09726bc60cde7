// Lists and counts derived from the tables for the tree and the channel list.
#pragma once

#include "RecordLayout.h"

namespace kavro {

enum ViewMode : int { ViewAll = 0, ViewTv = 1, ViewRadio = 2 };

struct ViewIndex {
    int currentView;
    int tvList[ChannelCapacity];  // live TV channels, ascending
    int tvCount;
    int radioList[ChannelCapacity];  // live radio channels, ascending
    int radioCount;
    int allList[ChannelCapacity];  // every live channel, ascending: the rows of the all view
    int allCount;
    int transponderChannelCount[TransponderCapacity];  // channels of the current view
    int satelliteChannelCount[SatelliteCapacity];      // channels of the current view
    int satelliteTransponderCount[SatelliteCapacity];  // live transponders, any view
    int satelliteTransponderList[SatelliteCapacity][TransponderCapacity];
};

ViewIndex& viewIndex();

void rebuildViewIndex();
int viewCount(int view);
// The channel shown in a row of a view. A row at or beyond the view's count answers the
// first row. False (channel untouched) for a view other than the three.
bool viewChannel(int view, int row, int& channel);
int satelliteTransponderCount(int s);
int satelliteTransponder(int s, int i);
int transponderChannelCount(int t);
int satelliteChannelCount(int s);

}  // namespace kavro
