// Taking the order of a reference list: the CSV reader, the reordering as a property on
// random tables with free slots, matching against a database and against a written list,
// the step it makes in a session, and reading the reference from a file.
#include <algorithm>
#include <random>

#include "core_tables.h"
#include "database/CsvText.h"
#include "database/ListExport.h"
#include "database/OrderTransfer.h"
#include "dbfile/DatabaseImage.h"
#include "session/EditSession.h"
#include "session/OrderReference.h"
#include "support/TestImageBuilder.h"

namespace kavro::coretest {
namespace {

TEST(CsvReader, ReadsWhatRfc4180AllowsAndRefusesTheRest) {
    struct Case {
        std::string_view text;
        std::vector<CsvRecord> records;
        int problemLine;  // 0: read
    };
    const Case cases[] = {
        {"a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}, 0},
        {"a,b\nc,d", {{"a", "b"}, {"c", "d"}}, 0},
        {"\xEF\xBB\xBF"
         "a\r\n\r\nb\n",
         {{"a"}, {"b"}},
         0},
        {"\"x, \"\"y\"\"\",\" 2\"\r\n", {{"x, \"y\"", " 2"}}, 0},
        {"\"two\r\nlines\",z\r\nnext\r\n", {{"two\r\nlines", "z"}, {"next"}}, 0},
        {"a,,\r\n,", {{"a", "", ""}, {"", ""}}, 0},
        {"lone\rcr,x", {{"lone\rcr", "x"}}, 0},
        {"ok\r\nha\"lf\r\n", {}, 2},
        {"ok\r\n\"closed\"late,x\r\n", {}, 2},
        {"a\n\"b\nc\nnever closed", {}, 2},
    };
    for (const Case& c : cases) {
        std::vector<CsvRecord> records;
        CsvProblem problem;
        const bool read = readCsv(c.text, records, problem);
        EXPECT_EQ(read, c.problemLine == 0) << c.text;
        EXPECT_EQ(problem.line, c.problemLine) << c.text;
        if (read) {
            EXPECT_EQ(records, c.records) << c.text;
        }
    }
}

TEST(CsvReader, ReadsBackEveryFieldTheWriterQuotes) {
    const std::vector<std::string> fields = {"plain",
                                             "with, comma",
                                             "\"quoted\"",
                                             " edges ",
                                             "line\nbreak",
                                             "\xC2\x85"
                                             "c1",
                                             "",
                                             "caf\xC3\xA9"};
    std::string text;
    for (size_t i = 0; i < fields.size(); ++i) {
        text += (i ? "," : "") + csvField(fields[i]);
    }
    std::vector<CsvRecord> records;
    CsvProblem problem;
    ASSERT_TRUE(readCsv(text + "\r\n", records, problem)) << problem.message;
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], fields);
}

// Any text round-trips through the writer and the reader, and what the writer puts first
// (inside the quotes, if any) is never what a spreadsheet takes for the start of a formula.
TEST(CsvReader, FormulaGuardRoundTripsOnRandomTexts) {
    const std::string alphabet = "'=+-@\t\r\na,\" ";
    std::mt19937 random(42);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (int i = static_cast<int>(random() % 7); i > 0; --i) {
            text += alphabet[random() % alphabet.size()];
        }
        const std::string field = csvField(text);
        const std::string inner = !field.empty() && field[0] == '"' ? field.substr(1) : field;
        EXPECT_TRUE(inner.empty() || std::string("=+-@\t\r").find(inner[0]) == std::string::npos)
            << field;
        std::vector<CsvRecord> records;
        CsvProblem problem;
        ASSERT_TRUE(readCsv(field + ",z\r\n", records, problem)) << field << problem.message;
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0], (CsvRecord{text, "z"})) << field;
    }
}

// Read a piece at a time, however the text is cut, the records are those of the whole.
TEST(CsvReader, AStreamCutAnywhereReadsAsTheWhole) {
    const std::string text =
        "\xEF\xBB\xBFSat,Tp,Channel\r\n\"a,\"\"b\"\"\",\"x\r\ny\",'=c\r\nlone\rcr,,\n";
    std::vector<CsvRecord> whole;
    CsvProblem problem;
    ASSERT_TRUE(readCsv(text, whole, problem));
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::vector<CsvRecord> records;
        CsvStreamReader reader([&records](CsvRecord& record) {
            records.push_back(record);
            return true;
        });
        for (size_t at = 0; at < text.size();) {
            const size_t length = 1 + random() % 5;
            ASSERT_TRUE(reader.feed(std::string_view(text).substr(at, length)));
            at += length;
        }
        ASSERT_TRUE(reader.finish());
        EXPECT_EQ(records, whole);
    }
}

