// kavro-tool edit: what each script command does to the written database.
#include <algorithm>
#include <filesystem>

#include "CliTestSupport.h"
#include "database/ByteOrder.h"
#include "database/ChannelDatabase.h"
#include "database/ViewIndex.h"
#include "dbfile/ImageFormat.h"
#include "support/TestImageBuilder.h"

namespace kavro::clitest {
namespace {

using testing::readFileBytes;

class CliEdit : public CliTest {
protected:
    // Runs the script (on standard input) over `image`, written to in.tbn, into out.tbn.
    ToolRun edit(const std::string& script, const Bytes& image = knownImage()) {
        in_ = writeImage("in.tbn", image);
        return runKavroTool({"edit", in_, path("out.tbn")}, script);
    }
    // Runs the script and loads out.tbn into the database for inspection.
    void editAndLoad(const std::string& script, const Bytes& image = knownImage(),
                     const std::string& expectedOut = "") {
        const ToolRun run = edit(script, image);
        ASSERT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, expectedOut);
        ASSERT_TRUE(load(readFileBytes(path("out.tbn"))));
    }
    // A refused script: its message, no output, out.tbn not created.
    void expectRefused(const std::string& script, const std::string& message,
                       const Bytes& image = knownImage()) {
        std::filesystem::remove(path("out.tbn"));
        const ToolRun run = edit(script, image);
        EXPECT_EQ(run.code, 1) << script;
        EXPECT_EQ(run.err, message + "\n") << script;
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(exists("out.tbn")) << script;
    }
    std::string slotNames(int count) {
        std::string names;
        for (int ch = 0; ch < count; ++ch) {
            names += db().isLiveChannel(ch) ? std::string(db().channelName(ch)) : std::string("-");
        }
        return names;
    }
    std::string in_;
};

TEST_F(CliEdit, AnEmptyScriptWritesTheInputByteForByte) {
    for (const std::string script : {"", "# nothing to do\n\n   \t\n", "view radio\n"}) {
        const Bytes image = knownImage();
        const ToolRun run = edit(script, image);
        ASSERT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(readFileBytes(path("out.tbn")), image);
    }
}

TEST_F(CliEdit, AddTransponderTakesTheLowestFreeSlot) {
    editAndLoad("add-transponder 2 11000 22000 1\nadd-transponder 2 13000 1000 0\n", knownImage(),
                "transponder 3\ntransponder 4\n");
    EXPECT_EQ(db().transponderSatellite(3), 2);
    EXPECT_EQ(db().transponderFrequencyMhz(3), 11000);
    EXPECT_EQ(db().transponderSymbolRate(3), 22000);
    EXPECT_EQ(db().transponderPolarization(3), 1);
    EXPECT_EQ(db().transponderFrequencyMhz(4), 13000);
    EXPECT_EQ(session_->viewIndex().satelliteTransponderCount(2), 2);
}

TEST_F(CliEdit, AddTransponderChecksTheDialogsRanges) {
    expectRefused("add-transponder 65 11000 22000 1",
                  "line 1: Please enter an integer between 0 and 64.");
    expectRefused("add-transponder 0 999 22000 1",
                  "line 1: Please enter an integer between 1000 and 13000.");
    expectRefused("add-transponder 0 11000 50001 1",
                  "line 1: Please enter an integer between 1000 and 50000.");
    expectRefused("add-transponder 0 11000 22000 2",
                  "line 1: Please enter an integer between 0 and 1.");
    expectRefused("add-transponder 0 11000 22,000 1", "line 1: Please enter an integer.");
}

TEST_F(CliEdit, AFullTransponderTableCannotAddTp) {
    expectRefused("add-transponder 0 11000 22000 1", "line 1: Cannot add tp",
                  testing::fullCapacityImage());
}

TEST_F(CliEdit, AFullChannelTableSaysSo) {
    expectRefused("add-channel 0 X 100 101 102 9 0 0",
                  "line 1: Cannot add this channel: The channel table is full (15,360 channels).",
                  testing::fullCapacityImage());
}

TEST_F(CliEdit, EditTransponderWritesTheDialogsValues) {
    editAndLoad("edit-transponder 1 12345 30000 0\n");
    EXPECT_EQ(db().transponderSatellite(1), 0);
    EXPECT_EQ(db().transponderFrequencyMhz(1), 12345);
    EXPECT_EQ(db().transponderSymbolRate(1), 30000);
    EXPECT_EQ(db().transponderPolarization(1), 0);
    EXPECT_EQ(db().channelTransponder(2), 1);
    expectRefused("edit-transponder 3 12345 30000 0", "line 1: there is no live transponder 3");
}

// As the dialog: a polarization left as shown (stored 0 vertical, any other byte horizontal)
// keeps the stored byte, and so does a frequency left at its MHz.
TEST_F(CliEdit, EditTransponderKeepsStoredBytesLeftAsShown) {
    const struct {
        int stored, pol, written;
    } rows[] = {{0, 0, 0}, {0, 1, 1}, {1, 0, 0}, {1, 1, 1}, {192, 0, 0}, {192, 1, 192}};
    for (const auto& row : rows) {
        testing::TestImageBuilder builder(4);
        builder.satellite(0, "S").transponder(0, 0, 11727500, 27500, row.stored);
        editAndLoad("edit-transponder 0 11727 22000 " + std::to_string(row.pol) + "\n",
                    builder.build());
        EXPECT_EQ(db().transponderPolarization(0), row.written) << row.stored << " " << row.pol;
        EXPECT_EQ(readU32(db().tables().transponders[0] + tp::FrequencyKhz), 11727500u);
    }
    testing::TestImageBuilder builder(4);
    builder.satellite(0, "S").transponder(0, 0, 11727500, 27500, 0);
    editAndLoad("edit-transponder 0 11728 22000 0\n", builder.build());
    EXPECT_EQ(readU32(db().tables().transponders[0] + tp::FrequencyKhz), 11728000u);
}

TEST_F(CliEdit, DeleteTransponderTakesItsChannels) {
    editAndLoad("delete-transponder 0\n");
    EXPECT_FALSE(db().isLiveTransponder(0));
    EXPECT_EQ(viewCount(View::All), 3);
    for (int ch : {0, 1, 6}) {
        EXPECT_FALSE(db().isLiveChannel(ch)) << ch;
    }
    expectRefused("delete-transponder 0\nedit-channel 0 x 1 2 3 4 0",
                  "line 2: there is no live channel 0");
}

TEST_F(CliEdit, AddChannelFillsTheFirstFreeSlotAndPrintsIt) {
    editAndLoad(
        "add-channel 1 \"New One\" 200 201 202 300 1 1\nadd-channel 2 Two 10 11 12 13 0 0\n",
        knownImage(), "channel 5\nchannel 7\n");
    EXPECT_EQ(db().channelTransponder(5), 1);
    EXPECT_EQ(db().channelName(5), "New One");
    EXPECT_EQ(db().channelVideoPid(5), 200);
    EXPECT_EQ(db().channelAudioPid(5), 201);
    EXPECT_EQ(db().channelPcrPid(5), 202);
    EXPECT_EQ(db().channelServiceId(5), 300);
    EXPECT_EQ(db().channelCasBits(5), 1);
    EXPECT_TRUE(db().isChannelLocked(5));
    EXPECT_FALSE(db().isRadioChannel(5));
    EXPECT_EQ(db().channelName(7), "Two");
    EXPECT_EQ(db().channelCasBits(7), 0);
    EXPECT_FALSE(db().isChannelLocked(7));
}

TEST_F(CliEdit, AddChannelFollowsTheViewsRules) {
    // In the radio view equal PIDs are accepted and the channel is a radio channel.
    editAndLoad("view radio\nadd-channel 0 R 100 100 100 9 0 0\n", knownImage(), "channel 5\n");
    EXPECT_TRUE(db().isRadioChannel(5));
    expectRefused("view tv\nadd-channel 0 R 100 100 100 9 0 0",
                  "line 2: Cannot add this channel: Audio PID must differ from Video PID in the "
                  "TV and ALL views.");
    expectRefused("add-channel 0 R 100 101 100 0 0 0",
                  "line 1: Cannot add this channel: Service ID must not be 0.");
    expectRefused("add-channel 0 R 100 101 8192 9 0 0",
                  "line 1: Please enter an integer between 0 and 8191.");
    expectRefused("add-channel 0 R 100 101 100 65535 0 0",
                  "line 1: Please enter an integer between 0 and 65534.");
    expectRefused("add-channel 0 R 100 101 100 9 2 0",
                  "line 1: Please enter an integer between 0 and 1.");
    expectRefused("add-channel 4 R 100 101 100 9 0 0", "line 1: there is no live transponder 4");
    expectRefused("view hd", "line 1: unknown view \"hd\" (all, tv or radio)");
}

// No script can give a channel service ID 65535 any more, but a stored one still makes the
// next add on its transponder fill it in place: scripts rely on that, and the tool says so.
TEST_F(CliEdit, AddChannelRefillsAChannelWithTheUnassignedServiceId) {
    Bytes image = knownImage();
    writeU16(image.data() + ChannelRegion + 2 * ChannelRecordSize + ch::ServiceId, 0xFFFF);
    testing::fixChecksums(image);
    const ToolRun run = edit(
        "add-channel 0 Free 1 2 3 4 0 0\nadd-channel 1 Next 300 301 300 7 0 0\n"
        "add-channel 1 Then 300 301 300 8 0 0\n",
        image);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "replaces channel 2\n");
    EXPECT_EQ(run.out, "channel 5\nchannel 2\nchannel 7\n");
    ASSERT_TRUE(load(readFileBytes(path("out.tbn"))));
    EXPECT_EQ(db().channelName(2), "Next");
    EXPECT_EQ(db().channelServiceId(2), 7);
    expectRefused("edit-channel 2 Old 100 101 100 65535 0",
                  "line 1: Please enter an integer between 0 and 65534.");
    // Opened and written unedited, the stored 65535 stays.
    editAndLoad("", image);
    EXPECT_EQ(db().channelServiceId(2), 0xFFFF);
}

