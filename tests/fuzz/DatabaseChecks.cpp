// Checks shared by both fuzz targets: the view index against the tables, the texts of
// every tree item and list cell, and the captured database state.
#include <cstdint>
#include <cstring>
#include <iterator>
#include <span>
#include <string>

#include "DatabaseState.h"
#include "FuzzChecks.h"
#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/ViewIndex.h"
#include "dbfile/DatabaseImage.h"
#include "session/EditSession.h"

namespace kavro::fuzzing {

namespace {

// What each channel slot holds, taken once per check through the accessors: 0 free, else
// ChannelKindTv or ChannelKindRadio.
constexpr uint8_t ChannelKindTv = 1;
constexpr uint8_t ChannelKindRadio = 2;
uint8_t channelKinds[ChannelCapacity];

void takeChannelKinds(const ChannelDatabase& db) {
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        channelKinds[ch] = !db.isLiveChannel(ch)   ? 0
                           : db.isRadioChannel(ch) ? ChannelKindRadio
                                                   : ChannelKindTv;
    }
}

// A live channel that the lists and counts of `view` include.
bool inView(View view, int ch) {
    const uint8_t kind = channelKinds[ch];
    return kind != 0 && (view == View::All || (view == View::Radio) == (kind == ChannelKindRadio));
}

// One of the three channel lists, read in step with a pass over the channel slots.
class ListReader {
public:
    ListReader(const ViewIndex& v, View view, const char* name)
        : list_(v.viewChannels(view)), name_(name) {}

    // `ch`, the next live channel of the list's kind, must be the list's next row.
    void next(int ch) {
        if (at_ >= list_.size() || list_[at_] != ch) {
            throw CheckFailure(std::string(name_) + " misses a live channel of its kind");
        }
        ++at_;
    }
    void end() const {
        if (at_ != list_.size()) {
            throw CheckFailure(std::string(name_) +
                               " holds more than the live channels of its kind");
        }
    }

private:
    std::span<const int> list_;
    const char* name_;
    size_t at_ = 0;
};

// Checks the three channel lists in one pass: each holds the live channels of its kind,
// ascending.
void checkChannelLists(const ViewIndex& v) {
    ListReader all(v, View::All, "the all list");
    ListReader tv(v, View::Tv, "the TV list");
    ListReader radio(v, View::Radio, "the radio list");
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        const uint8_t kind = channelKinds[ch];
        if (kind == 0) {
            continue;
        }
        all.next(ch);
        (kind == ChannelKindRadio ? radio : tv).next(ch);
    }
    all.end();
    tv.end();
    radio.end();
}

void checkTransponderLists(const ChannelDatabase& db, const ViewIndex& v) {
    int count[SatelliteCapacity] = {};
    for (int t = 0; t < TransponderCapacity; ++t) {
        if (!db.isLiveTransponder(t)) {
            continue;
        }
        const int s = db.transponderSatellite(t);
        require(s >= 0 && s < SatelliteCapacity, "a live transponder has a valid satellite");
        require(
            count[s] < v.satelliteTransponderCount(s) && v.satelliteTransponder(s, count[s]) == t,
            "a satellite lists its live transponders in table order");
        ++count[s];
    }
    for (int s = 0; s < SatelliteCapacity; ++s) {
        require(count[s] == v.satelliteTransponderCount(s),
                "a satellite's transponder count is its live transponders");
    }
}

void checkChannelCounts(const ChannelDatabase& db, const ViewIndex& v) {
    static int perTransponder[TransponderCapacity];
    int perSatellite[SatelliteCapacity] = {};
    std::memset(perTransponder, 0, sizeof perTransponder);
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (inView(v.view(), ch)) {
            ++perTransponder[db.channelTransponder(ch)];
            ++perSatellite[db.channelSatellite(ch)];
        }
    }
    for (int t = 0; t < TransponderCapacity; ++t) {
        require(perTransponder[t] == v.transponderChannelCount(t),
                "a transponder's channel count is its channels in the view");
    }
    for (int s = 0; s < SatelliteCapacity; ++s) {
        require(perSatellite[s] == v.satelliteChannelCount(s),
                "a satellite's channel count is its channels in the view");
    }
}

