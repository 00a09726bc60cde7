// The problems of a list: one planted fault of each kind on a clean table is found once, as
// that kind and about that channel or transponder; look-alikes that are no fault are not
// found; the ready-made databases are clean.
#include <algorithm>
#include <functional>
#include <random>
#include <tuple>

#include "core_tables.h"
#include "database/Problems.h"
#include "session/EditSession.h"
#include "support/TestImageBuilder.h"

namespace kavro::coretest {
namespace {

// The planted cases reach the table through this fixture.
class ProblemsTest : public CoreTest {
public:
    // Four TV channels "a".."d" on transponder 0 with service IDs 1..4: clean.
    void SetUp() override {
        CoreTest::SetUp();
        putLetters(4);
    }
    using CoreTest::db;
    using CoreTest::freeAllChannels;
    using CoreTest::putChannel;
    using CoreTest::putSatellite;
    using CoreTest::putTransponder;
    void setWord(int channel, int offset, int value) {
        writeU16(channelBytes(channel) + offset, static_cast<uint32_t>(value));
    }
    void writeDeleted(int channel) {
        setWord(channel, ch::TransponderIndex, DeletedTransponderIndex);
    }
};

struct Planted {
    const char* name;
    std::function<void(ProblemsTest&)> plant;
    std::string_view kind;
    int channel;
    int transponder;
};

TEST_F(ProblemsTest, ACleanTableHasNoFinding) {
    EXPECT_TRUE(findProblems(*db).empty());
}

TEST_F(ProblemsTest, EachPlantedFaultIsFoundOnceAsItsKind) {
    const Planted cases[] = {
        {"same transponder and service ID", [](ProblemsTest& t) { t.putChannel(6, 0, "z", 2); },
         problem::DuplicateChannel, 6, 0},
        {"a name twice, case aside", [](ProblemsTest& t) { t.putChannel(6, 0, "B", 9); },
         problem::DuplicateName, 6, -1},
        {"names alike but for control characters",
         [](ProblemsTest& t) {
             t.putChannel(6, 0, "x\x01y", 9);
             t.putChannel(7, 0, "X\x85Y", 10);
         },
         problem::DuplicateName, 7, -1},
        {"a name of blanks", [](ProblemsTest& t) { t.putChannel(6, 0, " \t ", 9); },
         problem::BlankName, 6, 0},
        {"an empty name", [](ProblemsTest& t) { t.putChannel(6, 0, "", 9); }, problem::BlankName, 6,
         0},
        {"video PID 8192", [](ProblemsTest& t) { t.setWord(2, ch::VideoPid, 8192); },
         problem::PidRange, 2, -1},
        {"audio PID with high bits", [](ProblemsTest& t) { t.setWord(1, ch::AudioPid, 0xE001); },
         problem::PidRange, 1, -1},
        {"PCR PID 65535", [](ProblemsTest& t) { t.setWord(3, ch::PcrPid, 0xFFFF); },
         problem::PidRange, 3, -1},
        {"service ID 65535", [](ProblemsTest& t) { t.setWord(0, ch::ServiceId, 0xFFFF); },
         problem::PidRange, 0, -1},
        {"channels of a hidden satellite",
         [](ProblemsTest& t) {
             t.putSatellite(2, "Dark", false);
             t.putTransponder(1, 2);
             t.putChannel(8, 1, "y", 1);
             t.putChannel(9, 1, "x", 2);
         },
         problem::HiddenSatellite, 8, -1},
        {"a second transponder of one MHz and polarization",
         [](ProblemsTest& t) {
             t.putTransponder(5, 0, 11727400, 22000, 0);
             t.putChannel(6, 5, "z", 9);
         },
         problem::DuplicateTransponder, -1, 5},
        {"horizontal stored as two bytes",
         [](ProblemsTest& t) {
             t.putTransponder(2, 1, 12000000, 27500, 1);
             t.putTransponder(5, 1, 12000000, 27500, 2);
             t.putChannel(6, 2, "y", 9);
             t.putChannel(7, 5, "z", 9);
         },
         problem::DuplicateTransponder, -1, 5},
        {"a transponder without channels", [](ProblemsTest& t) { t.putTransponder(5, 1); },
         problem::EmptyTransponder, -1, 5},
        {"a transponder whose channels are free slots",
         [](ProblemsTest& t) {
             t.putTransponder(5, 1);
             t.putChannel(9, 5, "gone", 1);
             t.writeDeleted(9);
         },
         problem::EmptyTransponder, -1, 5},
        {"a group with channels but no name",
         [](ProblemsTest& t) {
             t.setWord(3, ch::FavoriteBits, 0x04);
             t.setWord(1, ch::FavoriteBits, 0x04);
         },
         problem::FavoriteUnnamed, 1, -1},
        {"a group named only blanks",
         [](ProblemsTest& t) {
             t.db->setFavoriteGroupName(0, "   ");
             t.setWord(2, ch::FavoriteBits, 0x01);
         },
         problem::FavoriteUnnamed, 2, -1},
    };
    for (const Planted& c : cases) {
        SetUp();
        c.plant(*this);
        const FindingList findings = findProblems(*db);
        ASSERT_EQ(findings.size(), 1u) << c.name;
        EXPECT_EQ(findings[0].kind, c.kind) << c.name;
        EXPECT_EQ(findings[0].channel, c.channel) << c.name;
        EXPECT_EQ(findings[0].transponder, c.transponder) << c.name;
        EXPECT_FALSE(findings[0].text.empty()) << c.name;
        EXPECT_EQ(
            countProblems(findings)[std::find(ProblemKinds.begin(), ProblemKinds.end(), c.kind) -
                                    ProblemKinds.begin()],
            1)
            << c.name;
    }
}

TEST_F(ProblemsTest, LookAlikesThatAreNoFaultAreNotFound) {
    const std::pair<const char*, std::function<void(ProblemsTest&)>> cases[] = {
        {"a TV and a radio channel of one name (shown apart)",
         [](ProblemsTest& t) { t.putChannel(6, 0, "a", 9, false); }},
        {"a service ID again on another transponder",
         [](ProblemsTest& t) {
             t.putTransponder(1, 1);
             t.putChannel(6, 1, "z", 1);
         }},
        {"a free slot that copies a live channel",
         [](ProblemsTest& t) {
             t.putChannel(6, 0, "a", 1);
             t.writeDeleted(6);
         }},
        {"PIDs of 8191 and service ID 65534",
         [](ProblemsTest& t) {
             t.setWord(0, ch::VideoPid, 8191);
             t.setWord(0, ch::ServiceId, 65534);
         }},
        {"a named group",
         [](ProblemsTest& t) {
             t.db->setFavoriteGroupName(7, "Late");
             t.setWord(0, ch::FavoriteBits, 0x80);
         }},
        {"an unnamed group beyond the eight",
         [](ProblemsTest& t) { t.setWord(0, ch::FavoriteBits, 0x100); }},
        {"one MHz in both polarizations and on two satellites",
         [](ProblemsTest& t) {
             t.putTransponder(1, 0, 11727000, 27500, 1);
             t.putTransponder(2, 1, 11727000, 27500, 0);
             t.putChannel(6, 1, "y", 1);
             t.putChannel(7, 2, "z", 1);
         }},
        {"a deleted transponder of one MHz",
         [](ProblemsTest& t) {
             t.putTransponder(1, 0);
             t.db->mutableTables().transponders[1][tp::SatelliteIndex] = DeletedSatelliteIndex;
         }},
        {"a hidden satellite without channels",
         [](ProblemsTest& t) { t.putSatellite(1, "Hotbird", false); }},
    };
    for (const auto& [name, plant] : cases) {
        SetUp();
        plant(*this);
        const FindingList findings = findProblems(*db);
        EXPECT_TRUE(findings.empty()) << name << ": " << (findings.empty() ? "" : findings[0].text);
    }
}

TEST_F(ProblemsTest, FindingsComeByKindThenBySlotAndCountEachKind) {
    putChannel(8, 0, "A", 1);  // duplicate channel of 0, duplicate name of 0
    putChannel(6, 0, "b", 2);  // duplicate channel of 1, duplicate name of 1
    putTransponder(3, 1);      // empty
    const FindingList findings = findProblems(*db);
    std::vector<std::pair<std::string_view, int>> seen;
    for (const Finding& f : findings) {
        seen.emplace_back(f.kind, f.channel);
    }
    EXPECT_EQ(seen,
              (std::vector<std::pair<std::string_view, int>>{{problem::DuplicateChannel, 6},
                                                             {problem::DuplicateChannel, 8},
                                                             {problem::DuplicateName, 6},
                                                             {problem::DuplicateName, 8},
                                                             {problem::EmptyTransponder, -1}}));
    EXPECT_NE(findings[0].text.find("channel 1 \"b\""), std::string::npos) << findings[0].text;
    EXPECT_EQ(countProblems(findings), (std::array<int, 8>{2, 2, 0, 0, 0, 0, 1, 0}));
}

// The window names a channel as its list does, by its No. in the ALL list; the tool by its
// slot. Every finding about a channel carries that No.
TEST_F(ProblemsTest, ChannelsAreNamedBySlotOrByTheirNoInTheAllList) {
    freeAllChannels();
    putChannel(3, 0, "a", 1);
    putChannel(15, 0, "b", 2);
    putChannel(20, 0, "B", 3);  // the name of 15
    putChannel(22, 0, " ", 4);  // blank
    const FindingList bySlot = findProblems(*db);
    const FindingList byNo = findProblems(*db, ChannelNaming::ListNumber);
    ASSERT_EQ(bySlot.size(), 2u);
    ASSERT_EQ(byNo.size(), 2u);
    EXPECT_EQ(bySlot[0].text, "channel 20 \"B\" has the name of channel 15 \"b\" (both TV)");
    EXPECT_EQ(byNo[0].text, "No. 0002 \"B\" has the name of No. 0001 \"b\" (both TV)");
    EXPECT_EQ(byNo[1].text.substr(0, 9), "No. 0003 ");
    for (const FindingList* findings : {&bySlot, &byNo}) {
        EXPECT_EQ((*findings)[0].row, 2);
        EXPECT_EQ((*findings)[1].row, 3);
        EXPECT_EQ((*findings)[0].channel, 20);
    }
}

// Against a reference on random tables: a channel is a duplicate name of the first earlier
// one in its view whose name is the same but for case.
TEST_F(ProblemsTest, ADuplicateNameNamesTheFirstChannelOfThatNameInItsView) {
    std::mt19937 random(5);
    const std::string names[] = {"ab", "AB", "Ab", "b", "B", "abc", "ab ", "x"};
    for (int round = 0; round < 30; ++round) {
        freeAllChannels();
        std::vector<std::tuple<int, std::string, bool>> put;  // slot, name in capitals, TV
        std::vector<std::pair<int, std::string>> expected;    // slot, its finding's end
        for (int ch = 0; ch < 40; ++ch) {
            if (random() % 3 == 0) {
                continue;
            }
            const std::string& name = names[random() % std::size(names)];
            const bool tv = random() % 2 == 0;
            putChannel(ch, 0, name, ch + 1, tv);
            std::string capitals = name;
            std::transform(name.begin(), name.end(), capitals.begin(), ::toupper);
            const auto first = std::find_if(put.begin(), put.end(), [&](const auto& earlier) {
                return std::get<1>(earlier) == capitals && std::get<2>(earlier) == tv;
            });
            if (first != put.end()) {
                const int original = std::get<0>(*first);
                expected.emplace_back(ch, "of channel " + std::to_string(original) + " ");
            }
            put.emplace_back(ch, capitals, tv);
        }
        std::vector<std::pair<int, std::string>> found;
        for (const Finding& f : findProblems(*db)) {
            if (f.kind == problem::DuplicateName) {
                const size_t of = f.text.find("of channel ");
                found.emplace_back(f.channel,
                                   f.text.substr(of, f.text.find(' ', of + 11) - of + 1));
            }
        }
        EXPECT_EQ(found, expected) << round;
    }
}

// A transponder both a duplicate and empty is named alike in its two findings, as one that
// is only empty is.
TEST_F(ProblemsTest, TransponderFindingsNameTheTransponderAlike) {
    putTransponder(2, 1, 12188000, 27500, 1);
    putTransponder(3, 1, 12188000, 22000, 1);  // the frequency and polarization of 2
    putTransponder(5, 0, 10714000, 22000, 0);
    std::vector<std::pair<std::string_view, std::string>> texts;
    for (const Finding& f : findProblems(*db)) {
        texts.emplace_back(f.kind, std::string(f.text));
    }
    using Texts = std::vector<std::pair<std::string_view, std::string>>;
    EXPECT_EQ(texts, (Texts{{problem::DuplicateTransponder,
                             "transponder 3 (12188H 22000 on \"Hotbird\") has the frequency and "
                             "polarization of transponder 2"},
                            {problem::EmptyTransponder,
                             "transponder 2 (12188H 27500 on \"Hotbird\") has no channel"},
                            {problem::EmptyTransponder,
                             "transponder 3 (12188H 22000 on \"Hotbird\") has no channel"},
                            {problem::EmptyTransponder,
                             "transponder 5 (10714V 22000 on \"Astra\") has no channel"}}));
}

using Fields = std::tuple<std::string_view, int, int, int, std::string>;

std::vector<Fields> fieldsOf(const FindingList& findings) {
    std::vector<Fields> fields;
    for (const Finding& f : findings) {
        fields.emplace_back(f.kind, f.channel, f.transponder, f.row, std::string(f.text));
    }
    return fields;
}

// A finder and a list kept from one check to the next find what a fresh check finds, when a
// check of many findings comes before one of few and after one of none.
TEST_F(ProblemsTest, AKeptFinderAndListFindWhatAFreshCheckFinds) {
    const std::function<void(ProblemsTest&)> tables[] = {
        [](ProblemsTest&) {},
        [](ProblemsTest& t) {
            t.putTransponder(1, 1, 10700000);
            for (int ch = 6; ch < 1200; ++ch) {
                t.putChannel(ch, ch % 2, ch % 3 ? "a" : " ", ch % 5);
            }
            for (int tp = 2; tp < 60; ++tp) {
                t.putTransponder(tp, 1);
            }
        },
        [](ProblemsTest& t) {
            t.freeAllChannels();
            t.putChannel(3, 0, "x", 1);
            t.putChannel(4, 0, "X", 1);
        },
    };
    ProblemFinder finder;
    FindingList kept;
    for (const ChannelNaming naming : {ChannelNaming::Slot, ChannelNaming::ListNumber}) {
        for (size_t i = 0; i < std::size(tables); ++i) {
            tables[i](*this);
            finder.find(*db, naming, kept);
            EXPECT_EQ(fieldsOf(kept), fieldsOf(findProblems(*db, naming))) << i;
        }
    }
}

// A list's texts go with it when it moves, and a copy's are its own.
TEST_F(ProblemsTest, CopiedAndMovedListsKeepTheirTexts) {
    for (int ch = 6; ch < 1500; ++ch) {
        putChannel(ch, 0, "a", ch);  // texts enough to fill more than one block
    }
    FindingList original = findProblems(*db);
    const std::vector<Fields> expected = fieldsOf(original);
    ASSERT_GT(expected.size(), 1400u);
    FindingList copied(original);
    FindingList assigned;
    assigned = original;
    FindingList moved(std::move(original));
    original = findProblems(*db, ChannelNaming::ListNumber);  // reused after its move
    for (const FindingList* list : {&copied, &assigned, &moved}) {
        EXPECT_EQ(fieldsOf(*list), expected);
    }
    copied = FindingList();
    EXPECT_EQ(fieldsOf(assigned), expected);
}

// Counted in any order, with findings of no kind among them, against counting each kind.
TEST(Problems, CountsAreTheFindingsOfEachKindInAnyOrder) {
    std::mt19937 random(3);
    for (int round = 0; round < 100; ++round) {
        std::vector<Finding> findings(random() % 30);
        std::array<int, ProblemKinds.size()> expected{};
        for (Finding& finding : findings) {
            const size_t k = random() % (ProblemKinds.size() + 1);
            finding.kind = "no-kind";
            if (k < ProblemKinds.size()) {
                finding.kind = ProblemKinds[k];
                ++expected[k];
            }
        }
        EXPECT_EQ(countProblems(findings), expected) << round;
    }
}

TEST(Problems, TheReadyMadeDatabasesAreCleanButForTheOneServiceId65535) {
    EditSession small;
    ASSERT_TRUE(testing::loadImage(small, testing::smallImage()));
    EXPECT_TRUE(findProblems(small.database()).empty());
    // The full one numbers its services (7c + 1) mod 65536, which makes 65535 once.
    EditSession full;
    ASSERT_TRUE(testing::loadImage(full, testing::fullCapacityImage()));
    const FindingList findings = findProblems(full.database());
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].kind, problem::PidRange);
    EXPECT_EQ(findings[0].channel, 9362);
}

}  // namespace
}  // namespace kavro::coretest
