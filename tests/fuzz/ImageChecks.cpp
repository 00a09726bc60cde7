// The image target's checks: a base file with record-level mutations (see ImageInput.h),
// opened from a file, shown in every view, packed, saved in place and opened again.
#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "DatabaseState.h"
#include "FuzzChecks.h"
#include "ImageInput.h"
#include "SaveChecks.h"
#include "ScratchFolder.h"
#include "cli/Tool.h"
#include "database/ViewIndex.h"
#include "dbfile/DatabaseFile.h"
#include "dbfile/DatabaseImage.h"
#include "session/EditSession.h"

namespace kavro::fuzzing {

namespace {

// The session every input opens into. A file that is to be refused is opened over a session
// just reset, whose state it must leave as it was; one that is to be accepted over whatever
// the input before left, all of which it must replace (as must the opens that check the
// saved file and the tool's).
EditSession& imageSession() {
    static EditSession session;
    return session;
}

// Readies the session for a file that is to be `refused` or not; the state a refused one
// must leave.
const DatabaseState& startFor(bool refused) {
    EditSession& session = imageSession();
    static DatabaseState start;
    static bool captured = false;
    static bool atStart = false;  // reset, and only refused files opened since
    if (refused && !atStart) {
        session.reset();
        if (!captured) {
            start.capture(session);
            captured = true;
        }
    }
    atStart = refused;
    return start;
}

// Opens the file and checks the outcome against the checks run on the image it holds; true
// when it was accepted.
bool openAndCheck(const std::string& path, const DecodedImage& input) {
    const size_t read = std::min<size_t>(input.fileSize, ImageSize);
    const ImageProblem expected = checkReadImage(input.image.data(), read);
    const DatabaseState& before = startFor(expected != ImageProblem::None);
    EditSession& session = imageSession();
    const OpenResult result = session.open(path);
    require(result.bytesRead == read, "an open reads up to a whole image");
    require(result.problem == expected, "an open reports the first check that fails");
    if (expected != ImageProblem::None) {
        require(result.outcome == OpenOutcome::Invalid, "a rejected file is an invalid one");
        require(before.matches(session), "a rejected file changes nothing");
        return false;
    }
    require(result.outcome == OpenOutcome::Accepted, "a file that passes the checks is taken");
    const DatabaseImage& image = session.file().image();
    require(std::memcmp(image.bytes(), input.image.data(), ImageSize) == 0,
            "an accepted file becomes the image, over zeros");
    require(image.bytesRead() == read, "the count read is kept");
    return true;
}

// Every view, tree item and list cell; the view the session is in first. Switching views
// leaves the tables as they are.
void checkShown(EditSession& session) {
    const auto shown = session.view();
    formatAllTexts(session, shown);
    for (auto view : {View::All, View::Tv, View::Radio}) {
        if (view != shown) {
            formatAllTexts(session, view, true);
        }
    }
}

// Save in place: an unedited database packs to the bytes it was read from and writes back
// the very file it was opened from.
void checkSave(EditSession& session, const std::string& path, const DecodedImage& input) {
    require(session.save().outcome == SaveOutcome::Written, "an unedited database saves");
    const DatabaseImage& image = session.file().image();
    require(std::memcmp(image.bytes(), input.image.data(), ImageSize) == 0 &&
                image.bytesRead() == std::min<size_t>(input.fileSize, ImageSize),
            "a save of an unedited database writes the bytes it read");
    std::string_view tail;
    if (input.fileSize > static_cast<size_t>(ImageSize)) {
        tail = {reinterpret_cast<const char*>(input.fileData()) + ImageSize,
                input.fileSize - ImageSize};
    }
    checkSavedFile(session, path, tail);
}

// kavro-tool shows the file with the command the input picks, or refuses it as Open does.
void checkTool(const std::string& path, int command, bool accepted) {
    static const std::vector<std::string> Commands[ToolCommandCount] = {
        {"list", "--format", "text"},
        {"list", "--format", "csv", "--view", "radio"},
        {"list", "--format", "json"},
        {"list", "--format", "json", "--view", "tv"},
        {"tree", "--format", "text"},
        {"tree", "--format", "json", "--view", "radio"},
        {"info"},
        {"check"}};
    std::vector<std::string> args = Commands[command];
    args.insert(args.begin() + 1, path);
    std::istringstream in;
    std::ostringstream out, err;
    static EditSession session;
    require(
        cli::runTool(args, in, out, err, systemFileWriter(), false, &session) == (accepted ? 0 : 1),
        "kavro-tool takes the file when Open does");
}

}  // namespace

bool checkImageInput(const uint8_t* data, size_t size) {
    static DecodedImage input;
    decodeImageInput(data, size, input);
    const std::string path = scratchFolder().path("image.tbn");
    writeScratchFile(path, input.fileData(), input.fileSize);

    const bool accepted = openAndCheck(path, input);
    if (accepted) {
        EditSession& session = imageSession();
        checkShown(session);
        checkSave(session, path, input);
    }
    if (input.toolCommand < ToolCommandCount) {
        checkTool(path, input.toolCommand, accepted);
    }
    return accepted;
}

}  // namespace kavro::fuzzing
