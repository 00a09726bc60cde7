// The import target's checks: another database file, read as Import From reads it, imported
// whole into a base file.
#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "DatabaseState.h"
#include "FuzzBases.h"
#include "FuzzChecks.h"
#include "ImageInput.h"
#include "ScratchFolder.h"
#include "database/ByteOrder.h"
#include "database/ChannelDatabase.h"
#include "dbfile/DatabaseReader.h"
#include "session/EditSession.h"
#include "session/ImportEdit.h"

namespace kavro::fuzzing {

namespace {

// A channel record as it stands for what it is wherever it is kept, hashed: its transponder
// reference replaced by that transponder's satellite name, MHz and polarization; its
// favourite bits left out when groups are matched by name.
uint64_t placeless(const ChannelDatabase& db, int ch, bool byName) {
    const int t = db.channelTransponder(ch);
    const std::string_view satellite = db.satelliteName(db.transponderSatellite(t));
    const int key[] = {db.transponderFrequencyMhz(t), db.transponderPolarization(t) != 0 ? 1 : 0};
    char bytes[ChannelRecordSize + sizeof key + SatelliteRecordSize];
    std::memcpy(bytes, db.bytes() + table::channel(ch), ChannelRecordSize);
    writeU16(reinterpret_cast<uint8_t*>(bytes) + ch::TransponderIndex, 0);
    if (byName) {
        writeU16(reinterpret_cast<uint8_t*>(bytes) + ch::FavoriteBits, 0);
    }
    std::memcpy(bytes + ChannelRecordSize, key, sizeof key);
    std::memcpy(bytes + ChannelRecordSize + sizeof key, satellite.data(), satellite.size());
    return std::hash<std::string_view>()(
        {bytes, ChannelRecordSize + sizeof key + satellite.size()});
}

std::vector<uint64_t> liveChannels(const ChannelDatabase& db, bool byName) {
    std::vector<uint64_t> records;
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (db.isLiveChannel(ch)) {
            records.push_back(placeless(db, ch, byName));
        }
    }
    std::sort(records.begin(), records.end());
    return records;
}

int liveTransponders(const ChannelDatabase& db) {
    int count = 0;
    for (int t = 0; t < TransponderCapacity; ++t) {
        count += db.isLiveTransponder(t) ? 1 : 0;
    }
    return count;
}

// What the import must leave: the live channels here but those updated, and a copy of each
// channel copied or updated from there.
std::vector<uint64_t> expectedChannels(const ChannelDatabase& here, const ChannelDatabase& other,
                                       const ImportPlan& plan, bool byName) {
    std::vector<bool> updated(ChannelCapacity, false);
    std::vector<uint64_t> records;
    for (const ImportItem& item : plan.channels) {
        if (item.fate == ImportFate::Updated) {
            updated[item.partner] = true;
        }
        if (item.fate == ImportFate::Updated || item.fate == ImportFate::Copied) {
            records.push_back(placeless(other, item.source, byName));
        }
    }
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (here.isLiveChannel(ch) && !updated[ch]) {
            records.push_back(placeless(here, ch, byName));
        }
    }
    std::sort(records.begin(), records.end());
    return records;
}

// Everything the other database has, with the options the selector byte picks.
ImportRequest wholeImport(const ChannelDatabase& here, const ChannelDatabase& other,
                          uint8_t selector) {
    ImportRequest request;
    for (int t = 0; t < TransponderCapacity; ++t) {
        if (other.isLiveTransponder(t)) {
            request.transponders.push_back(t);
        }
    }
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (other.isLiveChannel(ch)) {
            request.channels.push_back(ch);
        }
    }
    request.update = (selector & 0x10) != 0;
    request.favorites = (selector & 0x20) != 0 ? FavoriteMatch::ByName : FavoriteMatch::ByNumber;
    for (int ch = 0; ch < ChannelCapacity && (selector & 0x40) != 0; ++ch) {
        if (here.isLiveChannel(ch)) {
            request.before = ch;
            break;
        }
    }
    return request;
}

void checkImported(const ChannelDatabase& db, const std::vector<uint8_t>& start,
                   const ChannelDatabase& before, const ChannelDatabase& other,
                   const ImportPlan& plan, bool byName) {
    require(std::memcmp(db.bytes(), start.data(), table::Transponders) == 0 &&
                std::memcmp(db.bytes() + table::FavoriteNames, start.data() + table::FavoriteNames,
                            table::Size - table::FavoriteNames) == 0,
            "an import changes only transponders and channels");
    for (int t = 0; t < TransponderCapacity; ++t) {
        require(!before.isLiveTransponder(t) ||
                    std::memcmp(db.bytes() + table::transponder(t),
                                start.data() + table::transponder(t), TransponderRecordSize) == 0,
                "an import keeps the transponders here");
    }
    require(liveTransponders(db) ==
                liveTransponders(before) + static_cast<int>(plan.newTransponders.size()),
            "an import adds the transponders it plans");
    require(liveChannels(db, byName) == expectedChannels(before, other, plan, byName),
            "imported channels are copies of theirs, on a transponder of the same key");
}

}  // namespace

bool checkImportInput(const uint8_t* data, size_t size) {
    static BaseSession bases;
    static DecodedImage input;
    static std::vector<uint8_t> start;  // the base's tables, and as a database
    static ChannelDatabase before;
    const BaseSession::Input ending(bases);
    EditSession& session = bases.session();
    const ChannelDatabase& db = session.database();
    const uint8_t selector = size > 0 ? data[0] : 0;
    if (bases.startAt(baseFiles()[(selector & 0x0F) % baseFiles().size()].bytes)) {
        copyBytes(start, db.bytes(), table::Size);
        std::memcpy(before.mutableBytes(), start.data(), table::Size);
    }

    decodeImageInput(data + std::min<size_t>(size, 1), size - std::min<size_t>(size, 1), input);
    const std::string path = scratchFolder().path("import.tbn");
    writeScratchFile(path, input.fileData(), input.fileSize);
    static DatabaseReader reader;
    const ImportSource source = readImportSource(path, reader);
    if (!source.database) {
        require(!source.message.empty() && !source.reason.empty(), "a refused source says why");
        bases.backAtBase();
        return false;
    }
    const ImportChannels edit{source.database, "import.tbn",
                              wholeImport(db, *source.database, selector)};
    const EditResult result = session.apply(Edit{edit});
    const ImportPlan& plan = session.lastImportPlan();
    require(result.applied == plan.refusal.empty(), "an import applies when its plan allows");
    if (!result.applied) {
        require(std::memcmp(db.bytes(), start.data(), table::Size) == 0,
                "a refused import changes nothing");
        bases.backAtBase();
        return true;
    }
    checkImported(db, start, before, *source.database, plan,
                  edit.request.favorites == FavoriteMatch::ByName);
    while (session.undo()) {
    }
    require(std::memcmp(db.bytes(), start.data(), table::Size) == 0,
            "undoing the import gives back the base");
    bases.backAtBase();
    return true;
}

}  // namespace kavro::fuzzing
