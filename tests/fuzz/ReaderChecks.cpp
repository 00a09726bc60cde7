// The checks of the small targets: the CSV reader and a reference order applied to a base
// file, the comparison of two databases, and the lint.
#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "DatabaseState.h"
#include "FuzzBases.h"
#include "FuzzChecks.h"
#include "ImageInput.h"
#include "ScratchFolder.h"
#include "cli/Tool.h"
#include "database/ChannelDatabase.h"
#include "database/CsvText.h"
#include "database/DatabaseDiff.h"
#include "database/Problems.h"
#include "dbfile/DatabaseFile.h"
#include "dbfile/DatabaseReader.h"
#include "session/EditSession.h"
#include "session/OrderReference.h"

namespace kavro::fuzzing {

namespace {

const BaseFile& pickedBase(const uint8_t* data, size_t size) {
    return baseFiles()[(size > 0 ? data[0] : 0) % ImageTargetBaseCount];
}

// A database and its file, without a session's view index: for the checks that only read.
struct Loaded {
    ChannelDatabase db;
    DatabaseFile file;

    bool load(const uint8_t* bytes, size_t size) {
        return file.load(bytes, size, db).outcome == OpenOutcome::Accepted;
    }
    bool load(const std::vector<uint8_t>& bytes) { return load(bytes.data(), bytes.size()); }
    bool load(const DecodedImage& input) { return load(input.fileData(), input.fileSize); }
};

// Read, written back field by field and read again, a text gives the same records; a
// refused one says where and why.
void checkCsvRoundTrip(std::string_view text) {
    std::vector<CsvRecord> records;  // freed by the input that read them
    CsvProblem problem;
    if (!readCsv(text, records, problem)) {
        require(problem.line >= 1 && !problem.message.empty(), "a refused CSV text says why");
        return;
    }
    std::string written = "\n";  // a byte-order mark that starts a field stays a field's
    for (const CsvRecord& record : records) {
        for (size_t i = 0; i < record.size(); ++i) {
            written +=
                (i ? "," : "") + (record.size() == 1 && record[0].empty() ? std::string("\"\"")
                                                                          : csvField(record[i]));
        }
        written += "\n";
    }
    // Read back a record at a time, each compared as it comes.
    size_t next = 0;
    CsvStreamReader again([&records, &next](CsvRecord& record) {
        return next < records.size() && record == records[next++];
    });
    require(again.feed(written) && again.finish() && next == records.size(),
            "a CSV text written back reads as the same records");
}

// A channel's record, by a hash of its bytes first: sorting by hash and bytes compares the
// bytes of records with equal hashes only.
using Record = std::pair<size_t, std::string_view>;

// The live channels' records, sorted into `records`: what an order may not change. Views of
// the database's bytes, good while it stands as it is.
void liveRecords(const ChannelDatabase& db, std::vector<Record>& records) {
    records.clear();
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        if (db.isLiveChannel(ch)) {
            const std::string_view record(
                reinterpret_cast<const char*>(db.bytes() + table::channel(ch)), ChannelRecordSize);
            records.emplace_back(std::hash<std::string_view>()(record), record);
        }
    }
    std::sort(records.begin(), records.end());
}

bool sameOutsideChannels(const ChannelDatabase& a, const std::vector<uint8_t>& b) {
    return std::memcmp(a.bytes(), b.data(), table::Channels) == 0 &&
           std::memcmp(a.bytes() + table::FavoriteNames, b.data() + table::FavoriteNames,
                       table::Size - table::FavoriteNames) == 0;
}

// Applies the order of the reference at `path`; false when it is refused.
bool applyReference(EditSession& session, const std::string& path, bool& changed) {
    static DatabaseReader reader;
    const ReferenceOrder order = readReferenceOrder(session.database(), path, reader);
    if (order.outcome != ReferenceOutcome::Matched) {
        require(!order.message.empty(), "a refused reference says why");
        return false;
    }
    const EditResult result = session.apply(Edit{order.edit});
    require(result.applied, "a matched order applies");
    changed = result.changed;
    return true;
}

// A channel difference with its sides swapped, as a comparable tuple.
using Place = std::tuple<int, int, int, int, std::vector<ChannelField>>;
std::vector<Place> places(const std::vector<ChannelDifference>& list, bool swapped) {
    std::vector<Place> out;
    for (const ChannelDifference& d : list) {
        const ChannelPlace& first = swapped ? d.b : d.a;
        const ChannelPlace& second = swapped ? d.a : d.b;
        out.emplace_back(first.slot, first.row, second.slot, second.row, d.fields);
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<std::pair<int, int>> pairs(const std::vector<TransponderDifference>& list,
                                       bool swapped) {
    std::vector<std::pair<int, int>> out;
    for (const TransponderDifference& d : list) {
        out.emplace_back(swapped ? d.b : d.a, swapped ? d.a : d.b);
    }
    std::sort(out.begin(), out.end());
    return out;
}

void checkMirrored(const DatabaseDiff& ab, const DatabaseDiff& ba) {
    require(places(ab.added, false) == places(ba.removed, true) &&
                places(ab.removed, false) == places(ba.added, true),
            "what B adds to A, A removes from B");
    require(places(ab.changed, false) == places(ba.changed, true),
            "the changed channels are the same both ways");
    // The fewest moves that explain the order are as many both ways; which channels they name
    // is a choice among orders equally close (A = x y, B = y x: either one moved).
    require(ab.moved.size() == ba.moved.size(), "as many channels moved both ways");
    require(pairs(ab.transpondersAdded, false) == pairs(ba.transpondersRemoved, true) &&
                pairs(ab.transpondersRemoved, false) == pairs(ba.transpondersAdded, true) &&
                pairs(ab.transpondersChanged, false) == pairs(ba.transpondersChanged, true),
            "the transponder differences mirror");
    require(ab.groupsRenamed == ba.groupsRenamed, "the renamed groups are the same both ways");
    require(ab.equal() == ba.equal(), "equal both ways or neither");
}

size_t occurrences(std::string_view text, std::string_view part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// kavro-tool lint lists as many findings of each kind as it counts, and says whether any.
void checkLintTool(const std::string& path, const std::array<int, ProblemKinds.size()>& counts,
                   bool any) {
    std::istringstream in;
    static std::string output;  // the output's buffer, kept for the next input's
    output.clear();
    std::ostringstream out(std::move(output)), err;
    static EditSession session;
    static cli::LintBuffers lint;
    const int code = cli::runTool({"lint", path, "--format", "json"}, in, out, err,
                                  systemFileWriter(), false, &session, &lint);
    require(code == (any ? 1 : 0), "kavro-tool lint fails when there are findings");
    const std::string_view json = out.view();
    // A quote in a text is escaped, so this only starts a finding.
    const std::string start = "{\"kind\": \"";
    std::array<int, ProblemKinds.size()> listed{};
    size_t k = 0;  // the kind of the finding before, which the next one mostly has
    for (size_t at = json.find(start); at != std::string::npos; at = json.find(start, at + 1)) {
        const size_t from = at + start.size();
        const size_t end = json.find('"', from);
        require(end != std::string::npos, "kavro-tool lint writes whole findings");
        const std::string_view kind = json.substr(from, end - from);
        if (kind != ProblemKinds[k]) {
            const auto known = std::find(ProblemKinds.begin(), ProblemKinds.end(), kind);
            require(known != ProblemKinds.end(), "kavro-tool lint lists findings of known kinds");
            k = static_cast<size_t>(known - ProblemKinds.begin());
        }
        ++listed[k];
    }
    require(listed == counts, "kavro-tool lint lists each finding");
    const size_t countsAt = json.rfind("\"counts\": {");
    require(countsAt != std::string::npos, "kavro-tool lint counts the findings");
    const std::string_view countsPart = json.substr(countsAt);
    for (size_t k = 0; k < ProblemKinds.size(); ++k) {
        const std::string entry = "\"" + std::string(ProblemKinds[k]) + "\": ";
        const std::string count = std::to_string(counts[k]);
        require(occurrences(countsPart, entry + count + ",") +
                        occurrences(countsPart, entry + count + "}") ==
                    1,
                "kavro-tool lint counts the findings it lists");
    }
    output = std::move(out).str();
}

}  // namespace

bool checkOrderInput(const uint8_t* data, size_t size) {
    static BaseSession bases;
    static std::vector<uint8_t> start;  // the base's tables, and as a database
    static ChannelDatabase before;
    static DecodedImage reference;
    const BaseSession::Input input(bases);
    EditSession& session = bases.session();
    const ChannelDatabase& db = session.database();
    if (bases.startAt(pickedBase(data, size).bytes)) {
        copyBytes(start, db.bytes(), table::Size);
        std::memcpy(before.mutableBytes(), start.data(), table::Size);
    }
    const bool asList = size < 2 || data[1] % 2 == 0;
    const std::string path = scratchFolder().path(asList ? "reference.csv" : "reference.tbn");
    if (asList) {
        const size_t skip = std::min<size_t>(size, 2);
        writeScratchFile(path, data + skip, size - skip);
        checkCsvRoundTrip({reinterpret_cast<const char*>(data) + skip, size - skip});
    } else {
        decodeImageInput(data + 2, size - 2, reference);
        writeScratchFile(path, reference.fileData(), reference.fileSize);
    }
    bool changed = false;  // the order of the base may be the reference's already
    if (!applyReference(session, path, changed)) {
        require(std::memcmp(db.bytes(), start.data(), table::Size) == 0,
                "a refused reference changes nothing");
        bases.backAtBase();
        return false;
    }
    require(sameOutsideChannels(db, start), "an order changes only the channel table");
    static std::vector<Record> recordsNow, recordsBefore;
    liveRecords(db, recordsNow);
    liveRecords(before, recordsBefore);
    require(recordsNow == recordsBefore, "an order changes no channel's fields");
    for (int ch = 0; ch < ChannelCapacity; ++ch) {
        require(db.isLiveChannel(ch) == before.isLiveChannel(ch), "free slots keep their place");
    }
    static std::vector<uint8_t> once;
    copyBytes(once, db.bytes(), table::Size);
    bool changedAgain = true;
    require(applyReference(session, path, changedAgain), "a reference applied once applies again");
    require(!changedAgain && std::memcmp(db.bytes(), once.data(), table::Size) == 0,
            "a second apply of the same reference changes nothing");
    while (session.undo()) {
    }
    require(std::memcmp(db.bytes(), start.data(), table::Size) == 0,
            "undoing the order gives back the base");
    bases.backAtBase();
    return true;
}

bool checkDiffInput(const uint8_t* data, size_t size) {
    static const auto a = std::make_unique<Loaded>(), b = std::make_unique<Loaded>();
    static DecodedImage input;
    static DatabaseComparer comparer;  // its work space kept from one comparison to the next
    // The base is loaded, and compared with itself, only when another base was the last: the
    // comparisons only read, and a base compares with itself as it did before.
    static const BaseFile* loadedBase = nullptr;
    const BaseFile& base = pickedBase(data, size);
    if (loadedBase != &base) {
        loadedBase = nullptr;
        require(a->load(base.bytes), "a base file loads");
        require(comparer.compare(a->db, a->db).equal(),
                "a database compared with itself shows no difference");
        loadedBase = &base;
    }
    decodeImageInput(data, size, input);
    if (!b->load(input)) {
        return false;
    }
    require(comparer.compare(b->db, b->db).equal(),
            "a database compared with itself shows no difference");
    checkMirrored(comparer.compare(a->db, b->db), comparer.compare(b->db, a->db));
    return true;
}

bool checkLintInput(const uint8_t* data, size_t size) {
    static const auto loaded = std::make_unique<Loaded>();
    static DecodedImage input;
    decodeImageInput(data, size, input);
    if (!loaded->load(input)) {
        return false;
    }
    // Its work space and the list's storage kept from one input to the next.
    static ProblemFinder finder;
    static FindingList findings;
    finder.find(loaded->db, ChannelNaming::Slot, findings);
    const auto counts = countProblems(findings);
    size_t previousKind = 0;
    std::array<int, ProblemKinds.size()> listed{};
    for (const Finding& finding : findings) {
        const auto kind = finding.kind == ProblemKinds[previousKind]
                              ? ProblemKinds.begin() + previousKind
                              : std::find(ProblemKinds.begin(), ProblemKinds.end(), finding.kind);
        require(kind != ProblemKinds.end(), "a finding is of a known kind");
        const size_t k = static_cast<size_t>(kind - ProblemKinds.begin());
        require(k >= previousKind, "findings come by kind");
        previousKind = k;
        ++listed[k];
        require(finding.channel >= -1 && finding.channel < ChannelCapacity &&
                    finding.transponder >= -1 && finding.transponder < TransponderCapacity,
                "a finding names a slot of its table or none");
        require(!finding.text.empty(), "a finding has a text");
    }
    require(counts == listed, "the counts are the findings of each kind");
    size_t total = 0;
    for (const int count : counts) {
        total += static_cast<size_t>(count);
    }
    require(total == findings.size(), "the counts add up to the findings");
    if (input.toolCommand < ToolCommandCount) {
        const std::string path = scratchFolder().path("lint.tbn");
        writeScratchFile(path, input.fileData(), input.fileSize);
        checkLintTool(path, counts, !findings.empty());
    }
    return true;
}

}  // namespace kavro::fuzzing
