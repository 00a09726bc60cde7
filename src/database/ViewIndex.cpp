#include "ViewIndex.h"

#include "ByteOrder.h"
#include "ChannelDatabase.h"

namespace kavro {

namespace {

ViewIndex views;  // zero at start-up: currentView is ViewAll

bool countsInView(int view, bool tv) {
    return view == ViewAll || (tv ? view == ViewTv : view == ViewRadio);
}

void resetCounts() {
    for (int& count : views.satelliteChannelCount) {
        count = 0;
    }
    for (int& count : views.satelliteTransponderCount) {
        count = 0;
    }
    for (int& count : views.transponderChannelCount) {
        count = 0;
    }
    views.tvCount = 0;
    views.radioCount = 0;
    views.allCount = 0;
}

void listTransponders() {
    const ChannelDatabase& db = channelDatabase();
    for (int t = 0; t < TransponderCapacity; ++t) {
        int s = db.transponders[t][tp::SatelliteIndex];
        if (isValidSatellite(s)) {
            views.satelliteTransponderList[s][views.satelliteTransponderCount[s]++] = t;
        }
    }
}

void listChannels() {
    const ChannelDatabase& db = channelDatabase();
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        int t = readU16(db.channels[ch] + ch::TransponderIndex);
        if (t >= TransponderCapacity) {
            continue;
        }
        int s = db.transponders[t][tp::SatelliteIndex];
        if (!isValidSatellite(s)) {
            continue;
        }
        bool tv = (readU16(db.channels[ch] + ch::Flags) & ChannelFlagTv) != 0;
        if (tv) {
            views.tvList[views.tvCount++] = ch;
        } else {
            views.radioList[views.radioCount++] = ch;
        }
        views.allList[views.allCount++] = ch;
        if (countsInView(views.currentView, tv)) {
            ++views.transponderChannelCount[t];
            ++views.satelliteChannelCount[s];
        }
    }
}

// Row `row` of a list of `count` entries; rows beyond the list answer the first entry.
int listEntry(const int* list, int count, int row) {
    return row >= 0 && row < count ? list[row] : list[0];
}

}  // namespace

ViewIndex& viewIndex() {
    return views;
}

void rebuildViewIndex() {
    resetCounts();
    listTransponders();
    listChannels();
}

int viewCount(int view) {
    switch (view) {
        case ViewAll:
            return views.allCount;
        case ViewTv:
            return views.tvCount;
        case ViewRadio:
            return views.radioCount;
        default:
            return 0;
    }
}

bool viewChannel(int view, int row, int& channel) {
    switch (view) {
        case ViewAll:
            channel = listEntry(views.allList, views.allCount, row);
            return true;
        case ViewTv:
            channel = listEntry(views.tvList, views.tvCount, row);
            return true;
        case ViewRadio:
            channel = listEntry(views.radioList, views.radioCount, row);
            return true;
        default:
            return false;
    }
}

int satelliteTransponderCount(int s) {
    return views.satelliteTransponderCount[s];
}

int satelliteTransponder(int s, int i) {
    return views.satelliteTransponderList[s][i];
}

int transponderChannelCount(int t) {
    return views.transponderChannelCount[t];
}

int satelliteChannelCount(int s) {
    return views.satelliteChannelCount[s];
}

}  // namespace kavro