TEST_F(CliEdit, EditChannelWritesWhatTheDialogWrites) {
    Bytes image = knownImage();
    writeU16(image.data() + ChannelRegion + 3 * ChannelRecordSize + ch::VideoPid, 0xE065);
    testing::fixChecksums(image);
    // UTF-8 in the script, Latin-1 in the record; zero values are stored as entered.
    editAndLoad("edit-channel 3 \"Neu Caf\xC3\xA9\" 0 100 0 0 0\n", image);
    EXPECT_EQ(db().channelName(3), "Neu Caf\xE9");
    EXPECT_EQ(db().channelVideoPid(3), 0);
    EXPECT_EQ(db().channelAudioPid(3), 100);
    EXPECT_EQ(db().channelServiceId(3), 0);
    EXPECT_FALSE(db().isChannelLocked(3));
    EXPECT_EQ(db().channelCasBits(3), 0x81);  // the dialog cannot change CAS on an edit
    EXPECT_EQ(db().channelFavoriteBits(3), 1);
    EXPECT_FALSE(db().isRadioChannel(3));
    editAndLoad("edit-channel 1 \"Sixteen chars ok\" 1 2 3 4 1\n");
    EXPECT_EQ(db().channelName(1), "Sixteen chars ok");
    EXPECT_TRUE(db().isChannelLocked(1));
    EXPECT_TRUE(db().isRadioChannel(1));
    expectRefused("edit-channel 1 \"Seventeen chars!!\" 1 2 3 4 1",
                  "line 1: Please enter no more than 16 characters.");
    expectRefused("edit-channel 1 \"\xE2\x82\xAC uro\" 1 2 3 4 1",
                  "line 1: Please enter only Latin-1 characters.");
    expectRefused("edit-channel 1 \"\xC3\" 1 2 3 4 1",
                  "line 1: Please enter only Latin-1 characters.");
}

