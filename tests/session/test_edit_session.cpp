// The edit session: what apply answers and refuses, the rules that keep stored bytes, what
// its observers hear, the modified mark against the saved step, the history's budget and
// the names of the steps.
#include <algorithm>
#include <filesystem>
#include <random>

#include "SessionTestSupport.h"
#include "database/ByteOrder.h"
#include "database/FieldRules.h"
#include "dbfile/ImageFormat.h"
#include "session/StepLabels.h"

namespace kavro::sessiontest {
namespace {

// Satellite 0 with transponders 0 (11727.5 MHz, polarization byte 192) and 1; channels
// "a" to "f" in slots 0..5 on transponder 0, "d" a radio channel, "e" with a video PID word
// of 0xE065 and bytes after its name's NUL, "f" holding service ID 65535.
Bytes sessionImage() {
    testing::TestImageBuilder b(9);
    b.satellite(0, "Sat").transponder(0, 0, 11727500, 27500, 192);
    b.transponder(1, 0, 12000000, 22000, 0);
    const char* names[] = {"a", "b", "c", "d", "e", "f"};
    for (int ch = 0; ch < 6; ++ch) {
        b.channel(ch, 0, names[ch], 100 + ch, ch != 3);
    }
    writeU16(b.channelRecord(4) + ch::VideoPid, 0xE065);
    b.channelRecord(4)[ch::Name + 5] = 0x5A;
    writeU16(b.channelRecord(5) + ch::ServiceId, UnassignedServiceId);
    b.favoriteName(0, "News");
    return b.build();
}

struct Case {
    const char* what;
    Edit edit;
    std::string refusal;  // empty: applied
    bool changed = true;
    int slot = -1;
    int replaced = ChannelCapacity;
};

TEST(EditSession, EditsSayWhatTheyDidAndRefusalsChangeNothing) {
    const std::string noChannel9 = noLiveChannelMessage("9");
    const auto outside = [](const FieldRange& range) {
        return twoLines(rangeMessage(range), fieldLine(range.name));
    };
    const Case cases[] = {
        {"add tp", AddTransponder{0, 11000, 27500, 1}, "", true, 2},
        {"add tp to no satellite", AddTransponder{65, 11000, 27500, 1}, outside(SatelliteRange)},
        {"add tp out of range", AddTransponder{0, 999, 27500, 1}, outside(FrequencyRange)},
        {"add reusing 65535", AddChannel{View::All, 0, "N", 1, 2, 3, 4}, "", true, 5, 5},
        {"add in a free slot", AddChannel{View::All, 1, "N", 1, 2, 3, 4}, "", true, 6},
        {"add refused", AddChannel{View::Tv, 1, "N", 7, 7, 3, 4},
         channelAddRefusal(View::Tv, {"N", 7, 7, 3, 4})},
        {"add 65535", AddChannel{View::All, 1, "N", 1, 2, 3, 65535}, outside(ServiceIdRange)},
        {"add to a dead tp", AddChannel{View::All, 9, "N", 1, 2, 3, 4},
         noLiveTransponderMessage("9")},
        {"edit tp", EditTransponder{1, 12001, 22000, 0}},
        {"edit dead tp", EditTransponder{9, 12001, 22000, 0}, noLiveTransponderMessage("9")},
        {"delete tp", DeleteTransponder{0}},
        {"edit channel", EditChannel{1, "B", 100, 101, 102, 103, true}},
        {"edit unchanged", EditChannel{2, "c", 101, 102, 101, 102, false}, "", false},
        {"edit long name", EditChannel{2, std::string(17, 'x'), 1, 1, 1, 1, false},
         lengthMessage(16)},
        {"edit cas", EditChannel{1, "B", 100, 101, 102, 103, true, 0x24}},
        {"edit cas out of range", EditChannel{1, "B", 100, 101, 102, 103, true, 0x10000},
         outside(CasBitsRange)},
        {"edit dead", EditChannel{9, "x", 1, 1, 1, 1, false}, noChannel9},
        {"delete", DeleteChannels{{1, 3}}},
        {"delete dead", DeleteChannels{{1, 9}}, noChannel9},
        {"move", MoveChannels{{4, 5}, 1}},
        {"move to a dead target", MoveChannels{{1}, 9}, noChannel9},
        {"move in place", MoveChannels{{1}, 2}, "", false},
        {"favourites", SetFavorites{{0, 2}, 0x81}},
        {"favourites out of range", SetFavorites{{0}, 256}, outside(FavoriteMaskRange)},
        {"rename", RenameGroups{{{0, "Sport"}, {7, "Kids"}}}},
        {"rename as stored", RenameGroups{{{0, "News"}}}, "", false},
        {"rename group 9", RenameGroups{{{8, "x"}}}, outside(GroupNumberRange)},
        {"hide satellite", ShowSatellite{0, false}, ""},
        {"show a shown satellite", ShowSatellite{0, true}, "", false},
        {"hide satellite 65", ShowSatellite{65, false}, outside(SatelliteRange)},
        {"rename satellite", RenameSatellite{0, "Aurora 4.8E"}, ""},
        {"rename satellite as stored", RenameSatellite{0, "Sat"}, "", false},
        {"rename satellite, 44 characters", RenameSatellite{0, std::string(44, 'x')},
         lengthMessage(43)},
        {"rename satellite with a NUL", RenameSatellite{0, std::string("a\0b", 3)},
         std::string(NulInNameText)},
        {"rename satellite -1", RenameSatellite{-1, "x"}, outside(SatelliteRange)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto session = loadedSession(sessionImage());
        const Bytes before = tablesOf(*session);
        const EditResult result = session->apply(c.edit);
        EXPECT_EQ(result.applied, c.refusal.empty());
        EXPECT_EQ(result.refusal, c.refusal);
        const bool changed = c.refusal.empty() && c.changed;
        EXPECT_EQ(result.changed, changed);
        EXPECT_EQ(tablesOf(*session) != before, changed);
        EXPECT_EQ(session->canUndo(), changed);
        EXPECT_EQ(session->isModified(), changed);
        EXPECT_EQ(result.slot, c.slot);
        EXPECT_EQ(result.replaced, c.replaced);
        expectIndexCurrent(*session);
    }
}

// What the user left as shown keeps its stored bytes: the rules the dialogs and the tool
// share.
TEST(EditSession, ValuesLeftAsShownKeepTheirStoredBytes) {
    const struct {
        int polarization;  // asked for; stored 192
        int stored;
    } polarizations[] = {{1, 192}, {-1, 192}, {0, 0}};
    for (const auto& p : polarizations) {
        const auto session = loadedSession(sessionImage());
        session->apply(EditTransponder{0, 11727, 27500, p.polarization});
        EXPECT_EQ(session->database().transponderPolarization(0), p.stored) << p.polarization;
        EXPECT_EQ(readU32(session->database().tables().transponders[0] + tp::FrequencyKhz),
                  11727500u);
    }
    const auto session = loadedSession(sessionImage());
    session->apply(EditTransponder{0, 11728, 27500, 1});
    EXPECT_EQ(session->database().transponderFrequencyMhz(0), 11728);
    EXPECT_EQ(readU32(session->database().tables().transponders[0] + tp::FrequencyKhz), 11728000u);

    const ChannelDatabase& db = session->database();
    const uint8_t tail = db.tables().channels[4][ch::Name + 5];
    session->apply(EditChannel{4, "e", 101, 105, 104, 104, false});
    EXPECT_EQ(db.channelVideoPid(4), 0xE065);  // the same 13 bits: the whole word stays
    EXPECT_EQ(db.channelAudioPid(4), 105);
    EXPECT_EQ(db.tables().channels[4][ch::Name + 5], tail);  // the same name: every byte
    session->apply(EditChannel{4, "e", 102, 105, 104, 104, false});
    EXPECT_EQ(db.channelVideoPid(4), 102);
}

TEST(EditSession, ObserversHearEachChangeOnceWithTheChannelsOfTheStep) {
    const auto session = loadedSession(sessionImage());
    ChangeLog log(*session);
    session->apply(MoveChannels{{4, 5}, 1});                 // e f before b: a e f b c d
    session->apply(EditChannel{9, "x", 1, 1, 1, 1, false});  // refused
    session->apply(RenameGroups{{{0, "News"}}});             // no change
    session->apply(SetFavorites{{0}, 1});
    session->undo();
    session->undo();
    session->redo();
    session->setView(View::Radio);
    using enum ChangeReach;
    const struct {
        SessionEvent event;
        ChangeReach reach;
        std::vector<int> channels;
    } expected[] = {
        {SessionEvent::Edited, Order, {1, 2}}, {SessionEvent::Edited, Fields, {0}},
        {SessionEvent::Undone, Fields, {0}},   {SessionEvent::Undone, Order, {4, 5}},
        {SessionEvent::Redone, Order, {1, 2}}, {SessionEvent::ViewChanged, Records, {}},
    };
    ASSERT_EQ(log.entries.size(), std::size(expected));
    for (size_t i = 0; i < log.entries.size(); ++i) {
        EXPECT_EQ(log.entries[i].event, expected[i].event) << i;
        EXPECT_EQ(log.entries[i].reach, expected[i].reach) << i;
        EXPECT_EQ(log.entries[i].channels, expected[i].channels) << i;
    }
    EXPECT_EQ(session->database().channelName(1), "e");
    // A step that deleted channels names them only where they exist: before it.
    session->apply(DeleteChannels{{0, 2}});
    session->undo();
    EXPECT_TRUE(log.entries.back().channels == std::vector<int>({0, 2}));
    session->redo();
    EXPECT_TRUE(log.entries.back().channels.empty());
}

// As QUndoStack::isClean: the mark is off exactly at the position last opened or saved;
// a new step after an undo past the saved one leaves no position unmodified.
TEST(EditSession, TheModifiedMarkFollowsTheSavedPosition) {
    const std::string folder = testing::makeTempDir();
    const auto session = loadedSession(sessionImage());
    const Edit rename = RenameGroups{{{1, "Two"}}};
    session->apply(rename);
    EXPECT_TRUE(session->isModified());
    session->undo();
    EXPECT_FALSE(session->isModified());
    session->redo();
    ASSERT_EQ(session->saveAs(folder + "/saved.tbn").outcome, SaveOutcome::Written);
    EXPECT_EQ(session->path(), folder + "/saved.tbn");
    EXPECT_FALSE(session->isModified());
    session->undo();
    EXPECT_TRUE(session->isModified());
    session->redo();
    EXPECT_FALSE(session->isModified());
    session->undo();
    session->apply(RenameGroups{{{2, "Three"}}});  // the saved step can no longer come back
    session->undo();
    EXPECT_TRUE(session->isModified());
    EXPECT_FALSE(session->undo());
    // Opening clears the history; the file opened counts as saved.
    ASSERT_EQ(session->open(folder + "/saved.tbn").outcome, OpenOutcome::Accepted);
    EXPECT_FALSE(session->canUndo() || session->canRedo() || session->isModified());
    EXPECT_EQ(session->database().favoriteGroupName(1), "Two");
    // Forgetting the steps keeps the mark, either way.
    session->apply(RenameGroups{{{2, "Four"}}});
    session->forgetHistory();
    EXPECT_TRUE(session->isModified());
    EXPECT_FALSE(session->canUndo() || session->canRedo());
    ASSERT_EQ(session->save().outcome, SaveOutcome::Written);
    session->apply(RenameGroups{{{2, "Five"}}});
    session->undo();
    session->forgetHistory();
    EXPECT_FALSE(session->isModified() || session->canRedo());
    std::filesystem::remove_all(folder);
}

// Past its budget the history drops its oldest steps; what is left undoes exactly.
TEST(EditSession, TheBudgetDropsTheOldestSteps) {
    const auto session = loadedSession(sessionImage());
    std::vector<Bytes> states = {tablesOf(*session)};
    for (int i = 0; i < 100; ++i) {
        session->apply(EditChannel{i % 6, "n" + std::to_string(i), 1, 2, 3, i, false});
        states.push_back(tablesOf(*session));
        session->setHistoryBudget(4096);
        EXPECT_LE(session->history().bytes(), 4096u);
    }
    const size_t kept = session->history().stepCount();
    EXPECT_LT(kept, 100u);
    EXPECT_GT(kept, 5u);
    while (session->undo()) {
    }
    EXPECT_TRUE(tablesOf(*session) == states[100 - kept]);
    EXPECT_TRUE(session->isModified());  // the state opened is gone from the history

    // Single-channel edits are kept as the bytes they changed: a thousand take little.
    const auto full = loadedSession(testing::fullCapacityImage());
    std::mt19937 random(5);
    for (int i = 0; i < 1000; ++i) {
        const int channel = static_cast<int>(random() % ChannelCapacity);
        full->apply(EditChannel{channel, "Edit " + std::to_string(i), 1 + i % 8000, 2, 3,
                                static_cast<int>(random() % 60000), i % 2 == 0});
    }
    EXPECT_EQ(full->history().stepCount(), 1000u);
    EXPECT_LT(full->history().bytes(), 1u << 20);
}

// The work space an edit leaves behind is no part of the next step: a small edit after
// bigger ones (one whose bytes a step took over, one whose bytes it copied) records the same
// step as on its own, and undoing them one by one gives back each state.
TEST(EditSession, AnEditAfterBiggerOnesRecordsWhatItAloneWould) {
    std::vector<int> most(ChannelCapacity - 100);
    for (int ch = 0; ch < static_cast<int>(most.size()); ++ch) {
        most[ch] = ch;
    }
    const Edit small = EditChannel{ChannelCapacity - 1, "Last", 1, 2, 3, 4, true};
    const auto alone = loadedSession(testing::fullCapacityImage());
    alone->apply(small);
    const auto after = loadedSession(testing::fullCapacityImage());
    std::vector<Bytes> states = {tablesOf(*after)};
    for (const Edit& edit :
         {Edit(MoveChannels{{0}, ChannelCapacity - 200}), Edit(SetFavorites{most, 0x5A}), small}) {
        ASSERT_TRUE(after->apply(edit).changed);
        states.push_back(tablesOf(*after));
    }
    const size_t record = table::channel(ChannelCapacity - 1);
    EXPECT_TRUE(std::equal(states.back().begin() + record,
                           states.back().begin() + record + ChannelRecordSize,
                           tablesOf(*alone).begin() + record));
    EXPECT_EQ(after->history().nextUndo()->bytes(), alone->history().nextUndo()->bytes());
    for (size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(after->undo());
        EXPECT_TRUE(tablesOf(*after) == states[i - 1]) << "undoing step " << i;
    }
    while (after->redo()) {
    }
    EXPECT_TRUE(tablesOf(*after) == states.back());
    // The steps forgotten, the buffer kept from them serves the next edit as a fresh one.
    after->forgetHistory();
    ASSERT_TRUE(after->apply(MoveChannels{{5}, ChannelCapacity - 300}).changed);
    ASSERT_TRUE(after->undo());
    EXPECT_TRUE(tablesOf(*after) == states.back());
}

// A satellite edit touches its bit or its name and nothing else of the record; undo gives
// back every byte.
TEST(EditSession, SatelliteEditsCarryEveryOtherByte) {
    testing::TestImageBuilder b(5);
    b.satellite(3, "Aurora 4.8E");
    b.satelliteRecord(3)[sat::ShownFlags] = 0xA7;
    b.satelliteRecord(3)[sat::Name + 20] = 0x5A;  // after the name's NUL
    const auto session = loadedSession(b.build());
    const Bytes original = tablesOf(*session);
    const size_t record = table::satellite(3);
    auto changedBytes = [&](const Bytes& before) {
        std::vector<size_t> offsets;
        const Bytes now = tablesOf(*session);
        for (size_t i = 0; i < now.size(); ++i) {
            if (now[i] != before[i]) {
                offsets.push_back(i - record);
            }
        }
        return offsets;
    };
    Bytes before = tablesOf(*session);
    session->apply(ShowSatellite{3, false});
    EXPECT_EQ(changedBytes(before), std::vector<size_t>{sat::ShownFlags});
    EXPECT_EQ(session->database().tables().satellites[3][sat::ShownFlags], 0xA6);
    EXPECT_FALSE(session->database().isSatelliteShown(3));

    before = tablesOf(*session);
    session->apply(RenameSatellite{3, "Aurora"});
    EXPECT_EQ(changedBytes(before), (std::vector<size_t>{sat::Name + 6}));  // the new NUL
    EXPECT_EQ(session->database().satelliteName(3), "Aurora");
    EXPECT_EQ(session->database().tables().satellites[3][sat::Name + 20], 0x5A);

    const std::string longest(SatelliteNameLimit, 'z');
    session->apply(RenameSatellite{3, longest});
    EXPECT_EQ(session->database().satelliteName(3), longest);
    EXPECT_EQ(session->database().tables().satellites[3][SatelliteRecordSize - 1], 0);

    while (session->undo()) {
    }
    EXPECT_EQ(tablesOf(*session), original);
}

TEST(EditSession, StepsAreNamedForUndoAndRedo) {
    const auto session = loadedSession(sessionImage());
    const struct {
        Edit edit;
        const char* label;
    } steps[] = {
        {ShowSatellite{0, false}, "hide satellite Sat"},
        {RenameSatellite{0, "\xC9toile"}, "rename satellite Sat"},
        {ShowSatellite{0, true}, "show satellite \u00C9toile"},
        {DeleteChannels{{0, 1, 2}}, "delete 3 channels"},
        {MoveChannels{{1}, 0}, "move 1 channel"},
        {EditChannel{0, "x", 1, 2, 3, 4, false}, "edit channel"},
        {SetFavorites{{0, 1}, 3}, "set favorites of 2 channels"},
        {RenameGroups{{{3, "G"}}}, "rename favorite groups"},
        {AddTransponder{0, 11000, 27500, 0}, "add transponder"},
        {EditTransponder{1, 11001, 27500, 0}, "edit transponder"},
        {AddChannel{View::All, 1, "N", 1, 2, 3, 4}, "add channel"},
        {DeleteTransponder{1}, "delete transponder"},
    };
    for (const auto& step : steps) {
        ASSERT_TRUE(session->apply(step.edit).changed) << step.label;
        EXPECT_EQ(session->undoLabel(), step.label);
    }
    EXPECT_EQ(undoText(session->undoLabel()), "Undo delete transponder");
    EXPECT_EQ(redoText(session->redoLabel()), "Redo");
    session->undo();
    EXPECT_EQ(redoText(session->redoLabel()), "Redo delete transponder");
    EXPECT_EQ(session->undoLabel(), "add channel");
}

}  // namespace
}  // namespace kavro::sessiontest
