// The edit target's checks: a byte string run as a kavro-tool edit script on a base file,
// then saved as the tool saves, opened again, undone to the base and redone to the save.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>

#include "DatabaseState.h"
#include "FuzzBases.h"
#include "FuzzChecks.h"
#include "SaveChecks.h"
#include "ScratchFolder.h"
#include "cli/EditScript.h"
#include "database/ChannelDatabase.h"
#include "database/RecordLayout.h"
#include "database/ViewIndex.h"
#include "dbfile/DatabaseImage.h"
#include "dbfile/FileSystem.h"
#include "session/EditSession.h"

namespace kavro::fuzzing {

namespace {

// A base file, written once into the scratch folder, and the state it opens to.
struct OpenedBase {
    std::string path;
    std::string_view tail;  // its bytes past a whole image
    DatabaseState state;
    std::array<uint8_t, HeaderSize> header{};  // the working header it opens to
    uint32_t bytesRead = 0;
    std::vector<uint8_t> kinds;  // of channel, as the view index checks take them
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
        std::memcpy(found->second.header.data(), session.file().image().workingHeader(),
                    HeaderSize);
        found->second.bytesRead = session.file().image().bytesRead();
        checkViewIndex(session);
        keepChannelKinds(found->second.kinds);
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

// Stretches of the image that no edit may touch: the header but its two checksums, the
// opaque blocks and the gap after them, the favourite slots the editor does not offer, and
// every stretch between the tables. Of the satellites, only the shown bit and the name are
// the editor's.
struct Stretch {
    int begin;
    int end;
};
constexpr int SatelliteTableEnd = SatelliteRegion + SatelliteCapacity * SatelliteRecordSize;
constexpr Stretch UntouchedStretches[] = {
    {0, hdr::DataChecksum},
    {hdr::HeaderChecksum + 2, HeaderSize},
    {OpaqueBlockARegion, TransponderRegion},
    {TransponderRegion + TransponderCapacity * TransponderRecordSize, SatelliteRegion},
    {SatelliteTableEnd, FavoriteNameRegion},
    {FavoriteNameRegion + FavoriteGroupCount * FavoriteNameSize, ImageSize},
};
constexpr uint8_t SatelliteShownBit = 1;

bool satelliteBytesKept(const uint8_t* edited, const uint8_t* base) {
    for (int at = SatelliteRegion; at < SatelliteTableEnd; at += SatelliteRecordSize) {
        const int flags = at + sat::ShownFlags;
        if (std::memcmp(edited + at, base + at, sat::ShownFlags) != 0 ||
            ((edited[flags] ^ base[flags]) & ~SatelliteShownBit) != 0 ||
            std::memcmp(edited + flags + 1, base + flags + 1, sat::Name - sat::ShownFlags - 1)) {
            return false;
        }
    }
    return true;
}

// The image a save has just packed the session's tables into, keeping the bytes between
// the tables, and written. (That it passes Open's checks, the saved file's open has shown:
// it reads back as this image.)
void checkPacked(const EditSession& session, const OpenedBase& base) {
    const uint8_t* edited = session.file().image().bytes();
    const uint8_t* kept = base.state.image().data();
    for (const Stretch& s : UntouchedStretches) {
        require(std::memcmp(edited + s.begin, kept + s.begin, s.end - s.begin) == 0,
                "bytes the editor does not own survive an edit");
    }
    require(satelliteBytesKept(edited, kept), "satellite bytes the editor does not own survive");
}

// What the lines of a script may change, as it stood before the line being run: the view,
// the output and the tables. A script line changes the tables only through the session,
// whose history then moves, so the tables are copied only before a line that follows such a
// move; before the first line they are the base's.
class BeforeLine {
public:
    explicit BeforeLine(const OpenedBase& base) : tables_(base.state.tables().data()) {}

    void take(const EditSession& session, const cli::ScriptOutcome& sofar) {
        const History& history = session.history();
        if (history.position() != position_ || history.stepCount() != steps_) {
            copyBytes(buffer(), session.database().bytes(), table::Size);
            tables_ = buffer().data();
            position_ = history.position();
            steps_ = history.stepCount();
        }
        view_ = session.view();
        output_ = sofar.output.size();
    }