TEST_F(CliEdit, DeleteChannelsClosesTheGaps) {
    editAndLoad("delete-channels 2 0 2\n");
    EXPECT_EQ(db().channelName(0), "Radio, Eins");
    EXPECT_EQ(db().channelName(1), "Caf\xE9 TV");
    EXPECT_EQ(db().channelName(2), "Hidden One");
    EXPECT_FALSE(db().isLiveChannel(3));  // the free slot moved up with the rest
    EXPECT_EQ(db().channelName(4), "After Gap");
    EXPECT_EQ(viewCount(View::All), 4);
    expectRefused("delete-channels 0 5", "line 1: there is no live channel 5");
}

TEST_F(CliEdit, MoveChannelsKeepsTheUsersOrder) {
    const Bytes six = sixChannelImage();
    editAndLoad("move-channels 3 4 before 1\n", six);
    EXPECT_EQ(slotNames(6), "adebcf");
    editAndLoad("move-channels 1 2 before 5\n", six);
    EXPECT_EQ(slotNames(6), "adebcf");
    editAndLoad("move-channels 2 1 before 2\n", six);
    EXPECT_EQ(slotNames(6), "abcdef");
    editAndLoad("move-channels 0 2 before end\n", six);
    EXPECT_EQ(slotNames(6), "bdefac");
    // Indexes are slots as they stand when the line runs.
    editAndLoad("move-channels 5 before 0\nmove-channels 0 before end\n", six);
    EXPECT_EQ(slotNames(6), "abcdef");
    expectRefused("move-channels 1 before 6", "line 1: there is no live channel 6", six);
    const std::string usage =
        "usage: move-channels CH [CH ...] before TARGET|end, or move-channels CH [CH ...] to N";
    expectRefused("move-channels 1 2 3", "line 1: " + usage, six);
    expectRefused("move-channels before 3", "line 1: missing argument; " + usage, six);
}

