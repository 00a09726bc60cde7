// The checks run on one fuzz input, shared by the fuzz targets and by the test that replays
// the inputs kept under regressions/. A broken rule throws CheckFailure naming it; memory
// faults are left to the sanitizers the targets are built with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "database/View.h"

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

// Makes `to` a copy of the `size` bytes at `from`. By memcpy: a vector's own copies end in
// the sanitizers' memmove, which goes a byte at a time, over a megabyte per image or tables.
inline void copyBytes(std::vector<uint8_t>& to, const uint8_t* from, size_t size) {
    to.resize(size);
    if (size > 0) {
        std::memcpy(to.data(), from, size);
    }
}

// `data` as the image target's input (see ImageInput.h): a base file with record-level
// mutations, written to a file and opened over another database. A file the checks refuse
// must change nothing; an accepted one must be the image read over zeros, show in every view,
// pack back to the bytes read, save in place as the very same file and open again as the
// same image; kavro-tool must agree with the open. True when the file was accepted.
bool checkImageInput(const uint8_t* data, size_t size);

// `data` as an edit script run on a base file (FuzzBases.h): the small one, or the one the
// first line names, "# image: NAME". Afterwards the view index must match the tables, a
// refused line must have changed nothing, and the packed image must pass the checks with
// every byte the editor does not own as it was. The database is then saved as kavro-tool
// edit saves, the file opened again must be the session's image, undoing every step must
// give back the base byte for byte and redoing them what was saved. True when every line
// ran.
bool checkEditScriptInput(const uint8_t* data, size_t size);

// A reference order applied to a base file (byte 0 picks it): after byte 1, even, a list
// written as CSV, which must also read back as written; odd, an image input (ImageInput.h)
// taken as a database file. Applying it changes no channel's fields and nothing outside the
// channel table, a second apply changes nothing, and undo gives back the base. True when
// the reference was matched.
bool checkOrderInput(const uint8_t* data, size_t size);
// An image input compared with its unmutated base: each database against itself shows no
// difference, and A against B mirrors B against A. True when the file was accepted.
bool checkDiffInput(const uint8_t* data, size_t size);
// An image input linted: every finding of a known kind, in order, naming slots of its
// tables; the counts are the findings of each kind, and kavro-tool lint (on a quarter of
// the inputs) lists and counts the same. True when the file was accepted.
bool checkLintInput(const uint8_t* data, size_t size);
// Byte 0 picks a base file (bits 0-3) and the options (bit 4 update, bit 5 groups by name,
// bit 6 before the first channel); the rest is an image input read as Import From reads
// another file and imported whole. A refused source or import changes nothing; an accepted
// one changes only transponders and channels, adds copies of the other's channels on
// transponders of the same satellite, MHz and polarization, and is undone to the base. True
// when the source was read.
bool checkImportInput(const uint8_t* data, size_t size);
// Byte 0 picks the clock; then, split at zero bytes, the index of a file's backups and the
// names of files put beside it ('@' stands for the start of the file's backup names, '%' for
// its path). Two backups of the file are made: each holds the file's bytes, is its newest
// backup and has a time, the two names differ, pruning keeps the newest, and no other file
// goes. True when both were made.
bool checkBackupInput(const uint8_t* data, size_t size);

// The base files the script checks start from, by name ("small", "gaps", "full", ...).
const std::vector<uint8_t>& scriptBaseImage(std::string_view name);

// The session's view index against its tables: every list, count and order. With
// `sameTables`, the tables are those of the check before, whose kinds of channel still hold.
void checkViewIndex(const EditSession& session, bool sameTables = false);
// Formats every tree item and every list cell of `view` (switching the session to it)
// and checks their lengths and the rows' channels; `sameTables` as above.
void formatAllTexts(EditSession& session, View view, bool sameTables = false);
// The kinds of channel the last check took, kept for tables found equal to those later
// (byte for byte), and handed back before checking those with `sameTables`.
void keepChannelKinds(std::vector<uint8_t>& kept);
void useChannelKinds(const std::vector<uint8_t>& kept);

}  // namespace kavro::fuzzing
