#include "ViewIndex.h"

#include <cstring>

#include "ByteOrder.h"
#include "ChannelDatabase.h"

namespace kavro {

namespace {

bool countsInView(View view, bool tv) {
    return view == View::All || (tv ? view == View::Tv : view == View::Radio);
}

// Row `row` of a list of `count` entries; rows beyond the list answer the first entry.
int listEntry(const int* list, int count, int row) {
    return row >= 0 && row < count ? list[row] : list[0];
}

}  // namespace

// The lists are left as they are: only their first counts entries are ever read.
ViewIndex::ViewIndex() {
    std::memset(transponderChannelCount_, 0, sizeof transponderChannelCount_);
    std::memset(satelliteChannelCount_, 0, sizeof satelliteChannelCount_);
    std::memset(satelliteTransponderCount_, 0, sizeof satelliteTransponderCount_);
    tvList_[0] = radioList_[0] = allList_[0] = 0;
}

void ViewIndex::rebuild(const ChannelDatabase& db, View view) {
    view_ = view;
    std::memset(transponderChannelCount_, 0, sizeof transponderChannelCount_);
    std::memset(satelliteChannelCount_, 0, sizeof satelliteChannelCount_);
    std::memset(satelliteTransponderCount_, 0, sizeof satelliteTransponderCount_);
    tvCount_ = radioCount_ = allCount_ = 0;
    const ChannelTables& tables = db.tables();
    for (int t = 0; t < TransponderCapacity; ++t) {
        const int s = tables.transponders[t][tp::SatelliteIndex];
        if (isValidSatellite(s)) {
            satelliteTransponderList_[s][satelliteTransponderCount_[s]++] = t;
        }
    }
    // The records are read directly: this runs after every structural edit.
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        const int t = readU16(tables.channels[ch] + ch::TransponderIndex);
        if (t >= TransponderCapacity) {
            continue;
        }
        const int s = tables.transponders[t][tp::SatelliteIndex];
        if (!isValidSatellite(s)) {
            continue;
        }
        const bool tv = (readU16(tables.channels[ch] + ch::Flags) & ChannelFlagTv) != 0;
        if (tv) {
            tvList_[tvCount_++] = ch;
        } else {
            radioList_[radioCount_++] = ch;
        }
        allList_[allCount_++] = ch;
        if (countsInView(view, tv)) {
            ++transponderChannelCount_[t];
            ++satelliteChannelCount_[s];
        }
    }
}

int ViewIndex::viewCount(View view) const {
    return static_cast<int>(viewChannels(view).size());
}

std::span<const int> ViewIndex::viewChannels(View view) const {
    switch (view) {
        case View::All:
            return {allList_, static_cast<size_t>(allCount_)};
        case View::Tv:
            return {tvList_, static_cast<size_t>(tvCount_)};
        case View::Radio:
            return {radioList_, static_cast<size_t>(radioCount_)};
        default:
            return {};
    }
}

bool ViewIndex::viewChannel(View view, int row, int& channel) const {
    switch (view) {
        case View::All:
            channel = listEntry(allList_, allCount_, row);
            return true;
        case View::Tv:
            channel = listEntry(tvList_, tvCount_, row);
            return true;
        case View::Radio:
            channel = listEntry(radioList_, radioCount_, row);
            return true;
        default:
            return false;
    }
}

}  // namespace kavro