// "to N": row N of the current view, counting the rows that do not move; the list's Move
// commands share the rule, tested in full in the core.
TEST_F(CliEdit, MoveChannelsToARowOfTheView) {
    const Bytes six = sixChannelImage();
    editAndLoad("move-channels 3 4 to 0\n", six);
    EXPECT_EQ(slotNames(6), "deabcf");
    editAndLoad("move-channels 5 to 1\n", six);
    EXPECT_EQ(slotNames(6), "afbcde");
    editAndLoad("move-channels 0 1 to 1000\n", six);  // past the last row: the end
    EXPECT_EQ(slotNames(6), "cdefab");
    // In the radio view no row stays: nothing moves, and there is no step to undo.
    editAndLoad("view radio\nmove-channels 0 to 0\n", six);
    EXPECT_EQ(slotNames(6), "abcdef");
    editAndLoad("move-channels 3 4 to 0\nundo\nredo\nundo\n", six);
    EXPECT_EQ(slotNames(6), "abcdef");
    expectRefused("move-channels 1 to -1",
                  "line 1: Please enter an integer between 0 and 2147483647.", six);
    expectRefused("move-channels 1 to 99999999999",
                  "line 1: Please enter an integer between 0 and 2147483647.", six);
    expectRefused("move-channels 1 to x", "line 1: Please enter an integer.", six);
    expectRefused("move-channels 1 to",
                  "line 1: missing argument; usage: move-channels CH [CH ...] "
                  "before TARGET|end, or move-channels CH [CH ...] to N",
                  six);
    expectRefused("move-channels 9 to 0", "line 1: there is no live channel 9", six);
}

TEST_F(CliEdit, SortChannelsAmongTheirSlots) {
    const Bytes six = sixChannelImage();
    // d e a b c f, then the first four by name: the others keep their slots.
    editAndLoad("move-channels 3 4 to 0\nsort-channels 3 0 1 2 by name\n", six);
    EXPECT_EQ(slotNames(6), "abdecf");
    // A channel named twice counts once; service IDs are 100..105 by letter.
    editAndLoad("move-channels 3 4 to 0\nsort-channels 0 1 1 2 3 4 5 by sid\n", six);
    EXPECT_EQ(slotNames(6), "abcdef");
    editAndLoad("move-channels 5 to 0\nsort-channels 0 5 by tp\nundo\n", six);
    EXPECT_EQ(slotNames(6), "fabcde");
    expectRefused("sort-channels 0 1 by size",
                  "line 1: unknown sort key \"size\" (name, sid or tp)", six);
    expectRefused("sort-channels 0 1 2", "line 1: usage: sort-channels CH [CH ...] by name|sid|tp",
                  six);
    expectRefused("sort-channels by name",
                  "line 1: missing argument; usage: sort-channels CH [CH ...] by name|sid|tp", six);
    expectRefused("sort-channels 0 7 by name", "line 1: there is no live channel 7", six);
}

