// The edit-script fuzz target's checks: a byte string run as a kavro-tool edit script.
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "DatabaseState.h"
#include "FuzzChecks.h"
#include "cli/EditScript.h"
#include "database/ChannelDatabase.h"
#include "database/ViewIndex.h"
#include "dbfile/DatabaseImage.h"
#include "session/EditSession.h"
#include "support/TestImageBuilder.h"

namespace kavro::fuzzing {

namespace {

using testing::Bytes;

// Free transponder slots between live ones, a hidden satellite with a transponder, channels
// left pointing at free transponder slots (one with the unassigned service ID), free channel
// slots between live ones, the last slots of both tables in use, and a file that ends soon
// after the last table.
Bytes gapsImage() {
    testing::TestImageBuilder b(17);
    b.satellite(0, "Gap One").satellite(1, "Hidden", false).satellite(64, "Last");
    b.transponder(0, 0, 11727000, 27500, 0).transponder(3, 0, 12000000, 22000, 1);
    b.transponder(4, 1, 10000000, 27500, 0).transponder(2339, 64, 12500000, 30000, 1);
    b.channel(0, 0, "First", 1).channel(2, 3, "Radio Two", 2, false);
    b.channel(3, 4, "Hidden Sat", 3).channel(4, 1, "Orphan", 4);
    b.channel(5, 2, "Orphan Unset", 0xFFFF).channel(9, 0, "Unset", 0xFFFF, false);
    b.channel(10, 2339, "Far Away", 10).channel(ChannelCapacity - 1, 0, "Last Slot", 11);
    b.favoriteName(0, "Gaps");
    constexpr int FileSize = FavoriteNameRegion + FavoriteNameSlots * FavoriteNameSize + 100;
    b.coveredLength(FileSize - HeaderSize);
    Bytes image = b.build();
    image.resize(FileSize);
    return image;
}

// Loads the base database `name` into the session and returns its state as loaded.
const DatabaseState& loadBase(EditSession& session, std::string_view name) {
    static std::map<std::string, DatabaseState, std::less<>> states;
    require(testing::loadImage(session, scriptBaseImage(name)), "a base image loads");
    auto found = states.find(name);
    if (found == states.end()) {
        found = states.emplace(std::string(name), DatabaseState()).first;
        found->second.capture(session);
    }
    return found->second;
}

std::string_view baseNameOf(std::string_view script) {
    for (std::string_view name : {"full", "gaps"}) {
        const std::string line = "# image: " + std::string(name);
        if (script.substr(0, line.size()) == line &&
            (script.size() == line.size() || script[line.size()] == '\n' ||
             script[line.size()] == '\r')) {
            return name;
        }
    }
    return "small";
}

// The lines before line `line` (counted from 1), as the script runner splits them.
std::string_view linesBefore(std::string_view script, int line) {
    size_t end = 0;
    for (int n = 1; n < line; ++n) {
        end = script.find('\n', end) + 1;
    }
    return script.substr(0, end);
}

// Stretches of the image that no edit may touch: the header but its two checksums, the
// opaque blocks and the gap after them, the satellites, the favourite slots the editor does
// not offer, and every stretch between the tables.
struct Stretch {
    int begin;
    int end;
};
constexpr Stretch UntouchedStretches[] = {
    {0, hdr::DataChecksum},
    {hdr::HeaderChecksum + 2, HeaderSize},
    {OpaqueBlockARegion, TransponderRegion},
    {TransponderRegion + TransponderCapacity * TransponderRecordSize, FavoriteNameRegion},
    {FavoriteNameRegion + FavoriteGroupCount * FavoriteNameSize, ImageSize},
};

void checkPacked(const EditSession& session, const DatabaseState& base) {
    static const auto image = std::make_unique<DatabaseImage>();
    *image = session.file().image();
    image->pack(session.database());
    require(checkImage(image->bytes()) == ImageProblem::None, "an edited image passes the checks");
    for (const Stretch& s : UntouchedStretches) {
        require(std::memcmp(image->bytes() + s.begin, base.image().data() + s.begin,
                            s.end - s.begin) == 0,
                "bytes the editor does not own survive an edit");
    }
}

// The database after the refused line must be the one after the lines before it.
void checkRefusalChangedNothing(EditSession& session, std::string_view base,
                                std::string_view script, const cli::ScriptOutcome& outcome) {
    require(outcome.line >= 1 && !outcome.message.empty(), "a refusal names its line and reason");
    static DatabaseState refused;
    refused.capture(session);
    loadBase(session, base);
    const cli::ScriptOutcome prefix =
        cli::runEditScript(session, linesBefore(script, outcome.line));
    require(prefix.ok, "the lines before a refused one run");
    require(prefix.output == outcome.output, "a refused line prints nothing");
    require(refused.matches(session), "a refused line changes nothing");
}

EditSession& fuzzSession() {
    static EditSession session;
    return session;
}

}  // namespace

const std::vector<uint8_t>& scriptBaseImage(std::string_view name) {
    static const Bytes small = testing::smallImage(3);
    static const Bytes full = testing::fullCapacityImage(7);
    static const Bytes gaps = gapsImage();
    return name == "full" ? full : name == "gaps" ? gaps : small;
}

bool checkEditScriptInput(const uint8_t* data, size_t size) {
    const std::string_view script(reinterpret_cast<const char*>(data), size);
    EditSession& session = fuzzSession();
    const std::string_view baseName = baseNameOf(script);
    const DatabaseState& base = loadBase(session, baseName);
    const cli::ScriptOutcome outcome = cli::runEditScript(session, script);
    checkViewIndex(session);
    formatAllTexts(session, session.view());
    if (!outcome.ok) {
        checkRefusalChangedNothing(session, baseName, script, outcome);
    }
    checkPacked(session, base);
    return outcome.ok;
}

}  // namespace kavro::fuzzing
