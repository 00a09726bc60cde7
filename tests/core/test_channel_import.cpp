// Copying from another database: the matching and the plan as one table of cases, and the
// property that a database imported whole into an emptied copy of itself comes back.
#include <functional>
#include <random>

#include "core_tables.h"
#include "database/ChannelImport.h"
#include "database/ChannelMatch.h"
#include "database/FieldRules.h"
#include "session/EditSession.h"
#include "support/TestImageBuilder.h"

namespace kavro::coretest {
namespace {

// Both databases start with every slot free; here "Astra" is satellite 0 and "Hotbird" 1,
// there "Hotbird" is 0, "Astra" 1 and "Thor" (not here) 2. Transponder 0 here and there is
// Astra 11727 V.
struct Pair {
    Pair() {
        for (ChannelDatabase* db : {&here, &other}) {
            for (int t = 0; t < TransponderCapacity; ++t) {
                db->mutableTables().transponders[t][tp::SatelliteIndex] = DeletedSatelliteIndex;
            }
            for (int c = 0; c < ChannelCapacity; ++c) {
                writeU16(db->mutableTables().channels[c] + ch::TransponderIndex,
                         DeletedTransponderIndex);
            }
        }
        putSatellite(here, 0, "Astra");
        putSatellite(here, 1, "Hotbird");
        putSatellite(other, 0, "Hotbird");
        putSatellite(other, 1, "Astra");
        putSatellite(other, 2, "Thor");
        putTransponder(here, 0, 0);
        putTransponder(other, 0, 1);
    }
    ChannelDatabase here;
    ChannelDatabase other;
    ImportRequest request;
};

struct Case {
    const char* name;
    std::function<void(Pair&)> setUp;
    int copied, updated, present, refused, newTransponders;
    const char* refusal;  // part of it; nullptr: accepted
    std::function<void(const Pair&)> check;
};

void fillBytes(uint8_t* bytes, int length, uint32_t seed) {
    std::mt19937 random(seed);
    for (int i = 0; i < length; ++i) {
        bytes[i] = static_cast<uint8_t>(random());
    }
}

const Case cases[] = {
    {"a satellite pairs by name; the record travels byte for byte",
     [](Pair& p) {
         putTransponder(p.other, 7, 0, 10719000, 22000, 1);
         fillBytes(p.other.mutableTables().transponders[7] + 11, 17, 1);
         putChannel(p.other, 3, 7, "Rai", 3401);
         fillBytes(p.other.mutableTables().channels[3] + 40, 24, 2);
         writeU16(p.other.mutableTables().channels[3] + ch::VideoPid, 0xFFFF);
         p.request.channels = {3};
     },
     1, 0, 0, 0, 1, nullptr,
     [](const Pair& p) {
         EXPECT_EQ(p.here.transponderSatellite(1), 1);
         EXPECT_EQ(0, std::memcmp(p.here.tables().transponders[1] + 1,
                                  p.other.tables().transponders[7] + 1, TransponderRecordSize - 1));
         EXPECT_EQ(p.here.channelTransponder(0), 1);
         EXPECT_EQ(0, std::memcmp(p.here.tables().channels[0] + 2, p.other.tables().channels[3] + 2,
                                  ChannelRecordSize - 2));
     }},
    {"a satellite without a namesake is not importable, with its name",
     [](Pair& p) {
         putTransponder(p.other, 1, 2);
         putChannel(p.other, 0, 1, "DR1", 1);
         putChannel(p.other, 1, 0, "ZDF", 2);
         p.request.channels = {0, 1};
     },
     1, 0, 0, 1, 0, nullptr,
     [](const Pair& p) {
         EXPECT_EQ(p.here.channelName(0), "ZDF");
         EXPECT_FALSE(p.here.isLiveChannel(1));
     }},
    {"a transponder is reused on satellite, MHz and polarization; symbol rate aside",
     [](Pair& p) {
         putTransponder(p.here, 5, 0, 12000000, 27500, 1);
         putTransponder(p.other, 2, 1, 12000999, 30000, 7);
         putTransponder(p.other, 3, 1, 12000000, 27500, 0);
         putChannel(p.other, 0, 2, "H", 1);
         putChannel(p.other, 1, 3, "V", 1);
         p.request.channels = {0, 1};
     },
     2, 0, 0, 0, 1, nullptr,
     [](const Pair& p) {
         EXPECT_EQ(p.here.channelTransponder(0), 5);
         EXPECT_EQ(p.here.channelTransponder(1), 1);
         EXPECT_EQ(p.here.transponderPolarization(1), 0);
     }},
    {"a transponder asked for alone is added without channels",
     [](Pair& p) {
         putTransponder(p.other, 4, 0, 11000000);
         putTransponder(p.other, 5, 1);  // Astra 11727 V, here already
         p.request.transponders = {4, 5};
     },
     0, 0, 0, 0, 1, nullptr, [](const Pair& p) { EXPECT_EQ(p.here.transponderSatellite(1), 1); }},
    {"a channel here by key and name is skipped; by key alone when the key stands once",
     [](Pair& p) {
         putChannel(p.here, 0, 0, "Same", 10);
         putChannel(p.here, 1, 0, "Old name", 11);
         putChannel(p.here, 2, 0, "Twin A", 12);
         putChannel(p.here, 3, 0, "Twin B", 12);
         putChannel(p.other, 0, 0, "Same", 10);
         putChannel(p.other, 1, 0, "New name", 11);
         putChannel(p.other, 2, 0, "Twin C", 12);
         putChannel(p.other, 3, 0, "Twin B", 12);
         p.request.channels = {0, 1, 2, 3};
     },
     1, 0, 3, 0, 0, nullptr, [](const Pair& p) { EXPECT_EQ(p.here.channelName(4), "Twin C"); }},
    {"two channels there sharing a key, neither here, are both copied",
     [](Pair& p) {
         putChannel(p.other, 0, 0, "Dup", 10);
         putChannel(p.other, 1, 0, "Dup", 10);
         p.request.channels = {0, 1};
     },
     2, 0, 0, 0, 0, nullptr, nullptr},
    {"Update takes the fields and groups, keeps the transponder and the place",
     [](Pair& p) {
         putTransponder(p.here, 3, 0, 11727000);  // a second Astra 11727 V here
         putChannel(p.here, 0, 0, "Keep", 10);
         putChannel(p.here, 1, 3, "Mine", 10);
         putChannel(p.other, 5, 0, "Mine", 10);
         writeU16(p.other.mutableTables().channels[5] + ch::AudioPid, 0x3333);
         writeU16(p.other.mutableTables().channels[5] + ch::FavoriteBits, 0x0105);
         putChannel(p.other, 6, 0, "Mine", 10);  // a second claim on the same partner
         p.request.channels = {5, 6};
         p.request.update = true;
     },
     0, 1, 1, 0, 0, nullptr,
     [](const Pair& p) {
         EXPECT_EQ(p.here.channelTransponder(1), 3);
         EXPECT_EQ(p.here.channelAudioPid(1), 0x3333);
         EXPECT_EQ(p.here.channelFavoriteBits(1), 0x0105);
         EXPECT_EQ(p.here.channelName(0), "Keep");
     }},
    {"favourites by name go to the group of that name; one not here is dropped",
     [](Pair& p) {
         p.here.setFavoriteGroupName(0, "News");
         p.here.setFavoriteGroupName(4, "Sport");
         p.other.setFavoriteGroupName(2, "Sport");
         p.other.setFavoriteGroupName(3, "Kids");
         putChannel(p.other, 0, 0, "A", 1);
         writeU16(p.other.mutableTables().channels[0] + ch::FavoriteBits, 0x010C);
         p.request.channels = {0};
         p.request.favorites = FavoriteMatch::ByName;
     },
     1, 0, 0, 0, 0, nullptr,
     [](const Pair& p) { EXPECT_EQ(p.here.channelFavoriteBits(0), 0x0110); }},
    {"the copies go before the chosen channel in the other's order, gaps filled first",
     [](Pair& p) {
         putChannel(p.here, 0, 0, "a", 1);
         putChannel(p.here, 2, 0, "b", 2);
         putChannel(p.here, 3, 0, "c", 3);
         putChannel(p.other, 4, 0, "y", 5);
         putChannel(p.other, 1, 0, "x", 4);
         p.request.channels = {4, 1};
         p.request.before = 2;
     },
     2, 0, 0, 0, 0, nullptr,
     [](const Pair& p) {
         std::string order;
         for (int c = 0; c < 5; ++c) {
             order += p.here.isLiveChannel(c) ? p.here.channelName(c) : ".";
         }
         EXPECT_EQ(order, "axybc");
     }},
    {"at the end the copies take the slots after the last channel; nothing here moves",
     [](Pair& p) {
         putChannel(p.here, 0, 0, "a", 1);
         putChannel(p.here, 2, 0, "b", 2);
         putChannel(p.other, 0, 0, "x", 4);
         p.request.channels = {0};
     },
     1, 0, 0, 0, 0, nullptr,
     [](const Pair& p) {
         EXPECT_FALSE(p.here.isLiveChannel(1));
         EXPECT_EQ(p.here.channelName(3), "x");
     }},
    {"without room after the last channel the gaps are used and closed",
     [](Pair& p) {
         for (int c = 0; c < ChannelCapacity - 1; ++c) {
             putChannel(p.here, c, 0, "f", c);
         }
         writeU16(p.here.mutableTables().channels[3] + ch::TransponderIndex,
                  DeletedTransponderIndex);
         putChannel(p.other, 0, 0, "x", 65000);
         putChannel(p.other, 1, 0, "y", 65001);
         p.request.channels = {0, 1};
     },
     2, 0, 0, 0, 0, nullptr,
     [](const Pair& p) {
         EXPECT_EQ(p.here.channelName(ChannelCapacity - 2), "x");
         EXPECT_EQ(p.here.channelName(ChannelCapacity - 1), "y");
         EXPECT_EQ(p.here.channelServiceId(3), 4);  // the channels after the gap moved up
     }},
    {"a full channel table stops it before anything is copied",
     [](Pair& p) {
         for (int c = 0; c < ChannelCapacity - 1; ++c) {
             putChannel(p.here, c, 0, "f", c);
         }
         putTransponder(p.other, 9, 0, 10000000);
         putChannel(p.other, 0, 9, "one", 1);
         putChannel(p.other, 1, 9, "two", 2);
         p.request.channels = {0, 1};
     },
     0, 0, 0, 0, 0, "room for 1 of the 2 channels", nullptr},
    {"a full transponder table stops it too",
     [](Pair& p) {
         for (int t = 1; t < TransponderCapacity; ++t) {
             putTransponder(p.here, t, 1, 10000000 + 1000 * static_cast<uint32_t>(t));
         }
         putTransponder(p.other, 9, 0, 10000000);  // Hotbird 10000 V is not here
         putChannel(p.other, 0, 9, "one", 1);
         p.request.channels = {0};
     },
     0, 0, 0, 0, 0, "room for 0 of the 1 transponders", nullptr},
    {"a slot there that holds no live channel is refused",
     [](Pair& p) { p.request.channels = {17}; }, 0, 0, 0, 0, 0, "no live channel 17 in the other",
     nullptr},
};

TEST(ChannelImport, MatchesPlansAndCopiesAsEachCaseSays) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto p = std::make_unique<Pair>();
        c.setUp(*p);
        ChannelDatabase before = p->here;
        ImportMatch match;
        matchImport(p->here, p->other, match);
        ImportPlan plan;
        planImport(p->here, p->other, match, p->request, plan);
        if (c.refusal != nullptr) {
            EXPECT_NE(plan.refusal.find(c.refusal), std::string::npos) << plan.refusal;
            continue;
        }
        ASSERT_EQ(plan.refusal, "");
        EXPECT_EQ(plan.copied, c.copied);
        EXPECT_EQ(plan.updated, c.updated);
        EXPECT_EQ(plan.present, c.present);
        EXPECT_EQ(plan.refused, c.refused);
        EXPECT_EQ(static_cast<int>(plan.newTransponders.size()), c.newTransponders);
        std::vector<uint8_t> buffer;
        applyImport(p->here, p->other, plan, buffer);
        // Nothing before the first channel slot it may write changes.
        EXPECT_EQ(0, std::memcmp(p->here.tables().channels, before.tables().channels,
                                 static_cast<size_t>(plan.firstChannelSlot) * ChannelRecordSize));
        EXPECT_EQ(0, std::memcmp(p->here.tables().satellites, before.tables().satellites,
                                 sizeof(ChannelTables::satellites)));
        if (c.check) {
            c.check(*p);
        }
    }
}