TEST_F(CliEdit, SetFavoritesReplacesTheGroups) {
    editAndLoad("set-favorites 0 3 6 5\nset-favorites 1 255\n");
    for (int ch : {0, 3, 6}) {
        EXPECT_EQ(db().channelFavoriteBits(ch), 5) << ch;
    }
    EXPECT_EQ(db().channelFavoriteBits(1), 255);
    EXPECT_EQ(db().channelFavoriteBits(2), 0);
    editAndLoad("set-favorites 3 0\n");
    EXPECT_FALSE(db().hasFavorites(3));
    expectRefused("set-favorites 0 256", "line 1: Please enter an integer between 0 and 255.");
    expectRefused("set-favorites 5 1", "line 1: there is no live channel 5");
}

TEST_F(CliEdit, RenameGroupStoresLatin1NamesOfAtMostFifteen) {
    editAndLoad(
        "rename-group 8 \"Gr\xC3\xBC\xC3\x9F\x65 aus K\xC3\xB6ln\"\nrename-group 1 \"\"\n"
        "rename-group 2 123456789012345\n");
    EXPECT_EQ(db().favoriteGroupName(7),
              "Gr\xFC\xDF"
              "e aus K\xF6ln");
    EXPECT_EQ(db().favoriteGroupName(0), "");
    EXPECT_EQ(db().favoriteGroupName(1), "123456789012345");
    expectRefused("rename-group 2 1234567890123456",
                  "line 1: Please enter no more than 15 characters.");
    expectRefused("rename-group 0 x", "line 1: Please enter an integer between 1 and 8.");
    expectRefused("rename-group 9 x", "line 1: Please enter an integer between 1 and 8.");
}

// undo and redo take back and do again whole commands, as the editor's Undo and Redo do;
// with nothing to undo or redo the script is refused and OUT is not written.
TEST_F(CliEdit, UndoAndRedoTakeBackAndRedoWholeCommands) {
    editAndLoad("delete-channels 0 1\nrename-group 1 X\nundo\nundo\nredo\n");
    EXPECT_EQ(db().channelName(0), "Say \"Hi\"");
    EXPECT_EQ(viewCount(View::All), 4);
    EXPECT_EQ(db().favoriteGroupName(0), "News");
    // Everything undone: OUT is IN, byte for byte; what the commands printed stays.
    const ToolRun run =
        edit("add-channel 2 New 1 2 3 4 0 0\nmove-channels 6 before 0\nundo\nundo\n");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "channel 5\n");
    EXPECT_EQ(testing::readFileBytes(path("out.tbn")), knownImage());

    expectRefused("undo", "line 1: Nothing to undo");
    expectRefused("rename-group 1 X\nundo\nredo\nredo", "line 4: Nothing to redo");
    // A command that changes the database after an undo leaves nothing to redo.
    expectRefused("rename-group 1 X\nundo\nrename-group 2 Y\nredo", "line 4: Nothing to redo");
    // A view is no step: the undo takes back the rename before it.
    editAndLoad("rename-group 1 X\nview tv\nundo\n");
    EXPECT_EQ(db().favoriteGroupName(0), "News");
    expectRefused("undo 1", "line 1: too many arguments; usage: undo");
}

