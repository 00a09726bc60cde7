// The image fuzz target's checks: a byte string read as a database file.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>

#include "DatabaseState.h"
#include "FuzzChecks.h"
#include "cli/Tool.h"
#include "database/ByteOrder.h"
#include "database/ChannelDatabase.h"
#include "database/ViewIndex.h"
#include "dbfile/DatabaseFile.h"
#include "dbfile/DatabaseImage.h"
#include "session/EditSession.h"
#include "support/TestImageBuilder.h"

namespace kavro::fuzzing {

namespace {

using testing::Bytes;

// The file each input is written to, in a folder of its own (in memory where there is one)
// that goes when the process ends.
class ScratchFile {
public:
    ScratchFile() {
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::random_device random;
        for (int attempt = 0;; ++attempt) {
            require(attempt < 100, "a scratch folder can be made");
            const std::filesystem::path folder =
                base / ("kavro-fuzz-" + std::to_string(random()) + std::to_string(random()));
            std::error_code error;
            if (std::filesystem::create_directory(folder, error)) {
                folder_ = folder.string();
                break;
            }
        }
        path_ = (std::filesystem::path(folder_) / "input.tbn").string();
    }
    ~ScratchFile() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    const std::string& write(const uint8_t* data, size_t size) {
        std::ofstream file(path_, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        file.close();
        require(!file.fail(), "the scratch file takes the input");
        return path_;
    }

private:
    std::string folder_;
    std::string path_;
};

// Shows an accepted database in every view, then packs it: unedited, it must come out as
// the candidate it came from and pass the checks again.
void checkAccepted(EditSession& session, const Bytes& candidate) {
    for (int view : {ViewAll, ViewTv, ViewRadio}) {
        formatAllTexts(session, view);
    }
    static const auto image = std::make_unique<DatabaseImage>();
    *image = session.file().image();
    image->pack(session.database());
    require(std::memcmp(image->bytes(), candidate.data(), ImageSize) == 0,
            "an unedited image packs to the bytes it was read from");
    require(checkImage(image->bytes()) == ImageProblem::None, "a packed image passes the checks");
}

// What an open of `size` bytes must report, from the checks run on the candidate directly.
ImageProblem expectedProblem(const Bytes& candidate, size_t read) {
    if (read < static_cast<size_t>(HeaderSize)) {
        return ImageProblem::ShorterThanHeader;
    }
    return checkImage(candidate.data());
}

// Opens the file over the current state and checks the outcome; true when accepted. An
// accepted database is shown and packed unless `showAccepted` is false.
bool openAndCheck(EditSession& session, const std::string& path, const uint8_t* data, size_t size,
                  bool showAccepted) {
    static DatabaseState before;
    static Bytes candidate(ImageSize);
    before.capture(session);
    const size_t read = std::min<size_t>(size, ImageSize);
    std::fill(candidate.begin(), candidate.end(), 0);  // a short file is read over zeros
    std::copy_n(data, read, candidate.begin());
    const ImageProblem expected = expectedProblem(candidate, read);

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
    require(std::memcmp(image.bytes(), candidate.data(), ImageSize) == 0,
            "an accepted file becomes the image, over zeros");
    require(image.bytesRead() == read, "the count read is kept");
    if (showAccepted) {
        checkAccepted(session, candidate);
    }
    return true;
}

// The tool reads the file over a zero image as Open does and agrees with it.
void checkTool(const std::string& path, bool accepted) {
    std::istringstream in;
    std::ostringstream out, err;
    require(cli::runTool({"check", path}, in, out, err) == (accepted ? 0 : 1),
            "kavro-tool check agrees with the open");
    if (accepted) {
        require(cli::runTool({"info", path}, in, out, err) == 0, "kavro-tool info shows it");
        require(
            cli::runTool({"list", path, "--view", "radio", "--format", "json"}, in, out, err) == 0,
            "kavro-tool list shows it");
    }
}

// The bytes with the magic and both checksums made right, read over a zero image.
void checkWithValidHeader(EditSession& session, const uint8_t* data, size_t size) {
    static Bytes image;
    const size_t read = std::min<size_t>(size, ImageSize);
    image.assign(data, data + read);
    writeU16(image.data() + hdr::Magic, ImageMagic);
    testing::fixChecksums(image);
    session.reset();
    const OpenResult result = session.load(image.data(), read);
    image.resize(ImageSize, 0);
    if (checkImage(image.data()) != ImageProblem::None) {
        require(coveredLength(image.data()) > BodySize, "only too long a stretch stays refused");
        require(result.outcome == OpenOutcome::Invalid, "a refused image is not loaded");
        return;
    }
    require(result.outcome == OpenOutcome::Accepted, "an image that passes the checks loads");
    checkAccepted(session, image);
}

}  // namespace

bool checkImageInput(const uint8_t* data, size_t size) {
    static ScratchFile scratch;
    static EditSession session;
    static const Bytes accepted = testing::smallImage(5);
    const std::string& path = scratch.write(data, size);

    session.reset();
    const bool valid = openAndCheck(session, path, data, size, true);
    checkTool(path, valid);

    // A whole image read over another is the same candidate as over the zero image.
    require(testing::loadImage(session, accepted), "the sample image loads");
    openAndCheck(session, path, data, size, size < static_cast<size_t>(ImageSize));

    if (!valid && size >= static_cast<size_t>(HeaderSize)) {
        checkWithValidHeader(session, data, size);
    }
    return valid;
}

}  // namespace kavro::fuzzing