    // The session after the refused line must be the one before it; the file image, which
    // no script line touches, the one the base opened to.
    void checkRefusal(const EditSession& session, const cli::ScriptOutcome& outcome,
                      const OpenedBase& base) const {
        require(outcome.line >= 1 && !outcome.message.empty(),
                "a refusal names its line and reason");
        require(outcome.output.size() == output_, "a refused line prints nothing");
        const DatabaseImage& image = session.file().image();
        require(std::memcmp(session.database().bytes(), tables_, table::Size) == 0 &&
                    session.view() == view_ &&
                    std::memcmp(image.bytes(), base.state.image().data(), ImageSize) == 0 &&
                    std::memcmp(image.workingHeader(), base.header.data(), HeaderSize) == 0 &&
                    image.bytesRead() == base.bytesRead,
                "a refused line changes nothing");
    }

private:
    static std::vector<uint8_t>& buffer() {
        static std::vector<uint8_t> tables;
        return tables;
    }

    const uint8_t* tables_;
    size_t position_ = 0;  // the history the tables were taken at; an opened base has none
    size_t steps_ = 0;
    View view_ = View::All;
    size_t output_ = 0;
};

// Runs `script` on the session line by line, as kavro-tool edit does, and checks a refused
// line against the state before it.
cli::ScriptOutcome runScript(EditSession& session, std::string_view script,
                             const OpenedBase& base) {
    cli::ScriptRunner runner(session);
    BeforeLine before(base);
    for (size_t start = 0; start < script.size();) {
        const size_t end = std::min(script.find('\n', start), script.size());
        before.take(session, runner.outcome());
        if (!runner.runLine(script.substr(start, end - start))) {
            before.checkRefusal(session, runner.outcome(), base);
            break;
        }
        start = end + 1;
    }
    return runner.outcome();
}

// Save As, as kavro-tool edit writes its output: with the base's bytes past the image.
// Returns the tables the saved file opens to.
const ChannelDatabase& checkSaveAs(EditSession& session, const OpenedBase& base) {
    SaveOptions options;
    options.tailFrom = base.path;
    const std::string path = scratchFolder().path("saved.tbn");
    require(session.saveAs(path, options).outcome == SaveOutcome::Written,
            "an edited database saves");
    require(!session.isModified(), "a saved database is not modified");
    return checkSavedFile(session, path, base.tail);
}

// Every step undone gives back the base, byte for byte; redone, the tables the saved file
// opened to. (Tables that are the same pack to the same image.)
void checkUndoAndRedo(EditSession& session, const OpenedBase& base, const ChannelDatabase& saved,
                      const std::vector<uint8_t>& savedKinds) {
    const size_t steps = session.history().position();
    size_t undone = 0;
    while (session.undo()) {
        ++undone;
    }
    require(undone == steps, "every step can be undone");
    require(std::memcmp(session.database().bytes(), base.state.tables().data(), table::Size) == 0,
            "undoing every step gives back the base");
    useChannelKinds(base.kinds);
    checkViewIndex(session, true);
    require(session.isModified() == (steps > 0), "undone past the save, the database is modified");
    for (size_t i = 0; i < steps; ++i) {
        require(session.redo(), "every step undone can be redone");
    }
    require(std::memcmp(session.database().bytes(), saved.bytes(), table::Size) == 0,
            "redoing every step gives back what was saved");
    useChannelKinds(savedKinds);
    checkViewIndex(session, true);
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
    const cli::ScriptOutcome outcome = runScript(session, script, base);
    formatAllTexts(session, session.view());  // the view index checked first
    static std::vector<uint8_t> kinds;        // of the tables as saved below
    keepChannelKinds(kinds);
    const ChannelDatabase& saved = checkSaveAs(session, base);
    checkPacked(session, base);
    checkUndoAndRedo(session, base, saved, kinds);
    // Back to the base now: the history's steps go within this input, so that libFuzzer
    // does not take every input for one that leaks and run it again to find out.
    openBase(session, baseName);
    held = baseName;
    require(fs::removeFile(scratchFolder().path("saved.tbn")).ok(), "the saved file goes");
    return outcome.ok;
}

}  // namespace kavro::fuzzing