// A list with more rows than could ever match, or a field or record beyond any list's, is
// refused with a message instead of being held.
TEST(CsvReader, ListsBeyondAnyChannelTableAreRefused) {
    std::string list = "Sat,Tp,Channel\r\n";
    for (size_t r = 0; r < MostListRows; ++r) {
        list += "s,t,c\r\n";
    }
    std::vector<ListRowKey> rows;
    std::string problem;
    EXPECT_TRUE(readListRows(list, rows, problem)) << problem;
    EXPECT_EQ(rows.size(), MostListRows);
    EXPECT_FALSE(readListRows(list + "s,t,c\r\n", rows, problem));
    EXPECT_EQ(problem, "more than 61440 rows, far more than a channel list can have");
    EXPECT_FALSE(readListRows("Sat,Tp,Channel\r\ns,t," + std::string(LongestCsvField + 1, 'x'),
                              rows, problem));
    EXPECT_EQ(problem, "line 2: a field longer than 65536 bytes");
    EXPECT_FALSE(
        readListRows("Sat,Tp,Channel\r\n" + std::string(MostCsvFields, ','), rows, problem));
    EXPECT_EQ(problem, "line 2: a record of more than 1024 fields");
}

// The records of the live channels, slot by slot; a free slot as its bytes.
std::vector<std::string> recordsOf(const ChannelDatabase& db) {
    std::vector<std::string> records;
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        records.emplace_back(reinterpret_cast<const char*>(db.tables().channels[ch]),
                             ChannelRecordSize);
    }
    return records;
}

class OrderTransferTest : public CoreTest {
protected:
    std::vector<int> liveSlots() const {
        std::vector<int> live;
        for (int ch = 0; ch < ChannelCapacity; ++ch) {
            if (db->isLiveChannel(ch)) {
                live.push_back(ch);
            }
        }
        return live;
    }
    std::vector<uint8_t> buffer;
};

// Random tables of live channels and free slots, random channels put first: they take the
// first live slots in their order, the others follow in theirs, free slots keep their bytes.
TEST_F(OrderTransferTest, ChosenChannelsTakeTheFirstLiveSlotsAndTheRestFollow) {
    std::mt19937 random(9);
    for (int round = 0; round < 40; ++round) {
        SetUp();
        const int slots = 5 + static_cast<int>(random() % 80);
        for (int ch = 0; ch < slots; ++ch) {
            putChannel(ch, random() % 4 == 0 ? 7 : 0, "c" + std::to_string(ch), ch + 1);
        }
        std::vector<int> live = liveSlots();
        std::vector<int> first = live;
        std::shuffle(first.begin(), first.end(), random);
        first.resize(random() % (first.size() + 1));
        const std::vector<std::string> before = recordsOf(*db);

        placeChannelsFirst(*db, first, buffer);

        std::vector<int> expected = first;
        for (int ch : live) {
            if (std::find(first.begin(), first.end(), ch) == first.end()) {
                expected.push_back(ch);
            }
        }
        const std::vector<std::string> after = recordsOf(*db);
        ASSERT_EQ(liveSlots(), live) << "round " << round;
        for (size_t k = 0; k < live.size(); ++k) {
            ASSERT_EQ(after[live[k]], before[expected[k]]) << "round " << round << " k " << k;
        }
        for (int ch = 0; ch < ChannelCapacity; ++ch) {
            if (!db->isLiveChannel(ch)) {
                ASSERT_EQ(after[ch], before[ch]) << "free slot " << ch;
            }
        }
    }
}

// A: "a".."f" on transponder 0; the reference lists f, (new), d, a and lacks b, c, e.
class ReferenceTest : public OrderTransferTest {
protected:
    void SetUp() override {
        OrderTransferTest::SetUp();
        putLetters(6);
        reference = std::make_unique<ChannelDatabase>(*db);
        coretest::putChannel(*reference, 0, 0, "f", 6);
        coretest::putChannel(*reference, 1, 0, "new", 40);
        coretest::putChannel(*reference, 2, 0, "d", 4);
        coretest::putChannel(*reference, 3, 0, "a", 1);
        for (int ch = 4; ch < 6; ++ch) {
            writeU16(reference->mutableTables().channels[ch] + ch::TransponderIndex,
                     DeletedTransponderIndex);
        }
    }
    std::unique_ptr<ChannelDatabase> reference;
};

TEST_F(ReferenceTest, MatchedChannelsComeInTheReferencesOrder) {
    const OrderMatch match = matchOrder(*db, *reference);
    EXPECT_EQ(match.channels, (std::vector<int>{5, 3, 0}));
    EXPECT_EQ(match.unmatched, 3);
    placeChannelsFirst(*db, match.channels, buffer);
    EXPECT_EQ(names(6), "fdabce");
}

TEST_F(ReferenceTest, AWrittenListMatchesAsTheDatabaseItWasWrittenFrom) {
    coretest::putSatellite(*reference, 0, "Caf\xE9, \"Sat\"");  // Latin-1, a comma and quotes
    coretest::putSatellite(*db, 0, "Caf\xE9, \"Sat\"");
    coretest::putTransponder(*db, 0, 0, 3880000);  // " 3880V": a blank before it
    coretest::putTransponder(*reference, 0, 0, 3880000);
    coretest::putChannel(*db, 4, 0, "e", 5, false);  // radio: "e[R]"
    coretest::putChannel(*reference, 4, 0, "e", 5, false);
    std::vector<int> rows;
    for (int ch = 0; ch < 5; ++ch) {
        rows.push_back(ch);
    }
    std::vector<ListRowKey> keys;
    std::string problem;
    ASSERT_TRUE(readListRows(listCsv(*reference, rows), keys, problem)) << problem;
    EXPECT_EQ(matchOrder(*db, keys).channels, (std::vector<int>{5, 3, 0, 4}));
    keys[0].transponder = "3880V";  // as a spreadsheet may trim it
    EXPECT_EQ(matchOrder(*db, keys).channels.front(), 5);
    keys[0].channel = "F";  // names match exactly
    EXPECT_EQ(matchOrder(*db, keys).unmatched, 3);
}

