// Reading a database file into the image and writing it back. Every outcome is told apart;
// a failed open changes nothing and a failed save leaves the file on disk as it was.
#pragma once

#include <cstdint>
#include <string>

#include "DatabaseImage.h"

namespace kavro {

enum class OpenOutcome { Accepted, CannotOpen, ReadError, Invalid };

struct OpenResult {
    OpenOutcome outcome = OpenOutcome::CannotOpen;
    ImageProblem problem = ImageProblem::None;  // for Invalid
    std::string systemReason;                   // for CannotOpen and ReadError
    uint32_t bytesRead = 0;
};

// Reads up to ImageSize bytes of `path` over an image of zeros and unpacks it. Only when
// accepted does it become the image and the count imageBytesRead(), and the file's size and
// modification time are remembered for the next Save; the view index is not rebuilt here.
OpenResult openDatabaseFile(const std::string& path);

enum class SaveOutcome {
    Written,
    CannotOpen,     // Save: the file is gone or cannot be opened
    CannotCreate,   // Save As: no file can be made at that path
    FolderRefused,  // the folder allows no new file, so no safe save is possible there
    ChangedOnDisk,  // Save: another program changed the file since it was opened or saved
    BackupFailed,   // no backup copy of the file could be made
    WriteError,     // writing, syncing, checking or putting the new file in place failed
};

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::WriteError;
    std::string systemReason;
    std::string backupPath;  // the backup made, if any
};

struct SaveOptions {
    // Save: replace the file even when another program changed it.
    bool overwriteChanges = false;
    // When set, the file about to be replaced is first copied into this (existing) folder.
    std::string backupFolder;
    // Save As: the file whose bytes beyond the image the new file carries; none when empty.
    std::string tailFrom;
};

// Save: packs the tables and writes the image (see bytesToWrite) over the start of the
// existing file at `path`; the bytes of a longer file beyond the image are kept. Fails with
// CannotOpen when the file does not exist, with ChangedOnDisk when its size, modification
// time or content is not what was last opened or saved there.
//
// Both saves write a new file beside the target, sync it, give it the owner, permissions
// and extended attributes of the file it replaces (or those of a new file), read it back
// and check it as Open would, and only then put it in place in one step.
SaveResult saveDatabaseFile(const std::string& path, const SaveOptions& options = {});
// Save As: packs and writes the image as the whole file at `path`, creating or replacing
// it. Fails with CannotCreate when no file can be made there.
SaveResult saveDatabaseFileAs(const std::string& path, const SaveOptions& options = {});

// What the window and the tool say when the folder allows no safe save.
std::string folderRefusedText(const std::string& folder, const std::string& reason);

}  // namespace kavro
