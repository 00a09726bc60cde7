// What the session tests share: a session loaded with a test image, its tables as bytes,
// the check that its view index is current, and an observer that writes down each change.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "database/ChannelDatabase.h"
#include "database/ViewIndex.h"
#include "session/EditSession.h"
#include "support/TestImageBuilder.h"

namespace kavro::sessiontest {

using Bytes = std::vector<uint8_t>;

inline Bytes tablesOf(const EditSession& session) {
    return Bytes(session.database().bytes(), session.database().bytes() + table::Size);
}

// The session's view index against one rebuilt from its tables now.
inline void expectIndexCurrent(const EditSession& session) {
    const auto fresh = std::make_unique<ViewIndex>();
    fresh->rebuild(session.database(), session.view());
    const ViewIndex& index = session.viewIndex();
    for (View view : {View::All, View::Tv, View::Radio}) {
        const auto a = index.viewChannels(view);
        const auto b = fresh->viewChannels(view);
        ASSERT_TRUE(std::equal(a.begin(), a.end(), b.begin(), b.end()))
            << "view " << viewNumber(view);
    }
    for (int s = 0; s < SatelliteCapacity; ++s) {
        ASSERT_EQ(index.satelliteTransponderCount(s), fresh->satelliteTransponderCount(s));
        ASSERT_EQ(index.satelliteChannelCount(s), fresh->satelliteChannelCount(s));
    }
    for (int t = 0; t < TransponderCapacity; ++t) {
        ASSERT_EQ(index.transponderChannelCount(t), fresh->transponderChannelCount(t));
    }
}

// Every change the session reported, in order.
class ChangeLog : public SessionObserver {
public:
    struct Entry {
        SessionEvent event;
        ChangeReach reach;
        std::vector<int> channels;
    };

    explicit ChangeLog(EditSession& session) : session_(session) { session_.addObserver(*this); }
    ~ChangeLog() override { session_.removeObserver(*this); }

    void sessionChanged(const SessionChange& change) override {
        entries.push_back({change.event, change.reach,
                           std::vector<int>(change.channels.begin(), change.channels.end())});
    }
    int count(SessionEvent event) const {
        int n = 0;
        for (const Entry& entry : entries) {
            n += entry.event == event ? 1 : 0;
        }
        return n;
    }

    std::vector<Entry> entries;

private:
    EditSession& session_;
};

// A session with `image` loaded; the test fails when it is refused.
inline std::unique_ptr<EditSession> loadedSession(const Bytes& image) {
    auto session = std::make_unique<EditSession>();
    EXPECT_TRUE(testing::loadImage(*session, image));
    return session;
}

}  // namespace kavro::sessiontest
