#include "FuzzSeeds.h"

#include <algorithm>
#include <memory>
#include <string_view>

#include "FuzzBases.h"
#include "ImageInput.h"
#include "ScriptGenerator.h"
#include "database/ByteOrder.h"
#include "database/ChannelDatabase.h"
#include "database/ListExport.h"
#include "dbfile/DatabaseFile.h"
#include "dbfile/DatabaseImage.h"
#include "support/TestImageBuilder.h"

namespace kavro::fuzzing {

namespace {

using testing::Bytes;

Seed script(std::string name, std::string_view text) {
    return {std::move(name), Bytes(text.begin(), text.end())};
}

Mutation set(MutationKind kind, int index, int offset, uint32_t value, int width = 1) {
    return {kind, width, static_cast<uint16_t>(index), static_cast<uint8_t>(offset), value};
}

constexpr uint8_t NoTool = 0xF8;  // no kavro-tool command (see ImageInput.h)

uint8_t length(FileLength how, uint8_t flags = NoTool) {
    return static_cast<uint8_t>(static_cast<uint8_t>(how) | flags);
}

}  // namespace

std::vector<Seed> imageSeeds() {
    std::vector<Seed> seeds;
    for (int b = 0; b < ImageTargetBaseCount; ++b) {
        seeds.push_back({std::string(baseFiles()[b].name), encodeImageInput(b, NoTool, 0)});
    }
    for (int command = 0; command < ToolCommandCount; ++command) {  // on a base each
        seeds.push_back({"tool-" + std::to_string(command),
                         encodeImageInput(command + 1, static_cast<uint8_t>(command << 3), 0)});
    }
    using K = MutationKind;
    const std::vector<Mutation> records = {
        set(K::CopyChannel, 700, 0, 5),  // a free slot takes a live channel
        set(K::ChannelBytes, 700, ch::Name, 0x41414141, 4),
        set(K::ChannelBytes, 1, ch::TransponderIndex, 2339, 2),  // onto a free transponder
        set(K::ChannelBytes, 2, ch::Flags, 0xFFFF, 2),
        set(K::ChannelBytes, 3, ch::Name + 16, 0x4242, 2),  // a name without its NUL
        set(K::TransponderBytes, 40, tp::SatelliteIndex, 64),
        set(K::TransponderBytes, 0, tp::FrequencyKhz, 0xFFFFFFFF, 4),
        set(K::SatelliteBytes, 4, sat::ShownFlags, 0xFF),
        set(K::SatelliteBytes, 0, sat::Name, 0x43434343, 4),
        set(K::FavoriteNameBytes, 2, 0, 0xE9E9E9E9, 4),
        set(K::FillRecord, 9, 0, 0),  // channel 9: every byte zero
        set(K::FillRecord, 12, 1, 0x41),
        set(K::CopyTransponder, 2000, 0, 3)};
    seeds.push_back({"small-records", encodeImageInput(0, NoTool, 0, records)});
    seeds.push_back({"medium-records", encodeImageInput(2, NoTool, 0, records)});
    seeds.push_back({"covered-short",  // the covered length cut to 100 bytes
                     encodeImageInput(0, NoTool, 0,
                                      {set(K::HeaderBytes, 0, hdr::DataLength, 132, 4),
                                       set(K::HeaderBytes, 0, hdr::DataLengthExtra, 0, 2)})});
    seeds.push_back({"covered-negative",
                     encodeImageInput(0, NoTool, 0,
                                      {set(K::HeaderBytes, 0, hdr::DataLength, 0, 4),
                                       set(K::HeaderBytes, 0, hdr::DataLengthExtra, 7, 2)})});
    seeds.push_back({"cut-in-transponders", encodeImageInput(0, length(FileLength::Cut), 0x10000)});
    seeds.push_back({"long-tail", encodeImageInput(2, length(FileLength::Long), 4000)});
    seeds.push_back({"raw-intact", encodeImageInput(0, length(FileLength::Base, Raw | NoTool), 0)});
    // Refused: too long a covered stretch, a file shorter than its header, a checksum broken.
    seeds.push_back(
        {"refused-covered-long",
         encodeImageInput(0, 0, 0, {set(K::HeaderBytes, 0, hdr::DataLength, 0x130000, 4)})});
    seeds.push_back(
        {"refused-below-header", encodeImageInput(0, length(FileLength::BelowHeader, 0), 31)});
    seeds.push_back({"refused-raw-checksum",
                     encodeImageInput(3, length(FileLength::Base, Raw | NoTool), 0,
                                      {set(K::HeaderBytes, 0, hdr::DataChecksum, 0x5A)})});
    return seeds;
}

namespace {

// The list Export List writes of base `b`, its live channels last slot first.
std::string reversedList(int b) {
    const auto db = std::make_unique<ChannelDatabase>();
    const auto file = std::make_unique<DatabaseFile>();
    const Bytes& bytes = baseFiles()[b].bytes;
    file->load(bytes.data(), bytes.size(), *db);
    std::vector<int> channels;
    for (int ch = ChannelCapacity - 1; ch >= 0; --ch) {
        if (db->isLiveChannel(ch)) {
            channels.push_back(ch);
        }
    }
    return listCsv(*db, channels);
}

Seed orderSeed(std::string name, int base, bool asList, const Bytes& rest) {
    Bytes bytes(rest.size() + 2);
    bytes[0] = static_cast<uint8_t>(base);
    bytes[1] = asList ? 0 : 1;
    std::copy(rest.begin(), rest.end(), bytes.begin() + 2);
    return {std::move(name), std::move(bytes)};
}

}  // namespace

std::vector<Seed> orderSeeds() {
    std::vector<Seed> seeds;
    for (int b = 0; b < ImageTargetBaseCount; ++b) {
        const std::string name(baseFiles()[b].name);
        const int other = (b + 2) % ImageTargetBaseCount;
        const std::string own = reversedList(b), others = reversedList(other);
        seeds.push_back(orderSeed("list-" + name, b, true, Bytes(own.begin(), own.end())));
        seeds.push_back(orderSeed("list-" + name + "-by-" + std::string(baseFiles()[other].name), b,
                                  true, Bytes(others.begin(), others.end())));
        seeds.push_back(orderSeed("file-" + name, b, false, encodeImageInput(other, NoTool, 0)));
    }
    const std::string_view noHeader = "Medium TV 001,Medium Sat 1\r\n";
    seeds.push_back(orderSeed("refused-list", 2, true, Bytes(noHeader.begin(), noHeader.end())));
    return seeds;
}

// Byte 0 of an import input: the base imported into (see FuzzBases.h) and the options.
constexpr uint8_t ImportUpdate = 0x10, ImportByName = 0x20, ImportBefore = 0x40;

std::vector<Seed> importSeeds() {
    const auto seed = [](std::string name, int here, uint8_t options, int other,
                         uint8_t lengthAndFlags = NoTool) {
        Bytes bytes = encodeImageInput(other, lengthAndFlags, 0);
        bytes.insert(bytes.begin(), static_cast<uint8_t>(here | options));
        return Seed{std::move(name), std::move(bytes)};
    };
    constexpr int Small = 0, Empty = 1, Medium = 2, Gaps = 3, Long = 7, Full = 9;
    return {seed("medium-into-small", Small, 0, Medium),
            seed("small-into-medium-before", Medium, ImportBefore, Small),
            seed("medium-into-itself-update", Medium, ImportUpdate, Medium),
            seed("gaps-into-medium-by-name", Medium, ImportByName | ImportUpdate, Gaps),
            seed("medium-into-empty", Empty, 0, Medium),
            seed("long-into-gaps", Gaps, ImportBefore, Long),
            seed("medium-into-full", Full, 0, Medium),  // refused: no free slot
            seed("refused-below-header", Small, 0, Small, length(FileLength::BelowHeader, 0))};
}

std::vector<Seed> backupSeeds() {
    const auto seed = [](std::string name, uint8_t clock, const std::vector<std::string>& parts) {
        Bytes bytes = {clock};
        for (const std::string& part : parts) {
            bytes.insert(bytes.end(), part.begin(), part.end());
            bytes.push_back(0);
        }
        return Seed{std::move(name), std::move(bytes)};
    };
    const std::string head = "kavro backups\nlast ";
    std::vector<std::string> many = {head + "20261207-000000Z-0000\npath %"};
    for (int day = 10; day < 23; ++day) {
        many.push_back("@202611" + std::to_string(day) + "-120000Z-0000.tbn");
    }
    return {seed("empty", 0, {""}),
            seed("own-index", 0,
                 {head + "20261207-000000Z-0003\npath %", "@20261207-000000Z-0001.tbn",
                  "@20261206-235959Z-9999.tbn", "notes.txt", "@2026.tbn"}),
            seed("other-files-index", 0, {head + "20261208-000000Z-0000\npath /elsewhere"}),
            seed("index-cut", 1, {head + "2026120", "@19700101-000000Z-0000.tbn"}),
            seed("refused-after-last-name", 3, {head + "99991231-235959Z-9998\npath %"}),
            seed("before-epoch", 2, {"", "@19691231-000000Z-0000.tbn"}),
            seed("more-than-kept", 0, many)};
}

std::vector<Seed> scriptSeeds() {
    return {
        script("every-command",
               "# every command once\n"
               "view tv\n"
               "add-transponder 0 11000 27500 1\n"
               "edit-transponder 0 12000 22000 0\n"
               "add-channel 0 \"New \\\"One\\\"\" 100 101 100 5000 1 0\n"
               "edit-channel 1 Renamed 200 201 200 6000 1\n"
               "set-favorites 0 1 2 5\n"
               "rename-group 3 \"Group \\\\ Three\"\n"
               "move-channels 4 5 before 0\n"
               "move-channels 7 before end\n"
               "delete-channels 2 3\n"
               "delete-transponder 1\n"
               "view radio\n"
               "add-channel 2 \"Radio New\" 300 300 300 7000 0 1\n"
               "undo\n"
               "undo\n"
               "redo\n"
               "view all\n"),
        script("full",
               "# image: full\n"
               "move-channels 0 2 4 6 8 before 15000\n"
               "delete-channels 15359 1 3\n"
               "add-channel 5 \"Refilled\" 1 2 3 4 0 0\n"
               "delete-transponder 2339\n"
               "add-transponder 64 12000 27500 0\n"),
        script("gaps",
               "# image: gaps\n"
               "add-transponder 0 11000 27500 0\n"
               "add-channel 1 \"Into Gap\" 1 2 3 65534 1 1\n"
               "add-channel 0 Reuse 1 2 3 9 0 0\n"
               "move-channels 15359 before 0\n"
               "delete-transponder 4\n"
               "set-favorites 0 10 255\n"),
        script("refused-range", "add-transponder 0 999 27500 0\n"),
        script("refused-integer", "edit-transponder 0 12x00 27500 0\n"),
        script("refused-name", "edit-channel 0 \"Seventeen chars!!\" 1 2 3 4 0\n"),
        script("refused-latin1", "rename-group 1 \"\xCE\xA9mega\"\n"),
        script("refused-quote", "rename-group 1 \"open\n"),
        script("refused-not-live", "delete-channels 0 60\n"),
        script("refused-unknown", "\n  # comment\r\nfrobnicate 1\n"),
        script("refused-full-tp", "# image: full\nadd-transponder 0 11000 27500 0\n"),
        script("refused-full-ch", "# image: full\nadd-channel 0 New 1 2 3 4 0 0\n"),
        script("random-small", randomScript("small", 1, 40)),
        script("random-gaps", randomScript("gaps", 2, 40)),
        script("refused-usage", "move-channels 1 2 before before 3\n"),
        script("refused-undo", "rename-group 1 A\nundo\nundo\n"),
        script("refused-redo", "rename-group 1 A\nundo\nredo\nredo\n"),
        script("empty",
               "# image: empty\n"
               "add-transponder 0 11000 27500 0\n"
               "add-channel 0 First 1 2 3 4 0 0\n"
               "undo\n"
               "undo\n"
               "redo\n"),
        script("random-medium", randomScript("medium", 3, 40)),
        script("tables-end",
               "# image: tables-end\n"
               "rename-group 8 \"Last Group\"\n"
               "add-channel 0 Short 1 2 3 4 0 0\n"
               "undo\n"
               "redo\n"),
        // Edits past the end of the file, where it reads as zeros: the save grows the file.
        script("cut-transponders",
               "# image: cut-transponders\n"
               "delete-transponder 2000\n"
               "add-channel 1000 \"On Zero\" 1 2 3 4 0 0\n"
               "rename-group 2 Beyond\n"),
        script("cut-satellites",
               "# image: cut-satellites\n"
               "rename-group 1 \"After The End\"\n"
               "set-favorites 0 1 3\n"),
        script("long",
               "# image: long\n"
               "move-channels 3 4 before 0\n"
               "delete-channels 10\n"),
        script("early",
               "# image: early\n"
               "edit-channel 0 Early 1 2 3 4 1\n"
               "add-transponder 2 12000 27500 1\n"),
    };
}

}  // namespace kavro::fuzzing