// Random tables with gaps, shared keys, duplicate satellite names and random bytes wherever
// the program does not look.
void randomDatabase(ChannelDatabase& db, std::mt19937& random) {
    fillBytes(db.mutableBytes(), static_cast<int>(table::Size), random());
    const char* names[] = {"A", "B", "A", "C"};
    for (int s = 0; s < SatelliteCapacity; ++s) {
        std::memset(db.mutableTables().satellites[s] + sat::Name, 0, sat::NameArea);
        putSatellite(db, s, names[s % 4]);
    }
    for (int t = 0; t < TransponderCapacity; ++t) {
        uint8_t* rec = db.mutableTables().transponders[t];
        rec[tp::SatelliteIndex] =
            random() % 3 == 0 ? DeletedSatelliteIndex : static_cast<uint8_t>(random() % 6);
        writeU32(rec + tp::FrequencyKhz, 10000000 + 1000 * (random() % 40));
        rec[tp::Polarization] = static_cast<uint8_t>(random() % 3);
    }
    for (int c = 0; c < ChannelCapacity; ++c) {
        uint8_t* rec = db.mutableTables().channels[c];
        writeU16(rec + ch::TransponderIndex,
                 random() % 4 == 0 ? DeletedTransponderIndex : random() % TransponderCapacity);
        writeU16(rec + ch::ServiceId, random() % 5);
    }
}