// import: what it prints for each choice, what it refuses, and that undo takes it back whole.
TEST_F(CliEdit, ImportCopiesWhatIsChosenAndTellsWhatWasNot) {
    testing::TestImageBuilder other(4);
    other.satellite(0, "Hot Bird")
        .satellite(1, "Astra 19.2E")
        .satellite(2, "Nowhere")
        .transponder(0, 1, 11727000, 27500, 0)
        .transponder(3, 0, 11000000, 27500, 1)
        .transponder(4, 2, 12000000, 27500, 0)
        .channel(0, 0, "Das Erste", 28106)
        .channel(1, 3, "Fresh", 501)
        .channel(2, 4, "Lost", 1)
        .channel(3, 0, "New On Astra", 999);
    const std::string source = writeImage("other.tbn", other.build());
    const std::string lost = "not importable: satellite \"Nowhere\" is not in this database\n";
    const struct {
        std::string words;
        std::string out;
        std::string err;
        std::string firstSlot;  // the name in slot 0 afterwards
    } cases[] = {
        {"", "2 channels copied, 0 updated, 1 skipped as present, 1 not importable\n", lost,
         "Das Erste"},
        {" sat \"Hot Bird\"",
         "1 channel copied, 0 updated, 0 skipped as present, 0 not importable\n", "", "Das Erste"},
        {" tp \"Astra 19.2E\" 11727 V --update",
         "1 channel copied, 1 updated, 0 skipped as present, 0 not importable\n", "", "Das Erste"},
        {" ch 3 2 before 0",
         "1 channel copied, 0 updated, 0 skipped as present, 1 not importable\n", lost,
         "New On Astra"},
    };
    for (const auto& c : cases) {
        const ToolRun run = edit("import " + source + c.words + "\n");
        ASSERT_EQ(run.code, 0) << c.words << run.err;
        EXPECT_EQ(run.out, c.out) << c.words;
        EXPECT_EQ(run.err, c.err) << c.words;
        ASSERT_TRUE(load(readFileBytes(path("out.tbn"))));
        EXPECT_EQ(db().channelName(0), c.firstSlot) << c.words;
    }
    ASSERT_EQ(edit("import " + source + "\nundo\n").code, 0);
    EXPECT_EQ(readFileBytes(path("out.tbn")), knownImage());
    // A second import reads its source anew through the buffers the first one used.
    ASSERT_EQ(
        edit("import " + source + " ch 3 before 0\nimport " + source + " ch 1 before 0\n").code, 0);
    ASSERT_TRUE(load(readFileBytes(path("out.tbn"))));
    EXPECT_EQ(db().channelName(0), "Fresh");
    EXPECT_EQ(db().channelName(1), "New On Astra");

    expectRefused("import " + source + " sat Mars",
                  "line 1: the other database has no satellite \"Mars\"");
    expectRefused("import " + source + " ch 9",
                  "line 1: there is no live channel 9 in the other database");
    expectRefused("import " + source + " tp Nowhere 12000 X",
                  "line 1: tp needs a satellite name, whole MHz and V or H");
    expectRefused("import " + source + " before 5", "line 1: there is no live channel 5");
}

}  // namespace
}  // namespace kavro::clitest

