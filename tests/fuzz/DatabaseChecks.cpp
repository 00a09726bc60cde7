// Checks shared by both fuzz targets: the view index against the tables, the texts of
// every tree item and list cell, and the captured database state.
#include <cstdint>
#include <cstring>

#include "DatabaseState.h"
#include "FuzzChecks.h"
#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/ViewIndex.h"
#include "dbfile/DatabaseImage.h"

namespace kavro::fuzzing {

namespace {

// What each channel slot holds, taken once per check through the accessors: 0 free, else
// ChannelKindTv or ChannelKindRadio.
constexpr uint8_t ChannelKindTv = 1;
constexpr uint8_t ChannelKindRadio = 2;
uint8_t channelKinds[ChannelCapacity];

void takeChannelKinds() {
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        channelKinds[ch] = !isLiveChannel(ch)   ? 0
                           : isRadioChannel(ch) ? ChannelKindRadio
                                                : ChannelKindTv;
    }
}

// A live channel that the lists and counts of `view` include.
bool inView(int view, int ch) {
    const uint8_t kind = channelKinds[ch];
    return kind != 0 && (view == ViewAll || (view == ViewRadio) == (kind == ChannelKindRadio));
}

// Checks one of the three channel lists: the live channels of its kind, ascending.
void checkChannelList(const int* list, int count, int view, const char* name) {
    int expected = 0;
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (!inView(view, ch)) {
            continue;
        }
        if (expected >= count || list[expected] != ch) {
            throw CheckFailure(std::string(name) + " misses a live channel of its kind");
        }
        ++expected;
    }
    if (expected != count) {
        throw CheckFailure(std::string(name) + " holds more than the live channels of its kind");
    }
}

void checkTransponderLists(const ViewIndex& v) {
    int count[SatelliteCapacity] = {};
    for (int t = 0; t < TransponderCapacity; ++t) {
        if (!isLiveTransponder(t)) {
            continue;
        }
        const int s = transponderSatellite(t);
        require(s >= 0 && s < SatelliteCapacity, "a live transponder has a valid satellite");
        require(count[s] < v.satelliteTransponderCount[s] &&
                    v.satelliteTransponderList[s][count[s]] == t,
                "a satellite lists its live transponders in table order");
        ++count[s];
    }
    for (int s = 0; s < SatelliteCapacity; ++s) {
        require(count[s] == v.satelliteTransponderCount[s],
                "a satellite's transponder count is its live transponders");
    }
}

void checkChannelCounts(const ViewIndex& v) {
    static int perTransponder[TransponderCapacity];
    int perSatellite[SatelliteCapacity] = {};
    std::memset(perTransponder, 0, sizeof perTransponder);
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (inView(v.currentView, ch)) {
            ++perTransponder[channelTransponder(ch)];
            ++perSatellite[channelSatellite(ch)];
        }
    }
    for (int t = 0; t < TransponderCapacity; ++t) {
        require(perTransponder[t] == v.transponderChannelCount[t],
                "a transponder's channel count is its channels in the view");
    }
    for (int s = 0; s < SatelliteCapacity; ++s) {
        require(perSatellite[s] == v.satelliteChannelCount[s],
                "a satellite's channel count is its channels in the view");
    }
}

void checkCell(const CellText& cell) {
    require(cell.length >= 0 && cell.length < static_cast<int>(sizeof cell.text),
            "a list cell fits its buffer");
}

void formatTree() {
    for (int s = 0; s < SatelliteCapacity; ++s) {
        if (!isSatelliteShown(s)) {
            continue;
        }
        require(!satelliteItemText(s).empty(), "a satellite item has a text");
        for (int i = 0; i < satelliteTransponderCount(s); ++i) {
            const int t = satelliteTransponder(s, i);
            require(!transponderItemText(t).empty() && !transponderShortText(t).empty(),
                    "a transponder item has a text");
        }
    }
}

}  // namespace

void checkViewIndex() {
    const ViewIndex& v = viewIndex();
    require(v.currentView >= ViewAll && v.currentView <= ViewRadio, "the view is one of three");
    takeChannelKinds();
    checkChannelList(v.allList, v.allCount, ViewAll, "the all list");
    checkChannelList(v.tvList, v.tvCount, ViewTv, "the TV list");
    checkChannelList(v.radioList, v.radioCount, ViewRadio, "the radio list");
    checkTransponderLists(v);
    checkChannelCounts(v);
}

void formatAllTexts(int view) {
    viewIndex().currentView = view;
    rebuildViewIndex();
    checkViewIndex();
    formatTree();
    for (int row = 0; row < viewCount(view); ++row) {
        int ch = ChannelCapacity;
        require(viewChannel(view, row, ch) && isLiveChannel(ch), "a list row shows a live channel");
        for (int column = 0; column < ListColumnCount; ++column) {
            checkCell(channelCellText(row, ch, column));
        }
    }
    for (int slot = 0; slot < FavoriteNameSlots; ++slot) {
        require(favoriteGroupName(slot).size() <= FavoriteNameSize, "a group name fits its slot");
    }
    require(defaultChannelName(view, viewCount(view) + 1).size() <= 16,
            "a default channel name fits a channel name");
}

void DatabaseState::capture() {
    const auto* tables = reinterpret_cast<const uint8_t*>(&channelDatabase());
    tables_.assign(tables, tables + sizeof(ChannelDatabase));
    image_.assign(databaseImage(), databaseImage() + ImageSize);
    header_.assign(workingHeader(), workingHeader() + HeaderSize);
    bytesRead_ = imageBytesRead();
    view_ = viewIndex().currentView;
}

void DatabaseState::restore() const {
    std::memcpy(&channelDatabase(), tables_.data(), tables_.size());
    std::memcpy(databaseImage(), image_.data(), image_.size());
    std::memcpy(workingHeader(), header_.data(), header_.size());
    imageBytesRead() = bytesRead_;
    viewIndex().currentView = view_;
    rebuildViewIndex();
}

bool DatabaseState::matchesCurrent() const {
    return std::memcmp(&channelDatabase(), tables_.data(), tables_.size()) == 0 &&
           std::memcmp(databaseImage(), image_.data(), image_.size()) == 0 &&
           std::memcmp(workingHeader(), header_.data(), header_.size()) == 0 &&
           imageBytesRead() == bytesRead_ && viewIndex().currentView == view_;
}

}  // namespace kavro::fuzzing