std::vector<int> liveSlots(const ChannelDatabase& db, int capacity, bool channels) {
    std::vector<int> slots;
    for (int i = 0; i < capacity; ++i) {
        if (channels ? db.isLiveChannel(i) : db.isLiveTransponder(i)) {
            slots.push_back(i);
        }
    }
    return slots;
}

// The keys taken a transponder at a time are those taken a channel at a time, for live
// channels only, with transponder references past the table among them.
TEST(ChannelMatch, TransponderKeysKeyEachLiveChannelAsItsOwnKeyDoes) {
    std::mt19937 random(7);
    auto db = std::make_unique<ChannelDatabase>();
    randomDatabase(*db, random);
    for (int ch = 0; ch < ChannelCapacity; ch += 97) {
        writeU16(db->mutableTables().channels[ch] + ch::TransponderIndex, 0xFFFE - ch % 3);
    }
    const TransponderKeys keys(*db);
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        uint64_t key = 0;
        ASSERT_EQ(keys.liveChannelKey(ch, key), db->isLiveChannel(ch)) << "channel " << ch;
        if (db->isLiveChannel(ch)) {
            ASSERT_EQ(key, channelMatchKey(*db, ch)) << "channel " << ch;
        }
    }
}

TEST(ChannelImport, AWholeDatabaseImportedIntoItsEmptiedCopyComesBack) {
    std::mt19937 random(25);
    for (int round = 0; round < 4; ++round) {
        auto original = std::make_unique<ChannelDatabase>();
        randomDatabase(*original, random);
        auto copy = std::make_unique<ChannelDatabase>(*original);
        for (int t : liveSlots(*copy, TransponderCapacity, false)) {
            deleteTransponder(*copy, t);
        }
        ImportMatch match;
        matchImport(*copy, *original, match);
        ImportRequest request;
        request.transponders = liveSlots(*original, TransponderCapacity, false);
        request.channels = liveSlots(*original, ChannelCapacity, true);
        ImportPlan plan;
        planImport(*copy, *original, match, request, plan);
        ASSERT_EQ(plan.refusal, "");
        std::vector<uint8_t> buffer;
        applyImport(*copy, *original, plan, buffer);

        const auto transponders = liveSlots(*original, TransponderCapacity, false);
        const auto copied = liveSlots(*copy, TransponderCapacity, false);
        ASSERT_EQ(copied.size(), transponders.size());
        for (size_t k = 0; k < copied.size(); ++k) {
            EXPECT_EQ(0, std::memcmp(copy->tables().transponders[copied[k]],
                                     original->tables().transponders[transponders[k]],
                                     TransponderRecordSize));
        }
        const auto channels = liveSlots(*original, ChannelCapacity, true);
        const auto result = liveSlots(*copy, ChannelCapacity, true);
        ASSERT_EQ(result.size(), channels.size());
        for (size_t k = 0; k < result.size(); ++k) {
            const uint8_t* got = copy->tables().channels[result[k]];
            const uint8_t* want = original->tables().channels[channels[k]];
            ASSERT_EQ(0, std::memcmp(got + 2, want + 2, ChannelRecordSize - 2)) << k;
            ASSERT_EQ(
                0, std::memcmp(
                       copy->tables().transponders[copy->channelTransponder(result[k])],
                       original->tables().transponders[original->channelTransponder(channels[k])],
                       TransponderRecordSize));
        }
        EXPECT_EQ(plan.copied, static_cast<int>(channels.size()));
    }
}