namespace kavro::clitest {
namespace {

// The slots whose favourite bit 7 a "set-favorites LIST 128" script set.
std::vector<int> markedSlots(const ChannelDatabase& db) {
    std::vector<int> slots;
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (db.isLiveChannel(ch) && db.isInFavoriteGroup(ch, 7)) {
            slots.push_back(ch);
        }
    }
    return slots;
}

// Slots 0 TV, 1 radio, 2 TV, 6 TV on satellite 0 (0, 1 and 6 on transponder 0); 3 TV on
// satellite 3, scrambled, locked, in group 1; 4 radio on satellite 1, which is not shown.
TEST_F(CliEdit, ChannelListsTakeRangesAndSetsMixedFreely) {
    const struct {
        const char* list;
        std::vector<int> slots;
    } cases[] = {
        {"0-2", {0, 1, 2}},
        {"0-15359", {0, 1, 2, 3, 4, 6}},
        {"4 4 0-1", {0, 1, 4}},
        {"all", {0, 1, 2, 3, 4, 6}},
        {"radio", {1, 4}},
        {"tv", {0, 2, 3, 6}},
        {"scrambled", {3}},
        {"fta", {0, 1, 2, 4, 6}},
        {"locked", {3}},
        {"fav:1", {3}},
        {"nofav", {0, 1, 2, 4, 6}},
        {"sat:0", {0, 1, 2, 6}},
        {"tp:0", {0, 1, 6}},
        {"problems", {4}},
        {"dup", {}},
        {"sat:0 radio", {1}},
        {"0-3 tv", {0, 2, 3}},
        {"6 2-3 sat:0", {2, 6}},
        {"tv scrambled sat:3", {3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        editAndLoad(std::string("set-favorites ") + c.list + " 128\n");
        EXPECT_EQ(markedSlots(db()), c.slots);
    }
    expectRefused("delete-channels 3-1",
                  "line 1: bad range \"3-1\" (N-M, from N up to M, 0 to 15359)");
    expectRefused("delete-channels 0-15360",
                  "line 1: bad range \"0-15360\" (N-M, from N up to M, 0 to 15359)");
    expectRefused("delete-channels fav:9",
                  "line 1: the set fav:N takes N from 1 to 8 (in \"fav:9\")");
    expectRefused("delete-channels radio 5", "line 1: there is no live channel 5");
    // The reason and the way a long name is shortened are the system's.
    std::filesystem::remove(path("out.tbn"));
    const ToolRun missing = edit("delete-channels new-since:" + path("none.tbn"), knownImage());
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err.rfind("line 1: File open failed! \"", 0), 0u) << missing.err;
    EXPECT_FALSE(exists("out.tbn"));
}

// Every scrambled radio channel of one satellite in one line; a move takes a set too.
TEST_F(CliEdit, SetsWorkWhereverChannelsAre) {
    editAndLoad("delete-channels radio sat:0\nmove-channels fav:1 to 0\n");
    EXPECT_EQ(slotNames(5), "Caf\xE9 TVDas ErsteSay \"Hi\"Hidden One-");
    editAndLoad("sort-channels sat:0 by name\n");
    EXPECT_EQ(slotNames(3), "After GapDas ErsteRadio, Eins");
}

// hide, show and rename a satellite; each a step of its own, undone byte for byte.
TEST_F(CliEdit, SatelliteCommandsShowHideAndRename) {
    editAndLoad(
        "hide-satellite 0\nshow-satellite 1\nrename-satellite 3 \"Aurora 4.8\xC2\xB0"
        "E\"\n");
    EXPECT_FALSE(db().isSatelliteShown(0));
    EXPECT_TRUE(db().isSatelliteShown(1));
    EXPECT_EQ(db().satelliteName(3),
              "Aurora 4.8\xB0"
              "E");
    editAndLoad("rename-satellite 2 " + std::string(43, 'x') + "\n");
    EXPECT_EQ(db().satelliteName(2), std::string(43, 'x'));
    const ToolRun undone = edit("hide-satellite 0\nrename-satellite 0 X\nundo\nundo\n");
    ASSERT_EQ(undone.code, 0) << undone.err;
    EXPECT_EQ(testing::readFileBytes(path("out.tbn")), knownImage());
    expectRefused("hide-satellite 65", "line 1: Please enter an integer between 0 and 64.");
    expectRefused("rename-satellite 0 " + std::string(44, 'x'),
                  "line 1: Please enter no more than 43 characters.");
    expectRefused("rename-satellite 0 \"\xE2\x82\xAC\"",
                  "line 1: Please enter only Latin-1 characters.");
    expectRefused("show-satellite", "line 1: missing argument; usage: show-satellite S");
}

// list --select prints the rows a channel list names; new-since names what a file lacks.
TEST_F(CliEdit, ListSelectPrintsTheRowsASetNames) {
    const std::string known = writeImage("known.tbn", knownImage());
    ToolRun run = runKavroTool({"list", known, "--select", "radio", "--format", "json"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("\"index\": 1}"), std::string::npos);
    EXPECT_NE(run.out.find("\"index\": 4}"), std::string::npos);
    EXPECT_EQ(run.out.find("\"index\": 0}"), std::string::npos);
    editAndLoad("add-channel 0 New 1 2 3 4 0 0\n", knownImage(), "channel 5\n");
    for (const std::string& reference : {known, path("known.csv")}) {
        if (reference != known) {
            const ToolRun csv = runKavroTool({"list", known, "--format", "csv"});
            testing::writeFileBytes(reference, Bytes(csv.out.begin(), csv.out.end()));
        }
        run = runKavroTool(
            {"list", path("out.tbn"), "--select=new-since:" + reference, "--format", "json"});
        ASSERT_EQ(run.code, 0) << run.err;
        EXPECT_NE(run.out.find("\"index\": 5}"), std::string::npos) << reference;
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '{'), 1) << run.out;
    }
    run = runKavroTool({"list", known, "--select", "fav:0"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, "");
}

}  // namespace
}  // namespace kavro::clitest