void checkCell(const CellText& cell) {
    require(cell.length >= 0 && cell.length < static_cast<int>(sizeof cell.text),
            "a list cell fits its buffer");
}

void formatTree(const ChannelDatabase& db, const ViewIndex& index) {
    std::string text;
    for (int s = 0; s < SatelliteCapacity; ++s) {
        if (!db.isSatelliteShown(s)) {
            continue;
        }
        require(!satelliteItemText(db, index, s).empty(), "a satellite item has a text");
        for (int i = 0; i < index.satelliteTransponderCount(s); ++i) {
            const int t = index.satelliteTransponder(s, i);
            text.clear();
            appendTransponderItemText(text, db, index, t);
            const size_t item = text.size();
            appendTransponderShortText(text, db, t);
            require(item != 0 && text.size() != item, "a transponder item has a text");
        }
    }
}

}  // namespace

void checkViewIndex(const EditSession& session, bool sameTables) {
    const ChannelDatabase& db = session.database();
    const ViewIndex& v = session.viewIndex();
    require(v.view() >= View::All && v.view() <= View::Radio, "the view is one of three");
    if (!sameTables) {
        takeChannelKinds(db);
    }
    checkChannelLists(v);
    checkTransponderLists(db, v);
    checkChannelCounts(db, v);
}

void formatAllTexts(EditSession& session, View view, bool sameTables) {
    if (session.view() != view) {
        session.setView(view);
    }
    checkViewIndex(session, sameTables);
    const ChannelDatabase& db = session.database();
    const ViewIndex& index = session.viewIndex();
    formatTree(db, index);
    int row = 0;
    for (int ch : index.viewChannels(view)) {
        require(db.isLiveChannel(ch), "a list row shows a live channel");
        for (int column = 0; column < ListColumnCount; ++column) {
            checkCell(channelCellText(db, row, ch, column));
        }
        ++row;
    }
    for (int slot = 0; slot < FavoriteNameSlots; ++slot) {
        require(db.favoriteGroupName(slot).size() <= FavoriteNameSize,
                "a group name fits its slot");
    }
    require(defaultChannelName(view, index.viewCount(view) + 1).size() <= 16,
            "a default channel name fits a channel name");
}

void keepChannelKinds(std::vector<uint8_t>& kept) {
    kept.assign(std::begin(channelKinds), std::end(channelKinds));
}

void useChannelKinds(const std::vector<uint8_t>& kept) {
    require(kept.size() == ChannelCapacity, "kinds of channel were kept");
    std::memcpy(channelKinds, kept.data(), ChannelCapacity);
}

void DatabaseState::capture(const EditSession& session) {
    const uint8_t* tables = session.database().bytes();
    const DatabaseImage& image = session.file().image();
    copyBytes(tables_, tables, table::Size);
    copyBytes(image_, image.bytes(), ImageSize);
    copyBytes(header_, image.workingHeader(), HeaderSize);
    bytesRead_ = image.bytesRead();
    view_ = session.view();
}

bool DatabaseState::matches(const EditSession& session) const {
    const DatabaseImage& image = session.file().image();
    return std::memcmp(session.database().bytes(), tables_.data(), tables_.size()) == 0 &&
           std::memcmp(image.bytes(), image_.data(), image_.size()) == 0 &&
           std::memcmp(image.workingHeader(), header_.data(), header_.size()) == 0 &&
           image.bytesRead() == bytesRead_ && session.view() == view_;
}

bool BaseSession::startAt(const std::vector<uint8_t>& base) {
    const bool loaded = base_ != &base || !atBase_;
    if (loaded) {
        base_ = nullptr;
        require(session_->load(base.data(), base.size()).outcome == OpenOutcome::Accepted,
                "a base file loads");
        base_ = &base;
    }
    atBase_ = false;
    return loaded;
}

BaseSession::Input::~Input() {
    owner_.session_->forgetHistory();
}

}  // namespace kavro::fuzzing
