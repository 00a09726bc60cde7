// The edit target's checks: a byte string run as a kavro-tool edit script on a base file,
// then saved as the tool saves, opened again, undone to the base and redone to the save.
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "DatabaseState.h"
#include "FuzzBases.h"
#include "FuzzChecks.h"
#include "SaveChecks.h"
#include "ScratchFolder.h"
#include "cli/EditScript.h"
#include "database/ChannelDatabase.h"
#include "database/ViewIndex.h"
#include "dbfile/DatabaseImage.h"
#include "session/EditSession.h"

namespace kavro::fuzzing {

namespace {

// A base file, written once into the scratch folder, and the state it opens to.
struct OpenedBase {
    std::string path;
    std::string_view tail;  // its bytes past a whole image
    DatabaseState state;
};

// Opens the base file `name` in the all view, as kavro-tool edit does; with `open` false,
// only finds it, the session holding it as opened already.
const OpenedBase& openBase(EditSession& session, std::string_view name, bool open = true) {
    static std::map<std::string, OpenedBase, std::less<>> opened;
    auto found = opened.find(name);
    const bool first = found == opened.end();
    if (first) {
        const BaseFile& base = baseFile(name);
        found = opened.emplace(std::string(name), OpenedBase()).first;
        found->second.path = scratchFolder().path("base-" + std::string(name) + ".tbn");
        writeScratchFile(found->second.path, base.bytes.data(), base.bytes.size());
        if (base.bytes.size() > static_cast<size_t>(ImageSize)) {
            found->second.tail = {reinterpret_cast<const char*>(base.bytes.data()) + ImageSize,
                                  base.bytes.size() - ImageSize};
        }
    }
    if (!open && !first) {
        return found->second;
    }
    if (session.view() != View::All) {
        session.setView(View::All);
    }
    require(session.open(found->second.path).outcome == OpenOutcome::Accepted, "a base file opens");
    if (first) {
        found->second.state.capture(session);
    }
    return found->second;
}

// The base the script's first line names ("# image: NAME"); else the small one.
std::string_view baseNameOf(std::string_view script) {
    constexpr std::string_view Prefix = "# image: ";
    if (script.substr(0, Prefix.size()) != Prefix) {
        return "small";
    }
    std::string_view name = script.substr(Prefix.size());
    name = name.substr(0, name.find_first_of("\r\n"));
    for (const BaseFile& base : baseFiles()) {
        if (base.name == name) {
            return base.name;
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

// The session's tables packed into its image, which keeps the bytes between the tables.
const DatabaseImage& packed(const EditSession& session) {
    static const auto image = std::make_unique<DatabaseImage>();
    *image = session.file().image();
    image->pack(session.database());
    return *image;
}

void checkPacked(const EditSession& session, const OpenedBase& base) {
    const DatabaseImage& image = packed(session);
    require(checkImage(image.bytes()) == ImageProblem::None, "an edited image passes the checks");
    for (const Stretch& s : UntouchedStretches) {
        require(std::memcmp(image.bytes() + s.begin, base.state.image().data() + s.begin,
                            s.end - s.begin) == 0,
                "bytes the editor does not own survive an edit");
    }
}

// The database after the refused line must be the one after the lines before it.
void checkRefusalChangedNothing(EditSession& session, std::string_view script,
                                const cli::ScriptOutcome& outcome) {
    require(outcome.line >= 1 && !outcome.message.empty(), "a refusal names its line and reason");
    static DatabaseState refused;
    refused.capture(session);
    // Back to the base as opened: every step undone (checked against the base later) and the
    // view it opens in.
    while (session.undo()) {
    }
    if (session.view() != View::All) {
        session.setView(View::All);
    }
    const cli::ScriptOutcome prefix =
        cli::runEditScript(session, linesBefore(script, outcome.line));
    require(prefix.ok, "the lines before a refused one run");
    require(prefix.output == outcome.output, "a refused line prints nothing");
    require(refused.matches(session), "a refused line changes nothing");
}

// The tables as saved last.
std::vector<uint8_t>& savedTables() {
    static std::vector<uint8_t> tables;
    return tables;
}

// Save As, as kavro-tool edit writes its output: with the base's bytes past the image.
void checkSaveAs(EditSession& session, const OpenedBase& base) {
    SaveOptions options;
    options.tailFrom = base.path;
    const std::string path = scratchFolder().path("saved.tbn");
    require(session.saveAs(path, options).outcome == SaveOutcome::Written,
            "an edited database saves");
    require(!session.isModified(), "a saved database is not modified");
    checkSavedFile(session, path, base.tail);
    copyBytes(savedTables(), session.database().bytes(), table::Size);
}

// Every step undone gives back the base, byte for byte; redone, what was saved. (Tables that
// are the same pack to the same image.)
void checkUndoAndRedo(EditSession& session, const OpenedBase& base) {
    const size_t steps = session.history().position();
    size_t undone = 0;
    while (session.undo()) {
        ++undone;
    }
    require(undone == steps, "every step can be undone");
    checkViewIndex(session);
    require(std::memcmp(session.database().bytes(), base.state.tables().data(), table::Size) == 0,
            "undoing every step gives back the base");
    require(session.isModified() == (steps > 0), "undone past the save, the database is modified");
    for (size_t i = 0; i < steps; ++i) {
        require(session.redo(), "every step undone can be redone");
    }
    checkViewIndex(session);
    require(std::memcmp(session.database().bytes(), savedTables().data(), table::Size) == 0,
            "redoing every step gives back what was saved");
    require(!session.isModified(), "redone up to the save, the database is not modified");
}

// No step is ever dropped here: undoing them all must reach the base.
EditSession& fuzzSession() {
    static EditSession session;
    session.setHistoryBudget(SIZE_MAX);
    return session;
}

}  // namespace

const std::vector<uint8_t>& scriptBaseImage(std::string_view name) {
    return baseFile(name).bytes;
}

bool checkEditScriptInput(const uint8_t* data, size_t size) {
    const std::string_view script(reinterpret_cast<const char*>(data), size);
    EditSession& session = fuzzSession();
    const std::string_view baseName = baseNameOf(script);
    // The base the input before left the session on, as opened; none while checks run.
    static std::string_view held;
    const OpenedBase& base = openBase(session, baseName, held != baseName);
    held = {};
    const cli::ScriptOutcome outcome = cli::runEditScript(session, script);
    formatAllTexts(session, session.view());  // the view index checked first
    if (!outcome.ok) {
        checkRefusalChangedNothing(session, script, outcome);
    }
    checkPacked(session, base);
    checkSaveAs(session, base);
    checkUndoAndRedo(session, base);
    // Back to the base now: the history's steps go within this input, so that libFuzzer
    // does not take every input for one that leaks and run it again to find out.
    openBase(session, baseName);
    held = baseName;
    return outcome.ok;
}

}  // namespace kavro::fuzzing