TEST(ListRows, NeedTheNamedColumnsAndEnoughFields) {
    std::vector<ListRowKey> rows;
    std::string problem;
    EXPECT_TRUE(readListRows("Channel,Tp,Other,Sat\r\nn,1V,x,s\r\n", rows, problem));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].satellite, "s");
    EXPECT_EQ(rows[0].channel, "n");
    EXPECT_FALSE(readListRows("No.,Sat,Channel\r\n", rows, problem));
    EXPECT_EQ(problem, "the first line names no column \"Tp\"");
    EXPECT_FALSE(readListRows("Sat,Tp,Channel\r\ns,1V\r\n", rows, problem));
    EXPECT_FALSE(readListRows("", rows, problem));
    EXPECT_FALSE(readListRows("Sat,Tp,Channel\r\n\"open\r\n", rows, problem));
    EXPECT_EQ(problem, "line 2: a quoted field that never ends");
}

TEST(OrderStep, IsOneStepUndoneWholeAndNoStepForTheOrderThatStands) {
    EditSession session;
    ASSERT_TRUE(testing::loadImage(session, testing::fullCapacityImage()));
    const std::vector<uint8_t> start(session.database().bytes(),
                                     session.database().bytes() + table::Size);
    const EditResult same = session.apply(OrderChannels{{0, 1, 2, 3}});
    EXPECT_TRUE(same.applied);
    EXPECT_FALSE(same.changed);
    EXPECT_FALSE(session.canUndo());

    const EditResult reversed = session.apply(OrderChannels{{900, 20, 5}});
    ASSERT_TRUE(reversed.changed);
    EXPECT_EQ(session.undoLabel(), "order 3 channels");
    EXPECT_EQ(session.database().channelName(0), "Channel 00901");
    EXPECT_EQ(session.database().channelName(3), "Channel 00001");
    EXPECT_EQ(session.history().nextUndo()->channelsAfter().size(), 901u);  // slots 0..900
    ASSERT_TRUE(session.undo());
    EXPECT_TRUE(std::equal(start.begin(), start.end(), session.database().bytes()));

    EXPECT_EQ(session.apply(OrderChannels{{4, 4}}).refusal, "channel 4 is named twice");
    EXPECT_FALSE(session.apply(OrderChannels{{ChannelCapacity}}).applied);
}

class ReferenceFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = testing::makeTempDir();
        ASSERT_TRUE(testing::loadImage(session, testing::smallImage()));
    }
    std::string write(const std::string& name, const std::string& text) {
        const std::string path = dir + "/" + name;
        testing::writeFileBytes(path, testing::Bytes(text.begin(), text.end()));
        return path;
    }
    std::string dir;
    EditSession session;
};

TEST_F(ReferenceFileTest, ReadsADatabaseOrAListAndTellsWhyNot) {
    const testing::Bytes image = testing::smallImage();
    const std::string tbn = write("ref.tbn", std::string(image.begin(), image.end()));
    const ReferenceOrder fromFile = readReferenceOrder(session.database(), tbn);
    EXPECT_EQ(fromFile.outcome, ReferenceOutcome::Matched);
    EXPECT_EQ(fromFile.edit.channels.size(), 60u);
    EXPECT_EQ(fromFile.unmatched, 0);

    const std::string csv = write("REF.CSV", "Sat,Tp,Channel\r\n\"Solstice 19.2E\",x,y\r\n");
    const ReferenceOrder fromList = readReferenceOrder(session.database(), csv);
    EXPECT_EQ(fromList.outcome, ReferenceOutcome::Matched);
    EXPECT_EQ(fromList.unmatched, 60);

    EXPECT_EQ(readReferenceOrder(session.database(), dir + "/none.tbn").outcome,
              ReferenceOutcome::CannotRead);
    EXPECT_EQ(readReferenceOrder(session.database(), dir).outcome, ReferenceOutcome::CannotRead);
    const ReferenceOrder invalid = readReferenceOrder(session.database(), write("bad.tbn", "x"));
    EXPECT_EQ(invalid.outcome, ReferenceOutcome::InvalidFile);
    EXPECT_EQ(invalid.message, "Invalid DB file!");
    const ReferenceOrder badList =
        readReferenceOrder(session.database(), write("bad.csv", "Sat;Tp;Channel\r\n"));
    EXPECT_EQ(badList.outcome, ReferenceOutcome::InvalidList);
    EXPECT_EQ(badList.reason, "the first line names no column \"Sat\"");
}

}  // namespace
}  // namespace kavro::coretest
