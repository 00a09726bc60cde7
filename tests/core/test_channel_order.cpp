// The rules the list's Find, Move and Sort commands and the tool's move-channels ... to N and
// sort-channels share: the find match, the move to a row, and the sort among held slots.
#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "core_tables.h"
#include "database/ChannelFind.h"
#include "database/ChannelOrder.h"
#include "database/TableEditing.h"

namespace kavro::coretest {
namespace {

using Record = std::array<uint8_t, ChannelRecordSize>;

std::vector<Record> recordsOf(const ChannelDatabase& db) {
    std::vector<Record> records(ChannelCapacity);
    for (int c = 0; c < ChannelCapacity; ++c) {
        std::memcpy(records[static_cast<size_t>(c)].data(), db.tables().channels[c],
                    ChannelRecordSize);
    }
    return records;
}

class ChannelOrderTest : public CoreTest {
protected:
    // The service IDs of the live channels in table order: each test's channels carry their
    // identity there.
    std::vector<int> liveIds() const {
        std::vector<int> ids;
        for (int c = 0; c < ChannelCapacity; ++c) {
            if (db->isLiveChannel(c)) {
                ids.push_back(db->channelServiceId(c));
            }
        }
        return ids;
    }
    std::vector<uint8_t> buffer;
};

TEST_F(ChannelOrderTest, FindMatchesNamesLetterCaseAsideAndDigitsAsServiceIds) {
    struct Case {
        const char* name;
        int serviceId;
        const char* text;
        bool matches;
    } cases[] = {
        {"Das Erste", 28106, "", true},
        {"Das Erste", 28106, "erste", true},
        {"Das Erste", 28106, "ERSTE", true},
        {"Das Erste", 28106, "s E", true},
        {"Das Erste", 28106, "Erster", false},
        {"\xC4RZTE TV", 1, "\xE4rzte", true},  // Ä matches ä
        {"\xE4rzte TV", 1, "\xC4RZTE", true},  // and the other way round
        {"\xDE"
         "ORN",
         1,
         "\xFE"
         "orn",
         true},  // Þ, the last folded capital
        {"5\xD7"
         "5",
         1,
         "5\xF7"
         "5",
         false},  // × and ÷ are no letters
        {"\xDF"
         "x",
         1,
         "\xDF"
         "X",
         true},                              // ß has no capital of its own
        {"Sky 1", 12, "1", true},            // digits in the name
        {"News", 12, "12", true},            // the service ID
        {"News", 12, "012", true},           // the number, not the text
        {"News", 123, "12", false},          // the whole number only
        {"News", 12, "1 2", false},          // blanks make it a name text
        {"News", 12, "99999999999", false},  // beyond every service ID
        {"", 0, "0", true},
        {"", 0, "a", false},
    };
    for (const Case& c : cases) {
        putChannel(0, 0, c.name, c.serviceId);
        EXPECT_EQ(ChannelFind(c.text).matches(*db, 0), c.matches)
            << '"' << c.name << "\" / " << c.serviceId << " for \"" << c.text << '"';
    }
    EXPECT_FALSE(ChannelFind::matchingNothing().matches(*db, 0));
    EXPECT_TRUE(ChannelFind().isEmpty());
    EXPECT_FALSE(ChannelFind::matchingNothing().isEmpty());
}

TEST_F(ChannelOrderTest, NameStartsWithFoldsCase) {
    putChannel(0, 0, "Arte HD", 1);
    EXPECT_TRUE(channelNameStartsWith(*db, 0, ""));
    EXPECT_TRUE(channelNameStartsWith(*db, 0, "aRT"));
    EXPECT_FALSE(channelNameStartsWith(*db, 0, "rte"));
    EXPECT_FALSE(channelNameStartsWith(*db, 0, "Arte HD+"));
}

// Letters a..h in slots 0..7 with service IDs 1..8, listed all; the block is {c, e} unless
// a case says otherwise.
TEST_F(ChannelOrderTest, MoveToRowExamples) {
    struct Case {
        std::vector<int> listed;
        std::vector<int> block;
        int row;
        const char* after;
    } cases[] = {
        {{0, 1, 2, 3, 4, 5, 6, 7}, {2, 4}, 0, "ceabdfgh"},   // to the top
        {{0, 1, 2, 3, 4, 5, 6, 7}, {2, 4}, 6, "abdfghce"},   // to the bottom
        {{0, 1, 2, 3, 4, 5, 6, 7}, {2, 4}, 99, "abdfghce"},  // past the bottom
        {{0, 1, 2, 3, 4, 5, 6, 7},
         {2, 4},
         1,
         "aceb"
         "dfgh"},  // up from row 2
        {{0, 1, 2, 3, 4, 5, 6, 7},
         {2, 4},
         3,
         "abdce"
         "fgh"},                                             // down from row 2
        {{0, 1, 2, 3, 4, 5, 6, 7}, {2, 4}, -3, "ceabdfgh"},  // below 0 counts as 0
        // A filtered list {a, c, e, g}: row 1 is before e; past its last row, the block
        // goes directly after g, before the unlisted h.
        {{0, 2, 4, 6},
         {0},
         1,
         "bcd"
         "a"
         "efgh"},
        {{0, 2, 4, 6},
         {2},
         3,
         "abdefg"
         "c"
         "h"},
        // The block's unlisted channels move along.
        {{0, 2, 4, 6}, {1, 2}, 0, "bcadefgh"},
        // Every listed channel in the block: nothing moves.
        {{2, 4}, {2, 4}, 0, "abcdefgh"},
    };
    for (const Case& c : cases) {
        SetUp();
        putLetters(8);
        const ChannelSet block(c.block);
        const int target = rowMoveTarget(*db, c.listed, block, c.row);
        if (target != NothingMoves) {
            moveChannels(*db, block, target, buffer);
        }
        EXPECT_EQ(names(8), c.after) << "row " << c.row << " target " << target;
    }
}

// The rule as the user sees it: the live channels in table order, the block taken out and put
// back before U[row], or directly after U's last.
std::vector<int> referenceRowMove(const std::vector<int>& live, const std::vector<int>& listed,
                                  const ChannelSet& block, int row) {
    std::vector<int> staying;  // U
    for (int ch : listed) {
        if (!block.contains(ch)) {
            staying.push_back(ch);
        }
    }
    if (staying.empty()) {
        return live;
    }
    row = std::max(row, 0);
    std::vector<int> rest;
    std::vector<int> moving;
    for (int ch : live) {
        (block.contains(ch) ? moving : rest).push_back(ch);
    }
    const bool before = row < static_cast<int>(staying.size());
    const int anchor = before ? staying[static_cast<size_t>(row)] : staying.back();
    auto at = std::find(rest.begin(), rest.end(), anchor) + (before ? 0 : 1);
    rest.insert(at, moving.begin(), moving.end());
    return rest;
}

TEST_F(ChannelOrderTest, MoveToRowMatchesTheListReferenceOnRandomTables) {
    std::mt19937 random(1313);
    std::uniform_real_distribution<double> share(0.0, 1.0);
    for (int round = 0; round < 60; ++round) {
        SetUp();
        const double liveShare = round % 3 == 0 ? 0.02 : 0.7;
        const double listShare = std::vector<double>{0.0005, 0.3, 1.0}[round % 3];
        const double blockShare = std::vector<double>{0.0005, 0.1, 0.6, 1.0}[round % 4];
        std::vector<int> live;
        std::vector<int> listed;
        std::vector<int> chosen;
        for (int c = 0; c < ChannelCapacity; ++c) {
            if (share(random) >= liveShare) {
                continue;  // stays free
            }
            putChannel(c, 0, "x", c);  // the slot as the identity
            live.push_back(c);
            if (share(random) < listShare) {
                listed.push_back(c);
            }
            if (share(random) < blockShare) {
                chosen.push_back(c);
            }
        }
        const ChannelSet block(chosen);
        const int row = static_cast<int>(random() % (listed.size() + 3)) - 1;
        const std::vector<int> expected = referenceRowMove(live, listed, block, row);
        const int target = rowMoveTarget(*db, listed, block, row);
        if (target != NothingMoves) {
            moveChannels(*db, block, target, buffer);
        }
        ASSERT_EQ(liveIds(), expected) << "round " << round << " row " << row;
    }
}

// The sort keys as the user reads them, compared one field at a time.
bool referenceLess(const ChannelDatabase& db, SortKey key, int a, int b) {
    if (key == SortKey::Name) {
        auto lower = [](std::string_view name) {
            std::string text(name);
            for (char& c : text) {
                c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            }
            return text;
        };
        const std::string x = lower(db.channelName(a));
        const std::string y = lower(db.channelName(b));
        return std::lexicographical_compare(
            x.begin(), x.end(), y.begin(), y.end(),
            [](char p, char q) { return static_cast<uint8_t>(p) < static_cast<uint8_t>(q); });
    }
    if (key == SortKey::ServiceId) {
        return db.channelServiceId(a) < db.channelServiceId(b);
    }
    const uint8_t* ta = db.tables().transponders[db.channelTransponder(a)];
    const uint8_t* tb = db.tables().transponders[db.channelTransponder(b)];
    auto fields = [&](const uint8_t* t, int ch) {
        return std::tuple(t[tp::SatelliteIndex], readU32(t + tp::FrequencyKhz),
                          t[tp::Polarization] != 0, db.channelServiceId(ch));
    };
    return fields(ta, a) < fields(tb, b);
}

TEST_F(ChannelOrderTest, SortMatchesAStableSortSlotBySlotOnRandomTables) {
    std::mt19937 random(2718);
    const char letters[] = "aAbBzZ\xC4\xE4 9";
    for (int t = 0; t < 6; ++t) {
        putTransponder(t, static_cast<int>(random() % 3), 11000000 + 1000 * (random() % 3), 27500,
                       static_cast<int>(random() % 2));
    }
    for (int round = 0; round < 24; ++round) {
        const SortKey key = static_cast<SortKey>(round % 3);
        std::vector<int> slots;
        for (int c = 0; c < ChannelCapacity; ++c) {
            if (random() % 4 == 0) {
                writeU16(channelBytes(c) + ch::TransponderIndex, DeletedTransponderIndex);
                continue;
            }
            // Short names, and long ones that differ only past their first eight bytes.
            std::string name(random() % 3 == 0 ? 7 + random() % 11 : random() % 4, ' ');
            for (size_t i = 0; i < name.size(); ++i) {
                const size_t choices = name.size() > 7 && i < 8 ? 2 : sizeof letters - 1;
                name[i] = letters[random() % choices];
            }
            putChannel(c, static_cast<int>(random() % 6), name, static_cast<int>(random() % 50));
            // A tag past the sort keys tells equal channels apart.
            writeU16(channelBytes(c) + ch::VideoPid, static_cast<uint32_t>(c));
            if (random() % (round % 4 == 0 ? 1 : 5) == 0) {
                slots.push_back(c);
            }
        }
        // The reference: a stable sort of the slots, the records written back one by one.
        std::vector<int> order = slots;
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return referenceLess(*db, key, a, b); });
        const std::vector<Record> before = recordsOf(*db);
        std::vector<Record> expected = before;
        for (size_t i = 0; i < slots.size(); ++i) {
            expected[static_cast<size_t>(slots[i])] = before[static_cast<size_t>(order[i])];
        }
        sortChannels(*db, slots, key, buffer);
        ASSERT_TRUE(recordsOf(*db) == expected) << "round " << round;
    }
}

TEST_F(ChannelOrderTest, SortKeyExamples) {
    putTransponder(1, 0, 11000000, 27500, 1);  // horizontal
    putTransponder(2, 0, 11000000, 27500, 0);  // vertical, same frequency
    putTransponder(3, 1, 10000000);            // a later satellite, lower frequency
    putChannel(0, 3, "zdf", 5);
    putChannel(1, 1, "ZDF", 2);
    putChannel(2, 2, "Zd", 9);
    putChannel(3, 2, "ard", 2);
    const std::vector<int> slots{0, 1, 2, 3};
    std::vector<int> order;
    sortOrder(*db, slots, SortKey::Name, order);
    EXPECT_EQ(order, (std::vector<int>{3, 2, 0, 1}));  // a shorter name first; ties stay
    sortOrder(*db, slots, SortKey::ServiceId, order);
    EXPECT_EQ(order, (std::vector<int>{1, 3, 0, 2}));
    sortOrder(*db, slots, SortKey::Transponder, order);
    EXPECT_EQ(order, (std::vector<int>{3, 2, 1, 0}));  // vertical first, then service ID
}

}  // namespace
}  // namespace kavro::coretest
