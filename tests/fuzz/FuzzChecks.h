// The checks run on one fuzz input, shared by the fuzz targets and by the test that replays
// the inputs kept under regressions/. A broken rule throws CheckFailure naming it; memory
// faults are left to the sanitizers the targets are built with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kavro {
class EditSession;
}

namespace kavro::fuzzing {

struct CheckFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Throws CheckFailure with `rule` when `holds` is false. Called in loops over whole tables,
// so the text is only turned into a string on failure.
inline void require(bool holds, const char* rule) {
    if (!holds) {
        throw CheckFailure(rule);
    }
}

// `data` as a freshly read database file of any length: opened from a file over the zero
// start-up image and over an accepted database, compared with the checks run directly on
// the candidate the open builds, and, when accepted, shown in every view and packed back
// to the bytes it came from. A rejected file must leave everything as it was. Bytes whose
// magic or checksums are wrong are also tried once more with them made right, so that
// arbitrary tables reach the view index and the texts. True when the bytes were accepted
// over the zero image.
bool checkImageInput(const uint8_t* data, size_t size);

// `data` as an edit script run on a valid database: the small sample, or the full-capacity
// one or one with gaps and orphans when the script's first line is "# image: full" or
// "# image: gaps". Afterwards the view index must match the tables, a refused line must
// have changed nothing, and the packed image must pass the checks with every byte the
// editor does not own as it was. True when every line ran.
bool checkEditScriptInput(const uint8_t* data, size_t size);

// The named databases the script checks start from, as images.
const std::vector<uint8_t>& scriptBaseImage(std::string_view name);

// The session's view index against its tables: every list, count and order.
void checkViewIndex(const EditSession& session);
// Formats every tree item and every list cell of `view` (setting the session's view to it)
// and checks their lengths and the rows' channels.
void formatAllTexts(EditSession& session, int view);

}  // namespace kavro::fuzzing