// In a session: one step named after the source, undone to the byte; refused whole with a
// target that is no channel.
TEST(ImportStep, IsOneStepThatUndoesToTheByte) {
    EditSession session;
    ASSERT_TRUE(testing::loadImage(session, testing::smallImage()));
    const std::vector<uint8_t> start(session.database().bytes(),
                                     session.database().bytes() + table::Size);
    auto source = std::make_shared<ChannelDatabase>(session.database());
    const int fresh = ChannelCapacity - 1;
    std::memcpy(source->mutableTables().channels[fresh], source->tables().channels[0],
                ChannelRecordSize);
    source->setChannelServiceId(fresh, 4242);
    source->setChannelName(fresh, "Fresh");
    source->setChannelAudioPid(1, 1234);

    ImportChannels edit{source, "B.tbn", {}};
    edit.request.channels = {1, fresh};
    edit.request.update = true;
    edit.request.before = 1;
    const EditResult result = session.apply(edit);
    ASSERT_TRUE(result.changed) << result.refusal;
    EXPECT_EQ(session.undoLabel(), "import 2 channels from B.tbn");
    EXPECT_EQ(session.database().channelName(1), "Fresh");
    EXPECT_EQ(session.database().channelAudioPid(2), 1234);
    EXPECT_EQ(session.history().nextUndo()->channelsAfter(), (std::vector<int>{1, 2}));
    const std::vector<uint8_t> done(session.database().bytes(),
                                    session.database().bytes() + table::Size);
    ASSERT_TRUE(session.undo());
    EXPECT_TRUE(std::equal(start.begin(), start.end(), session.database().bytes()));
    ASSERT_TRUE(session.redo());
    EXPECT_TRUE(std::equal(done.begin(), done.end(), session.database().bytes()));

    edit.request.before = fresh;  // a free slot here
    EXPECT_EQ(session.apply(edit).refusal, noLiveChannelMessage(std::to_string(fresh)));
    EXPECT_TRUE(std::equal(done.begin(), done.end(), session.database().bytes()));
}

}  // namespace
}  // namespace kavro::coretest
